// The annual lesson plan as the wizard's plan page stores it: the entry rule
// and what the input method types, refused entries and totals that must not
// overflow, the year summary, the key moves between boxes and the official
// standard hours.
#include "core/appstate.h"
#include "core/yearplan.h"

#include <QTest>

#include <bitset>
#include <optional>

using namespace lunaplan;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(lunaplan::PlanKeyEffect)
Q_DECLARE_METATYPE(lunaplan::PlanColumn)

namespace {

PlanEntries zeroEntries()
{
    PlanEntries entries;
    entries.base.fill(u"0"_s);
    entries.plan.fill(u"0"_s);
    return entries;
}

} // namespace

class TestYearPlan : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void entryRule_data();
    void entryRule();
    void storesBaseTermsAndYear();
    void normalisedEntries();
    void refusedEntriesKeepStoredValue();
    void totalsNeverOverflow();
    void loweringMakesRoomForRaising();
    void summaryDifferences();
    void keyEffects_data();
    void keyEffects();
    void focusMoves_data();
    void focusMoves();
    void standardHoursAddUp_data();
    void standardHoursAddUp();
    void standardHoursRows();
};

void TestYearPlan::entryRule_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("units"); // -1 = refused

    QTest::newRow("lessons and one unit") << u"32.1"_s << 97;
    QTest::newRow("two units") << u"0.2"_s << 2;
    QTest::newRow("whole lessons") << u"32"_s << 96;
    QTest::newRow("zero remainder") << u"35.0"_s << 105;
    QTest::newRow("zero") << u"0"_s << 0;
    QTest::newRow("largest count") << u"10922.1"_s << 32767;
    QTest::newRow("point first") << u".1"_s << -1;
    QTest::newRow("point last") << u"32."_s << -1;
    QTest::newRow("two digits after the point") << u"32.10"_s << -1;
    QTest::newRow("remainder beyond 2") << u"32.5"_s << -1;
    QTest::newRow("two points") << u"1.2.3"_s << -1;
    QTest::newRow("letter") << u"a"_s << -1;
    QTest::newRow("letter before the point") << u"a.1"_s << -1;
    QTest::newRow("empty") << QString() << -1;
    QTest::newRow("negative") << u"-1.1"_s << -1;
    QTest::newRow("one unit past 16 bits") << u"10922.2"_s << -1;
    QTest::newRow("whole lessons past 16 bits") << u"10923"_s << -1;
    QTest::newRow("past 32 bits") << u"99999999999"_s << -1;
    // What the Japanese input method types is read in its ASCII form.
    QTest::newRow("full-width lessons and unit") << u"３２．１"_s << 97;
    QTest::newRow("full-width digits") << u"１２"_s << 36;
    QTest::newRow("spaces around") << u" 12 "_s << 36;
    QTest::newRow("ideographic spaces around") << u"\u3000１２\u3000"_s << 36;
    QTest::newRow("full-width minus") << u"－５"_s << -1;
    QTest::newRow("kanji numerals") << u"三十"_s << -1;
    QTest::newRow("space inside") << u"1 2"_s << -1;
    QTest::newRow("only spaces") << u"\u3000 "_s << -1;
}

void TestYearPlan::entryRule()
{
    QFETCH(QString, text);
    QFETCH(int, units);
    const std::optional<qint16> result = planEntryUnits(text);
    QCOMPARE(result.has_value() ? int{*result} : -1, units);
}

void TestYearPlan::storesBaseTermsAndYear()
{
    AppState state;
    PlanEntries entries = zeroEntries();
    entries.base[0] = u"35"_s;           // 国語 base
    entries.plan[0 * 3 + 0] = u"32.1"_s; // 国語 term 1
    entries.plan[0 * 3 + 2] = u"1.2"_s;  // 国語 term 3
    entries.plan[11 * 3 + 1] = u"10"_s;  // 総合 term 2
    entries.plan[17 * 3 + 0] = u"2"_s;   // 打切 term 1: outside the lesson total

    QVERIFY(storeYearPlan(state, entries).base.none());

    QCOMPARE(state.objYearBase->kokugo(), qint16{105});
    QCOMPARE(state.objYearBase->SouJisuu(), qint16{105});
    const VelaSeasonTotal* term1 = state.objYearPlan->season(1);
    QCOMPARE(term1->kokugo(), qint16{97});
    QCOMPARE(term1->KyoukaSyoukei(), qint16{97});
    QCOMPARE(term1->SouJyugyouJisuu(), qint16{97});
    QCOMPARE(term1->SouJisuu(), qint16{103});
    QCOMPARE(state.objYearPlan->season(2)->SouJisuu(), qint16{30});
    QCOMPARE(state.objYearPlan->kokugo(), qint16{102});
    QCOMPARE(state.objYearPlan->sougou(), qint16{30});
    QCOMPARE(state.objYearPlan->KyoukaSyoukei(), qint16{102});
    QCOMPARE(state.objYearPlan->SouJisuu(), qint16{138});
    QCOMPARE(entries.plan[0], u"32.1"_s); // accepted entries keep their text
}

void TestYearPlan::normalisedEntries()
{
    AppState state;
    PlanEntries entries = zeroEntries();
    entries.base[0] = u"３５"_s;
    entries.plan[0 * 3 + 0] = u"\u3000３２．１"_s;
    entries.plan[1 * 3 + 0] = u"三十"_s;

    const PlanRefusals refusals = storeYearPlan(state, entries);

    QCOMPARE(entries.base[0], u"35"_s);
    QCOMPARE(entries.plan[0], u"32.1"_s);
    QCOMPARE(entries.plan[1 * 3 + 0], u"三十"_s); // refused: as typed
    QCOMPARE(state.objYearBase->kokugo(), qint16{105});
    QCOMPARE(state.objYearPlan->season(1)->kokugo(), qint16{97});
    QVERIFY(refusals.base.none());
    QCOMPARE(refusals.plan.count(), std::size_t{1});
    QVERIFY(refusals.plan[1 * 3 + 0]);
}

void TestYearPlan::refusedEntriesKeepStoredValue()
{
    AppState state;
    state.objYearBase->setKokugo(60);
    state.objYearBase->setSyakai(30);
    state.objYearPlan->season(2)->setSannsuu(60);
    state.objYearPlan->season(3)->setOnngaku(5);
    PlanEntries entries = zeroEntries();
    entries.base[0] = u"x"_s;
    entries.base[1] = u"32."_s;
    entries.plan[2 * 3 + 1] = u"12.5"_s;
    entries.plan[5 * 3 + 2] = u"4.2"_s;
    entries.plan[8 * 3 + 0] = u"－５"_s;

    const PlanRefusals refusals = storeYearPlan(state, entries);

    QCOMPARE(entries.base[0], u"x"_s);
    QCOMPARE(entries.base[1], u"32."_s);
    QCOMPARE(entries.plan[2 * 3 + 1], u"12.5"_s);
    QCOMPARE(entries.plan[8 * 3 + 0], u"－５"_s);
    QCOMPARE(state.objYearBase->kokugo(), qint16{60});
    QCOMPARE(state.objYearBase->syakai(), qint16{30});
    QCOMPARE(state.objYearBase->SouJisuu(), qint16{90});
    QCOMPARE(state.objYearPlan->season(2)->sannsuu(), qint16{60});
    QCOMPARE(state.objYearPlan->season(1)->taiiku(), qint16{0});
    QCOMPARE(state.objYearPlan->season(3)->onngaku(), qint16{14});
    QCOMPARE(state.objYearPlan->sannsuu(), qint16{60});
    QCOMPARE(state.objYearPlan->SouJisuu(), qint16{74});
    QCOMPARE(refusals.base, std::bitset<PlanRows>(0b11));
    std::bitset<PlanBoxes> plan;
    plan.set(2 * 3 + 1).set(8 * 3 + 0);
    QCOMPARE(refusals.plan, plan);
    QVERIFY(refusals.any());
}

void TestYearPlan::totalsNeverOverflow()
{
    AppState state;
    PlanEntries entries = zeroEntries();
    entries.base[0] = u"10000"_s;        // 30000 units
    entries.base[1] = u"10000"_s;        // the subject subtotal would reach 60000: refused
    entries.base[17] = u"900"_s;         // 2700 more in the grand total still fits
    entries.plan[0 * 3 + 0] = u"6000"_s; // 国語 term 1: 18000
    entries.plan[0 * 3 + 1] = u"6000"_s; // 国語 term 2: the year's 国語 would reach 36000: refused
    entries.plan[1 * 3 + 2] = u"5000"_s; // 社会 term 3: 15000, the year's subtotal 33000: refused
    entries.plan[2 * 3 + 2] = u"4000"_s; // 算数 term 3: 12000, the year's total 30000 fits

    const PlanRefusals refusals = storeYearPlan(state, entries);

    QCOMPARE(entries.base[1], u"10000"_s); // refused boxes keep their text
    QCOMPARE(state.objYearBase->syakai(), qint16{0});
    QCOMPARE(state.objYearBase->SouJisuu(), qint16{32700});
    QCOMPARE(refusals.base, std::bitset<PlanRows>(0b10));
    std::bitset<PlanBoxes> plan;
    plan.set(0 * 3 + 1).set(1 * 3 + 2);
    QCOMPARE(refusals.plan, plan);
    QCOMPARE(state.objYearPlan->kokugo(), qint16{18000});
    QCOMPARE(state.objYearPlan->SouJisuu(), qint16{30000});
}

void TestYearPlan::loweringMakesRoomForRaising()
{
    // 国語 (taken first) goes up to 30000 while 社会 goes down from 30000:
    // together they fit, though 国語 alone would not.
    AppState state;
    state.objYearBase->setSyakai(30000);
    state.objYearBase->computeSubtotals();
    PlanEntries entries = zeroEntries();
    entries.base[0] = u"10000"_s; // 国語 30000 units
    entries.base[1] = u"0"_s;     // 社会 down to 0

    const PlanRefusals refusals = storeYearPlan(state, entries);

    QVERIFY(refusals.base.none());
    QCOMPARE(state.objYearBase->kokugo(), qint16{30000});
    QCOMPARE(state.objYearBase->syakai(), qint16{0});
}

void TestYearPlan::summaryDifferences()
{
    AppState state;
    PlanEntries entries = zeroEntries();
    entries.base[12] = u"35"_s;           // 道徳 base 105
    entries.plan[12 * 3 + 0] = u"33.1"_s; // plan 100
    entries.base[3] = u"10"_s;            // 理科: plan equals base
    entries.plan[3 * 3 + 1] = u"10"_s;
    entries.plan[6 * 3 + 2] = u"0.1"_s; // 図工 above a base of 0
    QVERIFY(!storeYearPlan(state, entries).any());

    const auto summary = planSummary(state);

    QCOMPARE(summary[12].year, qint16{100});
    QCOMPARE(summary[12].difference, qint16{-5});
    QCOMPARE(summary[3].difference, qint16{0});
    QCOMPARE(summary[6].difference, qint16{1});
    QCOMPARE(summary[19].year, qint16{131});
    QCOMPARE(summary[19].difference, qint16{-4});
}

void TestYearPlan::keyEffects_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<PlanKeyEffect>("effect");

    QTest::newRow("left") << int{Qt::Key_Left} << false << PlanKeyEffect::MovePrevious;
    QTest::newRow("up") << int{Qt::Key_Up} << false << PlanKeyEffect::MoveUp;
    QTest::newRow("right") << int{Qt::Key_Right} << false << PlanKeyEffect::MoveNext;
    QTest::newRow("return") << int{Qt::Key_Return} << false << PlanKeyEffect::MoveNext;
    QTest::newRow("keypad enter") << int{Qt::Key_Enter} << true << PlanKeyEffect::MoveNext;
    QTest::newRow("down") << int{Qt::Key_Down} << false << PlanKeyEffect::MoveDown;
    QTest::newRow("digit") << int{Qt::Key_7} << false << PlanKeyEffect::None;
    QTest::newRow("keypad digit") << int{Qt::Key_0} << true << PlanKeyEffect::None;
    QTest::newRow("period") << int{Qt::Key_Period} << false << PlanKeyEffect::None;
    QTest::newRow("keypad decimal comma") << int{Qt::Key_Comma} << true << PlanKeyEffect::None;
    QTest::newRow("comma") << int{Qt::Key_Comma} << false << PlanKeyEffect::ResetToZero;
    QTest::newRow("shift") << int{Qt::Key_Shift} << false << PlanKeyEffect::None;
    QTest::newRow("tab") << int{Qt::Key_Tab} << false << PlanKeyEffect::None;
    QTest::newRow("letter") << int{Qt::Key_A} << false << PlanKeyEffect::ResetToZero;
    QTest::newRow("minus") << int{Qt::Key_Minus} << false << PlanKeyEffect::ResetToZero;
    QTest::newRow("backspace") << int{Qt::Key_Backspace} << false << PlanKeyEffect::ResetToZero;
}

void TestYearPlan::keyEffects()
{
    QFETCH(int, key);
    QFETCH(bool, keypad);
    QFETCH(PlanKeyEffect, effect);
    QCOMPARE(planKeyEffect(key, keypad), effect);
}

void TestYearPlan::focusMoves_data()
{
    QTest::addColumn<PlanColumn>("column");
    QTest::addColumn<int>("from");
    QTest::addColumn<PlanKeyEffect>("move");
    QTest::addColumn<int>("to");

    const auto base = PlanColumn::Base;
    const auto plan = PlanColumn::Plan;
    QTest::newRow("base up") << base << 5 << PlanKeyEffect::MoveUp << 4;
    QTest::newRow("base left from the top") << base << 0 << PlanKeyEffect::MovePrevious << 18;
    QTest::newRow("base up from the top") << base << 0 << PlanKeyEffect::MoveUp << 18;
    QTest::newRow("base down from the bottom") << base << 18 << PlanKeyEffect::MoveDown << 0;
    QTest::newRow("base enter from the bottom") << base << 18 << PlanKeyEffect::MoveNext << 0;
    QTest::newRow("plan left from the first") << plan << 0 << PlanKeyEffect::MovePrevious << 56;
    QTest::newRow("plan right from the last") << plan << 56 << PlanKeyEffect::MoveNext << 0;
    QTest::newRow("plan right to the next row") << plan << 2 << PlanKeyEffect::MoveNext << 3;
    QTest::newRow("plan up inside the term") << plan << 4 << PlanKeyEffect::MoveUp << 1;
    QTest::newRow("plan up from term 2's first row") << plan << 1 << PlanKeyEffect::MoveUp << 55;
    QTest::newRow("plan down from term 2's last row") << plan << 55 << PlanKeyEffect::MoveDown << 1;
    QTest::newRow("plan down inside the term") << plan << 53 << PlanKeyEffect::MoveDown << 56;
    QTest::newRow("plan down from term 3's last row") << plan << 56 << PlanKeyEffect::MoveDown << 2;
}

void TestYearPlan::focusMoves()
{
    QFETCH(PlanColumn, column);
    QFETCH(int, from);
    QFETCH(PlanKeyEffect, move);
    QFETCH(int, to);
    QCOMPARE(planFocusTarget(column, from, move), to);
}

void TestYearPlan::standardHoursAddUp_data()
{
    QTest::addColumn<int>("grade");
    QTest::addColumn<int>("total");
    QTest::newRow("grade 1") << 1 << 850;
    QTest::newRow("grade 2") << 2 << 910;
    QTest::newRow("grade 3") << 3 << 980;
    QTest::newRow("grade 4") << 4 << 1015;
    QTest::newRow("grade 5") << 5 << 1015;
    QTest::newRow("grade 6") << 6 << 1015;
}

void TestYearPlan::standardHoursAddUp()
{
    QFETCH(int, grade);
    QFETCH(int, total);
    int sum = 0;
    for (const std::optional<int>& lessons : standardAnnualLessons(grade))
        sum += lessons.value_or(0);
    QCOMPARE(standardAnnualTotal(grade), total);
    QCOMPARE(sum, total);
}

void TestYearPlan::standardHoursRows()
{
    // Rows: 国語 社会 算数 理科 生活 音楽 図工 家庭 体育 読解 英語 総合 道徳 学活 ｸﾗﾌﾞ 児童会 行事 打切 予備
    const auto grade1 = standardAnnualLessons(1);
    QCOMPARE(grade1[0], std::optional<int>(306));
    QCOMPARE(grade1[1], std::optional<int>(0)); // no 社会 in grade 1
    QCOMPARE(grade1[4], std::optional<int>(102));
    QCOMPARE(grade1[10], std::optional<int>(0));
    QCOMPARE(grade1[12], std::optional<int>(34));
    QCOMPARE(grade1[13], std::optional<int>(34));
    const auto grade3 = standardAnnualLessons(3);
    QCOMPARE(grade3[10], std::optional<int>(35)); // 外国語活動
    QCOMPARE(grade3[11], std::optional<int>(70));
    QCOMPARE(grade3[4], std::optional<int>(0));
    const auto grade6 = standardAnnualLessons(6);
    QCOMPARE(grade6[7], std::optional<int>(55));
    QCOMPARE(grade6[10], std::optional<int>(70)); // 外国語
    QCOMPARE(grade6[1], std::optional<int>(105));
    for (const int row : {9, 14, 15, 16, 17, 18})
        QVERIFY(!grade6[static_cast<std::size_t>(row)].has_value());
    for (const std::optional<int>& lessons : standardAnnualLessons(0))
        QVERIFY(!lessons.has_value());
}

QTEST_APPLESS_MAIN(TestYearPlan)
#include "tst_yearplan.moc"
