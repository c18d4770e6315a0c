#include "core/totalsrecord.h"

#include "core/units.h"

#include <initializer_list>

namespace lunaplan {

namespace {

qint16 sum(const TotalsRecord& record, std::initializer_list<TotalField> fields)
{
    int total = 0;
    for (const TotalField field : fields)
        total += record.value(field);
    return checkedUnits(total);
}

} // namespace

void TotalsRecord::addUnits(TotalField field, int units)
{
    setValue(field, checkedUnits(value(field) + units));
}

void TotalsRecord::computeSubtotals()
{
    using F = TotalField;
    setKyoukaSyoukei(sum(*this, {F::kokugo, F::syakai, F::sannsuu, F::rika, F::seikatsu, F::onngaku, F::zukou,
                                 F::katei, F::taiiku, F::eigo, F::dokkai}));
    setTokkatsuSyoukei(sum(*this, {F::gakkyuukatsudou, F::kurabu, F::jidoukai, F::gakkougyouji}));
    setSouJyugyouJisuu(sum(*this, {F::KyoukaSyoukei, F::sougou, F::doutoku, F::TokkatsuSyoukei}));
    setSouJisuu(sum(*this, {F::SouJyugyouJisuu, F::uchikiri, F::yobi}));
}

} // namespace lunaplan
