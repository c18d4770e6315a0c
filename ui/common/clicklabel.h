#pragma once

#include <QLabel>

namespace lunaplan {

// A label that reports a click with the left button, like a label control
// with a click event. It takes the keyboard focus like a button (Tab or a
// click) and reports Space and Enter as a click, so it can be used without
// a mouse.
class ClickLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickLabel(QWidget* parent = nullptr);
    explicit ClickLabel(const QString& text, QWidget* parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace lunaplan
