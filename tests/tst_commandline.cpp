// The command line: its parsing, and reports written to PDF without a window.
#include "ui/main/commandline.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <sys/stat.h>
#include <unistd.h>

using namespace lunaplan;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(lunaplan::CsvKind)

namespace {

// The program run as from a terminal without a display.
QProcessEnvironment withoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"DISPLAY"_s);
    environment.remove(u"WAYLAND_DISPLAY"_s);
    environment.remove(u"QT_QPA_PLATFORM"_s);
    return environment;
}

QString sampleFile()
{
    return QString::fromUtf8(LUNAPLAN_EXAMPLES_DIR "/sample-2026-3-2.vl2");
}

// The sample file with its line 2 (the school year) replaced.
QString copyWithYear(const QTemporaryDir& dir, const QByteArray& year, const QString& name)
{
    QFile sample(sampleFile());
    if (!sample.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = sample.readAll();
    const qsizetype start = bytes.indexOf('\n') + 1;
    bytes.replace(start, bytes.indexOf('\r', start) - start, year);
    const QString path = dir.filePath(name);
    QFile damaged(path);
    if (!damaged.open(QIODevice::WriteOnly) || damaged.write(bytes) != bytes.size())
        return {};
    return path;
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void parse_data();
    void parse();
    void parseCsv_data();
    void parseCsv();
    void helpListsTheReports();
    void pdfOfEachKindOfFile_data();
    void pdfOfEachKindOfFile();
    void programWritesPdfWithoutDisplay();
    void programRefusesWhatItWouldDestroy_data();
    void programRefusesWhatItWouldDestroy();
    void csvExportWithoutAnyClass();
    void programWritesCsvOfSeveralClasses_data();
    void programWritesCsvOfSeveralClasses();
    void programRefusesUnknownOptions_data();
    void programRefusesUnknownOptions();
};

void TestCommandLine::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<CommandLine::Mode>("mode");
    QTest::addColumn<QString>("classFile");
    QTest::addColumn<QString>("pdfFile");
    QTest::addColumn<int>("report");
    using M = CommandLine::Mode;
    QTest::newRow("nothing") << QStringList() << M::Window << QString() << QString() << -1;
    QTest::newRow("file") << QStringList{u"a.vl2"_s} << M::Window << u"a.vl2"_s << QString() << -1;
    QTest::newRow("qt options left to the window")
        << QStringList{u"-platform"_s, u"xcb"_s, u"--reverse"_s, u"a.vl2"_s} << M::Window << u"a.vl2"_s
        << QString() << -1;
    QTest::newRow("pdf") << QStringList{u"--pdf"_s, u"o.pdf"_s, u"--report"_s, u"3"_s, u"a.vl2"_s} << M::Pdf
                         << u"a.vl2"_s << u"o.pdf"_s << 3;
    QTest::newRow("pdf, other order, =") << QStringList{u"a.vl2"_s, u"--report=8"_s, u"--pdf=o.pdf"_s}
                                         << M::Pdf << u"a.vl2"_s << u"o.pdf"_s << 8;
    QTest::newRow("weekly plan") << QStringList{u"--pdf"_s,      u"o.pdf"_s,     u"--week"_s,
                                                u"2026-06-10"_s, u"--weeks=3"_s, u"a.vl2"_s}
                                 << M::Pdf << u"a.vl2"_s << u"o.pdf"_s << -1;
    QTest::newRow("help") << QStringList{u"a.vl2"_s, u"--help"_s} << M::Help << QString() << QString() << -1;
    QTest::newRow("-h") << QStringList{u"-h"_s} << M::Help << QString() << QString() << -1;
    const auto bad = [](const char* name, const QStringList& arguments) {
        QTest::newRow(name) << arguments << M::Invalid << QString() << QString() << -1;
    };
    bad("report 9", {u"--pdf"_s, u"o.pdf"_s, u"--report"_s, u"9"_s, u"a.vl2"_s});
    bad("report -1", {u"--pdf"_s, u"o.pdf"_s, u"--report=-1"_s, u"a.vl2"_s});
    bad("report not a number", {u"--pdf"_s, u"o.pdf"_s, u"--report"_s, u"two"_s, u"a.vl2"_s});
    bad("report missing", {u"--pdf"_s, u"o.pdf"_s, u"a.vl2"_s});
    bad("report value missing", {u"a.vl2"_s, u"--pdf"_s, u"o.pdf"_s, u"--report"_s});
    bad("pdf missing", {u"--report"_s, u"1"_s, u"a.vl2"_s});
    bad("pdf name empty", {u"--pdf="_s, u"--report"_s, u"1"_s, u"a.vl2"_s});
    bad("class file missing", {u"--pdf"_s, u"o.pdf"_s, u"--report"_s, u"1"_s});
    bad("two class files", {u"--pdf"_s, u"o.pdf"_s, u"--report"_s, u"1"_s, u"a.vl2"_s, u"b.vl2"_s});
    bad("unknown option", {u"--pdf"_s, u"o.pdf"_s, u"--report"_s, u"1"_s, u"--paper"_s, u"a.vl2"_s});
    bad("unknown option for the window", {u"--paper"_s, u"a.vl2"_s});
    bad("qt option with the pdf",
        {u"--pdf"_s, u"o.pdf"_s, u"--report"_s, u"1"_s, u"-platform"_s, u"xcb"_s, u"a.vl2"_s});
    bad("pdf and csv", {u"--pdf"_s, u"o.pdf"_s, u"--report"_s, u"1"_s, u"--csv"_s, u"o.csv"_s, u"a.vl2"_s});
    bad("csv name missing", {u"a.vl2"_s, u"--csv"_s});
    bad("csv without class files", {u"--csv"_s, u"o.csv"_s});
    bad("table unknown", {u"--csv"_s, u"o.csv"_s, u"--table"_s, u"plan"_s, u"a.vl2"_s});
    bad("term 4", {u"--csv"_s, u"o.csv"_s, u"--term"_s, u"4"_s, u"a.vl2"_s});
    bad("term 0", {u"--csv"_s, u"o.csv"_s, u"--term=0"_s, u"a.vl2"_s});
    bad("date not a date", {u"--csv"_s, u"o.csv"_s, u"--date"_s, u"2026-02-30"_s, u"a.vl2"_s});
    bad("date in another form", {u"--csv"_s, u"o.csv"_s, u"--date"_s, u"2026/12/09"_s, u"a.vl2"_s});
    bad("term without csv", {u"--term"_s, u"2"_s, u"a.vl2"_s});
    bad("week not a date", {u"--pdf"_s, u"o.pdf"_s, u"--week"_s, u"6/10"_s, u"a.vl2"_s});
    bad("weeks 0", {u"--pdf"_s, u"o.pdf"_s, u"--week"_s, u"2026-06-10"_s, u"--weeks"_s, u"0"_s, u"a.vl2"_s});
    bad("weeks without week", {u"--pdf"_s, u"o.pdf"_s, u"--weeks"_s, u"2"_s, u"a.vl2"_s});
    bad("week and report",
        {u"--pdf"_s, u"o.pdf"_s, u"--week"_s, u"2026-06-10"_s, u"--report"_s, u"1"_s, u"a.vl2"_s});
    bad("week without pdf", {u"--week"_s, u"2026-06-10"_s, u"a.vl2"_s});
}

void TestCommandLine::parseCsv_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("classFiles");
    QTest::addColumn<CsvKind>("table");
    QTest::addColumn<int>("term");
    QTest::addColumn<QDate>("date");
    QTest::newRow("totals of one class") << QStringList{u"--csv"_s, u"o.csv"_s, u"a.vl2"_s}
                                         << QStringList{u"a.vl2"_s} << CsvKind::Totals << 0 << QDate();
    QTest::newRow("outlook of three classes")
        << QStringList{u"a.vl2"_s,  u"--csv=o.csv"_s, u"--table"_s,           u"outlook"_s, u"b.vl2"_s,
                       u"--term"_s, u"3"_s,           u"--date=2026-12-09"_s, u"c.vl2"_s}
        << QStringList{u"a.vl2"_s, u"b.vl2"_s, u"c.vl2"_s} << CsvKind::Outlook << 3 << QDate(2026, 12, 9);
    QTest::newRow("a file with a dash after --")
        << QStringList{u"--csv"_s, u"o.csv"_s, u"--"_s, u"-a.vl2"_s, u"--help"_s}
        << QStringList{u"-a.vl2"_s, u"--help"_s} << CsvKind::Totals << 0 << QDate();
    QTest::newRow("totals named") << QStringList{u"--table=totals"_s, u"--csv"_s, u"o.csv"_s, u"a.vl2"_s}
                                  << QStringList{u"a.vl2"_s} << CsvKind::Totals << 0 << QDate();
}

void TestCommandLine::parseCsv()
{
    QFETCH(QStringList, arguments);
    const CommandLine command = parseCommandLine(arguments);
    QCOMPARE(command.mode, CommandLine::Mode::Csv);
    QCOMPARE(command.csvFile, u"o.csv"_s);
    QTEST(command.classFiles, "classFiles");
    QTEST(command.table, "table");
    QTEST(command.term, "term");
    QTEST(command.date, "date");
}

void TestCommandLine::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(CommandLine::Mode, mode);
    const CommandLine command = parseCommandLine(arguments);
    QCOMPARE(command.mode, mode);
    QCOMPARE(command.error.isEmpty(), mode != CommandLine::Mode::Invalid);
    if (mode == CommandLine::Mode::Invalid || mode == CommandLine::Mode::Help)
        return;
    QTEST(command.classFile, "classFile");
    QTEST(command.pdfFile, "pdfFile");
    QTEST(command.report, "report");
    if (command.week.isValid()) {
        QCOMPARE(command.week, QDate(2026, 6, 10));
        QCOMPARE(command.weeks, 3);
    }
}

void TestCommandLine::helpListsTheReports()
{
    const QString help = commandLineHelp();
    QVERIFY(help.contains(u"--pdf OUT.pdf --report N FILE.vl2"_s));
    QVERIFY(help.contains(u"0  年間の時数集計表"_s));
    QVERIFY(help.contains(u"8  週間時間割計画表B"_s));
    QVERIFY(
        help.contains(u"--csv OUT.csv [--table totals|outlook] [--term N] [--date YYYY-MM-DD] FILE.vl2"_s));
}

void TestCommandLine::pdfOfEachKindOfFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::newRow("sample") << u"sample"_s << 0 << QString();
    QTest::newRow("damaged") << u"damaged"_s << 1 << u"「damaged.vl2」を開けませんでした。"_s;
    QTest::newRow("missing") << u"missing"_s << 1 << u"「missing.vl2」を開けませんでした。"_s;
    QTest::newRow("not a class file") << u"foreign"_s << 1 << u"のデータファイルではありません"_s;
    QTest::newRow("unwritable pdf") << u"unwritable"_s << 1 << u"PDF を書き出せませんでした。"_s;
}

void TestCommandLine::pdfOfEachKindOfFile()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    CommandLine command;
    command.mode = CommandLine::Mode::Pdf;
    command.report = 0;
    command.pdfFile = dir.filePath(u"out.pdf"_s);
    command.classFile = sampleFile();
    if (kind == u"damaged"_s) {
        command.classFile = copyWithYear(dir, "year", u"damaged.vl2"_s);
    } else if (kind == u"missing"_s) {
        command.classFile = dir.filePath(u"missing.vl2"_s);
    } else if (kind == u"foreign"_s) {
        command.classFile = dir.filePath(u"foreign.vl2"_s);
        QFile foreign(command.classFile);
        QVERIFY(foreign.open(QIODevice::WriteOnly));
        foreign.write("hello\r\n");
    } else if (kind == u"unwritable"_s) {
        command.pdfFile = dir.filePath(u"no-such-folder/out.pdf"_s);
    }
    QVERIFY(!command.classFile.isEmpty());

    QString messages;
    QTextStream err(&messages);
    QTEST(runPdfExport(command, err), "status");
    err.flush();
    QFETCH(int, status);
    QFETCH(QString, message);
    QFile pdf(command.pdfFile);
    QCOMPARE(pdf.exists(), status == 0);
    if (status == 0) {
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        QVERIFY(messages.isEmpty());
    } else {
        QVERIFY2(messages.contains(message), qPrintable(messages));
    }
}

void TestCommandLine::programWritesPdfWithoutDisplay()
{
    QTemporaryDir dir;
    const QString out = dir.filePath(u"week.pdf"_s);
    QProcess program;
    program.setProcessEnvironment(withoutDisplay());
    program.start(QString::fromUtf8(LUNAPLAN_PROGRAM),
                  {u"--pdf"_s, out, u"--report"_s, u"7"_s, sampleFile()});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QVERIFY(QFile::exists(out));

    // The weekly plan of two weeks; a week outside the class's year writes nothing.
    const QString weekly = dir.filePath(u"weekly.pdf"_s);
    program.start(QString::fromUtf8(LUNAPLAN_PROGRAM),
                  {u"--pdf"_s, weekly, u"--week"_s, u"2026-12-09"_s, u"--weeks"_s, u"2"_s, sampleFile()});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitCode(), 0);
    QFile written(weekly);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll().count("/Type /Page\n"), 2);
    program.start(QString::fromUtf8(LUNAPLAN_PROGRAM),
                  {u"--pdf"_s, dir.filePath(u"none.pdf"_s), u"--week"_s, u"2030-01-01"_s, sampleFile()});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitCode(), 1);
    QVERIFY(!QFile::exists(dir.filePath(u"none.pdf"_s)));

    program.start(QString::fromUtf8(LUNAPLAN_PROGRAM),
                  {u"--pdf"_s, out, u"--report"_s, u"12"_s, sampleFile()});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitCode(), 2);
    QVERIFY(QString::fromUtf8(program.readAllStandardError()).contains(u"0 から 8 まで"_s));
}

// An OUT that is the class file under any name, or that is not a regular
// file, is refused with a non-zero status and left as it was; so is one the
// system will not let the program write, with the reason in Japanese.
void TestCommandLine::programRefusesWhatItWouldDestroy_data()
{
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("reason");
    const QString input = u"読み込み元のファイルと同じです"_s;
    QTest::newRow("the class file") << u"class.vl2"_s << input;
    QTest::newRow("the class file by a link") << u"link.pdf"_s << input;
    QTest::newRow("the class file through ./") << u"./class.vl2"_s << input;
    QTest::newRow("a FIFO") << u"fifo"_s << u"通常のファイルではありません"_s;
    QTest::newRow("a folder") << u"folder"_s << u"ファイルではなくフォルダーです"_s;
    QTest::newRow("below a regular file")
        << u"class.vl2/out.pdf"_s << u"保存先のフォルダーが見つかりません"_s;
    QTest::newRow("a read-only folder") << u"locked/out.pdf"_s << u"書き込みの権限がありません"_s;
}

void TestCommandLine::programRefusesWhatItWouldDestroy()
{
    QFETCH(QString, out);
    QFETCH(QString, reason);
    if (out.startsWith(u"locked/"_s) && ::geteuid() == 0)
        QSKIP("permissions do not stop root");
    QTemporaryDir dir;
    QVERIFY(QFile::copy(sampleFile(), dir.filePath(u"class.vl2"_s)));
    QFile sample(sampleFile());
    QVERIFY(sample.open(QIODevice::ReadOnly));
    const QByteArray classBytes = sample.readAll();
    QVERIFY(QFile::link(dir.filePath(u"class.vl2"_s), dir.filePath(u"link.pdf"_s)));
    QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(u"fifo"_s)).constData(), 0600), 0);
    QVERIFY(QDir(dir.path()).mkdir(u"folder"_s));
    QVERIFY(QDir(dir.path()).mkdir(u"locked"_s));
    QVERIFY(QFile::setPermissions(dir.filePath(u"locked"_s), QFile::ReadOwner | QFile::ExeOwner));
    const QStringList before =
        QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

    QProcess program;
    program.setWorkingDirectory(dir.path());
    program.start(QString::fromUtf8(LUNAPLAN_PROGRAM),
                  {u"--pdf"_s, out, u"--report"_s, u"0"_s, u"class.vl2"_s});
    QVERIFY(program.waitForFinished(60000));
    QFile::setPermissions(dir.filePath(u"locked"_s), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    const QString messages = QString::fromUtf8(program.readAllStandardError());
    QVERIFY2(messages.contains(u"PDF を書き出せませんでした。"_s) && messages.contains(reason),
             qPrintable(messages));

    QFile classFile(dir.filePath(u"class.vl2"_s));
    QVERIFY(classFile.open(QIODevice::ReadOnly));
    QCOMPARE(classFile.readAll(), classBytes);
    struct stat fifo {};
    QCOMPARE(::lstat(QFile::encodeName(dir.filePath(u"fifo"_s)).constData(), &fifo), 0);
    QVERIFY(S_ISFIFO(fifo.st_mode));
    QVERIFY(QDir(dir.filePath(u"folder"_s)).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
}

void TestCommandLine::csvExportWithoutAnyClass()
{
    QTemporaryDir dir;
    CommandLine command;
    command.mode = CommandLine::Mode::Csv;
    command.csvFile = dir.filePath(u"out.csv"_s);
    const QString foreign = dir.filePath(u"foreign.vl2"_s);
    QFile foreignFile(foreign);
    QVERIFY(foreignFile.open(QIODevice::WriteOnly));
    foreignFile.write("hello\r\n");
    foreignFile.close();
    command.classFiles = {dir.filePath(u"missing.vl2"_s), foreign};
    QString messages;
    QTextStream err(&messages);
    QCOMPARE(runCsvExport(command, err), 1);
    err.flush();
    QVERIFY2(messages.contains(u"missing.vl2」を開けませんでした。"_s), qPrintable(messages));
    QVERIFY(messages.contains(
        u"「%1」を開けませんでした。\n「Lunaplan2002」のデータファイルではありません"_s.arg(foreign)));
    QVERIFY(messages.contains(u"CSV は書き出しませんでした"_s));
    QVERIFY(!QFile::exists(command.csvFile));

    command.classFiles = {sampleFile()};
    command.csvFile = dir.filePath(u"no-such-folder/out.csv"_s);
    messages.clear();
    QCOMPARE(runCsvExport(command, err), 1);
    err.flush();
    QVERIFY2(messages.contains(u"CSV を書き出せませんでした。"_s), qPrintable(messages));
}

void TestCommandLine::programWritesCsvOfSeveralClasses_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<bool>("withBadFile");
    QTest::addColumn<int>("blockRows"); // rows of one class below the heading
    // 23 subjects and the note; the outlook adds 基準日, two day counts and
    // the sample's 未登録の授業日 up to 9 December (its withdrawn days).
    QTest::newRow("totals") << u"totals"_s << false << 24;
    QTest::newRow("totals, a bad file among good ones") << u"totals"_s << true << 24;
    QTest::newRow("outlook, a bad file among good ones") << u"outlook"_s << true << -1;
}

void TestCommandLine::programWritesCsvOfSeveralClasses()
{
    QFETCH(QString, table);
    QFETCH(bool, withBadFile);
    QFETCH(int, blockRows);
    QTemporaryDir dir;
    const QString out = dir.filePath(u"school.csv"_s);
    QStringList arguments{u"--csv"_s, out,         u"--table"_s,    table,       u"--term"_s,
                          u"2"_s,     u"--date"_s, u"2026-12-09"_s, sampleFile()};
    const QString damaged = copyWithYear(dir, "year", u"damaged.vl2"_s);
    if (withBadFile)
        arguments << damaged;
    arguments << sampleFile();
    QProcess program;
    program.setProcessEnvironment(withoutDisplay());
    program.start(QString::fromUtf8(LUNAPLAN_PROGRAM), arguments);
    QVERIFY(program.waitForFinished(60000));
    const QString messages = QString::fromUtf8(program.readAllStandardError());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), withBadFile ? 1 : 0);
    QCOMPARE(messages.contains(u"「%1」を開けませんでした。"_s.arg(damaged)), withBadFile);

    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    QStringList lines = QString::fromUtf8(bytes.mid(3)).split(u"\r\n"_s);
    QVERIFY(lines.takeLast().isEmpty());
    QVERIFY(lines.constFirst().startsWith(u"年度,学年,組,担任,学期,教科,学期･計画,学期･計画(分),"_s));
    if (blockRows < 0)
        blockRows = static_cast<int>(lines.size() - 1) / 2;
    QCOMPARE(lines.size(), 1 + 2 * blockRows);
    for (qsizetype row = 1; row < lines.size(); ++row)
        QVERIFY2(lines[row].startsWith(u"2026,3,2,森山　葵,2,"_s), qPrintable(lines[row]));
    // Both blocks alike, each with its subjects and its note.
    QCOMPARE(lines.mid(1, blockRows), lines.mid(1 + blockRows, blockRows));
    QVERIFY(lines[1].startsWith(u"2026,3,2,森山　葵,2,国語,98.0,4410,"_s));
    QVERIFY(lines[blockRows].contains(u",注,3年の標準時数は"_s) || table == u"outlook"_s);
    QCOMPARE(lines.filter(u",注,"_s).size(), 2);
    if (table == u"outlook"_s) {
        QCOMPARE(lines.filter(u",基準日,2026-12-09"_s).size(), 2);
        QCOMPARE(lines.filter(u",残り授業日数(学期),"_s).size(), 2);
    }
}

void TestCommandLine::programRefusesUnknownOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("offscreen");
    QTest::newRow("window, no display") << QStringList{u"--paper"_s, sampleFile()} << false;
    QTest::newRow("window, offscreen") << QStringList{u"--paper"_s} << true;
    QTest::newRow("one dash") << QStringList{u"-x"_s} << false;
    QTest::newRow("csv") << QStringList{u"--csv"_s, u"o.csv"_s, u"--paper"_s, sampleFile()} << false;
}

void TestCommandLine::programRefusesUnknownOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, offscreen);
    QProcessEnvironment environment = withoutDisplay();
    if (offscreen)
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QString::fromUtf8(LUNAPLAN_PROGRAM), arguments);
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 2);
    const QString messages = QString::fromUtf8(program.readAllStandardError());
    QVERIFY2(messages.startsWith(u"知らないオプションです: "_s), qPrintable(messages));
    QVERIFY(messages.contains(commandLineHelp()));
}

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
