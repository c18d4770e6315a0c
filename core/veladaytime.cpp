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
    return heldRecordFor(*this, sDay) != nullptr;
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

std::shared_ptr<VelaDayTime> heldRecordFor(const VelaDayTime& objDayHead, QDate date)
{
    if (!date.isValid())
        return nullptr;
    // The list is in date order, so the walk stops at the first later date.
    for (auto day = objDayHead.objNextDay(); day; day = day->objNextDay()) {
        if (day->dateThisDay() == date)
            return day->boolNowPlanning() ? nullptr : day;
        if (day->dateThisDay() > date)
            break;
    }
    return nullptr;
}

} // namespace lunaplan
