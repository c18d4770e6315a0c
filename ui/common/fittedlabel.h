#pragma once

#include <QLabel>

namespace lunaplan {

// A word-wrapped label whose text always stays inside it: when the text does
// not fit at the label's font (another font on this desktop, a longer text),
// it is drawn smaller until it does. Layouts written for one font then never
// run text over the controls beside the label.
class FittedLabel : public QLabel {
    Q_OBJECT

public:
    explicit FittedLabel(const QString& text, QWidget* parent = nullptr);

    // The font the text is drawn with: the label's own, or a smaller one.
    const QFont& fittedFont() const { return m_fitted; }
    // The height the wrapped text takes at a font, in this label's width.
    int textHeight(const QFont& font) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fit();

    QFont m_fitted;
    QString m_fittedFor;
};

} // namespace lunaplan
