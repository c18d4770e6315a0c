#include "storage/atomicfile.h"

#include "core/errors.h"

#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace lunaplan {

int fileErrorNumber(const QFileDevice& file)
{
    switch (file.error()) {
    case QFileDevice::ResourceError: // no space left, too many open files
        return FileError::DiskFull;
    case QFileDevice::PermissionsError:
        return FileError::AccessDenied;
    default:
        return FileError::PathAccess;
    }
}

void writeFileAtomically(const QString& fileName, const QByteArray& bytes)
{
    QSaveFile file(fileName);
    const auto fail = [&](const QString& what) {
        const FileError error(fileErrorNumber(file),
                              u"ファイル「%1」を%2: %3"_s.arg(fileName, what, file.errorString()));
        file.cancelWriting();
        throw error;
    };
    // Unbuffered: QSaveFile::commit() does not notice a failure of its own
    // final flush and would put a cut-off file in place. Without a buffer each
    // write reaches the system at once, and a short write is retried so that
    // the failure that caused it is reported with its reason.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        fail(u"保存のために開けませんでした"_s);
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            fail(u"書き込めませんでした"_s);
        done += static_cast<qsizetype>(written);
    }
    if (!file.commit())
        fail(u"保存できませんでした"_s);
}

} // namespace lunaplan
