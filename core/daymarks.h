#pragma once

#include <QDate>
#include <QSet>
#include <QString>
#include <QStringView>

namespace lunaplan {

class AppState;
class VelaWeekTotal;

// What the month calendar marks besides school days and holidays.
struct CalendarMarks {
    QSet<QDate> registered; // days holding a registered record
    QSet<QDate> forgotten;  // school days before today without one
};

// The marks of the days first … last. A day counts as registered exactly
// when the week view and the reports find its held record (heldRecordFor),
// found in one walk of the day list (the calendar asks at every scroll).
CalendarMarks calendarMarks(const AppState& state, QDate first, QDate last, QDate today);

// What a day off is: "祝日" (a national holiday or another day off by law),
// "特別な休日" (one of the school's own holidays), "休業日" (a holiday period,
// a Saturday off, a Sunday); empty for a school day.
QString holidayKind(const AppState& state, QDate date);

// The subject codes a day holds in more than one period with a lesson, each
// once. Periods without a lesson or
// subject are passed over, and so are 予 and 切 (not lessons) and 行: an
// event fills several periods by design.
QString doubledSubjects(QStringView subjects, QStringView credits);

// The timetable page's hint: the template days of a week that hold a subject
// twice, as "同じ教科が2回以上ある日：月（算数）、水（国語・算数）"; empty when none.
QString doubledSubjectsHint(const VelaWeekTotal& week);

// The names of subject codes for a message: "算数・国語".
QString subjectNamesText(QStringView codes);

} // namespace lunaplan
