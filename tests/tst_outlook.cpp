// The outlook to the end of the year: 見込み from the proposals of the school
// days still to come, the day counts, the forgotten days, and its CSV.
#include "core/appstate.h"
#include "core/errors.h"
#include "core/outlook.h"
#include "core/units.h"
#include "tests/support/testclass.h"

#include <QTest>

using namespace lunaplan;
using namespace Qt::StringLiterals;

namespace {

// Rows of the totals table (0-based here, as Outlook keeps them).
constexpr std::size_t Kokugo = 0;
constexpr std::size_t Sannsuu = 2;
constexpr std::size_t Taiiku = 8;
constexpr std::size_t Zukou = 6;
constexpr std::size_t Gakkatsu = 14;
constexpr std::size_t KyoukaSyoukei = 11;
constexpr std::size_t SouJisuu = 22;
constexpr int Term3 = 2;

const OutlookFigures& figures(const Outlook& outlook, int stretch, std::size_t row)
{
    return outlook.stretches.at(static_cast<std::size_t>(stretch)).rows.at(row);
}

} // namespace

class TestOutlook : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();

    void lastWeekOfTheYear_data();
    void lastWeekOfTheYear();
    void termsAddUpToTheYear();
    void planRateAndTone();
    void overflowIsRefused();
    void referenceDate_data();
    void referenceDate();
    void unregisteredDays();
    void rate_data();
    void rate();
    void csvColumns();

private:
    std::unique_ptr<AppState> m_state;
};

void TestOutlook::init()
{
    m_state = std::make_unique<AppState>();
    test::setUpClass2026(*m_state);
}

// The test class's last school days: Monday 15 to Thursday 18 March 2027 (the
// spring holidays start on Friday 19). Timetable A proposes
//   Mon 学1 国3 算3 社3 理3 音3   Tue 学1 算3 国3 体3 図6
//   Wed 学1 国3 算3 音3 理3 体3   Thu 学1 社3 国3 算3 道3 総3
// so from Friday 12 March: 国 12, 算 12, 体 6, 図 6, 学 4, 総時数 64 units.
// Timetable B proposes 学1 体15 every day.
void TestOutlook::lastWeekOfTheYear_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QDate>("reference");
    QTest::addColumn<QList<int>>("expected"); // 国 算 体 図 学 総時数
    QTest::addColumn<int>("days");
    const QDate friday(2027, 3, 12);
    QTest::newRow("a week of proposals") << QString() << friday << QList<int>{12, 12, 6, 6, 4, 64} << 4;
    QTest::newRow("timetable B") << u"B"_s << friday << QList<int>{0, 0, 60, 0, 4, 64} << 4;
    // Tuesday's 16 units are held, not expected, and it is still a school day to come.
    QTest::newRow("a registered future day")
        << u"registered Tuesday"_s << friday << QList<int>{9, 9, 3, 0, 3, 48} << 4;
    QTest::newRow("a withdrawn registration is proposed again")
        << u"withdrawn Tuesday"_s << friday << QList<int>{12, 12, 6, 6, 4, 64} << 4;
    QTest::newRow("a holiday") << u"holiday Wednesday"_s << friday << QList<int>{9, 9, 3, 6, 3, 48} << 3;
    // The main window records Monday to Friday only.
    QTest::newRow("a Saturday school day adds nothing")
        << u"Saturdays"_s << friday << QList<int>{12, 12, 6, 6, 4, 64} << 4;
    QTest::newRow("the last school day")
        << QString() << QDate(2027, 3, 18) << QList<int>{0, 0, 0, 0, 0, 0} << 0;
    QTest::newRow("after the year") << QString() << QDate(2027, 4, 10) << QList<int>{0, 0, 0, 0, 0, 0} << 0;
}

void TestOutlook::lastWeekOfTheYear()
{
    QFETCH(QString, change);
    QFETCH(QDate, reference);
    QFETCH(QList<int>, expected);
    QFETCH(int, days);
    if (change == u"registered Tuesday"_s || change == u"withdrawn Tuesday"_s) {
        test::registerDay(*m_state, QDate(2027, 3, 16));
        heldRecordFor(*m_state->objDayHead, QDate(2027, 3, 16))->setBoolNowPlanning(change.startsWith(u'w'));
    } else if (change == u"holiday Wednesday"_s) {
        QVERIFY(m_state->addHoliday(QDate(2027, 3, 17)));
    } else if (change == u"Saturdays"_s) {
        m_state->boolSatOff = false;
        QVERIFY(m_state->fncIsWorkDay(QDate(2027, 3, 13)));
    }
    const Outlook outlook = fncOutlook(*m_state, reference, change != u"B"_s);

    QCOMPARE(outlook.stretches[Term3].remainingSchoolDays, days);
    QCOMPARE(outlook.stretches[Outlook::YearStretch].remainingSchoolDays, days);
    QCOMPARE(outlook.stretches[0].remainingSchoolDays + outlook.stretches[1].remainingSchoolDays, 0);
    const std::array<std::size_t, 6> rows{Kokugo, Sannsuu, Taiiku, Zukou, Gakkatsu, SouJisuu};
    const int heldKokugo = change == u"registered Tuesday"_s ? 24 : 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        for (const int stretch : {Term3, Outlook::YearStretch}) {
            const OutlookFigures& f = figures(outlook, stretch, rows[i]);
            QCOMPARE(f.expected, expected[static_cast<qsizetype>(i)]);
            QCOMPARE(f.expectedTotal, f.held + f.expected);
            QCOMPARE(f.expectedDifference, f.expectedTotal); // no plan
        }
    }
    QCOMPARE(figures(outlook, Term3, Kokugo).held, heldKokugo);
    QCOMPARE(figures(outlook, 1, SouJisuu).expected, 0);
}

// From Thursday 17 December 2026: term 2 keeps Friday 18 to Thursday 24
// December (the winter holidays start on Friday 25), five days with 国 3 each;
// term 3 runs from Friday 8 January to Thursday 18 March 2027, eleven weeks
// less 成人の日 (11 January), 建国記念の日 (11 February) and 天皇誕生日
// (23 February): 55 − 3 − 5 (the first week has only its Friday) = 47 days.
void TestOutlook::termsAddUpToTheYear()
{
    test::registerDay(*m_state, QDate(2026, 12, 18)); // after the reference date: held
    const Outlook outlook = fncOutlook(*m_state, QDate(2026, 12, 17), true);
    QCOMPARE(outlook.stretches[0].remainingSchoolDays, 0);
    QCOMPARE(outlook.stretches[1].remainingSchoolDays, 5);
    QCOMPARE(outlook.stretches[2].remainingSchoolDays, 47);
    QCOMPARE(outlook.stretches[3].remainingSchoolDays, 52);
    QCOMPARE(figures(outlook, 1, Kokugo).expected, 4 * 3);
    QCOMPARE(figures(outlook, 1, Kokugo).held, 24);
    QCOMPARE(figures(outlook, 2, Kokugo).expected, 47 * 3);
    for (std::size_t row = 0; row < 23; ++row) {
        int expected = 0;
        int held = 0;
        for (int term = 0; term < 3; ++term) {
            expected += figures(outlook, term, row).expected;
            held += figures(outlook, term, row).held;
        }
        QCOMPARE(figures(outlook, Outlook::YearStretch, row).expected, expected);
        QCOMPARE(figures(outlook, Outlook::YearStretch, row).held, held);
    }
}

// From Friday 12 March with timetable A: 国 12, 算 12, 体 6 units to come.
void TestOutlook::planRateAndTone()
{
    test::setTermPlan(*m_state, 3, TotalField::kokugo, 36);  // 12.0
    test::setTermPlan(*m_state, 3, TotalField::sannsuu, 45); // 15.0
    test::setTermPlan(*m_state, 2, TotalField::sannsuu, 30); // the year's plan of 算 is 75
    test::registerDay(*m_state, QDate(2027, 3, 1));          // 24 units of 国 held
    const Outlook outlook = fncOutlook(*m_state, QDate(2027, 3, 12), true);

    const OutlookFigures& kokugo = figures(outlook, Term3, Kokugo);
    QCOMPARE(kokugo.plan, 36);
    QCOMPARE(kokugo.held, 24);
    QCOMPARE(kokugo.expectedTotal, 36);
    QCOMPARE(kokugo.expectedDifference, 0);
    QCOMPARE(kokugo.tone(), FigureTone::Plain);
    QCOMPARE(implementationRateText(kokugo.plan, kokugo.held), u"66.7%"_s);

    const OutlookFigures& sannsuu = figures(outlook, Term3, Sannsuu);
    QCOMPARE(sannsuu.expectedDifference, 12 - 45);
    QCOMPARE(sannsuu.tone(), FigureTone::Negative);
    QCOMPARE(figures(outlook, Outlook::YearStretch, Sannsuu).expectedDifference, 12 - 75);

    const OutlookFigures& taiiku = figures(outlook, Term3, Taiiku); // a plan of 0
    QCOMPARE(taiiku.expectedDifference, 6);
    QCOMPARE(taiiku.tone(), FigureTone::Positive);
    QCOMPARE(implementationRateText(taiiku.plan, taiiku.held), u"—"_s);

    // 教科小計 follows from the rows: 国 36 + 算 12 + 社 6 + 理 6 + 音 6 + 図 6 + 体 6.
    QCOMPARE(figures(outlook, Term3, KyoukaSyoukei).expectedTotal, 78);
}

void TestOutlook::overflowIsRefused()
{
    // 3,640 periods of length 9 hold 32,760 units of 国; twelve more do not fit.
    m_state->objDayHead->appendDay(
        makeRecordedDay(QDate(2027, 3, 1), QString(3640, u'国'), QString(3640, u'9')));
    QVERIFY_THROWS_EXCEPTION(OverflowError, fncOutlook(*m_state, QDate(2027, 3, 12), true));
    const Outlook last = fncOutlook(*m_state, QDate(2027, 3, 18), true); // nothing to come: it fits
    QCOMPARE(figures(last, Term3, Kokugo).expectedTotal, 32760);
}

void TestOutlook::referenceDate_data()
{
    QTest::addColumn<QDate>("asked");
    QTest::addColumn<QDate>("reference");
    QTest::newRow("inside") << QDate(2026, 11, 5) << QDate(2026, 11, 5);
    QTest::newRow("first day") << QDate(2026, 4, 1) << QDate(2026, 4, 1);
    QTest::newRow("before") << QDate(2026, 3, 31) << QDate(2026, 4, 1);
    QTest::newRow("last day") << QDate(2027, 3, 31) << QDate(2027, 3, 31);
    QTest::newRow("after") << QDate(2027, 4, 1) << QDate(2027, 3, 31);
    QTest::newRow("no date") << QDate() << QDate(2026, 4, 1);
}

void TestOutlook::referenceDate()
{
    QFETCH(QDate, asked);
    QTEST(outlookReferenceDate(*m_state, asked), "reference");
    QTEST(fncOutlook(*m_state, asked, true).referenceDate, "reference");
}

// Term 1 starts on Monday 6 April 2026; 29 April (昭和の日) is a holiday.
void TestOutlook::unregisteredDays()
{
    for (QDate day(2026, 4, 6); day <= QDate(2026, 4, 28); day = day.addDays(1)) {
        if (m_state->fncIsWorkDay(day) && day != QDate(2026, 4, 15))
            test::registerDay(*m_state, day);
    }
    heldRecordFor(*m_state->objDayHead, QDate(2026, 4, 22))->setBoolNowPlanning(true);
    test::registerDay(*m_state, QDate(2026, 4, 29)); // a held day on a holiday is not a forgotten day

    const Outlook outlook = fncOutlook(*m_state, QDate(2026, 4, 30), true);
    // The reference date itself is still to be registered; 1 May comes after it.
    const QList<QDate> expected{QDate(2026, 4, 15), QDate(2026, 4, 22), QDate(2026, 4, 30)};
    QCOMPARE(outlook.unregisteredDays, expected);
    QCOMPARE(fncOutlook(*m_state, QDate(2026, 4, 5), true).unregisteredDays, QList<QDate>());
}

void TestOutlook::rate_data()
{
    QTest::addColumn<int>("plan");
    QTest::addColumn<int>("held");
    QTest::addColumn<QString>("text");
    QTest::newRow("no plan, nothing held") << 0 << 0 << u"—"_s;
    QTest::newRow("no plan, held") << 0 << 5 << u"—"_s;
    QTest::newRow("negative plan") << -3 << 1 << u"—"_s;
    QTest::newRow("nothing held") << 300 << 0 << u"0.0%"_s;
    QTest::newRow("a third") << 3 << 1 << u"33.3%"_s;
    QTest::newRow("two thirds") << 3 << 2 << u"66.7%"_s;
    QTest::newRow("above the plan") << 735 << 744 << u"101.2%"_s;
}

void TestOutlook::rate()
{
    QFETCH(int, plan);
    QFETCH(int, held);
    QTEST(implementationRateText(plan, held), "text");
}

void TestOutlook::csvColumns()
{
    m_state->intGrade = 5; // no note
    test::registerDay(*m_state, QDate(2027, 3, 1));
    test::registerDay(*m_state, QDate(2026, 4, 6), u'算');
    test::setTermPlan(*m_state, 3, TotalField::kokugo, 37);
    const Outlook outlook = fncOutlook(*m_state, QDate(2027, 3, 12), true);
    const QList<QStringList> rows = outlookCsvRows(outlook, Term3);

    const QStringList heading = rows.constFirst();
    QCOMPARE(heading.size(), 1 + 2 * 11);
    QCOMPARE(heading.mid(0, 12),
             (QStringList{u"教科"_s, u"学期･計画"_s, u"学期･計画(分)"_s, u"学期･実施"_s, u"学期･実施(分)"_s,
                          u"学期･実施率"_s, u"学期･見込み"_s, u"学期･見込み(分)"_s, u"学期･見込み合計"_s,
                          u"学期･見込み合計(分)"_s, u"学期･見込み差"_s, u"学期･見込み差(分)"_s}));
    QCOMPARE(heading.at(12), u"年間･計画"_s);
    QCOMPARE(rows.at(1).mid(0, 12),
             (QStringList{u"国語"_s, u"12.1"_s, u"555"_s, u"8.0"_s, u"360"_s, u"64.9%"_s, u"4.0"_s, u"180"_s,
                          u"12.0"_s, u"540"_s, u"-0.1"_s, u"-15"_s}));
    // Every minutes column is its q.r text in minutes, and the subjects'
    // minutes add up to 教科小計 (the q.r texts do not: 8.0 + … is no sum).
    for (int column = 2; column < heading.size(); column += 1) {
        if (!heading[column].endsWith(u"(分)"_s))
            continue;
        int subjects = 0;
        for (qsizetype row = 1; row <= 23; ++row) {
            QCOMPARE(rows[row][column].toInt(), fncStrToCredit(rows[row][column - 1]) * 15);
            if (row <= 11)
                subjects += rows[row][column].toInt();
        }
        QCOMPARE(rows[12][column].toInt(), subjects);
    }
    QCOMPARE(rows.at(24), (QStringList{u"基準日"_s, u"2027-03-12"_s}));
    QCOMPARE(rows.at(25), (QStringList{u"残り授業日数(学期)"_s, u"4"_s}));
    QCOMPARE(rows.at(26), (QStringList{u"残り授業日数(年間)"_s, u"4"_s}));
    QCOMPARE(rows.at(27).at(0), u"未登録の授業日"_s);
    QCOMPARE(rows.at(27).at(1), u"2026-04-07"_s);
    QCOMPARE(rows.constLast(), (QStringList{u"未登録の授業日"_s, u"2027-03-12"_s}));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, outlookCsvRows(outlook, 3));

    m_state->intGrade = 3;
    const QStringList note =
        outlookCsvRows(fncOutlook(*m_state, QDate(2027, 3, 12), true), Term3).constLast();
    QCOMPARE(note.at(0), u"注"_s);
    QCOMPARE(note.at(1), foreignLanguageNote(3));
}

QTEST_APPLESS_MAIN(TestOutlook)
#include "tst_outlook.moc"
