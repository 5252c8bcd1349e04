#include "report/reports.h"

#include <new>

#include "console/console.h"

#include "report/beam/beam_files.h"
#include "report/beam_file/beam_file_files.h"
#include "report/envelope/envelope_files.h"
#include "report/pass/refusals.h"
#include "report/pass/settings.h"

namespace dlt {

namespace {

ReportSettings settings_of(const ReportOptions& options) {
  return {.pieces = options.pieces,
          .labels = options.labels,
          .in_memory = options.in_memory,
          .places = {},
          .to_standard_output = false};
}

// Applies the elements of one pass to R and says where its first fault
// lies; false where there is one.
bool check_pass(RegisterFile& R, const std::vector<Element>& elements, std::size_t load_case,
                BeamReported& checked) {
  checked.load_case = load_case;
  checked.element = 0;
  if (elements.size() < 2) {
    checked.fault = BeamFault::misplaced_end;
    return false;
  }
  for (std::size_t k = 0; k < elements.size(); ++k) {
    checked.element = k;
    bool left_end = elements[k].kind == ElementKind::left_end;
    bool right_end = elements[k].kind == ElementKind::right_end;
    if (left_end != (k == 0) || right_end != (k + 1 == elements.size())) {
      checked.fault = BeamFault::misplaced_end;
      return false;
    }
    checked.refusal = apply_element(R, elements[k]);
    if (checked.refusal != Refusal::none) {
      checked.fault = BeamFault::refused;
      return false;
    }
  }
  return true;
}

// Applies the elements of every load case to a register file of its own,
// pass after pass, and says where the first fault lies.
BeamReported check_cases(const BeamCases& cases) {
  RegisterFile R;
  BeamReported checked;
  for (std::size_t c = 0; c < cases.size(); ++c)
    if (!check_pass(R, cases[c], c, checked)) return checked;
  return {};
}

// Applies a pass checked already and records it.
void record_pass(const std::vector<Element>& elements, BeamRecord& record, RegisterFile& R) {
  for (const Element& e : elements) {
    apply_element(R, e);
    record_command(record, {Effect::element, e});
  }
}

// The files over the load cases of the beam, the envelope files and the
// beam files: the pass just completed joins the load cases once, where any
// of them is asked for.
bool write_case_files(ReportSession& session, const ReportSettings& settings, const RegisterFile& R) {
  const ReportOptions& options = session.options;
  if (options.envelope_files.empty() && options.beam_files.empty() && !settings.in_memory) return true;
  TakenCase taken = take_load_case(session.cases, session.record, R);
  bool written =
      write_envelope_files(options.envelope_files, settings, options.factors, session.cases, taken);
  bool beam_files_written =
      taken.refusal.empty() ? write_beam_file_files(options.beam_files, settings, last_beam(session.cases))
                            : refuse_beam_file_files(options.beam_files, taken.refusal);
  return written && beam_files_written;
}

// Whether the files over the load cases are asked for, or built in memory:
// only then does the session keep the load cases.
bool keeps_cases(const ReportOptions& options) {
  return !options.envelope_files.empty() || !options.beam_files.empty() || options.in_memory;
}

// Writes the files of the pass just completed at once, as at a terminal.
bool write_now(ReportSession& session, const ReportSettings& settings, const RegisterFile& R) {
  bool written = write_beam_files(session.options.files, settings, session.record, R);
  if (!write_case_files(session, settings, R)) written = false;
  return written;
}

// Writes the files of the held pass and of the load cases as they stand,
// where they are due.
bool write_held(ReportSession& session) {
  HeldPass& held = session.held;
  if (!held.due) return true;
  held.due = false;
  const ReportOptions& options = session.options;
  ReportSettings settings = settings_of(options);
  bool written = write_beam_files(options.files, settings, held.record, held.solved);
  // Empty only where memory ran out as a pass joined them, which said so.
  if (session.cases.beams.empty()) return written;
  if (!write_envelope_files(options.envelope_files, settings, options.factors, session.cases, TakenCase{}))
    written = false;
  if (!write_beam_file_files(options.beam_files, settings, last_beam(session.cases))) written = false;
  return written;
}

// Keeps a copy of the pass just completed for its reports, where any are
// asked for (the files over the load cases are made from the load cases);
// where memory runs out for it, its reports will say so.
void hold(HeldPass& held, const ReportOptions& options, const BeamRecord& record, const RegisterFile& R) {
  held.due = true;
  if (options.files.empty() && !options.in_memory) return;
  try {
    held.record = record;
    held.solved = closed_copy(R);
  } catch (const std::bad_alloc&) {
    held.record = {};
    held.record.out_of_memory = true;
    held.solved = {};
  }
}

// Whether the pass just completed is of another beam than the held pass,
// so that the held pass's files are due first: by the load cases where they
// are kept, else by the held pass itself. Where memory runs out to tell, it is taken to:
// writing those files early loses nothing.
bool begins_new_beam(const ReportSession& session) {
  if (!session.held.due) return false;
  try {
    if (keeps_cases(session.options)) return leaves_last_beam(session.cases, session.record);
    return !same_beam(session.held.record.elements, session.record.elements);
  } catch (const std::bad_alloc&) {
    return true;
  }
}

// Where writing waits for the end: the pass just completed joins the load
// cases and is held in place of the one before, whose files and those of
// its beam's load cases are written first where it joins another beam.
bool hold_pass(ReportSession& session, const ReportSettings& settings, const RegisterFile& R) {
  const ReportOptions& options = session.options;
  // Nothing can be taken from such a pass: each file says so now, as at a
  // terminal, and the pass held before stays.
  if (!record_refusal(session.record).empty()) return write_now(session, settings, R);
  bool written = !begins_new_beam(session) || write_held(session);
  if (keeps_cases(options)) {
    TakenCase taken = take_load_case(session.cases, session.record, R);
    if (!taken.refusal.empty()) {
      // Memory ran out: the load cases are empty, and each file says so.
      if (!write_envelope_files(options.envelope_files, settings, options.factors, session.cases, taken))
        written = false;
      if (!refuse_beam_file_files(options.beam_files, taken.refusal)) written = false;
    } else if (!options.envelope_files.empty() || options.in_memory) {
      print_beam_change(taken.joined);
    }
  }
  hold(session.held, options, session.record, R);
  return written;
}

}  // namespace

ReportSession start_reports(const ReportOptions& options) {
  ReportSession session;
  session.options = options;
  return session;
}

bool report_command(ReportSession& session, const CommandEffect& effect, const RegisterFile& R) {
  const ReportOptions& options = session.options;
  if (options.files.empty() && options.envelope_files.empty() && options.beam_files.empty() &&
      !options.in_memory)
    return true;
  record_command(session.record, effect);
  if (!completes_pass(effect)) return true;
  ReportSettings settings = settings_of(options);
  if (options.write_at_end) return hold_pass(session, settings, R);
  return write_now(session, settings, R);
}

bool record_out_of_memory(const ReportSession& session) { return session.record.out_of_memory; }

bool finish_reports(ReportSession& session) { return write_held(session); }

BeamReported report_beam(ReportSession& session, const BeamCases& cases) {
  BeamReported reported = check_cases(cases);
  if (reported.fault != BeamFault::none) return reported;
  RegisterFile R;
  for (const std::vector<Element>& elements : cases) {
    for (const Element& e : elements) {
      apply_element(R, e);
      if (!report_command(session, {Effect::element, e}, R)) reported.all_written = false;
    }
  }
  if (!finish_reports(session)) reported.all_written = false;
  return reported;
}

BeamReported check_beam_pass(const std::vector<Element>& elements) {
  RegisterFile R;
  BeamReported checked;
  if (!check_pass(R, elements, 0, checked)) return checked;
  return {};
}

BeamReported report_beam_file(const ReportOptions& options, const BeamFileReports& beam) {
  BeamReported reported;
  {
    RegisterFile R;
    if (!check_pass(R, beam.together, beam.cases.size(), reported)) return reported;
    for (std::size_t c = 0; c < beam.cases.size(); ++c)
      if (!check_pass(R, beam.cases[c], c, reported)) return reported;
  }
  reported = {};
  ReportSettings settings = settings_of(options);
  settings.places = beam.places;
  settings.to_standard_output = true;
  {
    BeamRecord record;
    RegisterFile R;
    record_pass(beam.together, record, R);
    if (!write_beam_files(options.files, settings, record, R)) reported.all_written = false;
  }
  settings.places.clear();
  settings.to_standard_output = beam.cases.size() > 1;
  if (options.envelope_files.empty() && !settings.to_standard_output && !options.in_memory) return reported;
  CasesByBeam cases;
  try {
    // One record for all, as the dialogue keeps it: each left end starts
    // the next pass, which makes it a load case of its own. The load cases
    // of a beam file are one beam's.
    BeamRecord record;
    RegisterFile R;
    for (const std::vector<Element>& elements : beam.cases) {
      record_pass(elements, record, R);
      join_load_case(cases, record, R);
    }
  } catch (const std::bad_alloc&) {
    refuse_report_files(options.envelope_files, "Grenzwerte", kNoMemoryReason, settings.to_standard_output);
    reported.all_written = false;
    return reported;
  }
  // The envelope's text stands after the report's, a blank line between.
  if (settings.to_standard_output) print_result("\n");
  const LoadCases none;
  const LoadCases& envelope = cases.beams.empty() ? none : last_beam(cases);
  if (!write_envelope_of(options.envelope_files, settings, options.factors, envelope))
    reported.all_written = false;
  return reported;
}

}  // namespace dlt
