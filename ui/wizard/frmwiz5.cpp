#include "ui/wizard/frmwiz5.h"

#include "core/appstate.h"
#include "core/daymarks.h"
#include "core/subjects.h"
#include "core/units.h"
#include "ui/common/clicklabel.h"
#include "ui/common/placedwordslabel.h"
#include "ui/common/subjecticons.h"
#include "ui/common/subjectpalette.h"
#include "ui/common/twips.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>

namespace lunaplan {

namespace {

// Length grid (left panel), in twips from the panel's corner.
constexpr int LengthLeft = 600;
constexpr int LengthTop = 2100;
constexpr int LengthColumnStep = 900;
constexpr int LengthRowStep = 630;
constexpr int LengthWidth = 840;
constexpr int LengthHeight = 330;

// Subject grid (right panel).
constexpr int PlanLeft = 2400;
constexpr int PlanTop = 1260;
constexpr int PlanColumnStep = 840;
constexpr int PlanRowStep = 720;
constexpr int PlanButtonSize = 735;
constexpr int HoursLeft = 6720;
constexpr int HoursWidth = 1920;
constexpr int HoursRowStep = 375;

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

} // namespace

frmWiz5::frmWiz5(AppState& state, Prompts& prompts, WizardNavigator& navigator, QWidget* parent)
    : WizardPage(state, prompts, navigator, QStringLiteral("frmWiz5"), 14400, 8400, parent)
    , m_fraWeekCredit(new QGroupBox(this))
    , m_fraWeekPlan(new QGroupBox(this))
    , m_choice(*m_fraWeekPlan)
{
    buildLengthPanel();
    buildSubjectPanel();
    buildButtons();
}

void frmWiz5::buildLengthPanel()
{
    m_fraWeekCredit->setObjectName(QStringLiteral("fraWiz5WeekCredit"));
    placeInTwips(m_fraWeekCredit, 120, 120, 5160, 7560);

    auto* note = new QLabel(
        QStringLiteral(
            "週の時数表を作成します。それぞれの時限に割り当てる時数をコンボボックスで入力してください。"
            "１５分は１／３単位、３０分は２／３単位、４５分は１単位、６０分は４／３単位として計算します。"),
        m_fraWeekCredit);
    note->setObjectName(QStringLiteral("lblWiz5NoteCredit"));
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeInTwips(note, 120, 300, 4920, 1440);

    auto* weekdays = new PlacedWordsLabel(
        QStringLiteral("月　　　　　 火　　　 　　水　　　　　　木　　　　　　金"), Qt::Horizontal,
        centresInPixels(LengthWidth / 2, LengthColumnStep, TimetableDays), m_fraWeekCredit);
    weekdays->setObjectName(QStringLiteral("lblWiz5WeekCredit"));
    placeInTwips(weekdays, LengthLeft, LengthTop - 330, LengthColumnStep * TimetableDays, 300);

    auto* periods = new PlacedWordsLabel(
        QStringLiteral("０　　　１　　２　　　３　　４　　５　　６　　　７　"), Qt::Vertical,
        centresInPixels(LengthHeight / 2, LengthRowStep, TimetablePeriods), m_fraWeekCredit);
    periods->setObjectName(QStringLiteral("lblWiz5TimeCredit"));
    placeInTwips(periods, 120, LengthTop, LengthLeft - 180, LengthRowStep * TimetablePeriods);

    for (int index = 0; index < TimetableCells; ++index) {
        const int d = index / TimetablePeriods;
        const int p = index % TimetablePeriods;
        auto* label = new ClickLabel(QStringLiteral("Label1"), m_fraWeekCredit);
        label->setObjectName(QStringLiteral("labWiz5WeekCredit_%1").arg(index));
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setAlignment(Qt::AlignCenter);
        placeInTwips(label, LengthLeft + LengthColumnStep * d, LengthTop + LengthRowStep * p, LengthWidth,
                     LengthHeight);
        connect(label, &ClickLabel::clicked, this, [this, index] { labWiz5WeekCredit_Click(index); });
        m_labWeekCredit[static_cast<std::size_t>(index)] = label;
    }

    m_cboTime = new QComboBox(m_fraWeekCredit);
    m_cboTime->setObjectName(QStringLiteral("cboWiz5Time"));
    for (int code = 0; code <= 4; ++code)
        m_cboTime->addItem(subGetCredit(code));
    placeInTwips(m_cboTime, LengthLeft, LengthTop, LengthWidth, LengthHeight);
    m_cboTime->hide();
    connect(m_cboTime, &QComboBox::activated, this, [this] { cboWiz5Time_Click(); });
}

void frmWiz5::buildSubjectPanel()
{
    m_fraWeekPlan->setObjectName(QStringLiteral("fraWiz5WeekPlan"));
    placeInTwips(m_fraWeekPlan, 5400, 120, 8880, 7560);
    m_fraWeekPlan->installEventFilter(this);

    auto* note = new QLabel(
        QStringLiteral("週の時間割を作成します。左の教科パレットから選んで下の計画表をクリックしてく"
                       "ださい。マウスを戻すときは教科パレット以外の場所をクリックしてください。"),
        m_fraWeekPlan);
    note->setObjectName(QStringLiteral("lblWiz5Note"));
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeInTwips(note, 120, 300, 8640, 600);

    m_palette = new SubjectPalette(WizardPaletteOrder, QStringLiteral("cmdWiz5Subject"), m_fraWeekPlan);
    m_palette->setObjectName(QStringLiteral("fraWiz5Palette"));
    placeInTwips(m_palette, 120, 960, 1695, 6135);
    connect(m_palette, &SubjectPalette::subjectChosen, this, &frmWiz5::cmdWiz5Subject_Click);

    QList<int> headingCentres = centresInPixels(PlanButtonSize / 2, PlanColumnStep, TimetableDays);
    headingCentres.append(twipsToPixels(HoursLeft - PlanLeft + HoursWidth / 2));
    auto* weekdays =
        new PlacedWordsLabel(QStringLiteral("月　　　　火　　　　水　　　　　木　　　　金　　　　　週間時数"),
                             Qt::Horizontal, headingCentres, m_fraWeekPlan);
    weekdays->setObjectName(QStringLiteral("lblWiz5Week"));
    placeInTwips(weekdays, PlanLeft, PlanTop - 300, HoursLeft + HoursWidth - PlanLeft, 270);

    auto* periods = new PlacedWordsLabel(
        QStringLiteral("０　　　１　　　２　　　３　　　４　　　５　　　６　　　７"), Qt::Vertical,
        centresInPixels(PlanButtonSize / 2, PlanRowStep, TimetablePeriods), m_fraWeekPlan);
    periods->setObjectName(QStringLiteral("lblWiz5Time"));
    placeInTwips(periods, 1920, PlanTop, PlanLeft - 1950, PlanRowStep * TimetablePeriods);

    for (int index = 0; index < TimetableCells; ++index) {
        const int d = index / TimetablePeriods;
        const int p = index % TimetablePeriods;
        auto* button = new QToolButton(m_fraWeekPlan);
        button->setObjectName(QStringLiteral("cmdWiz5WeekPlan_%1").arg(index));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setIconSize(QSize(SubjectIconSize, SubjectIconSize));
        button->setFocusPolicy(Qt::TabFocus);
        placeInTwips(button, PlanLeft + PlanColumnStep * d, PlanTop + PlanRowStep * p, PlanButtonSize,
                     PlanButtonSize);
        connect(button, &QToolButton::clicked, this, [this, index] { cmdWiz5WeekPlan_Click(index); });
        m_cmdWeekPlan[static_cast<std::size_t>(index)] = button;
    }

    for (int i = 0; i < static_cast<int>(m_lblWeekTime.size()); ++i) {
        auto* label = new QLabel(weeklyHoursText(i, 0).replace(QStringLiteral("0.0 "), QStringLiteral("X")),
                                 m_fraWeekPlan);
        label->setObjectName(QStringLiteral("lblWiz5WeekTime_%1").arg(i));
        placeInTwips(label, HoursLeft, PlanTop + HoursRowStep * i, HoursWidth, 300);
        m_lblWeekTime[static_cast<std::size_t>(i)] = label;
    }

    m_lblDoubled = new QLabel(m_fraWeekPlan);
    m_lblDoubled->setObjectName(QStringLiteral("lblWiz5Doubled"));
    m_lblDoubled->setWordWrap(true);
    m_lblDoubled->setStyleSheet(QStringLiteral("color: rgb(192, 64, 0)"));
    placeInTwips(m_lblDoubled, 1920, PlanTop + PlanRowStep * TimetablePeriods + 30, 6720, 450);
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
        *b.button = makeNavigationButton(b.name.toString(), b.caption.toString(), b.left, 7800, 1440);
        connect(*b.button, &QPushButton::clicked, this, b.handler);
    }
    setEndButton(m_cmdCancel);
}

QToolButton* frmWiz5::cmdWiz5Subject(int index) const
{
    return m_palette->cmdSubject(index);
}

QString frmWiz5::fillFailure() const
{
    return QStringLiteral("時間割を表示できませんでした。");
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

    fillDefaultFrames(m_state);
    const std::array<QString, 7>& frames = editedTimetable(m_state).frames;
    for (int index = 0; index < TimetableCells; ++index) {
        const int code = lengthCodeAt(frames[static_cast<std::size_t>(index / TimetablePeriods)],
                                      index % TimetablePeriods);
        m_lengthCode[static_cast<std::size_t>(index)] = code;
        labWiz5WeekCredit(index)->setText(subGetCredit(code));
    }
    m_cmdNext->setFocus();
    subDispWeekPlan();
    m_state.intCreditIndexWiz5 = -1;
    m_cboTime->hide();
}

void frmWiz5::labWiz5WeekCredit_Click(int index)
{
    m_state.intCreditIndexWiz5 = static_cast<qint16>(index);
    const ClickLabel* label = labWiz5WeekCredit(index);
    m_cboTime->move(label->pos());
    m_cboTime->setCurrentIndex(static_cast<int>(m_cboTime->findText(label->text())));
    m_cboTime->show();
    m_cboTime->raise();
}

void frmWiz5::cboWiz5Time_Click()
{
    const int index = m_state.intCreditIndexWiz5;
    if (index < 0 || index >= TimetableCells || m_cboTime->currentIndex() < 0)
        return;
    ClickLabel* label = labWiz5WeekCredit(index);
    if (!label->isEnabled())
        return;
    label->setText(m_cboTime->currentText());
    m_lengthCode[static_cast<std::size_t>(index)] = m_cboTime->currentIndex();
    if (m_guard.run(QStringLiteral("時数を設定できませんでした。"), [this] {
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
    return QWidget::eventFilter(watched, event);
}

void frmWiz5::cmdWiz5WeekPlan_Click(int index)
{
    QToolButton* button = cmdWiz5WeekPlan(index);
    m_choice.applyTo(*button);
    if (m_guard.run(QStringLiteral("時間割を設定できませんでした。"), [this, button, index] {
            const QString code = fncStoC(button->text());
            VelaDayTime* day = templateDay(editedTimetable(m_state).week, index / TimetablePeriods + 1);
            if (day && code.size() == 1)
                day->setStrSubject(withSubjectAt(day->strSubject(), index % TimetablePeriods, code.front()));
            subDispWeekTime();
        }))
        Q_EMIT stored();
}

void frmWiz5::subSetWeekCredit()
{
    lunaplan::subSetWeekCredit(m_state, m_lengthCode);
}

void frmWiz5::showPeriodSubject(int index, QChar code)
{
    QToolButton* button = cmdWiz5WeekPlan(index);
    if (code.isNull() || code == EmptySlot) {
        button->setText(QString());
        button->setIcon(QIcon());
    } else if (const int paletteIndex = subGetSubject(code); paletteIndex >= 0) {
        button->setText(cmdWiz5Subject(paletteIndex)->text());
        button->setIcon(cmdWiz5Subject(paletteIndex)->icon());
    } else if (const Subject* subject = subjectByCode(code)) {
        // A subject of the main window's palette (from a data file): shown, kept until replaced.
        button->setText(subject->fullName.isEmpty() ? subject->rowLabel.toString()
                                                    : subject->fullName.toString());
        button->setIcon(subjectIcon(code));
    } else {
        button->setText(QString(code));
        button->setIcon(QIcon());
    }
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
            showPeriodSubject(index, p < day->strSubject().size() ? day->strSubject()[p] : QChar());
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
