#include "app/scenegraph.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QQuickWindow>
#include <QSGRendererInterface>

namespace {

bool openGLAvailable()
{
    QOpenGLContext context;
    if (!context.create())
        return false;
    QOffscreenSurface surface;
    surface.setFormat(context.format());
    surface.create();
    if (!surface.isValid() || !context.makeCurrent(&surface))
        return false;
    context.doneCurrent();
    return true;
}

void guard(QQuickWindow *pWindow)
{
    QObject::connect(pWindow, &QQuickWindow::sceneGraphError, pWindow,
                     [](QQuickWindow::SceneGraphError, const QString &strMessage) {
                         qWarning("Qt Quick cannot draw this window: %s", qPrintable(strMessage));
                     });
}

} // namespace

namespace scenegraph {

void chooseRenderer()
{
    if (!qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        return;
    if (!openGLAvailable())
        QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
}

void surviveErrors(QObject *pWindow)
{
    if (!pWindow)
        return;
    if (QQuickWindow *pQuickWindow = qobject_cast<QQuickWindow *>(pWindow))
        guard(pQuickWindow);
    const QList<QQuickWindow *> lstInner = pWindow->findChildren<QQuickWindow *>();
    for (QQuickWindow *pInner : lstInner)
        guard(pInner);
}

} // namespace scenegraph
