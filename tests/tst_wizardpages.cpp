// The wizard's timetable page and plan page driven as a teacher drives them.
#include "core/appstate.h"
#include "core/units.h"
#include "core/weektimetable.h"
#include "core/weekview.h"
#include "tests/support/recordingnavigator.h"
#include "tests/support/scriptedprompts.h"
#include "tests/support/testclass.h"
#include "ui/common/clicklabel.h"
#include "ui/common/subjectpalette.h"
#include "ui/wizard/frmwiz4.h"
#include "ui/wizard/frmwiz5.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

using namespace lunaplan;
using namespace Qt::StringLiterals;

namespace {

// The subjects of a weekday column as codes ("・" empty, "－" hidden).
QString columnSubjects(const frmWiz5& page, int weekday)
{
    QString text;
    for (int p = 0; p < TimetablePeriods; ++p) {
        const QToolButton* button = page.cmdWiz5WeekPlan(weekday * TimetablePeriods + p);
        if (button->isHidden())
            text += u'－';
        else if (button->text().isEmpty())
            text += u'・';
        else
            text += button->text().front();
    }
    return text;
}

QString columnLengths(const frmWiz5& page, int weekday)
{
    QStringList captions;
    for (int p = 0; p < TimetablePeriods; ++p)
        captions.append(page.labWiz5WeekCredit(weekday * TimetablePeriods + p)->text());
    return captions.join(u' ');
}

// Whether a frame's caption is drawn in a colour (some glyph pixels exactly so).
bool captionDrawnIn(QGroupBox* frame, const QColor& colour)
{
    const QImage image =
        frame->grab(QRect(0, 0, frame->width(), frame->fontMetrics().height() + 4)).toImage();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == colour)
                return true;
        }
    }
    return false;
}

void chooseLength(frmWiz5& page, int index, int code)
{
    QTest::mouseClick(page.labWiz5WeekCredit(index), Qt::LeftButton);
    page.cboWiz5Time()->setCurrentIndex(code);
    Q_EMIT page.cboWiz5Time()->activated(code);
}

struct Fixture {
    AppState state;
    test::ScriptedPrompts prompts;
    test::RecordingNavigator navigator;
};

} // namespace

class TestWizardPages : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void timetableStartsFromDefaultFrames();
    void lengthShowsOrHidesPeriod();
    void subjectClicksWriteTheDay();
    void doubledHintStandsClear();
    void codesWithoutButtonShownAndKept();
    void passesAndNavigation();
    void leavingHandsOverTheNewTimetable();
    void copyAIntoBOnThePage();
    void copyOneWeekdayOnThePage();
    void keyboardThroughOneDay();

    void newPlanShowsZeros();
    void entryStoredWhenFocusMoves();
    void differenceColours_data();
    void differenceColours();
    void keysMoveAndReset();
    void standardHours_data();
    void standardHours();
    void leavingPlanKeepsStandingEntry();
};

void TestWizardPages::timetableStartsFromDefaultFrames()
{
    Fixture f;
    f.state.intGrade = 3;
    frmWiz5 page(f.state, f.prompts, f.navigator);
    page.show();
    QVERIFY(QTest::qWaitForWindowActive(&page));

    QCOMPARE(columnLengths(page, 0), u"１５分 ４５分 ４５分 ４５分 ４５分 ４５分 なし なし"_s);
    QCOMPARE(columnLengths(page, 4), columnLengths(page, 0));
    QCOMPARE(columnSubjects(page, 0), u"・・・・・・－－"_s);
    QCOMPARE(f.state.strWeekCreditA[5], u"13300000"_s);
    QCOMPARE(page.lblWiz5WeekTime(1)->text(), u"国語　　0.0 時間"_s);
    QCOMPARE(page.lblWiz5WeekTime(14)->text(), u"クラブ　0.0 時間"_s);
    QCOMPARE(page.fraWiz5WeekCredit()->title(), u"週間時間表A　（通常使う時間割を指定してください）"_s);
    QCOMPARE(page.fraWiz5WeekPlan()->title(), u"週間授業表A"_s);
    QCOMPARE(page.focusWidget(), page.cmdWiz5Next());
    QVERIFY(page.cboWiz5Time()->isHidden());
    QCOMPARE(f.state.intCreditIndexWiz5, qint16{-1});
}

void TestWizardPages::lengthShowsOrHidesPeriod()
{
    Fixture f;
    test::setUpClass2026(f.state);
    frmWiz5 page(f.state, f.prompts, f.navigator);
    page.show();
    QVERIFY(QTest::qWaitForWindowActive(&page));
    const int mondaySix = 6;

    QTest::mouseClick(page.labWiz5WeekCredit(mondaySix), Qt::LeftButton);
    QVERIFY(page.cboWiz5Time()->isVisible());
    QCOMPARE(page.cboWiz5Time()->pos(), page.labWiz5WeekCredit(mondaySix)->pos());
    QCOMPARE(page.cboWiz5Time()->currentText(), u"なし"_s);

    page.cboWiz5Time()->setCurrentIndex(3);
    Q_EMIT page.cboWiz5Time()->activated(3);
    QVERIFY(page.cmdWiz5WeekPlan(mondaySix)->isVisible());
    QCOMPARE(page.labWiz5WeekCredit(mondaySix)->text(), u"４５分"_s);
    QCOMPARE(f.state.strWeekCreditA[0], u"13333330"_s);
    QCOMPARE(templateDay(*f.state.objWeekA, 1)->strCredit(), u"13333330"_s);
    QVERIFY(page.cboWiz5Time()->isVisible());

    // Hiding Monday's 算数 (period 2) keeps its code; it only stops counting.
    chooseLength(page, 2, 0);
    QVERIFY(page.cmdWiz5WeekPlan(2)->isHidden());
    QCOMPARE(templateDay(*f.state.objWeekA, 1)->strSubject(), u"学国算社理音　　"_s);
    QCOMPARE(page.lblWiz5WeekTime(3)->text(), u"算数　　5.0 時間"_s);
    chooseLength(page, 2, 2);
    QCOMPARE(page.cmdWiz5WeekPlan(2)->text(), u"算数"_s);
    QCOMPARE(page.lblWiz5WeekTime(3)->text(), u"算数　　5.2 時間"_s);
}

void TestWizardPages::subjectClicksWriteTheDay()
{
    Fixture f;
    f.state.intGrade = 3;
    frmWiz5 page(f.state, f.prompts, f.navigator);
    page.show();
    QVERIFY(QTest::qWaitForWindowActive(&page));
    const VelaDayTime* monday = templateDay(*f.state.objWeekA, 1);

    QTest::mouseClick(page.cmdWiz5Subject(1), Qt::LeftButton);
    QCOMPARE(page.chosenSubject(), u"国語"_s);
    QCOMPARE(page.fraWiz5WeekPlan()->cursor().shape(), Qt::BitmapCursor);
    for (int p = 1; p <= 5; ++p)
        QTest::mouseClick(page.cmdWiz5WeekPlan(p), Qt::LeftButton);
    QCOMPARE(monday->strSubject(), u"　国国国国国　　"_s);
    QCOMPARE(page.lblWiz5WeekTime(1)->text(), u"国語　　5.0 時間"_s);
    QCOMPARE(page.lblWiz5WeekTime(0)->text(), u"総合　　0.0 時間"_s);
    // The same subject twice on a day is named under the grid.
    QCOMPARE(page.lblWiz5Doubled()->text(), u"同じ教科が2回以上ある日：月（国語）"_s);

    QTest::mouseClick(page.cmdWiz5WeekPlan(2), Qt::LeftButton); // the same subject again
    QCOMPARE(monday->strSubject(), u"　国　国国国　　"_s);
    QCOMPARE(columnSubjects(page, 0), u"・国・国国国－－"_s);

    // A click on the panel's background puts the pointer back; a click then empties a period.
    QTest::mouseClick(page.fraWiz5WeekPlan(), Qt::LeftButton, {},
                      QPoint(page.fraWiz5WeekPlan()->width() - 10, page.fraWiz5WeekPlan()->height() - 10));
    QCOMPARE(page.chosenSubject(), QString());
    QCOMPARE(page.fraWiz5WeekPlan()->cursor().shape(), Qt::ArrowCursor);
    QTest::mouseClick(page.cmdWiz5WeekPlan(1), Qt::LeftButton);
    QCOMPARE(monday->strSubject(), u"　　　国国国　　"_s);
    QCOMPARE(page.lblWiz5WeekTime(1)->text(), u"国語　　3.0 時間"_s);
    for (const int p : {3, 4})
        QTest::mouseClick(page.cmdWiz5WeekPlan(p), Qt::LeftButton);
    QCOMPARE(page.lblWiz5Doubled()->text(), QString());
}

// The hint of a subject twice a day, at its longest (every weekday), is read
// whole: inside its panel, under the copy buttons, not covered by them.
void TestWizardPages::doubledHintStandsClear()
{
    Fixture f;
    f.state.intGrade = 3;
    frmWiz5 page(f.state, f.prompts, f.navigator);
    page.show();
    QVERIFY(QTest::qWaitForWindowActive(&page));
    QTest::mouseClick(page.cmdWiz5Subject(1), Qt::LeftButton);
    for (int day = 0; day < 5; ++day) {
        for (int p = 1; p <= 2; ++p)
            QTest::mouseClick(page.cmdWiz5WeekPlan(day * 8 + p), Qt::LeftButton);
    }
    const QLabel* hint = page.lblWiz5Doubled();
    QVERIFY(hint->text().contains(u"金（国語）"_s));

    const QRect hintRect = hint->geometry();
    QVERIFY(QRect(QPoint(0, 0), page.fraWiz5WeekPlan()->size()).contains(hintRect));
    for (int day = 0; day < 5; ++day)
        QVERIFY(!page.cmdWiz5CopyDay(day)->geometry().intersects(hintRect));
    const QRect needed = hint->fontMetrics().boundingRect(QRect(0, 0, hintRect.width(), 10000),
                                                          Qt::TextWordWrap, hint->text());
    QVERIFY2(needed.height() <= hintRect.height(), qPrintable(QString::number(needed.height())));
}

void TestWizardPages::codesWithoutButtonShownAndKept()
{
    Fixture f;
    test::setUpClass2026(f.state);
    VelaDayTime* monday = templateDay(*f.state.objWeekA, 1);
    monday->setStrSubject(u"児行予？国算　　"_s);
    frmWiz5 page(f.state, f.prompts, f.navigator);
    page.show();
    QVERIFY(QTest::qWaitForWindowActive(&page));

    QCOMPARE(page.cmdWiz5WeekPlan(0)->text(), u"児童会"_s);
    QCOMPARE(page.cmdWiz5WeekPlan(2)->text(), u"予備"_s);
    QCOMPARE(page.cmdWiz5WeekPlan(3)->text(), u"？"_s);

    QTest::mouseClick(page.cmdWiz5Subject(9), Qt::LeftButton); // 体育
    QTest::mouseClick(page.cmdWiz5WeekPlan(5), Qt::LeftButton);
    QCOMPARE(monday->strSubject(), u"児行予？国体　　"_s);
    QVERIFY(f.prompts.shown.isEmpty());
}

void TestWizardPages::passesAndNavigation()
{
    Fixture f;
    test::setUpClass2026(f.state);
    frmWiz5 page(f.state, f.prompts, f.navigator);
    page.show();
    QVERIFY(QTest::qWaitForWindowActive(&page));
    QCOMPARE(columnSubjects(page, 0), u"学国算社理音－－"_s);
    QVERIFY(captionDrawnIn(page.fraWiz5WeekCredit(), QColor(0, 0, 255)));
    QVERIFY(!captionDrawnIn(page.fraWiz5WeekPlan(), QColor(255, 0, 0)));

    // 次へ on A keeps the window and shows B in red.
    QTest::mouseClick(page.cmdWiz5Next(), Qt::LeftButton);
    QVERIFY(f.navigator.moves.isEmpty());
    QVERIFY(!f.state.boolEditWeekA);
    QCOMPARE(page.fraWiz5WeekPlan()->title(), u"週間授業表B"_s);
    QCOMPARE(page.fraWiz5WeekCredit()->title(), u"週間時間表B　（補助に使う時間割を指定してください）"_s);
    QCOMPARE(columnSubjects(page, 0), u"学体体体体体－－"_s);
    // Saturday's two periods count as well.
    QCOMPARE(page.lblWiz5WeekTime(9)->text(), u"体育　　27.0 時間"_s);
    QVERIFY(captionDrawnIn(page.fraWiz5WeekPlan(), QColor(255, 0, 0)));
    QVERIFY(!captionDrawnIn(page.fraWiz5WeekPlan(), QColor(0, 0, 255)));

    // 前へ on B shows A again in the same window; 前へ on A goes to the calendar page.
    QTest::mouseClick(page.cmdWiz5Before(), Qt::LeftButton);
    QVERIFY(f.navigator.moves.isEmpty());
    QVERIFY(f.state.boolEditWeekA);
    QCOMPARE(page.fraWiz5WeekPlan()->title(), u"週間授業表A"_s);
    QTest::mouseClick(page.cmdWiz5Before(), Qt::LeftButton);
    QCOMPARE(f.navigator.moves.size(), 1);
    QCOMPARE(f.navigator.moves[0].from, &page);
    QVERIFY(!f.navigator.moves[0].closed);
    QCOMPARE(f.navigator.moves[0].to, WizardPageId::Calendar);

    // Timetable B opened alone: 次へ goes to the plan page; 設定の終了 closes.
    f.state.boolEditWeekA = false;
    page.Form_Activate();
    QTest::mouseClick(page.cmdWiz5Next(), Qt::LeftButton);
    QCOMPARE(f.navigator.moves.size(), 2);
    QCOMPARE(f.navigator.moves[1].to, WizardPageId::Plan);
    QTest::mouseClick(page.cmdWiz5Cancel(), Qt::LeftButton);
    QCOMPARE(f.navigator.moves.size(), 3);
    QVERIFY(f.navigator.moves[2].closed);
    QVERIFY(f.prompts.shown.isEmpty());
}

void TestWizardPages::leavingHandsOverTheNewTimetable()
{
    Fixture f;
    test::setUpClass2026(f.state);
    frmWiz5 page(f.state, f.prompts, f.navigator);
    page.show();
    QVERIFY(QTest::qWaitForWindowActive(&page));
    const QDate monday(2026, 4, 13);
    QString proposedSubjects;
    QString proposedLengths;
    f.navigator.onMove = [&] {
        const auto day = subGetDay(f.state, monday, true);
        proposedSubjects = day->strSubject();
        proposedLengths = day->strCredit();
    };

    QTest::mouseClick(page.cmdWiz5Subject(12), Qt::LeftButton); // 道徳
    QTest::mouseClick(page.cmdWiz5WeekPlan(1), Qt::LeftButton);
    chooseLength(page, 6, 3);
    QTest::mouseClick(page.cmdWiz5WeekPlan(6), Qt::LeftButton);
    QTest::mouseClick(page.cmdWiz5Cancel(), Qt::LeftButton);

    QCOMPARE(proposedSubjects, u"学道算社理音道　"_s);
    QCOMPARE(proposedLengths, u"13333330"_s);
}

void TestWizardPages::copyAIntoBOnThePage()
{
    Fixture f;
    test::setUpClass2026(f.state);
    f.state.strWeekCreditA[1] = u"13333330"_s; // A's Tuesday has a sixth period
    templateDay(*f.state.objWeekA, 2)->setStrCredit(f.state.strWeekCreditA[1]);
    for (int weekName = 1; weekName <= 6; ++weekName)
        templateDay(*f.state.objWeekB, weekName)->setStrSubject(QString());
    f.state.boolEditWeekA = false;
    frmWiz5 page(f.state, f.prompts, f.navigator);
    page.show();
    QVERIFY(QTest::qWaitForWindowActive(&page));
    QSignalSpy stored(&page, &WizardPage::stored);
    QVERIFY(page.cmdWiz5CopyA()->isVisible());

    // An empty B is copied without a question.
    page.cmdWiz5CopyA()->click();
    QVERIFY(f.prompts.shown.isEmpty());
    QCOMPARE(stored.count(), 1);
    QCOMPARE(columnSubjects(page, 0), u"学国算社理音－－"_s);
    QCOMPARE(columnSubjects(page, 1), u"学算国体図図・－"_s);
    QCOMPARE(columnLengths(page, 1), u"１５分 ４５分 ４５分 ４５分 ４５分 ４５分 ４５分 なし"_s);
    QCOMPARE(f.state.strWeekCreditB[1], u"13333330"_s);
    QCOMPARE(page.fraWiz5WeekPlan()->title(), u"週間授業表B"_s);

    // B changed since: the question first.
    QTest::mouseClick(page.cmdWiz5Subject(9), Qt::LeftButton);
    QTest::mouseClick(page.cmdWiz5WeekPlan(1), Qt::LeftButton);
    QCOMPARE(templateDay(*f.state.objWeekB, 1)->strSubject(), u"学体算社理音　　"_s);
    const QString question = u"週間時間割 B にはもう授業が入っています。A の時数と教科で置き換えますか。"_s;
    f.prompts.answers.enqueue(Prompts::Answer::No);
    page.cmdWiz5CopyA()->click();
    QCOMPARE(f.prompts.shown.last().kind, u"yesno"_s);
    QCOMPARE(f.prompts.shown.last().text, question);
    QCOMPARE(columnSubjects(page, 0), u"学体算社理音－－"_s);
    f.prompts.answers.enqueue(Prompts::Answer::Yes);
    page.cmdWiz5CopyA()->click();
    QCOMPARE(columnSubjects(page, 0), u"学国算社理音－－"_s);
    QCOMPARE(templateDay(*f.state.objWeekB, 1)->strSubject(),
             templateDay(*f.state.objWeekA, 1)->strSubject());
    QCOMPARE(page.lblWiz5WeekTime(1)->text(), u"国語　　6.0 時間"_s); // Saturday's 国語 counts too
    QCOMPARE(stored.count(), 3);                                      // the copy, the click, the second copy

    // Timetable A has nothing to copy from.
    page.cmdWiz5Before()->click();
    QCOMPARE(page.fraWiz5WeekPlan()->title(), u"週間授業表A"_s);
    QVERIFY(page.cmdWiz5CopyA()->isHidden());
}

void TestWizardPages::copyOneWeekdayOnThePage()
{
    Fixture f;
    test::setUpClass2026(f.state);
    templateDay(*f.state.objWeekA, 3)->setStrSubject(QString()); // Wednesday empty
    frmWiz5 page(f.state, f.prompts, f.navigator);
    page.show();
    QVERIFY(QTest::qWaitForWindowActive(&page));
    QSignalSpy stored(&page, &WizardPage::stored);

    QStringList offered;
    for (const QAction* action : page.cmdWiz5CopyDay(0)->menu()->actions())
        offered.append(action->text());
    QCOMPARE(offered, (QStringList{u"火曜日へ"_s, u"水曜日へ"_s, u"木曜日へ"_s, u"金曜日へ"_s, QString(),
                                   u"ほかの全部の曜日へ"_s}));

    // Onto an empty day at once; onto days with lessons after the question.
    page.findChild<QAction*>(u"mnuWiz5CopyDay_0_2"_s)->trigger();
    QVERIFY(f.prompts.shown.isEmpty());
    QCOMPARE(columnSubjects(page, 2), u"学国算社理音－－"_s);
    f.prompts.answers.enqueue(Prompts::Answer::No);
    page.findChild<QAction*>(u"mnuWiz5CopyDay_0_all"_s)->trigger();
    QCOMPARE(f.prompts.shown.last().text,
             u"火曜日・水曜日・木曜日・金曜日の授業を月曜日の教科で置き換えますか。"_s);
    QCOMPARE(columnSubjects(page, 1), u"学算国体図図－－"_s);
    f.prompts.answers.enqueue(Prompts::Answer::Yes);
    page.findChild<QAction*>(u"mnuWiz5CopyDay_0_all"_s)->trigger();
    for (int d = 1; d < TimetableDays; ++d)
        QCOMPARE(columnSubjects(page, d), u"学国算社理音－－"_s);
    QCOMPARE(templateDay(*f.state.objWeekA, 5)->strSubject(), u"学国算社理音　　"_s);
    QCOMPARE(page.lblWiz5WeekTime(3)->text(), u"算数　　6.0 時間"_s); // with Saturday's
    QCOMPARE(stored.count(), 2);
}

void TestWizardPages::keyboardThroughOneDay()
{
    Fixture f;
    f.state.intGrade = 3;
    frmWiz5 page(f.state, f.prompts, f.navigator);
    page.show();
    QVERIFY(QTest::qWaitForWindowActive(&page));
    QSignalSpy stored(&page, &WizardPage::stored);
    // The keys are shown on the palette; its captions and the main window's palette stay as they were.
    QCOMPARE(page.fraWiz5Palette()->keyLabel(1)->text(), u"K"_s);
    QCOMPARE(page.cmdWiz5Subject(1)->text(), u"国語"_s);
    QCOMPARE(page.cmdWiz5Subject(1)->toolTip(), u"国語（キー K）"_s);
    QVERIFY(!SubjectPalette().keyLabel(0));

    const auto focused = [&page] { return page.focusWidget(); };
    QTest::mouseClick(page.cmdWiz5WeekPlan(0), Qt::LeftButton); // nothing chosen: slot 0 stays empty
    QCOMPARE(focused(), page.cmdWiz5WeekPlan(0));
    QTest::keyClick(focused(), Qt::Key_Down);
    QCOMPARE(focused(), page.cmdWiz5WeekPlan(1));
    for (const char key : {'k', 's', 'h', 'r', 'o'})
        QTest::keyClick(focused(), key);
    const VelaDayTime* monday = templateDay(*f.state.objWeekA, 1);
    QCOMPARE(monday->strSubject(), u"　国算社理音　　"_s);
    QCOMPARE(columnSubjects(page, 0), u"・国算社理音－－"_s);
    QCOMPARE(page.lblWiz5WeekTime(1)->text(), u"国語　　1.0 時間"_s);
    QCOMPARE(stored.count(), 6);
    // After Monday's last period the keyboard goes on at Tuesday's top, with 音楽 chosen.
    QCOMPARE(focused(), page.cmdWiz5WeekPlan(8));
    QCOMPARE(page.chosenSubject(), u"音楽"_s);

    QTest::keyClick(focused(), Qt::Key_Up);
    QCOMPARE(focused(), page.cmdWiz5WeekPlan(8));
    QTest::keyClick(focused(), Qt::Key_Left);
    QCOMPARE(focused(), page.cmdWiz5WeekPlan(0));
    QTest::keyClick(focused(), Qt::Key_Right);
    QTest::keyClick(focused(), Qt::Key_Down);
    QCOMPARE(focused(), page.cmdWiz5WeekPlan(9));
    QTest::keyClick(focused(), Qt::Key_Space); // the chosen subject, then on
    QCOMPARE(templateDay(*f.state.objWeekA, 2)->strSubject(), u"　音　　　　　　"_s);
    QCOMPARE(focused(), page.cmdWiz5WeekPlan(10));
    QTest::keyClick(focused(), Qt::Key_Up);
    QTest::keyClick(focused(), Qt::Key_Delete); // empties and stays
    QCOMPARE(templateDay(*f.state.objWeekA, 2)->strSubject(), u"　　　　　　　　"_s);
    QCOMPARE(focused(), page.cmdWiz5WeekPlan(9));
    QTest::keyClick(focused(), Qt::Key_K, Qt::ControlModifier); // a shortcut is no subject key
    QCOMPARE(templateDay(*f.state.objWeekA, 2)->strSubject(), u"　　　　　　　　"_s);
    QCOMPARE(stored.count(), 8);
}

void TestWizardPages::newPlanShowsZeros()
{
    Fixture f;
    frmWiz4 page(f.state, f.prompts, f.navigator);
    page.Form_Activate();

    for (int row = 0; row < PlanRows; ++row)
        QCOMPARE(page.txtWiz4YearBase(row)->text(), u"0.0"_s);
    for (int index = 0; index < PlanBoxes; ++index)
        QCOMPARE(page.txtWiz4YearPlan(index)->text(), u"0.0"_s);
    QCOMPARE(page.lblWiz4BaseSum()->text(), u"0.0"_s);
    for (int term = 0; term < PlanTerms; ++term)
        QCOMPARE(page.lblWiz4Sum(term)->text(), u"0.0"_s);
    const QTableWidget* grid = page.gridWiz4YearSum();
    QCOMPARE(grid->rowCount(), 21);
    QCOMPARE(grid->item(0, 0)->text(), u"年間"_s);
    QCOMPARE(grid->item(0, 1)->text(), u"増減"_s);
    for (int row = 1; row <= 20; ++row) {
        QCOMPARE(grid->item(row, 0)->text(), u"0.0"_s);
        QCOMPARE(grid->item(row, 1)->text(), u"0.0"_s);
    }
    QVERIFY(!page.cmdWiz4Standard()->isEnabled()); // no grade, no standard
}

void TestWizardPages::entryStoredWhenFocusMoves()
{
    Fixture f;
    frmWiz4 page(f.state, f.prompts, f.navigator);
    page.show();
    QVERIFY(QTest::qWaitForWindowActive(&page));

    page.txtWiz4YearPlan(0)->setFocus();
    page.txtWiz4YearPlan(0)->setText(u"32.1"_s);
    page.txtWiz4YearPlan(1)->setText(u"１２"_s);  // typed with the input method
    page.txtWiz4YearBase(4)->setText(u"10923"_s); // beyond 16 bits
    page.txtWiz4YearPlan(3)->setFocus();

    QCOMPARE(f.state.objYearPlan->season(1)->kokugo(), qint16{97});
    QCOMPARE(page.gridWiz4YearSum()->item(1, 0)->text(), u"44.1"_s);
    QCOMPARE(page.gridWiz4YearSum()->item(20, 0)->text(), u"44.1"_s);
    QCOMPARE(page.lblWiz4Sum(0)->text(), u"32.1"_s);
    QCOMPARE(page.txtWiz4YearPlan(1)->text(), u"12"_s);
    QCOMPARE(f.state.objYearPlan->season(2)->kokugo(), qint16{36});
    QCOMPARE(page.txtWiz4YearBase(4)->text(), u"10923"_s); // refused: kept as typed
    QCOMPARE(f.state.objYearBase->seikatsu(), qint16{0});
    QTRY_COMPARE(page.txtWiz4YearPlan(3)->selectedText(), u"0.0"_s);
    QVERIFY(f.prompts.shown.isEmpty());
}

void TestWizardPages::differenceColours_data()
{
    QTest::addColumn<int>("base");
    QTest::addColumn<int>("plan");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("plan below base") << 105 << 100 << u"-1.2"_s << QColor(255, 0, 0);
    QTest::newRow("plan equals base") << 105 << 105 << u"0.0"_s << QColor(0, 0, 0);
    QTest::newRow("plan above base") << 105 << 106 << u"0.1"_s << QColor(0, 0, 255);
}

void TestWizardPages::differenceColours()
{
    QFETCH(int, base);
    QFETCH(int, plan);
    QFETCH(QString, shown);
    QFETCH(QColor, colour);
    Fixture f;
    f.state.objYearBase->setDoutoku(static_cast<qint16>(base));
    f.state.objYearPlan->season(2)->setDoutoku(static_cast<qint16>(plan));
    frmWiz4 page(f.state, f.prompts, f.navigator);
    page.Form_Activate();

    const int row = 13; // 道徳
    QCOMPARE(page.txtWiz4YearPlan(12 * 3 + 1)->text(), fncCreditToStr(static_cast<qint16>(plan)));
    QCOMPARE(page.gridWiz4YearSum()->item(row, 0)->text(), fncCreditToStr(static_cast<qint16>(plan)));
    QCOMPARE(page.gridWiz4YearSum()->item(row, 1)->text(), shown);
    QCOMPARE(page.gridWiz4YearSum()->item(row, 1)->foreground().color(), colour);
    QCOMPARE(page.gridWiz4YearSum()->item(20, 1)->text(), shown);
    QCOMPARE(page.gridWiz4YearSum()->item(20, 1)->foreground().color(), colour);
}

void TestWizardPages::keysMoveAndReset()
{
    Fixture f;
    frmWiz4 page(f.state, f.prompts, f.navigator);
    page.show();
    QVERIFY(QTest::qWaitForWindowActive(&page));

    page.txtWiz4YearPlan(1)->setFocus();
    QTest::keyClick(page.txtWiz4YearPlan(1), Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget(), page.txtWiz4YearPlan(55));
    QTest::keyClick(page.txtWiz4YearPlan(55), Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), page.txtWiz4YearPlan(1));
    QTest::keyClick(page.txtWiz4YearPlan(1), Qt::Key_Left);
    QCOMPARE(QApplication::focusWidget(), page.txtWiz4YearPlan(0));
    QTest::keyClick(page.txtWiz4YearPlan(0), Qt::Key_Left);
    QCOMPARE(QApplication::focusWidget(), page.txtWiz4YearPlan(56));

    page.txtWiz4YearBase(18)->setFocus();
    QCoreApplication::processEvents(); // the arriving focus selects the whole entry
    QTest::keyClicks(page.txtWiz4YearBase(18), u"12.1"_s);
    QTest::keyClick(page.txtWiz4YearBase(18), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), page.txtWiz4YearBase(0));
    QCOMPARE(f.state.objYearBase->yobi(), qint16{37}); // stored when the focus arrived

    // Delete types nothing, so what it leaves is the reset's own "0" (without
    // the reset it would empty the selected 12.1); the next store takes it.
    QTest::keyClick(page.txtWiz4YearBase(0), Qt::Key_Up);
    QCoreApplication::processEvents();
    QTest::keyClick(page.txtWiz4YearBase(18), Qt::Key_Delete);
    QCOMPARE(page.txtWiz4YearBase(18)->text(), u"0"_s);
    QTest::keyClick(page.txtWiz4YearBase(18), Qt::Key_Down);
    QCOMPARE(f.state.objYearBase->yobi(), qint16{0});

    // A letter resets the box before it is typed; the entry is refused at the
    // next store, which keeps it as typed and keeps the stored value.
    QCoreApplication::processEvents();
    QTest::keyClick(page.txtWiz4YearBase(0), Qt::Key_5);
    QTest::keyClick(page.txtWiz4YearBase(0), Qt::Key_A);
    QCOMPARE(page.txtWiz4YearBase(0)->text(), u"0a"_s);
    QTest::keyClick(page.txtWiz4YearBase(0), Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget(), page.txtWiz4YearBase(18));
    QCOMPARE(page.txtWiz4YearBase(0)->text(), u"0a"_s);
    QCOMPARE(f.state.objYearBase->kokugo(), qint16{0});
}

void TestWizardPages::standardHours_data()
{
    QTest::addColumn<int>("grade");
    QTest::addColumn<QString>("kokugo");
    QTest::addColumn<QString>("syakai");
    QTest::addColumn<QString>("eigo");
    QTest::addColumn<int>("total");

    QTest::newRow("grade 1") << 1 << u"306.0"_s << u"0.0"_s << u"0.0"_s << 850;
    QTest::newRow("grade 3") << 3 << u"245.0"_s << u"70.0"_s << u"35.0"_s << 980;
    QTest::newRow("grade 6") << 6 << u"175.0"_s << u"105.0"_s << u"70.0"_s << 1015;
}

void TestWizardPages::standardHours()
{
    QFETCH(int, grade);
    QFETCH(QString, kokugo);
    QFETCH(QString, syakai);
    QFETCH(QString, eigo);
    QFETCH(int, total);
    Fixture f;
    f.state.intGrade = static_cast<qint16>(grade);
    f.state.objYearBase->setSyakai(30);
    f.state.objYearBase->setDokkai(15); // 読解 has no standard and keeps its 5 lessons
    frmWiz4 page(f.state, f.prompts, f.navigator);
    page.Form_Activate();
    QVERIFY(page.cmdWiz4Standard()->isEnabled());

    QTest::mouseClick(page.cmdWiz4Standard(), Qt::LeftButton);

    QCOMPARE(page.cmdWiz4Standard()->text(), u"標準時数を入力"_s);
    QCOMPARE(page.txtWiz4YearBase(0)->text(), kokugo);
    QCOMPARE(page.txtWiz4YearBase(1)->text(), syakai);
    QCOMPARE(page.txtWiz4YearBase(10)->text(), eigo);
    QCOMPARE(page.txtWiz4YearBase(9)->text(), u"5.0"_s);
    QCOMPARE(f.state.objYearBase->kokugo(), static_cast<qint16>(kokugo.chopped(2).toInt() * 3));
    QCOMPARE(f.state.objYearBase->dokkai(), qint16{15});
    QCOMPARE(f.state.objYearBase->SouJisuu(), static_cast<qint16>((total + 5) * 3));
    QCOMPARE(page.lblWiz4BaseSum()->text(), QString::number(total + 5) + u".0");
    // The plan is still empty, so every standard shows as a shortfall.
    QCOMPARE(page.gridWiz4YearSum()->item(1, 1)->text(), u'-' + kokugo);
}

void TestWizardPages::leavingPlanKeepsStandingEntry()
{
    Fixture f;
    frmWiz4 page(f.state, f.prompts, f.navigator);
    page.show();
    QVERIFY(QTest::qWaitForWindowActive(&page));
    qint16 storedAtLeaving = -1;
    f.navigator.onMove = [&] { storedAtLeaving = f.state.objYearPlan->season(3)->taiiku(); };

    page.txtWiz4YearPlan(8 * 3 + 2)->setFocus();
    page.txtWiz4YearPlan(8 * 3 + 2)->setText(u"30"_s);
    QTest::mouseClick(page.cmdWiz4Before(), Qt::LeftButton);

    QCOMPARE(storedAtLeaving, qint16{90});
    QCOMPARE(f.navigator.moves.size(), 1);
    QCOMPARE(f.navigator.moves[0].to, WizardPageId::Timetable);
    QVERIFY(!f.state.boolEditWeekA);

    page.txtWiz4YearPlan(8 * 3 + 2)->setText(u"31"_s);
    QTest::mouseClick(page.cmdWiz4Cancel(), Qt::LeftButton);
    QCOMPARE(storedAtLeaving, qint16{93});
    QVERIFY(f.navigator.moves[1].closed);
}

QTEST_MAIN(TestWizardPages)
#include "tst_wizardpages.moc"
