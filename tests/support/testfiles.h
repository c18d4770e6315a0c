#pragma once

#include <QByteArray>
#include <QString>

namespace lunaplan::test {

// The bytes of a file; empty when it cannot be read (a file that should not exist).
QByteArray fileBytes(const QString& path);
// The bytes of a file the test needs; the test stops when it cannot be read.
QByteArray readBytes(const QString& path);
// Writes a file the test needs; the test stops when it cannot be written.
void writeBytes(const QString& path, const QByteArray& bytes);

} // namespace lunaplan::test
