#include "ui/main/recoverycopy.h"

#include "core/appstate.h"
#include "core/errors.h"
#include "core/prompts.h"
#include "storage/atomicfile.h"
#include "storage/classfiledata.h"
#include "storage/classfilereader.h"
#include "storage/classfilewriter.h"
#include "ui/common/classwatch.h"
#include "ui/main/filecommands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace lunaplan {

namespace {

// More programs than a teacher runs at once.
constexpr int Slots = 8;

QString previousBase(const QString& folder)
{
    return QDir(folder).filePath(u"previous"_s);
}

// Replaces target by source; false (and source kept) when it cannot.
bool moveOver(const QString& source, const QString& target)
{
    QFile::remove(target);
    return QFile::rename(source, target);
}

QString readName(const QString& nameFile)
{
    QFile file(nameFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray name = file.readAll();
    if (name.endsWith('\n'))
        name.chop(1);
    return QString::fromUtf8(name);
}

// The class line as the status line shows it, with its file.
QString classLine(const ClassFileData& data, const QString& classFile)
{
    return u"%1年度　%2年%3組　　担任：%4\nファイル: %5"_s.arg(
        QString::number(data.intYear), QString::number(data.intGrade), data.strClass, data.strTeacher,
        classFile.isEmpty() ? u"（まだ保存されていないクラス）"_s : QDir::toNativeSeparators(classFile));
}

std::optional<ClassFileData> readCopy(const QString& fileName, QString& reason)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        reason = file.errorString();
        return std::nullopt;
    }
    try {
        std::optional<ClassFileData> data = parseClassFile(file.read(classfile::MaxBytes + 1));
        if (!data)
            reason = u"クラスのファイルの形ではありません"_s;
        return data;
    } catch (const LunaError& error) {
        reason = error.description();
        return std::nullopt;
    }
}

} // namespace

RecoveryCopy::RecoveryCopy(const AppState& state, ClassWatch& watch, const QString& folder,
                           std::chrono::milliseconds delay, QObject* parent)
    : QObject(parent)
    , m_state(state)
    , m_watch(watch)
    , m_folder(folder)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(delay);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &RecoveryCopy::write);
    connect(&watch, &ClassWatch::classChanged, this, &RecoveryCopy::follow);
    connect(&watch, &ClassWatch::modifiedChanged, this, &RecoveryCopy::follow);

    QDir().mkpath(folder);
    const QDir dir(folder);
    for (int slot = 0; slot < Slots; ++slot) {
        const QString base = dir.filePath(u"slot"_s + QString::number(slot));
        auto lock = std::make_unique<QLockFile>(base + u".lock"_s);
        lock->setStaleLockTime(0); // a program runs for hours; only one that is gone leaves a stale slot
        if (lock->tryLock(0)) {
            m_slot = base;
            m_slotLock = std::move(lock);
            return;
        }
        if (lock->error() != QLockFile::LockFailedError) {
            // No locks in the folder: the first slot, so a copy is still made.
            m_slot = dir.filePath(u"slot0"_s);
            return;
        }
    }
}

RecoveryCopy::~RecoveryCopy()
{
    if (!m_watch.isModified())
        remove();
    else if (m_timer.isActive())
        write();
}

QString RecoveryCopy::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + u"/recovery"_s;
}

QString RecoveryCopy::copyFile() const
{
    return m_slot + u".vl2"_s;
}

QString RecoveryCopy::nameFile() const
{
    return m_slot + u".file"_s;
}

void RecoveryCopy::follow()
{
    if (!m_watch.isModified()) {
        m_timer.stop();
        remove();
    } else if (!m_timer.isActive()) {
        m_timer.start();
    }
}

void RecoveryCopy::write()
{
    m_timer.stop();
    if (!m_watch.isModified())
        return;
    QString failure;
    if (m_slot.isEmpty()) {
        failure = u"復旧用コピーの場所がすべて、ほかのLunaplanに使われています。"_s;
    } else {
        try {
            // The name first: a copy is never left without its name (only a
            // name without a copy, which is nothing).
            if (!QFileInfo::exists(nameFile()) || readName(nameFile()) != m_state.strFileName)
                writeFileAtomically(nameFile(), m_state.strFileName.toUtf8() + '\n');
            writeFileAtomically(copyFile(), formatClassFile(captureClassFile(m_state)));
        } catch (const LunaError& error) {
            failure = error.description();
        }
    }
    if (failure.isEmpty()) {
        m_failed = false;
        return;
    }
    // Once until a write succeeds again; the next change tries again.
    if (!m_failed)
        Q_EMIT writeFailed(u"復旧用コピーを書けませんでした: "_s + failure);
    m_failed = true;
}

void RecoveryCopy::remove()
{
    if (m_slot.isEmpty())
        return;
    // The copy before its name, as it was written after it.
    QFile::remove(copyFile());
    QFile::remove(nameFile());
}

std::optional<RecoveryCopy::Left> RecoveryCopy::left() const
{
    if (m_slot.isEmpty() || !QFileInfo::exists(copyFile()))
        return std::nullopt;
    return Left{copyFile(), readName(nameFile()), QFileInfo(copyFile()).lastModified()};
}

QString RecoveryCopy::keepAside()
{
    const QString previous = previousBase(m_folder);
    if (!moveOver(copyFile(), previous + u".vl2"_s))
        return {};
    moveOver(nameFile(), previous + u".file"_s);
    return previous + u".vl2"_s;
}

bool offerRecoveredClass(RecoveryCopy& copy, FileCommands& commands, Prompts& prompts)
{
    const std::optional<RecoveryCopy::Left> left = copy.left();
    if (!left)
        return false;
    const QString when = QLocale().toString(left->written, u"yyyy年M月d日 H:mm"_s);
    QString reason;
    const std::optional<ClassFileData> data = readCopy(left->copyFile, reason);
    if (!data) {
        const QString kept = copy.keepAside();
        prompts.message(u"前回保存されずに終わった作業の復旧用コピー（%1）を読めませんでした: %2\n"
                        u"コピーは「%3」に残してあります。"_s.arg(
                            when, reason, QDir::toNativeSeparators(kept.isEmpty() ? left->copyFile : kept)),
                        applicationTitle(), Prompts::Icon::Warning);
        return false;
    }
    const QString question =
        u"前回、保存されないまま終わったクラスがあります。\n\n%1\n最後の変更: %2\n\n"
        u"このクラスを復元しますか。\n（いいえの場合、復旧用コピーは一つ前の分として残ります。）"_s.arg(
            classLine(*data, left->classFile), when);
    if (prompts.askYesNo(question, applicationTitle()) == Prompts::Answer::Yes &&
        commands.restoreClass(*data, left->classFile))
        return true;
    copy.keepAside();
    return false;
}

} // namespace lunaplan
