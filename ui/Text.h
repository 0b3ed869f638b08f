#pragma once
// Text passed between the exercise model (std::string, no Qt) and the screens (QString).
#include <QString>
#include <string>

namespace ui {

inline QString text(const std::string& s) {
    return QString::fromStdString(s);
}

inline std::string plain(const QString& s) {
    return s.toStdString();
}

} // namespace ui
