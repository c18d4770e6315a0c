#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace lunaplan {

// The one way the program writes a file (class file, backup, PDF, CSV): the
// bytes go to a temporary file beside the target, which is synced and then
// takes the target's name, so on any failure the previous file stays as it
// was. Before anything is written the target is refused when it is one of
// the operation's input files (compared canonically, so a link or a "./"
// path to an input is caught) or when it exists and is not a regular file (a
// folder, a device, a FIFO): replacing those would destroy what the teacher
// keeps. Throws FileError naming the file and the reason in Japanese.
void writeFileAtomically(const QString& fileName, const QByteArray& bytes, const QStringList& inputs = {});

// Copies the regular file source to target through the same writer, read and
// written piece by piece (the source may be any file a save dialog offered).
// A target that is the source itself is refused. Throws FileError, for a
// failed read of the source too.
void copyFileAtomically(const QString& source, const QString& target);

} // namespace lunaplan
