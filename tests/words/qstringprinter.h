#pragma once

#include <QString>

#include <ostream>

// Lets GoogleTest show texts, and lists of them, as readable UTF-8.
inline void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.toStdString() << '"'; }
