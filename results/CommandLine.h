#pragma once
// The program's command line for results, without a window or a display:
//   zefranol --resultaten                  every kept check as CSV on standard output
//   zefranol --resultaten-inlezen FILE     a CSV of ours read into this user's store
#include <optional>

namespace results {

// The exit status when the arguments asked for one of these; nothing when they did not
// (then the program starts as usual).
std::optional<int> runCommandLine(int argc, char* argv[]);

} // namespace results
