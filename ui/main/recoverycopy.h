#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <memory>
#include <optional>

class QLockFile;

namespace lunaplan {

class AppState;
class ClassWatch;
class FileCommands;
class Prompts;

// A copy of the class's unsaved work in the class file format, kept in a
// folder of the user's data, so that a crash, a power cut or a killed program
// loses at most the last moments. While the class has something to lose, a
// change is copied within `delay` of the first change not yet copied (a copy
// that waited for a quiet moment would never come while the teacher records
// steadily; 1.5 s by default, so the copy is on disk within two seconds of
// a change); once nothing is to lose (saved, or given up) the copy goes. Each
// running program holds a slot of its own in the folder, so two windows never
// write over each other's copy. A write that fails is reported once through
// writeFailed and tried again with the next change; it never stops recording.
class RecoveryCopy final : public QObject {
    Q_OBJECT

public:
    // What a run that ended without saving left in this program's slot.
    struct Left {
        QString copyFile;
        QString classFile; // the file the class belongs to; empty when it has none
        QDateTime written;
    };

    RecoveryCopy(const AppState& state, ClassWatch& watch, const QString& folder,
                 std::chrono::milliseconds delay = std::chrono::milliseconds(1500),
                 QObject* parent = nullptr);
    // Copies unsaved work still waiting, or removes the copy when there is
    // nothing to lose.
    ~RecoveryCopy() override;

    // The user's data folder's recovery/.
    static QString defaultFolder();

    std::optional<Left> left() const;
    // Moves the slot's copy aside as the one previous generation (replacing an
    // older one); the path it went to, or empty when it could not be moved.
    QString keepAside();
    // The copy written now (what the timer does).
    void write();

Q_SIGNALS:
    void writeFailed(const QString& message);

private:
    void follow();
    void remove();
    QString copyFile() const;
    QString nameFile() const;

    const AppState& m_state;
    const ClassWatch& m_watch;
    QString m_folder;
    // The slot's files without their extensions.
    QString m_slot;
    std::unique_ptr<QLockFile> m_slotLock;
    QTimer m_timer;
    bool m_failed = false;
};

// At start: when a run ended without saving, says which class and when, and
// asks whether to restore it. はい makes it the class, changed and tied to its
// file; いいえ keeps the copy aside. A copy that cannot be read is reported
// and kept aside. True when a class was restored.
bool offerRecoveredClass(RecoveryCopy& copy, FileCommands& commands, Prompts& prompts);

} // namespace lunaplan
