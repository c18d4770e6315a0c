#pragma once

#include <QByteArray>

#include <functional>

class QWidget;

namespace lunaplan {

class AppState;
class Prompts;

// CSV保存 of a figure window: asks for a file name, proposing the window's
// title with the class (「時数集計表_令和8年度_3年2組.csv」), and writes the bytes
// made for it. The figures come from the class file, which a CSV must never
// replace, so the class file is named as the write's input. Throws
// FileError when the file cannot be written; nothing is written when the
// teacher cancels.
void saveFiguresCsv(const QWidget& window, const AppState& state, Prompts& prompts,
                    const std::function<QByteArray()>& bytes);

} // namespace lunaplan
