#include "core/totalstable.h"

#include "core/appstate.h"
#include "core/csvtable.h"
#include "core/units.h"
#include "core/velayeartotal.h"
#include "core/yearplan.h"

#include <stdexcept>

namespace lunaplan {

using namespace Qt::StringLiterals;

namespace {

constexpr int TermPlanColumn = 1;
constexpr int YearPlanColumn = 4;

// Plan, actual and their difference in three columns from firstColumn on.
void fillThreeColumns(TotalsTable& table, int firstColumn, const TotalsRecord& plan,
                      const TotalsRecord& actual)
{
    int row = 1;
    for (const TotalsTableRow& line : totalsTableRows()) {
        const qint16 planned = plan.value(line.field);
        const qint16 held = actual.value(line.field);
        const qint16 difference = checkedUnits(qint64{held} - planned);
        table.cell(row, firstColumn) = {fncCreditToStr(planned), FigureTone::Plain, planned};
        table.cell(row, firstColumn + 1) = {fncCreditToStr(held), FigureTone::Plain, held};
        table.cell(row, firstColumn + 2) = {fncCreditToStr(difference), differenceTone(difference),
                                            difference};
        ++row;
    }
}

} // namespace

FigureTone differenceTone(int difference)
{
    if (difference < 0)
        return FigureTone::Negative;
    return difference > 0 ? FigureTone::Positive : FigureTone::Plain;
}

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
    table.setNote(foreignLanguageNote(state.intGrade));
    fillThreeColumns(table, TermPlanColumn, planTerm ? *planTerm : none, heldTerm ? *heldTerm : none);
    fillThreeColumns(table, YearPlanColumn, plan ? *plan : none, *state.objYearResult);
    return table;
}

QString minutesHeading(QStringView heading)
{
    return heading + u"(分)";
}

QList<QStringList> totalsTableCsvRows(const TotalsTable& table)
{
    QList<QStringList> rows;
    for (int row = 0; row < TotalsTable::RowCount; ++row) {
        QStringList fields{table.cell(row, 0).text};
        for (int column = 1; column < TotalsTable::ColumnCount; ++column) {
            const TotalsTable::Cell& cell = table.cell(row, column);
            fields << cell.text << (row == 0 ? minutesHeading(cell.text) : csvMinutes(cell.units));
        }
        rows.append(fields);
    }
    if (!table.note().isEmpty())
        rows.append({u"注"_s, table.note()});
    return rows;
}

QByteArray fncTotalsTableCsv(const TotalsTable& table)
{
    CsvTable csv;
    for (const QStringList& row : totalsTableCsvRows(table))
        csv.addRow(row);
    return csv.toBytes();
}

QString foreignLanguageNote(int grade)
{
    if (grade != 3 && grade != 4)
        return {};
    // The standard's 教科小計 with and without the 英語 row, from the
    // standard hours the plan page fills in.
    const auto standard = standardAnnualLessons(grade);
    constexpr std::size_t EnglishRow = 10;
    int subjects = 0;
    for (std::size_t row = 0; row <= EnglishRow; ++row)
        subjects += standard.at(row).value_or(0);
    const int activity = standard.at(EnglishRow).value_or(0);
    return u"%1年の標準時数は外国語活動を「英語」の行に入れるため、"
           "「教科小計」に外国語活動の時数が含まれます"
           "（標準時数では教科小計%2＝各教科%3＋外国語活動%4）。"
           "各教科の時数と比べるときは、教科小計から「英語」の時数を引いてください。"_s.arg(grade)
               .arg(subjects)
               .arg(subjects - activity)
               .arg(activity);
}

} // namespace lunaplan
