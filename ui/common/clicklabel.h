#pragma once

#include <QFrame>
#include <QString>

namespace lunaplan {

// A one-line label of plain text that reports a click with the left button,
// like a label control with a click event. It takes the keyboard focus like a
// button (Tab or a click) and reports Space and Enter as a click, so it can be
// used without a mouse.
//
// It draws its text itself rather than being a QLabel: Qt gives every QLabel
// that takes the focus a rich-text document, which made setting and painting
// the forty length labels the dearest part of showing a week.
class ClickLabel : public QFrame {
    Q_OBJECT

public:
    explicit ClickLabel(QWidget* parent = nullptr);
    explicit ClickLabel(const QString& text, QWidget* parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString& text);
    // Where the text stands in the label; left and vertically centred at first.
    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
};

} // namespace lunaplan
