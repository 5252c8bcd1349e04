// The envelope files of --grenzwerte: at every right end the pass joins the
// load cases of its beam, once for every kind of file that wants them, and
// whenever the reports are written every envelope file is written anew
// over the load cases of the last pass's beam, the text report, the CSV
// table or the page by the end of its name, each with its notice.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/register_file.h"
#include "report/envelope/combination.h"
#include "report/envelope/load_cases.h"
#include "report/pass/record.h"
#include "report/pass/settings.h"

namespace dlt {

// How the pass just completed by a right end joined the load cases, or why
// it could not: its record ran out of memory or is incomplete (the cases
// are as they were), or memory ran out while it was added (they are empty).
struct TakenCase {
  CaseJoined joined;
  std::string_view refusal;  // empty where it joined them
};

// Adds the pass just completed by a right end, whose commands are in record
// and whose solution is in R, to the load cases of its beam. Prints nothing.
TakenCase take_load_case(CasesByBeam& beams, const BeamRecord& record, const RegisterFile& R);

// Writes every envelope file over the load cases of the last beam, which the
// pass just completed has joined as taken says, printing first where it
// joined another beam than the pass before it what beam_change_notice says,
// and for each file "Grenzwerte geschrieben: FILE (N Lastfaelle)" or
// "Grenzwerte nicht geschrieben: FILE: reason"; where the pass could not
// join them, each file says why and keeps what it holds. Without files (and
// not in memory) it does nothing. False where one or more was not written.
bool write_envelope_files(const std::vector<std::string>& files, const ReportSettings& settings,
                          const Factors& factors, const CasesByBeam& beams, const TakenCase& taken);

// Writes every envelope file over the load cases as they stand, and where
// settings say so the text to standard output. A file's notice names the
// load cases whose values are not all finite numbers: "(2 Lastfaelle;
// Lastfall 2 nicht endlich)". REQUIRES: at least one case.
bool write_envelope_of(const std::vector<std::string>& files, const ReportSettings& settings,
                       const Factors& factors, const LoadCases& cases);

// The notice of a pass that joined another beam than the pass before it:
// "neuer Traeger (DIFFERENCE), Lastfaelle beginnen bei 1" for a new one,
// "zurueck zum Traeger der Lastfaelle 1 bis 3, weiter mit Lastfall 4" for
// one seen before; empty for the same beam.
std::string beam_change_notice(const CaseJoined& joined);

// Prints beam_change_notice as a notice that standard error gets too where
// standard output is not a terminal: a value mistyped must not pass unseen.
void print_beam_change(const CaseJoined& joined);

}  // namespace dlt
