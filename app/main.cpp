#include "app/cnapplicationwindow.h"
#include "app/rootwindow.h"
#include "app/scenegraph.h"

#include <QApplication>
#include <QQmlEngine>

int main(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QApplication application(argc, argv);
    scenegraph::chooseRenderer();
    qmlRegisterType<CNApplicationWindow>("CNQml", 1, 0, "ApplicationWindow");
    RootWindow *pRootWindow = RootWindow::instance();
    if (pRootWindow)
        pRootWindow->loadLoader();
    return application.exec();
}
