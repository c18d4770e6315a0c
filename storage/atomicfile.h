#pragma once

#include <QByteArray>
#include <QString>

class QFileDevice;

namespace lunaplan {

// The FileError number for the error a file device reports.
int fileErrorNumber(const QFileDevice& file);

// Writes bytes to fileName through a temporary file beside it that replaces
// the file only once everything has been written: on any failure the previous
// file stays as it was. Throws FileError naming the file and the system's reason.
void writeFileAtomically(const QString& fileName, const QByteArray& bytes);

} // namespace lunaplan
