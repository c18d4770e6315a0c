#pragma once

#include <QtGlobal>

#include <array>
#include <cstddef>

namespace lunaplan {

// The 23 fields of every totals object, in declaration order. The first
// argument is the field's name, the second the name used in its setter.
#define LUNAPLAN_TOTAL_FIELDS(X)                                                                             \
    X(kokugo, Kokugo)                                                                                        \
    X(syakai, Syakai)                                                                                        \
    X(sannsuu, Sannsuu)                                                                                      \
    X(rika, Rika)                                                                                            \
    X(seikatsu, Seikatsu)                                                                                    \
    X(onngaku, Onngaku)                                                                                      \
    X(zukou, Zukou)                                                                                          \
    X(katei, Katei)                                                                                          \
    X(taiiku, Taiiku)                                                                                        \
    X(eigo, Eigo)                                                                                            \
    X(dokkai, Dokkai)                                                                                        \
    X(KyoukaSyoukei, KyoukaSyoukei)                                                                          \
    X(sougou, Sougou)                                                                                        \
    X(doutoku, Doutoku)                                                                                      \
    X(gakkyuukatsudou, Gakkyuukatsudou)                                                                      \
    X(kurabu, Kurabu)                                                                                        \
    X(jidoukai, Jidoukai)                                                                                    \
    X(gakkougyouji, Gakkougyouji)                                                                            \
    X(TokkatsuSyoukei, TokkatsuSyoukei)                                                                      \
    X(SouJyugyouJisuu, SouJyugyouJisuu)                                                                      \
    X(uchikiri, Uchikiri)                                                                                    \
    X(SouJisuu, SouJisuu)                                                                                    \
    X(yobi, Yobi)

enum class TotalField : int {
#define LUNAPLAN_ENUM_ENTRY(name, Setter) name,
    LUNAPLAN_TOTAL_FIELDS(LUNAPLAN_ENUM_ENTRY)
#undef LUNAPLAN_ENUM_ENTRY
};

inline constexpr std::size_t TotalFieldCount = 23;

// The nineteen per-subject fields, in the order the year totals add them.
inline constexpr std::array<TotalField, 19> PerCodeFields{
    TotalField::kokugo,       TotalField::syakai,          TotalField::sannsuu, TotalField::rika,
    TotalField::seikatsu,     TotalField::onngaku,         TotalField::zukou,   TotalField::katei,
    TotalField::taiiku,       TotalField::dokkai,          TotalField::eigo,    TotalField::sougou,
    TotalField::doutoku,      TotalField::gakkyuukatsudou, TotalField::kurabu,  TotalField::jidoukai,
    TotalField::gakkougyouji, TotalField::uchikiri,        TotalField::yobi};

// A record of lesson time per subject plus the four subtotals, every value a
// signed 16-bit count of 15-minute units. Arithmetic that would leave that
// range raises OverflowError instead of wrapping.
class TotalsRecord {
public:
    qint16 value(TotalField field) const { return m_values[index(field)]; }
    void setValue(TotalField field, qint16 units) { m_values[index(field)] = units; }

    // Adds units to a field; throws OverflowError when the sum leaves the range.
    void addUnits(TotalField field, int units);

    // All 23 fields to 0.
    void clearTotals() { m_values.fill(0); }

    // Recomputes the four subtotals from the per-subject fields. This is the
    // one place where their definitions live.
    void computeSubtotals();

    // clang-format off
#define LUNAPLAN_ACCESSORS(name, Setter)                                                                     \
    qint16 name() const { return value(TotalField::name); }                                                  \
    void set##Setter(qint16 units) { setValue(TotalField::name, units); }
    LUNAPLAN_TOTAL_FIELDS(LUNAPLAN_ACCESSORS)
#undef LUNAPLAN_ACCESSORS
    // clang-format on

    friend bool operator==(const TotalsRecord&, const TotalsRecord&) = default;

private:
    static constexpr std::size_t index(TotalField field)
    {
        return static_cast<std::size_t>(field);
    }

    std::array<qint16, TotalFieldCount> m_values{};
};

} // namespace lunaplan
