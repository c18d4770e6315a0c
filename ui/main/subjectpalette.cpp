#include "ui/main/subjectpalette.h"

#include "core/subjects.h"
#include "ui/common/subjecticons.h"
#include "ui/common/twips.h"

#include <QMouseEvent>
#include <QToolButton>

namespace lunaplan {

SubjectPalette::SubjectPalette(QWidget* parent)
    : QGroupBox(QStringLiteral("教科パレット"), parent)
{
    setObjectName(QStringLiteral("fraPalette"));
    for (int index = 0; index < ButtonCount; ++index) {
        const QChar code = MainPaletteOrder[index];
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("cmdSubject_%1").arg(index));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setIcon(subjectIcon(code));
        button->setIconSize(QSize(32, 32));
        button->setText(subjectByCode(code)->fullName.toString());
        button->setFocusPolicy(Qt::TabFocus);
        placeInTwips(button, index % 2 == 0 ? 120 : 840, 240 + 720 * (index / 2), 735, 735);
        connect(button, &QToolButton::pressed, this, [this, index] { Q_EMIT subjectChosen(index); });
        connect(button, &QToolButton::clicked, this, [this, index] { Q_EMIT subjectChosen(index); });
        m_buttons[static_cast<std::size_t>(index)] = button;
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
