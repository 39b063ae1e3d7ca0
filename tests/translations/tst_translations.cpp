// The translations are complete: every text the program marks for translation has a finished
// translation in every language, which keeps the source's arguments (%1, %n) and markup.
#include <QDomDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A marked text: its context, its source and its disambiguation.
using MessageKey = std::tuple<QString, QString, QString>;

struct Message
{
    bool bFinished = false;
    QStringList lstTranslations;
};

QDomDocument readTs(const QString &strPath)
{
    QFile file(strPath);
    QDomDocument document;
    if (file.open(QIODevice::ReadOnly))
        document.setContent(&file);
    return document;
}

QMap<MessageKey, Message> messagesOf(const QDomDocument &document)
{
    QMap<MessageKey, Message> mapMessages;
    const QDomNodeList contexts = document.elementsByTagName(QStringLiteral("context"));
    for (int i = 0; i < contexts.size(); ++i) {
        const QDomElement context = contexts.at(i).toElement();
        const QString strContext = context.firstChildElement(QStringLiteral("name")).text();
        for (QDomElement message = context.firstChildElement(QStringLiteral("message"));
             !message.isNull(); message = message.nextSiblingElement(QStringLiteral("message"))) {
            const QDomElement translation
                    = message.firstChildElement(QStringLiteral("translation"));
            Message entry;
            entry.bFinished
                    = !translation.isNull() && !translation.hasAttribute(QStringLiteral("type"));
            const QDomNodeList forms = translation.elementsByTagName(QStringLiteral("numerusform"));
            if (forms.isEmpty())
                entry.lstTranslations << translation.text();
            for (int j = 0; j < forms.size(); ++j)
                entry.lstTranslations << forms.at(j).toElement().text();
            mapMessages.insert({strContext,
                                message.firstChildElement(QStringLiteral("source")).text(),
                                message.firstChildElement(QStringLiteral("comment")).text()},
                               entry);
        }
    }
    return mapMessages;
}

// What a translation must keep of its source: the arguments and the markup tags.
QStringList kept(const QString &strText)
{
    static const QRegularExpression c_kept(QStringLiteral("%L?\\d+|%n|<[^>]*>"));
    QStringList lstKept;
    QRegularExpressionMatchIterator it = c_kept.globalMatch(strText);
    while (it.hasNext())
        lstKept << it.next().captured();
    lstKept.sort();
    return lstKept;
}

QString describe(const MessageKey &key)
{
    return std::get<0>(key) + QStringLiteral(": \"") + std::get<1>(key) + QLatin1Char('"');
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyTextIsTranslated_data();
    void everyTextIsTranslated();

private:
    QMap<MessageKey, Message> m_mapMarked;
};

void TestTranslations::initTestCase()
{
    QTemporaryDir folder;
    const QString strMarked = folder.filePath(QStringLiteral("marked.ts"));
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(
            QStringLiteral(LUPDATE_PATH),
            QStringLiteral(TRANSLATED_FOLDERS).split(QLatin1Char(','))
                    + QStringList {QStringLiteral("-silent"), QStringLiteral("-ts"), strMarked});
    QVERIFY(lupdate.waitForFinished(60000));
    QVERIFY2(lupdate.exitCode() == 0, lupdate.readAll().constData());
    m_mapMarked = messagesOf(readTs(strMarked));
    QVERIFY(m_mapMarked.size() > 100);
}

void TestTranslations::everyTextIsTranslated_data()
{
    QTest::addColumn<QString>("path");
    const QStringList lstPaths = QStringLiteral(TRANSLATION_SOURCES).split(QLatin1Char(','));
    QVERIFY(lstPaths.size() >= 11);
    for (const QString &strPath : lstPaths)
        QTest::newRow(qPrintable(QFileInfo(strPath).completeBaseName())) << strPath;
}

void TestTranslations::everyTextIsTranslated()
{
    QFETCH(QString, path);
    const QDomDocument document = readTs(path);
    // Its plural forms follow the language it declares.
    const QLocale declared(document.documentElement().attribute(QStringLiteral("language")));
    const QLocale named(QFileInfo(path).completeBaseName().section(QLatin1Char('_'), 1));
    QVERIFY2(declared.language() == named.language() && declared.script() == named.script(),
             qPrintable(QStringLiteral("declares the language ") + declared.name()));
    const QMap<MessageKey, Message> mapTranslated = messagesOf(document);
    QStringList lstFaults;
    for (auto it = m_mapMarked.cbegin(); it != m_mapMarked.cend(); ++it) {
        const Message translated = mapTranslated.value(it.key());
        if (!translated.bFinished || translated.lstTranslations.contains(QString())) {
            lstFaults << describe(it.key()) + QStringLiteral(" has no translation");
            continue;
        }
        for (const QString &strTranslation : translated.lstTranslations) {
            if (kept(strTranslation) != kept(std::get<1>(it.key())))
                lstFaults << describe(it.key())
                                + QStringLiteral(" lost its arguments or markup in \"")
                                + strTranslation + QLatin1Char('"');
        }
    }
    QVERIFY2(lstFaults.isEmpty(), qPrintable(lstFaults.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
