// The class of the next school year made from last year's: what is carried
// over, what starts afresh, and the era of the new year.
#include "core/appstate.h"
#include "core/errors.h"
#include "core/newschoolyear.h"
#include "core/schoolcalendar.h"
#include "core/weektimetable.h"
#include "core/yearplan.h"
#include "tests/support/testclass.h"

#include <QTest>

using namespace lunaplan;
using namespace Qt::StringLiterals;

namespace {

// Last year's class as a teacher leaves it in March: holiday periods of its
// own, a special holiday, a recorded day, base hours and a plan, a file.
void setUpLastYear(AppState& state, int year, int grade, const QString& className)
{
    test::setUpClass2026(state);
    state.intYear = static_cast<qint16>(year);
    state.intGrade = static_cast<qint16>(grade);
    state.strClass = className;
    HolidayPeriodDays days = defaultHolidayPeriodDays(year);
    days.summerStart = 24;
    days.winterEnd = 8;
    subSetHoliday(state, days);
    QVERIFY(state.addHoliday(QDate(year, 6, 15)));
    state.objDayHead->appendDay(makeRecordedDay(QDate(year, 4, 14), u"学国算社理音　　"_s, u"13333300"_s));
    state.objYearBase->setValue(TotalField::kokugo, 900);
    state.objYearBase->setValue(TotalField::kurabu, 30); // no standard: the school's own
    state.objYearBase->computeSubtotals();
    state.objYearPlan->season(1)->setValue(TotalField::kokugo, 300);
    state.objYearPlan->calculate();
    state.strFileName = u"/school/2026_3-2.vl2"_s;
    state.strWeekCreditA[5] = u"13300000"_s;
}

} // namespace

class TestNewSchoolYear : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void carriedOver_data();
    void carriedOver();
    void noClassRefused();
};

void TestNewSchoolYear::carriedOver_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("grade");
    QTest::addColumn<QString>("className");
    QTest::addColumn<bool>("inPlace"); // from the class in memory rather than one read on its own
    QTest::addColumn<int>("newGrade");
    QTest::addColumn<bool>("gradeKept");
    QTest::addColumn<QString>("oldEra");
    QTest::addColumn<QString>("newEra");
    QTest::addColumn<QDate>("oldVernal");
    QTest::addColumn<QDate>("newVernal");

    // The vernal equinox falls on 21 March in 2027 and 2019, on 20 March in 2028 and 2020.
    QTest::newRow("2026 grade 3 to 2027 grade 4")
        << 2026 << 3 << u"2"_s << false << 4 << false << u"令和8年度"_s << u"令和9年度"_s
        << QDate(2027, 3, 21) << QDate(2028, 3, 20);
    QTest::newRow("the class in memory") << 2026 << 3 << u"2"_s << true << 4 << false << u"令和8年度"_s
                                         << u"令和9年度"_s << QDate(2027, 3, 21) << QDate(2028, 3, 20);
    QTest::newRow("across the era change, 2018 to 2019")
        << 2018 << 5 << u"1"_s << false << 6 << false << u"平成30年度"_s << u"令和元年度"_s
        << QDate(2019, 3, 21) << QDate(2020, 3, 20);
    QTest::newRow("grade 6 keeps its grade, a class name that is not a number")
        << 2026 << 6 << u"さくら"_s << true << 6 << true << u"令和8年度"_s << u"令和9年度"_s
        << QDate(2027, 3, 21) << QDate(2028, 3, 20);
}

void TestNewSchoolYear::carriedOver()
{
    QFETCH(int, year);
    QFETCH(int, grade);
    QFETCH(QString, className);
    QFETCH(bool, inPlace);
    QFETCH(int, newGrade);
    QFETCH(bool, gradeKept);
    QFETCH(QString, oldEra);
    QFETCH(QString, newEra);
    QFETCH(QDate, oldVernal);
    QFETCH(QDate, newVernal);

    AppState old;
    setUpLastYear(old, year, grade, className);
    QCOMPARE(old.dateVernalEquinox, oldVernal);
    AppState copy;
    setUpLastYear(copy, year, grade, className);
    AppState separate;
    separate.boolShowWizard = false;
    AppState& next = inPlace ? old : separate;

    const NextSchoolYear result = startNextSchoolYear(inPlace ? old : copy, next);

    QCOMPARE(result.year, year + 1);
    QCOMPARE(result.grade, newGrade);
    QCOMPARE(result.gradeKept, gradeKept);
    QCOMPARE(eraSchoolYearText(year), oldEra);
    QCOMPARE(eraSchoolYearText(next.intYear), newEra);
    QCOMPARE(int{next.intYear}, year + 1);
    QCOMPARE(int{next.intGrade}, newGrade);
    QCOMPARE(next.strClass, className);
    QCOMPARE(next.strTeacher, u"山田花子"_s);
    QCOMPARE(next.strFileName, QString()); // never last year's file
    QCOMPARE(proposedClassFileName(next.intYear, next.intGrade, next.strClass),
             newEra + u'_' + QString::number(newGrade) + u'年' + className + u"組.vl2");

    // The holiday periods at their defaults, with the new year's equinox days.
    AppState expected;
    expected.intYear = static_cast<qint16>(year + 1);
    subSetHoliday(expected, defaultHolidayPeriodDays(year + 1));
    for (const AppState::CalendarField& field : AppState::calendarFields()) {
        QCOMPARE(next.*field.date, expected.*field.date);
        QCOMPARE(next.*field.dayOfYear, expected.*field.dayOfYear);
    }
    QCOMPARE(next.dateVernalEquinox, newVernal);
    QCOMPARE(next.dateSummerStart, QDate(year + 1, 7, 20));
    QCOMPARE(next.dateWinterEnd, QDate(year + 2, 1, 7));
    QVERIFY(next.boolSatOff);
    QVERIFY(!next.boolSat24Off);
    // No special holidays: the fourteen national ones and nothing after them.
    QCOMPARE(int{next.intHolidayCount}, AppState::NationalHolidayCount);
    for (int i = 0; i < AppState::NationalHolidayCount; ++i)
        QCOMPARE(next.dateHoliday[static_cast<std::size_t>(i)],
                 expected.dateHoliday[static_cast<std::size_t>(i)]);
    QCOMPARE(next.dateHoliday[AppState::NationalHolidayCount], QDate());

    // Both timetables with their lesson lengths, Saturday's included.
    const AppState& source = copy; // last year's class as it was
    for (int weekName = 1; weekName <= 6; ++weekName) {
        const auto w = static_cast<std::size_t>(weekName - 1);
        QCOMPARE(templateDay(*next.objWeekA, weekName)->strSubject(),
                 templateDay(*source.objWeekA, weekName)->strSubject());
        QCOMPARE(templateDay(*next.objWeekB, weekName)->strSubject(),
                 templateDay(*source.objWeekB, weekName)->strSubject());
        QCOMPARE(next.strWeekCreditA[w], source.strWeekCreditA[w]);
        QCOMPARE(next.strWeekCreditB[w], source.strWeekCreditB[w]);
        QCOMPARE(templateDay(*next.objWeekA, weekName)->strCredit(), source.strWeekCreditA[w]);
        QCOMPARE(templateDay(*next.objWeekB, weekName)->strCredit(), source.strWeekCreditB[w]);
    }

    // The base hours of the new grade's standard; the school's own rows stay.
    const auto lessons = standardAnnualLessons(newGrade);
    for (std::size_t row = 0; row < lessons.size(); ++row) {
        const qint16 base = next.objYearBase->value(PerCodeFields[row]);
        if (lessons[row])
            QCOMPARE(int{base}, *lessons[row] * 3);
        else
            QCOMPARE(base, source.objYearBase->value(PerCodeFields[row]));
    }
    QCOMPARE(int{next.objYearBase->value(TotalField::kurabu)}, 30);
    QCOMPARE(int{next.objYearBase->value(TotalField::SouJisuu)}, standardAnnualTotal(newGrade) * 3 + 30);

    // An empty plan, no recorded days, a calendar to be placed again.
    for (int term = 1; term <= 3; ++term)
        QCOMPARE(next.objYearPlan->season(term)->value(TotalField::SouJisuu), qint16{0});
    QCOMPARE(next.objYearPlan->value(TotalField::kokugo), qint16{0});
    QVERIFY(!next.objDayHead->objNextDay());
    QVERIFY(!next.boolCalendarReady);
    QVERIFY(next.intWorkDaysYear > 190);
    QCOMPARE(next.boolShowWizard, inPlace ? old.boolShowWizard : false); // window state stays
}

void TestNewSchoolYear::noClassRefused()
{
    const AppState empty;
    AppState next;
    test::setUpClass2026(next);
    QVERIFY_THROWS_EXCEPTION(ConversionError, startNextSchoolYear(empty, next));
    QCOMPARE(int{next.intYear}, 2026);
    QCOMPARE(next.strClass, u"2"_s);
    QVERIFY(timetableHoldsLessons(*next.objWeekA, next.strWeekCreditA));
}

QTEST_APPLESS_MAIN(TestNewSchoolYear)
#include "tst_newschoolyear.moc"
