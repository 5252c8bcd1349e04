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

// The dialogues of the commands, as a script console shows them: prompts
// only, since a script's input is not echoed.
inline const std::string kLeftEndDialogue =
    "linkes Traegerende\n"
    "unbekannt sind S1 u. S2\n"
    "gel.Lager:S1=2(p),S2=4(Q)\n"
    "freies E.:S1=1(w),S2=2(p)\n"
    "Einspann.:S1=3(M),S2=4(Q)\n"
    "S1= \nS2= ";
inline const std::string kBeamSegmentDialogue =
    "Traegerabschnitt\nLaenge= \nBiegesteifigk.EI= \nStreckenlast?1=ja 0=no: ";
inline const std::string kShaftSegmentDialogue =
    "Wellenabschnitt\nLaenge = \nE-Modul= \nDurchm.= \nStreckenlast?1=ja 0=no: ";
inline const std::string kLoadDialogue = "\nq=q links= \nqs=Steigung von q= ";
inline const std::string kConditionDialogue =
    "Zwischenbedingung\n"
    "gel.Lager:S1=1(w),W1=0\n"
    "Gelenk:   S1=3(M),W1=0\n"
    "rechtes Traegerende:\n"
    "gel.Lager:S1=1(w),W1=0\n"
    "freies E.:S1=3(M),W1=Wert\n"
    "Einspann.:S1=1(w),W1=0\n"
    "S1= \nW1= ";
inline const std::string kRightEndQuestion = "\nrechtes Ende?1=ja 0=no:";
inline const std::string kRightEndDialogue =
    "rechtes Traegerende:\n"
    "gel.Lager:S2=3(M),W2=0/M\n"
    "freies E.:S2=4(Q),W2=0/Q\n"
    "Einspann.:S2=2(p),W2=0\n"
    "S2= \nW2= ";
inline const std::string kPointLoadDialogue =
    "Einzellasten\n"
    "Kraft :S1=4(Q),Last=F\n"
    "Moment:S1=3(M),Last=M\n"
    "Winkel:S1=2(p),Last=p\n"
    "Absen.:S1=1(w),Last=w\n"
    "S1= \nLast= ";
inline const std::string kElasticSupportDialogue = "Z-Bed.:elast.Auflager\nmit c Federsteifigkeit\nc= ";

// The results block with the four values as printed, as --ruhig shows it.
// A hint line, where key g prints one, follows Q.
inline std::string results_block(const std::string& w, const std::string& p, const std::string& M,
                                 const std::string& Q, const std::string& hint = "") {
  return "Ergebnisse:\nw= " + w + "\np= " + p + "\nM= " + M + "\nQ= " + Q + "\n" + hint;
}

// The results block and the pause after it.
inline std::string results_text(const std::string& w, const std::string& p, const std::string& M,
                                const std::string& Q, const std::string& hint = "") {
  return results_block(w, p, M, Q, hint) + kPause;
}

// What key g prints in a first pass of a beam entered from a free left end:
// w and p wait for the right end.
inline constexpr char kWaitingWP[] = "Achtung: w, p haengen von noch unbestimmten Groessen ab\n";
