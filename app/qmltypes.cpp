#include "app/qmltypes.h"

#include "app/cnapplicationwindow.h"
#include "parentchannel/parentevent.h"

#include <QQmlEngine>

void registerQmlTypes()
{
    qmlRegisterType<CNApplicationWindow>("CNQml", 1, 0, "ApplicationWindow");
    qmlRegisterUncreatableMetaObject(ParentEvent::staticMetaObject, "CNQml", 1, 0, "ParentEvent",
                                     QStringLiteral("ParentEvent holds the event codes only"));
}
