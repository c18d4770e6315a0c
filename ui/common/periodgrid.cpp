#include "ui/common/periodgrid.h"

#include "core/subjects.h"
#include "ui/common/clicklabel.h"
#include "ui/common/subjecticons.h"
#include "ui/common/twips.h"

#include <QToolButton>

namespace lunaplan {

namespace {

// The caption of a period holding a subject: its palette name, or its row
// name for 予, which has no palette button yet may stand in a record.
QString subjectCaption(QChar code)
{
    if (const Subject* subject = subjectByCode(code))
        return (subject->fullName.isEmpty() ? subject->rowLabel : subject->fullName).toString();
    return QString(code);
}

void placeCell(QWidget* widget, int index, const CellPlacement& placement)
{
    const int day = index / PeriodGrid::Periods;
    const int period = index % PeriodGrid::Periods;
    widget->setObjectName(placement.name + u'_' + QString::number(index));
    placeInTwips(widget, placement.origin.x() + placement.step.width() * day,
                 placement.origin.y() + placement.step.height() * period, placement.size.width(),
                 placement.size.height());
}

} // namespace

PeriodGrid::PeriodGrid(int days, QObject* parent)
    : QObject(parent)
    , m_days(days)
    , m_buttons(days * Periods, nullptr)
    , m_lengths(days * Periods, nullptr)
    , m_subjects(days * Periods)
    , m_lengthCodes(days * Periods, 0)
{}

void PeriodGrid::build(QWidget* parent, const CellPlacement& buttons, const CellPlacement& lengths)
{
    for (int index = 0; index < cellCount(); ++index) {
        buildButton(parent, index, buttons);
        buildLength(parent, index, lengths);
    }
}

void PeriodGrid::buildButtons(QWidget* parent, const CellPlacement& buttons)
{
    for (int index = 0; index < cellCount(); ++index)
        buildButton(parent, index, buttons);
}

void PeriodGrid::buildLengths(QWidget* parent, const CellPlacement& lengths)
{
    for (int index = 0; index < cellCount(); ++index)
        buildLength(parent, index, lengths);
}

void PeriodGrid::buildButton(QWidget* parent, int index, const CellPlacement& placement)
{
    auto* button = new QToolButton(parent);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setIconSize(QSize(SubjectIconSize, SubjectIconSize));
    placeCell(button, index, placement);
    connect(button, &QToolButton::clicked, this, [this, index] { Q_EMIT periodClicked(index); });
    m_buttons[index] = button;
}

void PeriodGrid::buildLength(QWidget* parent, int index, const CellPlacement& placement)
{
    auto* label = new ClickLabel(parent);
    placeCell(label, index, placement);
    connect(label, &ClickLabel::clicked, this, [this, index] { Q_EMIT lengthClicked(index); });
    m_lengths[index] = label;
}

int PeriodGrid::indexOf(const QObject* object) const
{
    return static_cast<int>(m_buttons.indexOf(object));
}

void PeriodGrid::setSubject(int index, QChar code)
{
    if (code == EmptySlot)
        code = QChar();
    QChar& held = m_subjects[index];
    if (held == code)
        return;
    held = code;
    QToolButton* shown = button(index);
    shown->setText(code.isNull() ? QString() : subjectCaption(code));
    shown->setIcon(subjectIcon(code));
}

void PeriodGrid::setLength(int index, int code)
{
    m_lengthCodes[index] = code;
    lengthLabel(index)->setText(subGetCredit(code));
}

} // namespace lunaplan
