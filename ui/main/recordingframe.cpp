#include "ui/main/recordingframe.h"

#include "core/appstate.h"
#include "core/prompts.h"
#include "core/subjects.h"
#include "ui/common/clicklabel.h"
#include "ui/common/fittedlabel.h"
#include "ui/common/handlerguard.h"
#include "ui/common/subjectpalette.h"
#include "ui/common/twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace lunaplan {

using namespace Qt::StringLiterals;

namespace {

constexpr int GridLeft = 2520;
constexpr int ColumnStep = 1440; // seven days fit a 1024-pixel screen
constexpr int GridTop = 1200;
constexpr int RowStep = 720;
constexpr int ButtonSize = 735;
constexpr int PaletteTop = 720;
constexpr int LengthWidth = 705; // "４５分" with room to spare, up to the next column

constexpr QStringView RegisterCaption = u"登録";
constexpr QStringView CancelCaption = u"取消";

// Shows or hides a widget only when that changes something, so that a week
// change repaints only what differs from the week before.
void setShown(QWidget* widget, bool shown)
{
    if (widget->isHidden() == !shown && widget->testAttribute(Qt::WA_WState_ExplicitShowHide))
        return;
    widget->setVisible(shown);
}

// The period numbers to the left of Monday's column, each level with its row.
class PeriodNumberLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        int row = 0;
        for (const QChar c : text()) {
            if (c == u'\u3000')
                continue;
            // Centre of the row's button, measured from this label's top.
            const int centre = twipsToPixels(GridTop + RowStep * row + ButtonSize / 2 - 1440);
            const QRect line(0, centre - fontMetrics().height() / 2, width(), fontMetrics().height());
            painter.drawText(line, Qt::AlignCenter, QString(c));
            ++row;
        }
    }
};

} // namespace

RecordingFrame::RecordingFrame(AppState& state, const HandlerGuard& guard, QWidget* parent)
    : QFrame(parent)
    , m_state(state)
    , m_guard(guard)
    , m_choice(*this)
{
    setObjectName(u"fraSubject"_s);
    setFrameShape(QFrame::NoFrame);
    // A registered day is locked, yet its lessons must stay easy to read.
    QPalette colours = palette();
    colours.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x50, 0x50, 0x50));
    colours.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x50, 0x50, 0x50));
    setPalette(colours);

    m_comment = new FittedLabel(
        u"実績の入力をします。左のカレンダから登録したい週を選択し、次に中間の教科パレットから教科を選んで"
        "下の実績表をクリックしてください。入力を取り消すときは同じ教科で実績表をクリックしてください。"
        "マウスを元に戻したいときは教科パレット以外の場所でクリックしてください。"_s,
        this);
    m_comment->setObjectName(u"lblMainComment"_s);
    // Down to the palette's top, not below: the palette stands over the rest
    // of the instruction's box, and no line of it may run under the palette.
    placeInTwips(m_comment, 120, 240, 10575, PaletteTop - 240);

    m_palette = new SubjectPalette(this);
    placeInTwips(m_palette, 120, PaletteTop, 1695, 6855);
    connect(m_palette, &SubjectPalette::subjectChosen, this, &RecordingFrame::cmdSubject_Click);

    buildGrid();
    buildOptions();
    buildWeekendChoice();
    // Until a week is picked there is no day to show or register.
    clearWeek();
}

void RecordingFrame::buildGrid()
{
    for (int d = 0; d < Days; ++d) {
        auto* heading = new QLabel(this);
        heading->setObjectName(u"Label2_%1"_s.arg(d));
        heading->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        // Wider than the button so that "12／10(木)" is not cut; the next column starts 1440 on.
        placeInTwips(heading, GridLeft + ColumnStep * d, 840, ColumnStep - 15, 255);
        m_label2[static_cast<std::size_t>(d)] = heading;
    }

    m_periodNumbers =
        new PeriodNumberLabel(u"０　　　１　　　２　　　３　　　４　　　５　　　６　　　　７"_s, this);
    m_periodNumbers->setObjectName(u"Label7"_s);
    // As wide as the gap before Monday's column, so that a full-width digit is not cut.
    placeInTwips(m_periodNumbers, 2160, 1440, GridLeft - 15 - 2160, 5535);

    m_grid = new PeriodGrid(Days, this);
    m_grid->build(this, {u"cmdWeek", {GridLeft, GridTop}, {ColumnStep, RowStep}, {ButtonSize, ButtonSize}},
                  {u"labWeekCredit", {3240, 1440}, {ColumnStep, RowStep}, {LengthWidth, 300}});
    connect(m_grid, &PeriodGrid::periodClicked, this, &RecordingFrame::cmdWeek_Click);
    connect(m_grid, &PeriodGrid::lengthClicked, this, &RecordingFrame::labWeekCredit_Click);

    for (int d = 0; d < Days; ++d) {
        // Under its day column.
        auto* reg = new QPushButton(RegisterCaption.toString(), this);
        reg->setObjectName(u"cmdReg_%1"_s.arg(d));
        placeInTwips(reg, GridLeft + ColumnStep * d, 7200, ButtonSize, ButtonSize);
        connect(reg, &QPushButton::clicked, this, [this, d] { cmdReg_Click(d); });
        m_cmdReg[static_cast<std::size_t>(d)] = reg;
    }

    m_cboTime = new QComboBox(this);
    m_cboTime->setObjectName(u"cboTime"_s);
    for (int code = 0; code <= 4; ++code)
        m_cboTime->addItem(subGetCredit(code));
    m_cboTime->setCurrentIndex(1);
    placeInTwips(m_cboTime, 3360, 8040, 855, 300);
    m_cboTime->hide();
    connect(m_cboTime, &QComboBox::activated, this, &RecordingFrame::cboTime_Click);
}

void RecordingFrame::buildOptions()
{
    const struct {
        QStringView text;
        QColor colour;
        int top;
    } options[2] = {{u"A 時間割を採用", QColor(0, 0, 255), 7680},
                    {u"B 時間割を採用", QColor(255, 0, 0), 7920}};
    for (int index = 0; index < 2; ++index) {
        auto* option = new QRadioButton(options[index].text.toString(), this);
        option->setObjectName(u"Option1_%1"_s.arg(index));
        QPalette colours = option->palette();
        colours.setColor(QPalette::WindowText, options[index].colour);
        colours.setColor(QPalette::ButtonText, options[index].colour);
        option->setPalette(colours);
        placeInTwips(option, 240, options[index].top, 1815, 375);
        connect(option, &QRadioButton::clicked, this, [this, index] { Q_EMIT timetableChosen(index); });
        m_option1[static_cast<std::size_t>(index)] = option;
    }
    m_option1[0]->setChecked(true);
}

void RecordingFrame::buildWeekendChoice()
{
    const QStringView captions[2] = {u"土曜日に授業を記録", u"日曜日に授業を記録"};
    for (int index = 0; index < 2; ++index) {
        auto* box = new QCheckBox(captions[index].toString(), this);
        box->setObjectName(u"chkWeekend_%1"_s.arg(index));
        placeInTwips(box, 8640 + 1980 * index, 7980, 1980, 375);
        box->setEnabled(false);
        connect(box, &QCheckBox::clicked, this, [this, index](bool checked) {
            (index == 0 ? m_weekendAsk.saturday : m_weekendAsk.sunday) = checked;
            Q_EMIT weekendChosen();
        });
        m_chkWeekend[static_cast<std::size_t>(index)] = box;
    }
}

WeekendAsk RecordingFrame::weekendAsked(const ShownWeek& week)
{
    if (week.last != m_askedWeekLast) {
        m_weekendAsk = {};
        m_askedWeekLast = week.last;
    }
    return m_weekendAsk;
}

void RecordingFrame::showWeekendChoice(int column, const DayColumn& day)
{
    QCheckBox* box = chkWeekend(column - 5);
    // A day that holds a record or is a school day shows its periods anyway.
    const bool itself = day.date.isValid() && weekendDayOffersItself(m_state, day.date);
    box->setChecked(day.hasPeriods);
    box->setEnabled(day.date.isValid() && !itself);
}

bool RecordingFrame::timetableA() const
{
    return m_option1[0]->isChecked();
}

void RecordingFrame::cmdSubject_Click(int index)
{
    m_choice.choose(*m_palette, index);
}

void RecordingFrame::fraSubject_Click()
{
    m_choice.clear();
}

void RecordingFrame::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        fraSubject_Click();
    QFrame::mouseReleaseEvent(event);
}

void RecordingFrame::cmdWeek_Click(int index)
{
    m_choice.applyTo(*m_grid, index);
}

bool RecordingFrame::isEditable(int index) const
{
    const auto column = static_cast<std::size_t>(index / Periods);
    return index >= 0 && index < Cells && m_columnShown.at(column) && !m_columnLocked.at(column);
}

void RecordingFrame::labWeekCredit_Click(int index)
{
    // A registered day is locked and a holiday has no periods: no length to choose.
    if (!isEditable(index))
        return;
    m_state.intCreditIndexMain = static_cast<qint16>(index);
    const ClickLabel* label = labWeekCredit(index);
    m_cboTime->move(label->pos());
    m_cboTime->setCurrentIndex(lengthCode(index));
    m_cboTime->show();
    m_cboTime->raise();
    m_cboTime->setFocus();
}

void RecordingFrame::cboTime_Click()
{
    const int index = m_state.intCreditIndexMain;
    if (!isEditable(index))
        return;
    const int code = m_cboTime->currentIndex();
    m_grid->setLength(index, code);
    QToolButton* button = cmdWeek(index);
    if (code <= 0) {
        m_grid->setSubject(index, QChar());
        button->hide();
    } else {
        button->show();
    }
    fraSubject_Click();
}

void RecordingFrame::setColumnLocked(int column, bool locked)
{
    m_columnLocked[static_cast<std::size_t>(column)] = locked;
    for (int p = 0; p < Periods; ++p) {
        cmdWeek(column * Periods + p)->setEnabled(!locked);
        labWeekCredit(column * Periods + p)->setEnabled(!locked);
    }
}

DayColumn RecordingFrame::shownColumn(int column) const
{
    DayColumn day = m_givenColumn.at(static_cast<std::size_t>(column));
    day.hasPeriods = m_columnShown.at(static_cast<std::size_t>(column));
    for (int p = 0; p < Periods; ++p)
        day.periods[static_cast<std::size_t>(p)] = {lengthCode(column * Periods + p),
                                                    subjectCode(column * Periods + p)};
    return day;
}

void RecordingFrame::showRegistered(int column, bool registered)
{
    cmdReg(column)->setText((registered ? CancelCaption : RegisterCaption).toString());
    setColumnLocked(column, registered);
}

void RecordingFrame::cmdReg_Click(int column)
{
    const QDate date = dateShownDay(column);
    if (!date.isValid() || !m_columnShown.at(static_cast<std::size_t>(column)))
        return;
    m_guard.run(u"実績を登録できませんでした。"_s, [&] {
        if (isDayRegistered(m_state, date)) {
            withdrawDay(m_state, date);
            showRegistered(column, false);
        } else {
            const DayColumn day = shownColumn(column);
            const QString question = doubledSubjectQuestion(day);
            if (!question.isEmpty() &&
                m_guard.prompts().askYesNo(question, applicationTitle()) != Prompts::Answer::Yes)
                return;
            registerDay(m_state, day);
            showRegistered(column, true);
            m_cboTime->hide();
        }
        // What the column shows now is the teacher's; the day gives this from now on.
        const bool asked = column == 5 ? m_weekendAsk.saturday : column == 6 && m_weekendAsk.sunday;
        m_givenColumn[static_cast<std::size_t>(column)] = dayColumnFor(m_state, date, timetableA(), asked);
        Q_EMIT recordsChanged();
    });
    fraSubject_Click();
}

void RecordingFrame::subUnvisibleButton()
{
    for (int index = 0; index < Cells; ++index) {
        cmdWeek(index)->hide();
        labWeekCredit(index)->hide();
    }
    for (QPushButton* reg : m_cmdReg)
        reg->hide();
}

void RecordingFrame::showDayColumns(const QList<DayColumn>& columns, ColumnUpdate update)
{
    std::array<const DayColumn*, Days> byColumn{};
    for (const DayColumn& day : columns)
        byColumn.at(static_cast<std::size_t>(day.column)) = &day;

    const DayColumn nothing;
    for (int c = 0; c < Days; ++c) {
        const auto column = static_cast<std::size_t>(c);
        const DayColumn& day = byColumn[column] ? *byColumn[column] : nothing;
        if (update == KeepCorrections && day == m_givenColumn[column])
            continue;
        // A length being chosen belongs to the day that is going.
        if (m_state.intCreditIndexMain >= 0 && m_state.intCreditIndexMain / Periods == c)
            closeLengthChoice();
        showColumn(c, day);
    }
    if (update == NewWeek)
        closeLengthChoice();
}

void RecordingFrame::showColumn(int c, const DayColumn& day)
{
    const auto column = static_cast<std::size_t>(c);
    m_givenColumn[column] = day;
    m_columnShown[column] = day.hasPeriods;
    m_dateShownDay[column] = day.date;
    Label2(c)->setText(day.heading);
    for (int p = 0; p < Periods; ++p) {
        const int index = c * Periods + p;
        const PeriodCell& cell = day.periods[static_cast<std::size_t>(p)];
        if (day.hasPeriods) {
            m_grid->setLength(index, cell.lengthCode);
            // A code without a picture (damaged data) shows as an empty period.
            m_grid->setSubject(index, subjectByCode(cell.subjectCode) ? cell.subjectCode : QChar());
        }
        setShown(labWeekCredit(index), day.hasPeriods);
        setShown(cmdWeek(index), day.hasPeriods && cell.lengthCode != 0);
    }
    if (day.hasPeriods)
        showRegistered(c, day.registered);
    setShown(cmdReg(c), day.hasPeriods);
    if (c >= 5)
        showWeekendChoice(c, day);
}

void RecordingFrame::closeLengthChoice()
{
    m_state.intCreditIndexMain = -1;
    m_cboTime->hide();
}

} // namespace lunaplan
