#pragma once

#include <QString>
#include <QStringList>

namespace lunaplan {

class AppState;
class Prompts;

// Writes the class year of the state to state.strFileName and returns true.
// With no file name or no class (intYear 0) it shows
// "まだ保存するデータがありません。" and returns false. When a text holds
// characters the file cannot (unencodableCharacters), it asks first
// (unencodableQuestion); いいえ writes nothing and returns false. The file is
// replaced atomically: on any failure the previous file stays as it was.
// Throws FileError (open, write or rename failed; the description names the
// file and the reason in Japanese) or FormatError when the state holds
// something the file cannot carry back (the description names the line;
// nothing is written).
bool subSaveFile(AppState& state, Prompts& prompts);

// Reads the class data file state.strFileName into the state. A file whose
// first line is not the magic (an empty file too) is reported with
// "「Lunaplan2002」のデータファイルではありません" and empties strFileName.
// The whole file is read and checked before the state changes: on FileError
// (cannot open or read) or FormatError (damaged; the description names the
// line) strFileName becomes empty, nothing else changes, and the error is
// passed on. A successful read clears boolCalendarReady.
void subLoadFile(AppState& state, Prompts& prompts);

// The messages these show.
QString noDataToSaveMessage();
QString notAClassFileMessage();
// The question before a save that would turn characters into "？".
QString unencodableQuestion(const QStringList& characters);

} // namespace lunaplan
