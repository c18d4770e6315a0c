// Week and term totals over day ranges, and year totals over three terms.
#include "core/appstate.h"
#include "core/errors.h"
#include "core/periodtotals.h"
#include "core/velayeartotal.h"

#include <QTest>

using namespace lunaplan;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(lunaplan::TotalField)

namespace {

std::shared_ptr<VelaDayTime> dayOf(QDate date, const QString& subjects, const QString& credits)
{
    return makeRecordedDay(date, subjects, credits);
}

// Three records in a row: Monday, Tuesday, Wednesday of 7 April 2003.
struct Chain {
    std::shared_ptr<VelaDayTime> first;
    std::shared_ptr<VelaDayTime> second;
    std::shared_ptr<VelaDayTime> third;
};

Chain threeDays()
{
    Chain c{dayOf(QDate(2003, 4, 7), u"国算国体音図総　"_s, u"13333300"_s),
            dayOf(QDate(2003, 4, 8), u"国国国国国国国国"_s, u"11111111"_s),
            dayOf(QDate(2003, 4, 9), u"算算算算算算算算"_s, u"22222222"_s)};
    c.first->setObjNextDay(c.second);
    c.second->setObjNextDay(c.third);
    return c;
}

} // namespace

class TestTotals : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void templateMonday();
    void withdrawnDayCountsNothing();
    void everyCodeCountsIntoItsField_data();
    void everyCodeCountsIntoItsField();
    void rangeBounds();
    void lengthCodesOutsideTheRules();
    void subtotalsFollowGroups();
    void overflowIsRefused();
    void yearCalculateSumsTerms();
    void fullCalculateRecomputesTerms();
    void termAssignment();
    void termAssignmentOfWithdrawnDays();
    void termOfMonth_data();
    void termOfMonth();
};

void TestTotals::templateMonday()
{
    auto week = makeTemplateWeek();
    week->objFirstDay()->setStrSubject(u"国算国体音図総　"_s);
    week->objFirstDay()->setStrCredit(u"13333300"_s);
    week->calculate();
    QCOMPARE(week->kokugo(), 4);
    QCOMPARE(week->sannsuu(), 3);
    QCOMPARE(week->taiiku(), 3);
    QCOMPARE(week->onngaku(), 3);
    QCOMPARE(week->zukou(), 3);
    QCOMPARE(week->sougou(), 0); // its slot has length 0
    QCOMPARE(week->KyoukaSyoukei(), 16);
    QCOMPARE(week->SouJyugyouJisuu(), 16);
    QCOMPARE(week->SouJisuu(), 16);

    // Recalculating starts from zero again.
    week->calculate();
    QCOMPARE(week->kokugo(), 4);
    QCOMPARE(week->SouJisuu(), 16);
}

void TestTotals::withdrawnDayCountsNothing()
{
    auto week = makeTemplateWeek();
    week->objFirstDay()->setStrSubject(u"国算国体音図総　"_s);
    week->objFirstDay()->setStrCredit(u"13333300"_s);
    week->objFirstDay()->setBoolNowPlanning(true);
    week->calculate();
    QCOMPARE(static_cast<const TotalsRecord&>(*week), TotalsRecord());
}

void TestTotals::everyCodeCountsIntoItsField_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<TotalField>("field");
    QTest::addColumn<TotalField>("subtotal");
    using F = TotalField;
    const struct {
        const char16_t* code;
        F field;
        F subtotal;
    } rows[] = {
        {u"国", F::kokugo, F::KyoukaSyoukei},
        {u"社", F::syakai, F::KyoukaSyoukei},
        {u"算", F::sannsuu, F::KyoukaSyoukei},
        {u"理", F::rika, F::KyoukaSyoukei},
        {u"生", F::seikatsu, F::KyoukaSyoukei},
        {u"音", F::onngaku, F::KyoukaSyoukei},
        {u"図", F::zukou, F::KyoukaSyoukei},
        {u"家", F::katei, F::KyoukaSyoukei},
        {u"体", F::taiiku, F::KyoukaSyoukei},
        {u"読", F::dokkai, F::KyoukaSyoukei},
        {u"英", F::eigo, F::KyoukaSyoukei},
        {u"総", F::sougou, F::SouJyugyouJisuu},
        {u"道", F::doutoku, F::SouJyugyouJisuu},
        {u"学", F::gakkyuukatsudou, F::TokkatsuSyoukei},
        {u"ク", F::kurabu, F::TokkatsuSyoukei},
        {u"児", F::jidoukai, F::TokkatsuSyoukei},
        {u"行", F::gakkougyouji, F::TokkatsuSyoukei},
        {u"切", F::uchikiri, F::SouJisuu},
        {u"予", F::yobi, F::SouJisuu},
    };
    for (const auto& row : rows)
        QTest::newRow(QString::fromUtf16(row.code).toUtf8().constData())
            << QString::fromUtf16(row.code) << row.field << row.subtotal;
}

void TestTotals::everyCodeCountsIntoItsField()
{
    QFETCH(QString, code);
    QFETCH(TotalField, field);
    QFETCH(TotalField, subtotal);
    // One 45-minute period of the subject and an empty slot of 60 minutes.
    VelaWeekTotal week;
    week.setObjFirstDay(dayOf(QDate(2003, 4, 8), code + u"\u3000"_s, u"34"_s));
    week.calculate();
    QCOMPARE(week.value(field), 3);
    QCOMPARE(week.value(subtotal), 3);
    QCOMPARE(week.SouJisuu(), 3);
    // The subtotal rows it must stay out of.
    const bool inLessons = subtotal != TotalField::SouJisuu;
    QCOMPARE(week.SouJyugyouJisuu(), inLessons ? 3 : 0);
    QCOMPARE(week.KyoukaSyoukei(), subtotal == TotalField::KyoukaSyoukei ? 3 : 0);
    QCOMPARE(week.TokkatsuSyoukei(), subtotal == TotalField::TokkatsuSyoukei ? 3 : 0);
}

void TestTotals::rangeBounds()
{
    const Chain c = threeDays();
    VelaSeasonTotal term;

    term.setObjFirstDay(c.second);
    term.setObjLastDay(c.second); // one record only
    term.calculate();
    QCOMPARE(term.kokugo(), 8);
    QCOMPARE(term.sannsuu(), 0);

    term.setObjLastDay(nullptr); // to the end of the chain
    term.calculate();
    QCOMPARE(term.kokugo(), 8);
    QCOMPARE(term.sannsuu(), 16);

    term.setObjFirstDay(c.first);
    term.setObjLastDay(dayOf(QDate(2003, 4, 8), u"国"_s, u"3"_s)); // not on the chain
    term.calculate();
    QCOMPARE(term.kokugo(), 12);
    QCOMPARE(term.sannsuu(), 19);

    term.setObjFirstDay(nullptr);
    term.calculate();
    QCOMPARE(static_cast<const TotalsRecord&>(term), TotalsRecord());
}

void TestTotals::lengthCodesOutsideTheRules()
{
    // The subject text bounds the slots; a missing or non-digit length counts 0.
    VelaWeekTotal week;
    week.setObjFirstDay(dayOf(QDate(2003, 4, 8), u"国国国"_s, u"3x"_s));
    week.calculate();
    QCOMPARE(week.kokugo(), 3);
    week.setObjFirstDay(dayOf(QDate(2003, 4, 8), u"国"_s, u"33333333"_s));
    week.calculate();
    QCOMPARE(week.kokugo(), 3);
}

void TestTotals::subtotalsFollowGroups()
{
    VelaWeekTotal week;
    week.setObjFirstDay(dayOf(QDate(2003, 4, 8), u"国総道学切予英読"_s, u"34311121"_s));
    week.calculate();
    QCOMPARE(week.KyoukaSyoukei(), 3 + 2 + 1);       // 国, 英, 読
    QCOMPARE(week.TokkatsuSyoukei(), 1);             // 学
    QCOMPARE(week.SouJyugyouJisuu(), 6 + 4 + 3 + 1); // + 総, 道
    QCOMPARE(week.uchikiri(), 1);
    QCOMPARE(week.yobi(), 1);
    QCOMPARE(week.SouJisuu(), 14 + 1 + 1);
}

void TestTotals::overflowIsRefused()
{
    TotalsRecord record;
    record.setKokugo(32000);
    record.setSyakai(1000);
    QVERIFY_THROWS_EXCEPTION(OverflowError, record.computeSubtotals());
    QVERIFY_THROWS_EXCEPTION(OverflowError, record.addUnits(TotalField::kokugo, 1000));
    QCOMPARE(record.kokugo(), 32000);

    // A plan whose terms sum past the range is refused, never wrapped.
    auto plan = makeYearWithTerms();
    for (int n = 1; n <= 3; ++n)
        plan->season(n)->setKokugo(20000);
    QVERIFY_THROWS_EXCEPTION(OverflowError, plan->calculate());
}

void TestTotals::yearCalculateSumsTerms()
{
    auto plan = makeYearWithTerms();
    plan->season(1)->setKokugo(270);
    plan->season(2)->setKokugo(300);
    plan->season(3)->setKokugo(246);
    plan->season(2)->setEigo(35);
    plan->season(1)->setKyoukaSyoukei(9999); // terms' own subtotals are not added
    plan->season(3)->setYobi(6);
    plan->calculate();
    QCOMPARE(plan->kokugo(), 816);
    QCOMPARE(plan->eigo(), 35);
    QCOMPARE(plan->KyoukaSyoukei(), 851);
    QCOMPARE(plan->SouJyugyouJisuu(), 851);
    QCOMPARE(plan->SouJisuu(), 857);

    plan->season(3)->setKokugo(0);
    plan->calculate();
    plan->calculate();
    QCOMPARE(plan->kokugo(), 570);
    QCOMPARE(plan->KyoukaSyoukei(), 605);
    QVERIFY(!plan->season(4));
    QVERIFY(!plan->season(0));
}

void TestTotals::fullCalculateRecomputesTerms()
{
    const Chain c = threeDays();
    auto year = makeYearWithTerms();
    year->season(1)->setObjFirstDay(c.first);
    year->season(1)->setObjLastDay(c.first);
    year->season(2)->setObjFirstDay(c.third);
    year->season(2)->setObjLastDay(c.third);
    year->calculate(); // terms not recalculated: all zero
    QCOMPARE(year->SouJisuu(), 0);
    year->full_calculate();
    QCOMPARE(year->season(1)->kokugo(), 4);
    QCOMPARE(year->season(2)->sannsuu(), 16);
    QCOMPARE(year->kokugo(), 4);
    QCOMPARE(year->sannsuu(), 3 + 16);
    QCOMPARE(year->SouJisuu(), 16 + 16);
}

void TestTotals::termAssignment()
{
    AppState state;
    assignResultTerms(state);
    QCOMPARE(static_cast<const TotalsRecord&>(*state.objYearResult), TotalsRecord());

    // A day of every term, the first and last day of the school year included.
    state.objDayHead->appendDay(dayOf(QDate(2003, 4, 1), u"国"_s, u"3"_s));
    state.objDayHead->appendDay(dayOf(QDate(2003, 5, 12), u"国"_s, u"3"_s));
    state.objDayHead->appendDay(dayOf(QDate(2003, 7, 31), u"算"_s, u"3"_s));
    state.objDayHead->appendDay(dayOf(QDate(2003, 8, 1), u"理"_s, u"3"_s));
    state.objDayHead->appendDay(dayOf(QDate(2003, 12, 19), u"理"_s, u"2"_s));
    state.objDayHead->appendDay(dayOf(QDate(2004, 1, 8), u"音"_s, u"3"_s));
    state.objDayHead->appendDay(dayOf(QDate(2004, 3, 31), u"音"_s, u"1"_s));
    assignResultTerms(state);
    const VelaYearTotal& year = *state.objYearResult;
    QCOMPARE(year.season(1)->objFirstDay()->dateThisDay(), QDate(2003, 4, 1));
    QCOMPARE(year.season(1)->objLastDay()->dateThisDay(), QDate(2003, 7, 31));
    QCOMPARE(year.season(1)->kokugo(), 6);
    QCOMPARE(year.season(1)->sannsuu(), 3);
    QCOMPARE(year.season(1)->rika(), 0);
    QCOMPARE(year.season(2)->rika(), 5);
    QCOMPARE(year.season(3)->onngaku(), 4);
    QCOMPARE(year.season(3)->objLastDay()->dateThisDay(), QDate(2004, 3, 31));
    QCOMPARE(year.SouJisuu(), 6 + 3 + 5 + 4);

    // Running it again after a record changed gives the new figures, not a sum.
    state.objDayHead->appendDay(dayOf(QDate(2003, 12, 19), u"理"_s, u"3"_s));
    assignResultTerms(state);
    QCOMPARE(state.objYearResult->rika(), 6);
}

void TestTotals::termAssignmentOfWithdrawnDays()
{
    AppState state;
    state.objDayHead->appendDay(dayOf(QDate(2003, 5, 12), u"国"_s, u"3"_s));
    state.objDayHead->appendDay(dayOf(QDate(2003, 6, 2), u"国"_s, u"3"_s));
    auto withdrawn = dayOf(QDate(2003, 8, 25), u"体"_s, u"3"_s);
    withdrawn->setBoolNowPlanning(true);
    state.objDayHead->appendDay(withdrawn);
    assignResultTerms(state);
    const VelaYearTotal& year = *state.objYearResult;
    QVERIFY(!year.season(2)->objFirstDay()); // the only August day is withdrawn
    QCOMPARE(static_cast<const TotalsRecord&>(*year.season(2)), TotalsRecord());
    QCOMPARE(static_cast<const TotalsRecord&>(*year.season(3)), TotalsRecord());
    QCOMPARE(static_cast<const TotalsRecord&>(year), static_cast<const TotalsRecord&>(*year.season(1)));

    // Withdrawn between two held days of the same term: skipped.
    state.objDayHead->appendDay(dayOf(QDate(2003, 8, 29), u"体"_s, u"3"_s));
    state.objDayHead->appendDay(dayOf(QDate(2003, 8, 20), u"体"_s, u"3"_s));
    assignResultTerms(state);
    QCOMPARE(year.season(2)->taiiku(), 6);
}

void TestTotals::termOfMonth_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("term");
    const int terms[] = {3, 3, 3, 1, 1, 1, 1, 2, 2, 2, 2, 2};
    for (int m = 1; m <= 12; ++m)
        QTest::addRow("month %d", m) << m << terms[m - 1];
}

void TestTotals::termOfMonth()
{
    QFETCH(int, month);
    QFETCH(int, term);
    QCOMPARE(lunaplan::termOfMonth(month), term);
}

QTEST_GUILESS_MAIN(TestTotals)
#include "tst_totals.moc"
