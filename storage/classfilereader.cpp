#include "storage/classfilereader.h"

#include "core/appstate.h"
#include "core/errors.h"
#include "core/units.h"
#include "storage/cp932.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>

using namespace Qt::StringLiterals;

namespace lunaplan {

namespace {

// The first line without its line end.
QByteArrayView firstLine(QByteArrayView bytes)
{
    const qsizetype end = bytes.indexOf('\n');
    QByteArrayView line = end < 0 ? bytes : bytes.first(end);
    if (line.endsWith('\r'))
        line.chop(1);
    return line;
}

int lineNumberAt(QByteArrayView bytes, qsizetype offset)
{
    return 1 + static_cast<int>(bytes.first(offset).count('\n'));
}

// The number of lines; a line end after the last line does not start another one.
qsizetype lineCount(QByteArrayView bytes)
{
    const auto ends = std::count(bytes.begin(), bytes.end(), '\n');
    return static_cast<qsizetype>(ends) + (bytes.endsWith('\n') ? 0 : 1);
}

// A number line: spaces, an optional sign, digits, spaces. Read from the
// bytes: code page 932 writes these characters as ASCII, and no other byte
// stands for one of them.
std::optional<qint64> parseNumber(QByteArrayView line)
{
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (i < n && line[i] == ' ')
        ++i;
    bool negative = false;
    if (i < n && (line[i] == '+' || line[i] == '-')) {
        negative = line[i] == '-';
        ++i;
    }
    const qsizetype firstDigit = i;
    qint64 value = 0;
    for (; i < n && line[i] >= '0' && line[i] <= '9'; ++i) {
        // Saturate far above any Integer; the range check follows.
        if (value < 1'000'000'000)
            value = value * 10 + (line[i] - '0');
    }
    if (i == firstDigit)
        return std::nullopt;
    while (i < n && line[i] == ' ')
        ++i;
    if (i != n)
        return std::nullopt;
    return negative ? -value : value;
}

bool isAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Reads the lines of a file one after the other, without their line ends
// (CR LF or LF). Only the text lines are decoded, each on its own: code page
// 932 has no state and never uses CR or LF inside a character, so a line
// decodes alone as it would within the file.
class Reader {
public:
    // `lines` lines in all.
    Reader(QByteArrayView bytes, qsizetype lines)
        : m_bytes(bytes)
        , m_count(lines)
    {}

    bool atEnd() const { return m_next == m_count; }
    // The number of the line read next (from 1).
    int lineNumber() const { return static_cast<int>(m_next) + 1; }

    QString text()
    {
        const int number = lineNumber();
        const QByteArrayView line = take();
        if (line.isEmpty())
            return {};
        // The days repeat a few texts (the lengths, the subjects of a weekday,
        // a comment): a line with the bytes of a recent one shares its string
        // and is not decoded again.
        for (std::size_t i = 0; i < m_recent.size(); ++i) {
            const Recent& recent = m_recent[(m_newest + m_recent.size() - i) % m_recent.size()];
            if (recent.bytes.size() == line.size() && recent.bytes == line)
                return recent.text;
        }
        QString text = decode(line, number);
        m_newest = (m_newest + 1) % m_recent.size();
        m_recent[m_newest] = {line, text};
        return text;
    }

    bool flag()
    {
        const int number = lineNumber();
        const QByteArrayView line = take();
        if (isAscii(line)) {
            m_scratch = QLatin1StringView(line); // keeps the scratch's buffer
            return fncStoB(m_scratch);
        }
        return fncStoB(decode(line, number));
    }

    qint64 number()
    {
        const int number = lineNumber();
        const std::optional<qint64> value = parseNumber(take());
        if (!value)
            throw FormatError(number, u"数値ではありません"_s);
        return *value;
    }
    qint16 integer(qint64 min = std::numeric_limits<qint16>::min(),
                   qint64 max = std::numeric_limits<qint16>::max())
    {
        const int number = lineNumber();
        const qint64 value = this->number();
        if (value < min || value > max)
            throw FormatError(number, u"数値が範囲外です（%1～%2）"_s.arg(min).arg(max));
        return static_cast<qint16>(value);
    }

    // A month line and a day line, in the school year that starts in April of `year`.
    QDate date(int year)
    {
        const int monthLine = lineNumber();
        const qint64 month = number();
        if (month < 1 || month > 12)
            throw FormatError(monthLine, u"月が1～12ではありません"_s);
        const int dayLine = lineNumber();
        const qint64 day = number();
        if (day < 1 || day > 31)
            throw FormatError(dayLine, u"日付ではありません"_s);
        try {
            return fncMakeDate(year, static_cast<int>(month), static_cast<int>(day));
        } catch (const ConversionError&) {
            throw FormatError(dayLine, u"日付ではありません"_s);
        }
    }

    TotalsRecord totals()
    {
        TotalsRecord record;
        for (const TotalField field : classfile::TotalsOrder)
            record.setValue(field, integer());
        return record;
    }

private:
    QString decode(QByteArrayView line, int number)
    {
        std::optional<QString> text = m_codec.decode(line);
        if (!text)
            throw FormatError(number, u"コードページ932（Shift_JIS）の文字ではないバイトがあります"_s);
        return std::move(*text);
    }

    QByteArrayView take()
    {
        if (atEnd())
            throw FormatError(lineNumber(), u"ファイルが途中で終わっています"_s);
        ++m_next;
        const qsizetype left = m_bytes.size() - m_pos;
        const char* const start = m_bytes.data() + m_pos;
        const auto* const lf =
            static_cast<const char*>(std::memchr(start, '\n', static_cast<std::size_t>(left)));
        const qsizetype length = lf ? lf - start : left;
        QByteArrayView line(start, length);
        m_pos = std::min(m_pos + length + 1, m_bytes.size());
        // Also on a last line without LF: a file cut between CR and LF.
        if (line.endsWith('\r'))
            line.chop(1);
        return line;
    }

    // A recent text line: its bytes (within the file) and its text.
    struct Recent {
        QByteArrayView bytes;
        QString text;
    };

    const QByteArrayView m_bytes;
    const qsizetype m_count;
    qsizetype m_next = 0;
    qsizetype m_pos = 0;
    Cp932Codec m_codec;
    QString m_scratch;
    std::array<Recent, 8> m_recent;
    std::size_t m_newest = 0;
};

// The school years whose dates the file can hold (the year after, too).
constexpr int MinYear = 1;
constexpr int MaxYear = 9998;
constexpr int MaxGrade = 6;

} // namespace

std::optional<ClassFileData> parseClassFile(QByteArrayView bytes)
{
    if (bytes.isEmpty() || firstLine(bytes) != classfile::Magic)
        return std::nullopt;
    if (bytes.size() > classfile::MaxBytes)
        throw FormatError(lineNumberAt(bytes, classfile::MaxBytes),
                          u"ファイルが大きすぎます（%1 MiBまで）"_s.arg(classfile::MaxBytes / (1024 * 1024)));
    const qsizetype lines = lineCount(bytes);
    if (lines > classfile::MaxLines)
        throw FormatError(classfile::MaxLines + 1,
                          u"行数が多すぎます（%1行まで）"_s.arg(classfile::MaxLines));
    Reader r(bytes, lines);
    r.text(); // the magic, checked above

    ClassFileData data;
    data.intYear = r.integer(MinYear, MaxYear);
    data.intGrade = r.integer(0, MaxGrade);
    data.strClass = r.text();
    data.strTeacher = r.text();
    for (QDate& date : data.calendar)
        date = r.date(data.intYear);
    data.boolSat24Off = r.flag();
    data.boolSatOff = r.flag();
    data.intHolidayCount = r.integer(0, classfile::MaxHolidayCount);
    data.holidays.reserve(data.intHolidayCount + 1);
    for (int i = 0; i <= data.intHolidayCount; ++i)
        data.holidays.append(r.date(data.intYear));
    data.yearBase = r.totals();
    for (QString& s : data.weekSubjectsA)
        s = r.text();
    for (QString& s : data.weekSubjectsB)
        s = r.text();
    for (QString& s : data.weekCreditA)
        s = r.text();
    for (QString& s : data.weekCreditB)
        s = r.text();
    const int planLine = r.lineNumber();
    for (TotalsRecord& term : data.planTerms)
        term = r.totals();
    // The plan's year is the sum of its terms: it has to fit as well.
    try {
        auto plan = makeYearWithTerms();
        for (int n = 1; n <= 3; ++n)
            static_cast<TotalsRecord&>(*plan->season(n)) = data.planTerms[static_cast<std::size_t>(n - 1)];
        plan->calculate();
    } catch (const OverflowError&) {
        throw FormatError(planLine, u"計画時数の合計が大きすぎます"_s);
    }
    data.days.reserve((lines - r.lineNumber() + 1) / 6);
    while (!r.atEnd()) {
        ClassFileDay day;
        day.dateThisDay = r.date(data.intYear);
        day.strSubject = r.text();
        day.strCredit = r.text();
        day.strComment = r.text();
        day.boolNowPlanning = r.flag();
        data.days.append(std::move(day));
    }
    return data;
}

void applyClassFile(AppState& state, const ClassFileData& data)
{
    // Build every new object first: after this block nothing can fail.
    auto yearBase = state.objYearBase ? state.objYearBase : std::make_shared<VelaYearTotal>();
    std::array<std::shared_ptr<VelaWeekTotal>, 2> weeks{makeTemplateWeek(), makeTemplateWeek()};
    std::array<QString, 7> creditA = state.strWeekCreditA;
    std::array<QString, 7> creditB = state.strWeekCreditB;
    for (std::size_t i = 0; i < data.weekCreditA.size(); ++i) {
        creditA[i] = data.weekCreditA[i];
        creditB[i] = data.weekCreditB[i];
    }
    const std::array<const std::array<QString, 6>*, 2> subjects{&data.weekSubjectsA, &data.weekSubjectsB};
    const std::array<const std::array<QString, 7>*, 2> credits{&creditA, &creditB};
    for (std::size_t w = 0; w < weeks.size(); ++w) {
        std::size_t i = 0;
        for (VelaDayTime* day = weeks[w]->objFirstDay().get(); day && i < 6;
             day = day->objNextDay().get(), ++i) {
            day->setStrSubject((*subjects[w])[i]);
            // Template day n takes frame n - 1; Saturday's frame is the state's own.
            day->setStrCredit((*credits[w])[static_cast<std::size_t>(day->intWeekName() - 1)]);
        }
    }
    auto plan = makeYearWithTerms();
    for (int n = 1; n <= 3; ++n)
        static_cast<TotalsRecord&>(*plan->season(n)) = data.planTerms[static_cast<std::size_t>(n - 1)];
    plan->calculate(); // checked by parseClassFile
    // The file's days make the whole list: one school year in memory, never
    // mixed with days of another year. The file is in date order, so each day
    // goes to the tail at once; a day out of order still takes its place (and
    // replaces a day of its date) as appendDay puts it.
    auto head = std::make_shared<VelaDayTime>();
    VelaDayTime* tail = head.get();
    for (const ClassFileDay& d : data.days) {
        auto day = makeRecordedDay(d.dateThisDay, d.strSubject, d.strCredit);
        day->setStrComment(d.strComment);
        day->setBoolNowPlanning(d.boolNowPlanning);
        if (tail == head.get() || d.dateThisDay > tail->dateThisDay()) {
            tail->setObjNextDay(day);
            tail = day.get();
            continue;
        }
        VelaDayTime* const inserted = day.get();
        const bool replacesTail = d.dateThisDay == tail->dateThisDay();
        head->appendDay(std::move(day));
        if (replacesTail)
            tail = inserted;
    }

    state.boolCalendarReady = false;
    state.intYear = data.intYear;
    state.intGrade = data.intGrade;
    state.strClass = data.strClass;
    state.strTeacher = data.strTeacher;
    const auto& fields = AppState::calendarFields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        state.setCalendarDate(fields[i], data.calendar[i]);
    state.boolSat24Off = data.boolSat24Off;
    state.boolSatOff = data.boolSatOff;
    state.intHolidayCount = data.intHolidayCount;
    for (qsizetype i = 0; i <= data.intHolidayCount && i < data.holidays.size(); ++i) {
        const auto index = static_cast<std::size_t>(i);
        state.dateHoliday[index] = data.holidays[i];
        state.intHolidayDay[index] = dayNumber(data.holidays[i]);
    }
    static_cast<TotalsRecord&>(*yearBase) = data.yearBase;
    state.objYearBase = std::move(yearBase);
    state.objWeekA = std::move(weeks[0]);
    state.objWeekB = std::move(weeks[1]);
    state.strWeekCreditA = std::move(creditA);
    state.strWeekCreditB = std::move(creditB);
    state.objYearPlan = std::move(plan);
    state.objDayHead = std::move(head);
}

} // namespace lunaplan
