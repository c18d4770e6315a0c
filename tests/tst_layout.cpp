// The main window's layout with the program's own interface font: no text may
// leave its control. Registered twice, in the C locale and in ja_JP, where
// the font database names the fonts differently.
#include "core/appstate.h"
#include "core/units.h"
#include "core/weekview.h"
#include "tests/support/programwindow.h"
#include "tests/support/scriptedprompts.h"
#include "tests/support/testclass.h"
#include "ui/common/clicklabel.h"
#include "ui/common/fittedlabel.h"
#include "ui/common/japanesefonts.h"
#include "ui/common/subjectpalette.h"
#include "ui/common/windowlist.h"
#include "ui/main/frmmain.h"
#include "ui/main/recordingframe.h"
#include "ui/main/session.h"
#include "ui/wizard/wizard.h"

#include <QAbstractButton>
#include <QFontDatabase>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace lunaplan;
using namespace Qt::StringLiterals;

namespace {

bool ipaFontsInstalled()
{
    const QStringList families = QFontDatabase::families();
    return families.contains(u"IPAPGothic"_s) || families.contains(u"IPA Pゴシック"_s);
}

// The room a label's text needs, at the font it is drawn with.
QSize neededSize(const QLabel& label)
{
    if (const auto* fitted = qobject_cast<const FittedLabel*>(&label))
        return {label.contentsRect().width(), fitted->textHeight(fitted->fittedFont())};
    const QFontMetrics metrics = label.fontMetrics();
    if (label.wordWrap())
        return metrics.boundingRect(label.contentsRect(), Qt::TextWordWrap, label.text()).size();
    return {metrics.horizontalAdvance(label.text()), metrics.height()};
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void interfaceFontIsPinned();
    void textStaysInsideItsControl();
    void everyWindowFitsASmallScreen();
    void japaneseLocaleLeavesFiguresAlone();

private:
    QTemporaryDir m_dir;
};

void TestLayout::initTestCase()
{
    prepareApplication();
}

void TestLayout::interfaceFontIsPinned()
{
    if (!ipaFontsInstalled())
        QSKIP("the IPA fonts are not installed");
    const QFontInfo info(QApplication::font());
    QVERIFY2(info.family() == u"IPAPGothic"_s || info.family() == u"IPA Pゴシック"_s,
             qPrintable(info.family()));
    QCOMPARE(info.pixelSize(), 12);
    // One family, by the name the database lists in this locale: a list of
    // families would make the first text look up every script's fallbacks.
    const QStringList families = interfaceFont().families();
    QCOMPARE(families.size(), 1);
    QVERIFY2(QFontDatabase::families().contains(families.constFirst()), qPrintable(families.constFirst()));
}

void TestLayout::textStaysInsideItsControl()
{
    AppState state;
    test::setUpClass2026(state);
    test::ScriptedPrompts prompts;
    QSettings settings(m_dir.filePath(u"settings.ini"_s), QSettings::IniFormat);
    test::MainWindowUnderTest window(state, prompts, settings);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.Form_Activate();
    window.MonthView1_DateClick(QDate(2026, 12, 9)); // the widest headings: 12／10(木)

    const RecordingFrame& frame = *window.fraSubject();
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        // The period numbers are drawn one per row by the label itself.
        if (!label->isVisible() || label->objectName() == u"Label7"_s)
            continue;
        const QSize needed = neededSize(*label);
        const QRect room = label->contentsRect();
        QVERIFY2(needed.width() <= room.width() && needed.height() <= room.height(),
                 qPrintable(u"%1: needs %2×%3, has %4×%5"_s.arg(label->objectName())
                                .arg(needed.width())
                                .arg(needed.height())
                                .arg(room.width())
                                .arg(room.height())));
    }
    for (const ClickLabel* label : window.findChildren<ClickLabel*>()) {
        if (!label->isVisible())
            continue;
        const QFontMetrics metrics = label->fontMetrics();
        QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->contentsRect().width() &&
                     metrics.height() <= label->contentsRect().height(),
                 qPrintable(label->objectName()));
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (!button->isVisible() || button->text().isEmpty())
            continue;
        QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) <= button->width(),
                 qPrintable(button->objectName()));
    }
    // The instruction ends where the palette begins.
    const auto* comment = frame.findChild<QLabel*>(u"lblMainComment"_s);
    QVERIFY(comment->geometry().bottom() < frame.fraPalette()->geometry().top());
}

// Every window, its title bar and frame included, fits a 1024 × 768 screen, so
// that no button or count is out of reach on the small screens of schools.
void TestLayout::everyWindowFitsASmallScreen()
{
    test::ProgramWindow program(m_dir.filePath(u"settings.ini"_s));
    test::setUpClass2026(program.state);
    program.window->show();
    program.window->Form_Activate();
    const auto item = [&](const QString& name) { return program.window->findChild<QAction*>(name); };
    for (const char16_t* name :
         {u"mnuEditModifyHoliday", u"mnuEditModifySpecial", u"mnuEditModifyWeekA", u"mnuEditModifyYear",
          u"mnuViewShowTimeTable", u"mnuFilePrint", u"mnuHelpContents"})
        item(QString::fromUtf16(name))->trigger();
    program.window->wizard().goTo(nullptr, WizardPageId::Start);

    // The frame of the usual window managers: a title bar and thin borders.
    const QMargins frame(4, 30, 4, 4);
    QList<QWidget*> windows = program.window->windowList().windows();
    windows.append(program.window.get());
    QCOMPARE(windows.size(), 9); // five pages, totals, print, help and the main window
    for (const QWidget* window : windows) {
        const QSize outer = window->size().grownBy(frame);
        QVERIFY2(outer.width() <= 1024 && outer.height() <= 768,
                 qPrintable(u"%1: %2×%3"_s.arg(window->objectName()).arg(outer.width()).arg(outer.height())));
    }
}

// Qt's dialogs speak Japanese in every locale; the figures the program writes
// itself keep their form (no digit grouping, a point before the remainder).
void TestLayout::japaneseLocaleLeavesFiguresAlone()
{
    QCOMPARE(QLocale().language(), QLocale::Japanese);
    QCOMPARE(fncCreditToStr(30001), u"10000.1"_s);
    QCOMPARE(fncCreditToStr(-5), u"-1.2"_s);
    QCOMPARE(fncStrToCredit(u"32.1"_s), 97);
    QCOMPARE(dayHeading(QDate(2026, 12, 10)), u"12／10(木)"_s);
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
