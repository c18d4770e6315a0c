#include "storage/classfile.h"

#include "core/appstate.h"
#include "core/errors.h"
#include "core/prompts.h"
#include "storage/atomicfile.h"
#include "storage/classfilereader.h"
#include "storage/classfilewriter.h"
#include "storage/fileerrors.h"

#include <QFile>

#include <algorithm>
#include <cerrno>

using namespace Qt::StringLiterals;

namespace lunaplan {

namespace {

QByteArray readForParsing(const QString& fileName)
{
    QFile file(fileName);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        throwFileError(errno, file.error(), FileAccess::Read, fileName, u"開けませんでした"_s);
    // One byte more than the reader accepts, so that it can refuse a larger
    // file. The buffer starts at the file's size (one read for a regular
    // file) and grows while a file that reports no size goes on.
    constexpr qsizetype limit = classfile::MaxBytes + 1;
    QByteArray bytes(std::clamp<qint64>(file.size() + 1, 4096, limit), Qt::Uninitialized);
    qsizetype used = 0;
    errno = 0;
    for (;;) {
        if (used == bytes.size()) {
            if (used == limit)
                break;
            bytes.resize(std::min(limit, 2 * used));
        }
        const qint64 got = file.read(bytes.data() + used, bytes.size() - used);
        if (got <= 0)
            break;
        used += static_cast<qsizetype>(got);
    }
    bytes.truncate(used);
    if (file.error() != QFileDevice::NoError)
        throwFileError(errno, file.error(), FileAccess::Read, fileName, u"読めませんでした"_s);
    return bytes;
}

} // namespace

QString noDataToSaveMessage()
{
    return u"まだ保存するデータがありません。"_s;
}

QString notAClassFileMessage()
{
    return u"「Lunaplan2002」のデータファイルではありません"_s;
}

QString unencodableQuestion(const QStringList& characters)
{
    return u"次の文字はファイルに保存できないため「？」になります: %1。このまま保存しますか。"_s.arg(
        characters.join(u' '));
}

bool subSaveFile(AppState& state, Prompts& prompts)
{
    if (state.strFileName.isEmpty() || state.intYear == 0) {
        prompts.message(noDataToSaveMessage(), applicationTitle(), Prompts::Icon::None);
        return false;
    }
    const ClassFileData data = captureClassFile(state);
    const QByteArray bytes = formatClassFile(data);
    // Never replace a file by one that cannot be read back (a day of 29
    // February that the school year in the state does not have, a list longer
    // than a file may be): the FormatError names the line.
    parseClassFile(bytes);
    if (const QStringList lost = unencodableCharacters(data); !lost.isEmpty()) {
        if (prompts.askYesNo(unencodableQuestion(lost), applicationTitle()) != Prompts::Answer::Yes)
            return false;
    }
    writeFileAtomically(state.strFileName, bytes);
    return true;
}

void subLoadFile(AppState& state, Prompts& prompts)
{
    try {
        const std::optional<ClassFileData> data = parseClassFile(readForParsing(state.strFileName));
        if (!data) {
            prompts.message(notAClassFileMessage(), applicationTitle(), Prompts::Icon::None);
            state.strFileName.clear();
            return;
        }
        applyClassFile(state, *data);
    } catch (...) {
        state.strFileName.clear();
        throw;
    }
}

} // namespace lunaplan
