#include "app/beam_file_run.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>
#include <utility>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "app/same_file.h"
#include "console/console.h"
#include "console/shown_name.h"
#include "console/stream.h"
#include "model/beam_file.h"
#include "model/passes.h"
#include "report/reports.h"

namespace dlt {

namespace {

#ifdef _WIN32
constexpr int kOpenFlags = O_RDONLY | O_BINARY;
#else
// A FIFO would wait for a writer: opened without waiting, it is refused below.
constexpr int kOpenFlags = O_RDONLY | O_NONBLOCK | O_CLOEXEC;
#endif

// Reads the whole file into text; false with the reason where it cannot.
bool read_whole_file(const std::string& path, std::string& text, std::string& reason) {
  int fd = open(path.c_str(), kOpenFlags);
  if (fd < 0) {
    reason = std::strerror(errno);
    return false;
  }
  struct stat status {};
  bool read_all = false;
  if (fstat(fd, &status) != 0) {
    reason = std::strerror(errno);
  } else if (S_ISDIR(status.st_mode)) {
    reason = "ist ein Verzeichnis";
  } else if (!S_ISREG(status.st_mode)) {
    reason = "keine gewoehnliche Datei";
  } else {
    char block[64 * 1024];
    for (;;) {
      auto got = read(fd, block, sizeof block);
      if (got < 0 && errno == EINTR) continue;
      if (got < 0) {
        reason = std::strerror(errno);
        break;
      }
      if (got == 0) {
        read_all = true;
        break;
      }
      text.append(block, static_cast<std::size_t>(got));
    }
  }
  close(fd);
  return read_all;
}

// "FILE:LINE:COLUMN: what", or "FILE: what" for a fault with no place in
// the file.
void print_fault(const std::string& path, const FileFault& fault) {
  std::string line = "durchlauftraeger: " + shown_name(path) + ":";
  if (fault.place.line > 0)
    line += std::to_string(fault.place.line) + ":" + std::to_string(fault.place.column) + ":";
  line += " " + fault.what + "\n";
  std::fputs(line.c_str(), stderr);
}

// Where element k of a pass stands along the beam.
double element_x(const std::vector<Element>& elements, std::size_t k) {
  double x = 0;
  for (std::size_t i = 0; i < k; ++i)
    if (is_segment(elements[i])) x = x + elements[i].length;
  return x;
}

bool is_hinge(const Element& element) {
  return element.kind == ElementKind::condition && element.S1 == Quantity::M;
}

// Where a right end leaves the beam movable although the beam without its
// hinges would not be, the first hinge that makes it a mechanism: the beam
// with the hinges up to it alone is one, with those before it not. Found by
// halving, a check of the pass each time. The right end's own index where
// the hinges are not to blame.
std::size_t first_moving_hinge(const std::vector<Element>& elements, std::size_t right_end) {
  std::vector<std::size_t> hinges;
  for (std::size_t k = 0; k < elements.size(); ++k)
    if (is_hinge(elements[k])) hinges.push_back(k);
  // The pass with the first `count` hinges alone.
  auto moves = [&](std::size_t count) {
    std::vector<Element> kept;
    std::size_t next = 0;
    for (std::size_t k = 0; k < elements.size(); ++k) {
      if (next < hinges.size() && hinges[next] == k) {
        ++next;
        if (next > count) continue;
      }
      kept.push_back(elements[k]);
    }
    return check_beam_pass(kept).fault != BeamFault::none;
  };
  if (hinges.empty() || moves(0)) return right_end;
  std::size_t stands = 0;             // the first `stands` hinges keep it standing
  std::size_t falls = hinges.size();  // the first `falls` make it move
  while (falls - stands > 1) {
    std::size_t middle = stands + (falls - stands) / 2;
    if (moves(middle))
      falls = middle;
    else
      stands = middle;
  }
  return hinges[falls - 1];
}

// Why the reports refused the beam, as a fault of the file.
FileFault refused_beam(const BeamReported& reported, const BeamPasses& passes,
                       const BeamFileReports& reports) {
  bool in_case = reported.load_case < passes.cases.size();
  const std::vector<FilePlace>& sources =
      in_case ? passes.cases[reported.load_case].sources : passes.together.sources;
  const std::vector<Element>& elements = in_case ? reports.cases[reported.load_case] : reports.together;
  FileFault fault;
  std::size_t k = reported.element < sources.size() ? reported.element : 0;
  if (reported.refusal == Refusal::undetermined_right_end) k = first_moving_hinge(elements, k);
  if (!sources.empty()) fault.place = sources[k];
  std::string at = "x = " + x_text(element_x(elements, k));
  if (reported.refusal == Refusal::overflow) {
    fault.what = "Traeger nicht bestimmbar bei " + at + ": Zahlen zu gross (Ueberlauf)";
    return fault;
  }
  if (is_hinge(elements[k])) {
    fault.what =
        "Traeger nicht bestimmbar: mit dem Gelenk bei " + at + " ist er verschieblich (ein Mechanismus)";
    return fault;
  }
  switch (reported.refusal) {
    case Refusal::undetermined_condition:
      fault.what = "Traeger nicht bestimmbar: bei " + at + " ist er verschieblich (ein Mechanismus)";
      return fault;
    case Refusal::undetermined_right_end:
      fault.what = "Traeger nicht bestimmbar: mit dem rechten Ende bei " + at +
                   " bleibt er verschieblich (ein Mechanismus)";
      return fault;
    case Refusal::too_many_conditions:
      fault.what = "mehr als 100000 Lager, Gelenke und Enden (bei " + at + ")";
      return fault;
    case Refusal::too_many_springs:
      fault.what = "mehr als 100000 Federn (bei " + at + ")";
      return fault;
    case Refusal::none:
    case Refusal::overflow:
    case Refusal::same_codes:
    case Refusal::no_left_end:
    case Refusal::pass_abandoned:
      break;
  }
  fault.what = "Traeger nicht bestimmbar bei " + at;
  return fault;
}

// The file's title and units where the command line gives none.
bool take_labels(const CommandLine& line, const BeamFile& file, ReportOptions& options, FileFault& fault) {
  if (file.has_title) {
    if (!is_title(file.title)) {
      fault = {file.title_place, "titel nimmt keinen Zeilenumbruch und kein Steuerzeichen"};
      return false;
    }
    if (!line.title_given) options.labels.title = file.title;
  }
  if (file.has_units) {
    Units units;
    bool readable = file.force_unit.find(',') == std::string::npos &&
                    read_units(file.force_unit + "," + file.length_unit, units);
    if (!readable) {
      fault = {file.units_place,
               "einheiten braucht eine Krafteinheit und eine Laengeneinheit, etwa [\"kN\", \"m\"]"};
      return false;
    }
    if (!line.units_given) options.labels.units = units;
  }
  return true;
}

// A report or envelope file that would replace the beam file itself, by
// any name (the command line has refused --als-datei with a beam file).
const std::string* output_onto_beam_file(const CommandLine& line) {
  for (const std::vector<std::string>* files : {&line.reports.files, &line.reports.envelope_files}) {
    for (const std::string& path : *files) {
      if (same_file(path, line.beam_file)) return &path;
    }
  }
  return nullptr;
}

int run_read_file(const CommandLine& line) {
  if (const std::string* path = output_onto_beam_file(line)) {
    std::fputs(
        ("durchlauftraeger: " + shown_name(*path) + ": ist die Traegerdatei, nichts geschrieben\n").c_str(),
        stderr);
    return 2;
  }
  std::string text;
  std::string reason;
  if (!read_whole_file(line.beam_file, text, reason)) {
    std::fputs(("durchlauftraeger: " + shown_name(line.beam_file) + ": " + reason + "\n").c_str(), stderr);
    return 2;
  }
  BeamFile file;
  FileFault fault;
  BeamPasses passes;
  ReportOptions options = line.reports;
  if (!read_beam_file(text, file, fault) || !take_labels(line, file, options, fault) ||
      !build_passes(file, line.load_cases, passes, fault)) {
    print_fault(line.beam_file, fault);
    return 2;
  }
  text = std::string();
  console_open();
  notices_to_errors();
  BeamFileReports reports = reports_of(passes);
  BeamReported reported = report_beam_file(options, reports);
  console_close();
  if (reported.fault != BeamFault::none) {
    print_fault(line.beam_file, refused_beam(reported, passes, reports));
    return 2;
  }
  return reported.all_written ? 0 : 1;
}

}  // namespace

BeamFileReports reports_of(BeamPasses& passes) {
  BeamFileReports reports;
  for (FilePass& pass : passes.cases) reports.cases.push_back(std::move(pass.elements));
  reports.together = std::move(passes.together.elements);
  for (const PlaceInPass& place : passes.places) reports.places.push_back({place.left, place.right});
  return reports;
}

int run_beam_file(const CommandLine& line) {
  try {
    return run_read_file(line);
  } catch (const std::bad_alloc&) {
    console_close();
    std::fputs(("durchlauftraeger: " + shown_name(line.beam_file) + ": Speicher reicht nicht\n").c_str(),
               stderr);
    return 1;
  }
}

}  // namespace dlt
