#pragma once

#include <QChar>
#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace lunaplan {

// Subject pictures of the palette, the week grid and the recording pointer:
// a tile in the colour and shape of the subject's group (教科, 総合/道徳,
// 特別活動, 打切り/予備) carrying the subject code. Painted in code, cached
// per code for the life of the process.

inline constexpr int SubjectIconSize = 32;

// The icon of a subject code, painted when first shown, at the pixel density
// of the screen it is shown on. A character that is no subject code (the
// empty slot included) gives a null icon.
QIcon subjectIcon(QChar code);

// The 32 × 32 picture of a subject code; null for a character that is no subject code.
QPixmap subjectPixmap(QChar code);

// The pointer that carries a subject: its picture with the hot spot in the
// middle. The ordinary arrow for a character that is no subject code.
QCursor subjectCursor(QChar code);

} // namespace lunaplan
