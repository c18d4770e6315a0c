#include "reports/reportrules.h"

#include "core/appstate.h"
#include "core/schoolcalendar.h"
#include "core/subjects.h"
#include "core/units.h"
#include "core/veladaytime.h"
#include "core/velayeartotal.h"
#include "reports/reportfonts.h"

#include <algorithm>
#include <array>
#include <cmath>

using namespace Qt::StringLiterals;

namespace lunaplan {

namespace {

QString padLeft(const QString& text, qint16 width)
{
    return text.size() >= width ? text : QString(width - text.size(), u' ') + text;
}

const TotalsRecord& zeroTotals()
{
    static const TotalsRecord zero;
    return zero;
}

} // namespace

QString fncItoS(qint16 number, qint16 width)
{
    return padLeft(QString::number(number), width);
}

QString fncCtoS(qint16 units, qint16 width)
{
    return padLeft(fncCreditToStr(units), width);
}

QString fncCodeToSubject(const QString& code)
{
    static constexpr std::array<std::pair<char16_t, const char16_t*>, 15> names{{
        {u'国', u"国語"},
        {u'社', u"社会"},
        {u'算', u"算数"},
        {u'理', u"理科"},
        {u'音', u"音楽"},
        {u'図', u"図工"},
        {u'家', u"家庭"},
        {u'体', u"体育"},
        {u'読', u"読解"},
        {u'英', u"英語"},
        {u'総', u"総合"},
        {u'道', u"道徳"},
        {u'学', u"学活"},
        {u'ク', u"ｸﾗﾌﾞ"},
        {u'生', u"生活"},
    }};
    if (code.size() != 1)
        return {};
    for (const auto& [subject, name] : names) {
        if (code.front() == QChar(subject))
            return QString::fromUtf16(name);
    }
    return {};
}

QString gradeText(int grade)
{
    static constexpr QStringView digits = u"１２３４５６";
    if (grade >= 1 && grade <= digits.size())
        return digits.mid(grade - 1, 1).toString();
    return QString::number(grade);
}

std::optional<int> classNumber(const QString& strClass)
{
    bool ok = false;
    const double value = strClass.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value); // halves to even, as the old program rounded
    if (rounded < 1 || rounded > 9)
        return std::nullopt;
    return static_cast<int>(rounded);
}

QString classText(const QString& strClass)
{
    static constexpr QStringView digits = u"１２３４５６７８９";
    if (const std::optional<int> number = classNumber(strClass))
        return digits.mid(*number - 1, 1).toString();
    return strClass;
}

QString yearTitle(const AppState& state)
{
    return u"年 間 時 間 割　及び　時 間 集 計 表   "_s + gradeText(state.intGrade) + u"年"_s +
           classText(state.strClass) + u"組"_s;
}

QString seasonChartTitle(const AppState& state, int season)
{
    return QString::number(season) + u" 学 期　　時 間 割 表   "_s + gradeText(state.intGrade) + u"年"_s +
           classText(state.strClass) + u"組"_s;
}

QString seasonTotalTitle(const AppState& state, int season)
{
    return QString::number(season) + u" 学 期　　時 間 集 計 表   "_s + gradeText(state.intGrade) + u"年"_s +
           classText(state.strClass) + u"組"_s;
}

QString teacherLine(const AppState& state)
{
    return u"担任　 "_s + state.strTeacher;
}

void printTitle(PrinterFacility& printer, const AppState& state, const QString& fontName, int points,
                QPoint at, const QString& title, int right)
{
    printer.setFontSize(points);
    const int room = roomBefore(at.x(), right);
    if (state.intYear <= 0) {
        printer.printTextWithin(at.x(), at.y(), title, room);
        return;
    }
    const QString year = eraSchoolYearText(state.intYear);
    const double titleWidth = textAdvance(fontName, points, title);
    const double yearOffset = titleWidth + textAdvance(fontName, points, u"　"_s);
    const double scale = std::min(1.0, room / (yearOffset + textAdvance(fontName, points, year)));
    printer.printTextWithin(at.x(), at.y(), title, scale < 1.0 ? static_cast<int>(titleWidth * scale) : room);
    const int yearX = at.x() + static_cast<int>(std::ceil(yearOffset * scale));
    printer.printTextWithin(yearX, at.y(), year, roomBefore(yearX, right));
}

QString weekPlanTitle(const AppState& state, int intWeekPlan)
{
    const QString letter = intWeekPlan == 1 ? u"B"_s : u"A"_s;
    const bool hiragana = state.intGrade == 1 || state.intGrade == 2;
    const bool numbered = classNumber(state.strClass).has_value();
    const QString grade = gradeText(state.intGrade);
    const QString name = hiragana ? u"じかんわり "_s : u"時 間 割 "_s;
    if (hiragana && numbered)
        return grade + u"ねん"_s + classText(state.strClass) + u"くみ   "_s + name + letter;
    return grade + u"年"_s + (numbered ? classText(state.strClass) : state.strClass) + u"組   "_s + name +
           letter;
}

QString weekPlanTeacherLine(const AppState& state)
{
    const bool hiragana = state.intGrade == 1 || state.intGrade == 2;
    return (hiragana ? u"せんせい　　"_s : u"担任　　"_s) + state.strTeacher;
}

QString schoolDaysText(int count)
{
    return u"授業日数　 "_s + QString::number(count) + u"日"_s;
}

QString termKanji(int season)
{
    static constexpr QStringView kanji = u"一二三";
    return season >= 1 && season <= 3 ? kanji.mid(season - 1, 1).toString() : QString();
}

TermBounds termBounds(const AppState& state, int season)
{
    switch (season) {
    case 1:
        return {state.dateSpringEnd.addDays(1), state.dateSummerStart.addDays(-1)};
    case 2:
        return {state.dateSummerEnd.addDays(1), state.dateWinterStart.addDays(-1)};
    case 3:
        return {state.dateWinterEnd.addDays(1), state.dateSpring2Start.addDays(-1)};
    default:
        return {};
    }
}

int firstMonthOfTerm(int season)
{
    return season == 1 ? 4 : season == 2 ? 8 : 1;
}

QList<QDate> weekRowMondays(const TermBounds& term)
{
    QList<QDate> mondays;
    if (!term.isValid())
        return mondays;
    const int firstWeekday = term.first.dayOfWeek();
    const QDate first = firstWeekday == Qt::Sunday     ? term.first.addDays(1)
                        : firstWeekday == Qt::Saturday ? term.first.addDays(2)
                                                       : term.first.addDays(1 - firstWeekday);
    const int lastWeekday = term.last.dayOfWeek();
    const QDate last = lastWeekday == Qt::Sunday ? term.last.addDays(-6) : term.last.addDays(1 - lastWeekday);
    for (QDate monday = first; monday <= last; monday = monday.addDays(7))
        mondays.append(monday);
    return mondays;
}

MonthColumn::Step MonthColumn::next(QDate monday, int rowTop, int textInset)
{
    Step step;
    const QDate tuesday = monday.addDays(1);
    step.month = tuesday.month();
    if (m_rowsOfMonth == 0 || step.month != m_month) {
        m_month = step.month;
        m_rowsOfMonth = 1;
        m_firstRowTop = rowTop;
        if (m_month == 8)
            step.numberY = rowTop;
        return step;
    }
    if (++m_rowsOfMonth == 2) {
        if (m_month != m_firstMonth)
            step.separatorY = m_firstRowTop - (tuesday.day() > 10 ? 100 : 0);
        if (m_month != 8)
            step.numberY = rowTop + textInset;
    }
    return step;
}

void MonthColumn::print(PrinterFacility& printer, const MonthColumnGeometry& geometry, const Step& step)
{
    if (step.separatorY)
        printer.drawLine(geometry.separatorLeft, *step.separatorY, geometry.separatorRight, *step.separatorY);
    if (step.numberY) {
        printer.setFontSize(geometry.fontSize);
        printer.printText(geometry.textX, *step.numberY, fncItoS(static_cast<qint16>(step.month), 2));
    }
}

void printDayCells(PrinterFacility& printer, const AppState& state, const TermBounds& term, QDate monday,
                   int rowTop, const DayCellGeometry& geometry, SchoolDayCounter& counter)
{
    static constexpr QChar Holiday = u'☆';
    const int subColumn = geometry.blockWidth / 9;
    printer.setFontSize(geometry.fontSize);
    for (int weekday = 0; weekday < 5; ++weekday) {
        const QDate date = monday.addDays(weekday);
        const int left = geometry.blocksLeft + geometry.blockWidth * weekday;
        if (!term.contains(date)) {
            printer.drawLine(left, rowTop, left + geometry.blockWidth, rowTop + geometry.rowHeight);
            continue;
        }
        const int textY = rowTop + geometry.inset;
        printer.printText(left + geometry.inset, textY, fncItoS(static_cast<qint16>(date.day()), 2));
        if (!state.fncIsWorkDay(date)) {
            for (int period = 1; period <= 8; ++period)
                printer.printText(left + subColumn * period + geometry.inset, textY, QString(Holiday));
            continue;
        }
        counter.countDay();
        const auto held = heldRecordFor(*state.objDayHead, date);
        if (!held)
            continue;
        const QString& subjects = held->strSubject();
        for (int period = 1; period <= 8 && period <= subjects.size(); ++period) {
            const QChar code = subjects.at(period - 1);
            if (code != EmptySlot && !code.isSpace())
                printer.printText(left + subColumn * period + geometry.inset, textY, QString(code));
        }
    }
}

void countSchoolDays(const AppState& state, const TermBounds& term, QDate monday, SchoolDayCounter& counter)
{
    for (int weekday = 0; weekday < 5; ++weekday) {
        const QDate date = monday.addDays(weekday);
        if (term.contains(date) && state.fncIsWorkDay(date))
            counter.countDay();
    }
}

namespace {

// Where a character of a column heading stands below the top of the
// heading: rows rows down, then halfInsets halves of the report's inset, then
// drop twips, which stay the same in every report.
struct HeadingLine {
    int rows = 0;
    int halfInsets = 0;
    int drop = 0;
};
using HeadingLines = std::array<HeadingLine, 5>;

// The lines of the headings, by their shape: one character a row from the
// top; every other row; three spread over the whole heading; two below the
// group's rule; below the rule, then on the tops of the rows; the same from
// half an inset down to the last row (the subtotals); one a row below the rule.
constexpr HeadingLines FromTop{{{0, 2, 0}, {1, 2, 0}, {2, 2, 0}, {3, 2, 0}, {4, 2, 0}}};
constexpr HeadingLines EveryOtherRow{{{0, 2, 0}, {2, 2, 0}, {4, 2, 0}}};
constexpr HeadingLines Spread{{{0, 2, 100}, {1, 2, 200}, {5, 0, 0}}};
constexpr HeadingLines Pair{{{1, 2, 0}, {2, 2, 100}}};
constexpr HeadingLines OnRowTops{{{1, 2, 0}, {2, 0, 0}, {3, 0, 0}, {4, 0, 0}}};
constexpr HeadingLines Subtotal{{{1, 1, 0}, {2, 0, 0}, {3, 0, 0}, {4, 0, 0}, {5, 0, 0}}};
constexpr HeadingLines UnderRule{{{1, 2, 0}, {2, 2, 0}, {3, 2, 0}, {4, 2, 0}}};

// A column's heading: its characters one per line and, for 総授業時数, the
// characters of the column's second half beside them.
struct ColumnHeading {
    QStringView characters;
    QStringView beside;
    HeadingLines lines;
    int shift = 0;          // further right than twice the inset, in twips
    int separatorWidth = 2; // of the line on its right; 0: the frame
};

// One totals column: the field it shows, its width in narrow columns, the
// padding of its figures in week rows and in the summary rows, the line on its
// right below the heading (0: the frame), and its heading.
struct TotalsColumn {
    TotalField field;
    int units;
    qint16 weekRowWidth;
    qint16 summaryRowWidth;
    int separatorWidth;
    ColumnHeading heading;
};

// The 23 columns in order: field, narrow widths, padding in week rows and in
// summary rows, separator; heading characters, beside, lines, shift, separator.
// clang-format off
constexpr std::array<TotalsColumn, TotalsColumnCount> Columns{{
    {TotalField::kokugo,          1, 4, 5, 1, {u"国語",       {},           Pair}},
    {TotalField::syakai,          1, 4, 5, 1, {u"社会",       {},           Pair}},
    {TotalField::sannsuu,         1, 4, 5, 1, {u"算数",       {},           Pair}},
    {TotalField::rika,            1, 4, 5, 1, {u"理科",       {},           Pair}},
    {TotalField::seikatsu,        1, 4, 5, 1, {u"生活",       {},           Pair}},
    {TotalField::onngaku,         1, 4, 5, 1, {u"音楽",       {},           Pair}},
    {TotalField::zukou,           1, 4, 5, 1, {u"図工",       {},           Pair}},
    {TotalField::katei,           1, 4, 5, 1, {u"家庭",       {},           Pair}},
    {TotalField::taiiku,          1, 4, 5, 1, {u"体育",       {},           Pair}},
    {TotalField::dokkai,          1, 4, 5, 1, {u"言語読解",   {},           OnRowTops}},
    {TotalField::eigo,            1, 4, 5, 2, {u"言語英語",   {},           OnRowTops}},
    {TotalField::KyoukaSyoukei,   1, 5, 5, 2, {u"教科小計Ａ", {},           Subtotal}},
    {TotalField::sougou,          1, 4, 5, 2, {u"総合Ｂ",     {},           Spread}},
    {TotalField::doutoku,         1, 4, 5, 2, {u"道徳Ｃ",     {},           Spread}},
    {TotalField::gakkyuukatsudou, 1, 4, 5, 1, {u"学級活動",   {},           UnderRule, 0, 1}},
    {TotalField::kurabu,          1, 4, 5, 1, {u"クラブ",     {},           UnderRule, 0, 1}},
    {TotalField::jidoukai,        1, 4, 5, 1, {u"児童会",     {},           UnderRule, 0, 1}},
    {TotalField::gakkougyouji,    1, 4, 5, 2, {u"学校行事",   {},           UnderRule, 0, 1}},
    {TotalField::TokkatsuSyoukei, 1, 4, 5, 2, {u"特活小計Ｄ", {},           Subtotal}},
    {TotalField::SouJyugyouJisuu, 2, 6, 6, 2, {u"総授業時数", u"ＡＢＣＤ計", FromTop}},
    {TotalField::uchikiri,        1, 4, 5, 1, {u"打切時数",   {},           FromTop}},
    {TotalField::yobi,            1, 4, 5, 2, {u"予備時数",   {},           FromTop}},
    {TotalField::SouJisuu,        2, 6, 6, 0, {u"総時数",     {},           EveryOtherRow, 100, 0}},
}};
// clang-format on

// The group headings over columns first … last, at a column's left edge plus
// shift; the columns under them start their headings a row lower, below the
// group's rule.
struct ColumnGroup {
    QStringView caption;
    int first;
    int last;
    int captionColumn;
    int captionShift;
};
constexpr std::array<ColumnGroup, 2> Groups{
    {{u"教　　　　科", 1, 12, 4, 0}, {u"特 別 活 動", 15, 19, 15, 100}}};
constexpr QStringView TotalsCaption = u"集　　　　　　計　　　　　　表";
constexpr int TotalsCaptionColumn = 6;
// A wide column's week figures stand this much further right.
constexpr int WideFigureShift = 100;

// The narrow widths left of each column.
constexpr std::array<int, TotalsColumnCount> UnitsBefore = [] {
    std::array<int, TotalsColumnCount> before{};
    for (std::size_t i = 1; i < before.size(); ++i)
        before[i] = before[i - 1] + Columns[i - 1].units;
    return before;
}();

const TotalsColumn& totalsColumn(int column)
{
    return Columns[static_cast<std::size_t>(column - 1)];
}

const ColumnGroup* groupOf(int column)
{
    for (const ColumnGroup& group : Groups) {
        if (column >= group.first && column <= group.last)
            return &group;
    }
    return nullptr;
}

// The headings of the columns under a group (or under none), each character
// at its line and the separator on its right down to bottom: from the group's
// rule between two columns of a group, else from the heading's top.
void printColumnHeadings(PrinterFacility& printer, const TotalsGeometry& geometry, int top, int bottom,
                         bool underGroup)
{
    for (int column = 1; column <= TotalsColumnCount; ++column) {
        const ColumnGroup* group = groupOf(column);
        if ((group != nullptr) != underGroup)
            continue;
        const ColumnHeading& heading = totalsColumn(column).heading;
        const int left = geometry.columnLeft(column);
        const int x = left + 2 * geometry.inset + heading.shift;
        const int besideX = left + geometry.unit + geometry.inset;
        for (qsizetype i = 0; i < heading.characters.size(); ++i) {
            const HeadingLine& line = heading.lines[static_cast<std::size_t>(i)];
            const int y = top + line.rows * geometry.row + line.halfInsets * geometry.inset / 2 + line.drop;
            printer.printText(x, y, heading.characters.mid(i, 1).toString());
            if (i < heading.beside.size())
                printer.printText(besideX, y, heading.beside.mid(i, 1).toString());
        }
        if (heading.separatorWidth == 0)
            continue;
        const bool fromRule = group && column < group->last;
        printer.setDrawWidth(heading.separatorWidth);
        const int right = geometry.columnRight(column);
        printer.drawLine(right, fromRule ? top + geometry.row : top, right, bottom);
    }
}

} // namespace

int TotalsGeometry::columnLeft(int column) const
{
    return left + unit * UnitsBefore[static_cast<std::size_t>(column - 1)];
}

int TotalsGeometry::columnRight(int column) const
{
    return columnLeft(column) + unit * totalsColumn(column).units;
}

int printTotalsHeading(PrinterFacility& printer, const TotalsGeometry& geometry, int frameTop)
{
    const int top = frameTop + geometry.row;
    const int captionDrop = geometry.inset / 2;
    const int bottom = top + 6 * geometry.row;
    printer.printText(geometry.columnLeft(TotalsCaptionColumn), frameTop + captionDrop,
                      TotalsCaption.toString());
    printer.setDrawWidth(2);
    printer.drawLine(geometry.left, top, geometry.right(), top);
    for (const ColumnGroup& group : Groups) {
        printer.printText(geometry.columnLeft(group.captionColumn) + group.captionShift, top + captionDrop,
                          group.caption.toString());
    }
    printColumnHeadings(printer, geometry, top, bottom, false);
    printer.setDrawWidth(2);
    const int rule = top + geometry.row;
    for (const ColumnGroup& group : Groups)
        printer.drawLine(geometry.columnLeft(group.first), rule, geometry.columnRight(group.last), rule);
    printColumnHeadings(printer, geometry, top, bottom, true);
    return bottom;
}

void printTotalsSeparators(PrinterFacility& printer, const TotalsGeometry& geometry, int top, int bottom)
{
    for (int column = 1; column <= TotalsColumnCount; ++column) {
        const int width = totalsColumn(column).separatorWidth;
        if (width == 0)
            continue;
        printer.setDrawWidth(width);
        const int x = geometry.columnRight(column);
        printer.drawLine(x, top, x, bottom);
    }
}

TotalsRecord weekTotals(const AppState& state, QDate monday)
{
    // Matched by date, as the day cells are: a week across the new year and a
    // record of another school year are counted right.
    // Through Sunday: a Sunday of lessons belongs to the week before it, as
    // the main window shows it, and no other row would count it.
    const QDate sunday = monday.addDays(6);
    VelaWeekTotal week;
    for (auto day = state.objDayHead->objNextDay(); day; day = day->objNextDay()) {
        if (day->dateThisDay() > sunday)
            break;
        if (day->boolNowPlanning() || day->dateThisDay() < monday)
            continue;
        if (!week.objFirstDay())
            week.setObjFirstDay(day);
        week.setObjLastDay(day);
    }
    if (!week.objFirstDay())
        return {};
    week.calculate();
    return week;
}

void printWeekTotals(PrinterFacility& printer, const TotalsGeometry& geometry, const TotalsRecord& totals,
                     int rowTop)
{
    printer.setFontSize(geometry.figurePoints);
    for (int column = 1; column <= TotalsColumnCount; ++column) {
        const TotalsColumn& shown = totalsColumn(column);
        const int x = geometry.columnLeft(column) + geometry.inset + (shown.units == 2 ? WideFigureShift : 0);
        printer.printTextWithin(x, rowTop + geometry.figureDrop,
                                fncCtoS(totals.value(shown.field), shown.weekRowWidth),
                                roomBefore(x, geometry.columnRight(column)));
    }
}

int printWeekRows(PrinterFacility& printer, const AppState& state, int season,
                  const WeekRowGeometry& geometry, int top, SchoolDayCounter& counter)
{
    const TermBounds term = termBounds(state, season);
    MonthColumn months(season);
    int y = top;
    for (const QDate& monday : weekRowMondays(term)) {
        MonthColumn::print(printer, geometry.month, months.next(monday, y, geometry.month.textInset));
        counter.week = 0;
        if (geometry.cells)
            printDayCells(printer, state, term, monday, y, *geometry.cells, counter);
        else
            countSchoolDays(state, term, monday, counter);
        printer.setFontSize(geometry.days.fontSize);
        printer.printText(geometry.days.x, y + geometry.days.inset,
                          fncItoS(static_cast<qint16>(counter.week), 2));
        if (geometry.totals)
            printWeekTotals(printer, *geometry.totals, weekTotals(state, monday), y);
        y += geometry.row;
        printer.drawLine(geometry.lineLeft, y, geometry.lineRight, y);
    }
    return y;
}

TotalsRecord planTotals(const AppState& state, int season)
{
    if (!state.objYearPlan)
        return {};
    if (season == 0)
        return *state.objYearPlan;
    const VelaSeasonTotal* term = state.objYearPlan->season(season);
    return term ? TotalsRecord(*term) : zeroTotals();
}

TotalsRecord actualTotals(const AppState& state, int season)
{
    if (!state.objYearResult)
        return {};
    if (season == 0)
        return *state.objYearResult;
    const VelaSeasonTotal* term = state.objYearResult->season(season);
    return term ? TotalsRecord(*term) : zeroTotals();
}

void printSummaryFigures(PrinterFacility& printer, const TotalsGeometry& geometry, const TotalsRecord& plan,
                         const TotalsRecord& actual, int blockTop)
{
    const int planY = blockTop + geometry.figureDrop;
    printer.setFontSize(geometry.figurePoints);
    for (int column = 1; column <= TotalsColumnCount; ++column) {
        const TotalsColumn& shown = totalsColumn(column);
        const qint16 width = shown.summaryRowWidth;
        const int x = geometry.columnLeft(column) + (shown.units == 2 ? 100 : 10);
        const int room = roomBefore(x, geometry.columnRight(column));
        const qint16 difference = checkedUnits(qint64{actual.value(shown.field)} - plan.value(shown.field));
        printer.printTextWithin(x, planY, fncCtoS(plan.value(shown.field), width), room);
        printer.printTextWithin(x, planY + geometry.row, fncCtoS(actual.value(shown.field), width), room);
        if (difference != 0)
            printer.setForeColor(difference < 0 ? QColor(Qt::red) : QColor(Qt::blue));
        printer.printTextWithin(x, planY + 2 * geometry.row, fncCtoS(difference, width), room);
        printer.setForeColor(Qt::black);
    }
}

void prepareActualTerms(AppState& state)
{
    if (!state.objYearResult || !state.objYearResult->objFirstSeason())
        state.objYearResult = makeYearWithTerms();
    assignResultTerms(state);
}

void beginReport(PrinterFacility& printer, PrinterFacility::Orientation orientation, const QString& fontName)
{
    printer.setOrientation(orientation);
    printer.setFontName(fontName);
}

void finishReport(PrinterFacility& printer)
{
    printer.setDrawWidth(1);
    printer.endDoc();
}

} // namespace lunaplan
