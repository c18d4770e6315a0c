#pragma once

#include <QLabel>
#include <QList>

namespace lunaplan {

// A heading label whose words (its text split at spaces, full-width spaces
// and line breaks) each stand centred on a given position: over the columns
// of a grid (horizontal) or level with its rows (vertical). The text keeps
// its designed spacing; the positions make the words meet the grid whatever
// the font.
class PlacedWordsLabel : public QLabel {
    Q_OBJECT

public:
    // Centres in pixels from the label's left (horizontal) or top (vertical) edge.
    PlacedWordsLabel(const QString& text, Qt::Orientation orientation, QList<int> centres,
                     QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Qt::Orientation m_orientation;
    QList<int> m_centres;
};

} // namespace lunaplan
