#ifndef PLATFORM_ACTIVEQT_QAXSCRIPT_H
#define PLATFORM_ACTIVEQT_QAXSCRIPT_H

// Declarations of the ActiveQt classes the Windows script host uses, for checking that
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

signals:
    void error(int code, const QString &description, int sourcePosition, const QString &sourceText);
};

class QAxBase
{
};

class QAxObject : public QObject, public QAxBase
{
    Q_OBJECT
public:
    explicit QAxObject(const QString &c, QObject *parent = nullptr);
    bool isNull() const;
};

class QAxScriptManager : public QObject
{
    Q_OBJECT
public:
    explicit QAxScriptManager(QObject *parent = nullptr);
    void addObject(QAxBase *object);
    QAxScript *load(const QString &file, const QString &name);
    QAxScript *load(const QString &code, const QString &name, const QString &language);
};

#endif // PLATFORM_ACTIVEQT_QAXSCRIPT_H
