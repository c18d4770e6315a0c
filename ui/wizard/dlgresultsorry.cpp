#include "ui/wizard/dlgresultsorry.h"

#include "ui/common/twips.h"

#include <QLabel>
#include <QPushButton>

namespace lunaplan {

using namespace Qt::StringLiterals;

dlgResultSorry::dlgResultSorry(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(u"dlgResultSorry"_s);
    setWindowTitle(u"ごめんなさい"_s);
    setModal(false);
    setFixedSize(twipsSize(5400, 2280));

    m_label = new QLabel(u"選んだ日は、実績が登録されています。休日にすることはできません。"
                         "休日にするときは、実績登録画面で実績取消しをして、"
                         "もう一度この画面で休日に選んでください。"_s,
                         this);
    m_label->setObjectName(u"lblResultSorry"_s);
    m_label->setWordWrap(true);
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeInTwips(m_label, 240, 240, 4920, 1200);

    m_ok = new QPushButton(u"OK"_s, this);
    m_ok->setObjectName(u"OKButton"_s);
    m_ok->setDefault(true);
    placeInTwips(m_ok, 2040, 1620, 1215, 420);
    connect(m_ok, &QPushButton::clicked, this, &dlgResultSorry::OKButton_Click);
}

void dlgResultSorry::OKButton_Click()
{
    hide();
}

} // namespace lunaplan
