#pragma once

#include <QString>

namespace lunaplan {

class AppState;
class PrinterFacility;

// The four reports. Each draws one page through the printer facility and
// ends the document; the annual report and the two term reports first point
// the actual terms of the state at the held days (the one change they make).
// intSeason is 1, 2 or 3; intWeekPlan 1 is timetable B, anything else A.
void subPrintYear(AppState& state, PrinterFacility& printer);
void subPrintSeasonTimeChart(AppState& state, PrinterFacility& printer, int intSeason);
void subPrintSeasonTotal(AppState& state, PrinterFacility& printer, int intSeason);
void subPrintWeekPlan(const AppState& state, PrinterFacility& printer, int intWeekPlan);

// The nine reports of the print dialog, by option index 0 … 8.
inline constexpr int ReportCount = 9;
// The option's caption ("年間の時数集計表" …); empty outside 0 … 8.
QString reportCaption(int index);
// Prints report index; false (nothing drawn) outside 0 … 8.
bool printReport(AppState& state, PrinterFacility& printer, int index);

} // namespace lunaplan
