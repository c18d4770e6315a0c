#include "ui/common/subjectpalette.h"

#include "core/subjects.h"
#include "ui/common/subjecticons.h"
#include "ui/common/twips.h"

#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>

namespace lunaplan {

using namespace Qt::StringLiterals;

SubjectPalette::SubjectPalette(QWidget* parent)
    : SubjectPalette(MainPaletteOrder, u"cmdSubject"_s, parent)
{
    setObjectName(u"fraPalette"_s);
}

SubjectPalette::SubjectPalette(QStringView order, const QString& buttonName, QWidget* parent)
    : QGroupBox(u"教科パレット"_s, parent)
    , m_order(order)
{
    for (int index = 0; index < static_cast<int>(order.size()); ++index) {
        const QChar subjectCode = order[index];
        auto* button = new QToolButton(this);
        button->setObjectName(buttonName + u'_' + QString::number(index));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setIcon(subjectIcon(subjectCode));
        button->setIconSize(QSize(32, 32));
        button->setText(subjectByCode(subjectCode)->fullName.toString());
        button->setFocusPolicy(Qt::TabFocus);
        placeInTwips(button, index % 2 == 0 ? 120 : 840, 240 + 720 * (index / 2), 735, 735);
        connect(button, &QToolButton::pressed, this, [this, index] { Q_EMIT subjectChosen(index); });
        connect(button, &QToolButton::clicked, this, [this, index] { Q_EMIT subjectChosen(index); });
        m_buttons.append(button);
    }
}

void SubjectPalette::showKeys(QStringView keys)
{
    for (int index = 0; index < buttonCount() && index < keys.size(); ++index) {
        QToolButton* button = m_buttons.at(index);
        const QString key(keys[index]);
        auto* label = new QLabel(key, button);
        label->setObjectName(button->objectName() + u"_key");
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->setStyleSheet(u"color: rgb(0, 0, 160); font-size: 10px; font-weight: bold;"_s);
        label->move(3, 1);
        label->adjustSize();
        button->setToolTip(u"%1（キー %2）"_s.arg(button->text(), key));
        m_keyLabels.append(label);
    }
}

void SubjectPalette::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

void SubjectPalette::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
}

int subGetIcon(const QString& strSubject)
{
    if (strSubject.isEmpty())
        return -1;
    return static_cast<int>(MainPaletteOrder.indexOf(strSubject));
}

} // namespace lunaplan
