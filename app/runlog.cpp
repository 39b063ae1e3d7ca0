#include "app/runlog.h"

#include "platform/localfile.h"

#include <QDateTime>

RunLog::RunLog(const QString &strPath)
    : m_file(strPath)
{
    if (!strPath.isEmpty())
        platform::openForAppend(m_file);
}

void RunLog::write(const QString &strStep)
{
    if (!m_file.isOpen())
        return;
    m_file.write(QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs).toUtf8() + ' '
                 + oneLine(strStep).toUtf8() + '\n');
    m_file.flush();
}

QString oneLine(const QString &strText)
{
    QString strLine;
    for (const QChar c : strText) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator
            || c == QChar::ParagraphSeparator)
            strLine += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            strLine += c;
    }
    return strLine;
}
