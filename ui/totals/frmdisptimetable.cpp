#include "ui/totals/frmdisptimetable.h"

#include "core/appstate.h"
#include "core/prompts.h"
#include "ui/common/classwatch.h"
#include "ui/common/csvsave.h"
#include "ui/common/displaygrid.h"
#include "ui/common/escapebutton.h"
#include "ui/common/figurecolours.h"
#include "ui/common/japanesefonts.h"
#include "ui/common/termchoice.h"
#include "ui/common/twips.h"
#include "ui/common/windowactivation.h"
#include "ui/common/windowlist.h"

#include <QButtonGroup>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include <array>

using namespace Qt::StringLiterals;

namespace lunaplan {

namespace {

constexpr int ColumnWidth = 1030; // twips
constexpr int GridWidth = 7365;
constexpr int GridHeight = 5055;

QString fillFailure()
{
    return u"集計表を作れませんでした。"_s;
}

} // namespace

frmDispTimeTable::frmDispTimeTable(AppState& state, Prompts& prompts, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_state(state)
    , m_prompts(prompts)
    , m_guard(prompts)
    , m_seasons(new TermChoice(*this))
{
    setObjectName(u"frmDispTimeTable"_s);
    setWindowTitle(u"時数集計表"_s);
    setFixedSize(twipsSize(7740, 7650));

    const std::array<int, TermChoice::Terms> lefts{1080, 3240, 5160};
    for (int term = 0; term < TermChoice::Terms; ++term)
        placeInTwips(m_seasons->button(term), lefts[static_cast<std::size_t>(term)], 480, 1095, 375);
    connect(m_seasons, &TermChoice::chosen, this, &frmDispTimeTable::optSeason_Click);

    auto* label = new QLabel(u"集計したい学期を、上のボタンから選んでクリックしてください。"_s, this);
    label->setObjectName(u"LabelTimeTable"_s);
    placeInTwips(label, 1080, 1320, 5895, 255);

    buildGrid();

    m_cmdClose = new QPushButton(u"閉じる"_s, this);
    m_cmdClose->setObjectName(u"cmdCloseTimeTable"_s);
    placeInTwips(m_cmdClose, 3240, 7080, 975, 375);
    connect(m_cmdClose, &QPushButton::clicked, this, &frmDispTimeTable::cmdCloseTimeTable_Click);
    pressOnEscape(this, m_cmdClose);

    // Right-aligned under the grid, apart from 閉じる.
    m_cmdSaveCsv = new QPushButton(u"CSV保存"_s, this);
    m_cmdSaveCsv->setObjectName(u"cmdSaveCsv"_s);
    placeInTwips(m_cmdSaveCsv, 120 + GridWidth - 1095, 7080, 1095, 375);
    connect(m_cmdSaveCsv, &QPushButton::clicked, this, &frmDispTimeTable::cmdSaveCsv_Click);

    showTable(m_table, -1);
    new WindowActivation(*this, [this] { Form_Activate(); });
}

frmDispTimeTable::~frmDispTimeTable() = default;

void frmDispTimeTable::buildGrid()
{
    m_grid = new QTableWidget(TotalsTable::RowCount, TotalsTable::ColumnCount, this);
    m_grid->setObjectName(u"gridTimeTable"_s);
    placeInTwips(m_grid, 120, 1680, GridWidth, GridHeight);
    m_grid->setFont(interfaceFont());
    // Row 0 and column 0 are the headings, drawn as cells so the table is one
    // 24 × 7 grid; the widget's own headers stay hidden.
    makeDisplayGrid(m_grid);
    m_grid->setWordWrap(false);

    // The 24 rows share the grid's height, so the whole table shows without scrolling.
    const int inner = twipsToPixels(GridHeight) - 2 * m_grid->frameWidth();
    const int rowHeight = inner / TotalsTable::RowCount;
    const int taller = inner % TotalsTable::RowCount; // rows one pixel higher
    m_grid->verticalHeader()->setMinimumSectionSize(rowHeight);
    for (int row = 0; row < TotalsTable::RowCount; ++row)
        m_grid->setRowHeight(row, row < taller ? rowHeight + 1 : rowHeight);
    for (int column = 0; column < TotalsTable::ColumnCount; ++column)
        m_grid->setColumnWidth(column, twipsToPixels(ColumnWidth));

    const QColor headingBackground = palette().color(QPalette::Button);
    for (int row = 0; row < TotalsTable::RowCount; ++row) {
        for (int column = 0; column < TotalsTable::ColumnCount; ++column) {
            auto* item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled);
            if (row == 0 || column == 0) {
                item->setBackground(headingBackground);
                item->setTextAlignment(Qt::AlignCenter);
            } else {
                item->setBackground(column <= 3 ? termBackground() : yearBackground());
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            m_grid->setItem(row, column, item);
        }
    }
}

void frmDispTimeTable::Form_Activate()
{
    m_cmdClose->setFocus();
    selectSeason(seasonForDate(m_state.dateSelected));
    m_guard.run(fillFailure(), [this] { subFillTimeTable(); });
    m_cmdClose->setFocus();
}

void frmDispTimeTable::followClass()
{
    if (isVisible())
        m_guard.run(fillFailure(), [this] { subFillTimeTable(); });
}

void frmDispTimeTable::optSeason_Click(int index)
{
    selectSeason(index);
    m_guard.run(fillFailure(), [this] { subFillTimeTable(); });
    m_cmdClose->setFocus();
}

void frmDispTimeTable::subFillTimeTable()
{
    const int season = selectedSeason();
    // Everything is computed before the grid changes, so a failure leaves the
    // table as it was, with the option of the term it shows.
    try {
        showTable(fncTotalsTable(m_state, season), season);
    } catch (...) {
        if (m_shownSeason >= 0)
            selectSeason(m_shownSeason);
        throw;
    }
}

void frmDispTimeTable::cmdCloseTimeTable_Click()
{
    hide();
}

void frmDispTimeTable::cmdSaveCsv_Click()
{
    m_guard.run(u"CSVファイルを保存できませんでした。"_s, [this] {
        saveFiguresCsv(*this, m_state, m_prompts, [this] { return fncTotalsTableCsv(m_table); });
    });
}

QRadioButton* frmDispTimeTable::optSeason(int index) const
{
    return m_seasons->button(index);
}

int frmDispTimeTable::selectedSeason() const
{
    return m_seasons->selected();
}

void frmDispTimeTable::selectSeason(int index)
{
    m_seasons->check(index);
}

void frmDispTimeTable::showTable(const TotalsTable& table, int season)
{
    for (int row = 0; row < TotalsTable::RowCount; ++row) {
        for (int column = 0; column < TotalsTable::ColumnCount; ++column) {
            const TotalsTable::Cell& cell = table.cell(row, column);
            QTableWidgetItem* item = m_grid->item(row, column);
            item->setText(cell.text);
            item->setForeground(toneColour(cell.tone));
        }
    }
    m_table = table;
    m_shownSeason = season;
}

frmDispTimeTable* showTotalsTable(WindowList& windows, AppState& state, Prompts& prompts, ClassWatch& watch)
{
    auto* window = windows.show<frmDispTimeTable>(state, prompts);
    QObject::connect(&watch, &ClassWatch::classChanged, window, &frmDispTimeTable::followClass,
                     Qt::UniqueConnection);
    return window;
}

} // namespace lunaplan
