#include "ui/common/handlerguard.h"

#include "core/prompts.h"

namespace lunaplan {

using namespace Qt::StringLiterals;

void HandlerGuard::report(const QString& action, const LunaError& error) const noexcept
{
    try {
        showError(*m_prompts, action, error);
    } catch (...) {
        // Showing the message failed as well (out of memory): nothing more can be said.
    }
}

void HandlerGuard::reportUnexpected(const QString& action) const noexcept
{
    try {
        m_prompts->message(action + u'\n' + u"予期しないエラーが発生しました。"_s, applicationTitle(),
                           Prompts::Icon::Critical);
    } catch (...) {
    }
}

} // namespace lunaplan
