#include "storage/classfile.h"

#include "core/appstate.h"
#include "core/errors.h"
#include "storage/classfilereader.h"
#include "storage/classfilewriter.h"
#include "storage/fileerrors.h"
#include "storage/prompts.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>

using namespace Qt::StringLiterals;

namespace lunaplan {

namespace {

// A refusal of the file system as FileError, its reason in Japanese. The
// system's error number is taken right after the failing call (errno is
// cleared before it), so that the reason says what really happened.
[[noreturn]] void throwFileError(int systemError, QFileDevice::FileError kind, FileAccess access,
                                 const QString& fileName, const QString& what)
{
    throw FileError(
        fileErrorNumber(systemError, kind, access),
        u"ファイル「%1」を%2: %3"_s.arg(fileName, what, fileErrorReason(systemError, kind, access)));
}

void writeFileAtomically(const QString& fileName, const QByteArray& bytes)
{
    // The bytes go to a temporary file beside the target, which replaces the
    // target only when everything has been written and flushed.
    QSaveFile file(fileName);
    const auto fail = [&](const QString& what) {
        const int systemError = errno;
        const QFileDevice::FileError kind = file.error();
        file.cancelWriting();
        throwFileError(systemError, kind, FileAccess::Write, fileName, what);
    };
    // Unbuffered: QSaveFile::commit() does not notice a failure of its own
    // final flush and would put a cut-off file in place. Without a buffer each
    // write reaches the system at once, and a short write is retried so that
    // the failure that caused it is reported with its reason.
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        fail(u"保存のために開けませんでした"_s);
    for (qsizetype done = 0; done < bytes.size();) {
        errno = 0;
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            fail(u"書き込めませんでした"_s);
        done += static_cast<qsizetype>(written);
    }
    errno = 0;
    if (!file.commit())
        fail(u"保存できませんでした"_s);
}

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
