// The smaller shared UI pieces: twips, fonts, subject icons and pointer, the period grid and the
// subject choice, Qt prompts, the window list.
#include "core/errors.h"
#include "core/subjects.h"
#include "tests/support/scriptedprompts.h"
#include "ui/common/clicklabel.h"
#include "ui/common/fittedlabel.h"
#include "ui/common/handlerguard.h"
#include "ui/common/japanesefonts.h"
#include "ui/common/japanesetranslation.h"
#include "ui/common/periodgrid.h"
#include "ui/common/qtprompts.h"
#include "ui/common/screenplacement.h"
#include "ui/common/subjectchoice.h"
#include "ui/common/subjecticons.h"
#include "ui/common/subjectpalette.h"
#include "ui/common/twips.h"
#include "ui/common/windowactivation.h"
#include "ui/common/windowlist.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>

using namespace lunaplan;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(lunaplan::Prompts::Answer)

namespace {

// Windows for the window list; each notes its closing in a shared log.
class Page : public QWidget {
    Q_OBJECT
public:
    Page(QStringList* log, QString name, bool refuseClose = false)
        : m_log(log)
        , m_name(std::move(name))
        , m_refuse(refuseClose)
    {}

protected:
    void closeEvent(QCloseEvent* event) override
    {
        m_log->append(m_name);
        if (m_refuse)
            event->ignore();
    }

private:
    QStringList* m_log;
    QString m_name;
    bool m_refuse;
};

class ClassPage : public Page {
    Q_OBJECT
public:
    using Page::Page;
};

class CalendarPage : public Page {
    Q_OBJECT
public:
    using Page::Page;
};

class TotalsWindow : public Page {
    Q_OBJECT
public:
    using Page::Page;
};

void deleteClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Runs act on the next modal dialog of type D once the event loop shows it.
template <class D> void onNextDialog(std::function<void(D*)> act)
{
    QTimer::singleShot(0, qApp, [act] {
        auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        act(dialog);
    });
}

} // namespace

class TestUiCommon : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void twipsToPixels_data();
    void twipsToPixels();
    void twipsPlacement();
    void fontSubstitutions();
    void subjectIcons();
    void subjectCursor();
    void fileFilter_data();
    void fileFilter();
    void questions_data();
    void questions();
    void messageBox();
    void fileDialogs();
    void windowListKeepsOnePerType();
    void windowListForgetsClosedWindows();
    void windowListClosesNewestFirst();
    void windowListStopsAtRefusal();
    void handlerGuardStopsFaults();
    void fittedLabelFollowsItsSizeAndText();
    void clickLabel();
    void periodGridPlacement();
    void periodGridSubjects_data();
    void periodGridSubjects();
    void subjectChoiceComparesCodes();
    void activationOncePerComing();
    void windowsOpenInsideTheScreen();
};

// The program loads Qt's Japanese translation at start; so do these tests,
// which check the standard buttons and dialogs in Japanese.
void TestUiCommon::initTestCase()
{
    QVERIFY(installQtJapaneseTranslation(*QCoreApplication::instance()));
}

void TestUiCommon::twipsToPixels_data()
{
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("zero") << 0 << 0;
    QTest::newRow("calendar frame width") << 2415 << 161;
    QTest::newRow("calendar frame height") << 8295 << 553;
    QTest::newRow("window width") << 13500 << 900;
    QTest::newRow("under half a pixel") << 7 << 0;
    QTest::newRow("half a pixel and more") << 8 << 1;
    QTest::newRow("rounds up") << 1688 << 113;
    QTest::newRow("negative rounds the same way") << -8 << -1;
    QTest::newRow("small negative") << -7 << 0;
}

void TestUiCommon::twipsToPixels()
{
    QFETCH(int, twips);
    QFETCH(int, pixels);
    QCOMPARE(lunaplan::twipsToPixels(twips), pixels);
    if (twips % TwipsPerPixel == 0)
        QCOMPARE(pixelsToTwips(pixels), twips);
}

void TestUiCommon::twipsPlacement()
{
    static_assert(twipsRect(0, 120, 2415, 8295) == QRect(0, 8, 161, 553));
    static_assert(twipsSize(735, 735) == QSize(49, 49));
    static_assert(twipsPoint(2520 + 1680, 840) == QPoint(280, 56));

    QWidget window;
    QWidget frame(&window);
    placeInTwips(&frame, 2400, 0, 10935, 8415);
    QCOMPARE(frame.geometry(), QRect(160, 0, 729, 561));
}

void TestUiCommon::fontSubstitutions()
{
    installJapaneseFontSubstitutions();
    // Qt keeps substitutes in lower case.
    // Both names of each font: the font database uses the Japanese one in a
    // Japanese locale. Qt keeps substitutes in lower case.
    QCOMPARE(QFont::substitutes(u"ＭＳ 明朝"_s), (QStringList{u"ipamincho"_s, u"ipa明朝"_s}));
    QCOMPARE(QFont::substitutes(u"ＭＳ ゴシック"_s), (QStringList{u"ipagothic"_s, u"ipaゴシック"_s}));
    QCOMPARE(QFont::substitutes(u"ＭＳ Ｐゴシック"_s), (QStringList{u"ipapgothic"_s, u"ipa pゴシック"_s}));

    if (!QFontDatabase::hasFamily(u"IPAPGothic"_s) || !QFontDatabase::hasFamily(u"IPAMincho"_s))
        QSKIP("the IPA fonts are not installed");
    // The names resolve to the real fonts, not to some fallback.
    QCOMPARE(QFontInfo(QFont(u"ＭＳ 明朝"_s)).family(), u"IPAMincho"_s);
    QCOMPARE(QFontInfo(QFont(u"ＭＳ ゴシック"_s)).family(), u"IPAGothic"_s);
    QCOMPARE(QFontInfo(QFont(u"ＭＳ Ｐゴシック"_s)).family(), u"IPAPGothic"_s);
    const QFont font = interfaceFont();
    QCOMPARE(QFontInfo(font).family(), u"IPAPGothic"_s);
    QCOMPARE(font.pixelSize(), 12);
}

void TestUiCommon::subjectIcons()
{
    QList<QImage> images;
    QHash<SubjectGroup, QColor> groupFill;
    for (const QChar code : MainPaletteOrder) {
        const QPixmap pixmap = subjectPixmap(code);
        QVERIFY(!pixmap.isNull());
        QCOMPARE(pixmap.deviceIndependentSize().toSize(), QSize(SubjectIconSize, SubjectIconSize));
        const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
        for (const QImage& other : std::as_const(images))
            QVERIFY2(image != other, qPrintable(QString(code)));
        images.append(image);

        // A point well inside the tile, clear of the letter, shows the group's colour.
        const QColor fill = image.pixelColor(4, 16);
        const SubjectGroup group = subjectByCode(code)->group;
        if (groupFill.contains(group))
            QCOMPARE(fill, groupFill.value(group));
        else
            groupFill.insert(group, fill);
    }
    QCOMPARE(images.size(), 18);
    QCOMPARE(groupFill.size(), 4);
    const QList<QColor> fills = groupFill.values();
    for (qsizetype i = 0; i < fills.size(); ++i)
        for (qsizetype j = i + 1; j < fills.size(); ++j)
            QVERIFY(fills.at(i) != fills.at(j));

    QVERIFY(subjectIcon(EmptySlot).isNull());
    QVERIFY(subjectPixmap(u'X').isNull());
    QVERIFY(!subjectIcon(u'予').isNull());
}

void TestUiCommon::subjectCursor()
{
    const QCursor cursor = lunaplan::subjectCursor(u'国');
    QCOMPARE(cursor.shape(), Qt::BitmapCursor);
    QCOMPARE(cursor.pixmap().toImage(), subjectPixmap(u'国').toImage());
    QCOMPARE(cursor.hotSpot(), QPoint(SubjectIconSize / 2, SubjectIconSize / 2));
    QCOMPARE(lunaplan::subjectCursor(EmptySlot).shape(), Qt::ArrowCursor);
}

void TestUiCommon::fileFilter_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("qt");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("class file") << u"「Lunaplan2002」のﾌｧｲﾙ (*.vl2)|*.vl2"_s
                                << u"「Lunaplan2002」のﾌｧｲﾙ (*.vl2)"_s << u"vl2"_s;
    QTest::newRow("pattern added") << u"テキスト|*.txt"_s << u"テキスト (*.txt)"_s << u"txt"_s;
    QTest::newRow("several patterns") << u"表|*.csv; *.txt"_s << u"表 (*.csv *.txt)"_s << u"csv"_s;
    QTest::newRow("other words in parentheses")
        << u"Files (all)|*.*"_s << u"Files (all) (*.*)"_s << QString();
    QTest::newRow("two entries") << u"A (*.a)|*.a|B|*.b"_s << u"A (*.a);;B (*.b)"_s << u"a"_s;
    QTest::newRow("trailing bar") << u"A|*.a|"_s << u"A (*.a)"_s << u"a"_s;
    QTest::newRow("description only") << u"すべて"_s << u"すべて (*)"_s << QString();
    QTest::newRow("empty") << QString() << QString() << QString();
}

void TestUiCommon::fileFilter()
{
    QFETCH(QString, filter);
    QFETCH(QString, qt);
    QFETCH(QString, suffix);
    QCOMPARE(qtFileFilter(filter), qt);
    QCOMPARE(defaultSuffix(filter), suffix);
}

void TestUiCommon::questions_data()
{
    QTest::addColumn<bool>("withCancel");
    QTest::addColumn<int>("key");
    QTest::addColumn<Prompts::Answer>("answer");
    QTest::newRow("yes/no: Enter takes Yes") << false << int(Qt::Key_Return) << Prompts::Answer::Yes;
    QTest::newRow("yes/no: Escape is No") << false << int(Qt::Key_Escape) << Prompts::Answer::No;
    QTest::newRow("yes/no/cancel: Enter takes Yes") << true << int(Qt::Key_Return) << Prompts::Answer::Yes;
    QTest::newRow("yes/no/cancel: Escape cancels") << true << int(Qt::Key_Escape) << Prompts::Answer::Cancel;
}

void TestUiCommon::questions()
{
    QFETCH(bool, withCancel);
    QFETCH(int, key);
    QFETCH(Prompts::Answer, answer);

    QtPrompts prompts;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::Critical;
    QStringList buttons;
    onNextDialog<QMessageBox>([&](QMessageBox* box) {
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        for (const QAbstractButton* button : box->buttons())
            buttons.append(QString(button->text()).remove(QRegularExpression(u"\\(&.\\)|&"_s)));
        QTest::keyClick(box, Qt::Key(key));
    });
    const QString question = u"終了前にファイルを保存しますか。"_s;
    const Prompts::Answer got = withCancel ? prompts.askYesNoCancel(question, applicationTitle())
                                           : prompts.askYesNo(question, applicationTitle());
    QCOMPARE(got, answer);
    QCOMPARE(title, u"Lunaplan"_s);
    QCOMPARE(text, question);
    QCOMPARE(icon, QMessageBox::NoIcon);
    buttons.sort();
    QStringList expected{u"はい"_s, u"いいえ"_s};
    if (withCancel)
        expected.append(u"キャンセル"_s);
    expected.sort();
    QCOMPARE(buttons, expected);
}

void TestUiCommon::messageBox()
{
    QtPrompts prompts;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    onNextDialog<QMessageBox>([&](QMessageBox* box) {
        icon = box->icon();
        box->button(QMessageBox::Ok)->click();
    });
    prompts.message(u"ファイルが読めません。"_s, applicationTitle(), Prompts::Icon::Warning);
    QCOMPARE(icon, QMessageBox::Warning);
}

void TestUiCommon::fileDialogs()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QtPrompts prompts;
    const QString filter = u"「Lunaplan2002」のﾌｧｲﾙ (*.vl2)|*.vl2"_s;

    QString title;
    QStringList filters;
    QStringList labels;
    onNextDialog<QFileDialog>([&](QFileDialog* dialog) {
        title = dialog->windowTitle();
        filters = dialog->nameFilters();
        for (const auto label :
             {QFileDialog::LookIn, QFileDialog::FileName, QFileDialog::Accept, QFileDialog::Reject})
            labels.append(dialog->labelText(label));
        dialog->reject();
    });
    QCOMPARE(prompts.openFileName(u"開く"_s, filter), QString());
    QCOMPARE(title, u"開く"_s);
    QCOMPARE(filters, QStringList{u"「Lunaplan2002」のﾌｧｲﾙ (*.vl2)"_s});
    // Qt's own texts of the dialog read in Japanese.
    for (const QString& label : labels) {
        QVERIFY2(!label.isEmpty(), qPrintable(labels.join(u" / "_s)));
        QVERIFY2(!label.contains(QRegularExpression(u"[A-Za-z]{3}"_s)), qPrintable(labels.join(u" / "_s)));
    }

    // A name typed without an extension is saved with the filter's one.
    onNextDialog<QFileDialog>([&](QFileDialog* dialog) {
        dialog->setDirectory(dir.path());
        dialog->selectFile(u"class"_s);
        static_cast<QDialog*>(dialog)->accept(); // as the Save button does
    });
    QCOMPARE(prompts.saveFileName(u"ファイル名を付けて保存"_s, filter, QString()),
             dir.filePath(u"class.vl2"_s));
}

void TestUiCommon::windowListKeepsOnePerType()
{
    QStringList log;
    WindowList list;
    ClassPage* page = list.show<ClassPage>(&log, u"class"_s);
    QVERIFY(page->isVisible());
    QVERIFY(page->testAttribute(Qt::WA_DeleteOnClose));
    QCOMPARE(list.show<ClassPage>(&log, u"second"_s), page);
    CalendarPage* calendar = list.show<CalendarPage>(&log, u"calendar"_s);
    QCOMPARE(list.windows(), (QList<QWidget*>{page, calendar}));
    QCOMPARE(list.find<CalendarPage>(), calendar);
    QCOMPARE(list.find<TotalsWindow>(), nullptr);

    // A hidden window is still open: showing its type shows it again.
    calendar->hide();
    QCOMPARE(list.show<CalendarPage>(&log, u"again"_s), calendar);
    QVERIFY(calendar->isVisible());

    list.track(page);
    list.track(nullptr);
    QCOMPARE(list.windows().size(), 2);
}

void TestUiCommon::windowListForgetsClosedWindows()
{
    QStringList log;
    QPointer<QWidget> page;
    QPointer<QWidget> totals;
    {
        WindowList list;
        page = list.show<ClassPage>(&log, u"class"_s);
        totals = list.show<TotalsWindow>(&log, u"totals"_s);
        QVERIFY(page->close());
        deleteClosedWindows();
        QVERIFY(page.isNull());
        QCOMPARE(list.windows(), QList<QWidget*>{totals.data()});

        // Opened again, it is a new window at the end of the list.
        ClassPage* reopened = list.show<ClassPage>(&log, u"class"_s);
        QCOMPARE(list.windows(), (QList<QWidget*>{totals.data(), reopened}));
        page = reopened;
    }
    // Windows still open go with the list.
    QVERIFY(page.isNull());
    QVERIFY(totals.isNull());
}

void TestUiCommon::windowListClosesNewestFirst()
{
    QStringList log;
    WindowList list;
    QPointer<QWidget> first = list.show<ClassPage>(&log, u"class"_s);
    QPointer<QWidget> second = list.show<TotalsWindow>(&log, u"totals"_s);
    QPointer<QWidget> third = list.show<CalendarPage>(&log, u"calendar"_s);
    second->hide(); // closed too, though not on screen

    QVERIFY(list.closeAllNewestFirst());
    QCOMPARE(log, (QStringList{u"calendar"_s, u"totals"_s, u"class"_s}));
    QCOMPARE(list.windows(), QList<QWidget*>());
    deleteClosedWindows();
    QVERIFY(first.isNull() && second.isNull() && third.isNull());
}

void TestUiCommon::windowListStopsAtRefusal()
{
    QStringList log;
    WindowList list;
    ClassPage* first = list.show<ClassPage>(&log, u"class"_s);
    auto* busy = new TotalsWindow(&log, u"busy"_s, true);
    list.track(busy);
    QPointer<QWidget> last = list.show<CalendarPage>(&log, u"calendar"_s);

    QVERIFY(!list.closeAllNewestFirst());
    QCOMPARE(log, (QStringList{u"calendar"_s, u"busy"_s}));
    QCOMPARE(list.windows(), (QList<QWidget*>{first, busy}));
    deleteClosedWindows();
    QVERIFY(last.isNull());
}

void TestUiCommon::handlerGuardStopsFaults()
{
    test::ScriptedPrompts prompts;
    const HandlerGuard guard(prompts);
    int steps = 0;
    QVERIFY(guard.run(u"保存"_s, [&] { ++steps; }));
    QVERIFY(prompts.shown.isEmpty());

    // A core fault stops the handler where it was raised and is shown once.
    QVERIFY(!guard.run(u"集計"_s, [&] {
        ++steps;
        throw OverflowError();
        ++steps;
    }));
    QCOMPARE(steps, 2);
    QCOMPARE(prompts.messages(), QStringList{u"集計\nオーバーフローしました。"_s});
    QCOMPARE(prompts.shown.last().title, u"Lunaplan"_s);
    QCOMPARE(prompts.shown.last().icon, Prompts::Icon::Critical);

    // Any other exception is caught as well.
    QVERIFY(!guard.run(u"集計"_s, [] { throw std::logic_error("x"); }));
    QCOMPARE(prompts.shown.size(), 2);
}

// The font is fitted when the label is drawn, for the size and text it has
// then: a label made small, made larger again or given a longer text draws
// at the right size each time.
void TestUiCommon::fittedLabelFollowsItsSizeAndText()
{
    const QString sentence = u"実績の入力をします。左のカレンダから登録したい週を選択してください。"_s;
    FittedLabel label(sentence);
    label.setFont(interfaceFont());
    const int natural = QFontInfo(label.font()).pixelSize();
    const auto fits = [&label] {
        return label.textHeight(label.fittedFont()) <= label.contentsRect().height();
    };

    label.resize(600, 40);
    QCOMPARE(QFontInfo(label.fittedFont()).pixelSize(), natural);

    label.resize(120, 30);
    const int small = QFontInfo(label.fittedFont()).pixelSize();
    QVERIFY2(small < natural && fits(), qPrintable(QString::number(small)));
    // The largest size that fits: one pixel more would not.
    QFont larger = label.fittedFont();
    larger.setPixelSize(small + 1);
    QVERIFY(label.textHeight(larger) > label.contentsRect().height());

    label.setText(sentence + sentence);
    QVERIFY(QFontInfo(label.fittedFont()).pixelSize() < small);
    QVERIFY(fits());

    label.resize(600, 200);
    QCOMPARE(QFontInfo(label.fittedFont()).pixelSize(), natural);
}

// A click label reports left clicks and Space, not when disabled, and draws
// its text in the colours of its state: a disabled one in the palette's
// disabled text colour, which a window may set to keep it readable.
void TestUiCommon::clickLabel()
{
    ClickLabel label(u"４５分"_s);
    label.setFont(interfaceFont());
    label.resize(60, 20);
    QPalette colours = label.palette();
    colours.setColor(QPalette::Active, QPalette::WindowText, Qt::black);
    colours.setColor(QPalette::Inactive, QPalette::WindowText, Qt::black);
    colours.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0xc0, 0x20, 0x20));
    label.setPalette(colours);
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));

    QSignalSpy clicks(&label, &ClickLabel::clicked);
    QTest::mouseClick(&label, Qt::LeftButton);
    QTest::mouseClick(&label, Qt::RightButton);
    QTest::keyClick(&label, Qt::Key_Space);
    QCOMPARE(clicks.count(), 2);

    // The colour of the text drawn, taken as the pixel farthest from the background.
    const auto inkOf = [&label] {
        const QImage image = label.grab().toImage();
        const QColor background = label.palette().color(QPalette::Window);
        QColor ink = background;
        int farthest = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                const int distance = std::abs(c.red() - background.red()) +
                                     std::abs(c.green() - background.green()) +
                                     std::abs(c.blue() - background.blue());
                if (distance > farthest) {
                    farthest = distance;
                    ink = c;
                }
            }
        return ink;
    };
    const QColor enabledInk = inkOf();
    QVERIFY2(enabledInk.red() < 60 && enabledInk.green() < 60, qPrintable(enabledInk.name()));

    label.setEnabled(false);
    const QColor disabledInk = inkOf();
    QVERIFY2(disabledInk.red() > 150 && disabledInk.green() < 90, qPrintable(disabledInk.name()));
    QTest::mouseClick(&label, Qt::LeftButton);
    QCOMPARE(clicks.count(), 2);

    label.setEnabled(true);
    label.setText(u"なし"_s);
    QCOMPARE(label.text(), u"なし"_s);
    QCOMPARE(label.accessibleName(), u"なし"_s);
}

void TestUiCommon::periodGridPlacement()
{
    // Two days, lengths and subjects in two panels as the timetable page has them.
    QWidget lengthPanel;
    QWidget subjectPanel;
    PeriodGrid grid(2, nullptr);
    grid.buildLengths(&lengthPanel, {u"len", {600, 2100}, {900, 630}, {840, 330}});
    grid.buildButtons(&subjectPanel, {u"cell", {2400, 1260}, {840, 720}, {735, 735}});
    QCOMPARE(grid.cellCount(), 16);
    const int dayOnePeriodThree = 8 + 3;
    QCOMPARE(grid.button(dayOnePeriodThree)->parentWidget(), &subjectPanel);
    QCOMPARE(grid.button(dayOnePeriodThree)->objectName(), u"cell_11"_s);
    QCOMPARE(grid.button(dayOnePeriodThree)->geometry(), twipsRect(2400 + 840, 1260 + 720 * 3, 735, 735));
    QCOMPARE(grid.lengthLabel(dayOnePeriodThree)->parentWidget(), &lengthPanel);
    QCOMPARE(grid.lengthLabel(dayOnePeriodThree)->geometry(), twipsRect(600 + 900, 2100 + 630 * 3, 840, 330));
    QCOMPARE(grid.indexOf(grid.button(15)), 15);
    QCOMPARE(grid.indexOf(grid.lengthLabel(15)), -1);

    QSignalSpy periods(&grid, &PeriodGrid::periodClicked);
    QSignalSpy lengths(&grid, &PeriodGrid::lengthClicked);
    grid.button(dayOnePeriodThree)->click();
    Q_EMIT grid.lengthLabel(2)->clicked();
    QCOMPARE(periods.count(), 1);
    QCOMPARE(periods.first().first().toInt(), dayOnePeriodThree);
    QCOMPARE(lengths.count(), 1);
    QCOMPARE(lengths.first().first().toInt(), 2);

    grid.setLength(2, 3);
    QCOMPARE(grid.lengthCode(2), 3);
    QCOMPARE(grid.lengthLabel(2)->text(), u"４５分"_s);
}

void TestUiCommon::periodGridSubjects_data()
{
    QTest::addColumn<QChar>("code");
    QTest::addColumn<QChar>("held");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("picture");
    QTest::newRow("palette subject") << QChar(u'算') << QChar(u'算') << u"算数"_s << true;
    QTest::newRow("予: its row name") << QChar(u'予') << QChar(u'予') << u"予備"_s << true;
    QTest::newRow("empty slot") << QChar(EmptySlot) << QChar() << QString() << false;
    QTest::newRow("none") << QChar() << QChar() << QString() << false;
    QTest::newRow("no subject code") << QChar(u'Z') << QChar(u'Z') << u"Z"_s << false;
}

void TestUiCommon::periodGridSubjects()
{
    QFETCH(QChar, code);
    QFETCH(QChar, held);
    QFETCH(QString, caption);
    QFETCH(bool, picture);
    QWidget panel;
    PeriodGrid grid(1, nullptr);
    grid.build(&panel, {u"cell", {0, 0}, {720, 720}, {735, 735}},
               {u"len", {720, 240}, {720, 720}, {705, 300}});
    // From another subject, so that every row changes what is shown.
    grid.setSubject(4, u'国');
    grid.setSubject(4, code);
    QCOMPARE(grid.subject(4), held);
    QCOMPARE(grid.button(4)->text(), caption);
    QCOMPARE(!grid.button(4)->icon().isNull(), picture);
}

void TestUiCommon::subjectChoiceComparesCodes()
{
    QWidget area;
    SubjectPalette palette(WizardPaletteOrder, u"pal"_s, &area);
    PeriodGrid grid(1, nullptr);
    grid.buildButtons(&area, {u"cell", {2400, 1260}, {840, 720}, {735, 735}});
    SubjectChoice choice(area);
    const int arithmetic = palette.indexOf(u'算');

    choice.choose(palette, arithmetic);
    QCOMPARE(choice.code(), u'算');
    QCOMPARE(choice.name(), u"算数"_s);
    QCOMPARE(area.cursor().shape(), Qt::BitmapCursor);
    choice.applyTo(grid, 0);
    QCOMPARE(grid.subject(0), u'算');
    choice.applyTo(grid, 0); // the same subject again empties the period
    QCOMPARE(grid.subject(0), QChar());

    // A caption typed over the button does not make it another subject.
    grid.setSubject(1, u'国');
    grid.button(1)->setText(u"算数"_s);
    choice.applyTo(grid, 1);
    QCOMPARE(grid.subject(1), u'算');

    choice.clear();
    QCOMPARE(area.cursor().shape(), Qt::ArrowCursor);
    choice.applyTo(grid, 1); // nothing chosen: the period is emptied
    QCOMPARE(grid.subject(1), QChar());
    QCOMPARE(grid.button(1)->text(), QString());
}

// A window's activation handler runs once when it is shown and once per
// coming back from another window; the window manager's activation right
// after the showing and a return from a modal dialog do not run it again.
// Leaving for another window runs the leave handler.
void TestUiCommon::activationOncePerComing()
{
    QWidget window;
    int activations = 0;
    int leaves = 0;
    new WindowActivation(
        window, [&] { ++activations; }, [&] { ++leaves; });
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCoreApplication::processEvents();
    QCOMPARE(activations, 1);

    QWidget dialog;
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.hide();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(activations, 1);
    QCOMPARE(leaves, 0);

    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QCOMPARE(leaves, 1);
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(activations, 2);

    // Hidden and shown again: a new showing, handled once.
    window.hide();
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCoreApplication::processEvents();
    QCOMPARE(activations, 3);
}

void TestUiCommon::windowsOpenInsideTheScreen()
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget window;
    window.setFixedSize(200, 100);
    QWidget framed;
    framed.setFixedSize(50, 50);
    framed.show();
    QVERIFY(QTest::qWaitForWindowExposed(&framed));
    const QMargins frame(framed.geometry().left() - framed.frameGeometry().left(),
                         framed.geometry().top() - framed.frameGeometry().top(),
                         framed.frameGeometry().right() - framed.geometry().right(),
                         framed.frameGeometry().bottom() - framed.geometry().bottom());

    // Below and right of the screen's edge: moved in, frame and all.
    placeOnScreen(window, area.bottomRight() - QPoint(50, 10), &framed);
    QCOMPARE(window.pos().x() + frame.left() + 200 + frame.right() - 1, area.right());
    QCOMPARE(window.pos().y() + frame.top() + 100 + frame.bottom() - 1, area.bottom());
    // Where it fits, where it was asked.
    placeOnScreen(window, area.topLeft() + QPoint(20, 30), &framed);
    QCOMPARE(window.pos(), area.topLeft() + QPoint(20, 30));
    // Left of and above the screen: its corner comes into view.
    placeOnScreen(window, area.topLeft() - QPoint(500, 500), &framed);
    QCOMPARE(window.pos(), area.topLeft());
}

QTEST_MAIN(TestUiCommon)
#include "tst_uicommon.moc"
