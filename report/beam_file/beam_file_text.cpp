#include "report/beam_file/beam_file_text.h"

#include <cstddef>
#include <string_view>
#include <vector>

#include "report/beam_file/toml_text.h"
#include "report/beam_file/unwritable.h"
#include "report/beam_file/written_beam.h"
#include "report/beam_file/written_loads.h"
#include "report/format/version.h"

namespace dlt {

namespace {

// What every line of a load is preceded by: its load case, where the file
// has more than one.
struct CaseNames {
  bool named = false;
  std::vector<std::string> names;
};

void append_key(std::string& text, std::string_view key, double value) {
  text.append(key);
  text.append(" = ");
  append_toml_number(text, value);
}

// ", key = value", after the first key of a line.
void append_more_key(std::string& text, std::string_view key, double value) {
  text.append(", ");
  append_key(text, key, value);
}

// "  { lastfall = "LF2", " or "  { ", which every line of a load starts with.
void open_line(std::string& text, const CaseNames& cases, std::size_t c) {
  text.append("  { ");
  if (!cases.named) return;
  text.append("lastfall = ");
  append_toml_string(text, cases.names[c]);
  text.append(", ");
}

void append_header(std::string& text, const ReportLabels& labels) {
  text.append("# Traegerdatei, geschrieben von ");
  text.append(kProgramName);
  text.push_back(' ');
  text.append(kProgramVersion);
  text.append(" (--als-datei)\n");
  if (!labels.title.empty()) {
    text.append("titel = ");
    append_toml_string(text, labels.title);
    text.push_back('\n');
  }
  if (!labels.units.force.empty()) {
    text.append("einheiten = [");
    append_toml_string(text, labels.units.force);
    text.append(", ");
    append_toml_string(text, labels.units.length);
    text.append("]\n");
  }
}

void append_numbers(std::string& text, std::string_view key, const std::vector<double>& numbers) {
  if (numbers.empty()) return;
  text.append(key);
  text.append(" = [");
  for (std::size_t k = 0; k < numbers.size(); ++k) {
    if (k > 0) text.append(", ");
    append_toml_number(text, numbers[k]);
  }
  text.append("]\n");
}

void append_beam(std::string& text, const WrittenBeam& beam) {
  text.append("links = \"");
  text.append(beam.left);
  text.append("\"\nrechts = \"");
  text.append(beam.right);
  text.append("\"\nabschnitte = [\n");
  for (const Element& segment : beam.segments) {
    text.append("  { ");
    append_key(text, "laenge", segment.length);
    if (segment.kind == ElementKind::shaft_segment) {
      append_more_key(text, "E", segment.E);
      append_more_key(text, "d", segment.diameter);
    } else {
      append_more_key(text, "EI", segment.EI);
    }
    text.append(" },\n");
  }
  text.append("]\n");
  append_numbers(text, "lager", beam.supports);
  append_numbers(text, "gelenke", beam.hinges);
  if (beam.springs.empty()) return;
  text.append("federn = [\n");
  for (const WrittenSpring& spring : beam.springs) {
    text.append("  { ");
    append_key(text, "x", spring.x);
    append_more_key(text, "c", spring.c);
    text.append(" },\n");
  }
  text.append("]\n");
}

void append_case_names(std::string& text, const CaseNames& cases) {
  if (!cases.named) return;
  text.append("lastfaelle = [");
  for (std::size_t c = 0; c < cases.names.size(); ++c) {
    if (c > 0) text.append(", ");
    append_toml_string(text, cases.names[c]);
  }
  text.append("]\n");
}

void append_distributed_loads(std::string& text, const std::vector<WrittenLoads>& loads,
                              const CaseNames& cases) {
  bool any = false;
  for (std::size_t c = 0; c < loads.size(); ++c) {
    for (const WrittenLoad& load : loads[c].loads) {
      if (!any) text.append("streckenlasten = [\n");
      any = true;
      open_line(text, cases, c);
      append_key(text, "von", load.from);
      append_more_key(text, "bis", load.to);
      append_more_key(text, "q", load.q);
      // The file's q_bis is q where it is left out.
      if (load.q_to != load.q) append_more_key(text, "q_bis", load.q_to);
      text.append(" },\n");
    }
  }
  if (any) text.append("]\n");
}

// One key of values at points: "einzellasten = [ { x = 6, F = 50 }, ... ]".
void append_actions(std::string& text, std::string_view key, std::string_view value_key,
                    std::vector<WrittenAction> WrittenLoads::*list, const std::vector<WrittenLoads>& loads,
                    const CaseNames& cases) {
  bool any = false;
  for (std::size_t c = 0; c < loads.size(); ++c) {
    for (const WrittenAction& action : loads[c].*list) {
      if (!any) {
        text.append(key);
        text.append(" = [\n");
      }
      any = true;
      open_line(text, cases, c);
      append_key(text, "x", action.x);
      append_more_key(text, value_key, action.value);
      text.append(" },\n");
    }
  }
  if (any) text.append("]\n");
}

}  // namespace

bool beam_file_text(const LoadCases& cases, const ReportLabels& labels, std::string& text,
                    std::string& reason) {
  if (!is_utf8(labels.title)) {
    reason = unwritable("Titel nicht in UTF-8");
    return false;
  }
  const std::vector<Element>& first = cases.cases.front().record.elements;
  WrittenBeam beam;
  if (!written_beam(first, beam, reason)) return false;
  double tolerance = position_tolerance(first);
  CaseNames names;
  names.named = cases.cases.size() > 1;
  std::vector<WrittenLoads> loads(cases.cases.size());
  for (std::size_t c = 0; c < cases.cases.size(); ++c) {
    names.names.push_back("LF" + std::to_string(c + 1));
    if (!written_loads(cases.cases[c].record.elements, tolerance, loads[c], reason)) {
      if (names.named) reason += " im Lastfall " + std::to_string(c + 1);
      return false;
    }
  }
  append_header(text, labels);
  append_beam(text, beam);
  append_case_names(text, names);
  append_distributed_loads(text, loads, names);
  append_actions(text, "einzellasten", "F", &WrittenLoads::forces, loads, names);
  append_actions(text, "momente", "M", &WrittenLoads::moments, loads, names);
  append_actions(text, "winkel", "p", &WrittenLoads::kinks, loads, names);
  append_actions(text, "versaetze", "w", &WrittenLoads::offsets, loads, names);
  append_actions(text, "absenkungen", "w", &WrittenLoads::settlements, loads, names);
  append_actions(text, "verdrehungen", "p", &WrittenLoads::rotations, loads, names);
  return true;
}

}  // namespace dlt
