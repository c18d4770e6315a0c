#pragma once

#include <QGroupBox>

#include <array>

class QToolButton;

namespace lunaplan {

// The subject palette: one picture button per subject, in the order of the
// main palette's subject codes, two to a row.
class SubjectPalette : public QGroupBox {
    Q_OBJECT

public:
    static constexpr int ButtonCount = 18;

    explicit SubjectPalette(QWidget* parent = nullptr);

    QToolButton* cmdSubject(int index) const { return m_buttons.at(static_cast<std::size_t>(index)); }

Q_SIGNALS:
    // A palette button was pressed or clicked.
    void subjectChosen(int index);

protected:
    // Clicks between the buttons belong to the palette, not to the frame behind it.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::array<QToolButton*, ButtonCount> m_buttons{};
};

// Palette index of a subject code: its position in the main palette's order;
// -1 for anything else.
int subGetIcon(const QString& strSubject);

} // namespace lunaplan
