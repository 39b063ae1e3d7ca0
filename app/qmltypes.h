#ifndef QMLTYPES_H
#define QMLTYPES_H

// Registers the program's own QML module CNQml 1.0: the window type ApplicationWindow and the
// parent installer's event codes, ParentEvent.
void registerQmlTypes();

#endif // QMLTYPES_H
