#include "ui/main/classfilelock.h"

#include "core/prompts.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>

using namespace Qt::StringLiterals;

namespace lunaplan {

namespace {

QString holderText(const QLockFile& lock)
{
    qint64 pid = 0;
    QString host;
    QString application;
    const QDateTime since = QFileInfo(lock.fileName()).lastModified();
    if (!lock.getLockInfo(&pid, &host, &application))
        return u"（開いているコンピューターは分かりません）"_s;
    return u"コンピューター: %1\nプロセス番号: %2\n開いた日時: %3"_s.arg(
        host.isEmpty() ? u"不明"_s : host, QString::number(pid),
        QLocale().toString(since, u"yyyy年M月d日 H:mm"_s));
}

} // namespace

ClassFileLock::Claim::Claim() = default;
ClassFileLock::Claim::~Claim() = default;
ClassFileLock::Claim::Claim(Claim&& other) noexcept = default;
ClassFileLock::Claim& ClassFileLock::Claim::operator=(Claim&& other) noexcept = default;

ClassFileLock::ClassFileLock(Prompts& prompts)
    : m_prompts(prompts)
{}

ClassFileLock::~ClassFileLock() = default;

QString ClassFileLock::lockFileName(const QString& fileName)
{
    // One lock whatever path leads to the file (a link, "./"). Hidden, so the
    // file manager and the file dialog show the teacher only the class files.
    const QFileInfo given(fileName);
    const QFileInfo file(given.exists() ? given.canonicalFilePath() : given.absoluteFilePath());
    return file.dir().filePath(u".~"_s + file.fileName() + u".lock"_s);
}

ClassFileLock::Outcome ClassFileLock::tryClaim(const QString& fileName, Claim& claim, QString& holder)
{
    claim.m_lockName = lockFileName(fileName);
    // The file the class has already: its lock is ours.
    if (m_current.m_lock && m_current.m_lockName == claim.m_lockName)
        return Outcome::Locked;
    auto lock = std::make_unique<QLockFile>(claim.m_lockName);
    // A class stays open for hours: only a holder that is gone makes a lock
    // stale, never its age.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        claim.m_lock = std::move(lock);
        return Outcome::Locked;
    }
    if (lock->error() == QLockFile::LockFailedError) {
        holder = holderText(*lock);
        return Outcome::HeldElsewhere;
    }
    return Outcome::Unavailable;
}

void ClassFileLock::reportUnavailable(const QString& fileName, const Claim& claim)
{
    // A folder that is not there fails the read or the save itself, with its own message.
    if (m_reportedUnavailable.contains(claim.m_lockName) || !QFileInfo(fileName).absoluteDir().exists())
        return;
    m_reportedUnavailable.append(claim.m_lockName);
    m_prompts.message(
        u"「%"
        u"1」の場所にはロックファイルを作れません（書き込みできないフォルダーか、ロックの使えない媒体です）。"
        u"ほかのLunaplanが同じファイルを開いても気づけませんが、このまま作業できます。"_s.arg(
            QFileInfo(fileName).fileName()),
        applicationTitle(), Prompts::Icon::Warning);
}

ClassFileLock::Claim ClassFileLock::claim(const QString& fileName,
                                          const std::function<void(Claim&, const QString&)>& whenHeld)
{
    Claim claim;
    QString holder;
    switch (tryClaim(fileName, claim, holder)) {
    case Outcome::Locked:
        break;
    case Outcome::Unavailable:
        reportUnavailable(fileName, claim);
        break;
    case Outcome::HeldElsewhere:
        whenHeld(claim, holder);
        break;
    }
    return claim;
}

ClassFileLock::Claim ClassFileLock::claimForOpening(const QString& fileName)
{
    return claim(fileName, [&](Claim& held, const QString& holder) {
        const QString question =
            u"「%1」は別のLunaplanで開かれています。\n%2\n\n読み取り専用で開くと上書き保存はできません"
            u"（名前を付けて保存はできます）。"_s.arg(QFileInfo(fileName).fileName(), holder);
        if (m_prompts.askChoice(question, applicationTitle(), u"読み取り専用で開く"_s, u"キャンセル"_s))
            held.m_readOnly = true;
        else
            held.m_refused = true;
    });
}

ClassFileLock::Claim ClassFileLock::claimForSaving(const QString& fileName)
{
    return claim(fileName, [&](Claim& held, const QString& holder) {
        // Saving over it would undo what the other window records.
        m_prompts.message(u"「%1」は別のLunaplanで開かれているため、保存できません。\n%2\n\n"
                          u"別の名前で保存してください。"_s.arg(QFileInfo(fileName).fileName(), holder),
                          applicationTitle(), Prompts::Icon::Warning);
        held.m_refused = true;
    });
}

void ClassFileLock::adopt(Claim&& claim)
{
    if (!claim.m_lock && m_current.m_lock && m_current.m_lockName == claim.m_lockName)
        return; // the same file again: its lock stays
    m_current = std::move(claim);
}

void ClassFileLock::release()
{
    m_current = Claim();
}

} // namespace lunaplan
