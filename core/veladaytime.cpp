#include "core/veladaytime.h"

#include "core/units.h"

namespace lunaplan {

VelaDayTime::~VelaDayTime()
{
    // Release a long chain one node at a time instead of recursively.
    std::shared_ptr<VelaDayTime> next = std::move(m_objNextDay);
    while (next && next.use_count() == 1)
        next = std::move(next->m_objNextDay);
}

bool VelaDayTime::searchDay(QDate sDay) const
{
    const VelaDayTime* day = m_objNextDay.get();
    if (!day || !sDay.isValid())
        return false;
    // Day numbers identify a date only within one school year.
    if (!day->m_dateThisDay.isValid() || schoolYearOf(day->m_dateThisDay) != schoolYearOf(sDay))
        return false;
    const int n = sDay.dayOfYear();
    for (; day; day = day->m_objNextDay.get()) {
        if (day->intThisDay == n)
            return !day->m_boolNowPlanning;
    }
    return false;
}

void VelaDayTime::appendDay(std::shared_ptr<VelaDayTime> objInsertDay)
{
    const QDate date = objInsertDay->m_dateThisDay;
    VelaDayTime* before = this;
    std::shared_ptr<VelaDayTime> current = m_objNextDay;
    while (current) {
        if (current->m_dateThisDay == date) {
            objInsertDay->m_objNextDay = current->m_objNextDay;
            before->m_objNextDay = std::move(objInsertDay);
            return;
        }
        if (current->m_dateThisDay > date) {
            objInsertDay->m_objNextDay = std::move(current);
            before->m_objNextDay = std::move(objInsertDay);
            return;
        }
        before = current.get();
        current = current->m_objNextDay;
    }
    before->m_objNextDay = std::move(objInsertDay);
}

std::shared_ptr<VelaDayTime> makeRecordedDay(QDate date, const QString& subjects, const QString& credits)
{
    auto day = std::make_shared<VelaDayTime>();
    day->setDateThisDay(date);
    day->intThisDay = static_cast<qint16>(date.dayOfYear());
    day->setIntWeekName(static_cast<qint16>(date.dayOfWeek() % 7));
    day->setStrSubject(subjects);
    day->setStrCredit(credits);
    day->setBoolWorkDay(true);
    return day;
}

} // namespace lunaplan
