#include "ui/main/commandline.h"

#include "core/appstate.h"
#include "core/errors.h"
#include "core/unattendedprompts.h"
#include "reports/pdfexport.h"
#include "reports/reportprocedures.h"
#include "storage/classfile.h"

#include "storage/atomicfile.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTextStream>

#include <algorithm>
#include <array>
#include <map>

using namespace Qt::StringLiterals;

namespace lunaplan {

namespace {

CommandLine invalid(const QString& error)
{
    CommandLine command;
    command.mode = CommandLine::Mode::Invalid;
    command.error = error;
    return command;
}

// The options of Qt's application object, which the window takes out of the
// line itself: those followed by a value, and those standing alone. Qt also
// reads them with two dashes.
bool isQtOption(QStringView argument, bool& takesValue)
{
    static constexpr std::array<QStringView, 17> withValue{
        u"platform",      u"platformpluginpath", u"platformtheme", u"plugin",
        u"qmljsdebugger", u"qwindowgeometry",    u"qwindowicon",   u"qwindowtitle",
        u"display",       u"geometry",           u"title",         u"name",
        u"style",         u"stylesheet",         u"session",       u"visual",
        u"fontengine"};
    static constexpr std::array<QStringView, 5> alone{u"reverse", u"widgetcount", u"nograb", u"dograb",
                                                      u"sync"};
    if (!argument.startsWith(u'-'))
        return false;
    const QStringView name = argument.startsWith(u"--") ? argument.mid(2) : argument.mid(1);
    takesValue = std::find(withValue.begin(), withValue.end(), name) != withValue.end();
    return takesValue || std::find(alone.begin(), alone.end(), name) != alone.end();
}

// The program's options that take a value, and the message when it is missing.
struct ValueOption {
    QStringView name;
    QStringView missing;
};
constexpr std::array<ValueOption, 8> ValueOptions{{
    {u"--pdf", u"--pdf には書き出す PDF ファイルの名前が要ります。"},
    {u"--report", u"--report には表の番号 (0～8) が要ります。"},
    {u"--week", u"--week には週案の最初の週の日付 (YYYY-MM-DD) が要ります。"},
    {u"--weeks", u"--weeks には週の数が要ります。"},
    {u"--csv", u"--csv には書き出す CSV ファイルの名前が要ります。"},
    {u"--table", u"--table には totals か outlook を指定してください。"},
    {u"--term", u"--term には学期の番号 (1～3) が要ります。"},
    {u"--date", u"--date には基準日 (YYYY-MM-DD) が要ります。"},
}};

// A date written YYYY-MM-DD; null for anything else.
QDate isoDate(const QString& text)
{
    static const QRegularExpression pattern(u"^\\d{4}-\\d{2}-\\d{2}$"_s);
    return pattern.match(text).hasMatch() ? QDate::fromString(text, Qt::ISODate) : QDate();
}

CommandLine pdfCommand(const std::map<QStringView, QString>& values, const QStringList& files)
{
    CommandLine command;
    const auto pdf = values.find(u"--pdf");
    const auto report = values.find(u"--report");
    const auto week = values.find(u"--week");
    const auto weeks = values.find(u"--weeks");
    if (pdf == values.end())
        return invalid(u"--report、--week、--weeks は --pdf と一緒に使います。"_s);
    if (report != values.end() && week != values.end())
        return invalid(u"--report と --week は一緒に使えません。"_s);
    if (week != values.end()) {
        command.week = isoDate(week->second);
        if (!command.week.isValid())
            return invalid(u"--week は YYYY-MM-DD の形の日付です: %1"_s.arg(week->second));
        if (weeks != values.end()) {
            bool ok = false;
            command.weeks = weeks->second.toInt(&ok);
            if (!ok || command.weeks < 1 || command.weeks > 53)
                return invalid(u"週の数は 1 から 53 までです: %1"_s.arg(weeks->second));
        }
    } else if (weeks != values.end()) {
        return invalid(u"--weeks は --week と一緒に使います。"_s);
    } else if (report == values.end()) {
        return invalid(u"--pdf には --report で表の番号 (0～8) を指定してください。"_s);
    } else {
        bool ok = false;
        command.report = report->second.toInt(&ok);
        if (!ok || command.report < 0 || command.report >= ReportCount)
            return invalid(u"表の番号は 0 から 8 までです: %1"_s.arg(report->second));
    }
    if (files.isEmpty())
        return invalid(u"--pdf にはクラスのファイル (.vl2) を指定してください。"_s);
    if (files.size() > 1)
        return invalid(u"クラスのファイルは一つだけ指定してください。"_s);
    command.mode = CommandLine::Mode::Pdf;
    command.pdfFile = pdf->second;
    command.classFile = files.constFirst();
    return command;
}

CommandLine csvCommand(const std::map<QStringView, QString>& values, const QStringList& files)
{
    CommandLine command;
    if (const auto table = values.find(u"--table"); table != values.end()) {
        if (table->second == u"outlook"_s)
            command.table = CsvKind::Outlook;
        else if (table->second != u"totals"_s)
            return invalid(u"--table には totals か outlook を指定してください: %1"_s.arg(table->second));
    }
    if (const auto term = values.find(u"--term"); term != values.end()) {
        bool ok = false;
        command.term = term->second.toInt(&ok);
        if (!ok || command.term < 1 || command.term > 3)
            return invalid(u"学期は 1 から 3 までです: %1"_s.arg(term->second));
    }
    if (const auto date = values.find(u"--date"); date != values.end()) {
        command.date = isoDate(date->second);
        if (!command.date.isValid())
            return invalid(u"基準日は YYYY-MM-DD の形の日付です: %1"_s.arg(date->second));
    }
    if (files.isEmpty())
        return invalid(u"--csv にはクラスのファイル (.vl2) を指定してください。"_s);
    command.mode = CommandLine::Mode::Csv;
    command.csvFile = values.at(u"--csv");
    command.classFiles = files;
    return command;
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments)
{
    std::map<QStringView, QString> values;
    QStringList files;
    bool qtOptions = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--"_s) { // the rest are files, even with a leading dash
            files += arguments.mid(i + 1);
            break;
        }
        if (argument == u"--help"_s || argument == u"-h"_s) {
            CommandLine command;
            command.mode = CommandLine::Mode::Help;
            return command;
        }
        // "--pdf OUT" and "--pdf=OUT" alike.
        const auto option = std::find_if(ValueOptions.begin(), ValueOptions.end(), [&](const ValueOption& o) {
            return argument == o.name ||
                   (argument.startsWith(o.name) && argument.mid(o.name.size()).startsWith(u'='));
        });
        if (option != ValueOptions.end()) {
            QString value;
            if (argument.size() > option->name.size())
                value = argument.mid(option->name.size() + 1);
            else if (i + 1 < arguments.size())
                value = arguments[++i];
            if (value.isEmpty())
                return invalid(option->missing.toString());
            values[option->name] = value;
            continue;
        }
        bool takesValue = false;
        if (isQtOption(argument, takesValue)) {
            qtOptions = true;
            i += takesValue ? 1 : 0;
            continue;
        }
        if (argument.startsWith(u'-') && argument.size() > 1)
            return invalid(u"知らないオプションです: %1"_s.arg(argument));
        files.append(argument);
    }

    const bool pdf = values.contains(u"--pdf") || values.contains(u"--report") ||
                     values.contains(u"--week") || values.contains(u"--weeks");
    const bool csvOnly =
        values.contains(u"--table") || values.contains(u"--term") || values.contains(u"--date");
    const bool csv = values.contains(u"--csv");
    if (!pdf && !csv && !csvOnly) {
        CommandLine command;
        command.classFile = files.value(0);
        return command;
    }
    if (qtOptions)
        return invalid(u"Qt のオプションはウィンドウを開くときだけ使えます。"_s);
    if (pdf && (csv || csvOnly))
        return invalid(u"--pdf と --csv は一緒に使えません。"_s);
    if (pdf)
        return pdfCommand(values, files);
    if (!csv)
        return invalid(u"--table、--term、--date は --csv と一緒に使います。"_s);
    return csvCommand(values, files);
}

QStringList commandLineArguments(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

QString commandLineHelp()
{
    QString text =
        u"使い方:\n"
        u"  lunaplan [FILE.vl2]\n"
        u"      Lunaplan を開きます (ファイルを指定するとそのクラスを開きます)。\n"
        u"  lunaplan --pdf OUT.pdf --report N FILE.vl2\n"
        u"      ウィンドウを出さずに、FILE.vl2 の表 N を PDF ファイル OUT.pdf に書き出します。\n"
        u"  lunaplan --pdf OUT.pdf --week YYYY-MM-DD [--weeks N] FILE.vl2\n"
        u"      その日の週から N 週 (既定は 1、年度の終わりまで) の週案を、1 週 1 ページで書き出します。\n"
        u"  lunaplan --csv OUT.csv [--table totals|outlook] [--term N] [--date YYYY-MM-DD] FILE.vl2 …\n"
        u"      ウィンドウを出さずに、クラスごとの集計表 (totals、既定) または見通し (outlook) を\n"
        u"      一つの CSV ファイル OUT.csv に書き出します。--term は学期 (1～3、既定は基準日の学期)、\n"
        u"      --date は基準日 (既定は今日。年度の外の日は年度の最初か最後の日) です。\n"
        u"  lunaplan --help\n"
        u"      この説明を表示します。\n"
        u"\n"
        u"表の番号 N:\n"_s;
    for (int index = 0; index < ReportCount; ++index)
        text += u"  %1  %2\n"_s.arg(index).arg(reportCaption(index));
    return text;
}

namespace {

// Reads a class file into state; false, with its name and the reason on
// err, when it cannot be read or is no class file.
bool loadClassFile(AppState& state, const QString& path, const QString& shownName, QTextStream& err)
{
    QString messages;
    QTextStream messageStream(&messages);
    UnattendedPrompts prompts(&messageStream);
    state.strFileName = path;
    try {
        subLoadFile(state, prompts);
    } catch (const LunaError& error) {
        messageStream << error.description() << '\n';
    }
    // The file procedure empties the name of a file it did not load.
    if (state.strFileName.isEmpty()) {
        messageStream.flush();
        err << u"「%1」を開けませんでした。"_s.arg(shownName) << '\n' << messages;
        return false;
    }
    return true;
}

} // namespace

int runPdfExport(const CommandLine& command, QTextStream& err)
{
    AppState state;
    if (!loadClassFile(state, command.classFile, QFileInfo(command.classFile).fileName(), err))
        return 1;
    try {
        if (command.week.isValid())
            writeWeeklyPlanPdf(state, command.week, command.weeks, command.pdfFile);
        else
            writeReportPdf(state, command.report, command.pdfFile);
    } catch (const LunaError& error) {
        err << u"PDF を書き出せませんでした。"_s << '\n' << error.description() << '\n';
        return 1;
    }
    return 0;
}

int runCsvExport(const CommandLine& command, QTextStream& err)
{
    ClassesCsv csv(command.table, command.term, command.date.isValid() ? command.date : QDate::currentDate());
    bool allExported = true;
    for (const QString& path : command.classFiles) {
        AppState state;
        if (!loadClassFile(state, path, path, err)) {
            allExported = false;
            continue;
        }
        try {
            csv.addClass(state);
        } catch (const LunaError& error) {
            err << u"「%1」の表を作れませんでした。"_s.arg(path) << '\n' << error.description() << '\n';
            allExported = false;
        }
    }
    if (csv.classCount() == 0) {
        err << u"書き出せるクラスがないので、CSV は書き出しませんでした。"_s << '\n';
        return 1;
    }
    try {
        writeFileAtomically(command.csvFile, csv.toBytes(), command.classFiles);
    } catch (const LunaError& error) {
        err << u"CSV を書き出せませんでした。"_s << '\n' << error.description() << '\n';
        return 1;
    }
    return allExported ? 0 : 1;
}

int runWithoutWindow(const CommandLine& command, int& argc, char* argv[])
{
    switch (command.mode) {
    case CommandLine::Mode::Help: {
        QTextStream out(stdout);
        out << commandLineHelp();
        return 0;
    }
    case CommandLine::Mode::Invalid: {
        QTextStream err(stderr);
        err << command.error << "\n\n" << commandLineHelp();
        return 2;
    }
    case CommandLine::Mode::Pdf: {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        const QGuiApplication application(argc, argv);
        QTextStream err(stderr);
        return runPdfExport(command, err);
    }
    case CommandLine::Mode::Csv: {
        QTextStream err(stderr);
        return runCsvExport(command, err);
    }
    case CommandLine::Mode::Window:
        break;
    }
    return 0;
}

} // namespace lunaplan
