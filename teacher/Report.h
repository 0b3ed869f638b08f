#pragma once
// A pupil's page on paper, for a parents' evening: the same summary, figures (chart and
// table) and drawn exercises as the window, as a PDF.
#include "teacher/Figures.h"

#include <QString>

namespace teacher {

// Writes the PDF (readable by this user alone); false with the reason in error.
bool writeReport(const PupilPage& page, const QString& source, const QString& path, QString* error);

} // namespace teacher
