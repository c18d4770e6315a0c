#include "core/totalstable.h"

#include "core/appstate.h"
#include "core/units.h"
#include "core/velayeartotal.h"

#include <stdexcept>

namespace lunaplan {

namespace {

constexpr int TermPlanColumn = 1;
constexpr int YearPlanColumn = 4;

FigureTone toneOf(qint16 difference)
{
    if (difference < 0)
        return FigureTone::Negative;
    return difference > 0 ? FigureTone::Positive : FigureTone::Plain;
}

// Plan, actual and their difference in three columns from firstColumn on.
void fillThreeColumns(TotalsTable& table, int firstColumn, const TotalsRecord& plan,
                      const TotalsRecord& actual)
{
    int row = 1;
    for (const TotalsTableRow& line : totalsTableRows()) {
        const qint16 planned = plan.value(line.field);
        const qint16 held = actual.value(line.field);
        const qint16 difference = checkedUnits(qint64{held} - planned);
        table.cell(row, firstColumn) = {fncCreditToStr(planned), FigureTone::Plain};
        table.cell(row, firstColumn + 1) = {fncCreditToStr(held), FigureTone::Plain};
        table.cell(row, firstColumn + 2) = {fncCreditToStr(difference), toneOf(difference)};
        ++row;
    }
}

// A CSV field as RFC 4180 writes it.
QString csvField(const QString& text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

} // namespace

const std::array<TotalsTableRow, 23>& totalsTableRows()
{
    using F = TotalField;
    static const std::array<TotalsTableRow, 23> rows{{
        {u"国語", F::kokugo},
        {u"社会", F::syakai},
        {u"算数", F::sannsuu},
        {u"理科", F::rika},
        {u"生活", F::seikatsu},
        {u"音楽", F::onngaku},
        {u"図工", F::zukou},
        {u"家庭", F::katei},
        {u"体育", F::taiiku},
        {u"読解", F::dokkai},
        {u"英語", F::eigo},
        {u"教科小計", F::KyoukaSyoukei},
        {u"総合", F::sougou},
        {u"道徳", F::doutoku},
        {u"学活", F::gakkyuukatsudou},
        {u"ｸﾗﾌﾞ", F::kurabu},
        {u"児童会", F::jidoukai},
        {u"学校行事", F::gakkougyouji},
        {u"特活小計", F::TokkatsuSyoukei},
        {u"総授業時数", F::SouJyugyouJisuu},
        {u"打切時数", F::uchikiri},
        {u"予備時数", F::yobi},
        {u"総時数", F::SouJisuu},
    }};
    return rows;
}

const std::array<QStringView, 7>& totalsTableHeadings()
{
    static const std::array<QStringView, 7> headings{u"教科",      u"学期･計画", u"学期･実績", u"学期･増減",
                                                     u"年間･計画", u"年間･実績", u"年間･増減"};
    return headings;
}

int seasonForDate(QDate date)
{
    return termOfMonth(date.month()) - 1;
}

TotalsTable::TotalsTable()
{
    for (int column = 0; column < ColumnCount; ++column)
        cell(0, column).text = totalsTableHeadings().at(index(column)).toString();
    int row = 1;
    for (const TotalsTableRow& line : totalsTableRows())
        cell(row++, 0).text = line.label.toString();
}

TotalsTable fncTotalsTable(AppState& state, int season)
{
    if (season < 0 || season > 2)
        throw std::out_of_range("term index outside 0 to 2");
    assignResultTerms(state);

    // A missing plan, or a chain shorter than three terms, counts as zeros.
    const TotalsRecord none{};
    const VelaYearTotal* plan = state.objYearPlan.get();
    const VelaSeasonTotal* planTerm = plan ? plan->season(season + 1) : nullptr;
    const VelaSeasonTotal* heldTerm = state.objYearResult->season(season + 1);

    TotalsTable table;
    fillThreeColumns(table, TermPlanColumn, planTerm ? *planTerm : none, heldTerm ? *heldTerm : none);
    fillThreeColumns(table, YearPlanColumn, plan ? *plan : none, *state.objYearResult);
    return table;
}

QByteArray fncTotalsTableCsv(const TotalsTable& table)
{
    QString text;
    for (int row = 0; row < TotalsTable::RowCount; ++row) {
        for (int column = 0; column < TotalsTable::ColumnCount; ++column) {
            if (column > 0)
                text += u',';
            text += csvField(table.cell(row, column).text);
        }
        text += QStringLiteral("\r\n");
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace lunaplan
