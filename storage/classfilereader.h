#pragma once

#include "storage/classfiledata.h"

#include <QByteArrayView>

#include <optional>

namespace lunaplan {

class AppState;

// Reads and checks a whole class data file. Nothing when its first line is
// not exactly the magic (an empty file included). Throws FormatError naming
// the first damaged line: a missing line, a number or date that is not one or
// is out of range, bytes that are not code page 932, a holiday count outside
// 0 to 200, more than 3,001 lines or more than classfile::MaxBytes bytes.
// Lines may end in CR LF or in LF alone.
std::optional<ClassFileData> parseClassFile(QByteArrayView bytes);

// Puts a file's content into the state: class identity, calendar, holiday
// entries 0 to the count, base hours (into the existing objYearBase), new
// template weeks with their frames, a new plan summed with calculate, and a
// new day list that holds the file's days and nothing else (a day of a date
// met twice replaces the earlier one). Clears boolCalendarReady.
// The data must come from parseClassFile; nothing here can fail half-way
// except for lack of memory, and that only before the state is touched.
void applyClassFile(AppState& state, const ClassFileData& data);

} // namespace lunaplan
