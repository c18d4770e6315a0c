// The class data file: exact layout, encoding, atomic save, refusal of
// damaged files without touching the state.
#include "core/appstate.h"
#include "core/errors.h"
#include "core/units.h"
#include "core/velayeartotal.h"
#include "storage/classfile.h"
#include "storage/classfilereader.h"
#include "storage/classfilewriter.h"
#include "storage/cp932.h"
#include "storage/fileerrors.h"
#include "tests/support/classyearload.h"
#include "tests/support/scriptedprompts.h"
#include "tests/support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <tuple>

Q_DECLARE_METATYPE(lunaplan::Prompts::Answer)

using namespace lunaplan;
using namespace Qt::StringLiterals;

namespace {

QString fixture(const QString& name)
{
    return QString::fromUtf8(LUNAPLAN_FIXTURES_DIR "/") + name;
}

// The lines of a file written with CR LF, without their line ends.
QList<QByteArray> crlfLines(const QByteArray& bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray& line : lines) {
        if (!line.endsWith('\r'))
            qFatal("line without CR LF: %s", line.constData());
        line.chop(1);
    }
    return lines;
}

QByteArray joinCrlf(const QList<QByteArray>& lines)
{
    QByteArray bytes;
    for (const QByteArray& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

QByteArray sjis(const QString& text)
{
    Cp932Codec codec;
    return codec.encode(text);
}

// The class of the hand-made fixtures: school year 2003, grade 3, class 2,
// the national holidays only.
void setFreshClass(AppState& s)
{
    s.intYear = 2003;
    s.intGrade = 3;
    s.strClass = u"2"_s;
    s.strTeacher = u"佐藤　花子"_s;
    const std::array<QDate, 12> calendar{QDate(2003, 4, 1),   QDate(2003, 4, 7),   QDate(2003, 7, 22),
                                         QDate(2003, 8, 31),  QDate(2003, 12, 24), QDate(2004, 1, 7),
                                         QDate(2004, 3, 25),  QDate(2004, 3, 31),  QDate(2003, 9, 23),
                                         QDate(2003, 10, 13), QDate(2004, 1, 12),  QDate(2004, 3, 20)};
    for (std::size_t i = 0; i < calendar.size(); ++i)
        s.setCalendarDate(AppState::calendarFields()[i], calendar[i]);
    s.boolSat24Off = false;
    s.boolSatOff = true;
    const std::array<QDate, 14> holidays{
        QDate(2003, 4, 29),  QDate(2003, 5, 3),  QDate(2003, 5, 4),   QDate(2003, 5, 5),  QDate(2003, 7, 21),
        QDate(2003, 9, 15),  QDate(2003, 9, 23), QDate(2003, 10, 13), QDate(2003, 11, 3), QDate(2003, 11, 24),
        QDate(2003, 12, 23), QDate(2004, 1, 12), QDate(2004, 2, 11),  QDate(2004, 3, 20)};
    s.intHolidayCount = 14;
    for (std::size_t i = 0; i < holidays.size(); ++i) {
        s.dateHoliday[i] = holidays[i];
        s.intHolidayDay[i] = dayNumber(holidays[i]);
    }
}

void setTimetablesAndPlan(AppState& s)
{
    VelaYearTotal& base = *s.objYearBase;
    base.setKokugo(735);
    base.setSyakai(210);
    base.setSannsuu(525);
    base.setRika(270);
    base.setOnngaku(180);
    base.setZukou(180);
    base.setTaiiku(315);
    base.setEigo(105);
    base.setSougou(210);
    base.setDoutoku(105);
    base.setGakkyuukatsudou(105);
    base.computeSubtotals();

    const QStringList a{u"国学国算理音　　"_s, u"国国算社体図　　"_s, u"国算国理体英　　"_s,
                        u"国国算社図総　　"_s, u"国算国体音道　　"_s, u"　　　　　　　　"_s};
    const QStringList b{u"　国算体音図　　"_s, u"　国算社理行　　"_s, u"　算国体英　　　"_s,
                        u"　国算社図総　　"_s, u"　算国道学　　　"_s, u"　　　　　　　　"_s};
    const QStringList framesB{u"03333300"_s, u"03333300"_s, u"03333000"_s, u"03333300"_s, u"03333000"_s};
    int i = 0;
    for (VelaDayTime* d = s.objWeekA->objFirstDay().get(); d; d = d->objNextDay().get())
        d->setStrSubject(a[i++]);
    i = 0;
    for (VelaDayTime* d = s.objWeekB->objFirstDay().get(); d; d = d->objNextDay().get())
        d->setStrSubject(b[i++]);
    for (std::size_t k = 0; k < 5; ++k) {
        s.strWeekCreditA[k] = u"13333300"_s;
        s.strWeekCreditB[k] = framesB[static_cast<qsizetype>(k)];
    }
    const std::array<qint16, 3> kokugo{270, 300, 246};
    for (int n = 1; n <= 3; ++n) {
        VelaSeasonTotal& term = *s.objYearPlan->season(n);
        term.setKokugo(kokugo[static_cast<std::size_t>(n - 1)]);
        if (n == 3)
            term.setYobi(-3);
        term.computeSubtotals();
    }
    s.objYearPlan->calculate();
}

AppState fixtureState(const QString& name)
{
    AppState s;
    setFreshClass(s);
    if (name == u"two-days.vl2") {
        setTimetablesAndPlan(s);
        auto april = makeRecordedDay(QDate(2003, 4, 21), u"国学国算理音　　"_s, u"13333300"_s);
        april->setStrComment(u"遠足～雨天のため延期"_s);
        s.objDayHead->appendDay(april);
        s.objDayHead->appendDay(makeRecordedDay(QDate(2004, 2, 12), u"国算国理体英　　"_s, u"13333300"_s));
    } else if (name == u"withdrawn-day.vl2") {
        auto day = makeRecordedDay(QDate(2003, 6, 10), u"　算国体英　　　"_s, u"03333000"_s);
        day->setBoolNowPlanning(true);
        s.objDayHead->appendDay(day);
    }
    return s;
}

QList<const VelaDayTime*> recordedDays(const AppState& s)
{
    QList<const VelaDayTime*> days;
    for (const VelaDayTime* d = s.objDayHead->objNextDay().get(); d; d = d->objNextDay().get())
        days.append(d);
    return days;
}

// Everything a load may change, to show that a refused load changed nothing.
struct Snapshot {
    QByteArray content;
    bool calendarReady;
    const void* weekA;
    const void* plan;
    const void* base;
    const void* firstDay;
    std::array<qint16, AppState::HolidaySlots> holidayDays;

    explicit Snapshot(const AppState& s)
        : content(formatClassFile(captureClassFile(s)))
        , calendarReady(s.boolCalendarReady)
        , weekA(s.objWeekA.get())
        , plan(s.objYearPlan.get())
        , base(s.objYearBase.get())
        , firstDay(s.objDayHead->objNextDay().get())
        , holidayDays(s.intHolidayDay)
    {}
    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

// A state that a refused load must leave alone: another class with a day of its own.
AppState otherClass()
{
    AppState s;
    s.intYear = 2010;
    s.intGrade = 5;
    s.strClass = u"1"_s;
    s.boolCalendarReady = true;
    s.objDayHead->appendDay(makeRecordedDay(QDate(2010, 5, 6), u"算算算算算算算算"_s, u"13333300"_s));
    return s;
}

} // namespace

class TestClassFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();

    void writesFixturesExactly_data();
    void writesFixturesExactly();
    void layoutWithFourteenHolidays();
    void readsFixtures();
    void loadReplacesTheDayList();
    void loadOrdersDaysOfAnUnorderedFile();
    void saveLoadSaveIsByteIdentical_data();
    void saveLoadSaveIsByteIdentical();
    void lfLineEndsAreRead();
    void textLinesReadEachAsItsOwn_data();
    void textLinesReadEachAsItsOwn();
    void sampleYear();

    void cp932Mapping_data();
    void cp932Mapping();
    void cp932RefusesInvalidBytes_data();
    void cp932RefusesInvalidBytes();
    void cp932Unencodable_data();
    void cp932Unencodable();
    void unencodableCharactersOfTheFile();
    void saveAsksBeforeLosingCharacters_data();
    void saveAsksBeforeLosingCharacters();
    void unmappableCharactersAndLineBreaksInText();

    void saveWithoutDataWritesNothing_data();
    void saveWithoutDataWritesNothing();
    void failedWriteKeepsThePreviousFile();
    void saveToAMissingFolderFails();
    void saveRefusesWhatCannotBeReadBack();

    void notAClassFile_data();
    void notAClassFile();
    void damagedFileChangesNothing_data();
    void damagedFileChangesNothing();
    void missingFileChangesNothing();
    void fileErrorReasons_data();
    void fileErrorReasons();
    void largestFiles();
    void corpusIsReadSafely_data();
    void corpusIsReadSafely();

    void randomWorkReadsBack();

private:
    QTemporaryDir m_dir;
};

void TestClassFile::init()
{
    QVERIFY(m_dir.isValid());
}

void TestClassFile::writesFixturesExactly_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("fresh class") << u"fresh-class.vl2"_s;
    QTest::newRow("days in April and February") << u"two-days.vl2"_s;
    QTest::newRow("withdrawn day") << u"withdrawn-day.vl2"_s;
}

void TestClassFile::writesFixturesExactly()
{
    QFETCH(QString, name);
    AppState state = fixtureState(name);
    state.strFileName = m_dir.filePath(name);
    test::ScriptedPrompts prompts;
    subSaveFile(state, prompts);
    QVERIFY(prompts.shown.isEmpty());
    const QList<QByteArray> written = crlfLines(test::readBytes(state.strFileName));
    const QList<QByteArray> expected = crlfLines(test::readBytes(fixture(name)));
    for (qsizetype i = 0; i < std::min(written.size(), expected.size()); ++i)
        QVERIFY2(written[i] == expected[i],
                 qPrintable(u"line %1: %2"_s.arg(i + 1).arg(QString::fromLatin1(written[i].toHex()))));
    QCOMPARE(written.size(), expected.size());
    QCOMPARE(test::readBytes(state.strFileName), test::readBytes(fixture(name)));
}

// Line numbers from 1; with 14 holidays the base hours are lines 63 to 85,
// the timetables 86 to 107, the plan 108 to 176 and the days start at 177.
void TestClassFile::layoutWithFourteenHolidays()
{
    const QList<QByteArray> lines = crlfLines(test::readBytes(fixture(u"two-days.vl2"_s)));
    const auto line = [&](int n) { return lines.at(n - 1); };
    QCOMPARE(lines.size(), 176 + 2 * 6);
    QCOMPARE(line(1), "Soraplan");
    QCOMPARE(line(2), " 2003"); // a number: one leading space
    QCOMPARE(line(4), "2");
    QCOMPARE(line(5), sjis(u"佐藤　花子"_s));
    QCOMPARE(line(6), " 4"); // dateYearStart: month, day
    QCOMPARE(line(7), " 1");
    QCOMPARE(line(16), " 1"); // dateWinterEnd in January
    QCOMPARE(line(30), "False");
    QCOMPARE(line(31), "True");
    QCOMPARE(line(32), " 14");
    QCOMPARE(line(33), " 4"); // first holiday, 29 April
    QCOMPARE(line(34), " 29");
    QCOMPARE(line(61), " 12"); // the entry after the last holiday: the zero date
    QCOMPARE(line(62), " 30");
    QCOMPARE(line(63), " 105 ");                     // base: doutoku, a total with a trailing space
    QCOMPARE(line(64), " 0 ");                       // gakkougyouji
    QCOMPARE(line(68), " 735 ");                     // kokugo
    QCOMPARE(line(70), " 2520 ");                    // KyoukaSyoukei
    QCOMPARE(line(85), " 0 ");                       // dokkai
    QCOMPARE(line(86), sjis(u"国学国算理音　　"_s)); // timetable A, Monday
    QCOMPARE(line(91), sjis(u"　　　　　　　　"_s)); // timetable A, Saturday
    QCOMPARE(line(92), sjis(u"　国算体音図　　"_s)); // timetable B, Monday
    QCOMPARE(line(98), "13333300");                  // frame A, Monday
    QCOMPARE(line(103), "03333300");                 // frame B, Monday
    QCOMPARE(line(107), "03333000");                 // frame B, Friday
    QCOMPARE(line(108), " 0 ");                      // term 1: doutoku
    QCOMPARE(line(113), " 270 ");                    // term 1: kokugo
    QCOMPARE(line(136), " 300 ");                    // term 2: kokugo
    QCOMPARE(line(159), " 246 ");                    // term 3: kokugo
    QCOMPARE(line(167), " 243 ");                    // term 3: SouJisuu
    QCOMPARE(line(173), "-3 ");                      // term 3: yobi, negative without a space
    QCOMPARE(line(176), " 0 ");                      // term 3: dokkai
    QCOMPARE(line(177), " 4"); // first day: month, day, subjects, lengths, comment, flag
    QCOMPARE(line(178), " 21");
    QCOMPARE(line(179), sjis(u"国学国算理音　　"_s));
    QCOMPARE(line(180), "13333300");
    QCOMPARE(line(181),
             QByteArray("\x89\x93\x91\xab\x81\x60\x89\x4a\x93\x56\x82\xcc\x82\xbd\x82\xdf\x89\x84\x8a\xfa"));
    QCOMPARE(line(182), "False");
    QCOMPARE(line(183), " 2");
    QCOMPARE(line(184), " 12");

    const QList<QByteArray> withdrawn = crlfLines(test::readBytes(fixture(u"withdrawn-day.vl2"_s)));
    QCOMPARE(withdrawn.size(), 182);
    QCOMPARE(withdrawn.at(176), " 6");
    QCOMPARE(withdrawn.at(181), "True");
}

void TestClassFile::readsFixtures()
{
    test::ScriptedPrompts prompts;
    AppState state;
    state.boolCalendarReady = true;
    state.strWeekCreditA[5] = u"13300000"_s; // Saturday's frame is not in the file and stays
    state.strFileName = fixture(u"two-days.vl2"_s);
    const auto yearBase = state.objYearBase;
    subLoadFile(state, prompts);
    QVERIFY(prompts.shown.isEmpty());
    QCOMPARE(state.strFileName, fixture(u"two-days.vl2"_s));
    QCOMPARE(state.boolCalendarReady, false);

    const AppState expected = fixtureState(u"two-days.vl2"_s);
    QCOMPARE(state.intYear, 2003);
    QCOMPARE(state.intGrade, 3);
    QCOMPARE(state.strClass, u"2"_s);
    QCOMPARE(state.strTeacher, u"佐藤　花子"_s);
    for (const auto& field : AppState::calendarFields()) {
        QCOMPARE(state.*field.date, expected.*field.date);
        QCOMPARE(state.*field.dayOfYear, expected.*field.dayOfYear);
    }
    QCOMPARE(state.intWinterEndDay, 7); // 7 January 2004
    QCOMPARE(state.boolSat24Off, false);
    QCOMPARE(state.boolSatOff, true);
    QCOMPARE(state.intHolidayCount, 14);
    for (std::size_t i = 0; i < 14; ++i) {
        QCOMPARE(state.dateHoliday[i], expected.dateHoliday[i]);
        QCOMPARE(state.intHolidayDay[i], expected.intHolidayDay[i]);
    }
    // The entry after the last holiday, stored as 12/30, reads back as 30 December of the year.
    QCOMPARE(state.dateHoliday[14], QDate(2003, 12, 30));
    QCOMPARE(state.intHolidayDay[14], 364);

    QCOMPARE(state.objYearBase, yearBase); // read into the existing object
    QCOMPARE(static_cast<const TotalsRecord&>(*state.objYearBase),
             static_cast<const TotalsRecord&>(*expected.objYearBase));

    for (const auto& [week, frames, expectedWeek] :
         {std::tuple{state.objWeekA.get(), &state.strWeekCreditA, expected.objWeekA.get()},
          std::tuple{state.objWeekB.get(), &state.strWeekCreditB, expected.objWeekB.get()}}) {
        int weekday = 1;
        const VelaDayTime* e = expectedWeek->objFirstDay().get();
        for (const VelaDayTime* d = week->objFirstDay().get(); d; d = d->objNextDay().get(), ++weekday) {
            QCOMPARE(d->intWeekName(), weekday);
            QCOMPARE(d->strSubject(), e->strSubject());
            QCOMPARE(d->strCredit(), (*frames)[static_cast<std::size_t>(weekday - 1)]);
            e = e->objNextDay().get();
        }
        QCOMPARE(weekday, 7);
        QCOMPARE(week->objLastDay()->intWeekName(), 6);
    }
    QCOMPARE(state.strWeekCreditB[2], u"03333000"_s);
    QCOMPARE(state.objWeekA->objLastDay()->strCredit(), u"13300000"_s);

    for (int n = 1; n <= 3; ++n)
        QCOMPARE(static_cast<const TotalsRecord&>(*state.objYearPlan->season(n)),
                 static_cast<const TotalsRecord&>(*expected.objYearPlan->season(n)));
    QCOMPARE(state.objYearPlan->kokugo(), 816); // the year is summed from the terms
    QCOMPARE(state.objYearPlan->yobi(), -3);
    QCOMPARE(state.objYearPlan->SouJisuu(), 813);

    const QList<const VelaDayTime*> days = recordedDays(state);
    QCOMPARE(days.size(), 2);
    QCOMPARE(days[0]->dateThisDay(), QDate(2003, 4, 21));
    QCOMPARE(days[0]->intThisDay, 111);
    QCOMPARE(days[0]->intWeekName(), 1);
    QCOMPARE(days[0]->strSubject(), u"国学国算理音　　"_s);
    QCOMPARE(days[0]->strCredit(), u"13333300"_s);
    QCOMPARE(days[0]->strComment(), u"遠足～雨天のため延期"_s);
    QVERIFY(days[0]->boolWorkDay());
    QVERIFY(!days[0]->boolNowPlanning());
    QCOMPARE(days[1]->dateThisDay(), QDate(2004, 2, 12)); // February belongs to the next calendar year
    QCOMPARE(days[1]->intWeekName(), 4);
    QCOMPARE(days[1]->strComment(), QString());

    AppState withdrawn;
    withdrawn.strFileName = fixture(u"withdrawn-day.vl2"_s);
    subLoadFile(withdrawn, prompts);
    QCOMPARE(recordedDays(withdrawn).size(), 1);
    QVERIFY(recordedDays(withdrawn)[0]->boolNowPlanning());
    QCOMPARE(recordedDays(withdrawn)[0]->dateThisDay(), QDate(2003, 6, 10));

    AppState fresh;
    fresh.strFileName = fixture(u"fresh-class.vl2"_s);
    subLoadFile(fresh, prompts);
    QVERIFY(recordedDays(fresh).isEmpty());
    QCOMPARE(fresh.objWeekA->objFirstDay()->strSubject(), QString());
    QCOMPARE(fresh.objYearPlan->SouJisuu(), 0);
}

// The file's days replace the whole list. Kept days of another school year
// would be written with their month and day only and come back as the file's
// year, overwriting its own record of that date.
void TestClassFile::loadReplacesTheDayList()
{
    AppState state;
    auto foreign = makeRecordedDay(QDate(2010, 4, 21), u"算算算算算算算算"_s, u"13333300"_s);
    state.objDayHead->appendDay(foreign);
    state.objDayHead->appendDay(makeRecordedDay(QDate(2003, 5, 7), u"体体体体体体体体"_s, u"13333300"_s));
    state.strFileName = fixture(u"two-days.vl2"_s);
    test::ScriptedPrompts prompts;
    subLoadFile(state, prompts);
    const auto dates = [](const AppState& s) {
        QList<QDate> list;
        for (const VelaDayTime* d : recordedDays(s))
            list.append(d->dateThisDay());
        return list;
    };
    QCOMPARE(dates(state), (QList<QDate>{QDate(2003, 4, 21), QDate(2004, 2, 12)}));

    state.strFileName = m_dir.filePath(u"again.vl2"_s);
    subSaveFile(state, prompts);
    AppState reread;
    reread.strFileName = state.strFileName;
    subLoadFile(reread, prompts);
    QCOMPARE(dates(reread), dates(state));
    QCOMPARE(recordedDays(reread).first()->strSubject(), u"国学国算理音　　"_s);
}

// A file's days out of date order, or a date twice, end up as appendDay puts
// them: in date order, the later record of a date in place of the earlier.
void TestClassFile::loadOrdersDaysOfAnUnorderedFile()
{
    QList<QByteArray> lines = crlfLines(test::readBytes(fixture(u"two-days.vl2"_s)));
    lines += {" 4", " 21", sjis(u"体体体体体体体体"_s), "13333300", "", "False"};
    lines += {" 5", " 7", sjis(u"音音音音音音音音"_s), "13333300", "", "True"};
    lines += {" 3", " 1", sjis(u"図図図図図図図図"_s), "13333300", "", "False"};
    lines += {" 3", " 1", sjis(u"理理理理理理理理"_s), "13333300", "", "False"}; // replaces the last day
    lines += {" 3", " 2", sjis(u"社社社社社社社社"_s), "13333300", "", "False"};
    const QString path = m_dir.filePath(u"unordered.vl2"_s);
    test::writeBytes(path, joinCrlf(lines));
    AppState state;
    state.strFileName = path;
    test::ScriptedPrompts prompts;
    subLoadFile(state, prompts);
    QStringList days;
    for (const VelaDayTime* d : recordedDays(state))
        days.append(d->dateThisDay().toString(Qt::ISODate) + u' ' + d->strSubject().left(1));
    QCOMPARE(days, (QStringList{u"2003-04-21 体"_s, u"2003-05-07 音"_s, u"2004-02-12 国"_s,
                                u"2004-03-01 理"_s, u"2004-03-02 社"_s}));
    QVERIFY(recordedDays(state)[1]->boolNowPlanning());
}

void TestClassFile::saveLoadSaveIsByteIdentical_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("fresh class") << fixture(u"fresh-class.vl2"_s);
    QTest::newRow("two days") << fixture(u"two-days.vl2"_s);
    QTest::newRow("withdrawn day") << fixture(u"withdrawn-day.vl2"_s);
    QTest::newRow("sample year") << QString::fromUtf8(LUNAPLAN_EXAMPLES_DIR "/sample-2026-3-2.vl2");
}

void TestClassFile::saveLoadSaveIsByteIdentical()
{
    QFETCH(QString, path);
    test::ScriptedPrompts prompts;
    AppState first;
    first.strFileName = path;
    subLoadFile(first, prompts);
    first.strFileName = m_dir.filePath(u"first.vl2"_s);
    subSaveFile(first, prompts);
    AppState second;
    second.strFileName = first.strFileName;
    subLoadFile(second, prompts);
    second.strFileName = m_dir.filePath(u"second.vl2"_s);
    subSaveFile(second, prompts);
    QVERIFY(prompts.shown.isEmpty());
    QCOMPARE(test::readBytes(second.strFileName), test::readBytes(first.strFileName));
    QCOMPARE(test::readBytes(first.strFileName), test::readBytes(path));
}

void TestClassFile::lfLineEndsAreRead()
{
    const QByteArray crlf = test::readBytes(fixture(u"two-days.vl2"_s));
    QByteArray lf = crlf;
    lf.replace("\r\n", "\n");
    const std::optional<ClassFileData> fromLf = parseClassFile(lf);
    QVERIFY(fromLf);
    QVERIFY(*fromLf == *parseClassFile(crlf));
    QCOMPARE(formatClassFile(*fromLf), crlf);
    // The last line may also end without a line end, or with CR alone.
    lf.chop(1);
    QVERIFY(*parseClassFile(lf) == *fromLf);
    const QByteArray withdrawn = test::readBytes(fixture(u"withdrawn-day.vl2"_s));
    QVERIFY(parseClassFile(withdrawn.chopped(1))->days.at(0).boolNowPlanning);
}

// Each text line has its own text, also when a line just before it has as
// many bytes or the same bytes.
void TestClassFile::textLinesReadEachAsItsOwn_data()
{
    QTest::addColumn<QString>("strClass");
    QTest::addColumn<QString>("strTeacher");
    QTest::newRow("as many bytes") << u"１組"_s << u"２組"_s;
    QTest::newRow("the same bytes") << u"１組"_s << u"１組"_s;
    QTest::newRow("ASCII then the same bytes in Japanese") << u"ab"_s << u"あ"_s;
    QTest::newRow("half-width kana, backslash and tilde") << u"ｱｲｳ\\~"_s << u"高橋～"_s;
    QTest::newRow("empty then a text") << QString() << u"1"_s;
}

void TestClassFile::textLinesReadEachAsItsOwn()
{
    QFETCH(QString, strClass);
    QFETCH(QString, strTeacher);
    QList<QByteArray> lines = crlfLines(test::readBytes(fixture(u"fresh-class.vl2"_s)));
    lines[3] = sjis(strClass);
    lines[4] = sjis(strTeacher);
    const std::optional<ClassFileData> data = parseClassFile(joinCrlf(lines));
    QVERIFY(data);
    QCOMPARE(data->strClass, strClass);
    QCOMPARE(data->strTeacher, strTeacher);
}

// The sample class year of the README, as the generator wrote it.
void TestClassFile::sampleYear()
{
    AppState state;
    state.strFileName = QString::fromUtf8(LUNAPLAN_EXAMPLES_DIR "/sample-2026-3-2.vl2");
    test::ScriptedPrompts prompts;
    subLoadFile(state, prompts);
    QCOMPARE(state.intYear, 2026);
    QCOMPARE(state.intGrade, 3);
    QCOMPARE(state.strClass, u"2"_s);

    const QList<const VelaDayTime*> days = recordedDays(state);
    QVERIFY(days.size() > 120);
    QCOMPARE(days.first()->dateThisDay(), QDate(2026, 4, 6));
    QCOMPARE(days.last()->dateThisDay(), QDate(2026, 12, 9));
    int withdrawn = 0;
    for (const VelaDayTime* day : days) {
        QVERIFY2(state.fncIsWorkDay(day->dateThisDay()),
                 qPrintable(day->dateThisDay().toString(Qt::ISODate)));
        QCOMPARE(day->strSubject().size(), 8);
        QCOMPARE(day->strCredit().size(), 8);
        withdrawn += day->boolNowPlanning() ? 1 : 0;
    }
    QVERIFY(withdrawn > 0);

    // Past the national entries only the school's own holiday: the legal
    // days off that the entries cannot hold are derived, not stored.
    QCOMPARE(state.intHolidayCount, AppState::NationalHolidayCount + 1);
    QCOMPARE(state.dateHoliday[AppState::NationalHolidayCount], QDate(2026, 11, 20));
    QVERIFY(state.legalDaysOff().contains(QDate(2026, 9, 22)));
    QVERIFY(!state.fncIsWorkDay(QDate(2026, 9, 22)));

    // The plan splits the base hours over the terms.
    for (const TotalField field : PerCodeFields)
        QCOMPARE(state.objYearPlan->value(field), state.objYearBase->value(field));
    QCOMPARE(state.objYearBase->kokugo(), 3 * 245);
    QCOMPARE(state.objYearBase->SouJyugyouJisuu(), 3 * 980);

    // Until 9 December: terms 1 and 2 held lessons, term 3 none, the year
    // somewhere between half and all of the base hours.
    assignResultTerms(state);
    QVERIFY(state.objYearResult->season(1)->SouJyugyouJisuu() > 0);
    QVERIFY(state.objYearResult->season(2)->SouJyugyouJisuu() > 0);
    QCOMPARE(state.objYearResult->season(3)->SouJisuu(), 0);
    const int held = state.objYearResult->SouJyugyouJisuu();
    QVERIFY2(held > state.objYearBase->SouJyugyouJisuu() / 2 && held < state.objYearBase->SouJyugyouJisuu(),
             qPrintable(QString::number(held)));
    QVERIFY(state.objYearResult->gakkougyouji() > 0);
    QVERIFY(state.objYearResult->uchikiri() > 0);
}

void TestClassFile::cp932Mapping_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("wave dash is U+FF5E") << u"～"_s << QByteArray("\x81\x60");
    QTest::newRow("horizontal bar is U+2015") << u"―"_s << QByteArray("\x81\x5c");
    QTest::newRow("fullwidth reverse solidus") << u"＼"_s << QByteArray("\x81\x5f");
    QTest::newRow("fullwidth hyphen-minus") << u"－"_s << QByteArray("\x81\x7c");
    QTest::newRow("parallel to") << u"∥"_s << QByteArray("\x81\x61");
    QTest::newRow("fullwidth not sign") << u"￢"_s << QByteArray("\x81\xca");
    QTest::newRow("ASCII backslash and tilde") << u"\\~"_s << QByteArray("\x5c\x7e");
    QTest::newRow("ideographic space") << u"　"_s << QByteArray("\x81\x40");
    QTest::newRow("half-width katakana") << u"ｸﾗﾌﾞ"_s << QByteArray("\xb8\xd7\xcc\xde");
    QTest::newRow("NEC circled one") << u"①"_s << QByteArray("\x87\x40");
    QTest::newRow("subject codes") << u"国社算理生音図家体読英総道学ク児行切予"_s
                                   << QByteArray(
                                          "\x8d\x91\x8e\xd0\x8e\x5a\x97\x9d\x90\xb6\x89\xb9\x90\x7d\x89\xc6"
                                          "\x91\xcc\x93\xc7\x89\x70\x91\x8d\x93\xb9\x8a\x77\x83\x4e\x8e\x99"
                                          "\x8d\x73\x90\xd8\x97\x5c");
}

void TestClassFile::cp932Mapping()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    Cp932Codec codec;
    QCOMPARE(codec.encode(text), bytes);
    QCOMPARE(codec.decode(bytes).value_or(u"(invalid)"_s), text);
}

void TestClassFile::cp932RefusesInvalidBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("0x80") << QByteArray("a\x80");
    QTest::newRow("0xA0") << QByteArray("\xa0");
    QTest::newRow("0xFD") << QByteArray("\xfd");
    QTest::newRow("lead byte at the end") << QByteArray("\x8d\x91\x81");
    QTest::newRow("bad trail byte") << QByteArray("\x81\x7f");
}

void TestClassFile::cp932RefusesInvalidBytes()
{
    QFETCH(QByteArray, bytes);
    Cp932Codec codec;
    QVERIFY(!codec.decode(bytes));
}

void TestClassFile::cp932Unencodable_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("characters");
    // 〜 (U+301C, as input methods type it) is written as ～.
    QTest::newRow("all held") << u"髙橋　①～〜ｸﾗﾌﾞ"_s << QStringList();
    QTest::newRow("outside the BMP, whole") << u"𠮷田"_s << QStringList{u"𠮷"_s};
    QTest::newRow("each once, in order") << u"😀山田😀한𠮷"_s << QStringList{u"😀"_s, u"한"_s, u"𠮷"_s};
    QTest::newRow("lone surrogate") << u"a"_s + QChar(0xD800) + u"b"_s << QStringList{QString(QChar(0xD800))};
}

void TestClassFile::cp932Unencodable()
{
    QFETCH(QString, text);
    QFETCH(QStringList, characters);
    QCOMPARE(lunaplan::cp932Unencodable(text), characters);
}

void TestClassFile::unencodableCharactersOfTheFile()
{
    ClassFileData data;
    data.strClass = u"ひまわり😀"_s;
    data.strTeacher = u"𠮷田"_s;
    data.weekSubjectsB[2] = u"国한"_s;
    data.days.append({QDate(2010, 5, 6), u"算算算算算算算算"_s, u"13333300"_s, u"遠足😀♫"_s, false});
    QCOMPARE(unencodableCharacters(data), (QStringList{u"😀"_s, u"𠮷"_s, u"한"_s, u"♫"_s}));
    data = ClassFileData();
    data.strTeacher = u"山田"_s;
    QVERIFY(unencodableCharacters(data).isEmpty());
}

void TestClassFile::saveAsksBeforeLosingCharacters_data()
{
    QTest::addColumn<Prompts::Answer>("answer");
    QTest::newRow("はい writes") << Prompts::Answer::Yes;
    QTest::newRow("いいえ writes nothing") << Prompts::Answer::No;
}

void TestClassFile::saveAsksBeforeLosingCharacters()
{
    QFETCH(Prompts::Answer, answer);
    AppState state = fixtureState(u"two-days.vl2"_s);
    state.strTeacher = u"𠮷田😀"_s;
    state.strFileName = m_dir.filePath(u"question.vl2"_s);
    test::writeBytes(state.strFileName, "previous");
    test::ScriptedPrompts prompts;
    prompts.answers.enqueue(answer);

    const bool written = subSaveFile(state, prompts);

    QCOMPARE(written, answer == Prompts::Answer::Yes);
    QCOMPARE(prompts.shown.size(), 1);
    QCOMPARE(prompts.shown[0].kind, u"yesno"_s);
    QCOMPARE(prompts.shown[0].text,
             u"次の文字はファイルに保存できないため「？」になります: 𠮷 😀。このまま保存しますか。"_s);
    QCOMPARE(prompts.shown[0].title, applicationTitle());
    if (written)
        QCOMPARE(crlfLines(test::readBytes(state.strFileName))[4], sjis(u"？田？"_s));
    else
        QCOMPARE(test::readBytes(state.strFileName), QByteArray("previous"));
}

void TestClassFile::unmappableCharactersAndLineBreaksInText()
{
    AppState state = fixtureState(u"two-days.vl2"_s);
    state.strClass = u"2\r\n組"_s;
    state.strTeacher = u"山田😀\n한"_s + QChar(0xD800); // emoji, Hangul, a lone surrogate
    state.objDayHead->objNextDay()->objNextDay()->setStrComment(u"line\rbreak"_s);
    state.strFileName = m_dir.filePath(u"text.vl2"_s);
    test::ScriptedPrompts prompts;
    prompts.answers.enqueue(Prompts::Answer::Yes); // to the question naming them
    QVERIFY(subSaveFile(state, prompts));
    const QList<QByteArray> lines = crlfLines(test::readBytes(state.strFileName));
    QCOMPARE(lines.size(), 188); // nothing shifted
    QCOMPARE(lines[3], sjis(u"2  組"_s));
    QCOMPARE(lines[4], QByteArray("\x8e\x52\x93\x63\x81\x48\x20\x81\x48\x81\x48"));

    AppState reread;
    reread.strFileName = state.strFileName;
    subLoadFile(reread, prompts);
    QCOMPARE(reread.strClass, u"2  組"_s);
    QCOMPARE(reread.strTeacher, u"山田？ ？？"_s);
    QCOMPARE(recordedDays(reread)[1]->strComment(), u"line break"_s);
    QCOMPARE(recordedDays(reread)[1]->strSubject(), u"国算国理体英　　"_s);
    QCOMPARE(Cp932Codec::ReplacementCharacter, QChar(u'？'));
}

void TestClassFile::saveWithoutDataWritesNothing_data()
{
    QTest::addColumn<bool>("withFileName");
    QTest::addColumn<int>("year");
    QTest::newRow("no file name") << false << 2003;
    QTest::newRow("no class (year 0)") << true << 0;
}

void TestClassFile::saveWithoutDataWritesNothing()
{
    QFETCH(bool, withFileName);
    QFETCH(int, year);
    const QString path = m_dir.filePath(u"nothing.vl2"_s);
    test::writeBytes(path, "previous");
    AppState state = fixtureState(u"two-days.vl2"_s);
    state.intYear = static_cast<qint16>(year);
    state.strFileName = withFileName ? path : QString();
    test::ScriptedPrompts prompts;
    QVERIFY(!subSaveFile(state, prompts));
    QCOMPARE(prompts.shown.size(), 1);
    QCOMPARE(prompts.shown[0].kind, u"message"_s);
    QCOMPARE(prompts.shown[0].text, u"まだ保存するデータがありません。"_s);
    QCOMPARE(prompts.shown[0].title, applicationTitle());
    QCOMPARE(prompts.shown[0].icon, Prompts::Icon::None);
    QCOMPARE(test::readBytes(path), QByteArray("previous"));
}

// A write that fails half-way (here: the file size limit of the process, as a
// full disk would) leaves the previous file whole and no temporary file behind.
void TestClassFile::failedWriteKeepsThePreviousFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"class.vl2"_s);
    const QByteArray previous = test::readBytes(fixture(u"two-days.vl2"_s));
    test::writeBytes(path, previous);

    AppState state = fixtureState(u"two-days.vl2"_s);
    for (QDate d(2003, 4, 8); d < QDate(2003, 7, 20); d = d.addDays(1))
        state.objDayHead->appendDay(makeRecordedDay(d, u"国算国理体英　　"_s, u"13333300"_s));
    state.strFileName = path;

    rlimit old{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    test::ScriptedPrompts prompts;
    int number = 0;
    QString description;
    try {
        subSaveFile(state, prompts);
    } catch (const FileError& e) {
        number = e.number();
        description = e.description();
    }
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY2(number != 0, "the failed write was not reported");
    QVERIFY2(description.contains(path), qPrintable(description));
    QCOMPARE(description, u"ファイル「%1」を書き込めませんでした: ファイルが大きすぎます"_s.arg(path));
    QCOMPARE(test::readBytes(path), previous);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"class.vl2"_s});
    QVERIFY(prompts.shown.isEmpty());
}

void TestClassFile::saveToAMissingFolderFails()
{
    AppState state = fixtureState(u"fresh-class.vl2"_s);
    state.strFileName = m_dir.filePath(u"no-such-folder/class.vl2"_s);
    test::ScriptedPrompts prompts;
    try {
        subSaveFile(state, prompts);
        QFAIL("saved into a folder that does not exist");
    } catch (const FileError& e) {
        QCOMPARE(e.description(),
                 u"ファイル「%1」を保存のために開けませんでした: 保存先のフォルダーが見つかりません"_s.arg(
                     state.strFileName));
        QCOMPARE(e.number(), FileError::PathAccess);
    }
    QCOMPARE(state.strFileName, m_dir.filePath(u"no-such-folder/class.vl2"_s));
}

// A day of 29 February recorded in a leap year, after the class was moved to
// a school year without that day, would make the file unreadable: the save
// is refused and the previous file kept.
void TestClassFile::saveRefusesWhatCannotBeReadBack()
{
    const QString path = m_dir.filePath(u"leap.vl2"_s);
    test::writeBytes(path, "previous");
    AppState state = fixtureState(u"fresh-class.vl2"_s);
    state.intYear = 2006; // February 2007 has 28 days
    state.objDayHead->appendDay(makeRecordedDay(QDate(2004, 2, 29), u"国国国国国国国国"_s, u"13333300"_s));
    state.strFileName = path;
    test::ScriptedPrompts prompts;
    try {
        subSaveFile(state, prompts);
        QFAIL("saved a day that cannot be read back");
    } catch (const FormatError& e) {
        QCOMPARE(e.description(), u"178行目: 日付ではありません"_s); // the day line of the record
    }
    QCOMPARE(test::readBytes(path), QByteArray("previous"));
}

void TestClassFile::notAClassFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray rest = test::readBytes(fixture(u"fresh-class.vl2"_s)).mid(10);
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("magic followed by a space") << "Soraplan \r\n" + rest;
    QTest::newRow("lower case") << "soraplan\r\n" + rest;
    QTest::newRow("byte order mark") << "\xef\xbb\xbfSoraplan\r\n" + rest;
    QTest::newRow("empty first line") << "\r\nSoraplan\r\n" + rest;
    QTest::newRow("binary") << QByteArray("\x7f"
                                          "ELF\x02\x01\x01\x00",
                                          8);
}

void TestClassFile::notAClassFile()
{
    QFETCH(QByteArray, bytes);
    const QString path = m_dir.filePath(u"other.vl2"_s);
    test::writeBytes(path, bytes);
    AppState state = otherClass();
    const Snapshot before(state);
    state.strFileName = path;
    test::ScriptedPrompts prompts;
    subLoadFile(state, prompts);
    QCOMPARE(prompts.shown.size(), 1);
    QCOMPARE(prompts.shown[0].text, u"「Lunaplan2002」のデータファイルではありません"_s);
    QCOMPARE(prompts.shown[0].title, applicationTitle());
    QCOMPARE(prompts.shown[0].icon, Prompts::Icon::None);
    QCOMPARE(state.strFileName, QString());
    QVERIFY(Snapshot(state) == before);
}

void TestClassFile::damagedFileChangesNothing_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<int>("line");         // the line to replace (0: none)
    QTest::addColumn<QByteArray>("value"); // its new content
    QTest::addColumn<int>("cut");          // lines to drop from the end
    QTest::addColumn<QString>("error");    // the expected description; empty: the file is accepted

    const QString fresh = u"fresh-class.vl2"_s;
    const QString days = u"two-days.vl2"_s;
    const auto row = [](const char* name) { return &QTest::newRow(name); };
    // Number lines: spaces, a sign, digits, spaces; nothing else.
    *row("grade without space") << fresh << 3 << QByteArray("5") << 0 << QString();
    *row("grade with plus and spaces") << fresh << 3 << QByteArray("  +5  ") << 0 << QString();
    *row("grade with letters") << fresh << 3 << QByteArray(" 5x") << 0 << u"3行目: 数値ではありません"_s;
    *row("year with a decimal point")
        << fresh << 2 << QByteArray(" 2003.5") << 0 << u"2行目: 数値ではありません"_s;
    *row("empty number line") << fresh << 32 << QByteArray("") << 0 << u"32行目: 数値ではありません"_s;
    *row("tab after number") << fresh << 32 << QByteArray(" 14\t") << 0 << u"32行目: 数値ではありません"_s;
    *row("space inside sign") << fresh << 32 << QByteArray("- 1") << 0 << u"32行目: 数値ではありません"_s;
    *row("full-width digits") << fresh << 3 << sjis(u"３"_s) << 0 << u"3行目: 数値ではありません"_s;
    *row("total beyond 16 bits") << fresh << 70 << QByteArray(" 32768 ") << 0
                                 << u"70行目: 数値が範囲外です（-32768～32767）"_s;
    *row("huge total") << fresh << 70 << QByteArray(" 99999999999999999999 ") << 0
                       << u"70行目: 数値が範囲外です（-32768～32767）"_s;
    *row("grade 7") << fresh << 3 << QByteArray(" 7") << 0 << u"3行目: 数値が範囲外です（0～6）"_s;
    *row("year 0") << fresh << 2 << QByteArray(" 0") << 0 << u"2行目: 数値が範囲外です（1～9998）"_s;
    // Dates.
    *row("month 13") << fresh << 6 << QByteArray(" 13") << 0 << u"6行目: 月が1～12ではありません"_s;
    *row("month 0") << fresh << 33 << QByteArray(" 0") << 0 << u"33行目: 月が1～12ではありません"_s;
    *row("day 32") << fresh << 7 << QByteArray(" 32") << 0 << u"7行目: 日付ではありません"_s;
    *row("31 April") << fresh << 7 << QByteArray(" 31") << 0 << u"7行目: 日付ではありません"_s;
    *row("29 February 2004 exists") << fresh << 58 << QByteArray(" 29") << 0 << QString();
    *row("30 February") << fresh << 58 << QByteArray(" 30") << 0 << u"58行目: 日付ではありません"_s;
    *row("day month not a number") << days << 177 << QByteArray("April") << 0
                                   << u"177行目: 数値ではありません"_s;
    // Holiday count.
    *row("holiday count -1") << fresh << 32 << QByteArray("-1") << 0
                             << u"32行目: 数値が範囲外です（0～200）"_s;
    *row("holiday count 201") << fresh << 32 << QByteArray(" 201") << 0
                              << u"32行目: 数値が範囲外です（0～200）"_s;
    *row("holiday count 200 in a short file")
        << fresh << 32 << QByteArray(" 200") << 0 << u"63行目: 月が1～12ではありません"_s;
    // Text and flags.
    *row("invalid bytes in a name") << fresh << 5 << QByteArray("\x8d\x91\x80") << 0
                                    << u"5行目: コードページ932（Shift_JIS）の文字ではないバイトがあります"_s;
    *row("lead byte at the end of a subject line")
        << days << 86 << QByteArray("\x8d\x91\x81") << 0
        << u"86行目: コードページ932（Shift_JIS）の文字ではないバイトがあります"_s;
    *row("flag other than True") << days << 182 << QByteArray("true") << 0 << QString();
    *row("invalid bytes in a number line")
        << fresh << 3 << QByteArray("\x8d\x91\x80") << 0 << u"3行目: 数値ではありません"_s;
    *row("lead byte at the end of the last line")
        << days << 188 << QByteArray("False\x81") << 0
        << u"188行目: コードページ932（Shift_JIS）の文字ではないバイトがあります"_s;
    // Files cut short, or with a line too many.
    *row("last plan line missing") << fresh << 0 << QByteArray() << 1
                                   << u"176行目: ファイルが途中で終わっています"_s;
    *row("day record cut") << days << 0 << QByteArray() << 2 << u"187行目: ファイルが途中で終わっています"_s;
    *row("only the magic") << fresh << 0 << QByteArray() << 175 << u"2行目: ファイルが途中で終わっています"_s;
    *row("empty line after the end") << fresh << 177 << QByteArray("") << 0
                                     << u"177行目: 数値ではありません"_s;
    // The terms of the plan have to add up within 16 bits.
    *row("plan sum too large") << days << 136 << QByteArray(" 32700 ") << 0
                               << u"108行目: 計画時数の合計が大きすぎます"_s;
}

void TestClassFile::damagedFileChangesNothing()
{
    QFETCH(QString, base);
    QFETCH(int, line);
    QFETCH(QByteArray, value);
    QFETCH(int, cut);
    QFETCH(QString, error);

    QList<QByteArray> lines = crlfLines(test::readBytes(fixture(base)));
    if (line == lines.size() + 1)
        lines.append(value);
    else if (line > 0)
        lines[line - 1] = value;
    lines.resize(lines.size() - cut);
    const QString path = m_dir.filePath(u"damaged.vl2"_s);
    test::writeBytes(path, joinCrlf(lines));

    AppState state = otherClass();
    const Snapshot before(state);
    state.strFileName = path;
    test::ScriptedPrompts prompts;
    if (error.isEmpty()) {
        subLoadFile(state, prompts);
        QCOMPARE(state.strFileName, path);
        return;
    }
    try {
        subLoadFile(state, prompts);
        QFAIL("the damaged file was accepted");
    } catch (const FormatError& e) {
        QCOMPARE(e.description(), error);
        QCOMPARE(e.number(), FormatError::Number);
    }
    QVERIFY(prompts.shown.isEmpty());
    QCOMPARE(state.strFileName, QString());
    QVERIFY(Snapshot(state) == before);
}

void TestClassFile::missingFileChangesNothing()
{
    AppState state = otherClass();
    const Snapshot before(state);
    state.strFileName = m_dir.filePath(u"missing.vl2"_s);
    test::ScriptedPrompts prompts;
    try {
        subLoadFile(state, prompts);
        QFAIL("a missing file was read");
    } catch (const FileError& e) {
        QCOMPARE(e.number(), FileError::NotFound);
        QCOMPARE(e.description(), u"ファイル「%1」を開けませんでした: ファイルが見つかりません"_s.arg(
                                      m_dir.filePath(u"missing.vl2"_s)));
    }
    QCOMPARE(state.strFileName, QString());
    QVERIFY(Snapshot(state) == before);

    // A folder in place of the file is refused just as well, in Japanese.
    state.strFileName = m_dir.path();
    try {
        subLoadFile(state, prompts);
        QFAIL("a folder was read as a file");
    } catch (const FileError& e) {
        QVERIFY2(e.description().startsWith(u"ファイル「%1」を"_s.arg(m_dir.path())),
                 qPrintable(e.description()));
        QVERIFY2(!e.description().contains(u"directory"_s, Qt::CaseInsensitive), qPrintable(e.description()));
    }
    QVERIFY(Snapshot(state) == before);
}

// What the teacher reads when the system refuses, in Japanese whatever the
// system's language; a number the table does not know falls back on Qt's kind.
void TestClassFile::fileErrorReasons_data()
{
    QTest::addColumn<int>("systemError");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("writing");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<int>("number");
    QTest::newRow("no permission to write") << EACCES << int(QFileDevice::OpenError) << true
                                            << u"書き込みの権限がありません"_s << FileError::AccessDenied;
    QTest::newRow("no permission to read") << EACCES << int(QFileDevice::OpenError) << false
                                           << u"読み込みの権限がありません"_s << FileError::AccessDenied;
    QTest::newRow("disk full") << ENOSPC << int(QFileDevice::ResourceError) << true
                               << u"ディスクがいっぱいです"_s << FileError::DiskFull;
    QTest::newRow("read-only place") << EROFS << int(QFileDevice::OpenError) << true
                                     << u"読み取り専用の場所には書き込めません"_s << FileError::AccessDenied;
    QTest::newRow("file not found") << ENOENT << int(QFileDevice::OpenError) << false
                                    << u"ファイルが見つかりません"_s << FileError::NotFound;
    QTest::newRow("unknown number, write error")
        << 0 << int(QFileDevice::WriteError) << true << u"書き込み中にエラーが発生しました"_s
        << FileError::PathAccess;
    QTest::newRow("unknown number, full disk")
        << 0 << int(QFileDevice::ResourceError) << true << u"ディスクがいっぱいです"_s << FileError::DiskFull;
}

void TestClassFile::fileErrorReasons()
{
    QFETCH(int, systemError);
    QFETCH(int, kind);
    QFETCH(bool, writing);
    QFETCH(QString, reason);
    QFETCH(int, number);
    const auto fileKind = static_cast<QFileDevice::FileError>(kind);
    const FileAccess access = writing ? FileAccess::Write : FileAccess::Read;
    QCOMPARE(fileErrorReason(systemError, fileKind, access), reason);
    QCOMPARE(fileErrorNumber(systemError, fileKind, access), number);
}

// 200 holidays and a full year of days fit; a file of more than 3,001 lines
// is refused at line 3,002 before anything is read, and so is a file larger
// than 16 MiB.
void TestClassFile::largestFiles()
{
    AppState state = fixtureState(u"two-days.vl2"_s);
    for (QDate d(2003, 6, 1); state.addHoliday(d); d = d.addDays(1)) {
    }
    QCOMPARE(state.intHolidayCount, 200);
    for (QDate d(2003, 4, 1); d <= QDate(2004, 3, 31); d = d.addDays(1))
        state.objDayHead->appendDay(makeRecordedDay(d, u"国算国理体英　　"_s, u"13333300"_s));
    const QByteArray full = formatClassFile(captureClassFile(state));
    QCOMPARE(crlfLines(full).size(), 548 + 6 * 366);
    const std::optional<ClassFileData> data = parseClassFile(full);
    QVERIFY(data);
    QCOMPARE(data->intHolidayCount, 200);
    QCOMPARE(data->holidays.size(), 201);
    QCOMPARE(data->days.size(), 366);

    // 199 holidays and 409 days: 3,000 lines.
    QList<QByteArray> lines = crlfLines(full);
    lines[31] = " 199";
    lines.remove(432, 2); // entry 200
    const QList<QByteArray> day = lines.mid(lines.size() - 6);
    for (int i = 0; i < 409 - 366; ++i)
        lines += day;
    QCOMPARE(lines.size(), 3000);
    QVERIFY(parseClassFile(joinCrlf(lines)));
    lines += day;
    try {
        parseClassFile(joinCrlf(lines));
        QFAIL("a file of 3,006 lines was read");
    } catch (const FormatError& e) {
        QCOMPARE(e.description(), u"3002行目: 行数が多すぎます（3001行まで）"_s);
    }

    // A file larger than any class year (here a comment of 16 MiB) is refused
    // without reading it all.
    QByteArray huge = test::readBytes(fixture(u"two-days.vl2"_s));
    huge += " 4\r\n 22\r\n" + sjis(u"国国算社体図　　"_s) + "\r\n13333300\r\n" +
            QByteArray(16 * 1024 * 1024, 'x') + "\r\nFalse\r\n";
    const QString path = m_dir.filePath(u"huge.vl2"_s);
    test::writeBytes(path, huge);
    AppState state2 = otherClass();
    const Snapshot before(state2);
    state2.strFileName = path;
    test::ScriptedPrompts prompts;
    try {
        subLoadFile(state2, prompts);
        QFAIL("a file of more than 16 MiB was read");
    } catch (const FormatError& e) {
        QCOMPARE(e.description(), u"193行目: ファイルが大きすぎます（16 MiBまで）"_s);
    }
    QVERIFY(Snapshot(state2) == before);
}

// Every file of the corpus (among them whatever the fuzzer found) is refused
// or read, never more; what is read writes back stably.
void TestClassFile::corpusIsReadSafely_data()
{
    QTest::addColumn<QString>("path");
    const QDir corpus(QString::fromUtf8(LUNAPLAN_FIXTURES_DIR "/corpus"));
    const QStringList names = corpus.entryList(QDir::Files, QDir::Name);
    QVERIFY(!names.isEmpty());
    for (const QString& name : names)
        QTest::newRow(qPrintable(name)) << corpus.filePath(name);
    for (const QString& name :
         QDir(QString::fromUtf8(LUNAPLAN_FIXTURES_DIR)).entryList({u"*.vl2"_s}, QDir::Files))
        QTest::newRow(qPrintable(name)) << fixture(name);
}

void TestClassFile::corpusIsReadSafely()
{
    QFETCH(QString, path);
    const QByteArray bytes = test::readBytes(path);
    std::optional<ClassFileData> data;
    try {
        data = parseClassFile(bytes);
    } catch (const FormatError& e) {
        QVERIFY(e.line() >= 2);
        return;
    }
    if (!data)
        return;
    const QByteArray written = formatClassFile(*data);
    const std::optional<ClassFileData> again = parseClassFile(written);
    QVERIFY(again);
    QCOMPARE(formatClassFile(*again), written);
}

// Registrations, withdrawals, plan changes, saves and reopenings of the
// sample year in a random order (a fixed seed): every save reads back to the
// class saved. bench_storage runs the long version.
void TestClassFile::randomWorkReadsBack()
{
    AppState state;
    state.strFileName = QString::fromUtf8(LUNAPLAN_EXAMPLES_DIR "/sample-2026-3-2.vl2");
    test::ScriptedPrompts prompts;
    subLoadFile(state, prompts);
    const test::ClassYearLoad run =
        test::runClassYearLoad(state, prompts, m_dir.filePath(u"load.vl2"_s), 20260401u, 3000);
    QVERIFY2(run.mismatch.isEmpty(), qPrintable(run.mismatch));
    QVERIFY(prompts.shown.isEmpty());
    // Every kind of step was taken many times.
    QVERIFY(run.registrations > 1000);
    QVERIFY(run.withdrawals > 300);
    QVERIFY(run.planChanges > 200);
    QVERIFY(run.saves > 60);
    QVERIFY(run.reopenings > 10);
}

QTEST_GUILESS_MAIN(TestClassFile)
#include "tst_classfile.moc"
