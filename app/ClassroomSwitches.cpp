#include "app/ClassroomSwitches.h"

#include <QSettings>

ClassroomSwitches classroomSwitches() {
    const QSettings file(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("zefranol"),
                         QStringLiteral("zefranol"));
    return {file.value(QStringLiteral("voorlezen/aan"), false).toBool(),
            file.value(QStringLiteral("scherm/heel"), false).toBool()};
}
