#pragma once
// The core composes its texts as UTF-8 std::string (µ, σ, α and the like); this is the one
// conversion to what Qt draws and shows.

#include <QString>

#include <string>

inline QString Qt_Text(const std::string& s) { return QString::fromStdString(s); }
