#pragma once
// The configuration: one INI file, zefranol/zefranol.conf, looked up as QSettings does,
// the user's own ($XDG_CONFIG_HOME) before the system's ($XDG_CONFIG_DIRS, /etc/xdg).
// Read once per run; with no file at all every switch is off and the program keeps
// nothing, as it always did.
#include <QString>
#include <QStringList>

namespace config {

struct School {
    QString host{};
    int port = 0; // 0: libpq's default
    QString database{};
    QString user{};
    QString service{}; // a libpq service name (pg_service.conf), for whatever the keys leave out
    bool isSet() const { return !host.isEmpty() || !service.isEmpty(); }
};

struct Settings {
    bool keepResults = false; // [resultaten] bewaren, or a school server set
    School school;            // [school]
    QStringList classList;    // [klas] namen: the "Wie ben jij?" screen when not empty
    bool readAloud = false;   // [voorlezen] aan
    bool fullDisplay = false; // [scherm] heel
};

// The settings of this run, read on first use.
const Settings& settings();

// Reads the files now (tests, and the teacher's program after it wrote one).
Settings read();

// The user's own file, where the teacher's program writes; it need not exist.
QString userFile();

// Writes one key into the user's own file (group/key), keeping every other key.
// Returns false when the file cannot be written.
bool writeUserValue(const QString& key, const QVariant& value);

} // namespace config
