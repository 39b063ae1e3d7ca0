// A stand-in parent installer: owns the parent's hidden window, starts the installer with
// "smartInstaller" and any further arguments, prints every event it receives, sends the
// position once the main window is loaded, and can close the installer's window.
#include "parentwindow.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Stand-in parent installer"));
    parser.addHelpOption();
    const QCommandLineOption program(
            QStringLiteral("program"), QStringLiteral("The installer to start."),
            QStringLiteral("path"),
            QCoreApplication::applicationDirPath() + QStringLiteral("/../Bin/ChipsetInstaller"));
    const QCommandLineOption x(QStringLiteral("x"), QStringLiteral("Position x."),
                               QStringLiteral("x"), QStringLiteral("300"));
    const QCommandLineOption y(QStringLiteral("y"), QStringLiteral("Position y."),
                               QStringLiteral("y"), QStringLiteral("200"));
    const QCommandLineOption noPosition(QStringLiteral("no-position"),
                                        QStringLiteral("Never send the position."));
    const QCommandLineOption closeAfter(
            QStringLiteral("close-after"),
            QStringLiteral("Send WM_CLOSE this long after the position."), QStringLiteral("ms"));
    const QCommandLineOption plainPosition(
            QStringLiteral("plain-position"),
            QStringLiteral("Send the position's number as a plain message."));
    const QCommandLineOption positionBytes(QStringLiteral("position-bytes"),
                                           QStringLiteral("Size of the position block."),
                                           QStringLiteral("n"), QStringLiteral("8"));
    const QCommandLineOption repeat(QStringLiteral("repeat-position"),
                                    QStringLiteral("Send the position this many times."),
                                    QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption positionInHandler(
            QStringLiteral("position-in-handler"),
            QStringLiteral("Send the position from inside the handler of main window loaded."));
    const QCommandLineOption noChild(QStringLiteral("no-child"),
                                     QStringLiteral("Only own the window; start nothing."));
    parser.addOptions({program, x, y, noPosition, closeAfter, plainPosition, positionBytes, repeat,
                       positionInHandler, noChild});
    parser.addPositionalArgument(QStringLiteral("arguments"),
                                 QStringLiteral("Further arguments for the installer."));
    parser.process(application);

    ParentWindow::Options options;
    options.bSendPosition = !parser.isSet(noPosition);
    options.position = QPoint(parser.value(x).toInt(), parser.value(y).toInt());
    options.iCloseAfterMs = parser.isSet(closeAfter) ? parser.value(closeAfter).toInt() : -1;
    options.bPlainPosition = parser.isSet(plainPosition);
    options.iPositionBytes = parser.value(positionBytes).toInt();
    options.iRepeatPosition = qMax(1, parser.value(repeat).toInt());
    options.bPositionInHandler = parser.isSet(positionInHandler);

    QTextStream out(stdout);
    ParentWindow window(options);
    if (!window.create()) {
        out << "cannot create the parent window" << Qt::endl;
        return 2;
    }
    out << "parent window ready" << Qt::endl;
    if (parser.isSet(noChild))
        return application.exec();

    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(&child, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished),
                     [&out](int iExitCode, QProcess::ExitStatus status) {
                         out << "child exit " << (status == QProcess::NormalExit ? iExitCode : -1)
                             << Qt::endl;
                         QCoreApplication::exit(0);
                     });
    QObject::connect(&child, &QProcess::errorOccurred, [&out](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            out << "child failed to start" << Qt::endl;
            QCoreApplication::exit(3);
        }
    });
    child.start(QDir::cleanPath(parser.value(program)),
                QStringList {QStringLiteral("smartInstaller")} + parser.positionalArguments());
    return application.exec();
}
