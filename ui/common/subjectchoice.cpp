#include "ui/common/subjectchoice.h"

#include "ui/common/subjecticons.h"
#include "ui/common/subjectpalette.h"

#include <QToolButton>

namespace lunaplan {

void SubjectChoice::choose(const SubjectPalette& palette, int index)
{
    const QToolButton* button = palette.cmdSubject(index);
    m_icon = button->icon();
    m_name = button->text();
    m_area->setCursor(subjectCursor(palette.code(index)));
}

void SubjectChoice::clear()
{
    m_icon = QIcon();
    m_name.clear();
    m_area->unsetCursor();
}

void SubjectChoice::applyTo(QToolButton& button) const
{
    if (button.text() != m_name) {
        button.setText(m_name);
        button.setIcon(m_icon);
    } else {
        button.setText(QString());
        button.setIcon(QIcon());
    }
}

} // namespace lunaplan
