#pragma once

#include "core/totalsrecord.h"

#include <QChar>
#include <QDate>
#include <QtGlobal>

namespace lunaplan {
class AppState;
}

namespace lunaplan::test {

// Sets up the class of school year 2026, grade 3, class 2 (teacher 山田花子)
// with the usual holiday periods, timetable A (Monday "国算社理音", Tuesday
// "算国体図図" …) and timetable B (every day "体体体体体"), grade 3 frames.
void setUpClass2026(AppState& state);

// Registers a day of eight 45-minute lessons of one subject.
void registerDay(AppState& state, QDate date, QChar code = u'国');

// Sets one subject's plan of a term and totals the plan again.
void setTermPlan(AppState& state, int term, TotalField field, qint16 units);

} // namespace lunaplan::test
