#include "storage/cp932.h"

#include <QtEndian>

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace lunaplan {

namespace {

#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr const char* Utf16Name = "UTF-16LE";
#else
constexpr const char* Utf16Name = "UTF-16BE";
#endif

// "？" in code page 932.
constexpr char ReplacementBytes[] = {'\x81', '\x48'};

iconv_t openConverter(const char* to, const char* from)
{
    const iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
    return cd;
}

iconv_t handle(void* cd)
{
    return static_cast<iconv_t>(cd);
}

bool isAscii(QByteArrayView bytes)
{
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

} // namespace

// Each direction is opened when first used: a file is only read or only written.
Cp932Codec::Cp932Codec() = default;

Cp932Codec::~Cp932Codec()
{
    if (m_toUnicode)
        iconv_close(handle(m_toUnicode));
    if (m_fromUnicode)
        iconv_close(handle(m_fromUnicode));
}

std::optional<QString> Cp932Codec::decode(QByteArrayView bytes, qsizetype* invalidAt)
{
    // Bytes below 0x80 are ASCII in code page 932 (0x5C is the backslash).
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);

    // Every character of the code page is one UTF-16 unit and takes at least
    // one byte, so the text never has more units than the input has bytes.
    if (!m_toUnicode)
        m_toUnicode = openConverter(Utf16Name, "CP932");
    QString text(bytes.size(), Qt::Uninitialized);
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = static_cast<size_t>(bytes.size());
    char* out = reinterpret_cast<char*>(text.data());
    size_t outLeft = static_cast<size_t>(text.size()) * sizeof(char16_t);
    iconv(handle(m_toUnicode), nullptr, nullptr, nullptr, nullptr);
    if (iconv(handle(m_toUnicode), &in, &inLeft, &out, &outLeft) == static_cast<size_t>(-1)) {
        // EILSEQ or EINVAL (E2BIG cannot happen, see above): `in` stopped at the byte at fault.
        if (invalidAt)
            *invalidAt = static_cast<qsizetype>(in - bytes.data());
        return std::nullopt;
    }
    text.truncate(text.size() - static_cast<qsizetype>(outLeft / sizeof(char16_t)));
    return text;
}

void Cp932Codec::encode(QStringView text, QByteArray& out)
{
    convert(text, out, nullptr);
}

void Cp932Codec::collectUnencodable(QStringView text, QStringList& found)
{
    QByteArray scratch;
    convert(text, scratch, &found);
}

void Cp932Codec::convert(QStringView text, QByteArray& out, QStringList* unencodable)
{
    if (text.isEmpty())
        return;
    if (!m_fromUnicode)
        m_fromUnicode = openConverter("CP932", Utf16Name);
    const qsizetype start = out.size();
    // Two bytes per UTF-16 unit at most; a replacement never takes more than
    // the one or two units it stands for.
    out.resize(start + 2 * text.size());
    char* in = reinterpret_cast<char*>(const_cast<QChar*>(text.data()));
    size_t inLeft = static_cast<size_t>(text.size()) * sizeof(char16_t);
    char* outPos = out.data() + start;
    size_t outLeft = static_cast<size_t>(out.size() - start);
    iconv(handle(m_fromUnicode), nullptr, nullptr, nullptr, nullptr);
    while (inLeft > 0) {
        if (iconv(handle(m_fromUnicode), &in, &inLeft, &outPos, &outLeft) != static_cast<size_t>(-1))
            break;
        if (errno != EILSEQ && errno != EINVAL)
            throw std::runtime_error("iconv failed to convert to code page 932");
        // The character at `in` has no byte form: one unit, or a surrogate pair.
        size_t skip = sizeof(char16_t);
        const char16_t unit = qFromUnaligned<char16_t>(in);
        if (QChar::isHighSurrogate(unit) && inLeft >= 2 * sizeof(char16_t) &&
            QChar::isLowSurrogate(qFromUnaligned<char16_t>(in + sizeof(char16_t))))
            skip = 2 * sizeof(char16_t);
        if (unencodable) {
            const auto units = static_cast<qsizetype>(skip / sizeof(char16_t));
            const QString character(reinterpret_cast<const QChar*>(in), units);
            if (!unencodable->contains(character))
                unencodable->append(character);
        }
        in += skip;
        inLeft -= skip;
        *outPos++ = ReplacementBytes[0];
        *outPos++ = ReplacementBytes[1];
        outLeft -= 2;
        iconv(handle(m_fromUnicode), nullptr, nullptr, nullptr, nullptr);
    }
    out.truncate(out.size() - static_cast<qsizetype>(outLeft));
}

QByteArray Cp932Codec::encode(QStringView text)
{
    QByteArray out;
    encode(text, out);
    return out;
}

QStringList cp932Unencodable(QStringView text)
{
    QStringList found;
    Cp932Codec().collectUnencodable(text, found);
    return found;
}

} // namespace lunaplan
