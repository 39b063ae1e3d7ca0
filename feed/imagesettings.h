#ifndef FEED_IMAGESETTINGS_H
#define FEED_IMAGESETTINGS_H

#include <QDeadlineTimer>
#include <QFileInfoList>
#include <QObject>
#include <QString>
#include <QVector>

// The promotional images behind the pages: checks for a default route, fetches the feed
// descriptor and its images into the program's folder, falls back to the images shipped with
// the package, and answers each image's path, title, description and link by position.
class ImageSettings : public QObject
{
    Q_OBJECT

public:
    // Upper bounds of the feed update, in milliseconds.
    struct TimeLimits
    {
        int iDescriptorMs = 10000;
        int iImageMs = 10000;
        int iTotalMs = 30000;
    };

    // strApplicationDirectory is the program's folder; empty means the running program's own.
    explicit ImageSettings(const QString &strApplicationDirectory = QString(),
                           QObject *parent = nullptr);

    // The process's one instance, set up on first use, with the feed update unless bUpdate is
    // false (the images shipped with the package show then); null when it cannot be created.
    static ImageSettings *instance(bool bUpdate = true);

    void setTimeLimits(const TimeLimits &limits) { m_limits = limits; }
    QString feedBaseUrl() const;

public slots:
    void toInitializeVariables();
    bool isInternetConnected();
    QString getPresentWorkingDirectory();
    void getDirectoryInformation(QString strDirectoryPath);
    int getNumberOfImagesInDirectory();
    void mainFunc();
    QString getImagePath(int c_iImgNo);
    QString getImageLink(int c_iLinkNo);
    QString getImageTitle(int c_iLinkNo);
    QString getImageDescription(int c_iLinkNo);
    void readNewJsonFile();
    void readOldJsonFile();
    bool compareVersionNumbers();
    void downloadfile(QString strSource, QString strImageName, QString strDestinationPath);

private:
    void removeInterruptedDownloads();
    void downloadFeedImages();
    void readJsonFile(const QString &strPath, double &dVersion, bool &bValid, bool bKeepEntries);
    void fetch(const QString &strSource, const QString &strName, const QString &strDestinationPath,
               int iBoundMs, qint64 iMaxBytes);
    int remainingMs(int iBoundMs) const;

    QString m_strGivenDirectory;
    bool m_bUpdate = true;
    bool m_bConnected = false;
    QString m_strApplicationDirectory;
    QString m_strFallbackFolder;
    QFileInfoList m_lstImages;
    int m_iImageCount = 0;
    QVector<QString> m_vecLinks;
    QVector<QString> m_vecTitles;
    QVector<QString> m_vecDescriptions;
    QVector<QString> m_vecNames;
    double m_dCurrentVersion = 0;
    double m_dPreviousVersion = 0;
    bool m_bCurrentValid = false;
    bool m_bPreviousValid = false;
    QString m_strFeedBaseUrl;
    QString m_strDescriptorPath;
    QString m_strPreviousDescriptorPath;
    QString m_strFeedImageFolder;
    QString m_strDefaultImageFolder;

    TimeLimits m_limits;
    QDeadlineTimer m_deadline {QDeadlineTimer::Forever}; // of the feed update under way
};

#endif // FEED_IMAGESETTINGS_H
