#include "ui/common/screenplacement.h"

#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace lunaplan {

namespace {

// A title bar and a thin border, as the usual window managers draw them.
constexpr QMargins UsualFrame(4, 30, 4, 4);

QMargins frameMargins(const QWidget* reference)
{
    if (!reference || !reference->isVisible())
        return UsualFrame;
    const QRect frame = reference->frameGeometry();
    const QRect client = reference->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

} // namespace

void placeOnScreen(QWidget& window, QPoint wanted, const QWidget* reference)
{
    QScreen* screen = QGuiApplication::screenAt(wanted);
    if (!screen && reference)
        screen = reference->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen) {
        window.move(wanted);
        return;
    }
    const QRect area = screen->availableGeometry();
    const QMargins frame = frameMargins(reference);
    // A window laid out by its layout takes its size when it is first shown.
    if (!window.testAttribute(Qt::WA_Resized))
        window.adjustSize();
    const QSize size = window.size();
    const int width = size.width() + frame.left() + frame.right();
    const int height = size.height() + frame.top() + frame.bottom();
    // A window larger than the area keeps its top-left corner in view.
    const auto place = [](int wantedAt, int first, int last, int extent) {
        const int latest = extent <= last - first + 1 ? last + 1 - extent : last;
        return std::max(first, std::min(wantedAt, latest));
    };
    window.move(place(wanted.x(), area.left(), area.right(), width),
                place(wanted.y(), area.top(), area.bottom(), height));
}

} // namespace lunaplan
