#pragma once

namespace lunaplan {

class AppState;

// What starting the next school year from a class made of it.
struct NextSchoolYear {
    int year = 0;
    int grade = 0;
    bool gradeKept = false; // a class of grade 6 has no next grade and keeps it
};

// Makes `next` the class of the school year after `previous`, as a teacher
// starts April from last year's class: year + 1, grade + 1 (6 stays 6), the
// class name and the teacher kept; the holiday periods at their defaults with
// the new year's equinox days and no special holidays; timetables A and B
// with their lesson lengths kept; the base hours of the new grade's standard
// (rows the standard does not cover keep last year's); an empty plan, no
// recorded days and no file name, so nothing can overwrite last year's file.
// `previous` and `next` may be the same state. The window state of `next`
// (the wizard flag, the shown week) stays, but its calendar is moved again.
// Throws ConversionError when `previous` holds no class (no school year);
// then `next` is unchanged.
NextSchoolYear startNextSchoolYear(const AppState& previous, AppState& next);

} // namespace lunaplan
