#include "ui/common/subjectchoice.h"

#include "ui/common/periodgrid.h"
#include "ui/common/subjecticons.h"
#include "ui/common/subjectpalette.h"

#include <QToolButton>

namespace lunaplan {

void SubjectChoice::choose(const SubjectPalette& palette, int index)
{
    m_code = palette.code(index);
    m_name = palette.cmdSubject(index)->text();
    m_area->setCursor(subjectCursor(m_code));
}

void SubjectChoice::clear()
{
    m_code = QChar();
    m_name.clear();
    m_area->unsetCursor();
}

void SubjectChoice::applyTo(PeriodGrid& grid, int index) const
{
    grid.setSubject(index, grid.subject(index) != m_code ? m_code : QChar());
}

} // namespace lunaplan
