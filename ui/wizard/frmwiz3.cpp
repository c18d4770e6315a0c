#include "ui/wizard/frmwiz3.h"

#include "core/appstate.h"
#include "core/prompts.h"
#include "core/schoolcalendar.h"
#include "core/weekview.h"
#include "ui/common/monthview.h"
#include "ui/wizard/dlgresultsorry.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace lunaplan {

using namespace Qt::StringLiterals;

namespace {

constexpr std::array<int, 3> MonthsInARow{4, 5, 3};

QString countText(int index, int days)
{
    static constexpr std::array<const char16_t*, 4> Prefixes{u"１学期の授業日数　", u"２学期の授業日数　",
                                                             u"３学期の授業日数　", u"年間の授業日数　"};
    return QString::fromUtf16(Prefixes[static_cast<std::size_t>(index)]) + QString::number(days) + u'日';
}

} // namespace

frmWiz3::frmWiz3(AppState& state, Prompts& prompts, WizardNavigator& navigator, QWidget* parent)
    : WizardPage(state, prompts, navigator, u"frmWiz3"_s, 0, 0, parent)
{
    m_frame = new QGroupBox(u"休日の設定（休日にしたい日付をクリックしてください。"
                            "同じところをクリックすると取り消します。）"_s,
                            this);
    m_frame->setObjectName(u"fraWiz3Month"_s);
    // Each term's count under its calendar, so the page is no wider than the
    // five months of term 2 and fits a 1024 × 768 screen.
    auto* column = new QVBoxLayout(m_frame);
    const std::array<const char16_t*, 4> designCounts{u"１学期の授業日数　XX日", u"２学期の授業日数　XX日",
                                                      u"３学期の授業日数　XX日", u"１年間の授業日数　XX日"};
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(QString::fromUtf16(designCounts[static_cast<std::size_t>(i)]), m_frame);
        label->setObjectName(u"lblWiz3NumberOfSchoolDays_%1"_s.arg(i));
        m_counts[static_cast<std::size_t>(i)] = label;
    }
    for (int i = 0; i < 3; ++i) {
        auto* calendar = new MonthView(m_frame);
        calendar->setObjectName(u"mvWiz3Calendar_%1"_s.arg(i));
        calendar->setMonthGrid(1, MonthsInARow[static_cast<std::size_t>(i)]);
        calendar->setFixedSize(calendar->sizeHint());
        connect(calendar, &MonthView::dateClicked, this,
                [this, i](QDate date) { mvWiz3Calendar_DateClick(i, date); });
        m_calendars[static_cast<std::size_t>(i)] = calendar;
        column->addWidget(calendar, 0, Qt::AlignLeft);
        column->addWidget(m_counts[static_cast<std::size_t>(i)], 0, Qt::AlignLeft);
        column->addSpacing(6);
    }
    // The year's count under the third term's.
    column->addWidget(m_counts[3], 0, Qt::AlignLeft);

    m_before = makeNavigationButton(u"cmdWiz3Before"_s, u"前へ"_s, 0, 0);
    m_next = makeNavigationButton(u"cmdWiz3Next"_s, u"次へ"_s, 0, 0);
    m_cancel = makeNavigationButton(u"cmdWiz3Cancel"_s, u"設定の終了"_s, 0, 0);
    setEndButton(m_cancel);
    connect(m_before, &QPushButton::clicked, this, &frmWiz3::cmdWiz3Before_Click);
    connect(m_next, &QPushButton::clicked, this, &frmWiz3::cmdWiz3Next_Click);
    connect(m_cancel, &QPushButton::clicked, this, &frmWiz3::cmdWiz3Cancel_Click);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {m_before, m_next, m_cancel})
        buttons->addWidget(button);

    auto* page = new QVBoxLayout(this);
    page->addWidget(m_frame);
    page->addLayout(buttons);
    page->setSizeConstraint(QLayout::SetFixedSize);

    m_sorry = new dlgResultSorry(this);
}

QString frmWiz3::fillFailure() const
{
    return u"授業日の表示ができませんでした。"_s;
}

void frmWiz3::fill()
{
    m_next->setFocus();
    m_year = calendarSchoolYear(m_state.intYear, QDate::currentDate());
    for (int i = 0; i < 3; ++i) {
        MonthView* calendar = m_calendars[static_cast<std::size_t>(i)];
        const TermRange term = termRange(m_year, i + 1);
        calendar->setMaxDate(QDate(9999, 12, 31));
        calendar->setMinDate(term.first);
        calendar->setMaxDate(term.last);
        calendar->setCurrentDate(term.first);
        calendar->setCurrentDate(term.last);
    }
    markSchoolDays();
    subCountWorkDays(m_state, m_year);
    writeCounts();
}

void frmWiz3::markSchoolDays()
{
    const QSet<QDate> holidays = holidayMarks(m_state);
    for (MonthView* calendar : m_calendars) {
        calendar->setHolidays(holidays);
        for (int i = 1; i <= calendar->visibleDayCount(); ++i) {
            const QDate day = calendar->visibleDay(i);
            const bool inTerm = day >= calendar->minDate() && day <= calendar->maxDate();
            calendar->setDayBold(day, inTerm && m_state.fncIsWorkDay(day));
        }
    }
}

void frmWiz3::writeCounts()
{
    const std::array<int, 4> counts{m_state.intWorkDays1, m_state.intWorkDays2, m_state.intWorkDays3,
                                    m_state.intWorkDaysYear};
    for (int i = 0; i < 4; ++i)
        m_counts[static_cast<std::size_t>(i)]->setText(countText(i, counts[static_cast<std::size_t>(i)]));
}

void frmWiz3::mvWiz3Calendar_DateClick(int, QDate date)
{
    m_guard.run(u"休日を設定できませんでした。"_s, [this, date] {
        switch (toggleSpecialHoliday(m_state, date)) {
        case HolidayClick::HeldLessons:
            m_sorry->show();
            m_sorry->raise();
            return;
        case HolidayClick::ListFull:
            m_prompts.message(u"休日はこれ以上登録できません（特別な休日は186日まで）。"
                              "この日を休日にするときは、ほかの特別な休日を取り消してください。"_s,
                              applicationTitle(), Prompts::Icon::Information);
            break;
        case HolidayClick::Unchanged:
            break;
        case HolidayClick::MadeHoliday:
        case HolidayClick::MadeSchoolDay:
            // Recounted from the rule rather than adjusted by one, so the
            // counts always agree with the bold days.
            markSchoolDays();
            subCountWorkDays(m_state, m_year);
            writeCounts();
            Q_EMIT stored();
            break;
        }
        m_next->setFocus();
    });
}

void frmWiz3::cmdWiz3Before_Click()
{
    leaveTo(WizardPageId::Class);
}

void frmWiz3::cmdWiz3Next_Click()
{
    leaveTo(WizardPageId::Timetable, [this] { m_state.boolEditWeekA = true; });
}

void frmWiz3::cmdWiz3Cancel_Click()
{
    leaveWizard();
}

} // namespace lunaplan
