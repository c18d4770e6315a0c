// The weekly timetables as the wizard's timetable page edits them: default
// frames, lengths into frames and template days, subjects per period, weekly hours.
#include "core/appstate.h"
#include "core/units.h"
#include "core/weektimetable.h"
#include "core/weekview.h"

#include <QTest>

using namespace lunaplan;
using namespace Qt::StringLiterals;

class TestTimetable : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void defaultFrames_data();
    void defaultFrames();
    void lengthsIntoFramesAndDays();
    void subjectAtPeriod_data();
    void subjectAtPeriod();
    void weeklyHoursPerSubject();
};

void TestTimetable::defaultFrames_data()
{
    QTest::addColumn<int>("grade");
    QTest::addColumn<bool>("editA");
    QTest::addColumn<QString>("mondayBefore");
    QTest::addColumn<bool>("filled");
    QTest::addColumn<QString>("tuesdayAfter");

    QTest::newRow("grade 1, A") << 1 << true << QString() << true << u"13333000"_s;
    QTest::newRow("grade 2, A") << 2 << true << QString() << true << u"13333300"_s;
    QTest::newRow("grade 3, A") << 3 << true << QString() << true << u"13333300"_s;
    QTest::newRow("grade 4, B") << 4 << false << QString() << true << u"13333330"_s;
    QTest::newRow("grade 5, A") << 5 << true << QString() << true << u"13333330"_s;
    QTest::newRow("grade 6, A") << 6 << true << QString() << true << u"13333330"_s;
    QTest::newRow("no grade yet") << 0 << true << QString() << false << QString();
    QTest::newRow("grade out of range") << 7 << true << QString() << false << QString();
    QTest::newRow("a frame already set") << 3 << true << u"30000000"_s << false << QString();
}

void TestTimetable::defaultFrames()
{
    QFETCH(int, grade);
    QFETCH(bool, editA);
    QFETCH(QString, mondayBefore);
    QFETCH(bool, filled);
    QFETCH(QString, tuesdayAfter);

    AppState state;
    state.intGrade = static_cast<qint16>(grade);
    state.boolEditWeekA = editA;
    auto& edited = editA ? state.strWeekCreditA : state.strWeekCreditB;
    const auto& other = editA ? state.strWeekCreditB : state.strWeekCreditA;
    edited[0] = mondayBefore;

    QCOMPARE(fillDefaultFrames(state), filled);
    QCOMPARE(edited[1], tuesdayAfter);
    QCOMPARE(edited[0], filled ? u"13333300"_s : mondayBefore);
    QCOMPARE(edited[5], filled ? u"13300000"_s : QString());
    QCOMPARE(other[1], QString()); // the other timetable is left alone
}

void TestTimetable::lengthsIntoFramesAndDays()
{
    AppState state;
    state.intGrade = 3;
    state.boolEditWeekA = false;
    fillDefaultFrames(state);
    std::array<int, TimetableCells> codes{};
    for (int p = 0; p < TimetablePeriods; ++p) {
        codes[static_cast<std::size_t>(p)] = p % 5;                    // Monday 0 1 2 3 4 0 1 2
        codes[static_cast<std::size_t>(4 * TimetablePeriods + p)] = 3; // Friday all 45 minutes
    }

    subSetWeekCredit(state, codes);

    QCOMPARE(state.strWeekCreditB[0], u"01234012"_s);
    QCOMPARE(state.strWeekCreditB[1], u"00000000"_s);
    QCOMPARE(state.strWeekCreditB[4], u"33333333"_s);
    QCOMPARE(state.strWeekCreditB[5], u"13300000"_s); // Saturday is not edited here
    QCOMPARE(templateDay(*state.objWeekB, 1)->strCredit(), u"01234012"_s);
    QCOMPARE(templateDay(*state.objWeekB, 5)->strCredit(), u"33333333"_s);
    QCOMPARE(templateDay(*state.objWeekB, 6)->strCredit(), u"13300000"_s);
    QCOMPARE(state.strWeekCreditA[0], QString());
    QCOMPARE(templateDay(*state.objWeekA, 1)->strCredit(), QString());
}

void TestTimetable::subjectAtPeriod_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("period");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("after");

    QTest::newRow("empty day") << QString() << 2 << u"国"_s << u"　　国　　　　　"_s;
    QTest::newRow("emptied") << u"国国国国国国国国"_s << 7 << u"　"_s << u"国国国国国国国　"_s;
    QTest::newRow("codes without a button kept")
        << u"児行切予　　　　"_s << 4 << u"算"_s << u"児行切予算　　　"_s;
    QTest::newRow("short day padded") << u"国"_s << 0 << u"算"_s << u"算　　　　　　　"_s;
    QTest::newRow("long day cut") << u"国国国国国国国国国"_s << 1 << u"体"_s << u"国体国国国国国国"_s;
}

void TestTimetable::subjectAtPeriod()
{
    QFETCH(QString, before);
    QFETCH(int, period);
    QFETCH(QString, code);
    QFETCH(QString, after);
    QCOMPARE(withSubjectAt(before, period, code.front()), after);
}

void TestTimetable::weeklyHoursPerSubject()
{
    AppState state;
    state.intGrade = 3;
    fillDefaultFrames(state);
    std::array<int, TimetableCells> codes{};
    for (int d = 0; d < TimetableDays; ++d) {
        for (int p = 0; p < TimetablePeriods; ++p)
            codes[static_cast<std::size_t>(d * 8 + p)] =
                lengthCodeAt(state.strWeekCreditA[static_cast<std::size_t>(d)], p);
    }
    codes[1 * 8 + 2] = 4; // Tuesday period 2 lasts 60 minutes
    codes[2 * 8 + 1] = 0; // Wednesday period 1 is hidden: its subject counts nothing
    subSetWeekCredit(state, codes);
    for (int weekName = 1; weekName <= 5; ++weekName)
        templateDay(*state.objWeekA, weekName)->setStrSubject(u"　国　　　　　　"_s);
    templateDay(*state.objWeekA, 2)->setStrSubject(u"　国ク　　　　　"_s);

    const auto hours = weeklyHours(*state.objWeekA);

    QCOMPARE(hours[1], qint16{12}); // 国語: four 45-minute periods
    QCOMPARE(hours[14], qint16{4}); // クラブ: one 60-minute period
    QCOMPARE(hours[0], qint16{0});
    QCOMPARE(weeklyHoursText(1, hours[1]), u"国語　　4.0 時間"_s);
    QCOMPARE(weeklyHoursText(14, hours[14]), u"クラブ　1.1 時間"_s);
    QCOMPARE(weeklyHoursText(0, 0), u"総合　　0.0 時間"_s);

    // The main window proposes an unregistered day from the template day just edited.
    state.intYear = 2026;
    const auto proposed = subGetDay(state, QDate(2026, 4, 14), true); // a Tuesday
    QVERIFY(proposed);
    QCOMPARE(proposed->strSubject(), u"　国ク　　　　　"_s);
    QCOMPARE(proposed->strCredit(), u"13433300"_s);
}

QTEST_APPLESS_MAIN(TestTimetable)
#include "tst_timetable.moc"
