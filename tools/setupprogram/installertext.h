#ifndef INSTALLERTEXT_H
#define INSTALLERTEXT_H

#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

// What the setup program reads from its arguments, as the real one does.
namespace installertext {

using Properties = QVector<QPair<QString, QString>>;

struct Reading
{
    bool bValid = false;
    QString strError; // why the command line is refused
    QString strText; // the "/v" argument without "/v": the text for Windows Installer
    Properties properties; // NAME=VALUE pairs of the text, in order
    QStringList lstOptions; // the text's options, such as "/qr"
};

// The arguments are "/S", one "/v" argument and "/clone_wait", each at most once. The text after
// "/v" holds blank-separated NAME=VALUE pairs, where a value with blanks stands in double quotes
// and "" inside them is one quote, and options starting with "/" that take no parameter.
// Anything else makes the command line invalid.
Reading read(const QStringList &lstArguments);

QString valueOf(const Properties &properties, const QString &strName);

} // namespace installertext

#endif // INSTALLERTEXT_H
