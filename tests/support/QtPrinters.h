#pragma once

#include <ostream>
#include <QString>

// gtest shows a differing text as its characters, not as UTF-16 code units.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
