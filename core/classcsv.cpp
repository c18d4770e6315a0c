#include "core/classcsv.h"

#include "core/appstate.h"
#include "core/outlook.h"
#include "core/totalstable.h"

using namespace Qt::StringLiterals;

namespace lunaplan {

ClassesCsv::ClassesCsv(CsvKind kind, int term, QDate date)
    : m_kind(kind)
    , m_term(term)
    , m_date(date)
{}

void ClassesCsv::addClass(AppState& state)
{
    const QDate reference = outlookReferenceDate(state, m_date);
    const int season = m_term > 0 ? m_term - 1 : seasonForDate(reference);
    const QList<QStringList> rows = m_kind == CsvKind::Totals
                                        ? totalsTableCsvRows(fncTotalsTable(state, season))
                                        : outlookCsvRows(fncOutlook(state, reference, true), season);
    if (m_classes == 0)
        m_csv.addRow(QStringList{u"年度"_s, u"学年"_s, u"組"_s, u"担任"_s, u"学期"_s} + rows.constFirst());
    const QStringList identity{QString::number(state.intYear), QString::number(state.intGrade),
                               state.strClass, state.strTeacher, QString::number(season + 1)};
    for (qsizetype row = 1; row < rows.size(); ++row)
        m_csv.addRow(identity + rows[row]);
    ++m_classes;
}

} // namespace lunaplan
