#ifndef SCENEGRAPH_H
#define SCENEGRAPH_H

class QObject;

// How Qt Quick draws. Installers run in virtual machines and remote sessions without a GPU,
// where Qt Quick would end the process for want of an OpenGL context.
namespace scenegraph {

// Before the first Qt Quick window: selects the software renderer unless an OpenGL context
// can be created and made current on a graphics processor (OpenGL rasterised by the
// processor counts as none). A renderer named by QT_QUICK_BACKEND is kept.
void chooseRenderer();

// Reports a scene-graph failure of the window (and of the windows it holds, such as a
// tooltip) as a warning instead of letting Qt Quick end the process. The window stays
// undrawn: the renderer is fixed for the process once the first window has been created.
void surviveErrors(QObject *pWindow);

} // namespace scenegraph

#endif // SCENEGRAPH_H
