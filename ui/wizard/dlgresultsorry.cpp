#include "ui/wizard/dlgresultsorry.h"

#include "ui/common/twips.h"

#include <QLabel>
#include <QPushButton>

namespace lunaplan {

dlgResultSorry::dlgResultSorry(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("dlgResultSorry"));
    setWindowTitle(QStringLiteral("ごめんなさい"));
    setModal(false);
    setFixedSize(twipsSize(5400, 2280));

    m_label = new QLabel(QStringLiteral("選んだ日は、実績が登録されています。休日にすることはできません。"
                                        "休日にするときは、実績登録画面で実績取消しをして、"
                                        "もう一度この画面で休日に選んでください。"),
                         this);
    m_label->setObjectName(QStringLiteral("lblResultSorry"));
    m_label->setWordWrap(true);
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeInTwips(m_label, 240, 240, 4920, 1200);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("OKButton"));
    m_ok->setDefault(true);
    placeInTwips(m_ok, 2040, 1620, 1215, 420);
    connect(m_ok, &QPushButton::clicked, this, &dlgResultSorry::OKButton_Click);
}

void dlgResultSorry::OKButton_Click()
{
    hide();
}

} // namespace lunaplan
