#pragma once

#include <QIcon>
#include <QString>

class QToolButton;
class QWidget;

namespace lunaplan {

class SubjectPalette;

// The subject picked on a palette: it rides on the mouse pointer over an
// area until the area's background is clicked, and period buttons clicked
// meanwhile take it.
class SubjectChoice {
public:
    explicit SubjectChoice(QWidget& pointerArea)
        : m_area(&pointerArea)
    {}

    // Button `index` of the palette becomes the chosen subject; the pointer carries its icon.
    void choose(const SubjectPalette& palette, int index);
    // No subject chosen; the ordinary pointer.
    void clear();

    const QString& name() const { return m_name; }
    const QIcon& icon() const { return m_icon; }

    // A click on a period button: it takes the chosen subject, or is emptied
    // when it already shows that subject (or when nothing is chosen).
    void applyTo(QToolButton& button) const;

private:
    QWidget* m_area;
    QString m_name;
    QIcon m_icon;
};

} // namespace lunaplan
