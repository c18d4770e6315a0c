#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QLockFile;

namespace lunaplan {

class Prompts;

// Makes this program the one writer of the class file it has open: a lock
// file beside the class file (QLockFile, which takes over a lock whose
// program is gone). A class whose file another Lunaplan holds can be opened
// read only; it then holds no lock and is saved only under another name.
// Where no lock can be made (a read-only folder, a medium without locking)
// the teacher is told once per file and works on without one.
class ClassFileLock final {
public:
    // What a file is claimed with before the class goes to it: kept with
    // adopt() once the read or the save succeeded, released when dropped.
    class Claim {
    public:
        Claim();
        ~Claim();
        Claim(Claim&& other) noexcept;
        Claim& operator=(Claim&& other) noexcept;

        // Cancelled by the teacher, or a file another Lunaplan holds that
        // must not be written.
        bool refused() const { return m_refused; }
        bool readOnly() const { return m_readOnly; }

    private:
        friend class ClassFileLock;
        std::unique_ptr<QLockFile> m_lock;
        QString m_lockName;
        bool m_refused = false;
        bool m_readOnly = false;
    };

    explicit ClassFileLock(Prompts& prompts);
    ~ClassFileLock();
    ClassFileLock(const ClassFileLock&) = delete;
    ClassFileLock& operator=(const ClassFileLock&) = delete;

    // Before the class is read from fileName. When another Lunaplan holds the
    // file, says who and since when, and asks: 読み取り専用で開く gives a
    // read-only claim, キャンセル a refused one.
    Claim claimForOpening(const QString& fileName);
    // Before the class is saved as fileName: a file another Lunaplan holds is
    // refused with a message naming the holder.
    Claim claimForSaving(const QString& fileName);
    // The class now belongs to the claim's file; the previous file's lock goes.
    void adopt(Claim&& claim);
    // The class belongs to no file any more (close, exit).
    void release();

    bool isReadOnly() const { return m_current.m_readOnly; }

    // The lock file of a class file: beside it, hidden, named after it.
    static QString lockFileName(const QString& fileName);

private:
    enum class Outcome { Locked, HeldElsewhere, Unavailable };
    Outcome tryClaim(const QString& fileName, Claim& claim, QString& holder);
    // Tries the lock; whenHeld decides what a lock held by another program makes of the claim.
    Claim claim(const QString& fileName, const std::function<void(Claim&, const QString& holder)>& whenHeld);
    void reportUnavailable(const QString& fileName, const Claim& claim);

    Prompts& m_prompts;
    Claim m_current;
    QStringList m_reportedUnavailable;
};

} // namespace lunaplan
