#include "storage/fileerrors.h"

#include "core/errors.h"

#include <cerrno>

using namespace Qt::StringLiterals;

namespace lunaplan {

namespace {

QString reasonOfKind(QFileDevice::FileError kind, FileAccess access)
{
    switch (kind) {
    case QFileDevice::ReadError:
        return u"読み込み中にエラーが発生しました"_s;
    case QFileDevice::WriteError:
        return u"書き込み中にエラーが発生しました"_s;
    case QFileDevice::ResourceError:
        return access == FileAccess::Write ? u"ディスクがいっぱいです"_s : u"システムの資源が足りません"_s;
    case QFileDevice::PermissionsError:
        return access == FileAccess::Write ? u"書き込みの権限がありません"_s
                                           : u"読み込みの権限がありません"_s;
    case QFileDevice::RenameError:
        return u"ファイルを置き換えられませんでした"_s;
    case QFileDevice::OpenError:
        return u"ファイルを開けませんでした"_s;
    default:
        return u"原因のわからないエラーが発生しました"_s;
    }
}

} // namespace

QString fileErrorReason(int systemError, QFileDevice::FileError kind, FileAccess access)
{
    switch (systemError) {
    case ENOENT:
    case ENOTDIR:
        return access == FileAccess::Write ? u"保存先のフォルダーが見つかりません"_s
                                           : u"ファイルが見つかりません"_s;
    case EACCES:
    case EPERM:
        return access == FileAccess::Write ? u"書き込みの権限がありません"_s
                                           : u"読み込みの権限がありません"_s;
    case EROFS:
        return u"読み取り専用の場所には書き込めません"_s;
    case ENOSPC:
    case EDQUOT:
        return u"ディスクがいっぱいです"_s;
    case EFBIG:
        return u"ファイルが大きすぎます"_s;
    case EISDIR:
        return u"ファイルではなくフォルダーです"_s;
    case ENAMETOOLONG:
        return u"ファイル名が長すぎます"_s;
    case EMFILE:
    case ENFILE:
        return u"開いているファイルが多すぎます"_s;
    case EIO:
        return u"ディスクの読み書きでエラーが発生しました"_s;
    case EBUSY:
    case ETXTBSY:
        return u"ファイルが使用中です"_s;
    default:
        return reasonOfKind(kind, access);
    }
}

int fileErrorNumber(int systemError, QFileDevice::FileError kind, FileAccess access)
{
    switch (systemError) {
    case ENOENT:
    case ENOTDIR:
        return access == FileAccess::Read ? FileError::NotFound : FileError::PathAccess;
    case EACCES:
    case EPERM:
    case EROFS:
        return FileError::AccessDenied;
    case ENOSPC:
    case EDQUOT:
        return FileError::DiskFull;
    default:
        break;
    }
    switch (kind) {
    case QFileDevice::ResourceError:
        return access == FileAccess::Write ? FileError::DiskFull : FileError::PathAccess;
    case QFileDevice::PermissionsError:
        return FileError::AccessDenied;
    default:
        return FileError::PathAccess;
    }
}

void throwFileError(int systemError, QFileDevice::FileError kind, FileAccess access, const QString& fileName,
                    const QString& what)
{
    throw FileError(
        fileErrorNumber(systemError, kind, access),
        u"ファイル「%1」を%2: %3"_s.arg(fileName, what, fileErrorReason(systemError, kind, access)));
}

} // namespace lunaplan
