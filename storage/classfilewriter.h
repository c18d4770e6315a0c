#pragma once

#include "storage/classfiledata.h"

#include <QByteArray>
#include <QStringList>

namespace lunaplan {

class AppState;

// The persistent part of the state. The template weeks give six subject
// lines each and the plan three terms whatever their chains hold; the holiday
// count is kept within the list.
ClassFileData captureClassFile(const AppState& state);

// The bytes of the class data file: code page 932, CR LF after every line.
// A line break inside a text value becomes a space, so that it cannot shift
// the lines after it; characters the code page cannot hold become "？".
QByteArray formatClassFile(const ClassFileData& data);

// The characters of the file's texts (class, teacher, the template weeks'
// subjects, each day's subjects and comment) that code page 932 cannot hold,
// which formatClassFile would write as "？"; each once, in file order.
QStringList unencodableCharacters(const ClassFileData& data);

} // namespace lunaplan
