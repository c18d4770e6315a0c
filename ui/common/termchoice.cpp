#include "ui/common/termchoice.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace lunaplan {

using namespace Qt::StringLiterals;

TermChoice::TermChoice(QWidget& window)
    : QObject(&window)
    , m_group(new QButtonGroup(this))
{
    for (int term = 0; term < Terms; ++term) {
        auto* option = new QRadioButton(caption(term), &window);
        option->setObjectName(u"optSeason%1"_s.arg(term));
        m_group->addButton(option, term);
        m_buttons[static_cast<std::size_t>(term)] = option;
    }
    connect(m_group, &QButtonGroup::idClicked, this, &TermChoice::chosen);
}

QString TermChoice::caption(int term)
{
    static const std::array<QString, Terms> captions{u"一学期"_s, u"二学期"_s, u"三学期"_s};
    return captions.at(static_cast<std::size_t>(term));
}

int TermChoice::selected() const
{
    const int checked = m_group->checkedId();
    return checked >= 0 ? checked : 0;
}

void TermChoice::check(int term) const
{
    button(term)->setChecked(true);
}

} // namespace lunaplan
