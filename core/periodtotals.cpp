#include "core/periodtotals.h"

#include "core/subjects.h"
#include "core/units.h"

namespace lunaplan {

void VelaRangeTotal::calculate()
{
    clearTotals();
    for (const VelaDayTime* day = m_objFirstDay.get(); day; day = day->objNextDay().get()) {
        if (!day->boolNowPlanning()) {
            const QString& subjectCodes = day->strSubject();
            for (qsizetype slot = 0; slot < subjectCodes.size(); ++slot) {
                if (const auto field = totalFieldForCode(subjectCodes[slot]))
                    addUnits(*field, lengthCodeAt(day->strCredit(), slot));
            }
        }
        if (day == m_objLastDay.get())
            break;
    }
    computeSubtotals();
}

std::shared_ptr<VelaWeekTotal> makeTemplateWeek()
{
    auto week = std::make_shared<VelaWeekTotal>();
    std::shared_ptr<VelaDayTime> next;
    for (int weekday = 6; weekday >= 1; --weekday) {
        auto day = std::make_shared<VelaDayTime>();
        day->setIntWeekName(static_cast<qint16>(weekday));
        day->setBoolWeekEnd(weekday == 6);
        day->setObjNextDay(std::move(next));
        if (weekday == 6)
            week->setObjLastDay(day);
        next = std::move(day);
    }
    week->setObjFirstDay(std::move(next));
    return week;
}

} // namespace lunaplan
