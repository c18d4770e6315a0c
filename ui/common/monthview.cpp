#include "ui/common/monthview.h"

#include "ui/common/fontfit.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QToolButton>

#include <algorithm>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace lunaplan {

namespace {

constexpr int FrameWidth = 1;
constexpr int BlockSpacing = 4;
constexpr int BlockPadding = 3;
constexpr int BottomPadding = 3;
// A title row is this many hundredths of a week row.
constexpr int TitleShare = 130;

// Sundays and holidays red, Saturdays blue, as Japanese calendars print them.
constexpr QRgb SundayRed = qRgb(0xd0, 0x10, 0x10);
constexpr QRgb SaturdayBlue = qRgb(0x10, 0x40, 0xd0);
constexpr QRgb TodayFrame = qRgb(0xd0, 0x10, 0x10);
// A forgotten day is tinted so that it shows at a glance; a registered day
// carries a green dot that leaves its number as it was.
constexpr QRgb ForgottenTint = qRgb(0xff, 0xd8, 0xa0);
constexpr QRgb RegisteredDot = qRgb(0x10, 0x90, 0x40);

QColor blend(const QColor& a, const QColor& b, qreal share)
{
    return QColor::fromRgbF(static_cast<float>(a.redF() * (1 - share) + b.redF() * share),
                            static_cast<float>(a.greenF() * (1 - share) + b.greenF() * share),
                            static_cast<float>(a.blueF() * (1 - share) + b.blueF() * share));
}

QString monthTitle(QDate month)
{
    return u"%1年%2月"_s.arg(month.year()).arg(month.month());
}

// The largest font not above the font's own size whose widest text fits the
// box. Text grows in proportion to the pixel size, so the measurement at the
// font's own size gives the first size to try.
QFont fitted(QFont font, const QString& widest, int width, int height)
{
    const QFontMetrics natural(font);
    const int advance = std::max(1, natural.horizontalAdvance(widest));
    const int lineHeight = std::max(1, natural.height());
    const int naturalPixels = QFontInfo(font).pixelSize();
    if ((advance <= width && lineHeight <= height) || naturalPixels <= SmallestFittedPixels)
        return font;

    const int guess = std::min(naturalPixels * width / advance, naturalPixels * height / lineHeight);
    font.setPixelSize(largestFittingSize(guess, SmallestFittedPixels, naturalPixels - 1, [&](int pixels) {
        font.setPixelSize(pixels);
        const QFontMetrics metrics(font);
        return metrics.horizontalAdvance(widest) <= width && metrics.height() <= height;
    }));
    return font;
}

// Lays a text out for the painter's font. Laid out before it is measured: a
// text not yet laid out would be measured in the application's font.
void layOut(QStaticText& slot, const QPainter& painter, const QString& text)
{
    slot.setText(text);
    slot.setTextFormat(Qt::PlainText);
    slot.prepare(painter.transform(), painter.font());
}

// A text laid out once, when first needed.
template <typename MakeText>
QStaticText& laidOutOnce(QStaticText& slot, const QPainter& painter, const MakeText& makeText)
{
    if (slot.text().isEmpty())
        layOut(slot, painter, makeText());
    return slot;
}

// A text laid out again only when it changes.
QStaticText& laidOutAs(QStaticText& slot, const QPainter& painter, const QString& text)
{
    if (slot.text() != text)
        layOut(slot, painter, text);
    return slot;
}

// Draws a laid-out text centred in a box, as drawText with Qt::AlignCenter.
void drawCentred(QPainter& painter, QStaticText& text, const QRect& box)
{
    const QSizeF size = text.size();
    painter.drawStaticText(
        QPointF(box.x() + (box.width() - size.width()) / 2, box.y() + (box.height() - size.height()) / 2),
        text);
}

} // namespace

MonthView::MonthView(QWidget* parent)
    : QWidget(parent)
    , m_grid(1, 1, QDate::currentDate())
    , m_min(1900, 1, 1)
    , m_max(9999, 12, 31)
    , m_current(QDate::currentDate())
    , m_previous(new QToolButton(this))
    , m_next(new QToolButton(this))
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setBackgroundRole(QPalette::Base);

    m_previous->setObjectName(u"previousMonthButton"_s);
    m_next->setObjectName(u"nextMonthButton"_s);
    m_previous->setArrowType(Qt::LeftArrow);
    m_next->setArrowType(Qt::RightArrow);
    m_previous->setToolTip(u"前の月"_s);
    m_next->setToolTip(u"次の月"_s);
    for (QToolButton* button : {m_previous, m_next}) {
        button->setAutoRaise(true);
        button->setAutoRepeat(true);
        button->installEventFilter(this);
        button->setFocusPolicy(Qt::NoFocus);
        // The arrows stand on the title bar and take its colours.
        button->setForegroundRole(QPalette::HighlightedText);
        QPalette palette = button->palette();
        palette.setBrush(QPalette::ButtonText, palette.brush(QPalette::HighlightedText));
        button->setPalette(palette);
    }
    connect(m_previous, &QToolButton::clicked, this, [this] { arrowClicked(-1); });
    connect(m_next, &QToolButton::clicked, this, [this] { arrowClicked(1); });

    relayout();
    updateArrows();
}

void MonthView::setMonthGrid(int rows, int columns)
{
    applyGrid(MonthGrid(rows, columns, m_grid.firstMonth()));
    relayout();
    updateGeometry();
}

void MonthView::setMinDate(QDate date)
{
    if (!date.isValid() || date == m_min)
        return;
    m_min = date;
    m_max = std::max(m_max, date);
    update(); // the greyed days change
    moveCurrentDate(m_current);
}

void MonthView::setMaxDate(QDate date)
{
    if (!date.isValid() || date == m_max)
        return;
    m_max = date;
    m_min = std::min(m_min, date);
    update(); // the greyed days change
    moveCurrentDate(m_current);
}

void MonthView::setCurrentDate(QDate date)
{
    if (date.isValid())
        moveCurrentDate(date);
}

void MonthView::showMonthFirst(QDate date)
{
    if (!date.isValid())
        return;
    const QDate before = m_current;
    m_current = std::clamp(date, m_min, m_max);
    updateDays(before, before);
    applyGrid(MonthGrid(m_grid.rows(), m_grid.columns(), m_current));
}

void MonthView::moveCurrentDate(QDate date)
{
    const QDate before = m_current;
    m_current = std::clamp(date, m_min, m_max);
    // The focus frame moves from one day to the other.
    updateDays(before, before);
    applyGrid(m_grid);
}

void MonthView::applyGrid(const MonthGrid& grid)
{
    // The current date is always in the range, so the grid that shows it and
    // keeps within the range's months still shows it.
    const MonthGrid placed = grid.showing(m_current).keptWithin(m_min, m_max);
    const bool moved = placed.firstMonth() != m_grid.firstMonth();
    m_grid = placed;
    updateArrows();
    // The greying of the days follows the range, so every day is repainted;
    // when nothing moved only the current day's frame has to be.
    if (moved)
        update();
    else
        updateDays(m_current, m_current);
    if (moved)
        Q_EMIT visibleMonthsChanged(m_grid.firstMonth());
}

void MonthView::updateDays(QDate first, QDate last)
{
    if (!first.isValid() || !last.isValid())
        return;
    const QDate from = std::max(first, m_grid.firstVisibleDay());
    const QDate to = std::min(last, m_grid.lastVisibleDay());
    QRegion dirty;
    for (QDate day = from; day <= to; day = day.addDays(1))
        dirty += dayRect(day);
    if (!dirty.isEmpty())
        update(dirty);
}

void MonthView::scrollMonths(int delta)
{
    const QDate before = m_grid.firstMonth();
    const MonthGrid target = m_grid.scrolled(delta).keptWithin(m_min, m_max);
    const int done =
        (target.firstMonth().year() - before.year()) * 12 + target.firstMonth().month() - before.month();
    m_current = std::clamp(m_current.addMonths(done), m_min, m_max);
    applyGrid(target);
}

void MonthView::setSelectedRange(QDate first, QDate last)
{
    if (!isSelectable(first) || !isSelectable(last) || last < first)
        throw std::out_of_range("selected range " + first.toString(Qt::ISODate).toStdString() + " to " +
                                last.toString(Qt::ISODate).toStdString() +
                                " is not a run of selectable days");
    updateDays(m_selectionFirst, m_selectionLast);
    m_selectionFirst = first;
    m_selectionLast = last;
    updateDays(first, last);
}

void MonthView::clearSelectedRange()
{
    updateDays(m_selectionFirst, m_selectionLast);
    m_selectionFirst = QDate();
    m_selectionLast = QDate();
}

void MonthView::setDayBold(QDate date, bool bold)
{
    if (bold == m_bold.contains(date))
        return;
    if (bold)
        m_bold.insert(date);
    else
        m_bold.remove(date);
    if (m_grid.isVisible(date))
        update(dayRect(date));
}

void MonthView::setDayMarks(const QSet<QDate>& registered, const QSet<QDate>& forgotten)
{
    const auto changed = [](const QSet<QDate>& before, const QSet<QDate>& after) {
        QSet<QDate> days = before;
        days.unite(after);
        days.subtract(QSet<QDate>(before).intersect(after));
        return days;
    };
    if (registered == m_registered && forgotten == m_forgotten)
        return;
    QSet<QDate> dirty = changed(m_registered, registered);
    dirty.unite(changed(m_forgotten, forgotten));
    m_registered = registered;
    m_forgotten = forgotten;
    updateDaySet(dirty);
}

void MonthView::updateDaySet(const QSet<QDate>& days)
{
    QRegion dirty;
    for (const QDate& day : days) {
        if (m_grid.isVisible(day))
            dirty += dayRect(day);
    }
    if (!dirty.isEmpty())
        update(dirty);
}

void MonthView::setHolidays(const QSet<QDate>& holidays)
{
    if (holidays == m_holidays)
        return;
    m_holidays = holidays;
    update();
}

void MonthView::setToday(QDate date)
{
    m_today = date;
    update();
}

QDate MonthView::today() const
{
    return m_today.isValid() ? m_today : QDate::currentDate();
}

void MonthView::arrowClicked(int delta)
{
    scrollMonths(delta);
    Q_EMIT clicked();
}

void MonthView::updateArrows()
{
    const MonthGrid inRange = m_grid.keptWithin(m_min, m_max);
    m_previous->setEnabled(m_grid.scrolled(-1).keptWithin(m_min, m_max) != inRange);
    m_next->setEnabled(m_grid.scrolled(1).keptWithin(m_min, m_max) != inRange);
}

// Geometry. All month blocks have the same size; what is left over when the
// widget is not divisible by the blocks goes to the right and bottom edges.

QRect MonthView::blockRect(int index) const
{
    const QRect area = rect().adjusted(FrameWidth, FrameWidth, -FrameWidth, -FrameWidth);
    const int columns = m_grid.columns();
    const int rows = m_grid.rows();
    const int width = std::max(0, (area.width() - (columns - 1) * BlockSpacing) / columns);
    const int height = std::max(0, (area.height() - (rows - 1) * BlockSpacing) / rows);
    const int column = index % columns;
    const int row = index / columns;
    return {area.left() + column * (width + BlockSpacing), area.top() + row * (height + BlockSpacing), width,
            height};
}

int MonthView::rowHeight() const
{
    // Title, weekday headings and six weeks.
    const int available = blockRect(0).height() - BottomPadding;
    return std::max(1, available * 100 / (TitleShare + 100 * (1 + MonthGrid::WeeksPerMonth)));
}

int MonthView::titleHeight() const
{
    return blockRect(0).height() - BottomPadding - (1 + MonthGrid::WeeksPerMonth) * rowHeight();
}

QRect MonthView::titleRect(int index) const
{
    const QRect block = blockRect(index);
    return {block.left(), block.top(), block.width(), titleHeight()};
}

QRect MonthView::cellRect(const MonthCell& cell) const
{
    const QRect block = blockRect(cell.month);
    const int inner = block.width() - 2 * BlockPadding;
    const int left = block.left() + BlockPadding + cell.weekday * inner / MonthGrid::DaysPerWeek;
    const int right = block.left() + BlockPadding + (cell.weekday + 1) * inner / MonthGrid::DaysPerWeek;
    const int top = block.top() + titleHeight() + (cell.week + 1) * rowHeight();
    return {left, top, right - left, rowHeight()};
}

std::optional<MonthCell> MonthView::cellAt(QPoint pos) const
{
    for (int index = 0; index < m_grid.monthCount(); ++index) {
        const QRect block = blockRect(index);
        if (!block.contains(pos))
            continue;
        const int inner = block.width() - 2 * BlockPadding;
        const int x = pos.x() - block.left() - BlockPadding;
        const int y = pos.y() - block.top() - titleHeight() - rowHeight();
        if (x < 0 || x >= inner || y < 0 || inner <= 0)
            return std::nullopt;
        const MonthCell cell{index, y / rowHeight(), x * MonthGrid::DaysPerWeek / inner};
        if (cell.week >= MonthGrid::WeeksPerMonth)
            return std::nullopt;
        return cell;
    }
    return std::nullopt;
}

QRect MonthView::dayRect(QDate date) const
{
    const std::optional<MonthCell> cell = m_grid.cellOf(date);
    return cell ? cellRect(*cell) : QRect();
}

QSize MonthView::sizeHint() const
{
    const QFontMetrics metrics(font());
    const int cell = std::max(metrics.horizontalAdvance(u"30"_s) + 10, metrics.height() + 6);
    const int row = metrics.height() + 6;
    const int blockWidth = std::max(MonthGrid::DaysPerWeek * cell + 2 * BlockPadding,
                                    metrics.horizontalAdvance(monthTitle(QDate(2000, 12, 1))) + 4 * row);
    const int blockHeight = row * (TitleShare + 100 * (1 + MonthGrid::WeeksPerMonth)) / 100 + BottomPadding;
    return {m_grid.columns() * blockWidth + (m_grid.columns() - 1) * BlockSpacing + 2 * FrameWidth,
            m_grid.rows() * blockHeight + (m_grid.rows() - 1) * BlockSpacing + 2 * FrameWidth};
}

QSize MonthView::minimumSizeHint() const
{
    const QFontMetrics metrics(font());
    const int cell = metrics.horizontalAdvance(u"30"_s) + 2;
    const int blockWidth = MonthGrid::DaysPerWeek * cell + 2 * BlockPadding;
    const int blockHeight = (metrics.height() + 1) * 8 + BottomPadding;
    return {m_grid.columns() * blockWidth + (m_grid.columns() - 1) * BlockSpacing + 2 * FrameWidth,
            m_grid.rows() * blockHeight + (m_grid.rows() - 1) * BlockSpacing + 2 * FrameWidth};
}

int MonthView::arrowSize() const
{
    return std::clamp(titleHeight() - 4, 8, 22);
}

void MonthView::relayout()
{
    const int title = titleHeight();
    const int arrow = arrowSize();
    const QRect first = titleRect(0);
    const QRect last = titleRect(m_grid.columns() - 1);
    m_previous->setGeometry(first.left() + 2, first.top() + (title - arrow) / 2, arrow, arrow);
    m_next->setGeometry(last.right() - 1 - arrow, last.top() + (title - arrow) / 2, arrow, arrow);
    // The fonts are fitted when next painted, for the size the view has then:
    // a view is laid out several times before it is first shown.
    m_fontsFitted = false;
    update();
}

void MonthView::fitFonts()
{
    const int row = rowHeight();
    const int cellWidth = std::max(1, (blockRect(0).width() - 2 * BlockPadding) / MonthGrid::DaysPerWeek);

    QFont bold = font();
    bold.setBold(true);
    m_boldFont = fitted(bold, u"30"_s, cellWidth - 2, row);
    m_dayFont = m_boldFont;
    m_dayFont.setBold(false);
    // A face without a bold cut of its own (the IPA Gothic faces) is
    // emboldened by less than a pixel at this size: a greyed number of a
    // neighbouring month then looks plain on screen. Such a face is overstruck
    // by a whole pixel instead.
    m_overstrikeBold = QFontInfo(m_boldFont).styleName() == QFontInfo(m_dayFont).styleName();
    m_headingFont = fitted(font(), u"水"_s, cellWidth - 2, row);

    QFont titleFont = font();
    titleFont.setBold(true);
    m_titleFont = fitted(titleFont, monthTitle(QDate(2000, 12, 1)),
                         blockRect(0).width() - 2 * (arrowSize() + 4), titleHeight() - 2);
    m_dayNumbers = {};
    m_boldNumbers = {};
    m_weekdayHeadings = {};
    m_monthTitles.assign(static_cast<size_t>(m_grid.monthCount()), QStaticText());
    m_fontsFitted = true;
}

void MonthView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void MonthView::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        relayout();
        updateGeometry();
    }
}

// Painting.

void MonthView::paintEvent(QPaintEvent*)
{
    if (!m_fontsFitted)
        fitFonts();
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    // Asked once per painting: the system clock reads the time zone each time.
    const QDate todayNow = today();
    for (int index = 0; index < m_grid.monthCount(); ++index)
        paintBlock(painter, index, todayNow);
    painter.setPen(palette().color(QPalette::Mid));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void MonthView::paintBlock(QPainter& painter, int index, QDate todayNow) const
{
    const QDate month = m_grid.month(index);
    const QRect title = titleRect(index);
    painter.fillRect(title, palette().color(QPalette::Highlight));
    painter.setPen(palette().color(QPalette::HighlightedText));
    painter.setFont(m_titleFont);
    if (m_monthTitles.size() <= static_cast<size_t>(index))
        m_monthTitles.resize(static_cast<size_t>(index) + 1);
    drawCentred(painter, laidOutAs(m_monthTitles[static_cast<size_t>(index)], painter, monthTitle(month)),
                title);

    // Weekday headings, then a rule under them.
    static constexpr QStringView Weekdays = u"日月火水木金土";
    painter.setFont(m_headingFont);
    for (int day = 0; day < MonthGrid::DaysPerWeek; ++day) {
        QRect heading = cellRect({index, 0, day});
        heading.translate(0, -rowHeight());
        const QColor colour = day == 0   ? QColor(SundayRed)
                              : day == 6 ? QColor(SaturdayBlue)
                                         : palette().color(QPalette::Text);
        painter.setPen(colour);
        drawCentred(painter,
                    laidOutOnce(m_weekdayHeadings[static_cast<size_t>(day)], painter,
                                [day] { return Weekdays.mid(day, 1).toString(); }),
                    heading);
        if (day == MonthGrid::DaysPerWeek - 1) {
            painter.setPen(palette().color(QPalette::Mid));
            const int y = heading.bottom();
            painter.drawLine(cellRect({index, 0, 0}).left(), y, heading.right(), y);
        }
    }

    const MonthGrid::BlockDays days = m_grid.blockDays(index);
    for (int week = 0; week < MonthGrid::WeeksPerMonth; ++week) {
        for (int day = 0; day < MonthGrid::DaysPerWeek; ++day) {
            const QDate date = days.firstCell.addDays(week * MonthGrid::DaysPerWeek + day);
            if (date >= days.first && date <= days.last)
                paintDay(painter, date, cellRect({index, week, day}), m_grid.isNeighbourDay(date), todayNow);
        }
    }
}

void MonthView::paintDay(QPainter& painter, QDate date, const QRect& cell, bool neighbour,
                         QDate todayNow) const
{
    const QColor base = palette().color(QPalette::Base);
    const bool selected = m_selectionFirst.isValid() && date >= m_selectionFirst && date <= m_selectionLast;
    const bool forgotten = m_forgotten.contains(date);
    const QColor ground = forgotten ? QColor(ForgottenTint) : base;
    if (selected)
        painter.fillRect(cell, blend(ground, palette().color(QPalette::Highlight), 0.35));
    else if (forgotten)
        painter.fillRect(cell, ground);
    if (m_registered.contains(date)) {
        const qreal size = std::max(3, cell.height() / 6);
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(RegisteredDot));
        painter.drawEllipse(
            QRectF(cell.center().x() - size / 2 + 0.5, cell.bottom() - size - 1.5, size, size));
        painter.restore();
    }

    QColor colour = palette().color(QPalette::Text);
    const int weekday = MonthGrid::weekdayColumn(date);
    if (weekday == 0 || m_holidays.contains(date))
        colour = QColor(SundayRed);
    else if (weekday == 6)
        colour = QColor(SaturdayBlue);
    if (!isSelectable(date))
        colour = palette().color(QPalette::Disabled, QPalette::Text);
    else if (neighbour)
        colour = blend(colour, base, 0.45);

    painter.setPen(colour);
    const auto number = [&date] { return QString::number(date.day()); };
    const auto slot = static_cast<size_t>(date.day() - 1);
    if (!m_bold.contains(date)) {
        painter.setFont(m_dayFont);
        drawCentred(painter, laidOutOnce(m_dayNumbers[slot], painter, number), cell);
    } else if (m_overstrikeBold) {
        painter.setFont(m_dayFont);
        QStaticText& text = laidOutOnce(m_dayNumbers[slot], painter, number);
        drawCentred(painter, text, cell);
        drawCentred(painter, text, cell.translated(1, 0));
    } else {
        painter.setFont(m_boldFont);
        drawCentred(painter, laidOutOnce(m_boldNumbers[slot], painter, number), cell);
    }

    if (date == todayNow) {
        painter.setPen(QPen(QColor(TodayFrame), 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawRoundedRect(QRectF(cell).adjusted(1.5, 1.5, -1.5, -1.5), 3, 3);
        painter.restore();
    }
    if (date == m_current && hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = cell.adjusted(2, 2, -2, -2);
        option.backgroundColor = base;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

// Input.

void MonthView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_pressed = true;
    const std::optional<MonthCell> cell = cellAt(event->position().toPoint());
    m_pressedDate = cell ? m_grid.dateAt(*cell) : QDate();
}

void MonthView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_pressed) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    m_pressed = false;
    const std::optional<MonthCell> cell = cellAt(event->position().toPoint());
    const QDate date = cell ? m_grid.dateAt(*cell) : QDate();
    if (date.isValid() && date == m_pressedDate && isSelectable(date)) {
        moveCurrentDate(date);
        Q_EMIT dateClicked(date);
    }
    Q_EMIT clicked();
}

// A greyed arrow swallows its clicks (Qt buttons do when disabled); it is
// still a click on the calendar.
bool MonthView::eventFilter(QObject* watched, QEvent* event)
{
    const auto* button = qobject_cast<QToolButton*>(watched);
    if (button && !button->isEnabled() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        Q_EMIT clicked();
    return QWidget::eventFilter(watched, event);
}

void MonthView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        moveCurrentDate(m_current.addDays(-1));
        break;
    case Qt::Key_Right:
        moveCurrentDate(m_current.addDays(1));
        break;
    case Qt::Key_Up:
        moveCurrentDate(m_current.addDays(-MonthGrid::DaysPerWeek));
        break;
    case Qt::Key_Down:
        moveCurrentDate(m_current.addDays(MonthGrid::DaysPerWeek));
        break;
    case Qt::Key_PageUp:
        moveCurrentDate(m_current.addMonths(-1));
        break;
    case Qt::Key_PageDown:
        moveCurrentDate(m_current.addMonths(1));
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        Q_EMIT dateClicked(m_current);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace lunaplan
