#include "core/outlook.h"

#include "core/appstate.h"
#include "core/csvtable.h"
#include "core/subjects.h"
#include "core/units.h"
#include "core/velayeartotal.h"
#include "core/weekview.h"

#include <stdexcept>

using namespace Qt::StringLiterals;

namespace lunaplan {

namespace {

constexpr std::size_t slot(int i)
{
    return static_cast<std::size_t>(i);
}

// The date itself on Monday to Friday, else the Monday after it.
QDate weekdayFrom(QDate date)
{
    while (date.isValid() && date.dayOfWeek() > Qt::Friday)
        date = date.addDays(1);
    return date;
}

// What the walk through the school year's days finds.
struct DayWalk {
    std::array<TotalsRecord, 3> expected{}; // per term, per-code fields only
    std::array<int, 3> remainingDays{};
    QList<QDate> unregistered;
};

// Takes every school day of the year week by week as the main window shows
// it, so that 見込み is what the window would propose.
DayWalk walkSchoolYear(const AppState& state, QDate reference, bool timetableA)
{
    DayWalk walk;
    if (state.intYear == 0)
        return walk;
    const QDate last(state.intYear + 1, 3, 31);
    for (QDate date = weekdayFrom(QDate(state.intYear, 4, 1)); date.isValid() && date <= last;) {
        const auto week = weekForDate(date, state.intYear);
        if (!week)
            break;
        for (const DayColumn& column : weekColumns(state, *week, timetableA)) {
            if (!state.fncIsWorkDay(column.date))
                continue;
            if (column.date <= reference) {
                if (!column.registered)
                    walk.unregistered.append(column.date);
                continue;
            }
            const std::size_t term = slot(termOfMonth(column.date.month()) - 1);
            ++walk.remainingDays[term];
            if (column.registered)
                continue;
            for (const PeriodCell& period : column.periods) {
                if (period.subjectCode.isNull())
                    continue;
                if (const auto field = totalFieldForCode(period.subjectCode))
                    walk.expected[term].addUnits(*field, period.lengthCode);
            }
        }
        date = weekdayFrom(week->last.addDays(1));
    }
    return walk;
}

OutlookStretch stretchOf(const TotalsRecord& plan, const TotalsRecord& held, const TotalsRecord& expected,
                         int remainingDays)
{
    OutlookStretch stretch;
    stretch.remainingSchoolDays = remainingDays;
    std::size_t row = 0;
    for (const TotalsTableRow& line : totalsTableRows()) {
        OutlookFigures& figures = stretch.rows.at(row++);
        figures.plan = plan.value(line.field);
        figures.held = held.value(line.field);
        figures.expected = expected.value(line.field);
        figures.expectedTotal = checkedUnits(qint64{figures.held} + figures.expected);
        figures.expectedDifference = checkedUnits(qint64{figures.expectedTotal} - figures.plan);
    }
    return stretch;
}

QString isoDate(QDate date)
{
    return date.toString(Qt::ISODate);
}

} // namespace

QDate outlookReferenceDate(const AppState& state, QDate date)
{
    if (state.intYear == 0)
        return date;
    const QDate first(state.intYear, 4, 1);
    const QDate last(state.intYear + 1, 3, 31);
    if (!date.isValid() || date < first)
        return first;
    return date > last ? last : date;
}

Outlook fncOutlook(AppState& state, QDate date, bool timetableA)
{
    assignResultTerms(state);
    Outlook outlook;
    outlook.referenceDate = outlookReferenceDate(state, date);
    outlook.timetableA = timetableA;
    outlook.note = foreignLanguageNote(state.intGrade);

    DayWalk walk = walkSchoolYear(state, outlook.referenceDate, timetableA);
    outlook.unregisteredDays = std::move(walk.unregistered);

    // A missing plan, or a chain shorter than three terms, counts as zeros.
    const TotalsRecord none{};
    const VelaYearTotal* plan = state.objYearPlan.get();
    TotalsRecord expectedYear;
    int remainingYear = 0;
    for (int term = 1; term <= 3; ++term) {
        TotalsRecord& expected = walk.expected.at(slot(term - 1));
        for (const TotalField field : PerCodeFields)
            expectedYear.addUnits(field, expected.value(field));
        expected.computeSubtotals();
        const VelaSeasonTotal* planTerm = plan ? plan->season(term) : nullptr;
        const VelaSeasonTotal* heldTerm = state.objYearResult->season(term);
        const int remaining = walk.remainingDays.at(slot(term - 1));
        remainingYear += remaining;
        outlook.stretches.at(slot(term - 1)) =
            stretchOf(planTerm ? *planTerm : none, heldTerm ? *heldTerm : none, expected, remaining);
    }
    expectedYear.computeSubtotals();
    outlook.stretches.at(slot(Outlook::YearStretch)) =
        stretchOf(plan ? *plan : none, *state.objYearResult, expectedYear, remainingYear);
    return outlook;
}

const std::array<QStringView, 6>& outlookHeadings()
{
    static const std::array<QStringView, 6> headings{u"計画",   u"実施",       u"実施率",
                                                     u"見込み", u"見込み合計", u"見込み差"};
    return headings;
}

QString implementationRateText(int plan, int held)
{
    if (plan <= 0)
        return u"—"_s;
    return QString::number(100.0 * held / plan, 'f', 1) + u'%';
}

QList<QStringList> outlookCsvRows(const Outlook& outlook, int season)
{
    if (season < 0 || season > 2)
        throw std::out_of_range("term index outside 0 to 2");
    const std::array<const OutlookStretch*, 2> shown{&outlook.stretches.at(slot(season)),
                                                     &outlook.stretches.at(slot(Outlook::YearStretch))};
    QList<QStringList> rows;
    QStringList heading{totalsTableHeadings().front().toString()};
    for (const QStringView prefix : {u"学期･", u"年間･"}) {
        for (const QStringView name : outlookHeadings()) {
            const QString text = prefix + name;
            heading << text;
            if (name != u"実施率")
                heading << minutesHeading(text);
        }
    }
    rows.append(heading);

    std::size_t row = 0;
    for (const TotalsTableRow& line : totalsTableRows()) {
        QStringList fields{line.label.toString()};
        for (const OutlookStretch* stretch : shown) {
            const OutlookFigures& figures = stretch->rows.at(row);
            const auto figure = [&fields](int units) {
                fields << fncCreditToStr(units) << csvMinutes(units);
            };
            figure(figures.plan);
            figure(figures.held);
            fields << implementationRateText(figures.plan, figures.held);
            figure(figures.expected);
            figure(figures.expectedTotal);
            figure(figures.expectedDifference);
        }
        rows.append(fields);
        ++row;
    }

    rows.append({u"基準日"_s, isoDate(outlook.referenceDate)});
    rows.append({u"残り授業日数(学期)"_s, QString::number(shown[0]->remainingSchoolDays)});
    rows.append({u"残り授業日数(年間)"_s, QString::number(shown[1]->remainingSchoolDays)});
    for (const QDate day : outlook.unregisteredDays)
        rows.append({u"未登録の授業日"_s, isoDate(day)});
    if (!outlook.note.isEmpty())
        rows.append({u"注"_s, outlook.note});
    return rows;
}

} // namespace lunaplan
