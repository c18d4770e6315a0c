#include "ui/wizard/frmwiz2.h"

#include "core/appstate.h"
#include "core/nationalholidays.h"
#include "core/prompts.h"
#include "core/schoolcalendar.h"
#include "storage/cp932.h"
#include "ui/common/twips.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

namespace lunaplan {

using namespace Qt::StringLiterals;

namespace {

constexpr int RowHeight = 480;
constexpr int BoxHeight = 360;
constexpr int FirstHolidayRow = 2820;

// A holiday-day box: its list of days and the day it holds. Its design-time
// day is the core's default, which a new school year also starts from.
struct DayBox {
    int index;
    int first;
    int last;
    int HolidayPeriodDays::*day;
};
constexpr std::array<DayBox, 8> DayBoxes{{
    {0, 2, 12, &HolidayPeriodDays::springEnd},
    {1, 18, 27, &HolidayPeriodDays::summerStart},
    {5, 17, 31, &HolidayPeriodDays::summerEnd},
    {2, 18, 27, &HolidayPeriodDays::winterStart},
    {8, 2, 29, &HolidayPeriodDays::winterEnd},
    {3, 15, 29, &HolidayPeriodDays::spring2Start},
    {4, 21, 23, &HolidayPeriodDays::autumnEquinox},
    {7, 20, 21, &HolidayPeriodDays::vernalEquinox},
}};

QString yearChangeQuestion()
{
    return u"学級計画・授業計画の年度が、実績を登録している年度と食い違っています。"
           "実績を破棄してもいいときは「はい」を押してください（保存済みのファイルには影響ありません）。"
           "「いいえ」を押すと実績はそのままですが、設定した計画はキャンセルとなります。"_s;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, int x, int y, int width)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    placeInTwips(label, x, y + 30, width, 300);
    return label;
}

QComboBox* makeBox(QWidget* parent, const QString& name, int x, int y, int width)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    placeInTwips(box, x, y, width, BoxHeight);
    return box;
}

void addLine(QWidget* parent, const QString& name, int y)
{
    auto* line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    placeInTwips(line, 240, y, 6720, 30);
}

// Selects a day in a day box; a day outside its list (from a class file) is
// added in order, so that the stored day is shown and kept.
void selectDay(QComboBox* box, int day)
{
    const QString text = QString::number(day);
    int index = box->findText(text);
    if (index < 0) {
        index = 0;
        while (index < box->count() && box->itemText(index).toInt() < day)
            ++index;
        box->insertItem(index, text);
    }
    box->setCurrentIndex(index);
}

QString monthDayText(QDate date)
{
    return u"%1月%2日"_s.arg(date.month()).arg(date.day());
}

} // namespace

frmWiz2::frmWiz2(AppState& state, Prompts& prompts, WizardNavigator& navigator, QWidget* parent)
    : WizardPage(state, prompts, navigator, u"frmWiz2"_s, 7200, 7440, parent)
{
    buildUpperHalf();
    buildHolidayRows();

    m_before = makeNavigationButton(u"cmdWiz2Before"_s, u"前へ"_s, 2400, 6780);
    m_next = makeNavigationButton(u"cmdWiz2Next"_s, u"次へ"_s, 3840, 6780);
    m_cancel = makeNavigationButton(u"cmdWiz2Cancel"_s, u"設定の終了"_s, 5400, 6780);
    connect(m_before, &QPushButton::clicked, this, &frmWiz2::cmdWiz2Before_Click);
    connect(m_next, &QPushButton::clicked, this, &frmWiz2::cmdWiz2Next_Click);
    connect(m_cancel, &QPushButton::clicked, this, &frmWiz2::cmdWiz2Cancel_Click);
    setEndButton(m_cancel);

    resetToDesignTime();
}

void frmWiz2::buildUpperHalf()
{
    makeLabel(this, u"lblWiz1Comment"_s, u"新しいクラスの設定をします。"_s, 240, 240, 6000);
    makeLabel(this, u"lblWiz1Year"_s, u"年度"_s, 480, 720, 900);
    m_year = makeBox(this, u"cboWiz1Year"_s, 1440, 720, 3120);
    connect(m_year, &QComboBox::activated, this, &frmWiz2::cboWiz1Year_Click);

    makeLabel(this, u"lblWiz1Class"_s, u"クラス"_s, 480, 1200, 900);
    m_class[0] = makeBox(this, u"cboWiz1Class_0"_s, 1440, 1200, 855);
    makeLabel(this, u"lblWiz1Rank"_s, u"学年"_s, 2370, 1200, 600);
    m_class[1] = makeBox(this, u"cboWiz1Class_1"_s, 3060, 1200, 855);
    makeLabel(this, u"lblWiz1Kumi"_s, u"組"_s, 3990, 1200, 450);
    for (int grade = 1; grade <= 6; ++grade)
        m_class[0]->addItem(QString::number(grade));
    // Class names other than numbers are common, so the class box takes typed text.
    m_class[1]->setEditable(true);
    m_class[1]->setInsertPolicy(QComboBox::NoInsert);
    for (int number = 1; number <= 12; ++number)
        m_class[1]->addItem(QString::number(number));
    for (int i = 0; i < 2; ++i)
        connect(m_class[static_cast<std::size_t>(i)], &QComboBox::activated, this,
                [this, i] { cboWiz1Class_Click(i); });

    makeLabel(this, u"lblWiz1Teacher"_s, u"担任"_s, 480, 1680, 900);
    m_teacher = new QLineEdit(this);
    m_teacher->setObjectName(u"txtWiz1Teacher"_s);
    placeInTwips(m_teacher, 1440, 1680, 3120, BoxHeight);
    m_teacher->installEventFilter(this);

    // Beside the class and teacher boxes, where a hint does not cover anything.
    m_unsaveable = new QLabel(this);
    m_unsaveable->setObjectName(u"lblWiz1Unsaveable"_s);
    m_unsaveable->setWordWrap(true);
    m_unsaveable->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_unsaveable->setStyleSheet(u"color: rgb(255, 0, 0);"_s);
    placeInTwips(m_unsaveable, 4620, 1200, 2340, 840);
    m_unsaveable->hide();
    connect(m_teacher, &QLineEdit::textChanged, this, &frmWiz2::showUnsaveableCharacters);
    connect(m_class[1], &QComboBox::editTextChanged, this, &frmWiz2::showUnsaveableCharacters);

    addLine(this, u"lineClass"_s, 2190);
}

void frmWiz2::buildHolidayRows()
{
    makeLabel(this, u"lblWiz2Comment"_s, u"休日の設定をします。"_s, 240, 2340, 6000);

    struct Row {
        int label;
        const char16_t* name;
        int y;
    };
    const Row rows[] = {
        {0, u"春休み（年度始め）", FirstHolidayRow},
        {1, u"夏休み", FirstHolidayRow + RowHeight},
        {2, u"冬休み", FirstHolidayRow + 2 * RowHeight},
        {3, u"春休み（年度末）", FirstHolidayRow + 3 * RowHeight},
        {4, u"秋分の日", FirstHolidayRow + 4 * RowHeight + 180},
        {7, u"春分の日", FirstHolidayRow + 5 * RowHeight + 180},
    };
    for (const Row& row : rows)
        makeLabel(this, u"lblWiz2Holiday_%1"_s.arg(row.label), QString::fromUtf16(row.name), 480, row.y,
                  2280);

    // Month labels: index, text, row, column (0 before the first box, 1 before the second).
    struct MonthLabel {
        int index;
        const char16_t* text;
        int row;
        int column;
    };
    const MonthLabel monthLabels[] = {
        {9, u"4／1", 0, 0},     {10, u"7／", 1, 0},       {11, u"12／", 2, 0},    {12, u"3／", 3, 0},
        {13, u"9／", 4, 0},     {16, u"3／", 5, 0},       {17, u"～　4／", 0, 1}, {18, u"～　8／", 1, 1},
        {19, u"～　1／", 2, 1}, {20, u"～　3／31", 3, 1},
    };
    for (const MonthLabel& label : monthLabels)
        makeLabel(this, u"lblWiz2Holiday_%1"_s.arg(label.index), QString::fromUtf16(label.text),
                  label.column == 0 ? 2880 : 4440, rows[label.row].y, label.column == 0 ? 600 : 1200);

    // Box index, row, column.
    const int boxPlaces[9][2] = {{0, 1}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {1, 1}, {-1, -1}, {5, 0}, {2, 1}};
    for (const DayBox& box : DayBoxes) {
        const int* place = boxPlaces[box.index];
        QComboBox* combo = makeBox(this, u"cboWiz2Holiday_%1"_s.arg(box.index), place[1] == 0 ? 3480 : 5340,
                                   rows[place[0]].y - 30, 855);
        for (int day = box.first; day <= box.last; ++day)
            combo->addItem(QString::number(day));
        m_holiday[static_cast<std::size_t>(box.index)] = combo;
    }

    addLine(this, u"lineVacations"_s, rows[4].y - 210);
    addLine(this, u"lineEquinoxes"_s, rows[5].y + RowHeight + 30);
    auto* saturdays =
        makeLabel(this, u"lblWiz2Holiday_8"_s, u"土曜日の扱い ... Ver2.0以降では完全週休二日としました。"_s,
                  480, rows[5].y + RowHeight + 150, 6480);
    saturdays->setWordWrap(true);
}

QComboBox* frmWiz2::cboWiz2Holiday(int index) const
{
    return index >= 0 && index < static_cast<int>(m_holiday.size())
               ? m_holiday[static_cast<std::size_t>(index)]
               : nullptr;
}

void frmWiz2::resetToDesignTime()
{
    m_year->clear();
    for (const int year : schoolYearChoices(m_state.today()))
        m_year->addItem(schoolYearText(year), year);
    m_year->setCurrentIndex(-1);
    m_class[0]->setCurrentIndex(-1);
    m_class[1]->setCurrentIndex(-1);
    m_class[1]->setEditText(QString());
    m_teacher->clear();
    const HolidayPeriodDays designTime;
    for (const DayBox& box : DayBoxes) {
        QComboBox* combo = m_holiday[static_cast<std::size_t>(box.index)];
        // Drop days that an earlier class file added to the list.
        for (int i = combo->count() - 1; i >= 0; --i) {
            const int day = combo->itemText(i).toInt();
            if (day < box.first || day > box.last)
                combo->removeItem(i);
        }
        selectDay(combo, designTime.*box.day);
    }
}

void frmWiz2::selectYear(int year)
{
    int index = m_year->findData(year);
    if (index < 0) {
        // A stored year outside the list is shown (and kept) all the same.
        index = 0;
        while (index < m_year->count() && m_year->itemData(index).toInt() < year)
            ++index;
        m_year->insertItem(index, schoolYearText(year), year);
    }
    m_year->setCurrentIndex(index);
}

void frmWiz2::preselectEquinoxes(int year)
{
    const EquinoxDays days = equinoxDays(year);
    selectDay(m_holiday[4], days.autumn);
    selectDay(m_holiday[7], days.vernal);
}

void frmWiz2::showUnsaveableCharacters()
{
    const QStringList characters = cp932Unencodable(QString(m_class[1]->currentText() + m_teacher->text()));
    m_unsaveable->setVisible(!characters.isEmpty());
    if (!characters.isEmpty())
        m_unsaveable->setText(u"「%1」はファイルに保存できない文字です。保存すると「？」になります。"_s.arg(
            characters.join(u"」「"_s)));
}

int frmWiz2::holidayDay(int index) const
{
    return m_holiday[static_cast<std::size_t>(index)]->currentText().toInt();
}

QString frmWiz2::fillFailure() const
{
    return u"学級と休日の設定を表示できませんでした。"_s;
}

void frmWiz2::fill()
{
    resetToDesignTime();
    if (m_state.intYear > 0) {
        selectYear(m_state.intYear);
        // A class of a year has a grade of 1 to 6.
        if (m_state.intGrade < 1 || m_state.intGrade > 6)
            m_state.intGrade = 1;
    }
    if (m_state.intGrade != 0)
        m_class[0]->setCurrentIndex(m_class[0]->findText(QString::number(m_state.intGrade)));
    if (!m_state.strClass.isEmpty())
        m_class[1]->setEditText(m_state.strClass);
    m_teacher->setText(m_state.strTeacher);

    if (m_state.dateSpringEnd.isValid()) {
        const std::pair<int, QDate> stored[] = {
            {0, m_state.dateSpringEnd},     {1, m_state.dateSummerStart},   {5, m_state.dateSummerEnd},
            {2, m_state.dateWinterStart},   {8, m_state.dateWinterEnd},     {3, m_state.dateSpring2Start},
            {4, m_state.dateAutumnEquinox}, {7, m_state.dateVernalEquinox},
        };
        for (const auto& [index, date] : stored) {
            if (date.isValid())
                selectDay(m_holiday[static_cast<std::size_t>(index)], date.day());
        }
    } else {
        // No holidays stored yet: the equinox days of the year that will be stored.
        preselectEquinoxes(m_state.intYear > 0 ? m_state.intYear : m_state.today().year());
    }
    m_next->setFocus();
}

void frmWiz2::store()
{
    subSetClass();
    subSetHoliday();
}

void frmWiz2::cboWiz1Year_Click()
{
    storeEntries();
}

void frmWiz2::cboWiz1Class_Click(int)
{
    storeEntries();
}

void frmWiz2::txtWiz1Teacher_Click()
{
    storeEntries();
}

void frmWiz2::subSetClass()
{
    const int selected = m_year->currentIndex();
    const int year = selected < 0 ? m_state.today().year() : m_year->itemData(selected).toInt();
    if (year != m_state.intYear && m_state.intYear != 0 && m_state.objDayHead->objNextDay()) {
        switch (m_prompts.askYesNoCancel(yearChangeQuestion(), applicationTitle())) {
        case Prompts::Answer::Yes:
            m_state.objDayHead->setObjNextDay(nullptr);
            // The saved file keeps its records, as the question promised: the
            // class without them is saved under a name of its own.
            m_state.strFileName.clear();
            hide();
            break;
        case Prompts::Answer::No:
            // The settings made are cancelled: the page shows the class as stored.
            fill();
            hide();
            return;
        default:
            selectYear(m_state.intYear);
            return;
        }
    }

    const int previousYear = m_state.intYear;
    m_state.intYear = static_cast<qint16>(year);
    if (year != previousYear) {
        m_state.boolCalendarReady = false;
        const QList<QDate> dropped = moveSpecialHolidaysToYear(m_state, year);
        if (!dropped.isEmpty()) {
            QStringList days;
            for (const QDate& date : dropped)
                days.append(monthDayText(date));
            m_prompts.message(u"%1には%2がないため、特別な休日から外しました。"_s.arg(schoolYearText(year),
                                                                                      days.join(u"、"_s)),
                              applicationTitle(), Prompts::Icon::Information);
        }
        preselectEquinoxes(year);
    }

    if (m_state.intGrade < 1 || m_state.intGrade > 6)
        m_state.intGrade = 1;
    bool isNumber = false;
    const int grade = m_class[0]->currentText().toInt(&isNumber);
    if (isNumber && grade >= 1 && grade <= 6)
        m_state.intGrade = static_cast<qint16>(grade);
    const QString className = m_class[1]->currentText().trimmed();
    if (!className.isEmpty())
        m_state.strClass = className;
    m_state.strTeacher = m_teacher->text();
}

void frmWiz2::subSetHoliday()
{
    HolidayPeriodDays days;
    for (const DayBox& box : DayBoxes)
        days.*box.day = holidayDay(box.index);
    lunaplan::subSetHoliday(m_state, days);
}

void frmWiz2::cmdWiz2Before_Click()
{
    leaveTo(WizardPageId::Start);
}

void frmWiz2::cmdWiz2Next_Click()
{
    leaveTo(WizardPageId::Calendar);
}

void frmWiz2::cmdWiz2Cancel_Click()
{
    leaveWizard();
}

bool frmWiz2::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_teacher && event->type() == QEvent::MouseButtonPress)
        txtWiz1Teacher_Click();
    return QWidget::eventFilter(watched, event);
}

} // namespace lunaplan
