#include "app/scenegraph.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QQuickWindow>
#include <QSGRendererInterface>

namespace {

// OpenGL drawn by the processor, as virtual machines and remote sessions offer it: slower for
// these pages than Qt Quick's own software renderer (seconds to the first window).
bool isSoftwareRasterizer(const QByteArray &renderer)
{
    static const char *const c_apszRasterizers[]
            = {"llvmpipe",    "softpipe",    "Software Rasterizer",
               "SwiftShader", "GDI Generic", "Basic Render Driver"};
    for (const char *pszRasterizer : c_apszRasterizers)
        if (renderer.contains(pszRasterizer))
            return true;
    return false;
}

// True when an OpenGL context can be created and made current on a graphics processor.
bool hardwareOpenGL()
{
    QOpenGLContext context;
    if (!context.create())
        return false;
    QOffscreenSurface surface;
    surface.setFormat(context.format());
    surface.create();
    if (!surface.isValid() || !context.makeCurrent(&surface))
        return false;
    const QByteArray renderer(
            reinterpret_cast<const char *>(context.functions()->glGetString(GL_RENDERER)));
    context.doneCurrent();
    return !isSoftwareRasterizer(renderer);
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
    if (!hardwareOpenGL())
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
