#include "ui/outlook/frmoutlook.h"

#include "core/appstate.h"
#include "core/csvtable.h"
#include "core/prompts.h"
#include "core/totalstable.h"
#include "core/units.h"
#include "core/weekview.h"
#include "ui/common/classwatch.h"
#include "ui/common/csvsave.h"
#include "ui/common/displaygrid.h"
#include "ui/common/escapebutton.h"
#include "ui/common/figurecolours.h"
#include "ui/common/japanesefonts.h"
#include "ui/common/screenplacement.h"
#include "ui/common/termchoice.h"
#include "ui/common/windowactivation.h"
#include "ui/common/windowlist.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTableWidget>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace lunaplan {

namespace {

constexpr int FiguresPerStretch = 6;
constexpr int CellPadding = 10;     // pixels beside the widest text of a column
constexpr int UnregisteredRows = 4; // rows of dates the list shows without scrolling
constexpr int DateEditExtra = 40;   // pixels of the date box's frame and popup arrow

QString fillFailure()
{
    return u"見通しを作れませんでした。"_s;
}

QTableWidgetItem* headingItem(const QColor& background)
{
    auto* item = new QTableWidgetItem;
    item->setFlags(Qt::ItemIsEnabled);
    item->setBackground(background);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

} // namespace

frmOutlook::frmOutlook(AppState& state, Prompts& prompts, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_state(state)
    , m_prompts(prompts)
    , m_guard(prompts)
    , m_seasons(new TermChoice(*this))
    , m_timetables(new QButtonGroup(this))
{
    setObjectName(u"frmOutlook"_s);
    setWindowTitle(u"見通し"_s);
    // Dates and weekdays read Japanese whatever the desktop's language.
    setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    setFont(interfaceFont());

    auto* layout = new QVBoxLayout(this);
    // The window takes the size of its fixed grid and keeps it.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    buildChoices();
    buildGrid();
    layout->addWidget(m_grid);
    buildFooter();

    resetReferenceDate();
    showFigures(m_outlook, -1);
    new WindowActivation(*this, [this] { Form_Activate(); });
}

frmOutlook::~frmOutlook() = default;

void frmOutlook::buildChoices()
{
    auto* row = new QHBoxLayout;
    static_cast<QBoxLayout*>(layout())->addLayout(row);

    for (int term = 0; term < TermChoice::Terms; ++term)
        row->addWidget(m_seasons->button(term));
    connect(m_seasons, &TermChoice::chosen, this, &frmOutlook::optSeason_Click);
    row->addSpacing(24);

    auto* dateLabel = new QLabel(u"基準日(&D)"_s, this);
    m_dtpReference = new QDateEdit(this);
    m_dtpReference->setObjectName(u"dtpReference"_s);
    m_dtpReference->setDisplayFormat(u"yyyy年M月d日(ddd)"_s);
    m_dtpReference->setCalendarPopup(true);
    // Qt sizes the box for digits; the widest Japanese date and the popup's arrow must fit.
    m_dtpReference->setMinimumWidth(fontMetrics().horizontalAdvance(u"2026年12月31日(水)"_s) + DateEditExtra);
    // A date typed digit by digit is taken once it is complete.
    m_dtpReference->setKeyboardTracking(false);
    dateLabel->setBuddy(m_dtpReference);
    connect(m_dtpReference, &QDateEdit::dateChanged, this, &frmOutlook::dtpReference_Change);
    row->addWidget(dateLabel);
    row->addWidget(m_dtpReference);
    row->addSpacing(24);

    const std::array<QString, 2> timetables{u"A 時間割"_s, u"B 時間割"_s};
    row->addWidget(new QLabel(u"見込みに使う時間割"_s, this));
    for (std::size_t i = 0; i < m_optTimetable.size(); ++i) {
        auto* option = new QRadioButton(timetables[i], this);
        option->setObjectName(u"optTimetable%1"_s.arg(i));
        m_timetables->addButton(option, static_cast<int>(i));
        row->addWidget(option);
        m_optTimetable[i] = option;
    }
    m_optTimetable[0]->setChecked(true);
    connect(m_timetables, &QButtonGroup::idClicked, this, &frmOutlook::optTimetable_Click);
    row->addStretch();
}

void frmOutlook::buildGrid()
{
    m_grid = new QTableWidget(RowCount, ColumnCount, this);
    m_grid->setObjectName(u"gridOutlook"_s);
    m_grid->setFont(interfaceFont());
    makeDisplayGrid(m_grid);
    m_grid->setWordWrap(false);

    // Row 0 names the stretch over its six figures, row 1 the figure.
    m_grid->setSpan(0, 0, HeadingRows, 1);
    m_grid->setSpan(0, 1, 1, FiguresPerStretch);
    m_grid->setSpan(0, 1 + FiguresPerStretch, 1, FiguresPerStretch);
    const QColor headingBackground = palette().color(QPalette::Button);
    for (int row = 0; row < RowCount; ++row) {
        for (int column = 0; column < ColumnCount; ++column) {
            if (row < HeadingRows || column == 0) {
                m_grid->setItem(row, column, headingItem(headingBackground));
                continue;
            }
            auto* item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled);
            item->setBackground(column <= FiguresPerStretch ? termBackground() : yearBackground());
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_grid->setItem(row, column, item);
        }
    }
    m_grid->item(0, 0)->setText(totalsTableHeadings().front().toString());
    m_grid->item(0, 1 + FiguresPerStretch)->setText(u"年間"_s);
    for (int stretch = 0; stretch < 2; ++stretch) {
        int column = 1 + stretch * FiguresPerStretch;
        for (const QStringView heading : outlookHeadings())
            m_grid->item(1, column++)->setText(heading.toString());
    }
    int row = HeadingRows;
    for (const TotalsTableRow& line : totalsTableRows())
        m_grid->item(row++, 0)->setText(line.label.toString());

    // Every cell is as wide as the widest text its column can hold, so the
    // whole table shows at once, without scrolling.
    const QFontMetrics metrics(m_grid->font());
    int labelWidth = 0;
    for (const TotalsTableRow& line : totalsTableRows())
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(line.label.toString()));
    int figureWidth = metrics.horizontalAdvance(u"-9999.9"_s);
    for (const QStringView heading : outlookHeadings())
        figureWidth = std::max(figureWidth, metrics.horizontalAdvance(heading.toString()));
    m_grid->setColumnWidth(0, labelWidth + CellPadding);
    for (int column = 1; column < ColumnCount; ++column)
        m_grid->setColumnWidth(column, figureWidth + CellPadding);
    const int rowHeight = metrics.height() + 4;
    m_grid->verticalHeader()->setMinimumSectionSize(rowHeight);
    for (int r = 0; r < RowCount; ++r)
        m_grid->setRowHeight(r, rowHeight);
    const int frame = 2 * m_grid->frameWidth();
    m_grid->setFixedSize(labelWidth + CellPadding + (ColumnCount - 1) * (figureWidth + CellPadding) + frame,
                         RowCount * rowHeight + frame);
}

void frmOutlook::buildFooter()
{
    auto* layout = static_cast<QBoxLayout*>(this->layout());

    m_lblRemaining = new QLabel(this);
    m_lblRemaining->setObjectName(u"lblRemaining"_s);
    layout->addWidget(m_lblRemaining);

    // Two lines are kept for the note, so the window keeps its size from
    // class to class.
    m_lblNote = new QLabel(this);
    m_lblNote->setObjectName(u"lblNote"_s);
    m_lblNote->setWordWrap(true);
    m_lblNote->setFixedSize(m_grid->width(), 2 * fontMetrics().lineSpacing() + 4);
    m_lblNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(m_lblNote);

    m_lblUnregistered = new QLabel(this);
    m_lblUnregistered->setObjectName(u"lblUnregistered"_s);
    layout->addWidget(m_lblUnregistered);

    auto* row = new QHBoxLayout;
    layout->addLayout(row);
    m_lstUnregistered = new QListWidget(this);
    m_lstUnregistered->setObjectName(u"lstUnregistered"_s);
    // The dates flow in rows, as many as the width holds.
    m_lstUnregistered->setFlow(QListView::LeftToRight);
    m_lstUnregistered->setWrapping(true);
    m_lstUnregistered->setResizeMode(QListView::Adjust);
    m_lstUnregistered->setUniformItemSizes(true);
    const QFontMetrics metrics = fontMetrics();
    m_lstUnregistered->setGridSize(
        QSize(metrics.horizontalAdvance(u"12／31(水)"_s) + 16, metrics.height() + 6));
    m_lstUnregistered->setFixedHeight(UnregisteredRows * (metrics.height() + 6) +
                                      2 * m_lstUnregistered->frameWidth());
    m_lstUnregistered->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(m_lstUnregistered, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { lstUnregistered_Click(m_lstUnregistered->row(item)); });
    connect(m_lstUnregistered, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { lstUnregistered_Click(m_lstUnregistered->row(item)); });
    row->addWidget(m_lstUnregistered, 1);

    auto* buttons = new QVBoxLayout;
    row->addLayout(buttons);
    m_cmdSaveCsv = new QPushButton(u"CSV保存"_s, this);
    m_cmdSaveCsv->setObjectName(u"cmdSaveCsv"_s);
    connect(m_cmdSaveCsv, &QPushButton::clicked, this, &frmOutlook::cmdSaveCsv_Click);
    buttons->addWidget(m_cmdSaveCsv);
    buttons->addStretch();
    m_cmdClose = new QPushButton(u"閉じる"_s, this);
    m_cmdClose->setObjectName(u"cmdClose"_s);
    connect(m_cmdClose, &QPushButton::clicked, this, &frmOutlook::cmdClose_Click);
    pressOnEscape(this, m_cmdClose);
    buttons->addWidget(m_cmdClose);
}

void frmOutlook::resetReferenceDate()
{
    const QSignalBlocker blocker(m_dtpReference);
    m_schoolYear = m_state.intYear;
    if (m_state.intYear != 0) {
        m_dtpReference->setDateRange(QDate(m_state.intYear, 4, 1), QDate(m_state.intYear + 1, 3, 31));
    } else {
        m_dtpReference->clearMinimumDate();
        m_dtpReference->clearMaximumDate();
    }
    const QDate date = outlookReferenceDate(m_state, m_state.today());
    m_dtpReference->setDate(date);
    m_seasons->check(seasonForDate(date));
}

void frmOutlook::Form_Activate()
{
    fill();
}

void frmOutlook::followClass()
{
    if (isVisible())
        fill();
}

void frmOutlook::optSeason_Click(int index)
{
    m_seasons->check(index);
    fill();
}

void frmOutlook::optTimetable_Click(int index)
{
    optTimetable(index)->setChecked(true);
    fill();
}

void frmOutlook::dtpReference_Change(QDate date)
{
    m_seasons->check(seasonForDate(date));
    fill();
}

void frmOutlook::lstUnregistered_Click(int row)
{
    if (row >= 0 && row < m_outlook.unregisteredDays.size())
        Q_EMIT dateChosen(m_outlook.unregisteredDays.at(row));
}

void frmOutlook::fill()
{
    m_guard.run(fillFailure(), [this] { subFillOutlook(); });
}

void frmOutlook::subFillOutlook()
{
    if (m_state.intYear != m_schoolYear)
        resetReferenceDate();
    const int season = selectedSeason();
    // Everything is computed before a control changes, so a failure leaves
    // the outlook as it was, with the option of the term it shows.
    try {
        showFigures(fncOutlook(m_state, m_dtpReference->date(), timetableA()), season);
    } catch (...) {
        if (m_shownSeason >= 0)
            m_seasons->check(m_shownSeason);
        throw;
    }
}

void frmOutlook::cmdClose_Click()
{
    hide();
}

void frmOutlook::cmdSaveCsv_Click()
{
    m_guard.run(u"CSVファイルを保存できませんでした。"_s, [this] {
        saveFiguresCsv(*this, m_state, m_prompts, [this] {
            CsvTable csv;
            for (const QStringList& row : outlookCsvRows(m_outlook, std::max(m_shownSeason, 0)))
                csv.addRow(row);
            return csv.toBytes();
        });
    });
}

QRadioButton* frmOutlook::optSeason(int index) const
{
    return m_seasons->button(index);
}

int frmOutlook::selectedSeason() const
{
    return m_seasons->selected();
}

bool frmOutlook::timetableA() const
{
    return m_timetables->checkedId() != 1;
}

void frmOutlook::showFigures(const Outlook& outlook, int season)
{
    const int shownSeason = std::max(season, 0);
    const std::array<const OutlookStretch*, 2> stretches{
        &outlook.stretches.at(static_cast<std::size_t>(shownSeason)),
        &outlook.stretches.at(static_cast<std::size_t>(Outlook::YearStretch))};
    m_grid->item(0, 1)->setText(TermChoice::caption(shownSeason));
    for (std::size_t row = 0; row < outlook.stretches.front().rows.size(); ++row) {
        const int gridRow = HeadingRows + static_cast<int>(row);
        for (std::size_t stretch = 0; stretch < stretches.size(); ++stretch) {
            const OutlookFigures& figures = stretches[stretch]->rows.at(row);
            const int first = 1 + static_cast<int>(stretch) * FiguresPerStretch;
            const std::array<QString, FiguresPerStretch> texts{
                fncCreditToStr(figures.plan),
                fncCreditToStr(figures.held),
                implementationRateText(figures.plan, figures.held),
                fncCreditToStr(figures.expected),
                fncCreditToStr(figures.expectedTotal),
                fncCreditToStr(figures.expectedDifference)};
            for (int i = 0; i < FiguresPerStretch; ++i)
                m_grid->item(gridRow, first + i)->setText(texts.at(static_cast<std::size_t>(i)));
            m_grid->item(gridRow, first + FiguresPerStretch - 1)->setForeground(toneColour(figures.tone()));
        }
    }

    m_lblRemaining->setText(
        u"残り授業日数（基準日の翌日から）　%1 %2日　年間 %3日"_s.arg(TermChoice::caption(shownSeason))
            .arg(stretches[0]->remainingSchoolDays)
            .arg(stretches[1]->remainingSchoolDays));
    m_lblNote->setText(outlook.note.isEmpty() ? QString() : u"注：%1"_s.arg(outlook.note));
    m_lblUnregistered->setText(
        outlook.unregisteredDays.isEmpty()
            ? u"未登録の授業日（基準日まで）：ありません。"_s
            : u"未登録の授業日（基準日まで）：%1日。日付をクリックすると、その週をメイン画面に表示します。"_s
                  .arg(outlook.unregisteredDays.size()));
    m_lstUnregistered->clear();
    for (const QDate day : outlook.unregisteredDays)
        m_lstUnregistered->addItem(dayHeading(day));

    m_outlook = outlook;
    m_shownSeason = season;
}

frmOutlook* showOutlook(WindowList& windows, AppState& state, Prompts& prompts, ClassWatch& watch,
                        QWidget& mainWindow)
{
    if (!windows.find<frmOutlook>()) {
        auto* window = new frmOutlook(state, prompts);
        windows.track(window);
        QObject::connect(&watch, &ClassWatch::classChanged, window, &frmOutlook::followClass);
        // The chosen day's week is shown in the main window, which comes forward to register it.
        QObject::connect(window, &frmOutlook::dateChosen, &mainWindow,
                         [&mainWindow] { WindowList::present(&mainWindow); });
        placeOnScreen(*window, mainWindow.frameGeometry().topRight(), &mainWindow);
    }
    return windows.show<frmOutlook>(state, prompts);
}

} // namespace lunaplan
