#pragma once
// Where the teacher's figures come from: the school's server (with the teacher's own
// account) when the configuration names one, otherwise this user's own file; or another
// file or the server chosen in the window. The teacher's program only reads: a file is
// opened read-only, and never created or upgraded here.
#include "config/Config.h"
#include "results/Store.h"

#include <QString>
#include <memory>

namespace teacher {

struct SourceChoice {
    enum class Kind { School, File };
    Kind kind = Kind::File;
    config::School school; // with the teacher's account in user
    QString path;          // the SQLite file

    // What the configuration asks for.
    static SourceChoice fromSettings(const config::Settings& settings);
    // "de schoolserver school.example.org/zefranol (account juf.an)", "het bestand …".
    QString name() const;
};

// Why a source gave nothing to show.
struct Opening {
    enum class Outcome { Opened, Empty, Older, Newer, Failed };
    Outcome outcome = Outcome::Failed;
    QString message; // Dutch, for the window; empty when opened
    bool hasChecks = false;
};

// Opens the source on the calling thread, at most connectSeconds for a server.
std::unique_ptr<results::Store> openSource(const SourceChoice& choice, Opening& opening, int connectSeconds = 3);

} // namespace teacher
