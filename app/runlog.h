#ifndef RUNLOG_H
#define RUNLOG_H

#include <QFile>
#include <QString>

// The unattended run's own log (/log): UTF-8, one line per step with its UTC time, appended to
// what earlier runs left.
class RunLog
{
public:
    // Opens strPath for appending by the rules of platform::openForAppend(); nothing is written
    // when strPath is empty.
    explicit RunLog(const QString &strPath);

    // Whether a log was asked for but cannot be written.
    bool failed() const { return !m_file.fileName().isEmpty() && !m_file.isOpen(); }

    void write(const QString &strStep);

private:
    QFile m_file;
};

// The text with its control characters escaped, so that an argument quoted in it cannot break
// the line.
QString oneLine(const QString &strText);

#endif // RUNLOG_H
