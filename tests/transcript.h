// The program's fixed texts as a user sees them, for transcript checks.
// Written out here rather than taken from the program, so that a slip in the
// program's own copy shows as a failing transcript.
#pragma once

#include <string>

inline const std::string kMenu =
    "Durchlauftraeger,i Info\n"
    "F1 a linkes Traegerende\n"
    "F2 b Z-Bed. elast.Lager\n"
    "F3 c Traegerabschnitt\n"
    "F4 d Einzellast\n"
    "F5 e Wellenabschnitt\n"
    "F6 f Lager,Gelenk,re.Ende\n"
    "F7 g w, psi, M, Q\n"
    "F8 q Exit\n";
inline const std::string kInfoLine = "Durchlauftraeger, Projektteam Durchlauftraeger, 08.12.2026\n";
inline const std::string kPause = "weiter mit bel.Taste..";
