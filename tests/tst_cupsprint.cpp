// Printing through a real print server, run by printserver/privatecups.sh:
// 印刷 in the print dialog prints on the report printer (Qt's native CUPS
// output, as the program prints) to the server's virtual PDF printer, and
// what the printer put out is read back with poppler's tools.
#include "core/appstate.h"
#include "reports/recordingprinter.h"
#include "reports/reportprocedures.h"
#include "storage/classfile.h"
#include "tests/support/scriptedprintprompts.h"
#include "tests/support/scriptedprompts.h"
#include "ui/print/frmprint.h"
#include "ui/print/qtprintprompts.h"
#include "ui/print/reportprinter.h"

#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

using namespace lunaplan;
using namespace Qt::StringLiterals;

namespace {

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString withoutSpaces(QString text)
{
    text.remove(QRegularExpression(u"[ \u3000\\n\\f]"_s));
    return text;
}

double number(const QRegularExpressionMatch& match, int group)
{
    return match.captured(group).toDouble();
}

} // namespace

class TestCupsPrint : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void printedByTheServer_data();
    void printedByTheServer();

private:
    // Waits until the server has no job left, then reads what the printer made.
    QByteArray waitForOutput();

    QString m_printerName;
    QString m_output;
};

void TestCupsPrint::initTestCase()
{
    m_printerName = qEnvironmentVariable("LUNAPLAN_CUPS_PRINTER");
    m_output = qEnvironmentVariable("LUNAPLAN_CUPS_OUTPUT");
    QVERIFY2(!m_printerName.isEmpty() && !qEnvironmentVariableIsEmpty("CUPS_SERVER"),
             "run by printserver/privatecups.sh, which starts the print server");
}

QByteArray TestCupsPrint::waitForOutput()
{
    const QDeadlineTimer deadline(60000);
    while (!deadline.hasExpired()) {
        const QString pending = run(u"lpstat"_s, {u"-W"_s, u"not-completed"_s, u"-o"_s, m_printerName});
        if (pending.trimmed().isEmpty()) {
            QFile file(m_output);
            if (file.open(QIODevice::ReadOnly))
                return file.readAll();
        }
        QTest::qWait(200);
    }
    return {};
}

void TestCupsPrint::printedByTheServer_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("paper"); // the QPageSize::PageSizeId chosen in page setup
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<QString>("paperName");
    QTest::newRow("年間の時数集計表, A4") << 0 << int(QPageSize::A4) << true << u"A4"_s;
    QTest::newRow("２学期の時間集計表, A4") << 4 << int(QPageSize::A4) << true << u"A4"_s;
    QTest::newRow("週間時間割計画表A, A4") << 7 << int(QPageSize::A4) << false << u"A4"_s;
    QTest::newRow("年間の時数集計表, A3") << 0 << int(QPageSize::A3) << true << u"A3"_s;
}

void TestCupsPrint::printedByTheServer()
{
    QFETCH(int, index);
    QFETCH(int, paper);
    QFETCH(bool, landscape);
    QFETCH(QString, paperName);

    AppState state;
    test::ScriptedPrompts prompts;
    state.strFileName = QString::fromUtf8(LUNAPLAN_EXAMPLES_DIR "/sample-2026-3-2.vl2");
    subLoadFile(state, prompts);
    test::ScriptedPrintPrompts printPrompts;
    ReportPrinter reportPrinter;
    QPrinter& printer = reportPrinter.get();
    // The printer as the printer dialog leaves it, the paper chosen in the
    // page setup of ﾍﾟｰｼﾞ設定 on it.
    printer.setPrinterName(m_printerName);
    QCOMPARE(printer.outputFormat(), QPrinter::NativeFormat);
    QVERIFY(printer.isValid());
    bool offered = false;
    QTimer::singleShot(0, [&offered, paper] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        auto* sizes = dialog ? dialog->findChild<QComboBox*>(u"pageSizeCombo"_s) : nullptr;
        // The printer's own papers, each item holding its QPageSize.
        for (int item = 0; sizes && item < sizes->count(); ++item) {
            if (sizes->itemData(item).value<QPageSize>().id() == paper) {
                sizes->setCurrentIndex(item);
                offered = true;
            }
        }
        if (auto* buttons = dialog ? dialog->findChild<QDialogButtonBox*>() : nullptr)
            buttons->button(QDialogButtonBox::Ok)->click();
    });
    QtPrintPrompts().pageSetup(printer, u"ﾍﾟｰｼﾞ設定"_s);
    QVERIFY2(offered, "the page setup of the printer offers the paper");
    QCOMPARE(printer.pageLayout().pageSize().id(), static_cast<QPageSize::PageSizeId>(paper));
    printPrompts.printerAnswers.enqueue(true);

    QFile::remove(m_output);
    frmPrint window(state, prompts, printPrompts, printer);
    window.optPrint(index)->setChecked(true);
    window.cmdPrint_Click();
    QVERIFY2(prompts.shown.isEmpty(), qPrintable(prompts.messages().join(u'\n')));
    QCOMPARE(printPrompts.printerDialogs, 1);
    const QByteArray output = waitForOutput();
    QVERIFY2(output.startsWith("%PDF-"), "the printer put out no PDF");

    // One page of the paper chosen.
    const QString info = run(u"pdfinfo"_s, {m_output});
    QVERIFY2(info.contains(QRegularExpression(u"Pages:\\s+1\\n"_s)), qPrintable(info));
    const QRegularExpressionMatch size =
        QRegularExpression(u"Page size:\\s+([0-9.]+) x ([0-9.]+) pts \\((\\w+)\\)"_s).match(info);
    QVERIFY2(size.hasMatch(), qPrintable(info));
    QCOMPARE(size.captured(3), paperName);
    const int rotation = QRegularExpression(u"Page rot:\\s+(\\d+)"_s).match(info).captured(1).toInt();
    const bool wide = (number(size, 1) > number(size, 2)) != (rotation % 180 == 90);

    // The report's first texts up to the school year (the title first), in
    // the order drawn: the layout of turned lines is no reading order.
    RecordingPrinter recorded;
    printReport(state, recorded, index);
    const QString text =
        withoutSpaces(run(u"pdftotext"_s, {u"-raw"_s, u"-enc"_s, u"UTF-8"_s, m_output, u"-"_s}));
    for (const PrintItem& item : recorded.texts()) {
        if (!withoutSpaces(item.text).isEmpty())
            QVERIFY2(text.contains(withoutSpaces(item.text)), qPrintable(item.text));
        if (item.text == u"令和8年度"_s)
            break;
    }
    const QString words = run(u"pdftotext"_s, {u"-bbox"_s, u"-enc"_s, u"UTF-8"_s, m_output, u"-"_s});
    const QRegularExpression page(u"<page width=\"([0-9.]+)\" height=\"([0-9.]+)\">"_s);
    const QRegularExpressionMatch pageBox = page.match(words);
    QVERIFY(pageBox.hasMatch());
    const QRegularExpression word(
        u"<word xMin=\"([-0-9.]+)\" yMin=\"([-0-9.]+)\" xMax=\"([-0-9.]+)\" yMax=\"([-0-9.]+)\">([^<]*)<"_s);
    // Every word on the page; a landscape report on an upright sheet, as the
    // server hands a sheet to the printer, has its lines running up the page.
    int count = 0;
    int upright = 0;
    int across = 0;
    for (const QRegularExpressionMatch& box : word.globalMatch(words)) {
        ++count;
        const double width = number(box, 3) - number(box, 1);
        const double height = number(box, 4) - number(box, 2);
        QVERIFY(number(box, 1) >= 0 && number(box, 2) >= 0);
        QVERIFY2(number(box, 3) <= number(pageBox, 1) && number(box, 4) <= number(pageBox, 2),
                 qPrintable(box.captured(0)));
        if (box.captured(5).size() >= 2)
            ++(height > width ? upright : across);
    }
    QVERIFY(count > 20);
    QCOMPARE(wide != (upright > across), landscape);
}

QTEST_MAIN(TestCupsPrint)
#include "tst_cupsprint.moc"
