#include "feed/imagesettings.h"

#include "platform/diskwrite.h"
#include "platform/localfile.h"
#include "platform/network.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <algorithm>
#include <new>

namespace {
const QString c_strFeedBaseUrl = QStringLiteral("http://promo.zorva-devices.example/chipset/feed/");
const QString c_strDescriptorName = QStringLiteral("ImageArray.json");
// The caption of an image the feed does not describe. The title is a product's name and stays
// as it is; the description is shown in the user's language.
const QString c_strDefaultTitle = QStringLiteral("Brisk Storage Boost");
const char *const c_pszDefaultDescription = QT_TRANSLATE_NOOP(
        "ImageSettings",
        "Brisk Storage Boost tunes every storage controller on your Zorva chipset for faster "
        "start-up and smoother file transfers.");
const QString c_strDefaultLink = QStringLiteral("http://www.zorva-devices.example/chipset");

constexpr qint64 c_iMaxDescriptorBytes = 1024 * 1024;
// The store's bounds: each image, and all of them together.
constexpr qint64 c_iMaxImageBytes = 8 * 1024 * 1024;
constexpr qint64 c_iMaxStoreBytes = 32 * 1024 * 1024;
// The largest image the carousel decodes, well above its size on any screen at any scale.
constexpr int c_iMaxImageSide = 8192;
constexpr qint64 c_iMaxImagePixels = 16 * 1024 * 1024;

// False for an image whose header declares more pixels than the carousel could show: it is
// never decoded. An image whose header cannot be read is left to the carousel.
bool hasShowableSize(const QString &strPath)
{
    QImageReader reader(strPath);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (!size.isValid())
        return true;
    return size.width() <= c_iMaxImageSide && size.height() <= c_iMaxImageSide
            && qint64(size.width()) * size.height() <= c_iMaxImagePixels;
}

QString stringAt(const QJsonObject &entry, const char *key)
{
    return entry.value(QLatin1String(key)).toString();
}
} // namespace

ImageSettings::ImageSettings(const QString &strApplicationDirectory, QObject *parent)
    : QObject(parent)
    , m_strGivenDirectory(strApplicationDirectory)
{ }

ImageSettings *ImageSettings::instance(bool bUpdate)
{
    static ImageSettings *s_pInstance = nullptr;
    if (!s_pInstance) {
        s_pInstance = new (std::nothrow) ImageSettings;
        if (s_pInstance) {
            s_pInstance->m_bUpdate = bUpdate;
            s_pInstance->toInitializeVariables();
        }
    }
    return s_pInstance;
}

QString ImageSettings::feedBaseUrl() const
{
    return c_strFeedBaseUrl;
}

void ImageSettings::toInitializeVariables()
{
    m_strFeedBaseUrl = c_strFeedBaseUrl;
    m_bConnected = m_bUpdate && isInternetConnected();

    m_strApplicationDirectory = getPresentWorkingDirectory();
    m_strFallbackFolder = m_strApplicationDirectory + QStringLiteral("/DefaultImages");
    m_strDescriptorPath = m_strApplicationDirectory + QLatin1Char('/') + c_strDescriptorName;
    m_strPreviousDescriptorPath
            = m_strApplicationDirectory + QStringLiteral("/old_ImageArray.json");
    m_strFeedImageFolder = m_strApplicationDirectory + QStringLiteral("/GlobalImages/");
    m_strDefaultImageFolder = m_strApplicationDirectory + QStringLiteral("/DefaultImages");

    m_dCurrentVersion = 0;
    m_dPreviousVersion = 0;
    m_bCurrentValid = false;
    m_bPreviousValid = false;

    mainFunc();
}

bool ImageSettings::isInternetConnected()
{
    return platform::hasDefaultRoute();
}

QString ImageSettings::getPresentWorkingDirectory()
{
    QString strDirectory = QDir::fromNativeSeparators(
            m_strGivenDirectory.isEmpty() ? QCoreApplication::applicationDirPath()
                                          : m_strGivenDirectory);
    while (strDirectory.size() > 1 && strDirectory.endsWith(QLatin1Char('/')))
        strDirectory.chop(1);
    return strDirectory;
}

// Only the folder's own regular files, and none that would decode to more than the carousel
// shows; a folder that is itself a link lists nothing.
void ImageSettings::getDirectoryInformation(QString strDirectoryPath)
{
    m_lstImages.clear();
    if (platform::isLink(strDirectoryPath))
        return;
    const QFileInfoList lstFiles
            = QDir(strDirectoryPath)
                      .entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks,
                                     QDir::Name | QDir::Reversed);
    for (const QFileInfo &info : lstFiles) {
        if (info.isFile() && !info.isSymLink() && info.size() <= c_iMaxImageBytes
            && hasShowableSize(info.filePath()))
            m_lstImages.append(info);
    }
}

int ImageSettings::getNumberOfImagesInDirectory()
{
    m_iImageCount = m_lstImages.size();
    if (m_iImageCount < 3) {
        getDirectoryInformation(m_strFallbackFolder);
        m_iImageCount = m_lstImages.size();
    }
    return m_iImageCount;
}

// What downloads that ended half way (the program killed) left beside the files they were to
// replace: the descriptor's, and in the store those named as an image with an extension, as
// every image of the feed has, followed by a dot and six letters.
void ImageSettings::removeInterruptedDownloads()
{
    platform::removeInterruptedSaves(m_strDescriptorPath);
    if (platform::isLink(m_strFeedImageFolder.chopped(1)))
        return;
    const QFileInfoList lstEntries
            = QDir(m_strFeedImageFolder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &info : lstEntries) {
        const QString strSaved = platform::savedNameOf(info.fileName());
        if (strSaved.lastIndexOf(QLatin1Char('.')) > 0)
            QFile::remove(info.filePath());
    }
}

void ImageSettings::mainFunc()
{
    if (m_bUpdate)
        removeInterruptedDownloads();
    QString strFolderToShow = m_strDefaultImageFolder;
    if (m_bConnected) {
        m_deadline.setRemainingTime(std::max(0, m_limits.iTotalMs));

        // Fails while an earlier old_ImageArray.json is kept: both files then stay.
        if (QFile::exists(m_strDescriptorPath))
            QFile::rename(m_strDescriptorPath, m_strPreviousDescriptorPath);
        fetch(m_strFeedBaseUrl, c_strDescriptorName, m_strApplicationDirectory + QLatin1Char('/'),
              m_limits.iDescriptorMs, c_iMaxDescriptorBytes);

        readNewJsonFile();
        readOldJsonFile();

        if (compareVersionNumbers()
            && platform::makeOwnFolder(m_strApplicationDirectory, QStringLiteral("GlobalImages"))) {
            downloadFeedImages();
            strFolderToShow = m_strFeedImageFolder;
            strFolderToShow.chop(1);
            QFile::remove(m_strPreviousDescriptorPath);
        }
        m_deadline = QDeadlineTimer(QDeadlineTimer::Forever);
    }
    getDirectoryInformation(strFolderToShow);
}

QString ImageSettings::getImagePath(int c_iImgNo)
{
    if (c_iImgNo < 0 || c_iImgNo >= m_lstImages.size())
        return QString();
    return m_lstImages.at(c_iImgNo).filePath();
}

QString ImageSettings::getImageLink(int c_iLinkNo)
{
    return c_iLinkNo >= 0 && c_iLinkNo < m_vecLinks.size() ? m_vecLinks.at(c_iLinkNo)
                                                           : c_strDefaultLink;
}

QString ImageSettings::getImageTitle(int c_iLinkNo)
{
    return c_iLinkNo >= 0 && c_iLinkNo < m_vecTitles.size() ? m_vecTitles.at(c_iLinkNo)
                                                            : c_strDefaultTitle;
}

QString ImageSettings::getImageDescription(int c_iLinkNo)
{
    return c_iLinkNo >= 0 && c_iLinkNo < m_vecDescriptions.size()
            ? m_vecDescriptions.at(c_iLinkNo)
            : QCoreApplication::translate("ImageSettings", c_pszDefaultDescription);
}

void ImageSettings::readNewJsonFile()
{
    readJsonFile(m_strDescriptorPath, m_dCurrentVersion, m_bCurrentValid, true);
}

void ImageSettings::readOldJsonFile()
{
    readJsonFile(m_strPreviousDescriptorPath, m_dPreviousVersion, m_bPreviousValid, false);
}

void ImageSettings::readJsonFile(const QString &strPath, double &dVersion, bool &bValid,
                                 bool bKeepEntries)
{
    QFile file(strPath);
    if (!platform::openRegularFile(file, QIODevice::ReadWrite | QIODevice::Text))
        return;
    if (file.size() > c_iMaxDescriptorBytes)
        return;
    QByteArray data = file.readAll();
    file.close();
    const int iNul = data.indexOf('\0');
    if (iNul >= 0)
        data.truncate(iNul);

    const QJsonObject top = QJsonDocument::fromJson(data).object();
    const QString strImgData = QStringLiteral("ImgData");
    const QString strVersion = QStringLiteral("Version");
    if (!top.contains(strImgData) || !top.contains(strVersion))
        return;
    dVersion = top.value(strVersion).toDouble(0);
    if (dVersion < 0)
        return;
    bValid = true;

    const QJsonValue imgData = top.value(strImgData);
    if (!bKeepEntries || !imgData.isArray())
        return;
    const QJsonArray entries = imgData.toArray();
    m_vecNames.resize(entries.size());
    m_vecTitles.resize(entries.size());
    m_vecDescriptions.resize(entries.size());
    m_vecLinks.resize(entries.size());
    for (int i = 0; i < entries.size(); ++i) {
        const QJsonObject entry = entries.at(i).toObject();
        m_vecNames[i] = stringAt(entry, "ImgName");
        m_vecTitles[i] = stringAt(entry, "ImgTitle");
        m_vecDescriptions[i] = stringAt(entry, "ImgDescription");
        m_vecLinks[i] = stringAt(entry, "ImgHypLink");
    }
}

bool ImageSettings::compareVersionNumbers()
{
    return m_bConnected && m_bCurrentValid
            && (!m_bPreviousValid || m_dCurrentVersion >= m_dPreviousVersion);
}

void ImageSettings::downloadfile(QString strSource, QString strImageName,
                                 QString strDestinationPath)
{
    fetch(strSource, strImageName, strDestinationPath, m_limits.iImageMs, c_iMaxImageBytes);
}

// The feed's images in its order, within the store's bound; then the older images that still
// fit, newest first. The rest, and any link planted in the store, are removed.
void ImageSettings::downloadFeedImages()
{
    qint64 iStored = 0;
    QSet<QString> setKept;
    for (const QString &strName : qAsConst(m_vecNames)) {
        if (!platform::isPlainFileName(strName) || setKept.contains(strName))
            continue;
        const qint64 iRoom = std::min(c_iMaxImageBytes, c_iMaxStoreBytes - iStored);
        if (iRoom <= 0)
            break;
        fetch(m_strFeedBaseUrl, strName, m_strFeedImageFolder, m_limits.iImageMs, iRoom);
        const QFileInfo info(m_strFeedImageFolder + strName);
        if (info.isFile() && !info.isSymLink() && info.size() <= iRoom) {
            iStored += info.size();
            setKept.insert(strName);
        }
    }

    QFileInfoList lstOlder;
    const QFileInfoList lstEntries
            = QDir(m_strFeedImageFolder)
                      .entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Time);
    for (const QFileInfo &info : lstEntries) {
        if (info.isSymLink() || platform::isLink(info.filePath()))
            platform::removeLink(info.filePath());
        else if (info.isFile() && !setKept.contains(info.fileName()))
            lstOlder.append(info);
    }
    for (const QFileInfo &info : qAsConst(lstOlder)) {
        if (info.size() <= c_iMaxImageBytes && iStored + info.size() <= c_iMaxStoreBytes)
            iStored += info.size();
        else
            QFile::remove(info.filePath());
    }
}

void ImageSettings::fetch(const QString &strSource, const QString &strName,
                          const QString &strDestinationPath, int iBoundMs, qint64 iMaxBytes)
{
    if (strSource.isNull() || strDestinationPath.isNull() || !platform::isPlainFileName(strName))
        return;
    const int iTimeoutMs = remainingMs(iBoundMs);
    if (iTimeoutMs <= 0)
        return;
    // A link planted where the download goes would have its target overwritten.
    if (!platform::removeLink(strDestinationPath + strName))
        return;
    platform::downloadFile(strSource + strName, strDestinationPath + strName, iTimeoutMs,
                           iMaxBytes);
}

int ImageSettings::remainingMs(int iBoundMs) const
{
    if (m_deadline.isForever())
        return iBoundMs;
    return int(std::min<qint64>(iBoundMs, m_deadline.remainingTime()));
}
