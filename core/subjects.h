#pragma once

#include "core/totalsrecord.h"

#include <QChar>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>

namespace lunaplan {

// Which subtotal a subject counts into.
enum class SubjectGroup {
    Kyouka,          // 教科: counted in KyoukaSyoukei
    LessonTotalOnly, // 総合, 道徳: counted in SouJyugyouJisuu only
    Tokkatsu,        // 特別活動: counted in TokkatsuSyoukei
    OutsideLessons,  // 打切り, 予備: only in SouJisuu
};

struct Subject {
    QChar code;           // one full-width character stored in day strings
    QStringView fullName; // palette caption; empty for 予 (no palette button)
    QStringView rowLabel; // row label of the annual-plan grid
    TotalField field;     // the totals field it counts into
    SubjectGroup group;
};

// The nineteen countable subjects, in the order of the subject table.
const std::array<Subject, 19>& subjects();

// The subject of a code, or nullptr for any other character (the empty-slot mark included).
const Subject* subjectByCode(QChar code);

// The totals field a code counts into; nothing for characters that count nowhere.
std::optional<TotalField> totalFieldForCode(QChar code);

// The ideographic space that marks a period without a lesson.
inline constexpr QChar EmptySlot{u'\u3000'};

// Fixed orders of subject codes; a code's position in the string is its index.
inline constexpr QStringView MainPaletteOrder = u"総国社算理生音図家体読英道学ク児行切";
inline constexpr QStringView WizardPaletteOrder = u"総国社算理生音図家体読英道学ク";
inline constexpr QStringView ReportSubjectOrder = u"国社算理音図家体読英総道学ク生";

// Row labels of the wizard's annual-plan grid (19 rows, then 計).
QStringList planGridRowLabels();

// Lesson-length code (0 to 4) to its display text ("なし", "１５分" …); "" for any other value.
QString subGetCredit(int code);

// Subject full name to code: "国語" gives 国, "" gives the empty-slot mark,
// anything else the empty string. Exact comparison.
QString fncStoC(const QString& fullName);

} // namespace lunaplan
