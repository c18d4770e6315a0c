// Subjects, lesson units and the conversions between their text forms.
#include "core/errors.h"
#include "core/subjects.h"
#include "core/units.h"

#include <QTest>

#include <limits>

using namespace lunaplan;
using namespace Qt::StringLiterals;

class TestUnits : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void creditToStr_data();
    void creditToStr();
    void strToCredit_data();
    void strToCredit();
    void strToCreditRejects_data();
    void strToCreditRejects();
    void creditRoundTrip();
    void stoC_data();
    void stoC();
    void booleans();
    void makeDate_data();
    void makeDate();
    void makeDateRejects_data();
    void makeDateRejects();
    void subjectOrders();
    void subGetCreditTexts();
};

void TestUnits::creditToStr_data()
{
    QTest::addColumn<int>("units");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0 << u"0.0"_s;
    QTest::newRow("one unit") << 1 << u"0.1"_s;
    QTest::newRow("two units") << 2 << u"0.2"_s;
    QTest::newRow("one lesson") << 3 << u"1.0"_s;
    QTest::newRow("32 lessons 15 min") << 97 << u"32.1"_s;
    QTest::newRow("32 lessons") << 96 << u"32.0"_s;
    QTest::newRow("minus one unit") << -1 << u"-0.1"_s;
    QTest::newRow("minus two units") << -2 << u"-0.2"_s;
    QTest::newRow("minus one lesson") << -3 << u"-1.0"_s;
    QTest::newRow("minus 1.1") << -4 << u"-1.1"_s;
    QTest::newRow("minus 1.2") << -5 << u"-1.2"_s;
    QTest::newRow("largest") << 32767 << u"10922.1"_s;
    QTest::newRow("smallest") << -32768 << u"-10922.2"_s;
    // Differences of two counts leave 16 bits and are written all the same.
    QTest::newRow("30000 - (-30000)") << 60000 << u"20000.0"_s;
    QTest::newRow("-30000 - 30000") << -60000 << u"-20000.0"_s;
    QTest::newRow("32767 - (-32768)") << 65535 << u"21845.0"_s;
    QTest::newRow("smallest int") << std::numeric_limits<int>::min() << u"-715827882.2"_s;
}

void TestUnits::creditToStr()
{
    QFETCH(int, units);
    QFETCH(QString, text);
    QCOMPARE(fncCreditToStr(units), text);
}

void TestUnits::strToCredit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("units");
    QTest::newRow("32.1") << u"32.1"_s << 97;
    QTest::newRow("10.2") << u"10.2"_s << 32;
    QTest::newRow("plain lessons") << u"32"_s << 96;
    QTest::newRow("zero") << u"0"_s << 0;
    QTest::newRow("0.2") << u"0.2"_s << 2;
    QTest::newRow("any digit after dot") << u"1.5"_s << 8;
    QTest::newRow("dot last") << u"32."_s << 0;
    QTest::newRow("two digits after dot") << u"3.25"_s << 0;
    QTest::newRow("two dots") << u"1.2.3"_s << 0;
    QTest::newRow("surrounding spaces") << u" 5.1"_s << 16;
    QTest::newRow("negative as written") << u"-1.1"_s << -4;
    QTest::newRow("negative below one") << u"-0.2"_s << -2;
    QTest::newRow("negative plain") << u"-2"_s << -6;
    QTest::newRow("largest") << u"10922.1"_s << 32767;
    QTest::newRow("smallest") << u"-10922.2"_s << -32768;
}

void TestUnits::strToCredit()
{
    QFETCH(QString, text);
    QFETCH(int, units);
    QCOMPARE(fncStrToCredit(text), units);
}

void TestUnits::strToCreditRejects_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("letters") << u"abc"_s;
    QTest::newRow("nothing before dot") << u".1"_s;
    QTest::newRow("letter after dot") << u"3.a"_s;
    QTest::newRow("full-width digits") << u"３２"_s;
    QTest::newRow("lessons past 16 bits") << u"10923"_s;
    QTest::newRow("units past 16 bits") << u"10922.2"_s;
    QTest::newRow("below 16 bits") << u"-10923.0"_s;
    QTest::newRow("past 32 bits") << u"99999999999"_s;
}

void TestUnits::strToCreditRejects()
{
    QFETCH(QString, text);
    QVERIFY_THROWS_EXCEPTION(ConversionError, fncStrToCredit(text));
}

void TestUnits::creditRoundTrip()
{
    for (int units = -300; units <= 300; ++units)
        QCOMPARE(fncStrToCredit(fncCreditToStr(units)), units);
}

void TestUnits::stoC_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("code");
    QTest::newRow("empty name") << QString() << u"\u3000"_s;
    QTest::newRow("総合") << u"総合"_s << u"総"_s;
    QTest::newRow("国語") << u"国語"_s << u"国"_s;
    QTest::newRow("クラブ") << u"クラブ"_s << u"ク"_s;
    QTest::newRow("行事") << u"行事"_s << u"行"_s;
    QTest::newRow("打切り") << u"打切り"_s << u"切"_s;
    QTest::newRow("予備 has no name") << u"予備"_s << QString();
    QTest::newRow("half-width club") << u"ｸﾗﾌﾞ"_s << QString();
    QTest::newRow("row label 打切") << u"打切"_s << QString();
    QTest::newRow("unknown") << u"数学"_s << QString();
}

void TestUnits::stoC()
{
    QFETCH(QString, name);
    QFETCH(QString, code);
    QCOMPARE(fncStoC(name), code);
}

void TestUnits::booleans()
{
    QCOMPARE(fncBtoS(true), u"True"_s);
    QCOMPARE(fncBtoS(false), u"False"_s);
    QVERIFY(fncStoB(u"True"));
    QVERIFY(!fncStoB(u"TRUE"));
    QVERIFY(!fncStoB(u"true"));
    QVERIFY(!fncStoB(u"True "));
    QVERIFY(!fncStoB(u"False"));
    QVERIFY(!fncStoB(u""));
}

void TestUnits::makeDate_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QDate>("date");
    QTest::newRow("April") << u" 2003"_s << u" 4"_s << u" 1"_s << QDate(2003, 4, 1);
    QTest::newRow("February next year") << u" 2003"_s << u" 2"_s << u" 11"_s << QDate(2004, 2, 11);
    QTest::newRow("31 March") << u"2003"_s << u"3"_s << u"31"_s << QDate(2004, 3, 31);
    QTest::newRow("30 December") << u"2003"_s << u"12"_s << u"30"_s << QDate(2003, 12, 30);
    QTest::newRow("leap day next year") << u"2003"_s << u"2"_s << u"29"_s << QDate(2004, 2, 29);
    QTest::newRow("trailing spaces") << u"2026 "_s << u"9 "_s << u"22 "_s << QDate(2026, 9, 22);
}

void TestUnits::makeDate()
{
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(QString, day);
    QFETCH(QDate, date);
    QCOMPARE(fncMakeDate(year, month, day), date);
}

void TestUnits::makeDateRejects_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");
    QTest::newRow("29 February of a common year") << u"2004"_s << u"2"_s << u"29"_s;
    QTest::newRow("month 13") << u"2003"_s << u"13"_s << u"1"_s;
    QTest::newRow("day 0") << u"2003"_s << u"4"_s << u"0"_s;
    QTest::newRow("month not a number") << u"2003"_s << u"x"_s << u"1"_s;
    QTest::newRow("year not a number") << u"年"_s << u"4"_s << u"1"_s;
    QTest::newRow("empty day") << u"2003"_s << u"4"_s << QString();
    QTest::newRow("no calendar year after the largest") << u"2147483647"_s << u"1"_s << u"1"_s;
}

void TestUnits::makeDateRejects()
{
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(QString, day);
    QVERIFY_THROWS_EXCEPTION(ConversionError, fncMakeDate(year, month, day));
}

void TestUnits::subjectOrders()
{
    // Every palette and report code is a subject with a name; the main
    // palette holds every named subject once.
    QCOMPARE(MainPaletteOrder.size(), 18);
    QCOMPARE(WizardPaletteOrder.size(), 15);
    QCOMPARE(ReportSubjectOrder.size(), 15);
    QVERIFY(MainPaletteOrder.startsWith(WizardPaletteOrder));
    for (const QChar code : MainPaletteOrder) {
        const Subject* subject = subjectByCode(code);
        QVERIFY2(subject, qPrintable(QString(code)));
        QVERIFY(!subject->fullName.isEmpty());
        QCOMPARE(fncStoC(subject->fullName.toString()), QString(code));
    }
    for (const QChar code : ReportSubjectOrder)
        QVERIFY(subjectByCode(code));
    QVERIFY(!subjectByCode(EmptySlot));
    QVERIFY(!totalFieldForCode(EmptySlot));
    QCOMPARE(totalFieldForCode(u'予'), TotalField::yobi);
    QCOMPARE(totalFieldForCode(u'英'), TotalField::eigo);
    QCOMPARE(planGridRowLabels(),
             (QStringList{u"国語"_s, u"社会"_s, u"算数"_s, u"理科"_s, u"生活"_s, u"音楽"_s, u"図工"_s,
                          u"家庭"_s, u"体育"_s, u"読解"_s, u"英語"_s, u"総合"_s, u"道徳"_s, u"学活"_s,
                          u"ｸﾗﾌﾞ"_s, u"児童会"_s, u"行事"_s, u"打切"_s, u"予備"_s}));
}

void TestUnits::subGetCreditTexts()
{
    const QStringList expected{u"なし"_s, u"１５分"_s, u"３０分"_s, u"４５分"_s, u"６０分"_s};
    for (int code = 0; code < expected.size(); ++code)
        QCOMPARE(subGetCredit(code), expected[code]);
    QCOMPARE(subGetCredit(5), QString());
    QCOMPARE(subGetCredit(-1), QString());
}

QTEST_GUILESS_MAIN(TestUnits)
#include "tst_units.moc"
