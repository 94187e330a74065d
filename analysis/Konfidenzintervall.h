#pragma once
// Score (Wilson) interval for x/n with z = Sigmafaktor; makes x/n the new p0.

#include "analysis/Zustand.h"

#include <string>

struct Konfidenztexte {
    std::string Edit_p0;                            // p0 = x/n in the general format
    std::string Label_Vertrauensintervall_ausgeben; // "[ 0,0089 ; 0,2361 ]"
};

Konfidenztexte Konfidenzintervall_berechnen(Zustand& z, const Schalter& s);

inline constexpr const char* Leeres_Konfidenzintervall = "[ 0,0000 ; 0,0000 ]";
