#pragma once

#include <QByteArray>
#include <QString>

namespace lunaplan {

// Writes bytes to fileName through a temporary file beside it that replaces
// the file only once everything has been written: on any failure the previous
// file stays as it was. Throws FileError naming the file and the reason in Japanese.
void writeFileAtomically(const QString& fileName, const QByteArray& bytes);

} // namespace lunaplan
