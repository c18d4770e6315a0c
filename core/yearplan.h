#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <array>
#include <optional>

namespace lunaplan {

class AppState;

// The annual lesson plan as the wizard's plan page edits it: base hours
// (基本時数) and the planned hours of three terms for the nineteen plan rows
// (国語 … 予備, in the order of PerCodeFields), all in 15-minute units.
inline constexpr int PlanRows = 19;
inline constexpr int PlanTerms = 3;
inline constexpr int PlanBoxes = PlanRows * PlanTerms; // plan box index = row × 3 + term − 1

// The unit count of an entry box, or nothing when the entry is refused. An
// entry is digits, optionally followed by a point and one remainder digit 0,
// 1 or 2 ("32.1", "0.2", "32"); ".1", "32.", "32.10", "32.5", a sign, letters
// and counts beyond 16 bits are refused.
std::optional<qint16> planEntryUnits(QStringView text);

// The texts of the plan page's entry boxes.
struct PlanEntries {
    std::array<QString, PlanRows> base;
    std::array<QString, PlanBoxes> plan;
};

// Checks every box, stores base and plan in the state and recomputes their
// totals (objYearBase, the three terms of objYearPlan, then the year). A box
// that is refused, or whose value would push a total of its base, its term or
// the year out of the 16-bit range, becomes "0" and stores 0; boxes are taken
// base first, then term by term, row by row.
void storeYearPlan(AppState& state, PlanEntries& entries);

// One line of the year summary beside the table: the year's plan of a
// subject and its difference from the base hours (plan − base).
struct PlanSummaryLine {
    qint16 year = 0;
    qint16 difference = 0;
};
// Lines 0 to 18 are the plan rows, line 19 the grand totals (SouJisuu).
std::array<PlanSummaryLine, PlanRows + 1> planSummary(const AppState& state);

// What a key pressed in an entry box does.
enum class PlanKeyEffect { None, ResetToZero, MovePrevious, MoveNext, MoveUp, MoveDown };
// Qt key code (with the keypad flag) to its effect: the arrows and Enter
// move, digits and the decimal point type, keys that type nothing (Shift,
// Ctrl, Alt, Tab) do nothing, any other key resets the box to "0".
PlanKeyEffect planKeyEffect(int qtKey, bool keypad);

enum class PlanColumn { Base, Plan };
// The box that receives the focus after a move from box `index`; wraps
// around at the ends (a plan box moving up or down stays in its term).
int planFocusTarget(PlanColumn column, int index, PlanKeyEffect move);

// The official standard annual lessons (45 minutes each) of a grade 1 to 6
// per plan row, under the current course of study: a row without a standard
// gives nothing; a subject not taught in the grade gives 0. 英語 takes
// 外国語活動 (grades 3, 4) or 外国語 (5, 6), 学活 takes 特別活動.
std::array<std::optional<int>, PlanRows> standardAnnualLessons(int grade);
// The total annual lessons of a grade as the standard states it.
int standardAnnualTotal(int grade);

} // namespace lunaplan
