#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <utility>

namespace lunaplan {

// The windows opened from the main window, in the order they were opened.
// A window is created when it is first shown, destroyed when it is closed
// (the list sets Qt::WA_DeleteOnClose and forgets a window once it is
// destroyed) and exists at most once per type. When the main window closes,
// closeAllNewestFirst closes the others from the most recently opened back.
// Windows still listed when the list is destroyed are deleted with it.
class WindowList : public QObject {
    Q_OBJECT

public:
    explicit WindowList(QObject* parent = nullptr);
    ~WindowList() override;

    // Shows the open window of type W, raised and activated; when there is
    // none, creates one from args (a window of that type that is already open
    // ignores them). W must be a QWidget with Q_OBJECT.
    template <class W, class... Args> W* show(Args&&... args)
    {
        W* window = find<W>();
        if (!window) {
            window = new W(std::forward<Args>(args)...);
            track(window);
        }
        present(window);
        return window;
    }

    // The open window of type W, or null.
    template <class W> W* find() const
    {
        for (const QPointer<QWidget>& window : m_windows) {
            if (W* found = qobject_cast<W*>(window.data()))
                return found;
        }
        return nullptr;
    }

    // Takes a window that was created elsewhere into the list (once).
    void track(QWidget* window);

    // The listed windows, oldest first.
    QList<QWidget*> windows() const;

    // Closes the windows newest first. Stops at a window that refuses to
    // close and returns false; true when every window closed.
    bool closeAllNewestFirst();

    // Shows a window raised and activated.
    static void present(QWidget* window);

private:
    void forget(QObject* window);

    QList<QPointer<QWidget>> m_windows;
};

} // namespace lunaplan
