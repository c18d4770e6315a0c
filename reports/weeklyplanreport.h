#pragma once

#include "core/totalsrecord.h"
#include "core/weekview.h"

#include <QDate>
#include <QList>
#include <QString>

namespace lunaplan {

class AppState;
class PrinterFacility;

// The print dialog's caption of the weekly plan.
inline constexpr QStringView WeeklyPlanCaption = u"週案（表示中の週から）";

// One page of the weekly plan (週案): a real week of the school year.
struct WeeklyPlanPage {
    ShownWeek week;
    QList<DayColumn>
        days; // Monday to Friday, then a Saturday or Sunday that is a school day or holds a record
    QStringList dayKinds; // per day: "登録済", "予定", or the holiday's kind (祝日, 休業日, 特別な休日)
    TotalsRecord weekUnits; // the week's lessons, registered and planned
    TotalsRecord yearPlan;
    TotalsRecord registeredSoFar; // held records up to the end of the week
};

// The pages from the week of `from` and the weeks after it, at most `weeks`
// and never past the school year. Days not registered are proposed from
// timetable A or B as the main window proposes them.
QList<WeeklyPlanPage> weeklyPlanPages(const AppState& state, QDate from, int weeks, bool timetableA = true);

// The number of weeks from the week of `from` to the end of the school year (0 outside it).
int weeksToYearEnd(const AppState& state, QDate from);

// Prints the pages, A4 landscape, one page per week; nothing below 7 points.
// Throws PrintError (nothing drawn) when `from` has no week in the school year.
void subPrintWeeklyPlan(const AppState& state, PrinterFacility& printer, QDate from, int weeks);

} // namespace lunaplan
