#include "ui/common/classwatch.h"

#include "core/appstate.h"
#include "storage/classfilewriter.h"

#include <QScopedValueRollback>

namespace lunaplan {

namespace {

// The class as its file would hold it. Called from the windows' notification
// slots, so nothing may escape: a class that cannot be written counts as changed.
QByteArray fileImage(const AppState& state) noexcept
{
    try {
        return formatClassFile(captureClassFile(state));
    } catch (...) {
        return {};
    }
}

} // namespace

ClassWatch::ClassWatch(const AppState& state, QObject* parent)
    : QObject(parent)
    , m_state(state)
    , m_unchanged(fileImage(AppState()))
{
    m_modified = isModified();
}

bool ClassWatch::isModified() const
{
    // Without a school year there is no class to lose.
    if (m_state.intYear == 0)
        return false;
    const QByteArray image = fileImage(m_state);
    return image.isEmpty() || image != m_unchanged;
}

void ClassWatch::notifyChanged(QObject* source)
{
    // A window that stores what it shows while it follows the change gets no
    // second notification of its own.
    if (!m_notifying) {
        const QScopedValueRollback<bool> notifying(m_notifying, true);
        Q_EMIT classChanged(source);
    }
    updateModified();
}

void ClassWatch::markUnchanged()
{
    m_unchanged = fileImage(m_state);
    updateModified();
}

void ClassWatch::updateModified()
{
    const bool modified = isModified();
    if (modified == m_modified)
        return;
    m_modified = modified;
    Q_EMIT modifiedChanged(modified);
}

} // namespace lunaplan
