#pragma once

#include "ui/common/monthgrid.h"

#include <QDate>
#include <QFont>
#include <QSet>
#include <QStaticText>
#include <QWidget>

#include <array>
#include <optional>
#include <vector>

class QToolButton;

namespace lunaplan {

// A month calendar showing rows × columns consecutive months (see MonthGrid
// for what is shown where). It limits the selectable dates to a range,
// highlights a selected date range, marks dates in bold, marks today with a
// frame, and draws Sundays and holidays in red and Saturdays in blue.
//
// A click on a day in the range scrolls that day's month into view, makes it
// the current date and emits dateClicked; every left click on the widget
// (days, arrows, empty parts, days outside the range) emits clicked afterwards.
// The keyboard moves the current date (arrows: a day or a week; Page Up/Down:
// a month) and Enter or Space emits dateClicked for it.
class MonthView : public QWidget {
    Q_OBJECT

public:
    explicit MonthView(QWidget* parent = nullptr);

    // The months shown: rows of columns, one month after another in reading
    // order. Throws std::invalid_argument for rows or columns below 1.
    void setMonthGrid(int rows, int columns);
    int monthRows() const { return m_grid.rows(); }
    int monthColumns() const { return m_grid.columns(); }
    const MonthGrid& grid() const { return m_grid; }

    // The selectable range; days outside it are greyed and cannot be clicked.
    // Setting one end past the other moves the other along; invalid dates are
    // ignored. The view keeps inside the range's months and the current date
    // inside the range.
    void setMinDate(QDate date);
    void setMaxDate(QDate date);
    QDate minDate() const { return m_min; }
    QDate maxDate() const { return m_max; }

    // The date whose month is kept in view. Setting it scrolls as little as
    // needed to show its month; dates outside the range are pulled into it.
    void setCurrentDate(QDate date);
    QDate currentDate() const { return m_current; }
    // Makes date current and shows its month as the first month, as far as
    // the range allows (near the end of the range the last months are shown).
    void showMonthFirst(QDate date);

    // The highlighted run of days, first to last inclusive. Both must be
    // selectable and last not before first; otherwise std::out_of_range is
    // thrown and the selection stays as it was (the caller's handling of a
    // week that leaves the range stops there, as with a platform calendar).
    void setSelectedRange(QDate first, QDate last);
    // No highlighted days.
    void clearSelectedRange();
    QDate selectionFirst() const { return m_selectionFirst; }
    QDate selectionLast() const { return m_selectionLast; }

    void setDayBold(QDate date, bool bold);
    bool isDayBold(QDate date) const { return m_bold.contains(date); }

    // Days with a registered record carry a small dot; forgotten days (school
    // days gone by without one) are tinted. Only the days whose marks change
    // are repainted.
    void setDayMarks(const QSet<QDate>& registered, const QSet<QDate>& forgotten);
    bool isDayRegistered(QDate date) const { return m_registered.contains(date); }
    bool isDayForgotten(QDate date) const { return m_forgotten.contains(date); }

    // Days drawn in red like Sundays.
    void setHolidays(const QSet<QDate>& holidays);
    QSet<QDate> holidays() const { return m_holidays; }

    // The day marked as today; an invalid date follows the system clock (the default).
    void setToday(QDate date);
    QDate today() const;

    // The shown days in screen order, 1-based, leading and trailing days of
    // the neighbouring months included. visibleDay throws std::out_of_range
    // for an index below 1 or past the last shown day.
    int visibleDayCount() const { return m_grid.visibleDayCount(); }
    QDate visibleDay(int index) const { return m_grid.visibleDay(index); }
    QDate firstVisibleMonth() const { return m_grid.firstMonth(); }
    QDate lastVisibleMonth() const { return m_grid.lastMonth(); }

    // Scrolls by a number of months, as far as the range allows; the current
    // date moves along by the months actually scrolled.
    void scrollMonths(int delta);

    // Where a shown day is drawn, in widget coordinates; an empty rectangle
    // for a day that is not shown.
    QRect dayRect(QDate date) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void dateClicked(QDate date);
    void clicked();
    // The shown months changed (scrolling, a new current date, range or grid).
    void visibleMonthsChanged(QDate firstMonth);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isSelectable(QDate date) const { return date.isValid() && date >= m_min && date <= m_max; }
    void applyGrid(const MonthGrid& grid);
    void moveCurrentDate(QDate date);
    // Repaints the days from first to last that are shown.
    void updateDays(QDate first, QDate last);
    // Repaints the shown days of a set.
    void updateDaySet(const QSet<QDate>& days);
    void arrowClicked(int delta);
    void updateArrows();
    void relayout();
    QRect blockRect(int index) const;
    QRect titleRect(int index) const;
    QRect cellRect(const MonthCell& cell) const;
    std::optional<MonthCell> cellAt(QPoint pos) const;
    int rowHeight() const;
    int titleHeight() const;
    int arrowSize() const;
    void fitFonts();
    void paintBlock(QPainter& painter, int index, QDate todayNow) const;
    void paintDay(QPainter& painter, QDate date, const QRect& cell, bool neighbour, QDate todayNow) const;

    MonthGrid m_grid;
    QDate m_min;
    QDate m_max;
    QDate m_current;
    QDate m_selectionFirst;
    QDate m_selectionLast;
    QDate m_today;
    QSet<QDate> m_bold;
    QSet<QDate> m_holidays;
    QSet<QDate> m_registered;
    QSet<QDate> m_forgotten;
    QDate m_pressedDate;
    bool m_pressed = false;

    QToolButton* m_previous;
    QToolButton* m_next;
    QFont m_dayFont;
    QFont m_boldFont;
    bool m_overstrikeBold = false;
    QFont m_headingFont;
    QFont m_titleFont;
    bool m_fontsFitted = false;
    // The day numbers and weekday headings laid out once per font (laying
    // text out is most of the cost of painting a calendar), at the painting
    // that first needs each.
    mutable std::array<QStaticText, 31> m_dayNumbers;
    mutable std::array<QStaticText, 31> m_boldNumbers;
    mutable std::array<QStaticText, MonthGrid::DaysPerWeek> m_weekdayHeadings;
    // The month titles, one per block, laid out again when a block's month changes.
    mutable std::vector<QStaticText> m_monthTitles;
};

} // namespace lunaplan
