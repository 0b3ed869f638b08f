#pragma once
// The program's own benchmark (zefranol-leerkracht --tijden N): from the start of the
// process to the overview filled on the screen, changing the period and opening a pupil
// N times each with nothing kept from before, and the peak memory. Prints the medians
// with their spread to standard output and ends the program.
#include <QtGlobal>

namespace teacher {

class MainWindow;

// processStartMs: the wall clock (ms since the epoch) when the process started.
void runTimings(MainWindow& window, int rounds, qint64 processStartMs);

} // namespace teacher
