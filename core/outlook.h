#pragma once

#include "core/totalstable.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>

namespace lunaplan {

class AppState;

// One row of the outlook in one stretch (a term or the year), in units.
struct OutlookFigures {
    qint16 plan = 0;               // 計画
    qint16 held = 0;               // 実施: the registered hours, as the totals table counts them
    qint16 expected = 0;           // 見込み: what the school days after the reference date still bring
    qint16 expectedTotal = 0;      // 見込み合計: held + expected
    qint16 expectedDifference = 0; // 見込み差: expectedTotal − plan

    FigureTone tone() const { return differenceTone(expectedDifference); }
};

// A term, or the year: the rows in the order of totalsTableRows().
struct OutlookStretch {
    std::array<OutlookFigures, 23> rows{};
    int remainingSchoolDays = 0; // 残り授業日数: school days after the reference date
};

// Where each subject of the year is heading, seen from a reference date.
//
// A school day is a weekday the main window records (Monday to Friday) that
// fncIsWorkDay calls one. A school day after the reference date that holds no
// registered record adds the periods the main window proposes for it
// (weekColumns: timetable A, or B) to 見込み; a registered one is in 実施
// already. A day belongs to the term of its month, as for the totals.
struct Outlook {
    static constexpr int YearStretch = 3;

    QDate referenceDate;
    bool timetableA = true;
    std::array<OutlookStretch, 4> stretches{}; // terms 1 to 3 (0 to 2), then the year
    QList<QDate> unregisteredDays;             // 未登録の授業日: school days up to and including
                                               // the reference date without a registered record
    QString note;                              // foreignLanguageNote of the class's grade
};

// The reference date for a date asked for (today, or a date typed in): the
// date itself inside the school year, else the year's first (1 April) or
// last day (31 March). The date itself while no class is set up.
QDate outlookReferenceDate(const AppState& state, QDate date);

// The outlook from the reference date of `date` (outlookReferenceDate), with
// the proposals of timetable A or B. Recomputes the actual hours
// (assignResultTerms). Throws OverflowError when a figure does not fit 16 bits.
Outlook fncOutlook(AppState& state, QDate date, bool timetableA);

// The column headings of one stretch: 計画, 実施, 実施率, 見込み, 見込み合計, 見込み差.
const std::array<QStringView, 6>& outlookHeadings();

// 実施 as a percentage of 計画 with one decimal ("96.2%"); "—" where the
// plan is 0 (or below it, where a percentage means nothing).
QString implementationRateText(int plan, int held);

// The rows of the outlook's CSV for term season (0 to 2) and the year: the
// heading row (教科, then 学期･計画 … 年間･見込み差), one row per subject,
// every unit figure followed by its minutes (csvMinutes) as in
// totalsTableCsvRows; then the rows 基準日, 残り授業日数(学期),
// 残り授業日数(年間), one 未登録の授業日 row per day (dates as YYYY-MM-DD),
// and 注 when there is a note. Throws std::out_of_range for another season.
QList<QStringList> outlookCsvRows(const Outlook& outlook, int season);

} // namespace lunaplan
