#pragma once

#include <QByteArray>
#include <QObject>

namespace lunaplan {

class AppState;

// The class in memory as the open windows follow it: one notification that
// the class changed, which every window showing it follows at once, and
// whether it changed since it was last loaded, saved or given up (then there
// is something to lose, and closing asks whether to save). A class that was
// never saved counts as changed once it holds anything.
class ClassWatch final : public QObject {
    Q_OBJECT

public:
    explicit ClassWatch(const AppState& state, QObject* parent = nullptr);

    // Something changed the class in memory; source is the window that did
    // it (it shows the change already), or null.
    void notifyChanged(QObject* source = nullptr);
    // The class as it is now is what its file holds (after a load or a save),
    // or what the teacher decided to give up (after a close).
    void markUnchanged();
    // Compared with the file's content, so a change that was undone again
    // leaves nothing to lose.
    bool isModified() const;

Q_SIGNALS:
    void classChanged(QObject* source);
    void modifiedChanged(bool modified);

private:
    void updateModified();

    const AppState& m_state;
    QByteArray m_unchanged;
    bool m_modified = false;
    bool m_notifying = false;
};

} // namespace lunaplan
