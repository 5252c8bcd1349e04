#include "report/reports.h"

#include "report/beam/beam_files.h"
#include "report/beam_file/beam_file_files.h"
#include "report/envelope/envelope_files.h"
#include "report/pass/settings.h"

namespace dlt {

namespace {

ReportSettings settings_of(const ReportOptions& options) {
  return {options.pieces, options.labels, options.in_memory};
}

// Applies the elements of every load case to a register file of its own,
// pass after pass, and says where the first fault lies.
BeamReported check_cases(const BeamCases& cases) {
  RegisterFile R;
  BeamReported checked;
  for (std::size_t c = 0; c < cases.size(); ++c) {
    const std::vector<Element>& elements = cases[c];
    checked.load_case = c;
    checked.element = 0;
    if (elements.size() < 2) {
      checked.fault = BeamFault::misplaced_end;
      return checked;
    }
    for (std::size_t k = 0; k < elements.size(); ++k) {
      checked.element = k;
      bool left_end = elements[k].kind == ElementKind::left_end;
      bool right_end = elements[k].kind == ElementKind::right_end;
      if (left_end != (k == 0) || right_end != (k + 1 == elements.size())) {
        checked.fault = BeamFault::misplaced_end;
        return checked;
      }
      checked.refusal = apply_element(R, elements[k]);
      if (checked.refusal != Refusal::none) {
        checked.fault = BeamFault::refused;
        return checked;
      }
    }
  }
  return {};
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
  bool beam_files_written = taken.refusal.empty()
                                ? write_beam_file_files(options.beam_files, settings, session.cases)
                                : refuse_beam_file_files(options.beam_files, taken.refusal);
  return written && beam_files_written;
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
  bool written = write_beam_files(options.files, settings, session.record, R);
  if (!write_case_files(session, settings, R)) written = false;
  return written;
}

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
  return reported;
}

}  // namespace dlt
