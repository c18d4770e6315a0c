#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QChar>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace lunaplan {

// Text in the Japanese Windows code page 932 (the Microsoft mapping of
// Shift_JIS: 0x8160 is "～" U+FF5E, 0x815C is "―" U+2015), through glibc's
// iconv. One codec holds its conversion descriptors, so reuse it for the
// lines of one file. Not thread-safe.
class Cp932Codec {
public:
    // Written in place of every character that code page 932 cannot hold.
    static constexpr QChar ReplacementCharacter{u'\uFF1F'}; // "？"

    Cp932Codec();
    ~Cp932Codec();
    Cp932Codec(const Cp932Codec&) = delete;
    Cp932Codec& operator=(const Cp932Codec&) = delete;

    // The text of the bytes; nothing when they are not valid code page 932
    // (an unknown byte, a lead byte without its trail byte), and then, when
    // invalidAt is given, it receives the offset of the first byte at fault.
    std::optional<QString> decode(QByteArrayView bytes, qsizetype* invalidAt = nullptr);

    // Appends the bytes of the text to out. Each character that the code page
    // cannot hold (a lone surrogate included) becomes ReplacementCharacter.
    void encode(QStringView text, QByteArray& out);
    QByteArray encode(QStringView text);

    // The distinct characters of the text that the code page cannot hold, in
    // the order they first occur, each a whole code point ("𠮷" is two
    // UTF-16 units); appended to found when not in it yet.
    void collectUnencodable(QStringView text, QStringList& found);

private:
    void convert(QStringView text, QByteArray& out, QStringList* unencodable);

    void* m_toUnicode = nullptr;
    void* m_fromUnicode = nullptr;
};

// The characters of one text that code page 932 cannot hold ("𠮷田" gives
// "𠮷"), as collectUnencodable lists them.
QStringList cp932Unencodable(QStringView text);

} // namespace lunaplan
