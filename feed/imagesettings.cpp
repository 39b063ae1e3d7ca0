#include "feed/imagesettings.h"

#include "platform/network.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <algorithm>
#include <new>

namespace {
const QString c_strFeedBaseUrl = QStringLiteral("http://promo.zorva-devices.example/chipset/feed/");
const QString c_strDescriptorName = QStringLiteral("ImageArray.json");
const QString c_strDefaultTitle = QStringLiteral("Brisk Storage Boost");
const QString c_strDefaultDescription = QStringLiteral(
        "Brisk Storage Boost tunes every storage controller on your Zorva chipset for faster "
        "start-up and smoother file transfers.");
const QString c_strDefaultLink = QStringLiteral("http://www.zorva-devices.example/chipset");

constexpr qint64 c_iMaxDescriptorBytes = 1024 * 1024;
constexpr qint64 c_iMaxImageBytes = 16 * 1024 * 1024;

// A name that stays inside the folder it is written to: no separator, no drive or stream, no
// "." or "..", and none of the names that Windows takes for a device.
bool isPlainFileName(const QString &strName)
{
    static const QRegularExpression c_device(
            QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9]) *(\\..*)?$"),
            QRegularExpression::CaseInsensitiveOption);
    return !strName.isEmpty() && strName != QLatin1String(".") && strName != QLatin1String("..")
            && !strName.contains(QLatin1Char('/')) && !strName.contains(QLatin1Char('\\'))
            && !strName.contains(QLatin1Char(':')) && !strName.contains(QChar(0))
            && !c_device.match(strName).hasMatch();
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

ImageSettings *ImageSettings::instance()
{
    static ImageSettings *s_pInstance = nullptr;
    if (!s_pInstance) {
        s_pInstance = new (std::nothrow) ImageSettings;
        if (s_pInstance)
            s_pInstance->toInitializeVariables();
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
    m_bConnected = isInternetConnected();

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

void ImageSettings::getDirectoryInformation(QString strDirectoryPath)
{
    m_lstImages = QDir(strDirectoryPath)
                          .entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks,
                                         QDir::Name | QDir::Reversed);
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

void ImageSettings::mainFunc()
{
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

        if (compareVersionNumbers()) {
            QDir().mkpath(m_strFeedImageFolder);
            for (const QString &strName : qAsConst(m_vecNames))
                downloadfile(m_strFeedBaseUrl, strName, m_strFeedImageFolder);
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
    return c_iLinkNo >= 0 && c_iLinkNo < m_vecDescriptions.size() ? m_vecDescriptions.at(c_iLinkNo)
                                                                  : c_strDefaultDescription;
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
    if (!file.exists() || !file.open(QIODevice::ReadWrite | QIODevice::Text))
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

void ImageSettings::fetch(const QString &strSource, const QString &strName,
                          const QString &strDestinationPath, int iBoundMs, qint64 iMaxBytes)
{
    if (strSource.isNull() || strDestinationPath.isNull() || !isPlainFileName(strName))
        return;
    const int iTimeoutMs = remainingMs(iBoundMs);
    if (iTimeoutMs <= 0)
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
