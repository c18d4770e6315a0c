// The print dialog as a teacher uses it: choose a report, print it through
// the printer dialog, preview it or save it as PDF, close and come back.
#include "core/appstate.h"
#include "reports/reportprocedures.h"
#include "tests/support/scriptedprintprompts.h"
#include "tests/support/scriptedprompts.h"
#include "tests/support/testclass.h"
#include "ui/common/japanesefonts.h"
#include "ui/print/frmprint.h"
#include "ui/print/qtprintprompts.h"

#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace lunaplan;
using namespace Qt::StringLiterals;

namespace {

// A window over a class year, printing on a PDF printer in a temporary folder.
struct Fixture {
    explicit Fixture(bool withClass = true)
    {
        if (withClass)
            test::setUpClass2026(state);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(output());
    }
    QString output() const { return dir.filePath(u"printed.pdf"_s); }
    bool printed() const
    {
        QFile file(output());
        return file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-";
    }

    QTemporaryDir dir;
    AppState state;
    test::ScriptedPrompts prompts;
    test::ScriptedPrintPrompts printPrompts;
    QPrinter printer{QPrinter::HighResolution};
    frmPrint window{state, prompts, printPrompts, printer};
};

QStringList& capturedWarnings()
{
    static QStringList warnings;
    return warnings;
}

void captureWarning(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtWarningMsg)
        capturedWarnings().append(message);
}

} // namespace

class TestPrintWindow : public QObject {
    Q_OBJECT

    QTemporaryDir m_noServer;

private Q_SLOTS:
    void initTestCase();
    void optionsAndTheChoiceKept();
    void noClassYear_data();
    void noClassYear();
    void printerDialogDecides();
    void printerFailureIsReported();
    void noPrinterOffersPdf();
    void dialogsHaveAPointSize_data();
    void dialogsHaveAPointSize();
    void previewDrawsTheChosenReport();
    void pdfSave();
    void weeklyPlanOfTheWeekOnShow();
};

void TestPrintWindow::initTestCase()
{
    // No printer of the machine's print server: these tests print to files.
    qputenv("CUPS_SERVER", QFile::encodeName(m_noServer.filePath(u"no-cups.sock"_s)));
}

void TestPrintWindow::optionsAndTheChoiceKept()
{
    Fixture f;
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QCOMPARE(f.window.windowTitle(), u"印刷する表を選んでください"_s);
    for (int index = 0; index < ReportCount; ++index)
        QCOMPARE(f.window.optPrint(index)->text(), reportCaption(index));
    QCOMPARE(f.window.cmdPrint()->text(), u"印刷"_s);
    QCOMPARE(f.window.cmdPrintClose()->text(), u"閉じる"_s);
    QVERIFY(f.window.cmdPrint()->x() < f.window.cmdPrintClose()->x());
    QCOMPARE(f.window.selectedReport(), 0);

    QTest::mouseClick(f.window.optPrint(4), Qt::LeftButton);
    QCOMPARE(f.window.selectedReport(), 4);
    QTest::mouseClick(f.window.cmdPrintClose(), Qt::LeftButton);
    QVERIFY(f.window.isHidden());
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QCOMPARE(f.window.selectedReport(), 4);
    f.window.Form_Activate();
    QCOMPARE(f.window.focusWidget(), f.window.cmdPrint());
    QVERIFY(f.prompts.shown.isEmpty());

    // Escape closes it like 閉じる: hidden, the choice kept.
    QTest::keyClick(f.window.cmdPrint(), Qt::Key_Escape);
    QVERIFY(f.window.isHidden());
    QCOMPARE(f.window.selectedReport(), 4);
}

void TestPrintWindow::noClassYear_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("印刷") << u"cmdPrint"_s;
    QTest::newRow("プレビュー") << u"cmdPreview"_s;
    QTest::newRow("PDF保存") << u"cmdPdf"_s;
}

void TestPrintWindow::noClassYear()
{
    QFETCH(QString, button);
    Fixture f(false);
    f.window.optPrint(7)->setChecked(true);
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QTest::mouseClick(f.window.findChild<QPushButton*>(button), Qt::LeftButton);
    QCOMPARE(f.prompts.messages(), QStringList{u"印刷するデータがありません。"_s});
    QCOMPARE(f.prompts.shown.front().title, u"Lunaplan"_s);
    QCOMPARE(f.prompts.shown.front().icon, Prompts::Icon::None);
    QCOMPARE(f.printPrompts.printerDialogs, 0);
    QCOMPARE(f.printPrompts.previews, 0);
    QVERIFY(!f.printed());
    QVERIFY(f.window.isVisible());
}

void TestPrintWindow::printerDialogDecides()
{
    Fixture f;
    f.window.optPrint(2)->setChecked(true);
    f.printPrompts.printerAnswers.enqueue(false);
    f.window.cmdPrint_Click();
    QCOMPARE(f.printPrompts.printerDialogs, 1);
    QVERIFY(!f.printed());

    f.printPrompts.printerAnswers.enqueue(true);
    f.window.cmdPrint_Click();
    QVERIFY(f.printed());
    QVERIFY(f.prompts.shown.isEmpty());
    QCOMPARE(f.printer.colorMode(), QPrinter::Color);
    QCOMPARE(f.printer.pageLayout().orientation(), QPageLayout::Landscape);
    // The report prepared the actual terms of the state.
    QVERIFY(f.state.objYearResult->season(1));
}

void TestPrintWindow::printerFailureIsReported()
{
    Fixture f;
    f.printer.setOutputFileName(f.dir.filePath(u"no-such-folder/printed.pdf"_s));
    f.printPrompts.printerAnswers.enqueue(true);
    f.window.cmdPrint_Click();
    QCOMPARE(f.prompts.messages().size(), 1);
    QVERIFY(f.prompts.messages().front().startsWith(u"印刷できませんでした。"_s));
    QCOMPARE(f.prompts.shown.front().icon, Prompts::Icon::Critical);
}

void TestPrintWindow::noPrinterOffersPdf()
{
    // No printer installed: Qt's stand-in prints to a PDF file without a name.
    Fixture f;
    QPrinter none;
    none.setOutputFormat(QPrinter::PdfFormat);
    frmPrint window(f.state, f.prompts, f.printPrompts, none);
    const QString file = f.dir.filePath(u"year.pdf"_s);
    f.prompts.answers << Prompts::Answer::No << Prompts::Answer::Yes;
    f.prompts.fileNames << file;
    window.cmdPrint_Click(); // いいえ: nothing more
    QCOMPARE(f.prompts.shown.size(), 1);
    QVERIFY(!QFile::exists(file));
    window.cmdPrint_Click(); // はい: saved as by PDF保存
    QVERIFY(QFile::exists(file));
    QCOMPARE(f.printPrompts.printerDialogs, 0);
    QCOMPARE(f.prompts.shown.size(), 3);
    for (int i : {0, 1}) {
        QCOMPARE(f.prompts.shown[i].kind, u"yesno"_s);
        QCOMPARE(f.prompts.shown[i].text,
                 u"プリンターが見つかりません。代わりに PDF ファイルに保存しますか。"_s);
        QCOMPARE(f.prompts.shown[i].title, u"Lunaplan"_s);
    }
    QCOMPARE(f.prompts.shown[2].kind, u"save"_s);
    QVERIFY(f.prompts.messages().isEmpty());
}

void TestPrintWindow::dialogsHaveAPointSize_data()
{
    QTest::addColumn<int>("dialog");
    QTest::newRow("ページ設定") << 0;
    QTest::newRow("印刷") << 1;
    QTest::newRow("プレビュー") << 2;
}

void TestPrintWindow::dialogsHaveAPointSize()
{
    QFETCH(int, dialog);
    const QFont applicationFont = QApplication::font();
    QApplication::setFont(interfaceFont()); // in pixels, as the program sets it
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    QtPrintPrompts prompts;
    QFont shownFont;
    // Painted once, as on the screen, then closed.
    QTimer::singleShot(0, [&shownFont] {
        if (QWidget* shown = QApplication::activeModalWidget()) {
            shownFont = shown->font();
            shown->grab();
            shown->close();
        }
    });
    capturedWarnings().clear();
    const QtMessageHandler previous = qInstallMessageHandler(captureWarning);
    if (dialog == 0)
        prompts.pageSetup(printer, u"ﾍﾟｰｼﾞ設定"_s);
    else if (dialog == 1)
        prompts.choosePrinter(printer);
    else
        prompts.preview(printer, [](QPrinter&) {});
    qInstallMessageHandler(previous);
    QCOMPARE(QApplication::font(), interfaceFont()); // given back as it was
    QApplication::setFont(applicationFont);
    QVERIFY(shownFont.pointSizeF() > 0);
    QCOMPARE(shownFont.family(), interfaceFont().family());
    QCOMPARE(QFontInfo(shownFont).pixelSize(), interfaceFont().pixelSize());
    const QString warnings = capturedWarnings().join(u'\n');
    QVERIFY2(!warnings.contains(u"Point size"_s), qPrintable(warnings));
}

void TestPrintWindow::previewDrawsTheChosenReport()
{
    Fixture f;
    f.window.optPrint(8)->setChecked(true);
    QTest::mouseClick(f.window.cmdPreview(), Qt::LeftButton);
    QCOMPARE(f.printPrompts.previews, 1);
    QCOMPARE(f.printPrompts.printerDialogs, 0);
    QVERIFY(f.printed());
    QCOMPARE(f.printer.pageLayout().orientation(), QPageLayout::Portrait);
    QVERIFY(f.prompts.shown.isEmpty());
}

void TestPrintWindow::pdfSave()
{
    Fixture f;
    const QString file = f.dir.filePath(u"year.pdf"_s);
    f.prompts.fileNames << QString() << file << f.dir.filePath(u"no-such-folder/year.pdf"_s);
    f.window.cmdPdf_Click(); // cancelled
    QVERIFY(!QFile::exists(file));
    QVERIFY2(f.prompts.lastProposed.startsWith(u"年間の時数集計表_"_s) &&
                 f.prompts.lastProposed.endsWith(u"組.pdf"_s),
             qPrintable(f.prompts.lastProposed));
    f.window.cmdPdf_Click();
    QVERIFY(QFile::exists(file));
    QVERIFY(f.prompts.lastFilter.contains(u"*.pdf"_s));
    QVERIFY(f.prompts.messages().isEmpty());
    QCOMPARE(f.printPrompts.printerDialogs, 0);
    f.window.cmdPdf_Click();
    QCOMPARE(f.prompts.messages().size(), 1);
    QVERIFY(f.prompts.messages().front().startsWith(u"PDF に保存できませんでした。"_s));

    // The class's own file is never replaced by a report of it.
    f.state.strFileName = f.dir.filePath(u"class.vl2"_s);
    QFile classFile(f.state.strFileName);
    QVERIFY(classFile.open(QIODevice::WriteOnly));
    classFile.write("Soraplan\r\n");
    classFile.close();
    f.prompts.fileNames << f.state.strFileName;
    f.window.cmdPdf_Click();
    QCOMPARE(f.prompts.messages().size(), 2);
    QVERIFY(f.prompts.messages().back().endsWith(u"読み込み元のファイルと同じです"_s));
    QVERIFY(classFile.open(QIODevice::ReadOnly));
    QCOMPARE(classFile.readAll(), QByteArray("Soraplan\r\n"));
}

void TestPrintWindow::weeklyPlanOfTheWeekOnShow()
{
    Fixture f;
    f.state.dateSelected = QDate(2027, 3, 10); // the main window shows the week of 8 March
    f.window.Form_Activate();
    QRadioButton* weekly = f.window.optPrint(frmPrint::WeeklyPlanOption);
    QCOMPARE(weekly->text(), u"週案（表示中の週から）"_s);
    // From the week on show to the end of the year: 8, 15, 22 and 29 March.
    QCOMPARE(f.window.spnWeeks()->minimum(), 1);
    QCOMPARE(f.window.spnWeeks()->maximum(), 4);
    weekly->click();
    QCOMPARE(f.window.selectedReport(), frmPrint::WeeklyPlanOption);
    f.window.spnWeeks()->setValue(3);

    const QString file = f.dir.filePath(u"weeks.pdf"_s);
    f.prompts.fileNames << file;
    f.window.cmdPdf_Click();
    QVERIFY(f.prompts.messages().isEmpty());
    QFile written(file);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll().count("/Type /Page\n"), 3);

    // Printing goes through the printer dialog as for the other reports.
    f.printPrompts.printerAnswers << true;
    f.window.cmdPrint_Click();
    QCOMPARE(f.printPrompts.printerDialogs, 1);
    QVERIFY(f.printed());
}

QTEST_MAIN(TestPrintWindow)
#include "tst_printwindow.moc"
