#include "storage/atomicfile.h"

#include "core/errors.h"
#include "storage/fileerrors.h"

#include <QByteArrayView>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

using namespace Qt::StringLiterals;

namespace lunaplan {

namespace {

[[noreturn]] void refuse(const QString& fileName, const QString& reason)
{
    throw FileError(FileError::PathAccess,
                    u"ファイル「%1」を保存できませんでした: %2"_s.arg(fileName, reason));
}

// QSaveFile would rename its temporary file over whatever has the name: an
// input of the same operation, a FIFO or a device node alike.
void checkTarget(const QString& fileName, const QStringList& inputs)
{
    const QFileInfo target(fileName);
    if (!target.exists())
        return; // nothing to lose; every input exists, it has been read
    const QString canonical = target.canonicalFilePath();
    for (const QString& input : inputs) {
        if (!input.isEmpty() && QFileInfo(input).canonicalFilePath() == canonical)
            refuse(fileName, u"読み込み元のファイルと同じです"_s);
    }
    if (target.isDir())
        refuse(fileName, fileErrorReason(EISDIR, QFileDevice::OpenError, FileAccess::Write));
    if (!target.isFile())
        refuse(fileName, u"通常のファイルではありません（装置や名前付きパイプには保存しません）"_s);
    // QSaveFile refuses a read-only file without an error number of its own.
    if (!target.isWritable())
        throwFileError(EACCES, QFileDevice::PermissionsError, FileAccess::Write, fileName,
                       u"保存のために開けませんでした"_s);
}

// One file being written: a QSaveFile that is either committed whole or, when
// anything fails (or an exception passes), discarded with its temporary file.
class AtomicWriter {
public:
    AtomicWriter(const QString& fileName, const QStringList& inputs)
        : m_file(fileName)
    {
        checkTarget(fileName, inputs);
        // Unbuffered: QSaveFile::commit() does not notice a failure of its own
        // final flush and would put a cut-off file in place. Without a buffer
        // each write reaches the system at once, and a short write is retried
        // so that the failure that caused it is reported with its reason.
        errno = 0;
        if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            fail(u"保存のために開けませんでした"_s);
    }

    void write(QByteArrayView bytes)
    {
        for (qsizetype done = 0; done < bytes.size();) {
            errno = 0;
            const qint64 written = m_file.write(bytes.data() + done, bytes.size() - done);
            if (written <= 0)
                fail(u"書き込めませんでした"_s);
            done += static_cast<qsizetype>(written);
        }
    }

    void commit()
    {
        errno = 0;
        if (!m_file.commit())
            fail(u"保存できませんでした"_s);
    }

private:
    [[noreturn]] void fail(const QString& what)
    {
        const int systemError = errno;
        const QFileDevice::FileError kind = m_file.error();
        m_file.cancelWriting();
        throwFileError(systemError, kind, FileAccess::Write, m_file.fileName(), what);
    }

    QSaveFile m_file;
};

} // namespace

void writeFileAtomically(const QString& fileName, const QByteArray& bytes, const QStringList& inputs)
{
    AtomicWriter file(fileName, inputs);
    file.write(bytes);
    file.commit();
}

void copyFileAtomically(const QString& source, const QString& target)
{
    QFile from(source);
    errno = 0;
    if (!from.open(QIODevice::ReadOnly))
        throwFileError(errno, from.error(), FileAccess::Read, source, u"開けませんでした"_s);
    AtomicWriter to(target, {source});
    QByteArray chunk(1 << 16, Qt::Uninitialized);
    for (;;) {
        errno = 0;
        const qint64 got = from.read(chunk.data(), chunk.size());
        if (got < 0)
            throwFileError(errno, from.error(), FileAccess::Read, source, u"読めませんでした"_s);
        if (got == 0)
            break;
        to.write(QByteArrayView(chunk.constData(), static_cast<qsizetype>(got)));
    }
    to.commit();
}

} // namespace lunaplan
