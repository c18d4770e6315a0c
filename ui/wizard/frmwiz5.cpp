#include "ui/wizard/frmwiz5.h"

#include "core/appstate.h"
#include "core/daymarks.h"
#include "core/prompts.h"
#include "core/subjects.h"
#include "core/units.h"
#include "ui/common/clicklabel.h"
#include "ui/common/placedwordslabel.h"
#include "ui/common/subjectpalette.h"
#include "ui/common/twips.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>

namespace lunaplan {

using namespace Qt::StringLiterals;

namespace {

// Length grid (left panel), in twips from the panel's corner.
constexpr int LengthLeft = 600;
constexpr int LengthTop = 2100;
constexpr int LengthColumnStep = 900;
constexpr int LengthRowStep = 630;
constexpr int LengthWidth = 840;
constexpr int LengthHeight = 330;
constexpr CellPlacement LengthCells{u"labWiz5WeekCredit",
                                    {LengthLeft, LengthTop},
                                    {LengthColumnStep, LengthRowStep},
                                    {LengthWidth, LengthHeight}};

// Subject grid (right panel).
constexpr int PlanLeft = 2400;
constexpr int PlanTop = 1260;
constexpr int PlanColumnStep = 840;
constexpr int PlanRowStep = 720;
constexpr int PlanButtonSize = 735;
constexpr CellPlacement PlanCells{
    u"cmdWiz5WeekPlan", {PlanLeft, PlanTop}, {PlanColumnStep, PlanRowStep}, {PlanButtonSize, PlanButtonSize}};
constexpr int HoursLeft = 6720;
constexpr int HoursWidth = 1920;
constexpr int HoursRowStep = 375;
constexpr int CopyDayTop = PlanTop + PlanRowStep * TimetablePeriods + 60;
constexpr int CopyDayHeight = 330;
// The hint of a subject twice a day stands under the copy buttons, two lines high.
constexpr int DoubledTop = CopyDayTop + CopyDayHeight + 30;
constexpr int DoubledHeight = 450;
// Both panels are as high as the subject panel needs for the hint; the
// navigation row and the page follow them.
constexpr int PanelTop = 120;
constexpr int PlanPanelHeight = DoubledTop + DoubledHeight + 90;
constexpr int ButtonRowTop = PanelTop + PlanPanelHeight + 120;
constexpr int PageHeight = ButtonRowTop + 600;

constexpr std::array<QStringView, TimetableDays> WeekdayNames{u"月曜日", u"火曜日", u"水曜日", u"木曜日",
                                                              u"金曜日"};

struct PassLook {
    QStringView lengthCaption;
    QStringView planCaption;
    QStringView colour;
};

constexpr PassLook PassA{u"週間時間表A　（通常使う時間割を指定してください）", u"週間授業表A",
                         u"rgb(0, 0, 255)"};
constexpr PassLook PassB{u"週間時間表B　（補助に使う時間割を指定してください）", u"週間授業表B",
                         u"rgb(255, 0, 0)"};

QList<int> centresInPixels(int firstCentre, int step, int count)
{
    QList<int> centres;
    for (int i = 0; i < count; ++i)
        centres.append(twipsToPixels(firstCentre + step * i));
    return centres;
}

// The period numbers to the left of a panel's cells, from `left`, `width`
// wide, each level with the middle of its row.
void addPeriodNumbers(QWidget* panel, const QString& name, const QString& text, int left, int width,
                      const CellPlacement& cells)
{
    auto* periods = new PlacedWordsLabel(
        text, Qt::Vertical, centresInPixels(cells.size.height() / 2, cells.step.height(), TimetablePeriods),
        panel);
    periods->setObjectName(name);
    placeInTwips(periods, left, cells.origin.y(), width, cells.step.height() * TimetablePeriods);
}

} // namespace

frmWiz5::frmWiz5(AppState& state, Prompts& prompts, WizardNavigator& navigator, QWidget* parent)
    : WizardPage(state, prompts, navigator, u"frmWiz5"_s, 14400, PageHeight, parent)
    , m_fraWeekCredit(new QGroupBox(this))
    , m_fraWeekPlan(new QGroupBox(this))
    , m_grid(new PeriodGrid(TimetableDays, this))
    , m_choice(*m_fraWeekPlan)
{
    buildLengthPanel();
    buildSubjectPanel();
    buildButtons();
    buildCopyButtons();
}

void frmWiz5::buildLengthPanel()
{
    m_fraWeekCredit->setObjectName(u"fraWiz5WeekCredit"_s);
    placeInTwips(m_fraWeekCredit, 120, PanelTop, 5160, PlanPanelHeight);

    auto* note = new QLabel(
        u"週の時数表を作成します。それぞれの時限に割り当てる時数をコンボボックスで入力してください。"
        "１５分は１／３単位、３０分は２／３単位、４５分は１単位、６０分は４／３単位として計算します。"_s,
        m_fraWeekCredit);
    note->setObjectName(u"lblWiz5NoteCredit"_s);
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeInTwips(note, 120, 300, 4920, 1440);

    auto* weekdays = new PlacedWordsLabel(
        u"月　　　　　 火　　　 　　水　　　　　　木　　　　　　金"_s, Qt::Horizontal,
        centresInPixels(LengthWidth / 2, LengthColumnStep, TimetableDays), m_fraWeekCredit);
    weekdays->setObjectName(u"lblWiz5WeekCredit"_s);
    placeInTwips(weekdays, LengthLeft, LengthTop - 330, LengthColumnStep * TimetableDays, 300);

    addPeriodNumbers(m_fraWeekCredit, u"lblWiz5TimeCredit"_s,
                     u"０　　　１　　２　　　３　　４　　５　　６　　　７　"_s, 120, LengthLeft - 180,
                     LengthCells);

    m_grid->buildLengths(m_fraWeekCredit, LengthCells);
    for (int index = 0; index < TimetableCells; ++index) {
        ClickLabel* label = labWiz5WeekCredit(index);
        label->setText(u"Label1"_s);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setAlignment(Qt::AlignCenter);
    }
    connect(m_grid, &PeriodGrid::lengthClicked, this, &frmWiz5::labWiz5WeekCredit_Click);

    m_cboTime = new QComboBox(m_fraWeekCredit);
    m_cboTime->setObjectName(u"cboWiz5Time"_s);
    for (int code = 0; code <= 4; ++code)
        m_cboTime->addItem(subGetCredit(code));
    placeInTwips(m_cboTime, LengthLeft, LengthTop, LengthWidth, LengthHeight);
    m_cboTime->hide();
    connect(m_cboTime, &QComboBox::activated, this, [this] { cboWiz5Time_Click(); });
}

void frmWiz5::buildSubjectPanel()
{
    m_fraWeekPlan->setObjectName(u"fraWiz5WeekPlan"_s);
    placeInTwips(m_fraWeekPlan, 5400, PanelTop, 8880, PlanPanelHeight);
    m_fraWeekPlan->installEventFilter(this);

    auto* note = new QLabel(u"週の時間割を作成します。左の教科パレットから選んで下の計画表をクリックしてく"
                            "ださい。マウスを戻すときは教科パレット以外の場所をクリックしてください。"_s,
                            m_fraWeekPlan);
    note->setObjectName(u"lblWiz5Note"_s);
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeInTwips(note, 120, 300, 8640, 600);

    m_palette = new SubjectPalette(WizardPaletteOrder, u"cmdWiz5Subject"_s, m_fraWeekPlan);
    m_palette->setObjectName(u"fraWiz5Palette"_s);
    placeInTwips(m_palette, 120, 960, 1695, 6135);
    m_palette->showKeys(WizardPaletteKeys);
    connect(m_palette, &SubjectPalette::subjectChosen, this, &frmWiz5::cmdWiz5Subject_Click);

    QList<int> headingCentres = centresInPixels(PlanButtonSize / 2, PlanColumnStep, TimetableDays);
    headingCentres.append(twipsToPixels(HoursLeft - PlanLeft + HoursWidth / 2));
    auto* weekdays = new PlacedWordsLabel(u"月　　　　火　　　　水　　　　　木　　　　金　　　　　週間時数"_s,
                                          Qt::Horizontal, headingCentres, m_fraWeekPlan);
    weekdays->setObjectName(u"lblWiz5Week"_s);
    placeInTwips(weekdays, PlanLeft, PlanTop - 300, HoursLeft + HoursWidth - PlanLeft, 270);

    addPeriodNumbers(m_fraWeekPlan, u"lblWiz5Time"_s,
                     u"０　　　１　　　２　　　３　　　４　　　５　　　６　　　７"_s, 1920, PlanLeft - 1950,
                     PlanCells);

    m_grid->buildButtons(m_fraWeekPlan, PlanCells);
    for (int index = 0; index < TimetableCells; ++index) {
        QToolButton* button = cmdWiz5WeekPlan(index);
        // A click gives the period the keyboard too, so the next keys go on from there.
        button->setFocusPolicy(Qt::StrongFocus);
        button->setToolTip(u"↑↓←→ 時限の移動　英字キー 教科を入れて次へ　"
                           "Space 選んだ教科を入れる　Delete 空にする"_s);
        button->installEventFilter(this);
        // The style draws no focus mark on a tool button: the keyboard's period is framed.
        button->setStyleSheet(u"QToolButton:focus { border: 2px solid rgb(0, 120, 215); "
                              "border-radius: 3px; background: rgb(229, 241, 251); }"_s);
    }
    connect(m_grid, &PeriodGrid::periodClicked, this, &frmWiz5::cmdWiz5WeekPlan_Click);

    for (int i = 0; i < static_cast<int>(m_lblWeekTime.size()); ++i) {
        auto* label = new QLabel(weeklyHoursText(i, 0).replace(u"0.0 "_s, u"X"_s), m_fraWeekPlan);
        label->setObjectName(u"lblWiz5WeekTime_%1"_s.arg(i));
        placeInTwips(label, HoursLeft, PlanTop + HoursRowStep * i, HoursWidth, 300);
        m_lblWeekTime[static_cast<std::size_t>(i)] = label;
    }

    m_lblDoubled = new QLabel(m_fraWeekPlan);
    m_lblDoubled->setObjectName(u"lblWiz5Doubled"_s);
    m_lblDoubled->setWordWrap(true);
    m_lblDoubled->setStyleSheet(u"color: rgb(192, 64, 0)"_s);
    placeInTwips(m_lblDoubled, 1920, DoubledTop, 6720, DoubledHeight);
}

void frmWiz5::buildButtons()
{
    const struct {
        QPushButton** button;
        QStringView name;
        QStringView caption;
        int left;
        void (frmWiz5::*handler)();
    } buttons[] = {
        {&m_cmdBefore, u"cmdWiz5Before", u"前へ", 9840, &frmWiz5::cmdWiz5Before_Click},
        {&m_cmdNext, u"cmdWiz5Next", u"次へ", 11280, &frmWiz5::cmdWiz5Next_Click},
        {&m_cmdCancel, u"cmdWiz5Cancel", u"設定の終了", 12720, &frmWiz5::cmdWiz5Cancel_Click},
    };
    for (const auto& b : buttons) {
        *b.button = makeNavigationButton(b.name.toString(), b.caption.toString(), b.left, ButtonRowTop, 1440);
        connect(*b.button, &QPushButton::clicked, this, b.handler);
    }
    setEndButton(m_cmdCancel);
}

void frmWiz5::buildCopyButtons()
{
    // Beside the navigation buttons: it changes the whole of timetable B.
    m_cmdCopyA = makeNavigationButton(u"cmdWiz5CopyA"_s, u"A をコピー"_s, 240, ButtonRowTop, 1440);
    m_cmdCopyA->setToolTip(u"週間時間割 A の時数と教科を B にコピーします"_s);
    connect(m_cmdCopyA, &QPushButton::clicked, this, &frmWiz5::cmdWiz5CopyA_Click);

    auto* keys = new QLabel(u"キー入力：↑↓←→ 時限の移動、パレットの英字 教科、Delete 空にする"_s, this);
    keys->setObjectName(u"lblWiz5Keys"_s);
    placeInTwips(keys, 1920, ButtonRowTop + 30, 7800, 300);

    for (int from = 0; from < TimetableDays; ++from) {
        auto* button = new QToolButton(m_fraWeekPlan);
        button->setObjectName(u"cmdWiz5CopyDay_%1"_s.arg(from));
        button->setText(u"コピー"_s);
        button->setToolTip(WeekdayNames[static_cast<std::size_t>(from)] +
                           u"の教科をほかの曜日にコピーします（時数はそのまま）");
        button->setPopupMode(QToolButton::InstantPopup);
        button->setStyleSheet(u"QToolButton::menu-indicator { image: none; width: 0px; }"_s);
        auto* menu = new QMenu(button);
        for (int to = 0; to < TimetableDays; ++to) {
            if (to == from)
                continue;
            QAction* action = menu->addAction(WeekdayNames[static_cast<std::size_t>(to)] + u"へ");
            action->setObjectName(u"mnuWiz5CopyDay_%1_%2"_s.arg(from).arg(to));
            connect(action, &QAction::triggered, this, [this, from, to] { cmdWiz5CopyDay_Click(from, to); });
        }
        menu->addSeparator();
        QAction* all = menu->addAction(u"ほかの全部の曜日へ"_s);
        all->setObjectName(u"mnuWiz5CopyDay_%1_all"_s.arg(from));
        connect(all, &QAction::triggered, this, [this, from] { cmdWiz5CopyDay_Click(from, -1); });
        button->setMenu(menu);
        placeInTwips(button, PlanLeft + PlanColumnStep * from, CopyDayTop, PlanButtonSize, CopyDayHeight);
        m_cmdCopyDay[static_cast<std::size_t>(from)] = button;
    }
}

QToolButton* frmWiz5::cmdWiz5Subject(int index) const
{
    return m_palette->cmdSubject(index);
}

QString frmWiz5::fillFailure() const
{
    return u"時間割を表示できませんでした。"_s;
}

void frmWiz5::store()
{
    subSetWeekCredit();
}

void frmWiz5::fill()
{
    const PassLook& look = m_state.boolEditWeekA ? PassA : PassB;
    m_fraWeekCredit->setTitle(look.lengthCaption.toString());
    m_fraWeekPlan->setTitle(look.planCaption.toString());
    // Only the two captions take the pass's colour, not the controls inside.
    const QString titleColour = u"QGroupBox#%1::title { color: " + look.colour.toString() + u"; }";
    m_fraWeekCredit->setStyleSheet(titleColour.arg(m_fraWeekCredit->objectName()));
    m_fraWeekPlan->setStyleSheet(titleColour.arg(m_fraWeekPlan->objectName()));

    m_cmdCopyA->setVisible(!m_state.boolEditWeekA);
    fillDefaultFrames(m_state);
    const std::array<QString, 7>& frames = editedTimetable(m_state).frames;
    for (int index = 0; index < TimetableCells; ++index) {
        const int code = lengthCodeAt(frames[static_cast<std::size_t>(index / TimetablePeriods)],
                                      index % TimetablePeriods);
        m_grid->setLength(index, code);
    }
    m_cmdNext->setFocus();
    subDispWeekPlan();
    m_state.intCreditIndexWiz5 = -1;
    m_cboTime->hide();
}

void frmWiz5::labWiz5WeekCredit_Click(int index)
{
    m_state.intCreditIndexWiz5 = static_cast<qint16>(index);
    m_cboTime->move(labWiz5WeekCredit(index)->pos());
    m_cboTime->setCurrentIndex(m_grid->lengthCode(index));
    m_cboTime->show();
    m_cboTime->raise();
}

void frmWiz5::cboWiz5Time_Click()
{
    const int index = m_state.intCreditIndexWiz5;
    if (index < 0 || index >= TimetableCells || m_cboTime->currentIndex() < 0)
        return;
    if (!labWiz5WeekCredit(index)->isEnabled())
        return;
    m_grid->setLength(index, m_cboTime->currentIndex());
    if (m_guard.run(u"時数を設定できませんでした。"_s, [this] {
            subSetWeekCredit();
            subDispWeekPlan();
        }))
        Q_EMIT stored();
}

void frmWiz5::cmdWiz5Subject_Click(int index)
{
    m_choice.choose(*m_palette, index);
}

void frmWiz5::fraWiz5WeekPlan_Click()
{
    m_choice.clear();
}

bool frmWiz5::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_fraWeekPlan && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        fraWiz5WeekPlan_Click();
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        if (const int index = m_grid->indexOf(watched); index >= 0) {
            const auto& key = *static_cast<QKeyEvent*>(event);
            // Space is taken on its press; the button must not click again on its release.
            if (event->type() == QEvent::KeyRelease)
                return key.key() == Qt::Key_Space;
            return periodKeyPressed(index, key);
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool frmWiz5::periodKeyPressed(int index, const QKeyEvent& event)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const auto moveTo = [this, index](PeriodMove move) {
        cmdWiz5WeekPlan(periodFocusTarget(editedTimetable(m_state).frames, index, move))->setFocus();
    };
    switch (event.key()) {
    case Qt::Key_Up:
        moveTo(PeriodMove::Up);
        return true;
    case Qt::Key_Down:
        moveTo(PeriodMove::Down);
        return true;
    case Qt::Key_Left:
        moveTo(PeriodMove::Left);
        return true;
    case Qt::Key_Right:
        moveTo(PeriodMove::Right);
        return true;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event.isAutoRepeat()) {
            cmdWiz5WeekPlan_Click(index);
            moveTo(PeriodMove::Next);
        }
        return true;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        m_grid->setSubject(index, QChar());
        storePeriod(index);
        return true;
    default:
        break;
    }
    const int subject = paletteIndexForKey(event.text().isEmpty() ? QChar() : event.text().front());
    if (subject < 0)
        return false;
    // The key chooses the subject as its palette button does, so Space and
    // clicks go on with it.
    cmdWiz5Subject_Click(subject);
    m_grid->setSubject(index, m_palette->code(subject));
    storePeriod(index);
    moveTo(PeriodMove::Next);
    return true;
}

void frmWiz5::cmdWiz5WeekPlan_Click(int index)
{
    m_choice.applyTo(*m_grid, index);
    storePeriod(index);
}

void frmWiz5::storePeriod(int index)
{
    if (m_guard.run(u"時間割を設定できませんでした。"_s, [this, index] {
            const QChar code = m_grid->subject(index);
            VelaDayTime* day = templateDay(editedTimetable(m_state).week, index / TimetablePeriods + 1);
            if (day)
                day->setStrSubject(withSubjectAt(day->strSubject(), index % TimetablePeriods,
                                                 code.isNull() ? EmptySlot : code));
            subDispWeekTime();
        }))
        Q_EMIT stored();
}

void frmWiz5::cmdWiz5CopyA_Click()
{
    if (m_state.boolEditWeekA)
        return;
    if (timetableHoldsLessons(*m_state.objWeekB, m_state.strWeekCreditB) &&
        m_prompts.askYesNo(u"週間時間割 B にはもう授業が入っています。"
                           "A の時数と教科で置き換えますか。"_s,
                           applicationTitle()) != Prompts::Answer::Yes)
        return;
    if (m_guard.run(u"時間割 A をコピーできませんでした。"_s, [this] { copyTimetableAToB(m_state); })) {
        refill();
        Q_EMIT stored();
    }
}

void frmWiz5::cmdWiz5CopyDay_Click(int from, int to)
{
    if (from < 0 || from >= TimetableDays)
        return;
    QList<int> targets;
    QStringList holding;
    const EditedTimetable timetable = editedTimetable(m_state);
    for (int d = 0; d < TimetableDays; ++d) {
        if (d == from || (to >= 0 && d != to))
            continue;
        targets.append(d);
        if (dayHoldsLessons(timetable.week, timetable.frames, d))
            holding.append(WeekdayNames[static_cast<std::size_t>(d)].toString());
    }
    if (!holding.isEmpty() &&
        m_prompts.askYesNo(u"%1の授業を%2の教科で置き換えますか。"_s.arg(
                               holding.join(u'・'), WeekdayNames[static_cast<std::size_t>(from)]),
                           applicationTitle()) != Prompts::Answer::Yes)
        return;
    if (m_guard.run(u"曜日をコピーできませんでした。"_s, [this, from, &targets] {
            for (const int d : std::as_const(targets))
                copyDaySubjects(m_state, from, d);
            subDispWeekPlan();
        }))
        Q_EMIT stored();
}

void frmWiz5::subSetWeekCredit()
{
    std::array<int, TimetableCells> lengthCodes{};
    for (int index = 0; index < TimetableCells; ++index)
        lengthCodes[static_cast<std::size_t>(index)] = m_grid->lengthCode(index);
    lunaplan::subSetWeekCredit(m_state, lengthCodes);
}

void frmWiz5::subDispWeekPlan()
{
    const EditedTimetable timetable = editedTimetable(m_state);
    for (int d = 0; d < TimetableDays; ++d) {
        const VelaDayTime* day = templateDay(timetable.week, d + 1);
        if (!day)
            continue;
        const QString& frame = timetable.frames[static_cast<std::size_t>(d)];
        for (int p = 0; p < TimetablePeriods; ++p) {
            const int index = d * TimetablePeriods + p;
            if (lengthCodeAt(frame, p) == 0) {
                cmdWiz5WeekPlan(index)->hide();
                continue;
            }
            m_grid->setSubject(index, p < day->strSubject().size() ? day->strSubject()[p] : QChar());
            cmdWiz5WeekPlan(index)->show();
        }
    }
    subDispWeekTime();
}

void frmWiz5::subDispWeekTime()
{
    subSetWeekCredit();
    const std::array<qint16, 15> hours = weeklyHours(editedTimetable(m_state).week);
    for (std::size_t i = 0; i < hours.size(); ++i)
        m_lblWeekTime[i]->setText(weeklyHoursText(static_cast<int>(i), hours[i]));
    m_lblDoubled->setText(doubledSubjectsHint(editedTimetable(m_state).week));
}

int frmWiz5::subGetSubject(QChar code) const
{
    return m_palette->indexOf(code);
}

void frmWiz5::switchPass(bool timetableA)
{
    if (!storeEntries())
        return;
    m_state.boolEditWeekA = timetableA;
    refill();
}

void frmWiz5::cmdWiz5Before_Click()
{
    if (m_state.boolEditWeekA)
        leaveTo(WizardPageId::Calendar);
    else
        switchPass(true);
}

void frmWiz5::cmdWiz5Next_Click()
{
    if (m_state.boolEditWeekA)
        switchPass(false);
    else
        leaveTo(WizardPageId::Plan);
}

void frmWiz5::cmdWiz5Cancel_Click()
{
    leaveWizard();
}

} // namespace lunaplan
