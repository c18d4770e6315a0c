#include "ui/wizard/frmwiz4.h"

#include "core/appstate.h"
#include "core/subjects.h"
#include "core/units.h"
#include "ui/common/displaygrid.h"
#include "ui/common/placedwordslabel.h"
#include "ui/common/twips.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include <algorithm>

namespace lunaplan {

using namespace Qt::StringLiterals;

namespace {

// One row pitch for the boxes, the total labels and the grid, so that each
// grid row continues its subject's row. In twips from the frame's corner.
constexpr int RowPitch = 330;
constexpr int TableTop = 300; // the heading row; subject rows follow
constexpr int BoxLeft = 1080; // base column; the term columns follow
constexpr int ColumnStep = 960;
constexpr int BoxWidth = 870;
constexpr int GridLeft = 5040;
constexpr int GridColumnWidth = 1020;
constexpr int TableRows = PlanRows + 2; // heading, subjects, totals

int rowTop(int row)
{
    return TableTop + RowPitch * row;
}

const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);
const QColor Black(0, 0, 0);

} // namespace

frmWiz4::frmWiz4(AppState& state, Prompts& prompts, WizardNavigator& navigator, QWidget* parent)
    : WizardPage(state, prompts, navigator, u"frmWiz4"_s, 7860, 9120, parent)
{
    const QStringView comments[] = {
        u"基本時数と学期毎の計画時数を入力してください。",
        u"15分を0.1、30分を0.2、45分を1で記入してください。　（例） 32.1 は45分×32＋15分の意味です。"};
    for (int i = 0; i < 2; ++i) {
        auto* comment = new QLabel(comments[i].toString(), this);
        comment->setObjectName(u"lblWiz4Comment_%1"_s.arg(i));
        comment->setWordWrap(true);
        comment->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        placeInTwips(comment, 240, i == 0 ? 120 : 400, 7380, i == 0 ? 270 : 540);
    }

    auto* frame = new QGroupBox(u"年間授業計画"_s, this);
    frame->setObjectName(u"fraWiz4YearPlan"_s);
    placeInTwips(frame, 240, 960, 7380, 7440);
    buildTable(frame);
    buildGrid(frame);
    buildButtons();
}

QLineEdit* frmWiz4::makeBox(QGroupBox* frame, const QString& name, int x, int row)
{
    auto* box = new QLineEdit(u"0"_s, frame);
    box->setObjectName(name);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setTextMargins(0, 0, 0, 0);
    placeInTwips(box, x, rowTop(row), BoxWidth, RowPitch - 15);
    box->installEventFilter(this);
    return box;
}

void frmWiz4::buildTable(QGroupBox* frame)
{
    QString rowLabels = u"　教科"_s;
    for (const QString& label : planGridRowLabels())
        rowLabels += u"\n　" + label;
    rowLabels += u"\n　　計"_s;
    QList<int> rowCentres;
    for (int row = 0; row < TableRows; ++row)
        rowCentres.append(twipsToPixels(RowPitch * row + RowPitch / 2));
    auto* left = new PlacedWordsLabel(rowLabels, Qt::Vertical, rowCentres, frame);
    left->setObjectName(u"lblWiz4TableLeft"_s);
    placeInTwips(left, 60, TableTop, BoxLeft - 90, RowPitch * TableRows);

    QList<int> columnCentres;
    for (int column = 0; column <= PlanTerms; ++column)
        columnCentres.append(twipsToPixels(ColumnStep * column + BoxWidth / 2));
    auto* headings = new PlacedWordsLabel(u"基本時数　　　1学期　　2学期　　3学期"_s, Qt::Horizontal,
                                          columnCentres, frame);
    headings->setObjectName(u"lblWiz4TableLabel"_s);
    placeInTwips(headings, BoxLeft, rowTop(0), ColumnStep * PlanTerms + BoxWidth, RowPitch);

    for (int row = 0; row < PlanRows; ++row) {
        m_base[static_cast<std::size_t>(row)] =
            makeBox(frame, u"txtWiz4YearBase_%1"_s.arg(row), BoxLeft, row + 1);
        for (int term = 1; term <= PlanTerms; ++term) {
            const int index = row * PlanTerms + term - 1;
            m_plan[static_cast<std::size_t>(index)] =
                makeBox(frame, u"txtWiz4YearPlan_%1"_s.arg(index), BoxLeft + ColumnStep * term, row + 1);
        }
    }

    for (int column = 0; column <= PlanTerms; ++column) {
        auto* sum = new QLabel(u"***"_s, frame);
        sum->setObjectName(column == 0 ? u"lblWiz4BaseSum"_s : u"lblWiz4Sum_%1"_s.arg(column - 1));
        sum->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        placeInTwips(sum, BoxLeft + ColumnStep * column, rowTop(TableRows - 1), BoxWidth - 60, RowPitch);
        if (column == 0)
            m_baseSum = sum;
        else
            m_termSum[static_cast<std::size_t>(column - 1)] = sum;
    }
}

void frmWiz4::buildGrid(QGroupBox* frame)
{
    m_grid = new QTableWidget(TableRows, 2, frame);
    m_grid->setObjectName(u"gridWiz4YearSum"_s);
    makeDisplayGrid(m_grid);
    m_grid->setFrameShape(QFrame::NoFrame);
    m_grid->setShowGrid(true);
    for (int column = 0; column < 2; ++column) {
        m_grid->setColumnWidth(column, twipsToPixels(GridColumnWidth));
        for (int row = 0; row < TableRows; ++row) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(row == 0 ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
            if (row == 0)
                item->setBackground(palette().button());
            m_grid->setItem(row, column, item);
        }
    }
    for (int row = 0; row < TableRows; ++row)
        m_grid->setRowHeight(row, twipsToPixels(rowTop(row + 1)) - twipsToPixels(rowTop(row)));
    placeInTwips(m_grid, GridLeft, TableTop, 2 * GridColumnWidth + 15, RowPitch * TableRows + 15);
}

void frmWiz4::buildButtons()
{
    const struct {
        QPushButton** button;
        QStringView name;
        QStringView caption;
        int left;
        int width;
        void (frmWiz4::*handler)();
    } buttons[] = {
        {&m_cmdStandard, u"cmdWiz4Standard", u"標準時数を入力", 240, 2160, &frmWiz4::cmdWiz4Standard_Click},
        {&m_cmdBefore, u"cmdWiz4Before", u"前へ", 4620, 1440, &frmWiz4::cmdWiz4Before_Click},
        {&m_cmdCancel, u"cmdWiz4Cancel", u"設定の終了", 6180, 1440, &frmWiz4::cmdWiz4Cancel_Click},
    };
    for (const auto& b : buttons) {
        *b.button = makeNavigationButton(b.name.toString(), b.caption.toString(), b.left, 8520, b.width);
        connect(*b.button, &QPushButton::clicked, this, b.handler);
    }
    setEndButton(m_cmdCancel);

    // Between 標準時数を入力 and 前へ, where nothing else stands.
    m_refusedHint = new QLabel(u"赤枠の欄は時数になっていません（例: 32.1）。"_s, this);
    m_refusedHint->setObjectName(u"lblWiz4Refused"_s);
    m_refusedHint->setWordWrap(true);
    m_refusedHint->setStyleSheet(u"color: rgb(255, 0, 0);"_s);
    placeInTwips(m_refusedHint, 2520, 8520, 2010, 435);
    m_refusedHint->hide();
}

QString frmWiz4::fillFailure() const
{
    return u"年間授業計画を表示できませんでした。"_s;
}

void frmWiz4::store()
{
    subSetYearPlan();
}

void frmWiz4::fill()
{
    m_grid->item(0, 0)->setText(u"年間"_s);
    m_grid->item(0, 1)->setText(u"増減"_s);
    for (std::size_t row = 0; row < m_base.size(); ++row) {
        if (!m_refused.base[row])
            m_base[row]->setText(fncCreditToStr(m_state.objYearBase->value(PerCodeFields[row])));
    }
    subDispSavedData();
    subSetYearPlan();
    // Only a class with a grade has a standard to fill in.
    m_cmdStandard->setEnabled(standardAnnualLessons(m_state.intGrade)[0].has_value());
}

void frmWiz4::subSetYearPlan()
{
    PlanEntries entries;
    for (std::size_t i = 0; i < m_base.size(); ++i)
        entries.base[i] = m_base[i]->text();
    for (std::size_t i = 0; i < m_plan.size(); ++i)
        entries.plan[i] = m_plan[i]->text();

    // A refused box keeps its text as typed and its stored value, and is marked.
    m_refused = storeYearPlan(m_state, entries);
    showRefusals();

    // Only normalised boxes change, so the box being typed in keeps its cursor.
    for (std::size_t i = 0; i < m_base.size(); ++i) {
        if (m_base[i]->text() != entries.base[i])
            m_base[i]->setText(entries.base[i]);
    }
    for (std::size_t i = 0; i < m_plan.size(); ++i) {
        if (m_plan[i]->text() != entries.plan[i])
            m_plan[i]->setText(entries.plan[i]);
    }
    m_baseSum->setText(fncCreditToStr(m_state.objYearBase->SouJisuu()));
    for (int term = 1; term <= PlanTerms; ++term) {
        const VelaSeasonTotal* season = m_state.objYearPlan->season(term);
        m_termSum[static_cast<std::size_t>(term - 1)]->setText(
            fncCreditToStr(season ? season->SouJisuu() : 0));
    }

    const auto summary = planSummary(m_state);
    for (std::size_t line = 0; line < summary.size(); ++line) {
        const int row = static_cast<int>(line) + 1;
        const qint16 difference = summary[line].difference;
        setGridCell(row, 0, fncCreditToStr(summary[line].year), Black);
        setGridCell(row, 1, fncCreditToStr(difference),
                    difference < 0    ? Red
                    : difference >= 1 ? Blue
                                      : Black);
    }
}

bool frmWiz4::isRefused(const QLineEdit* box) const
{
    const auto base = std::find(m_base.begin(), m_base.end(), box);
    if (base != m_base.end())
        return m_refused.base[static_cast<std::size_t>(base - m_base.begin())];
    const auto plan = std::find(m_plan.begin(), m_plan.end(), box);
    return plan != m_plan.end() && m_refused.plan[static_cast<std::size_t>(plan - m_plan.begin())];
}

void frmWiz4::showRefusals()
{
    const auto mark = [](QLineEdit* box, bool refused) {
        // Only a change of mark touches the box, so typing is not disturbed.
        if (box->property("refused").toBool() == refused)
            return;
        box->setProperty("refused", refused);
        box->setStyleSheet(refused ? u"QLineEdit { border: 2px solid rgb(255, 0, 0); }"_s : QString());
        box->setToolTip(refused ? u"時数になっていません。例: 32.1"_s : QString());
    };
    for (std::size_t i = 0; i < m_base.size(); ++i)
        mark(m_base[i], m_refused.base[i]);
    for (std::size_t i = 0; i < m_plan.size(); ++i)
        mark(m_plan[i], m_refused.plan[i]);
    m_refusedHint->setVisible(m_refused.any());
}

void frmWiz4::setGridCell(int row, int column, const QString& text, const QColor& colour)
{
    QTableWidgetItem* item = m_grid->item(row, column);
    item->setText(text);
    item->setForeground(colour);
}

void frmWiz4::subDispSavedData()
{
    for (int term = 1; term <= PlanTerms; ++term) {
        const VelaSeasonTotal* season = m_state.objYearPlan->season(term);
        for (std::size_t row = 0; row < PerCodeFields.size(); ++row) {
            const qint16 units = season ? season->value(PerCodeFields[row]) : qint16{0};
            const std::size_t index = row * PlanTerms + static_cast<std::size_t>(term - 1);
            // An entry that was not a count stays until the teacher corrects it.
            if (!m_refused.plan[index])
                m_plan[index]->setText(fncCreditToStr(units));
        }
    }
}

bool frmWiz4::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box && event->type() == QEvent::FocusIn) {
        boxFocused(box);
    } else if (box && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        boxKeyPressed(box, key->key(), key->modifiers().testFlag(Qt::KeypadModifier));
    }
    // Keys go on to the box as well: a moving key also acts in the box it leaves.
    return QWidget::eventFilter(watched, event);
}

void frmWiz4::boxFocused(QLineEdit* box)
{
    storeEntries();
    // After the click that brought the focus has placed the cursor.
    QTimer::singleShot(0, box, &QLineEdit::selectAll);
}

void frmWiz4::boxKeyPressed(QLineEdit* box, int key, bool keypad)
{
    const PlanKeyEffect effect = planKeyEffect(key, keypad);
    if (effect == PlanKeyEffect::None)
        return;
    if (effect == PlanKeyEffect::ResetToZero) {
        box->setText(u"0"_s);
        return;
    }
    const auto baseAt = std::find(m_base.begin(), m_base.end(), box);
    if (baseAt != m_base.end()) {
        const auto row = static_cast<int>(baseAt - m_base.begin());
        txtWiz4YearBase(planFocusTarget(PlanColumn::Base, row, effect))->setFocus();
        return;
    }
    const auto planAt = std::find(m_plan.begin(), m_plan.end(), box);
    if (planAt != m_plan.end()) {
        const auto index = static_cast<int>(planAt - m_plan.begin());
        txtWiz4YearPlan(planFocusTarget(PlanColumn::Plan, index, effect))->setFocus();
    }
}

void frmWiz4::cmdWiz4Standard_Click()
{
    m_guard.run(u"標準時数を入力できませんでした。"_s, [this] {
        const auto lessons = standardAnnualLessons(m_state.intGrade);
        for (std::size_t row = 0; row < lessons.size(); ++row) {
            if (lessons[row])
                m_base[row]->setText(fncCreditToStr(checkedUnits(qint64{*lessons[row]} * 3)));
        }
        subSetYearPlan();
    });
    Q_EMIT stored();
}

void frmWiz4::cmdWiz4Before_Click()
{
    // An entry still standing in the box that has the focus is kept.
    leaveTo(WizardPageId::Timetable, [this] { m_state.boolEditWeekA = false; });
}

void frmWiz4::cmdWiz4Cancel_Click()
{
    leaveWizard();
}

} // namespace lunaplan
