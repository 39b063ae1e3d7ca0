#ifndef TESTS_FEEDSERVER_H
#define TESTS_FEEDSERVER_H

#include <QByteArray>
#include <QHash>
#include <QStringList>
#include <QTcpServer>

class QTcpSocket;

// An HTTP server on 127.0.0.1 that the download reaches as its proxy (http_proxy), so requests
// arrive with an absolute URI. Files are served by path; any other path answers 404. One
// request per connection.
class FeedServer : public QTcpServer
{
    Q_OBJECT

public:
    enum class Mode {
        Serve, // the body, whole
        Stall, // accept, read the request, answer nothing
        Trickle, // a success header, then one byte every 50 ms, never ending
        Flood, // a success header, then data as fast as the socket takes it, never ending
        Truncate, // announce the whole body, send half of it, close
        Redirect // 302 to the body taken as the new location
    };

    struct File
    {
        QByteArray body;
        int iStatus = 200;
        Mode mode = Mode::Serve;
    };

    explicit FeedServer(quint16 iPort = 0);

    // Points http_proxy at this server while the object lives.
    void becomeProxy();

    void setFile(const QString &strPath, const QByteArray &body, int iStatus = 200);
    void setMode(const QString &strPath, Mode mode, const QByteArray &body = QByteArray());
    void removeFile(const QString &strPath) { m_files.remove(strPath); }

    // Paths requested so far, in order.
    QStringList requests() const { return m_lstRequests; }
    void clearRequests() { m_lstRequests.clear(); }

    ~FeedServer() override;

private:
    void answer(QTcpSocket *socket);
    static void flood(QTcpSocket *socket);

    QHash<QString, File> m_files;
    QStringList m_lstRequests;
    QByteArray m_oldProxy;
    bool m_bHadProxy = false;
    bool m_bProxying = false;
};

#endif // TESTS_FEEDSERVER_H
