// The program killed at random moments while the teacher records: every run
// is the program as main() builds it (Session over a copy of the sample), in
// a child process of this test, recording days by clicking 登録 and saving now
// and then. The child is killed with SIGKILL; the next run must offer the
// recovery copy (answered はい as a teacher would click it) and hold every
// registration made up to two seconds before the kill, and the class file on
// disk must be the old one or a complete new one.
//
//   tst_killedprogram [--kills N] [--seed S]     (the suite: 8 kills, seed 19)
#include "core/appstate.h"
#include "core/veladaytime.h"
#include "storage/classfiledata.h"
#include "storage/classfilereader.h"
#include "ui/main/frmmain.h"
#include "ui/main/mainmenus.h"
#include "ui/main/recordingframe.h"
#include "ui/main/session.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <optional>

using namespace lunaplan;
using namespace Qt::StringLiterals;

namespace {

constexpr qint64 CopyWithinMs = 2000;
constexpr int RecordEveryMs = 120;
constexpr int SaveEvery = 25; // registrations, so that copies are written between saves
const QDate FirstDay(2026, 12, 10);
const QDate LastDay(2027, 3, 24);

void say(const QString& line)
{
    std::fputs((line + u'\n').toUtf8().constData(), stdout);
    std::fflush(stdout);
}

qint64 now()
{
    return QDateTime::currentMSecsSinceEpoch();
}

// --- the program under test --------------------------------------------

// Answers the program's message boxes as a teacher would: はい where there is
// one (restore the class), else the default button.
void answerBoxes()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box)
        return;
    say(u"ASKED "_s + box->text().section(u'\n', 0, 0));
    QAbstractButton* yes = box->button(QMessageBox::Yes);
    (yes ? yes : box->defaultButton() ? box->defaultButton() : box->buttons().constFirst())->click();
}

std::optional<QDate> nextDayToRecord(const AppState& state)
{
    for (QDate d = FirstDay; d <= LastDay; d = d.addDays(1)) {
        if (d.dayOfWeek() <= 5 && state.fncIsWorkDay(d) && !state.objDayHead->searchDay(d))
            return d;
    }
    return std::nullopt;
}

int runProgram(int argc, char* argv[], const QString& classFile)
{
    QApplication app(argc, argv);
    prepareApplication();
    QTimer boxes;
    QObject::connect(&boxes, &QTimer::timeout, &answerBoxes);
    boxes.start(20);

    Session session(classFile);
    session.window().show();
    AppState& state = session.state();
    QStringList have;
    for (QDate d = FirstDay; d <= LastDay; d = d.addDays(1)) {
        if (state.objDayHead->searchDay(d))
            have.append(d.toString(Qt::ISODate));
    }
    say(u"HAVE "_s + have.join(u' '));
    say(u"READY"_s);

    int recorded = 0;
    QTimer recorder;
    QObject::connect(&recorder, &QTimer::timeout, [&] {
        const std::optional<QDate> day = nextDayToRecord(state);
        if (!day) {
            say(u"EXHAUSTED"_s);
            recorder.stop();
            return;
        }
        frmMain& window = session.window();
        window.MonthView1_DateClick(*day);
        QPushButton* reg = window.fraSubject()->cmdReg(day->dayOfWeek() - 1);
        QTest::mouseClick(reg, Qt::LeftButton);
        if (!state.objDayHead->searchDay(*day)) {
            say(u"NOTRECORDED "_s + day->toString(Qt::ISODate));
            recorder.stop();
            return;
        }
        say(u"REG %1 %2"_s.arg(day->toString(Qt::ISODate), QString::number(now())));
        if (++recorded % SaveEvery == 0) {
            window.menus()->mnuFileSave()->trigger();
            say(u"SAVED "_s + QString::number(now()));
        }
    });
    recorder.start(RecordEveryMs);
    return QApplication::exec();
}

// --- the test ----------------------------------------------------------

struct Failure {
    QString what;
};

void check(bool condition, const QString& what)
{
    if (!condition)
        throw Failure{what};
}

QSet<QDate> daysOf(const ClassFileData& data)
{
    QSet<QDate> days;
    for (const ClassFileDay& day : data.days)
        days.insert(day.dateThisDay);
    return days;
}

std::optional<ClassFileData> readClass(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    try {
        return parseClassFile(file.readAll());
    } catch (...) {
        return std::nullopt;
    }
}

class KillTest {
public:
    KillTest(const QString& program, quint32 seed)
        : m_program(program)
        , m_random(seed)
    {
        m_dir.setAutoRemove(true);
    }

    int restoresOffered() const { return m_restoresOffered; }

    // Returns the number of kills survived.
    int run(int kills)
    {
        startOver();
        int survived = 0;
        for (int round = 0; round <= kills; ++round) {
            QProcess child;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(u"XDG_DATA_HOME"_s, m_dir.filePath(u"data"_s));
            env.insert(u"XDG_CONFIG_HOME"_s, m_dir.filePath(u"config"_s));
            env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
            child.setProcessEnvironment(env);
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            child.start(m_program, {u"--program"_s, classFile()});
            check(child.waitForStarted(), u"the program did not start"_s);

            QStringList lines;
            auto readLine = [&](int timeoutMs) -> std::optional<QString> {
                while (!child.canReadLine()) {
                    if (!child.waitForReadyRead(timeoutMs))
                        return std::nullopt;
                }
                return QString::fromUtf8(child.readLine()).trimmed();
            };
            // The start: what the restored (or opened) class holds.
            bool asked = false;
            for (;;) {
                const std::optional<QString> line = readLine(20000);
                check(line.has_value(), u"the program did not start up"_s);
                if (line->startsWith(u"ASKED"_s)) {
                    asked = true;
                    ++m_restoresOffered;
                }
                if (line->startsWith(u"HAVE"_s))
                    checkRestored(*line, asked, round);
                if (*line == u"READY"_s)
                    break;
            }
            if (round == kills) {
                child.kill();
                child.waitForFinished();
                break;
            }
            if (round > 0 && round % 4 == 0) {
                // The sample's days run out: the next rounds start again from the sample.
                child.kill();
                child.waitForFinished();
                startOver();
                ++survived;
                continue;
            }
            const qint64 start = now();
            // A third of the kills aim at the moment the first copy of the round is written.
            const bool atWrite = m_random.bounded(3) == 0;
            const qint64 killAfter = atWrite ? -1 : m_random.bounded(300, 3500);
            qint64 firstReg = 0;
            QList<std::pair<QDate, qint64>> roundRegs;
            for (;;) {
                const qint64 due = atWrite
                                       ? (firstReg ? firstReg + 1500 + m_random.bounded(0, 12) : start + 4000)
                                       : start + killAfter;
                const qint64 wait = due - now();
                if (wait <= 0)
                    break;
                if (const std::optional<QString> line =
                        readLine(static_cast<int>(std::min<qint64>(wait, 50)))) {
                    if (line->startsWith(u"REG "_s)) {
                        const QStringList parts = line->split(u' ');
                        roundRegs.append(
                            {QDate::fromString(parts.at(1), Qt::ISODate), parts.at(2).toLongLong()});
                        if (!firstReg)
                            firstReg = parts.at(2).toLongLong();
                    } else if (line->startsWith(u"SAVED "_s)) {
                        for (const auto& reg : std::as_const(roundRegs))
                            m_needed.insert(reg.first); // in the file now
                    } else {
                        check(!line->startsWith(u"NOTRECORDED"_s), *line);
                    }
                } else if (child.state() != QProcess::Running) {
                    throw Failure{u"the program ended by itself"_s};
                }
            }
            const qint64 killed = now();
            ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
            child.waitForFinished();
            // Lines written before the kill.
            while (child.canReadLine()) {
                const QString line = QString::fromUtf8(child.readLine()).trimmed();
                if (line.startsWith(u"REG "_s)) {
                    const QStringList parts = line.split(u' ');
                    roundRegs.append({QDate::fromString(parts.at(1), Qt::ISODate), parts.at(2).toLongLong()});
                }
            }
            // What the next start must hold: what this one held, what was
            // saved, and what was registered two seconds before the kill.
            for (const auto& [day, at] : std::as_const(roundRegs)) {
                if (at <= killed - CopyWithinMs)
                    m_needed.insert(day);
            }
            m_registered.append(roundRegs);
            checkFileOnDisk();
            ++survived;
        }
        // Kills that never met a copy would prove nothing about it.
        check(kills < 4 || m_restoresOffered > 0, u"no run was offered a recovery copy"_s);
        return survived;
    }

private:
    QString classFile() const { return m_dir.filePath(u"class.vl2"_s); }

    void startOver()
    {
        QDir(m_dir.filePath(u"data"_s)).removeRecursively();
        QFile::remove(classFile());
        check(QFile::copy(QString::fromUtf8(LUNAPLAN_EXAMPLES_DIR "/sample-2026-3-2.vl2"), classFile()),
              u"cannot copy the sample"_s);
        QFile::setPermissions(classFile(), QFile::ReadOwner | QFile::WriteOwner);
        QFile original(classFile());
        original.open(QIODevice::ReadOnly);
        m_original = original.readAll();
        m_registered.clear();
        m_needed.clear();
    }

    void checkRestored(const QString& line, bool asked, int round)
    {
        QSet<QDate> have;
        for (const QString& day : line.mid(4).split(u' ', Qt::SkipEmptyParts))
            have.insert(QDate::fromString(day, Qt::ISODate));
        const QSet<QDate> needed = m_needed;
        say(u"round %1: the program holds %2 registrations of the test, %3 needed, restore %4"_s.arg(
            QString::number(round), QString::number(have.size()), QString::number(needed.size()),
            asked ? u"offered"_s : u"not offered"_s));
        for (const QDate& day : std::as_const(needed))
            check(have.contains(day), u"round %1: %2 (registered before the kill) is lost%3"_s.arg(
                                          QString::number(round), day.toString(Qt::ISODate),
                                          asked ? QString() : u" (no recovery offered)"_s));
        // Held now, in the file or in the copy of the restored class: it must stay.
        m_needed = have;
    }

    // The class file is the old one or a complete new one holding nothing
    // that was not registered.
    void checkFileOnDisk()
    {
        const QString copy = m_dir.filePath(u"data/Lunaplan/Lunaplan/recovery/slot0.vl2"_s);
        if (QFile::exists(copy))
            check(readClass(copy).has_value(), u"the recovery copy is damaged"_s);
        QFile file(classFile());
        check(file.open(QIODevice::ReadOnly), u"the class file is gone"_s);
        if (file.readAll() == m_original)
            return;
        const std::optional<ClassFileData> data = readClass(classFile());
        check(data.has_value(), u"the class file is damaged"_s);
        QSet<QDate> known = daysOf(*readClassOriginal());
        for (const auto& reg : std::as_const(m_registered))
            known.insert(reg.first);
        check(daysOf(*data).subtract(known).isEmpty(), u"the class file holds days never registered"_s);
    }

    std::optional<ClassFileData> readClassOriginal() const { return parseClassFile(m_original); }

    QString m_program;
    QRandomGenerator m_random;
    QTemporaryDir m_dir;
    QByteArray m_original;
    QList<std::pair<QDate, qint64>> m_registered;
    // The registrations the next start must hold.
    QSet<QDate> m_needed;
    int m_restoresOffered = 0;
};

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--program") == 0) {
        // Qt's own arguments are none here; the file is the class to open.
        const QString classFile = QString::fromLocal8Bit(argv[2]);
        int programArgc = 1;
        return runProgram(programArgc, argv, classFile);
    }
    QCoreApplication app(argc, argv);
    int kills = 8;
    quint32 seed = 19;
    const QStringList args = QCoreApplication::arguments();
    for (qsizetype i = 1; i + 1 < args.size(); i += 2) {
        if (args.at(i) == u"--kills"_s)
            kills = args.at(i + 1).toInt();
        else if (args.at(i) == u"--seed"_s)
            seed = args.at(i + 1).toUInt();
    }
    KillTest test(QCoreApplication::applicationFilePath(), seed);
    try {
        const int survived = test.run(kills);
        say(u"PASS: %1 kills survived, %2 restores offered (seed %3)"_s.arg(
            QString::number(survived), QString::number(test.restoresOffered()), QString::number(seed)));
        return 0;
    } catch (const Failure& failure) {
        say(u"FAIL: "_s + failure.what);
        return 1;
    }
}
