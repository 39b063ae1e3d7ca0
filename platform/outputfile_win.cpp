#include "platform/outputfile.h"

#include "platform/diskwrite.h"
#include "platform/localfile.h"
#include "platform/outputfile_detail.h"
#include "platform/win32/filereplace.h"
#include "platform/win32/reparsepoint.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace platform {

namespace {

using namespace outputfile_detail;

// A file name's limit on NTFS, and a whole path's (with the "\\?\" form Qt uses for long ones).
constexpr int c_iMaxNameLength = 255;
constexpr int c_iMaxPathLength = 32000;

std::wstring nativePath(const QString &strPath)
{
    return QDir::toNativeSeparators(strPath).toStdWString();
}

void removeTemporaryFilesOf(const QFileInfo &info)
{
    const QFileInfoList entries = info.absoluteDir().entryInfoList(
            {QStringLiteral(".ChipsetInstaller-*.tmp")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &entry : entries) {
        if (isTemporaryNameFor(entry.fileName(), info.fileName())
            && !win32::isReparsePoint(nativePath(entry.filePath())))
            QFile::remove(entry.filePath());
    }
}

} // namespace

QString outputPathProblem(const QString &strPath)
{
    if (strPath.isEmpty())
        return QStringLiteral("the file name is empty");
    const QFileInfo info(strPath);
    if (!isEncodable(strPath) || !isPlainFileName(info.fileName()))
        return QStringLiteral("%1 is not a name Windows can hold").arg(quoted(strPath));
    if (info.fileName().size() > c_iMaxNameLength
        || info.absoluteFilePath().size() > c_iMaxPathLength)
        return QStringLiteral("%1 is too long for this system").arg(quoted(strPath));
    const std::wstring path = nativePath(info.absoluteFilePath());
    if (win32::isReparsePoint(path))
        return QStringLiteral("%1 is a link").arg(quoted(strPath));
    if (info.isDir())
        return QStringLiteral("%1 is a folder").arg(quoted(strPath));
    if (info.exists() && !win32::isPlainDiskFile(path))
        return QStringLiteral("%1 is not a regular file").arg(quoted(strPath));
    if (info.exists() && !info.isWritable())
        return QStringLiteral("%1 cannot be written").arg(quoted(strPath));
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir())
        return QStringLiteral("the folder of %1 does not exist").arg(quoted(strPath));
    if (win32::isReparsePoint(nativePath(folder.absoluteFilePath())))
        return QStringLiteral("the folder of %1 is a link").arg(quoted(strPath));
    if (!folder.isWritable())
        return QStringLiteral("%1 cannot be written").arg(quoted(strPath));
    return QString();
}

bool outputfile_detail::replaceFile(const QString &strPath, const QByteArray &data,
                                    QString *pstrReason)
{
    const auto fail = [pstrReason](const QString &strReason) {
        *pstrReason = strReason;
        return false;
    };
    const QFileInfo info(strPath);
    removeTemporaryFilesOf(info);

    QFile temporary(info.absolutePath() + QLatin1Char('/') + temporaryNameFor(info.fileName()));
    if (!temporary.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return fail(QStringLiteral("%1 cannot be written: %2")
                            .arg(quoted(strPath), temporary.errorString()));
    const bool bWritten = writeWhole(temporary, data);
    const QString strWriteError = temporary.errorString();
    temporary.close();
    QString strFailure;
    if (!bWritten || temporary.error() != QFileDevice::NoError)
        strFailure = QStringLiteral("%1 cannot be written: %2").arg(quoted(strPath), strWriteError);
    // Whatever came to stand at the path meanwhile is not a regular file to replace.
    else if (!outputPathProblem(strPath).isEmpty())
        strFailure = outputPathProblem(strPath);
    std::wstring strMoveError;
    if (strFailure.isEmpty()
        && !win32::replaceFile(nativePath(temporary.fileName()),
                               nativePath(info.absoluteFilePath()), &strMoveError))
        strFailure = QStringLiteral("%1 cannot be replaced: %2")
                             .arg(quoted(strPath), QString::fromStdWString(strMoveError));
    if (!strFailure.isEmpty()) {
        temporary.remove();
        return fail(strFailure);
    }
    return true;
}

} // namespace platform
