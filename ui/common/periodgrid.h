#pragma once

#include <QChar>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QSize>
#include <QStringView>

class QToolButton;
class QWidget;

namespace lunaplan {

class ClickLabel;

// Where one kind of a grid's controls stands: under which name (name_0,
// name_1 …), and in twips from the corner of the widget that holds them.
struct CellPlacement {
    QStringView name;
    QPoint origin; // period 0 of the first day
    QSize step;    // width: one day column to the next; height: one period to the next
    QSize size;
};

// The week grid: day columns × 8 periods, each period a picture button that
// holds a subject code and a label that holds its lesson length. The grid
// owns what the cells hold; the cells themselves stand in the host's widgets
// (the timetable page keeps lengths and subjects in two panels), so the grid
// is no widget of its own. A cell's index is day × 8 + period.
class PeriodGrid : public QObject {
    Q_OBJECT

public:
    static constexpr int Periods = 8;

    PeriodGrid(int days, QObject* parent);

    // Builds both controls of each period in turn: the keyboard walks a
    // period's button and then its length.
    void build(QWidget* parent, const CellPlacement& buttons, const CellPlacement& lengths);
    // Builds one kind only, for a host whose panels are built one after the
    // other (the keyboard walks each panel whole).
    void buildButtons(QWidget* parent, const CellPlacement& buttons);
    void buildLengths(QWidget* parent, const CellPlacement& lengths);

    int cellCount() const { return m_days * Periods; }
    QToolButton* button(int index) const { return m_buttons.at(index); }
    ClickLabel* lengthLabel(int index) const { return m_lengths.at(index); }
    // The index of a period button; -1 for any other object.
    int indexOf(const QObject* object) const;

    // The subject code a period holds; null for none.
    QChar subject(int index) const { return m_subjects.at(index); }
    // Shows a subject by its caption and picture; null or the empty slot
    // empties the period. A code that is no subject shows as it stands.
    // Nothing is touched when the period already holds the code.
    void setSubject(int index, QChar code);

    int lengthCode(int index) const { return m_lengthCodes.at(index); }
    // Shows a length code (0 to 4) as its text.
    void setLength(int index, int code);

Q_SIGNALS:
    void periodClicked(int index);
    void lengthClicked(int index);

private:
    void buildButton(QWidget* parent, int index, const CellPlacement& placement);
    void buildLength(QWidget* parent, int index, const CellPlacement& placement);

    int m_days;
    QList<QToolButton*> m_buttons;
    QList<ClickLabel*> m_lengths;
    QList<QChar> m_subjects;
    QList<int> m_lengthCodes;
};

} // namespace lunaplan
