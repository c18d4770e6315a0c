#pragma once

#include <QDate>
#include <QString>
#include <QtGlobal>

#include <memory>

namespace lunaplan {

// One day: a recorded school day in the list behind the state's empty head
// day, or a weekday of a template week. Days are chained through objNextDay;
// each day owns the rest of its chain.
class VelaDayTime {
public:
    VelaDayTime() = default;
    ~VelaDayTime();
    VelaDayTime(const VelaDayTime&) = delete;
    VelaDayTime& operator=(const VelaDayTime&) = delete;

    // Day of the year of dateThisDay (1 to 366, in its own calendar year):
    // the key by which recorded days are found.
    qint16 intThisDay = 0;

    // Whether the list behind this head holds a held (not withdrawn) record
    // for the date. Records of another school year are never found.
    bool searchDay(QDate sDay) const;

    // Puts a record into the list behind this head in date order; a record of
    // the same date is replaced and released.
    void appendDay(std::shared_ptr<VelaDayTime> objInsertDay);

    bool boolWorkDay() const { return m_boolWorkDay; }
    void setBoolWorkDay(bool value) { m_boolWorkDay = value; }
    bool boolWeekEnd() const { return m_boolWeekEnd; }
    void setBoolWeekEnd(bool value) { m_boolWeekEnd = value; }
    const std::shared_ptr<VelaDayTime>& objNextDay() const { return m_objNextDay; }
    void setObjNextDay(std::shared_ptr<VelaDayTime> day) { m_objNextDay = std::move(day); }
    const QString& strComment() const { return m_strComment; }
    void setStrComment(const QString& value) { m_strComment = value; }
    bool boolNowPlanning() const { return m_boolNowPlanning; }
    void setBoolNowPlanning(bool value) { m_boolNowPlanning = value; }
    const QString& strSubject() const { return m_strSubject; }
    void setStrSubject(const QString& value) { m_strSubject = value; }
    const QString& strCredit() const { return m_strCredit; }
    void setStrCredit(const QString& value) { m_strCredit = value; }
    qint16 intWeekName() const { return m_intWeekName; }
    void setIntWeekName(qint16 value) { m_intWeekName = value; }
    QDate dateThisDay() const { return m_dateThisDay; }
    void setDateThisDay(QDate value) { m_dateThisDay = value; }

    // A recorded day that counts as registered: held, not withdrawn.
    bool isRegistered() const { return m_boolWorkDay && !m_boolNowPlanning; }

private:
    QDate m_dateThisDay;
    qint16 m_intWeekName = 0;
    QString m_strSubject;
    QString m_strCredit;
    bool m_boolNowPlanning = false;
    QString m_strComment;
    std::shared_ptr<VelaDayTime> m_objNextDay;
    bool m_boolWeekEnd = false;
    bool m_boolWorkDay = false;
};

// A recorded day as the main window and the data file build it: the date with
// its day of the year and weekday number (Sunday 0 … Saturday 6), the lessons,
// boolWorkDay true.
std::shared_ptr<VelaDayTime> makeRecordedDay(QDate date, const QString& subjects, const QString& credits);

// The held (registered, not withdrawn) record of a date in the list behind
// objDayHead, or null. Records are matched by their date, never by day number:
// the week view, the calendar page and the reports all ask here, so screen and
// paper agree.
std::shared_ptr<VelaDayTime> heldRecordFor(const VelaDayTime& objDayHead, QDate date);

} // namespace lunaplan
