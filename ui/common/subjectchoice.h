#pragma once

#include <QChar>
#include <QString>

class QWidget;

namespace lunaplan {

class PeriodGrid;
class SubjectPalette;

// The subject picked on a palette: it rides on the mouse pointer over an
// area until the area's background is clicked, and periods clicked
// meanwhile take it.
class SubjectChoice {
public:
    explicit SubjectChoice(QWidget& pointerArea)
        : m_area(&pointerArea)
    {}

    // Button `index` of the palette becomes the chosen subject; the pointer carries its picture.
    void choose(const SubjectPalette& palette, int index);
    // No subject chosen; the ordinary pointer.
    void clear();

    // The chosen subject's code; null while none is chosen.
    QChar code() const { return m_code; }
    const QString& name() const { return m_name; }

    // A click on a period of the grid: it takes the chosen subject, or is
    // emptied when it already holds that subject (or when nothing is chosen).
    void applyTo(PeriodGrid& grid, int index) const;

private:
    QWidget* m_area;
    QChar m_code;
    QString m_name;
};

} // namespace lunaplan
