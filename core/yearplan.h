#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <array>
#include <bitset>
#include <optional>

namespace lunaplan {

class AppState;

// The annual lesson plan as the wizard's plan page edits it: base hours
// (基本時数) and the planned hours of three terms for the nineteen plan rows
// (国語 … 予備, in the order of PerCodeFields), all in 15-minute units.
inline constexpr int PlanRows = 19;
inline constexpr int PlanTerms = 3;
inline constexpr int PlanBoxes = PlanRows * PlanTerms; // plan box index = row × 3 + term − 1

// An entry as the entry rule reads it: what the Japanese input method types
// (full-width digits, point and minus, the ideographic space) in its ASCII
// form, the spaces around it removed: "　３２．１ " gives "32.1".
QString normalisedPlanEntry(QStringView text);

// The unit count of an entry box, or nothing when the entry is refused. The
// normalised entry is digits, optionally followed by a point and one
// remainder digit 0, 1 or 2 ("32.1", "0.2", "32"); ".1", "32.", "32.10",
// "32.5", a sign, letters and counts beyond 16 bits are refused.
std::optional<qint16> planEntryUnits(QStringView text);

// The texts of the plan page's entry boxes.
struct PlanEntries {
    std::array<QString, PlanRows> base;
    std::array<QString, PlanBoxes> plan;
};

// The boxes whose entries storeYearPlan did not take (base row i, plan box
// row × 3 + term − 1).
struct PlanRefusals {
    std::bitset<PlanRows> base;
    std::bitset<PlanBoxes> plan;

    bool any() const { return base.any() || plan.any(); }
};

// Checks every box, stores base and plan in the state and recomputes their
// totals (objYearBase, the three terms of objYearPlan, then the year). An
// accepted entry is rewritten in its normalised form ("３２．１" becomes
// "32.1"). A box that is refused, or whose value would push a total of its
// base, its term or the year out of the 16-bit range, keeps its text and its
// stored value, and is named in the result, so the teacher can correct it.
[[nodiscard]] PlanRefusals storeYearPlan(AppState& state, PlanEntries& entries);

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
