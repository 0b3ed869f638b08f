#pragma once
// Checks as CSV, the contract with spreadsheets, scripts and the teacher's program: UTF-8,
// a header line, RFC 4180 quoting, the columns
//   id,leerling,tijdstip,scherm,opgave,antwoord,oordeel,seconden,fouten
// tijdstip in ISO 8601 UTC ending in Z, oordeel "goed" or "fout" (a drill: "klaar" or
// "onderbroken"), fouten the diagnosis' short form. A cell that starts with =, + , - or @
// is written with a ' before it, so that a spreadsheet shows it as text; reading takes the
// ' away again.
#include "results/Check.h"

#include <QString>
#include <functional>

class QIODevice;

namespace results {

// The header line, without its line end.
QString csvHeader();
// One record line, without its line end.
QString csvLine(const Check& check);

// Writes the header and then whatever rows() hands to add(); false when writing failed.
bool writeCsv(QIODevice& out, const std::function<void(const std::function<void(const Check&)>& add)>& rows);

// Reads a whole CSV; each good record goes to take() in order. Stops at the first line that
// is not ours or is malformed, with its line number and the reason (in Dutch) in error:
// then nothing of that line went to take(). True when every line was read.
struct CsvError {
    long long line = 0;
    QString reason;
};
bool readCsv(QIODevice& in, const std::function<bool(const Check&)>& take, CsvError* error);

} // namespace results
