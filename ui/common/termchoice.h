#pragma once

#include <QObject>
#include <QString>

#include <array>

class QButtonGroup;
class QRadioButton;
class QWidget;

namespace lunaplan {

// The three term option buttons of a window that totals by term (一学期,
// 二学期, 三学期, named optSeason0 … 2), one checked at a time. The window
// places the buttons; a click on one is announced as chosen(term).
class TermChoice final : public QObject {
    Q_OBJECT

public:
    static constexpr int Terms = 3;

    explicit TermChoice(QWidget& window);

    // 一学期, 二学期 or 三学期 for term 0, 1 or 2.
    static QString caption(int term);

    QRadioButton* button(int term) const { return m_buttons.at(static_cast<std::size_t>(term)); }
    // The checked term; the first before any is checked.
    int selected() const;
    void check(int term) const;

Q_SIGNALS:
    void chosen(int term);

private:
    QButtonGroup* m_group;
    std::array<QRadioButton*, Terms> m_buttons{};
};

} // namespace lunaplan
