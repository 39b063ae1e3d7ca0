#ifndef PLATFORM_ACTIVEQT_QAXSCRIPT_H
#define PLATFORM_ACTIVEQT_QAXSCRIPT_H

// Declarations of the two ActiveQt classes the Windows script host uses, for checking that
// source where ActiveQt is not installed. A Windows build uses the real header.

#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>

class QAxScript : public QObject
{
    Q_OBJECT
public:
    QVariant call(const QString &function, QList<QVariant> &arguments);
};

class QAxScriptManager : public QObject
{
    Q_OBJECT
public:
    explicit QAxScriptManager(QObject *parent = nullptr);
    QAxScript *load(const QString &file, const QString &name);
};

#endif // PLATFORM_ACTIVEQT_QAXSCRIPT_H
