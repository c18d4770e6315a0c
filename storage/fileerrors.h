#pragma once

#include <QFileDevice>
#include <QString>

namespace lunaplan {

// Whether the file was being read or written when the system refused.
enum class FileAccess { Read, Write };

// The reason the teacher reads when the file system refuses, in Japanese
// whatever the system's language: from the system's error number (errno)
// where it is known, otherwise from Qt's kind of error.
QString fileErrorReason(int systemError, QFileDevice::FileError kind, FileAccess access);

// The error number of FileError for the same failure.
int fileErrorNumber(int systemError, QFileDevice::FileError kind, FileAccess access);

// Throws the refusal as FileError: 「ファイル「name」を<what>: <reason>」. The
// system's error number must be taken right after the failing call (errno
// cleared before it), so that the reason says what really happened.
[[noreturn]] void throwFileError(int systemError, QFileDevice::FileError kind, FileAccess access,
                                 const QString& fileName, const QString& what);

} // namespace lunaplan
