#ifndef STARTUPFAILURE_H
#define STARTUPFAILURE_H

#include <QString>
#include <QVariantMap>

// Why the engine could not start on this machine. Nothing is offered then, and the engine
// writes nothing more: a machine whose log folder, registry or detection fails is not one that
// needs no driver.
struct StartupFailure
{
    enum Kind {
        None,
        Environment, // "SystemDrive" names no usable drive
        LogFolder, // the log folder cannot be made or written
        Registry, // the start-up's registry value cannot be written
        Detection, // the detection script stopped with an error
    };

    Kind kind = None;
    QString strSubject; // what could not be used: the drive, the folder, the value
    QString strReason; // why, in the system's words

    explicit operator bool() const { return kind != None; }

    // One line for a log, standard error or a report.
    QString text() const;
    // For the pages, which word it themselves: "kind" ("environment", "logFolder", "registry" or
    // "detection"), "subject", "reason"; empty for None.
    QVariantMap toMap() const;
};

#endif // STARTUPFAILURE_H
