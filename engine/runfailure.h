#ifndef RUNFAILURE_H
#define RUNFAILURE_H

#include <QString>
#include <QVariantMap>

// Why a run gave no verdict: its program could not be started, or it left no log of its own.
// The sentences are defined once, in runfailure.cpp: a report prints them as they stand, the
// pages show their translation (context "RunFailure").
struct RunFailure
{
    enum Kind {
        None,
        ProgramMissing, // the setup program or MsiExec is not where the run looks for it
        NotStarted, // it is there, but could not be started
        NoLog, // it ended without writing the run's log
        LogUnreadable, // it wrote the log, which cannot be read
    };

    Kind kind = None;
    bool bMsiExec = false; // the run's program: MsiExec, else the package's setup program
    QString strSubject; // the program or the log
    QString strReason; // the system's words, where it gave any

    explicit operator bool() const { return kind != None; }

    // The sentence for the user, untranslated ("The setup program was not found.").
    QString sentence() const;
    // The sentence, the program or log and the system's words: one line for a report or log.
    QString text() const;
    // For the pages: "kind" ("programMissing", "notStarted", "noLog", "logUnreadable"),
    // "sentence" (untranslated), "subject", "reason"; empty for None.
    QVariantMap toMap() const;
};

#endif // RUNFAILURE_H
