#include "storage/classfilewriter.h"

#include "core/appstate.h"
#include "core/units.h"
#include "storage/cp932.h"

#include <algorithm>

namespace lunaplan {

namespace {

const QString& subjectOrEmpty(const VelaDayTime* day)
{
    static const QString empty;
    return day ? day->strSubject() : empty;
}

// strSubject of the first six days of a template week.
std::array<QString, 6> weekSubjects(const VelaWeekTotal* week)
{
    std::array<QString, 6> subjects{};
    const VelaDayTime* day = week ? week->objFirstDay().get() : nullptr;
    for (QString& s : subjects) {
        s = subjectOrEmpty(day);
        if (day)
            day = day->objNextDay().get();
    }
    return subjects;
}

class LineWriter {
public:
    explicit LineWriter(QByteArray& out)
        : m_out(out)
    {}

    void text(const QString& value)
    {
        if (value.contains(u'\r') || value.contains(u'\n')) {
            QString oneLine = value;
            oneLine.replace(u'\r', u' ').replace(u'\n', u' ');
            m_codec.encode(oneLine, m_out);
        } else {
            m_codec.encode(value, m_out);
        }
        endLine();
    }

    // One leading space when not negative, a minus sign otherwise.
    void number(int value)
    {
        if (value >= 0)
            m_out.append(' ');
        m_out.append(QByteArray::number(value));
        endLine();
    }

    // A number with one trailing space.
    void total(int value)
    {
        if (value >= 0)
            m_out.append(' ');
        m_out.append(QByteArray::number(value));
        m_out.append(' ');
        endLine();
    }

    void flag(bool value) { text(fncBtoS(value)); }

    // Month and day; the zero date is stored as 30 December.
    void date(QDate value)
    {
        number(value.isValid() ? value.month() : classfile::ZeroDateMonth);
        number(value.isValid() ? value.day() : classfile::ZeroDateDay);
    }

    void totals(const TotalsRecord& record)
    {
        for (const TotalField field : classfile::TotalsOrder)
            total(record.value(field));
    }

private:
    void endLine() { m_out.append("\r\n", 2); }

    QByteArray& m_out;
    Cp932Codec m_codec;
};

} // namespace

ClassFileData captureClassFile(const AppState& state)
{
    ClassFileData data;
    data.intYear = state.intYear;
    data.intGrade = state.intGrade;
    data.strClass = state.strClass;
    data.strTeacher = state.strTeacher;
    const auto& fields = AppState::calendarFields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        data.calendar[i] = state.*fields[i].date;
    data.boolSat24Off = state.boolSat24Off;
    data.boolSatOff = state.boolSatOff;
    data.intHolidayCount =
        std::clamp<qint16>(state.intHolidayCount, 0, static_cast<qint16>(classfile::MaxHolidayCount));
    data.holidays.reserve(data.intHolidayCount + 1);
    for (int i = 0; i <= data.intHolidayCount; ++i)
        data.holidays.append(state.dateHoliday[static_cast<std::size_t>(i)]);
    if (state.objYearBase)
        data.yearBase = *state.objYearBase;
    data.weekSubjectsA = weekSubjects(state.objWeekA.get());
    data.weekSubjectsB = weekSubjects(state.objWeekB.get());
    for (std::size_t i = 0; i < data.weekCreditA.size(); ++i) {
        data.weekCreditA[i] = state.strWeekCreditA[i];
        data.weekCreditB[i] = state.strWeekCreditB[i];
    }
    if (state.objYearPlan) {
        const VelaSeasonTotal* term = state.objYearPlan->objFirstSeason().get();
        for (std::size_t i = 0; i < data.planTerms.size() && term; ++i, term = term->objNextSeason().get())
            data.planTerms[i] = *term;
    }
    if (state.objDayHead) {
        for (const VelaDayTime* day = state.objDayHead->objNextDay().get(); day;
             day = day->objNextDay().get())
            data.days.append({day->dateThisDay(), day->strSubject(), day->strCredit(), day->strComment(),
                              day->boolNowPlanning()});
    }
    return data;
}

QStringList unencodableCharacters(const ClassFileData& data)
{
    Cp932Codec codec;
    QStringList found;
    codec.collectUnencodable(data.strClass, found);
    codec.collectUnencodable(data.strTeacher, found);
    for (const auto* week : {&data.weekSubjectsA, &data.weekSubjectsB}) {
        for (const QString& subjects : *week)
            codec.collectUnencodable(subjects, found);
    }
    for (const ClassFileDay& day : data.days) {
        codec.collectUnencodable(day.strSubject, found);
        codec.collectUnencodable(day.strComment, found);
    }
    return found;
}

QByteArray formatClassFile(const ClassFileData& data)
{
    QByteArray out;
    // About 12 bytes a header line and 40 a day record.
    out.reserve(8192 + 40 * data.holidays.size() + 64 * data.days.size());
    LineWriter w(out);
    out.append(classfile::Magic.data(), classfile::Magic.size());
    out.append("\r\n", 2);
    w.number(data.intYear);
    w.number(data.intGrade);
    w.text(data.strClass);
    w.text(data.strTeacher);
    for (const QDate date : data.calendar)
        w.date(date);
    w.flag(data.boolSat24Off);
    w.flag(data.boolSatOff);
    w.number(data.intHolidayCount);
    // Entries 0 to the count, whatever the list holds.
    for (qsizetype i = 0; i <= data.intHolidayCount; ++i)
        w.date(data.holidays.value(i));
    w.totals(data.yearBase);
    for (const QString& s : data.weekSubjectsA)
        w.text(s);
    for (const QString& s : data.weekSubjectsB)
        w.text(s);
    for (const QString& s : data.weekCreditA)
        w.text(s);
    for (const QString& s : data.weekCreditB)
        w.text(s);
    for (const TotalsRecord& term : data.planTerms)
        w.totals(term);
    for (const ClassFileDay& day : data.days) {
        w.date(day.dateThisDay);
        w.text(day.strSubject);
        w.text(day.strCredit);
        w.text(day.strComment);
        w.flag(day.boolNowPlanning);
    }
    return out;
}

} // namespace lunaplan
