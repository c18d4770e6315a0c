#pragma once

#include "core/errors.h"
#include "ui/common/errormessage.h"

#include <QString>

#include <exception>
#include <utility>

namespace lunaplan {

class Prompts;

// The one way a window runs a handler that calls the core. An exception must
// never leave a Qt slot: it would end the program and lose the teacher's
// unsaved work. A LunaError is shown with showError under the action's name;
// anything else thrown is shown as an unexpected fault. Either way the handler
// stops where it failed and the window goes on. True when the handler ran to
// its end.
class HandlerGuard {
public:
    explicit HandlerGuard(Prompts& prompts)
        : m_prompts(&prompts)
    {}

    template <class Handler> bool run(const QString& action, Handler&& handler) const noexcept
    {
        try {
            std::forward<Handler>(handler)();
            return true;
        } catch (const LunaError& error) {
            report(action, error);
        } catch (const std::exception&) {
            reportUnexpected(action);
        }
        return false;
    }

    Prompts& prompts() const { return *m_prompts; }

private:
    void report(const QString& action, const LunaError& error) const noexcept;
    void reportUnexpected(const QString& action) const noexcept;

    Prompts* m_prompts;
};

} // namespace lunaplan
