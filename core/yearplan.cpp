#include "core/yearplan.h"

#include "core/appstate.h"
#include "core/errors.h"
#include "core/totalsrecord.h"
#include "core/units.h"

#include <limits>

namespace lunaplan {

namespace {

using RowValues = std::array<int, PlanRows>;

bool isDigits(QStringView text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

// Whether the rows and all four subtotals built from them fit 16 bits.
bool fitsTotals(const RowValues& rows)
{
    TotalsRecord record;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i] < std::numeric_limits<qint16>::min() || rows[i] > std::numeric_limits<qint16>::max())
            return false;
        record.setValue(PerCodeFields[i], static_cast<qint16>(rows[i]));
    }
    try {
        record.computeSubtotals();
    } catch (const OverflowError&) {
        return false;
    }
    return true;
}

void storeRows(TotalsRecord& record, const RowValues& rows)
{
    for (std::size_t i = 0; i < rows.size(); ++i)
        record.setValue(PerCodeFields[i], checkedUnits(rows[i]));
    record.computeSubtotals();
}

RowValues storedRows(const TotalsRecord* record)
{
    RowValues rows{};
    if (record) {
        for (std::size_t i = 0; i < rows.size(); ++i)
            rows[i] = record->value(PerCodeFields[i]);
    }
    return rows;
}

// The wanted values of one column (base, or all plan boxes) and the stored
// values they replace.
template <std::size_t N> struct ColumnChange {
    std::array<int, N> values;                   // stored, then taken over box by box
    std::array<std::optional<qint16>, N> wanted; // nothing for a refused entry
};

// Takes the wanted values over while the totals still fit; repeats until no
// more can be taken, so a box lowered further on makes room for one raised
// before it. Returns the boxes whose wanted value was not taken.
template <std::size_t N, typename Fits>
std::bitset<N> takeWhileFitting(ColumnChange<N>& change, const Fits& fits)
{
    std::bitset<N> refused;
    std::bitset<N> pending;
    for (std::size_t i = 0; i < N; ++i) {
        refused[i] = !change.wanted[i].has_value();
        pending[i] = !refused[i] && *change.wanted[i] != change.values[i];
    }
    for (bool taken = true; taken;) {
        taken = false;
        for (std::size_t i = 0; i < N; ++i) {
            if (!pending[i])
                continue;
            std::array<int, N> candidate = change.values;
            candidate[i] = *change.wanted[i];
            if (fits(candidate)) {
                change.values = candidate;
                pending[i] = false;
                taken = true;
            }
        }
    }
    return refused | pending;
}

std::array<RowValues, PlanTerms> termRows(const std::array<int, PlanBoxes>& boxes)
{
    std::array<RowValues, PlanTerms> terms{};
    for (std::size_t box = 0; box < boxes.size(); ++box)
        terms[box % PlanTerms][box / PlanTerms] = boxes[box];
    return terms;
}

bool fitsPlan(const std::array<int, PlanBoxes>& boxes)
{
    const std::array<RowValues, PlanTerms> terms = termRows(boxes);
    RowValues year{};
    for (const RowValues& term : terms) {
        if (!fitsTotals(term))
            return false;
        for (std::size_t i = 0; i < year.size(); ++i)
            year[i] += term[i];
    }
    return fitsTotals(year);
}

// An accepted entry is shown in the form it was read in; a refused one stays
// as typed, for the teacher to correct.
template <std::size_t N> void normaliseAccepted(std::array<QString, N>& texts, const std::bitset<N>& refused)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (!refused[i])
            texts[i] = normalisedPlanEntry(texts[i]);
    }
}

} // namespace

QString normalisedPlanEntry(QStringView text)
{
    return text.toString().normalized(QString::NormalizationForm_KC).trimmed();
}

std::optional<qint16> planEntryUnits(QStringView entry)
{
    const QString text = normalisedPlanEntry(entry);
    const qsizetype dot = text.indexOf(u'.');
    if (dot >= 0) {
        if (dot != text.size() - 2 || dot == 0)
            return std::nullopt;
        const QChar remainder = text.back();
        if (remainder < u'0' || remainder > u'2')
            return std::nullopt;
    }
    if (!isDigits(dot >= 0 ? QStringView(text).left(dot) : QStringView(text)))
        return std::nullopt;
    try {
        return fncStrToCredit(text);
    } catch (const ConversionError&) {
        return std::nullopt; // beyond 16 bits
    }
}

PlanRefusals storeYearPlan(AppState& state, PlanEntries& entries)
{
    PlanRefusals refusals;

    ColumnChange<PlanRows> base{storedRows(state.objYearBase.get()), {}};
    // A stored column that does not fit (it cannot come from this page) is
    // replaced as a whole rather than refusing every box against it.
    if (!fitsTotals(base.values))
        base.values = {};
    for (std::size_t i = 0; i < base.wanted.size(); ++i)
        base.wanted[i] = planEntryUnits(entries.base[i]);
    refusals.base = takeWhileFitting(base, fitsTotals);
    normaliseAccepted(entries.base, refusals.base);
    storeRows(*state.objYearBase, base.values);

    ColumnChange<PlanBoxes> plan{};
    for (int t = 1; t <= PlanTerms; ++t) {
        const RowValues stored = storedRows(state.objYearPlan->season(t));
        for (std::size_t i = 0; i < stored.size(); ++i)
            plan.values[i * PlanTerms + static_cast<std::size_t>(t - 1)] = stored[i];
    }
    if (!fitsPlan(plan.values))
        plan.values = {};
    for (std::size_t box = 0; box < plan.wanted.size(); ++box)
        plan.wanted[box] = planEntryUnits(entries.plan[box]);
    refusals.plan = takeWhileFitting(plan, fitsPlan);
    normaliseAccepted(entries.plan, refusals.plan);
    const std::array<RowValues, PlanTerms> terms = termRows(plan.values);
    for (int t = 1; t <= PlanTerms; ++t) {
        if (VelaSeasonTotal* season = state.objYearPlan->season(t))
            storeRows(*season, terms[static_cast<std::size_t>(t - 1)]);
    }
    state.objYearPlan->calculate();
    return refusals;
}

std::array<PlanSummaryLine, PlanRows + 1> planSummary(const AppState& state)
{
    const VelaYearTotal& plan = *state.objYearPlan;
    const VelaYearTotal& base = *state.objYearBase;
    std::array<PlanSummaryLine, PlanRows + 1> lines{};
    for (std::size_t i = 0; i <= PerCodeFields.size(); ++i) {
        const TotalField field = i < PerCodeFields.size() ? PerCodeFields[i] : TotalField::SouJisuu;
        lines[i].year = plan.value(field);
        lines[i].difference = checkedUnits(qint64{plan.value(field)} - base.value(field));
    }
    return lines;
}

PlanKeyEffect planKeyEffect(int qtKey, bool keypad)
{
    switch (qtKey) {
    case Qt::Key_Left:
        return PlanKeyEffect::MovePrevious;
    case Qt::Key_Up:
        return PlanKeyEffect::MoveUp;
    case Qt::Key_Right:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return PlanKeyEffect::MoveNext;
    case Qt::Key_Down:
        return PlanKeyEffect::MoveDown;
    case Qt::Key_Period:
        return PlanKeyEffect::None;
    case Qt::Key_Comma: // the keypad's decimal key on some layouts
        return keypad ? PlanKeyEffect::None : PlanKeyEffect::ResetToZero;
    // Keys that type nothing and the focus keys leave the entry alone.
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return PlanKeyEffect::None;
    default:
        break;
    }
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return PlanKeyEffect::None;
    return PlanKeyEffect::ResetToZero;
}

int planFocusTarget(PlanColumn column, int index, PlanKeyEffect move)
{
    const int count = column == PlanColumn::Base ? PlanRows : PlanBoxes;
    const int previous = (index + count - 1) % count;
    const int next = (index + 1) % count;
    switch (move) {
    case PlanKeyEffect::MovePrevious:
        return previous;
    case PlanKeyEffect::MoveNext:
        return next;
    case PlanKeyEffect::MoveUp:
        if (column == PlanColumn::Base)
            return previous;
        return index >= PlanTerms ? index - PlanTerms : index + PlanBoxes - PlanTerms;
    case PlanKeyEffect::MoveDown:
        if (column == PlanColumn::Base)
            return next;
        return index < PlanBoxes - PlanTerms ? index + PlanTerms : index - (PlanBoxes - PlanTerms);
    case PlanKeyEffect::None:
    case PlanKeyEffect::ResetToZero:
        break;
    }
    return index;
}

namespace {

struct StandardGrade {
    // 国語 社会 算数 理科 生活 音楽 図工 家庭 体育 英語 総合 道徳 学活 (0 = not taught)
    std::array<int, 13> lessons;
    int total;
};

// Standard annual lessons (標準授業時数) of the current course of study.
constexpr std::array<StandardGrade, 6> StandardHours{{
    {{306, 0, 136, 0, 102, 68, 68, 0, 102, 0, 0, 34, 34}, 850},
    {{315, 0, 175, 0, 105, 70, 70, 0, 105, 0, 0, 35, 35}, 910},
    {{245, 70, 175, 90, 0, 60, 60, 0, 105, 35, 70, 35, 35}, 980},
    {{245, 90, 175, 105, 0, 60, 60, 0, 105, 35, 70, 35, 35}, 1015},
    {{175, 100, 175, 105, 0, 50, 50, 60, 90, 70, 70, 35, 35}, 1015},
    {{175, 105, 175, 105, 0, 50, 50, 55, 90, 70, 70, 35, 35}, 1015},
}};

// The plan row of each column of the table above.
constexpr std::array<int, 13> StandardRows{0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13};

} // namespace

std::array<std::optional<int>, PlanRows> standardAnnualLessons(int grade)
{
    std::array<std::optional<int>, PlanRows> rows{};
    if (grade < 1 || grade > 6)
        return rows;
    const StandardGrade& standard = StandardHours[static_cast<std::size_t>(grade - 1)];
    for (std::size_t column = 0; column < StandardRows.size(); ++column)
        rows[static_cast<std::size_t>(StandardRows[column])] = standard.lessons[column];
    return rows;
}

int standardAnnualTotal(int grade)
{
    if (grade < 1 || grade > 6)
        return 0;
    return StandardHours[static_cast<std::size_t>(grade - 1)].total;
}

} // namespace lunaplan
