#include "config/Config.h"

#include <QFile>
#include <QSettings>
#include <QVariant>

namespace config {

namespace {

// The native format on Linux is INI in a .conf file: zefranol/zefranol.conf.
QSettings open() {
    return QSettings(QSettings::UserScope, QStringLiteral("zefranol"), QStringLiteral("zefranol"));
}

// "ja"/"nee" and "1"/"0" are what a teacher may write by hand besides true/false.
bool yes(const QSettings& s, const QString& key) {
    const QString v = s.value(key).toString().trimmed().toLower();
    return v == QLatin1String("true") || v == QLatin1String("ja") || v == QLatin1String("1") ||
           v == QLatin1String("aan");
}

QStringList names(const QVariant& value) {
    // QSettings gives a comma list as a string list, a single name as a string.
    QStringList out;
    for (const QString& n : value.toStringList()) {
        const QString name = n.trimmed();
        if (!name.isEmpty() && !out.contains(name))
            out << name;
    }
    return out;
}

} // namespace

Settings read() {
    QSettings s = open();
    Settings out;
    out.school.host = s.value(QStringLiteral("school/host")).toString().trimmed();
    out.school.port = s.value(QStringLiteral("school/port")).toInt();
    out.school.database = s.value(QStringLiteral("school/database")).toString().trimmed();
    out.school.user = s.value(QStringLiteral("school/user")).toString().trimmed();
    out.school.service = s.value(QStringLiteral("school/service")).toString().trimmed();
    out.keepResults = yes(s, QStringLiteral("resultaten/bewaren")) || out.school.isSet();
    out.classList = names(s.value(QStringLiteral("klas/namen")));
    out.readAloud = yes(s, QStringLiteral("voorlezen/aan"));
    out.fullDisplay = yes(s, QStringLiteral("scherm/heel"));
    return out;
}

const Settings& settings() {
    static const Settings once = read();
    return once;
}

QString userFile() {
    return open().fileName();
}

bool writeUserValue(const QString& key, const QVariant& value) {
    QSettings s = open();
    s.setValue(key, value);
    s.sync();
    if (s.status() != QSettings::NoError)
        return false;
    // The file may hold a class list: only this user reads it.
    QFile::setPermissions(s.fileName(), QFile::ReadOwner | QFile::WriteOwner);
    return true;
}

} // namespace config
