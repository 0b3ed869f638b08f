#include "results/CommandLine.h"

#include "results/Csv.h"
#include "results/Store.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <cstdio>
#include <cstring>

namespace results {

namespace {

int say(const QString& text, int status) {
    std::fprintf(stderr, "zefranol: %s\n", text.toLocal8Bit().constData());
    return status;
}

int exportAll() {
    const QString path = localStorePath();
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly))
        return say(QStringLiteral("kan niet naar de standaarduitvoer schrijven"), 1);
    if (!QFileInfo::exists(path)) {
        // Nothing kept yet: an empty table is the truthful answer.
        return writeCsv(out, [](const auto&) {}) && out.flush() ? 0 : say(QStringLiteral("schrijven mislukt"), 1);
    }
    LocalOpening how;
    std::unique_ptr<Store> store = openLocal(path, &how);
    if (!how.movedAside.isEmpty())
        say(QStringLiteral("het resultatenbestand was beschadigd; het staat nu in %1").arg(how.movedAside), 0);
    if (!store)
        return say(how.error, 1);
    bool read = true;
    const bool written = writeCsv(out, [&](const std::function<void(const Check&)>& add) {
        read = store->forEach([&](const Check& c) {
            add(c);
            return true;
        });
    });
    if (!read)
        return say(store->lastError(), 1);
    if (!written || !out.flush())
        return say(QStringLiteral("schrijven naar de standaarduitvoer mislukt"), 1);
    return 0;
}

int importFile(const QString& file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return say(QStringLiteral("%1 kan niet worden gelezen: %2").arg(file, in.errorString()), 1);
    LocalOpening how;
    std::unique_ptr<Store> store = openLocal(localStorePath(), &how);
    if (!how.movedAside.isEmpty())
        say(QStringLiteral("het resultatenbestand was beschadigd; het staat nu in %1").arg(how.movedAside), 0);
    if (!store)
        return say(how.error, 1);
    // A large import touches the indexes all over: a larger page cache for this run only.
    QSqlQuery(store->db()).exec(QStringLiteral("PRAGMA cache_size = -65536"));
    long long read = 0;
    CsvError error;
    bool ok;
    long long added = 0;
    {
        // One transaction: a file with one bad line leaves the store as it was.
        Store::Batch batch(*store);
        ok = readCsv(
            in,
            [&](const Check& c) {
                ++read;
                if (batch.add(c))
                    return true;
                error.reason = store->lastError();
                return false;
            },
            &error);
        if (!ok && error.reason.isEmpty())
            error.reason = store->lastError();
        if (ok && !batch.commit()) {
            error = {0, store->lastError()};
            ok = false;
        }
        added = batch.added();
    }
    if (!ok) {
        const QString where =
            error.line > 0 ? QStringLiteral("%1, regel %2: ").arg(file).arg(error.line) : file + QStringLiteral(": ");
        return say(where + error.reason + QStringLiteral("; er is niets ingelezen"), 1);
    }
    std::fprintf(stderr, "zefranol: %lld resultaten ingelezen, %lld waren er al\n", added, read - added);
    return 0;
}

const char* const Usage = "gebruik: zefranol [--resultaten | --resultaten-inlezen BESTAND]";

} // namespace

std::optional<int> runCommandLine(int argc, char* argv[]) {
    if (argc < 2)
        return std::nullopt;
    const bool exporting = std::strcmp(argv[1], "--resultaten") == 0;
    const bool importing = std::strcmp(argv[1], "--resultaten-inlezen") == 0;
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        std::printf("%s\n", Usage);
        return 0;
    }
    if (!exporting && !importing)
        return std::nullopt;
    if ((exporting && argc != 2) || (importing && argc != 3))
        return say(QString::fromUtf8(Usage), 2);
    // No display needed: over a remote shell, in a script.
    QCoreApplication app(argc, argv);
    return exporting ? exportAll() : importFile(QString::fromLocal8Bit(argv[2]));
}

} // namespace results
