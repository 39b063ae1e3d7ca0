#include "platform/scripthost/filesystem.h"

#include "platform/localfile.h"
#include "vbscript/hostobject.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <map>

namespace vbscript::hosts {

namespace {

constexpr int c_iForReading = 1;
constexpr int c_iForWriting = 2;
constexpr int c_iForAppending = 8;

constexpr qint32 c_iBadFileMode = 54;
constexpr qint32 c_iFileNotFound = 53;
constexpr qint32 c_iInputPastEnd = 62;
constexpr qint32 c_iPermissionDenied = 70;
constexpr qint32 c_iPathNotFound = 76;
constexpr qint64 c_iMaxReadSize = 16 * 1024 * 1024;

class TextStream : public HostObject
{
public:
    TextStream(std::shared_ptr<QFile> file, bool bWrite)
        : m_file(std::move(file))
        , m_bWrite(bWrite)
    { }

    QString typeName() const override { return QStringLiteral("TextStream"); }

    Value callMethod(const QString &strName, Arguments &args) override
    {
        if (nameIs(strName, QLatin1String("Close"))) {
            args.expectCount(0);
            m_file.reset();
            return Value();
        }
        if (!m_file)
            raiseError(c_iBadFileMode, QStringLiteral("Bad file mode"));
        if (nameIs(strName, QLatin1String("WriteLine"))) {
            args.expectCount(0, 1);
            write(args.isEmpty() ? QString() : args[0].toString(), true);
            return Value();
        }
        if (nameIs(strName, QLatin1String("Write"))) {
            args.expectCount(1);
            write(args[0].toString());
            return Value();
        }
        if (nameIs(strName, QLatin1String("AtEndOfStream"))) {
            args.expectCount(0);
            expectReading();
            return Value(m_file->atEnd());
        }
        if (nameIs(strName, QLatin1String("ReadLine"))) {
            args.expectCount(0);
            expectReading();
            if (m_file->atEnd())
                raiseError(c_iInputPastEnd, QStringLiteral("Input past end of file"));
            QByteArray line = m_file->readLine(c_iMaxReadSize);
            while (line.endsWith('\n') || line.endsWith('\r'))
                line.chop(1);
            return Value(QString::fromLocal8Bit(line));
        }
        if (nameIs(strName, QLatin1String("ReadAll"))) {
            args.expectCount(0);
            expectReading();
            return Value(QString::fromLocal8Bit(m_file->read(c_iMaxReadSize)));
        }
        unsupported(strName);
    }

    Value getProperty(const QString &strName, Arguments &args) override
    {
        return callMethod(strName, args);
    }

private:
    void expectReading() const
    {
        if (m_bWrite)
            raiseError(c_iBadFileMode, QStringLiteral("Bad file mode"));
    }

    void write(const QString &strText, bool bLine = false)
    {
        if (!m_bWrite)
            raiseError(c_iBadFileMode, QStringLiteral("Bad file mode"));
        QByteArray data = strText.toLocal8Bit();
        if (bLine)
            data.append("\r\n");
        if (m_file->write(data) != data.size() || !m_file->flush())
            raiseError(c_iPermissionDenied, QStringLiteral("Permission denied"));
    }

    std::shared_ptr<QFile> m_file;
    bool m_bWrite;
};

// Why a file could not be opened, in the scripting runtime's terms.
[[noreturn]] void raiseOpenError(const QString &strPath, bool bMustExist)
{
    const QFileInfo info(strPath);
    if (strPath.isEmpty() || !info.absoluteDir().exists())
        raiseError(c_iPathNotFound, QStringLiteral("Path not found"));
    if (bMustExist && !info.exists())
        raiseError(c_iFileNotFound, QStringLiteral("File not found"));
    raiseError(c_iPermissionDenied, QStringLiteral("Permission denied"));
}

std::shared_ptr<QFile> openFile(const QString &strPath, int iMode, bool bCreate)
{
    if (iMode != c_iForReading && iMode != c_iForWriting && iMode != c_iForAppending)
        raiseError(errors::InvalidProcedureCall,
                   QStringLiteral("Invalid procedure call or argument"));
    const QString path = localPath(strPath);
    // Opening for writing creates the file, so look first when it must already be there.
    if (!bCreate && iMode != c_iForReading && !QFileInfo::exists(path))
        raiseOpenError(path, true);

    auto file = std::make_shared<QFile>(path);
    QIODevice::OpenMode mode = QIODevice::ReadOnly;
    if (iMode == c_iForWriting)
        mode = QIODevice::WriteOnly | QIODevice::Truncate;
    else if (iMode == c_iForAppending)
        mode = QIODevice::WriteOnly | QIODevice::Append;
    // Only regular files open, never blocking on a FIFO; a folder, a device or, for writing, a
    // link or a file in a linked folder gives "Permission denied" below.
    const auto opened = [&] {
        if (iMode == c_iForReading)
            return platform::openRegularFile(*file, mode);
        if (iMode == c_iForAppending)
            return platform::openForAppend(*file);
        const QFileInfo info(path);
        return !platform::isLink(path) && !platform::isLink(info.absolutePath())
                && (!info.exists() || info.isFile()) && file->open(mode);
    };
    if (path.isEmpty() || !opened()) {
        // Reading with create makes an empty file first, as the scripting runtime does.
        if (iMode == c_iForReading && bCreate && !QFileInfo::exists(path) && !platform::isLink(path)
            && !platform::isLink(QFileInfo(path).absolutePath())
            && file->open(QIODevice::WriteOnly)) {
            file->close();
            platform::openRegularFile(*file, mode);
        }
        if (!file->isOpen())
            raiseOpenError(path, iMode == c_iForReading);
    }
    return file;
}

class FileSystem : public HostObject
{
public:
    QString typeName() const override { return QStringLiteral("FileSystemObject"); }

    Value callMethod(const QString &strName, Arguments &args) override
    {
        if (nameIs(strName, QLatin1String("FileExists"))) {
            args.expectCount(1);
            const QFileInfo info(localPath(args[0].toString()));
            return Value(info.exists() && !info.isDir());
        }
        if (nameIs(strName, QLatin1String("FolderExists"))) {
            args.expectCount(1);
            return Value(QFileInfo(localPath(args[0].toString())).isDir());
        }
        if (nameIs(strName, QLatin1String("OpenTextFile"))) {
            args.expectCount(1, 4);
            const int iMode
                    = args.count() > 1 && !args[1].isEmpty() ? args[1].toLong() : c_iForReading;
            const bool bCreate = args.count() > 2 && !args[2].isEmpty() && args[2].toBool();
            return Value(ObjectPtr(std::make_shared<TextStream>(
                    open(args[0].toString(), iMode, bCreate), iMode != c_iForReading)));
        }
        unsupported(strName);
    }

    Value getProperty(const QString &strName, Arguments &args) override
    {
        return callMethod(strName, args);
    }

private:
    // A log appended to line by line is opened once: closing its stream flushes it and keeps
    // the file open for the next append, as long as the file is still there. The files are
    // kept by their local path, whatever the spelling; the last spelling's local path is kept.
    std::shared_ptr<QFile> open(const QString &strPath, int iMode, bool bCreate)
    {
        if (iMode != c_iForAppending)
            return openFile(strPath, iMode, bCreate);
        if (strPath != m_strLastPath) {
            m_strLastPath = strPath;
            m_strLastLocalPath = localPath(strPath);
        }
        const QString &path = m_strLastLocalPath;
        const auto it = m_appendFiles.find(path);
        if (it != m_appendFiles.end() && it->second->isOpen() && platform::pathExists(path))
            return it->second;
        std::shared_ptr<QFile> file = openFile(strPath, iMode, bCreate);
        m_appendFiles[path] = file;
        return file;
    }

    std::map<QString, std::shared_ptr<QFile>> m_appendFiles;
    QString m_strLastPath;
    QString m_strLastLocalPath;
};

} // namespace

QString localPath(const QString &strPath)
{
    QString path = strPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path;
}

Value fileSystemObject()
{
    return Value(ObjectPtr(std::make_shared<FileSystem>()));
}

} // namespace vbscript::hosts
