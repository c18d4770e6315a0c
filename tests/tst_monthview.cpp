// The month-calendar widget: range, clicks, scrolling, marks, as a user meets them.
#include "ui/common/japanesefonts.h"
#include "ui/common/monthview.h"

#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

using namespace lunaplan;
using namespace Qt::StringLiterals;

namespace {

// The main window's calendar: three months stacked in 161 × 553 pixels,
// limited to the school year 2026.
struct SchoolYearView {
    SchoolYearView()
    {
        view.setMonthGrid(3, 1);
        view.setToday(QDate(2026, 4, 20));
        view.setMaxDate(QDate(9999, 12, 31));
        view.setMinDate(QDate(2026, 4, 1));
        view.setMaxDate(QDate(2027, 3, 31));
        view.setCurrentDate(QDate(2026, 4, 8));
        view.resize(161, 553);
        view.show();
    }
    MonthView view;
};

// Everything the view emitted, in order.
struct Emitted {
    explicit Emitted(MonthView& view)
    {
        QObject::connect(&view, &MonthView::dateClicked, &view,
                         [this](QDate date) { events.append(u"date " + date.toString(Qt::ISODate)); });
        QObject::connect(&view, &MonthView::clicked, &view, [this] { events.append(u"click"_s); });
    }
    QStringList events;
};

QImage cellImage(MonthView& view, QDate date)
{
    return view.grab(view.dayRect(date)).toImage().convertToFormat(QImage::Format_RGB32);
}

// Pixels that are clearly red (Sunday and holiday numbers, the today frame).
// Pixels of a cell's number drawn at least half as strongly as its
// strongest: a bold number has wider strokes, however light its colour.
int strokePixels(const QImage& image)
{
    const QRgb background = image.pixel(0, 0);
    const auto strength = [background](QRgb pixel) { return std::abs(qGray(background) - qGray(pixel)); };
    int strongest = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            strongest = std::max(strongest, strength(image.pixel(x, y)));
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += 2 * strength(image.pixel(x, y)) >= strongest ? 1 : 0;
    return count;
}

int redPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 150 && c.green() < 110 && c.blue() < 110)
                ++count;
        }
    }
    return count;
}

} // namespace

class TestMonthView : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rangeKeepsViewAndCurrentDateInside();
    void clickOnDay_data();
    void clickOnDay();
    void clickOnEmptyPartsEmitsClickOnly();
    void arrowsScrollWithinTheRange();
    void enumerationFollowsTheView();
    void wizardRows();
    void boldMarks();
    void boldIsVisible_data();
    void boldIsVisible();
    void registeredAndForgottenMarks();
    void selectedRange();
    void todaySundaysAndHolidays();
    void keyboard();
    void fitsTheMainWindow();
};

void TestMonthView::rangeKeepsViewAndCurrentDateInside()
{
    SchoolYearView f;
    MonthView& view = f.view;
    QCOMPARE(view.firstVisibleMonth(), QDate(2026, 4, 1));
    QCOMPARE(view.lastVisibleMonth(), QDate(2026, 6, 1));

    view.setCurrentDate(QDate(2027, 3, 31));
    QCOMPARE(view.firstVisibleMonth(), QDate(2027, 1, 1));
    view.setCurrentDate(QDate(2030, 1, 1));
    QCOMPARE(view.currentDate(), QDate(2027, 3, 31));
    view.setCurrentDate(QDate(2020, 1, 1));
    QCOMPARE(view.currentDate(), QDate(2026, 4, 1));
    QCOMPARE(view.firstVisibleMonth(), QDate(2026, 4, 1));

    // Moving one end past the other drags the other along; invalid dates change nothing.
    view.setMinDate(QDate(2028, 4, 1));
    QCOMPARE(view.maxDate(), QDate(2028, 4, 1));
    QCOMPARE(view.currentDate(), QDate(2028, 4, 1));
    view.setMaxDate(QDate(2027, 5, 1));
    QCOMPARE(view.minDate(), QDate(2027, 5, 1));
    QCOMPARE(view.currentDate(), QDate(2027, 5, 1));
    view.setMinDate(QDate());
    view.setMaxDate(QDate());
    QCOMPARE(view.minDate(), QDate(2027, 5, 1));
    QCOMPARE(view.maxDate(), QDate(2027, 5, 1));
    QCOMPARE(view.firstVisibleMonth(), QDate(2027, 5, 1));
}

void TestMonthView::clickOnDay_data()
{
    QTest::addColumn<QDate>("shownFrom");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("selectable");
    QTest::addColumn<QDate>("firstMonthAfter");
    // The view shows April to June 2026 unless shownFrom says otherwise.
    QTest::newRow("day of a shown month")
        << QDate(2026, 4, 8) << QDate(2026, 4, 15) << true << QDate(2026, 4, 1);
    QTest::newRow("last day of the last month")
        << QDate(2026, 4, 8) << QDate(2026, 6, 30) << true << QDate(2026, 4, 1);
    QTest::newRow("trailing day scrolls one month")
        << QDate(2026, 4, 8) << QDate(2026, 7, 2) << true << QDate(2026, 5, 1);
    QTest::newRow("leading day scrolls back")
        << QDate(2026, 5, 8) << QDate(2026, 4, 27) << true << QDate(2026, 4, 1);
    QTest::newRow("leading day before the range")
        << QDate(2026, 4, 8) << QDate(2026, 3, 30) << false << QDate(2026, 4, 1);
    QTest::newRow("trailing day after the range")
        << QDate(2027, 3, 1) << QDate(2027, 4, 2) << false << QDate(2027, 1, 1);
}

void TestMonthView::clickOnDay()
{
    QFETCH(QDate, shownFrom);
    QFETCH(QDate, date);
    QFETCH(bool, selectable);
    QFETCH(QDate, firstMonthAfter);

    SchoolYearView f;
    MonthView& view = f.view;
    view.setCurrentDate(shownFrom);
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const QDate currentBefore = view.currentDate();
    Emitted emitted(view);

    const QRect cell = view.dayRect(date);
    QVERIFY(!cell.isEmpty());
    QTest::mouseClick(&view, Qt::LeftButton, {}, cell.center());

    if (selectable) {
        QCOMPARE(emitted.events, QStringList({u"date " + date.toString(Qt::ISODate), u"click"_s}));
        QCOMPARE(view.currentDate(), date);
    } else {
        QCOMPARE(emitted.events, QStringList({u"click"_s}));
        QCOMPARE(view.currentDate(), currentBefore);
    }
    QCOMPARE(view.firstVisibleMonth(), firstMonthAfter);

    // Only the left button clicks.
    emitted.events.clear();
    QTest::mouseClick(&view, Qt::RightButton, {}, view.dayRect(view.currentDate()).center());
    QCOMPARE(emitted.events, QStringList());
}

void TestMonthView::clickOnEmptyPartsEmitsClickOnly()
{
    SchoolYearView f;
    MonthView& view = f.view;
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    Emitted emitted(view);

    // May 2026 starts on a Friday: the Sunday cell of its first row is empty.
    const QRect sunday = view.dayRect(QDate(2026, 5, 3));
    const QPoint emptyCell = sunday.center() - QPoint(0, sunday.height());
    // The title of April, between the arrows.
    const QPoint title(view.width() / 2, view.dayRect(QDate(2026, 4, 1)).top() - 2 * sunday.height());
    // Pressed on one day, released on another: no day was clicked.
    QTest::mousePress(&view, Qt::LeftButton, {}, view.dayRect(QDate(2026, 4, 15)).center());
    QTest::mouseRelease(&view, Qt::LeftButton, {}, view.dayRect(QDate(2026, 4, 16)).center());
    QTest::mouseClick(&view, Qt::LeftButton, {}, emptyCell);
    QTest::mouseClick(&view, Qt::LeftButton, {}, title);

    QCOMPARE(emitted.events, QStringList({u"click"_s, u"click"_s, u"click"_s}));
    QCOMPARE(view.firstVisibleMonth(), QDate(2026, 4, 1));
    QCOMPARE(view.currentDate(), QDate(2026, 4, 8));
}

void TestMonthView::arrowsScrollWithinTheRange()
{
    SchoolYearView f;
    MonthView& view = f.view;
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    auto* previous = view.findChild<QToolButton*>(u"previousMonthButton"_s);
    auto* next = view.findChild<QToolButton*>(u"nextMonthButton"_s);
    QVERIFY(previous && next);
    QSignalSpy dates(&view, &MonthView::dateClicked);
    QSignalSpy clicks(&view, &MonthView::clicked);
    QSignalSpy months(&view, &MonthView::visibleMonthsChanged);

    QVERIFY(!previous->isEnabled());
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(view.firstVisibleMonth(), QDate(2026, 5, 1));
    QCOMPARE(view.currentDate(), QDate(2026, 5, 8)); // moves along with the view
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(months.count(), 1);
    QCOMPARE(months.constFirst().constFirst().toDate(), QDate(2026, 5, 1));
    QVERIFY(previous->isEnabled());

    // Up to January: the last three months of the range are on show.
    for (int i = 0; i < 20; ++i)
        QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(view.firstVisibleMonth(), QDate(2027, 1, 1));
    QCOMPARE(view.lastVisibleMonth(), QDate(2027, 3, 1));
    QVERIFY(!next->isEnabled());
    QCOMPARE(months.count(), 9);
    // The greyed arrow does nothing but is still a click on the calendar.
    const int clicksBefore = static_cast<int>(clicks.count());
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(view.firstVisibleMonth(), QDate(2027, 1, 1));
    QCOMPARE(clicks.count(), clicksBefore + 1);
    QCOMPARE(dates.count(), 0);

    QTest::mouseClick(previous, Qt::LeftButton);
    QCOMPARE(view.firstVisibleMonth(), QDate(2026, 12, 1));
    view.scrollMonths(-100);
    QCOMPARE(view.firstVisibleMonth(), QDate(2026, 4, 1));
    QCOMPARE(view.currentDate(), QDate(2026, 4, 8));
}

// How the window's bold marking walks the calendar: index 1, 2, ... until the
// view says there is no such day.
void TestMonthView::enumerationFollowsTheView()
{
    SchoolYearView f;
    MonthView& view = f.view;
    const auto walk = [&view] {
        QList<QDate> days;
        for (int i = 1; i <= 400; ++i) {
            try {
                days.append(view.visibleDay(i));
            } catch (const std::out_of_range&) {
                break;
            }
        }
        return days;
    };

    QList<QDate> days = walk();
    QCOMPARE(days.size(), view.visibleDayCount());
    QCOMPARE(days.size(), 3 + 91 + 4);
    QCOMPARE(days.constFirst(), QDate(2026, 3, 29));
    QCOMPARE(days.constLast(), QDate(2026, 7, 4));

    view.scrollMonths(1);
    days = walk();
    QCOMPARE(days.constFirst(), QDate(2026, 4, 26));
    QCOMPARE(days.constLast(), QDate(2026, 8, 1));
    QCOMPARE(days.size(), 5 + 92 + 1);
}

// The wizard's term calendars: four, five and three months in a row, each
// limited to its term and given its first and then its last day.
void TestMonthView::wizardRows()
{
    struct Term {
        int months;
        QDate first;
        QDate last;
        int days;
    };
    for (const Term& term : {Term{4, QDate(2026, 4, 1), QDate(2026, 7, 31), 126},
                             Term{5, QDate(2026, 8, 1), QDate(2026, 12, 31), 161},
                             Term{3, QDate(2027, 1, 1), QDate(2027, 3, 31), 98}}) {
        MonthView view;
        view.setMonthGrid(1, term.months);
        view.setMaxDate(QDate(9999, 12, 31));
        view.setMinDate(term.first);
        view.setMaxDate(term.last);
        view.setCurrentDate(term.first);
        view.setCurrentDate(term.last);
        QCOMPARE(view.firstVisibleMonth(), term.first);
        QCOMPARE(view.visibleDayCount(), term.days);
        view.resize(view.sizeHint());
        // The days of the term's own months are all drawn inside the widget, side by side.
        QDate previous;
        for (QDate d = term.first; d <= term.last; d = d.addDays(1)) {
            const QRect cell = view.dayRect(d);
            QVERIFY2(view.rect().contains(cell), qPrintable(d.toString(Qt::ISODate)));
            if (previous.isValid() && previous.month() != d.month())
                QVERIFY(cell.left() > view.dayRect(previous).right());
            previous = d;
        }
    }
}

void TestMonthView::boldMarks()
{
    SchoolYearView f;
    MonthView& view = f.view;
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const QDate wednesday(2026, 4, 15);
    const QImage plain = cellImage(view, wednesday);

    view.setDayBold(wednesday, true);
    QVERIFY(view.isDayBold(wednesday));
    QVERIFY(!view.isDayBold(wednesday.addDays(1)));
    const QImage bold = cellImage(view, wednesday);
    QVERIFY(bold != plain);

    // Marks belong to dates, not to places: they survive scrolling away and back.
    view.setDayBold(QDate(2026, 12, 1), true);
    view.scrollMonths(6);
    view.scrollMonths(-6);
    QVERIFY(view.isDayBold(wednesday));
    QVERIFY(view.isDayBold(QDate(2026, 12, 1)));
    QCOMPARE(cellImage(view, wednesday), bold);

    view.setDayBold(wednesday, false);
    QVERIFY(!view.isDayBold(wednesday));
    QCOMPARE(cellImage(view, wednesday), plain);

    // A greyed day of the month before is drawn bold as well.
    view.showMonthFirst(QDate(2026, 12, 1));
    const QDate leading(2026, 11, 30);
    const QImage greyed = cellImage(view, leading);
    view.setDayBold(leading, true);
    QVERIFY(cellImage(view, leading) != greyed);
}

// On the interface font (a face without a bold cut of its own) a bold number
// must stand out from a plain one on screen, the greyed days of the
// neighbouring months included.
// The region of every painting the view does.
struct PaintedRegions : QObject {
    explicit PaintedRegions(QWidget& widget) { widget.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            regions.append(static_cast<QPaintEvent*>(event)->region());
        return false;
    }
    QRegion united() const
    {
        QRegion all;
        for (const QRegion& region : regions)
            all += region;
        return all;
    }
    QList<QRegion> regions;
};

void TestMonthView::registeredAndForgottenMarks()
{
    SchoolYearView f;
    MonthView& view = f.view;
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QTest::qWait(50); // the first paintings are done
    const QDate monday(2026, 4, 13);
    const QDate tuesday(2026, 4, 14);
    const QImage plainMonday = cellImage(view, monday);
    const QImage plainTuesday = cellImage(view, tuesday);

    PaintedRegions painted(view);
    view.setDayMarks({monday}, {tuesday});
    QVERIFY(view.isDayRegistered(monday));
    QVERIFY(view.isDayForgotten(tuesday));
    QVERIFY(!view.isDayRegistered(tuesday));
    // Only the two days whose marks changed are painted again.
    QTRY_VERIFY(!painted.regions.isEmpty());
    QTest::qWait(20);
    QCOMPARE(painted.united(), QRegion(view.dayRect(monday)) + view.dayRect(tuesday));
    const QImage registered = cellImage(view, monday);
    const QImage forgotten = cellImage(view, tuesday);
    QVERIFY(registered != plainMonday);
    QVERIFY(forgotten != plainTuesday);
    // A forgotten day is tinted all over, a registered one keeps its ground.
    QCOMPARE(registered.pixel(1, 1), plainMonday.pixel(1, 1));
    QVERIFY(forgotten.pixel(1, 1) != plainTuesday.pixel(1, 1));

    // The same marks again paint nothing; a registration moves one day's mark.
    painted.regions.clear();
    view.setDayMarks({monday}, {tuesday});
    QTest::qWait(20);
    QVERIFY(painted.regions.isEmpty());
    view.setDayMarks({monday, tuesday}, {});
    QTRY_VERIFY(!painted.regions.isEmpty());
    QTest::qWait(20);
    QCOMPARE(painted.united(), QRegion(view.dayRect(tuesday)));
    view.setDayMarks({}, {});
    QCOMPARE(cellImage(view, monday), plainMonday);
    QCOMPARE(cellImage(view, tuesday), plainTuesday);
}

void TestMonthView::boldIsVisible_data()
{
    QTest::addColumn<QDate>("date");
    QTest::newRow("day of a shown month") << QDate(2026, 12, 3);
    QTest::newRow("greyed day of the month before") << QDate(2026, 11, 30);
    QTest::newRow("greyed day of the month after") << QDate(2027, 3, 2);
}

void TestMonthView::boldIsVisible()
{
    QFETCH(QDate, date);
    SchoolYearView f;
    MonthView& view = f.view;
    view.setFont(interfaceFont());
    view.showMonthFirst(QDate(2026, 12, 1));
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const int plain = strokePixels(cellImage(view, date));
    view.setDayBold(date, true);
    const int bold = strokePixels(cellImage(view, date));
    QVERIFY2(bold * 10 >= plain * 14, qPrintable(u"%1 stroke pixels plain, %2 bold"_s.arg(plain).arg(bold)));
}

void TestMonthView::selectedRange()
{
    SchoolYearView f;
    MonthView& view = f.view;
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const auto corner = [&view](QDate date) { return cellImage(view, date).pixelColor(1, 1); };
    const QColor base = view.palette().color(QPalette::Base);

    view.setSelectedRange(QDate(2026, 4, 6), QDate(2026, 4, 10));
    QCOMPARE(view.selectionFirst(), QDate(2026, 4, 6));
    QCOMPARE(view.selectionLast(), QDate(2026, 4, 10));
    for (QDate d(2026, 4, 5); d <= QDate(2026, 4, 11); d = d.addDays(1)) {
        const bool inside = d >= QDate(2026, 4, 6) && d <= QDate(2026, 4, 10);
        QCOMPARE(corner(d) != base, inside);
    }

    // A week leaving the range, or ending before it starts, is refused and the
    // old selection stays: after 31 March, a Sunday, the next Monday is out of range.
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, view.setSelectedRange(QDate(2027, 4, 1), QDate(2027, 3, 31)));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, view.setSelectedRange(QDate(2026, 3, 30), QDate(2026, 4, 3)));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, view.setSelectedRange(QDate(2026, 4, 10), QDate(2026, 4, 6)));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, view.setSelectedRange(QDate(), QDate(2026, 4, 6)));
    QCOMPARE(view.selectionFirst(), QDate(2026, 4, 6));
    QCOMPARE(view.selectionLast(), QDate(2026, 4, 10));
    QVERIFY(corner(QDate(2026, 4, 8)) != base);
}

void TestMonthView::todaySundaysAndHolidays()
{
    SchoolYearView f;
    MonthView& view = f.view;
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const QDate monday(2026, 4, 13);
    QCOMPARE(redPixels(cellImage(view, monday)), 0);
    QVERIFY(redPixels(cellImage(view, QDate(2026, 4, 12))) > 0); // a Sunday
    QVERIFY(redPixels(cellImage(view, QDate(2026, 4, 20))) > 0); // today's frame

    view.setHolidays({monday});
    QCOMPARE(view.holidays(), QSet<QDate>({monday}));
    QVERIFY(redPixels(cellImage(view, monday)) > 0);

    view.setToday(monday.addDays(1));
    QCOMPARE(view.today(), monday.addDays(1));
    QCOMPARE(redPixels(cellImage(view, QDate(2026, 4, 20))), 0);
    view.setToday(QDate());
    QCOMPARE(view.today(), QDate::currentDate());
}

void TestMonthView::keyboard()
{
    SchoolYearView f;
    MonthView& view = f.view;
    view.setFocus();
    QSignalSpy dates(&view, &MonthView::dateClicked);

    QTest::keyClick(&view, Qt::Key_Right);
    QCOMPARE(view.currentDate(), QDate(2026, 4, 9));
    QTest::keyClick(&view, Qt::Key_Up);
    QCOMPARE(view.currentDate(), QDate(2026, 4, 2));
    QTest::keyClick(&view, Qt::Key_Up);
    QCOMPARE(view.currentDate(), QDate(2026, 4, 1)); // the range stops it
    QTest::keyClick(&view, Qt::Key_PageDown);
    QTest::keyClick(&view, Qt::Key_PageDown);
    QTest::keyClick(&view, Qt::Key_PageDown);
    QCOMPARE(view.currentDate(), QDate(2026, 7, 1));
    QCOMPARE(view.firstVisibleMonth(), QDate(2026, 5, 1));
    QTest::keyClick(&view, Qt::Key_Down);
    QCOMPARE(view.currentDate(), QDate(2026, 7, 8));
    QTest::keyClick(&view, Qt::Key_Return);
    QCOMPARE(dates.count(), 1);
    QCOMPARE(dates.constFirst().constFirst().toDate(), QDate(2026, 7, 8));
}

// At the main window's size every day of the three months has a cell inside
// the widget, wide and tall enough for a bold "30" in the interface font.
void TestMonthView::fitsTheMainWindow()
{
    SchoolYearView f;
    MonthView& view = f.view;
    QFont bold = interfaceFont();
    view.setFont(bold);
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    for (QDate d = view.visibleDay(1); d <= view.visibleDay(view.visibleDayCount()); d = d.addDays(1)) {
        const QRect cell = view.dayRect(d);
        QVERIFY2(view.rect().contains(cell), qPrintable(d.toString(Qt::ISODate)));
        QVERIFY(cell.width() >= metrics.horizontalAdvance(u"30"_s) + 4);
        QVERIFY(cell.height() >= metrics.height());
    }
    QVERIFY(view.dayRect(QDate(2026, 3, 28)).isEmpty());
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, view.setMonthGrid(0, 1));
    QCOMPARE(view.monthRows(), 3);
}

QTEST_MAIN(TestMonthView)
#include "tst_monthview.moc"
