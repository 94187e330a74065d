#pragma once
#include <map>
#include <string>

// Target times (median, milliseconds) per benchmark name; the table printed by
// quorvel_bench sets every measured median beside its target.
inline std::map<std::string, double>& Ziele() {
    static std::map<std::string, double> ziele;
    return ziele;
}

inline bool Ziel_setzen(const std::string& name, double millisekunden) {
    Ziele()[name] = millisekunden;
    return true;
}
