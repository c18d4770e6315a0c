#pragma once

#include <QLabel>

namespace lunaplan {

// A label that reports a click with the left button, like a label control
// with a click event.
class ClickLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace lunaplan
