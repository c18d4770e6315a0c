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
    // Fitted when first asked for at the label's size and text of the moment:
    // a label is laid out several times before it is shown, and every size
    // tried loads a font.
    const QFont& fittedFont() const;
    // The height the wrapped text takes at a font, in this label's width.
    int textHeight(const QFont& font) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fit() const;

    mutable QFont m_fitted;
    mutable QString m_fittedFor;
    mutable QSize m_fittedSize;
};

} // namespace lunaplan
