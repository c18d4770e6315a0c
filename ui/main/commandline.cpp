#include "ui/main/commandline.h"

#include "core/appstate.h"
#include "core/errors.h"
#include "reports/pdfexport.h"
#include "reports/reportprocedures.h"
#include "storage/classfile.h"
#include "storage/prompts.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace lunaplan {

namespace {

// Messages of the file procedures go to the terminal; nothing is asked.
class StreamPrompts final : public Prompts {
public:
    explicit StreamPrompts(QTextStream& stream)
        : m_stream(stream)
    {}
    void message(const QString& text, const QString&, Icon) override { m_stream << text << '\n'; }
    Answer askYesNo(const QString&, const QString&) override { return Answer::No; }
    Answer askYesNoCancel(const QString&, const QString&) override { return Answer::Cancel; }
    QString openFileName(const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }

private:
    QTextStream& m_stream;
};

CommandLine invalid(const QString& error)
{
    CommandLine command;
    command.mode = CommandLine::Mode::Invalid;
    command.error = error;
    return command;
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments)
{
    CommandLine command;
    // Without an option of its own the line belongs to the window, whose
    // application object takes Qt's options (-platform …) out of it.
    const auto isOwnOption = [](const QString& argument) {
        return argument == u"--help"_s || argument == u"-h"_s || argument == u"--pdf"_s ||
               argument.startsWith(u"--pdf="_s) || argument == u"--report"_s ||
               argument.startsWith(u"--report="_s);
    };
    if (std::none_of(arguments.begin(), arguments.end(), isOwnOption)) {
        command.classFile = arguments.value(0);
        return command;
    }
    bool reportGiven = false;
    QString reportText;
    QStringList files;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        // "--pdf OUT" and "--pdf=OUT" alike.
        const auto value = [&](const QString& option, QString& target) {
            if (argument.startsWith(option + u'=')) {
                target = argument.mid(option.size() + 1);
                return true;
            }
            if (argument != option)
                return false;
            if (i + 1 >= arguments.size())
                return false;
            target = arguments[++i];
            return true;
        };
        if (argument == u"--help"_s || argument == u"-h"_s) {
            command.mode = CommandLine::Mode::Help;
            return command;
        }
        if (argument == u"--pdf"_s || argument.startsWith(u"--pdf="_s)) {
            if (!value(u"--pdf"_s, command.pdfFile) || command.pdfFile.isEmpty())
                return invalid(u"--pdf には書き出す PDF ファイルの名前が要ります。"_s);
        } else if (argument == u"--report"_s || argument.startsWith(u"--report="_s)) {
            if (!value(u"--report"_s, reportText))
                return invalid(u"--report には表の番号 (0～8) が要ります。"_s);
            reportGiven = true;
        } else if (argument.startsWith(u'-') && argument.size() > 1) {
            return invalid(u"知らないオプションです: %1"_s.arg(argument));
        } else {
            files.append(argument);
        }
    }
    if (files.size() > 1)
        return invalid(u"クラスのファイルは一つだけ指定してください。"_s);
    command.classFile = files.value(0);
    if (command.pdfFile.isEmpty() && !reportGiven)
        return command;

    if (command.pdfFile.isEmpty())
        return invalid(u"--report は --pdf と一緒に使います。"_s);
    if (!reportGiven)
        return invalid(u"--pdf には --report で表の番号 (0～8) を指定してください。"_s);
    bool ok = false;
    const int report = reportText.toInt(&ok);
    if (!ok || report < 0 || report >= ReportCount)
        return invalid(u"表の番号は 0 から 8 までです: %1"_s.arg(reportText));
    if (command.classFile.isEmpty())
        return invalid(u"--pdf にはクラスのファイル (.vl2) を指定してください。"_s);
    command.mode = CommandLine::Mode::Pdf;
    command.report = report;
    return command;
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
    QString text = u"使い方:\n"
                   u"  lunaplan [FILE.vl2]\n"
                   u"      Lunaplan を開きます (ファイルを指定するとそのクラスを開きます)。\n"
                   u"  lunaplan --pdf OUT.pdf --report N FILE.vl2\n"
                   u"      ウィンドウを出さずに、FILE.vl2 の表 N を PDF ファイル OUT.pdf に書き出します。\n"
                   u"  lunaplan --help\n"
                   u"      この説明を表示します。\n"
                   u"\n"
                   u"表の番号 N:\n"_s;
    for (int index = 0; index < ReportCount; ++index)
        text += u"  %1  %2\n"_s.arg(index).arg(reportCaption(index));
    return text;
}

int runPdfExport(const CommandLine& command, QTextStream& err)
{
    AppState state;
    StreamPrompts prompts(err);
    const QString name = QFileInfo(command.classFile).fileName();
    state.strFileName = command.classFile;
    try {
        subLoadFile(state, prompts);
    } catch (const LunaError& error) {
        err << u"「%1」を開けませんでした。"_s.arg(name) << '\n' << error.description() << '\n';
        return 1;
    }
    if (state.strFileName.isEmpty()) // not a class file; its message is out
        return 1;
    try {
        writeReportPdf(state, command.report, command.pdfFile);
    } catch (const LunaError& error) {
        err << u"PDF を書き出せませんでした。"_s << '\n' << error.description() << '\n';
        return 1;
    }
    return 0;
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
        err << command.error << '\n' << u"lunaplan --help で使い方を表示します。"_s << '\n';
        return 2;
    }
    case CommandLine::Mode::Pdf: {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        const QGuiApplication application(argc, argv);
        QTextStream err(stderr);
        return runPdfExport(command, err);
    }
    case CommandLine::Mode::Window:
        break;
    }
    return 0;
}

} // namespace lunaplan
