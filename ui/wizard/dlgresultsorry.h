#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace lunaplan {

// Says that a day with registered lessons cannot be made a holiday. Shown
// without blocking the calendar page; OK hides it.
class dlgResultSorry : public QDialog {
    Q_OBJECT

public:
    explicit dlgResultSorry(QWidget* parent = nullptr);

    void OKButton_Click();

    QLabel* lblResultSorry() const { return m_label; }
    QPushButton* OKButton() const { return m_ok; }

private:
    QLabel* m_label;
    QPushButton* m_ok;
};

} // namespace lunaplan
