#include "reports/weeklyplanreport.h"

#include "core/appstate.h"
#include "core/daymarks.h"
#include "core/schoolcalendar.h"
#include "core/subjects.h"
#include "core/units.h"
#include "reports/printerfacility.h"
#include "reports/reportrules.h"

#include <array>

using namespace Qt::StringLiterals;

namespace lunaplan {

namespace {

using Orientation = PrinterFacility::Orientation;

// Page geometry in twips; an A4 landscape page with 5 mm margins has
// 16270 × 11340 of printable area.
constexpr int Left = 300;
constexpr int PeriodWidth = 500;
constexpr int DaysWidth = 9800;
constexpr int HeadTop = 1000;
constexpr int HeadHeight = 600;
constexpr int RowHeight = 1080;
constexpr int GridTop = HeadTop + HeadHeight;
constexpr int GridBottom = GridTop + 8 * RowHeight;
constexpr int TableLeft = 10900;
constexpr std::array<int, 6> TableEdges{TableLeft, 12000, 12950, 13900, 14850, 15800};
constexpr int TableRow = (GridBottom - GridTop) / 16;

QDate mondayOf(QDate date)
{
    return date.addDays(1 - date.dayOfWeek());
}

QString dateRangeText(const ShownWeek& week, const QList<DayColumn>& days)
{
    const QDate last = days.isEmpty() ? week.last : std::max(week.last, days.last().date);
    const auto text = [](QDate date) -> QString {
        return u"%1月%2日"_s.arg(date.month()).arg(date.day()) + u'(' +
               QStringView(u"月火水木金土日").mid(date.dayOfWeek() - 1, 1) + u')';
    };
    return text(week.first) + u"～" + text(last);
}

TotalsRecord heldUntil(const AppState& state, QDate last)
{
    TotalsRecord totals;
    for (auto day = state.objDayHead->objNextDay(); day && day->dateThisDay() <= last;
         day = day->objNextDay()) {
        if (!heldRecordFor(*state.objDayHead, day->dateThisDay()))
            continue;
        for (qsizetype p = 0; p < 8 && p < day->strSubject().size(); ++p) {
            if (const auto field = totalFieldForCode(day->strSubject()[p]))
                totals.addUnits(*field, lengthCodeAt(day->strCredit(), p));
        }
    }
    totals.computeSubtotals();
    return totals;
}

void line(PrinterFacility& printer, int width, int x1, int y1, int x2, int y2)
{
    printer.setDrawWidth(width);
    printer.drawLine(x1, y1, x2, y2);
}

void text(PrinterFacility& printer, int size, int x, int y, const QString& value, QColor colour = Qt::black)
{
    printer.setFontSize(size);
    printer.setForeColor(colour);
    printer.printText(x, y, value);
}

QColor differenceColour(int difference)
{
    return difference < 0 ? QColor(255, 0, 0) : difference > 0 ? QColor(0, 0, 255) : QColor(Qt::black);
}

void printPage(const AppState& state, PrinterFacility& printer, const WeeklyPlanPage& page)
{
    text(printer, 16, Left, 250,
         u"週　案　　"_s + gradeText(state.intGrade) + u"年" + classText(state.strClass) + u"組　　" +
             eraSchoolYearText(state.intYear));
    text(printer, 11, Left, 650, dateRangeText(page.week, page.days));
    text(printer, 11, 10900, 650, teacherLine(state));

    // The day grid: period numbers, then one column per day.
    const int dayCount = static_cast<int>(page.days.size());
    const int dayWidth = DaysWidth / std::max(1, dayCount);
    const int daysLeft = Left + PeriodWidth;
    for (int p = 0; p < 8; ++p)
        text(printer, 11, Left + 130, GridTop + RowHeight * p + 400, QString::number(p));
    static constexpr std::array<QStringView, 4> Lengths{u"１５分", u"３０分", u"４５分", u"６０分"};
    for (int d = 0; d < dayCount; ++d) {
        const DayColumn& day = page.days[d];
        const int x = daysLeft + dayWidth * d;
        text(printer, 10, x + 80, HeadTop + 60, day.heading);
        const QString& kind = page.dayKinds[d];
        text(printer, 9, x + 80, HeadTop + 330, kind,
             kind == u"予定"  ? QColor(0, 0, 255)
             : day.hasPeriods ? QColor(Qt::black)
                              : QColor(255, 0, 0));
        if (!day.hasPeriods)
            continue;
        for (int p = 0; p < 8; ++p) {
            const PeriodCell& cell = day.periods[static_cast<std::size_t>(p)];
            const int top = GridTop + RowHeight * p;
            if (cell.lengthCode <= 0)
                continue;
            const Subject* subject = subjectByCode(cell.subjectCode);
            if (subject) {
                const QString name =
                    subject->fullName.isEmpty() ? subject->rowLabel.toString() : subject->fullName.toString();
                // Seven columns leave room for four characters at 12 points.
                text(printer, name.size() > 3 && dayWidth < 1500 ? 10 : 12, x + 80, top + 180, name);
            }
            if (cell.lengthCode <= 4)
                text(printer, 8, x + 80, top + 700,
                     Lengths[static_cast<std::size_t>(cell.lengthCode - 1)].toString());
        }
    }
    const int daysRight = daysLeft + dayWidth * dayCount;
    line(printer, 4, Left, HeadTop, daysRight, HeadTop);
    line(printer, 4, Left, GridBottom, daysRight, GridBottom);
    line(printer, 4, Left, HeadTop, Left, GridBottom);
    line(printer, 4, daysRight, HeadTop, daysRight, GridBottom);
    line(printer, 2, Left, GridTop, daysRight, GridTop);
    line(printer, 2, daysLeft, HeadTop, daysLeft, GridBottom);
    for (int p = 1; p < 8; ++p)
        line(printer, 1, Left, GridTop + RowHeight * p, daysRight, GridTop + RowHeight * p);
    for (int d = 1; d < dayCount; ++d)
        line(printer, 1, daysLeft + dayWidth * d, HeadTop, daysLeft + dayWidth * d, GridBottom);

    // Per subject: this week, the year's plan, registered up to this week, difference.
    static constexpr std::array<QStringView, 5> Headings{u"教科", u"今週", u"年間計画", u"実施累計", u"差"};
    for (std::size_t c = 0; c < Headings.size(); ++c)
        text(printer, 9, TableEdges[c] + 60, HeadTop + 200, Headings[c].toString());
    QList<std::pair<QString, TotalField>> rows;
    for (const QChar code : ReportSubjectOrder)
        rows.append({subjectByCode(code)->fullName.toString(), *totalFieldForCode(code)});
    rows.append({u"総時数"_s, TotalField::SouJisuu});
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const int y = GridTop + TableRow * r + 120;
        const TotalField field = rows[r].second;
        const int difference = page.registeredSoFar.value(field) - page.yearPlan.value(field);
        text(printer, 9, TableEdges[0] + 60, y, rows[r].first);
        text(printer, 9, TableEdges[1] + 60, y, fncCtoS(page.weekUnits.value(field), 5));
        text(printer, 9, TableEdges[2] + 60, y, fncCtoS(page.yearPlan.value(field), 6));
        text(printer, 9, TableEdges[3] + 60, y, fncCtoS(page.registeredSoFar.value(field), 6));
        text(printer, 9, TableEdges[4] + 60, y, fncCtoS(checkedUnits(difference), 6),
             differenceColour(difference));
    }
    printer.setForeColor(Qt::black);
    const int tableBottom = GridTop + TableRow * static_cast<int>(rows.size());
    line(printer, 4, TableLeft, HeadTop, TableEdges.back(), HeadTop);
    line(printer, 4, TableLeft, tableBottom, TableEdges.back(), tableBottom);
    line(printer, 2, TableLeft, GridTop, TableEdges.back(), GridTop);
    for (int r = 1; r < static_cast<int>(rows.size()); ++r)
        line(printer, r == static_cast<int>(rows.size()) - 1 ? 2 : 1, TableLeft, GridTop + TableRow * r,
             TableEdges.back(), GridTop + TableRow * r);
    for (std::size_t c = 0; c < TableEdges.size(); ++c)
        line(printer, c == 0 || c + 1 == TableEdges.size() ? 4 : 1, TableEdges[c], HeadTop, TableEdges[c],
             tableBottom);

    text(printer, 8, Left, GridBottom + 150,
         u"予定：登録されていない授業日は時間割の提案です。　実施累計：この週の終わりまでに登録された時数。"
         u"　差：実施累計 － 年間計画。"_s);
}

} // namespace

int weeksToYearEnd(const AppState& state, QDate from)
{
    const auto week = weekForDate(from, state.intYear);
    const QDate yearEnd(state.intYear + 1, 3, 31);
    if (!week || week->first < QDate(state.intYear, 4, 1) || week->last > yearEnd)
        return 0;
    return static_cast<int>(mondayOf(week->first).daysTo(yearEnd) / 7) + 1;
}

QList<WeeklyPlanPage> weeklyPlanPages(const AppState& state, QDate from, int weeks, bool timetableA)
{
    QList<WeeklyPlanPage> pages;
    const int count = std::min(weeks, weeksToYearEnd(state, from));
    if (count <= 0)
        return pages;
    const QDate firstMonday = mondayOf(weekForDate(from, state.intYear)->first);
    for (int i = 0; i < count; ++i) {
        const QDate monday = firstMonday.addDays(7 * i);
        // A Monday before 1 April gives the first week of the year.
        const auto week = weekForDate(std::max(monday, QDate(state.intYear, 4, 1)), state.intYear);
        if (!week)
            break;
        WeeklyPlanPage page;
        page.week = *week;
        page.days = weekColumns(state, *week, timetableA);
        for (const DayColumn& weekend : weekendColumns(state, *week, timetableA)) {
            if (weekend.hasPeriods)
                page.days.append(weekend);
        }
        for (const DayColumn& day : page.days) {
            if (day.hasPeriods)
                page.dayKinds.append(day.registered ? u"登録済"_s : u"予定"_s);
            else
                page.dayKinds.append(holidayKind(state, day.date));
            if (!day.hasPeriods)
                continue;
            for (const PeriodCell& cell : day.periods) {
                if (const auto field = totalFieldForCode(cell.subjectCode); field && cell.lengthCode > 0)
                    page.weekUnits.addUnits(*field, cell.lengthCode);
            }
        }
        page.weekUnits.computeSubtotals();
        page.yearPlan = planTotals(state, 0);
        page.registeredSoFar = heldUntil(state, monday.addDays(6));
        pages.append(page);
    }
    return pages;
}

void subPrintWeeklyPlan(const AppState& state, PrinterFacility& printer, QDate from, int weeks)
{
    const QList<WeeklyPlanPage> pages = weeklyPlanPages(state, from, weeks);
    if (pages.isEmpty())
        throw PrintError(u"週案にする週がクラスの年度にありません。カレンダーで週を選んでください。"_s);
    beginReport(printer, Orientation::Landscape, u"ＭＳ ゴシック"_s);
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (i > 0)
            printer.newPage();
        printPage(state, printer, pages[i]);
    }
    finishReport(printer);
}

} // namespace lunaplan
