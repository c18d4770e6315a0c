#include "storage/classfile.h"

#include "core/appstate.h"
#include "core/errors.h"
#include "storage/atomicfile.h"
#include "storage/classfilereader.h"
#include "storage/classfilewriter.h"
#include "storage/prompts.h"

#include <QFile>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace lunaplan {

namespace {

QByteArray readForParsing(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        const int number = file.exists() ? fileErrorNumber(file) : FileError::NotFound;
        throw FileError(number, u"ファイル「%1」を開けませんでした: %2"_s.arg(fileName, file.errorString()));
    }
    // One byte more than the reader accepts, so that it can refuse a larger file.
    QByteArray bytes;
    while (bytes.size() <= classfile::MaxBytes) {
        const QByteArray chunk = file.read(std::min<qint64>(1 << 20, classfile::MaxBytes + 1 - bytes.size()));
        if (chunk.isEmpty())
            break;
        bytes += chunk;
    }
    if (file.error() != QFileDevice::NoError)
        throw FileError(fileErrorNumber(file),
                        u"ファイル「%1」を読めませんでした: %2"_s.arg(fileName, file.errorString()));
    return bytes;
}

} // namespace

QString noDataToSaveMessage()
{
    return u"まだ保存するデータがありません。"_s;
}

QString notAClassFileMessage()
{
    return u"「Soraplan2002」のデータファイルではありません"_s;
}

void subSaveFile(AppState& state, Prompts& prompts)
{
    if (state.strFileName.isEmpty() || state.intYear == 0) {
        prompts.message(noDataToSaveMessage(), applicationTitle(), Prompts::Icon::None);
        return;
    }
    const QByteArray bytes = formatClassFile(captureClassFile(state));
    // Never replace a file by one that cannot be read back (a day of 29
    // February that the school year in the state does not have, a list longer
    // than a file may be): the FormatError names the line.
    parseClassFile(bytes);
    writeFileAtomically(state.strFileName, bytes);
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
