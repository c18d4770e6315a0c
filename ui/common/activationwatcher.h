#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace lunaplan {

// Runs a window's activation handler every time the window becomes the
// active window, and once when it is first shown, so that the handler also
// runs where no window manager hands out the focus. Child of the window.
class ActivationWatcher : public QObject {
    Q_OBJECT

public:
    ActivationWatcher(QWidget* window, std::function<void()> onActivate);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    std::function<void()> m_onActivate;
    bool m_shownOnce = false;
};

} // namespace lunaplan
