// The weekly timetables as the wizard's timetable page edits them: default
// frames, lengths into frames and template days, subjects per period, weekly
// hours, copying A into B and one weekday onto another, the keyboard's moves.
#include "core/appstate.h"
#include "core/subjects.h"
#include "core/units.h"
#include "core/weektimetable.h"
#include "core/weekview.h"
#include "tests/support/testclass.h"

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
    void copyAIntoB();
    void lessonsToLose();
    void copyOneWeekday();
    void periodMoves_data();
    void periodMoves();
    void subjectKeys();
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

void TestTimetable::copyAIntoB()
{
    AppState state;
    test::setUpClass2026(state);
    state.strWeekCreditA[1] = u"13333340"_s; // Tuesday: a 60-minute sixth period in A only
    templateDay(*state.objWeekA, 2)->setStrCredit(state.strWeekCreditA[1]);
    const QString mondayA = templateDay(*state.objWeekA, 1)->strSubject();

    copyTimetableAToB(state);

    for (int weekName = 1; weekName <= 6; ++weekName) {
        const VelaDayTime* a = templateDay(*state.objWeekA, weekName);
        const VelaDayTime* b = templateDay(*state.objWeekB, weekName);
        QCOMPARE(b->strSubject(), a->strSubject());
        QCOMPARE(b->strCredit(), a->strCredit());
        QCOMPARE(state.strWeekCreditB[static_cast<std::size_t>(weekName - 1)],
                 state.strWeekCreditA[static_cast<std::size_t>(weekName - 1)]);
    }
    QCOMPARE(templateDay(*state.objWeekB, 2)->strCredit(), u"13333340"_s);

    // B is a copy, not A itself: changing B leaves A as it was.
    templateDay(*state.objWeekB, 1)->setStrSubject(u"体体体体体体　　"_s);
    QCOMPARE(templateDay(*state.objWeekA, 1)->strSubject(), mondayA);
}

void TestTimetable::lessonsToLose()
{
    AppState state;
    QVERIFY(!timetableHoldsLessons(*state.objWeekB, state.strWeekCreditB));

    test::setUpClass2026(state);
    QVERIFY(timetableHoldsLessons(*state.objWeekB, state.strWeekCreditB));
    QVERIFY(dayHoldsLessons(*state.objWeekA, state.strWeekCreditA, 0));

    // Subjects left in periods of length "なし" are not shown, so nothing is lost.
    for (int weekName = 1; weekName <= 6; ++weekName)
        templateDay(*state.objWeekB, weekName)->setStrSubject(u"　　　　　　国国"_s);
    QVERIFY(!timetableHoldsLessons(*state.objWeekB, state.strWeekCreditB));
    QVERIFY(!dayHoldsLessons(*state.objWeekB, state.strWeekCreditB, 6)); // no such weekday
}

void TestTimetable::copyOneWeekday()
{
    AppState state;
    test::setUpClass2026(state);
    state.boolEditWeekA = false; // the edited timetable is B
    templateDay(*state.objWeekB, 1)->setStrSubject(u"学国算社理音図図"_s);
    state.strWeekCreditB[1] = u"13333330"_s; // Tuesday has a sixth period

    copyDaySubjects(state, 0, 1);
    copyDaySubjects(state, 0, 4);

    // Monday's hidden sixth and seventh periods give empty periods.
    QCOMPARE(templateDay(*state.objWeekB, 2)->strSubject(), u"学国算社理音　　"_s);
    QCOMPARE(templateDay(*state.objWeekB, 5)->strSubject(), u"学国算社理音　　"_s);
    QCOMPARE(state.strWeekCreditB[1], u"13333330"_s); // lengths stay the target's
    QCOMPARE(templateDay(*state.objWeekB, 3)->strSubject(), u"学体体体体体　　"_s);
    QCOMPARE(templateDay(*state.objWeekA, 2)->strSubject(), u"学算国体図図　　"_s);

    copyDaySubjects(state, 2, 2); // onto itself, or out of range: nothing
    copyDaySubjects(state, 0, 5);
    QCOMPARE(templateDay(*state.objWeekB, 6)->strSubject(), u"学体体体体体　　"_s);
}

void TestTimetable::periodMoves_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("move");
    QTest::addColumn<int>("to");

    // Grade-4-like frames: Monday periods 0 to 5, Tuesday 0 to 6, Wednesday
    // none, Thursday periods 3 and 4 only, Friday 0 to 5.
    const auto up = static_cast<int>(PeriodMove::Up);
    const auto down = static_cast<int>(PeriodMove::Down);
    const auto left = static_cast<int>(PeriodMove::Left);
    const auto right = static_cast<int>(PeriodMove::Right);
    const auto next = static_cast<int>(PeriodMove::Next);
    QTest::newRow("down") << 1 << down << 2;
    QTest::newRow("down at the last shown period stays") << 5 << down << 5;
    QTest::newRow("up at the top stays") << 0 << up << 0;
    QTest::newRow("right, same period") << 2 << right << 10;
    QTest::newRow("right, passing over a day without periods") << 8 + 6 << right << 24 + 4;
    QTest::newRow("left onto a shorter day: nearest shown period") << 32 << left << 24 + 3;
    QTest::newRow("left from Thursday's top") << 24 + 3 << left << 8 + 3;
    QTest::newRow("left from Tuesday's sixth to Monday's fifth") << 8 + 6 << left << 5;
    QTest::newRow("right on Friday stays") << 32 + 1 << right << 32 + 1;
    QTest::newRow("next goes down") << 3 << next << 4;
    QTest::newRow("next from the bottom to the next day's top") << 5 << next << 8;
    QTest::newRow("next passes over hidden periods and days") << 8 + 6 << next << 24 + 3;
    QTest::newRow("next at the very end stays") << 32 + 5 << next << 32 + 5;
}

void TestTimetable::periodMoves()
{
    QFETCH(int, from);
    QFETCH(int, move);
    QFETCH(int, to);
    const std::array<QString, 7> frames{u"13333300"_s, u"13333330"_s, u"00000000"_s, u"00033000"_s,
                                        u"13333300"_s, u"13300000"_s, QString()};
    QCOMPARE(periodFocusTarget(frames, from, static_cast<PeriodMove>(move)), to);
}

void TestTimetable::subjectKeys()
{
    QCOMPARE(WizardPaletteKeys.size(), WizardPaletteOrder.size());
    for (qsizetype i = 0; i < WizardPaletteKeys.size(); ++i)
        QCOMPARE(paletteIndexForKey(WizardPaletteKeys[i]), static_cast<int>(i)); // no key twice
    QCOMPARE(paletteIndexForKey(u'k'), 1);
    QCOMPARE(paletteIndexForKey(u'S'), 3);
    QCOMPARE(paletteIndexForKey(u'X'), -1);
    QCOMPARE(paletteIndexForKey(u'1'), -1);
    QCOMPARE(paletteIndexForKey(QChar()), -1);
}

QTEST_APPLESS_MAIN(TestTimetable)
#include "tst_timetable.moc"
