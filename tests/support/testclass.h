#pragma once

namespace lunaplan {
class AppState;
}

namespace lunaplan::test {

// Sets up the class of school year 2026, grade 3, class 2 (teacher 山田花子)
// with the usual holiday periods, timetable A (Monday "国算社理音", Tuesday
// "算国体図図" …) and timetable B (every day "体体体体体"), grade 3 frames.
void setUpClass2026(AppState& state);

} // namespace lunaplan::test
