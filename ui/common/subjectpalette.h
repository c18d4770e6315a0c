#pragma once

#include <QGroupBox>
#include <QList>
#include <QString>
#include <QStringView>

class QLabel;
class QToolButton;

namespace lunaplan {

// The subject palette: one picture button per subject of a fixed order of
// subject codes, two to a row. The main window's palette holds the 18
// subjects of the main order, the wizard's timetable page the 15 of its own.
class SubjectPalette : public QGroupBox {
    Q_OBJECT

public:
    // The main window's palette, buttons cmdSubject_0 … cmdSubject_17.
    explicit SubjectPalette(QWidget* parent = nullptr);
    // A palette of the codes of `order` (a string that lives as long as the
    // program), its buttons named buttonName_0, buttonName_1 ….
    SubjectPalette(QStringView order, const QString& buttonName, QWidget* parent = nullptr);

    int buttonCount() const { return static_cast<int>(m_buttons.size()); }
    QToolButton* cmdSubject(int index) const { return m_buttons.at(index); }
    // The subject code of button `index`.
    QChar code(int index) const { return m_order[index]; }
    // The index of a subject code's button; -1 when the palette has none.
    int indexOf(QChar code) const { return static_cast<int>(m_order.indexOf(code)); }
    // Shows the key that chooses each subject (keys[i] for button i) in the
    // button's corner and its tooltip; a palette without keys looks as before.
    void showKeys(QStringView keys);
    // The small key label of button `index`; null until showKeys.
    QLabel* keyLabel(int index) const { return m_keyLabels.value(index); }

Q_SIGNALS:
    // A palette button was pressed or clicked.
    void subjectChosen(int index);

protected:
    // Clicks between the buttons belong to the palette, not to the frame behind it.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QStringView m_order;
    QList<QToolButton*> m_buttons;
    QList<QLabel*> m_keyLabels;
};

// Palette index of a subject code: its position in the main palette's order;
// -1 for anything else.
int subGetIcon(const QString& strSubject);

} // namespace lunaplan
