#include "storage/atomicfile.h"

#include "storage/fileerrors.h"

#include <QSaveFile>

#include <cerrno>

using namespace Qt::StringLiterals;

namespace lunaplan {

void writeFileAtomically(const QString& fileName, const QByteArray& bytes)
{
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

} // namespace lunaplan
