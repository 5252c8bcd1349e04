// The one door into the reports: what app/ hands them and nothing else. A
// session keeps the record of the pass being entered and the load cases of
// every beam entered; the menu loop hands it what every command did, a way in that
// has a whole beam at once hands it that beam, and the session writes the
// report files (report/beam/), the envelope files (report/envelope/) and
// the beam files (report/beam_file/): at every right end, or where writing
// waits for the end of input, then and before a pass of another beam than
// the last one's.
//
// report/ includes engine/ and console/; nothing but app/ includes it, and
// app/ includes only this header of it. Its layers, each in a folder that
// includes only those below it: format/ (the kit, knowing no beam), pass/
// (the record of a pass and its walk), beam/ (what the reports say of one
// beam), envelope/ (the load cases and their limits), beam_file/ (the beam
// and its load cases written as a beam file).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "engine/effect.h"
#include "engine/element.h"
#include "engine/register_file.h"
#include "report/beam_file/beam_file_files.h"
#include "report/envelope/combination.h"
#include "report/envelope/load_cases.h"
#include "report/envelope/walk.h"
#include "report/format/files.h"
#include "report/format/labels.h"
#include "report/format/output.h"
#include "report/format/units.h"
#include "report/format/version.h"
#include "report/pass/chosen_places.h"
#include "report/pass/record.h"
#include "report/pass/replay.h"

namespace dlt {

// What the command line asks of the reports.
struct ReportOptions {
  std::vector<std::string> files;
  int pieces = kDefaultPieces;
  // The title and units of --titel and --einheiten, for the text report
  // and the page.
  ReportLabels labels;
  // The envelope files of --grenzwerte and the factors of --faktoren.
  std::vector<std::string> envelope_files;
  Factors factors;
  // The beam files of --als-datei: the beam of the last right end with
  // every load case of it, written where the reports are.
  std::vector<std::string> beam_files;
  // Builds every kind of report of every completed pass without writing or
  // announcing them: the reports' fuzz target feeds the replay arbitrary
  // input so.
  bool in_memory = false;
  // Writes the files of the last right end once, when input ends
  // (finish_reports) and before a pass of another beam follows it, instead
  // of at every right end: for piped input, where no one
  // reads the files in between.
  bool write_at_end = false;
};

// The pass the last right end completed, where writing waits for the end:
// a copy of its record and of its solution where reports are asked for, so
// that a pass started after it changes nothing that is written. One pass's
// worth: the files over the load cases are made from the load cases.
struct HeldPass {
  BeamRecord record;
  RegisterFile solved;  // closed_copy of the register file its right end left
  bool due = false;     // its files are still to be written
};

// What the reports keep from one command to the next.
struct ReportSession {
  // Without any file to write nothing is kept.
  ReportOptions options;
  BeamRecord record;
  CasesByBeam cases;
  HeldPass held;
};

ReportSession start_reports(const ReportOptions& options);

// Takes what a command did, whose register file is now R; where it
// completed a pass, writes every report, envelope and beam file with its
// notice, or where writing waits for the end keeps the pass, writing the
// files of the beam before first where it joins another beam. A pass that
// cannot be taken (memory ran out for its record) says so at once.
// False where one or more was not written.
bool report_command(ReportSession& session, const CommandEffect& effect, const RegisterFile& R);

// Whether the record of the pass being entered ran out of memory: the
// dialogue then gives the pass up.
bool record_out_of_memory(const ReportSession& session);

// At the end of input: writes the files of the pass kept for it, with
// their notices, where writing waits for the end; else does nothing. False
// where one or more was not written.
bool finish_reports(ReportSession& session);

// A beam given whole: its load cases, each the elements of one pass from its
// left end to its right end, the first the permanent load.
using BeamCases = std::vector<std::vector<Element>>;

// What stands in the way of a beam given whole.
enum class BeamFault {
  none,
  refused,        // an element would be refused, for the reason given
  misplaced_end,  // a load case does not start at its left end and end at its right end alone
};

// What report_beam did: the fault and where it lies (the load case and its
// element, from 0), and whether every file was written.
struct BeamReported {
  BeamFault fault = BeamFault::none;
  Refusal refusal = Refusal::none;
  std::size_t load_case = 0;
  std::size_t element = 0;
  bool all_written = true;
};

// Computes every load case of a beam as the dialogue would, pass after pass,
// and writes the files at each right end, or where writing waits for the
// end once after the last (finish_reports). Where an element would be
// refused or an end is misplaced, nothing is written and the result says
// where.
BeamReported report_beam(ReportSession& session, const BeamCases& cases);

// Applies one pass as the dialogue would, writing nothing, and says where
// its first fault lies (load case 0).
BeamReported check_beam_pass(const std::vector<Element>& elements);

// A beam read from a beam file: every load case as a pass (the envelope's),
// the pass of the chosen load cases acting together (the report's), and the
// places of that pass whose values the report lists.
struct BeamFileReports {
  BeamCases cases;
  std::vector<Element> together;
  std::vector<ChosenPlace> places;
};

// Reports a beam file's beam: the text report of its loads together on
// standard output and every report file of options, and where it has more
// than one load case the envelope's text after it; the envelope files of
// options over every load case. The notices go to standard error. Checks
// every pass first as report_beam does; a fault in `together` has the load
// case cases.size(). Where there is one, nothing is written.
BeamReported report_beam_file(const ReportOptions& options, const BeamFileReports& beam);

}  // namespace dlt
