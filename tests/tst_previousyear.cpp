// 前年度のファイルから新規作成 in the whole program: from the ﾌｧｲﾙ menu and from
// the start page, from a file or from the class in memory, with its questions;
// last year's file is only read, and the new class is saved under its own name.
#include "core/appstate.h"
#include "storage/classfile.h"
#include "tests/support/programwindow.h"
#include "tests/support/scriptedprompts.h"
#include "tests/support/testclass.h"
#include "ui/common/classwatch.h"
#include "ui/main/filecommands.h"
#include "ui/main/frmmain.h"
#include "ui/wizard/frmwiz0.h"
#include "ui/wizard/frmwiz2.h"
#include "ui/wizard/frmwiz3.h"
#include "ui/wizard/wizard.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace lunaplan;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(lunaplan::Prompts::Answer)

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// "year grade teacher" of the class a file holds.
QString classInFile(const QString& path)
{
    AppState state;
    state.strFileName = path;
    test::ScriptedPrompts prompts;
    subLoadFile(state, prompts);
    return u"%1 %2 %3"_s.arg(state.intYear).arg(state.intGrade).arg(state.strTeacher);
}

void flushDeletions()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Writes a class of school year 2026 to a file as the program saves it.
void writeClassFile(const QString& path, int grade, const QString& className)
{
    AppState state;
    test::setUpClass2026(state);
    state.intGrade = static_cast<qint16>(grade);
    state.strClass = className;
    state.objDayHead->appendDay(makeRecordedDay(QDate(2026, 6, 10), u"学国算社理音　　"_s, u"13333300"_s));
    state.strFileName = path;
    test::ScriptedPrompts prompts;
    QVERIFY(subSaveFile(state, prompts));
}

} // namespace

class TestPreviousYear : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void fromAFileThenSaved();
    void questions_data();
    void questions();
    void startPageOption();

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    frmMain& window() const { return *m_program->window; }
    QAction* item(const QString& name) const { return window().findChild<QAction*>(name); }

    QTemporaryDir m_dir;
    std::unique_ptr<test::ProgramWindow> m_program;
    QString m_lastYear;
    QByteArray m_lastYearBytes;
};

void TestPreviousYear::init()
{
    QVERIFY(m_dir.isValid());
    m_lastYear = path(u"令和8年度_3年2組.vl2"_s);
    writeClassFile(m_lastYear, 3, u"2"_s);
    m_lastYearBytes = contents(m_lastYear);
    QVERIFY(!m_lastYearBytes.isEmpty());
    m_program = std::make_unique<test::ProgramWindow>(path(u"settings.ini"_s));
    m_program->state.setToday(QDate(2027, 3, 25));
    window().show();
    window().Form_Activate();
}

void TestPreviousYear::cleanup()
{
    m_program.reset();
}

void TestPreviousYear::fromAFileThenSaved()
{
    AppState& state = m_program->state;
    test::ScriptedPrompts& prompts = m_program->prompts;
    prompts.fileNames.enqueue(m_lastYear);
    item(u"mnuFileNewFromPrevious"_s)->trigger();

    // No class in memory: nothing to save, nothing to choose but a file.
    QCOMPARE(prompts.shown.size(), 1);
    QCOMPARE(prompts.shown.first().kind, u"open"_s);
    QCOMPARE(prompts.shown.first().text, u"前年度のファイルを開く"_s);
    QCOMPARE(int{state.intYear}, 2027);
    QCOMPARE(int{state.intGrade}, 4);
    QCOMPARE(state.strClass, u"2"_s);
    QVERIFY(state.strFileName.isEmpty());
    QVERIFY(!state.objDayHead->objNextDay());
    QVERIFY(window().classWatch().isModified());                             // a class never saved
    QVERIFY(window().statusPanel()->text().startsWith(u"2027年　4年2組"_s)); // the main window follows
    QCOMPARE(contents(m_lastYear), m_lastYearBytes);

    // The wizard walks the pages from the class page, which shows the new year.
    auto* classPage = qobject_cast<frmWiz2*>(window().wizard().page(WizardPageId::Class));
    QVERIFY(classPage);
    QVERIFY(classPage->isVisible());
    QCOMPARE(classPage->cboWiz1Year()->currentText(), u"令和9年度(2027年度)"_s);
    QCOMPARE(classPage->txtWiz1Teacher()->text(), u"山田花子"_s);
    QCOMPARE(classPage->cboWiz2Holiday(7)->currentText(), u"20"_s); // 20 March 2028
    classPage->cmdWiz2Next()->click();
    flushDeletions();
    QVERIFY(window().wizard().page(WizardPageId::Calendar));
    QCOMPARE(state.dateVernalEquinox, QDate(2028, 3, 20));
    QCOMPARE(int{state.intYear}, 2027);

    // Saving asks for a name of its own; last year's file stays as it was.
    const QString saved = path(u"new.vl2"_s);
    prompts.fileNames.enqueue(saved);
    item(u"mnuFileSave"_s)->trigger();
    QCOMPARE(prompts.lastProposed, u"令和9年度_4年2組.vl2"_s);
    QCOMPARE(state.strFileName, saved);
    QVERIFY(!window().classWatch().isModified());
    QCOMPARE(contents(m_lastYear), m_lastYearBytes);
    QCOMPARE(classInFile(saved), u"2027 4 山田花子"_s);
}

void TestPreviousYear::questions_data()
{
    QTest::addColumn<bool>("classOpen");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QList<Prompts::Answer>>("answers");
    QTest::addColumn<QString>("file"); // what the file dialog gives; "-" for no dialog
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<int>("year"); // of the class afterwards
    QTest::addColumn<int>("grade");

    using A = Prompts::Answer;
    const QString noDialog = u"-"_s;
    QTest::newRow("from the open class")
        << true << false << QList<A>{A::Yes} << noDialog << QStringList{u"yesnocancel"_s} << 2027 << 4;
    QTest::newRow("open class, but a file chosen: grade 6 says so")
        << true << false << QList<A>{A::No} << u"grade6.vl2"_s
        << QStringList{u"yesnocancel"_s, u"open"_s, u"message"_s} << 2027 << 6;
    QTest::newRow("changed class saved first, then from it")
        << true << true << QList<A>{A::Yes, A::Yes} << noDialog
        << QStringList{u"yesnocancel"_s, u"yesnocancel"_s} << 2027 << 4;
    QTest::newRow("save question cancelled")
        << true << true << QList<A>{A::Cancel} << noDialog << QStringList{u"yesnocancel"_s} << 2026 << 3;
    QTest::newRow("source question cancelled")
        << true << false << QList<A>{A::Cancel} << noDialog << QStringList{u"yesnocancel"_s} << 2026 << 3;
    QTest::newRow("file dialog cancelled")
        << false << false << QList<A>{} << QString() << QStringList{u"open"_s} << 0 << 0;
    QTest::newRow("damaged file reported")
        << false << false << QList<A>{} << u"damaged.vl2"_s << QStringList{u"open"_s, u"message"_s} << 0 << 0;
}

void TestPreviousYear::questions()
{
    QFETCH(bool, classOpen);
    QFETCH(bool, changed);
    QFETCH(QList<Prompts::Answer>, answers);
    QFETCH(QString, file);
    QFETCH(QStringList, asked);
    QFETCH(int, year);
    QFETCH(int, grade);

    AppState& state = m_program->state;
    test::ScriptedPrompts& prompts = m_program->prompts;
    writeClassFile(path(u"grade6.vl2"_s), 6, u"さくら"_s);
    QFile damaged(path(u"damaged.vl2"_s));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write("Soraplan\r\n2026\r\n3\r\n");
    damaged.close();
    if (classOpen) {
        QVERIFY(window().fileCommands()->openFile(m_lastYear));
        prompts.shown.clear();
    }
    if (changed) {
        state.strTeacher = u"山田一郎"_s;
        window().classWatch().notifyChanged();
    }
    for (const Prompts::Answer answer : answers)
        prompts.answers.enqueue(answer);
    if (file != u"-"_s)
        prompts.fileNames.enqueue(file.isEmpty() ? file : path(file));

    window().fileCommands()->startFromPreviousYear();

    QStringList kinds;
    for (const auto& shown : std::as_const(prompts.shown))
        kinds.append(shown.kind);
    QCOMPARE(kinds, asked);
    QVERIFY(prompts.answers.isEmpty());
    QCOMPARE(int{state.intYear}, year);
    QCOMPARE(int{state.intGrade}, grade);
    if (grade == 6)
        QCOMPARE(prompts.messages().last(),
                 u"6年生の学級なので、学年は6年のままです。学級の設定で確かめてください。"_s);
    if (year == 2027) {
        QVERIFY(state.strFileName.isEmpty());
        QVERIFY(window().classWatch().isModified());
    } else if (classOpen) {
        QCOMPARE(state.strFileName, m_lastYear); // nothing changed
    }
    if (changed && year == 2027) // saved on the teacher's はい, before the new year was made
        QCOMPARE(classInFile(m_lastYear), u"2026 3 山田一郎"_s);
    else
        QCOMPARE(contents(m_lastYear), m_lastYearBytes);
}

void TestPreviousYear::startPageOption()
{
    Wizard& wizard = window().wizard();
    wizard.goTo(nullptr, WizardPageId::Start);
    auto* start = qobject_cast<frmWiz0*>(wizard.page(WizardPageId::Start));
    QVERIFY(start);
    QCOMPARE(start->optWiz0NewOrOld(2)->text(), u"前年度のファイルから新規作成"_s);
    QVERIFY(start->optWiz0NewOrOld(1)->y() < start->optWiz0NewOrOld(2)->y());
    QVERIFY(start->optWiz0NewOrOld(2)->y() < start->cmdWiz0Next()->y());

    // A cancelled choice leaves the page as it was.
    start->optWiz0NewOrOld(2)->click();
    m_program->prompts.fileNames.enqueue(QString());
    start->cmdWiz0Next()->click();
    flushDeletions();
    QCOMPARE(wizard.page(WizardPageId::Start), start);
    QVERIFY(start->optWiz0NewOrOld(2)->isChecked());
    QCOMPARE(int{m_program->state.intYear}, 0);

    m_program->prompts.fileNames.enqueue(m_lastYear);
    start->cmdWiz0Next()->click();
    flushDeletions();
    QVERIFY(!wizard.page(WizardPageId::Start));
    QVERIFY(wizard.page(WizardPageId::Class));
    QCOMPARE(int{m_program->state.intYear}, 2027);
    QCOMPARE(contents(m_lastYear), m_lastYearBytes);
}

QTEST_MAIN(TestPreviousYear)
#include "tst_previousyear.moc"
