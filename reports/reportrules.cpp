#include "reports/reportrules.h"

#include "core/appstate.h"
#include "core/schoolcalendar.h"
#include "core/subjects.h"
#include "core/units.h"
#include "core/veladaytime.h"
#include "core/velayeartotal.h"
#include "reports/reportfonts.h"

#include <algorithm>
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

const std::array<TotalField, TotalsColumnCount>& totalsColumnFields()
{
    static constexpr std::array<TotalField, TotalsColumnCount> fields{TotalField::kokugo,
                                                                      TotalField::syakai,
                                                                      TotalField::sannsuu,
                                                                      TotalField::rika,
                                                                      TotalField::seikatsu,
                                                                      TotalField::onngaku,
                                                                      TotalField::zukou,
                                                                      TotalField::katei,
                                                                      TotalField::taiiku,
                                                                      TotalField::dokkai,
                                                                      TotalField::eigo,
                                                                      TotalField::KyoukaSyoukei,
                                                                      TotalField::sougou,
                                                                      TotalField::doutoku,
                                                                      TotalField::gakkyuukatsudou,
                                                                      TotalField::kurabu,
                                                                      TotalField::jidoukai,
                                                                      TotalField::gakkougyouji,
                                                                      TotalField::TokkatsuSyoukei,
                                                                      TotalField::SouJyugyouJisuu,
                                                                      TotalField::uchikiri,
                                                                      TotalField::yobi,
                                                                      TotalField::SouJisuu};
    return fields;
}

int TotalsColumns::columnLeft(int column) const
{
    // Columns 1 … 19 are one unit wide, 20 two, 21 and 22 one, 23 two.
    int units = column - 1;
    if (column > 20)
        ++units;
    return left + unit * units;
}

int TotalsColumns::columnRight(int column) const
{
    return columnLeft(column) + unit * (isWide(column) ? 2 : 1);
}

qint16 TotalsColumns::weekRowWidth(int column)
{
    return isWide(column) ? 6 : column == 12 ? 5 : 4;
}

qint16 TotalsColumns::summaryRowWidth(int column)
{
    return isWide(column) ? 6 : 5;
}

int TotalsColumns::separatorWidth(int column)
{
    switch (column) {
    case 11:
    case 12:
    case 13:
    case 14:
    case 18:
    case 19:
    case 20:
    case 22:
        return 2;
    default:
        return 1;
    }
}

void printTotalsSeparators(PrinterFacility& printer, const TotalsColumns& columns, int top, int bottom)
{
    for (int column = 1; column < TotalsColumnCount; ++column) {
        printer.setDrawWidth(TotalsColumns::separatorWidth(column));
        const int x = columns.columnRight(column);
        printer.drawLine(x, top, x, bottom);
    }
}

void printTotalsHeadings(PrinterFacility& printer, const TotalsColumns& columns,
                         const QList<TotalsHeading>& headings, int separatorBottom)
{
    for (const TotalsHeading& heading : headings) {
        for (qsizetype i = 0; i < heading.characters.size(); ++i) {
            const int y = heading.ys[static_cast<std::size_t>(i)];
            printer.printText(heading.x, y, heading.characters.mid(i, 1).toString());
            if (i < heading.besideCharacters.size())
                printer.printText(heading.besideX, y, heading.besideCharacters.mid(i, 1).toString());
        }
        if (heading.column < TotalsColumnCount) {
            printer.setDrawWidth(heading.separatorWidth);
            const int x = columns.columnRight(heading.column);
            printer.drawLine(x, heading.separatorTop, x, separatorBottom);
        }
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

void printWeekTotals(PrinterFacility& printer, const TotalsColumns& columns, const TotalsRecord& totals,
                     int y, int inset, int wideInset)
{
    const auto& fields = totalsColumnFields();
    for (int column = 1; column <= TotalsColumnCount; ++column) {
        const qint16 value = totals.value(fields[static_cast<std::size_t>(column - 1)]);
        const int x = columns.columnLeft(column) + (TotalsColumns::isWide(column) ? wideInset : inset);
        printer.printTextWithin(x, y, fncCtoS(value, TotalsColumns::weekRowWidth(column)),
                                roomBefore(x, columns.columnRight(column)));
    }
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

void printSummaryFigures(PrinterFacility& printer, const TotalsColumns& columns, const TotalsRecord& plan,
                         const TotalsRecord& actual, int blockTop, const std::array<int, 3>& rowOffsets)
{
    const auto& fields = totalsColumnFields();
    for (int column = 1; column <= TotalsColumnCount; ++column) {
        const TotalField field = fields[static_cast<std::size_t>(column - 1)];
        const qint16 width = TotalsColumns::summaryRowWidth(column);
        const int x = columns.columnLeft(column) + (TotalsColumns::isWide(column) ? 100 : 10);
        const int room = roomBefore(x, columns.columnRight(column));
        const qint16 difference = checkedUnits(qint64{actual.value(field)} - plan.value(field));
        printer.printTextWithin(x, blockTop + rowOffsets[0], fncCtoS(plan.value(field), width), room);
        printer.printTextWithin(x, blockTop + rowOffsets[1], fncCtoS(actual.value(field), width), room);
        if (difference != 0)
            printer.setForeColor(difference < 0 ? QColor(Qt::red) : QColor(Qt::blue));
        printer.printTextWithin(x, blockTop + rowOffsets[2], fncCtoS(difference, width), room);
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
