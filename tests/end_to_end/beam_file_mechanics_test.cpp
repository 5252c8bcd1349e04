// Beam files end to end, against the stiffness method in long double
// (stiffness_solver.h): random beams of every kind of end, segments and
// shaft segments, supports, hinges and springs at segment ends and inside
// segments, trapezoidal loads across segment ends, point forces, moments,
// kinks and offsets, settlements and end rotations, in one or more load
// cases, written as beam files and run through the built program. Every row
// of the value table and of the table of chosen places must carry the exact
// values to the six decimals printed, on both sides of every jump; standard
// output must be the text report as --bericht writes it; and a beam file
// must give the digits a dialogue script of the same beam gives.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/program.h"
#include "tests/support/random.h"
#include "tests/support/report_text.h"
#include "tests/support/scratch_directory.h"
#include "tests/support/stiffness_solver.h"

using stiffness::End;
using stiffness::Real;
using stiffness::State;

namespace {

// The program's pi, with which a shaft's EI is E pi d^4 / 64.
constexpr Real kPi = 3.141592654L;

// A number as the file and the script give it: with every digit, so that
// the program reads the very double the test computes with.
std::string exact_text(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%.17g", value);
  return text;
}

// A drawn number with a few digits, as a user would type it.
double typed(double value, int digits) {
  char text[40];
  std::snprintf(text, sizeof text, "%.*g", digits, value);
  return std::strtod(text, nullptr);
}

enum class ActionKind { force, moment, kink, offset, settlement, rotation };

struct FileSegment {
  double length = 1;
  double EI = 0;  // or, for a shaft, E and d
  double E = 0;
  double d = 0;
  bool shaft = false;
};

// A point where the beam is cut: a segment end, or a point inside a segment
// where something stands, acts, starts or ends, or is wanted.
struct Station {
  double x = 0;
  std::size_t segment = 0;  // that of the piece right of it
  bool support = false;
  bool hinge = false;
  std::optional<double> spring = std::nullopt;
  bool wanted = false;  // listed in stellen
};

struct Action {
  ActionKind kind = ActionKind::force;
  std::size_t station = 0;
  std::size_t load_case = 0;
  double value = 0;
};

struct Load {
  std::size_t from = 0;  // stations
  std::size_t to = 0;
  std::size_t load_case = 0;
  double q = 0;
  double q_to = 0;
  bool uniform = false;  // written without q_bis
};

struct FileBeam {
  End left = End::pinned;
  End right = End::pinned;
  std::vector<FileSegment> segments;
  std::vector<Station> stations;  // by x, the ends first and last
  std::vector<std::string> load_cases;
  bool names_cases = true;  // lastfaelle and lastfall written
  std::vector<Action> actions;
  std::vector<Load> loads;
  std::vector<std::size_t> chosen;  // for --lastfall; all where empty
  int pieces = 10;                  // --punkte

  std::size_t last() const { return stations.size() - 1; }
  bool acting(std::size_t load_case) const {
    return chosen.empty() || std::find(chosen.begin(), chosen.end(), load_case) != chosen.end();
  }
};

bool holds_w(End end) { return end == End::pinned || end == End::clamped; }
bool holds_p(End end) { return end == End::clamped || end == End::guided; }

const char* end_name(End end) {
  switch (end) {
    case End::pinned:
      return "gelenkig";
    case End::clamped:
      return "eingespannt";
    case End::free:
      return "frei";
    case End::guided:
      return "gefuehrt";
  }
  return "";
}

// The beam file's text. The lists come in the order of the actions, which
// within each kind is the order in which they act at one x.
std::string file_text(const FileBeam& beam, Random& random) {
  std::ostringstream text;
  auto case_key = [&](std::size_t load_case) {
    return beam.names_cases ? "lastfall = \"" + beam.load_cases[load_case] + "\", " : std::string();
  };
  text << "links = \"" << end_name(beam.left) << "\"\nrechts = \"" << end_name(beam.right) << "\"\n";
  text << "abschnitte = [\n";
  for (const FileSegment& s : beam.segments) {
    text << "  { laenge = " << exact_text(s.length);
    if (s.shaft)
      text << ", E = " << exact_text(s.E) << ", d = " << exact_text(s.d) << " },\n";
    else
      text << ", EI = " << exact_text(s.EI) << " },\n";
  }
  text << "]\n";
  std::string supports, hinges, springs, places;
  for (const Station& s : beam.stations) {
    if (s.support) supports += exact_text(s.x) + ", ";
    if (s.hinge) hinges += exact_text(s.x) + ", ";
    if (s.spring) springs += "{ x = " + exact_text(s.x) + ", c = " + exact_text(*s.spring) + " }, ";
    if (s.wanted) {
      // Places in any order, and one of them twice now and then.
      std::string place = exact_text(s.x) + ", ";
      if (random.chance(0.5))
        places.insert(0, place);
      else
        places += place;
      if (random.chance(0.1)) places += place;
    }
  }
  if (!supports.empty()) text << "lager = [" << supports << "]\n";
  if (!hinges.empty()) text << "gelenke = [" << hinges << "]\n";
  if (!springs.empty()) text << "federn = [" << springs << "]\n";
  if (!places.empty()) text << "stellen = [" << places << "]\n";
  if (beam.names_cases) {
    text << "lastfaelle = [";
    for (const std::string& name : beam.load_cases) text << "\"" << name << "\", ";
    text << "]\n";
  }
  if (!beam.loads.empty()) {
    text << "streckenlasten = [\n";
    for (const Load& load : beam.loads) {
      text << "  { " << case_key(load.load_case) << "von = " << exact_text(beam.stations[load.from].x)
           << ", bis = " << exact_text(beam.stations[load.to].x) << ", q = " << exact_text(load.q);
      if (!load.uniform) text << ", q_bis = " << exact_text(load.q_to);
      text << " },\n";
    }
    text << "]\n";
  }
  static const struct {
    ActionKind kind;
    const char* key;
    const char* value;
  } kKeys[] = {{ActionKind::force, "einzellasten", "F"},
               {ActionKind::moment, "momente", "M"},
               {ActionKind::kink, "winkel", "p"},
               {ActionKind::offset, "versaetze", "w"},
               {ActionKind::settlement, "absenkungen", "w"},
               {ActionKind::rotation, "verdrehungen", "p"}};
  for (const auto& key : kKeys) {
    std::string entries;
    for (const Action& a : beam.actions) {
      if (a.kind != key.kind) continue;
      entries += "  { " + case_key(a.load_case) + "x = " + exact_text(beam.stations[a.station].x) + ", " +
                 key.value + " = " + exact_text(a.value) + " },\n";
    }
    if (!entries.empty()) text << key.key << " = [\n" << entries << "]\n";
  }
  return text.str();
}

bool write_file(const std::string& path, const std::string& text) {
  FILE* file = std::fopen(path.c_str(), "w");
  if (file == nullptr) return false;
  bool written = std::fputs(text.c_str(), file) >= 0;
  return std::fclose(file) == 0 && written;
}

// The beam the acting load cases make, as the reference solves it: a node
// at every station, an element for every piece between two.
struct Reference {
  stiffness::Beam beam;
  // Whether an acting settlement, and an acting rotation, stand at x = 0.
  bool left_settled = false;
  bool left_turned = false;
};

Real shaft_EI(const FileSegment& s) {
  const Real d = s.d;
  return s.shaft ? s.E * kPi * d * d * d * d / 64 : static_cast<Real>(s.EI);
}

Reference reference_of(const FileBeam& file) {
  Reference ref;
  stiffness::Beam& beam = ref.beam;
  beam.left = file.left;
  beam.right = file.right;
  const std::size_t last = file.last();
  beam.nodes.resize(last + 1);
  static const struct {
    ActionKind kind;
    stiffness::Jump jump;
  } kOrder[] = {{ActionKind::force, stiffness::Jump::force},
                {ActionKind::moment, stiffness::Jump::moment},
                {ActionKind::kink, stiffness::Jump::kink},
                {ActionKind::offset, stiffness::Jump::offset}};
  for (const auto& step : kOrder)
    for (const Action& a : file.actions)
      if (a.kind == step.kind && file.acting(a.load_case))
        beam.nodes[a.station].actions.push_back({step.jump, a.value});
  for (std::size_t j = 0; j <= last; ++j) {
    const Station& s = file.stations[j];
    stiffness::Node& node = beam.nodes[j];
    if (s.spring) node.spring = *s.spring;
    node.support = s.support;
    node.hinge = s.hinge;
  }
  for (const Action& a : file.actions) {
    if (!file.acting(a.load_case)) continue;
    if (a.kind == ActionKind::settlement) {
      if (a.station == 0) {
        beam.left_w += a.value;
        ref.left_settled = true;
      } else if (a.station == last) {
        beam.right_w += a.value;
      } else {
        beam.nodes[a.station].settlement += a.value;
      }
    } else if (a.kind == ActionKind::rotation) {
      if (a.station == 0) {
        beam.left_p += a.value;
        ref.left_turned = true;
      } else {
        beam.right_p += a.value;
      }
    }
  }
  for (std::size_t j = 0; j < last; ++j) {
    const Station& s = file.stations[j];
    stiffness::Segment piece;
    piece.length = static_cast<Real>(file.stations[j + 1].x) - s.x;
    piece.EI = shaft_EI(file.segments[s.segment]);
    for (const Load& load : file.loads) {
      if (!file.acting(load.load_case) || load.from > j || load.to <= j) continue;
      const Real from = file.stations[load.from].x, to = file.stations[load.to].x;
      const Real slope = (static_cast<Real>(load.q_to) - load.q) / (to - from);
      piece.q += load.q + slope * (s.x - from);
      piece.qs += slope;
    }
    beam.segments.push_back(piece);
  }
  return ref;
}

// A row the program should print: x, w, p, M, Q and, in a shaft, sigma.
struct ExpectedRow {
  Real x = 0;
  State at;
  bool stressed = false;
  Real sigma = 0;
  bool optional = false;  // printed or not: the same as the row before
};

// The rows of the value table: the left end, then every piece in the
// program's number of parts, and every element at each station, the joint
// of two different shaft sections twice.
std::vector<ExpectedRow> value_rows(const FileBeam& file, const Reference& ref,
                                    const stiffness::Solution& solution) {
  std::vector<ExpectedRow> rows;
  const FileSegment* section = file.segments.data();
  auto add = [&](Real x, const State& at) {
    ExpectedRow row{x, at, section->shaft, 0};
    if (section->shaft) row.sigma = at.M * 32 / (kPi * section->d * section->d * section->d);
    rows.push_back(row);
  };
  const std::vector<std::vector<State>>& at = solution.at_node;
  const stiffness::Beam& beam = ref.beam;
  // The left end's columns hold zero where it prescribes w or p; a
  // settlement and a rotation there are an offset and a kink right of it.
  State end = at[0][0];
  add(0, {end.w - beam.left_w, end.p - beam.left_p, end.M, end.Q});
  if (ref.left_settled) add(0, {end.w, end.p - beam.left_p, end.M, end.Q});
  if (ref.left_turned) add(0, end);
  for (std::size_t k = 1; k < at[0].size(); ++k) add(0, at[0][k]);
  for (std::size_t j = 0; j + 1 < file.stations.size(); ++j) {
    const FileSegment* next = &file.segments[file.stations[j].segment];
    bool new_section = next != section && next->shaft && (!section->shaft || section->d != next->d);
    section = next;
    if (new_section) add(rows.back().x, rows.back().at);
    const stiffness::Segment& piece = beam.segments[j];
    const Real x0 = file.stations[j].x;
    for (int i = 1; i <= file.pieces; ++i) {
      const Real t = i == file.pieces ? piece.length : piece.length * i / file.pieces;
      add(x0 + t, stiffness::along(piece, at[j].back(), t));
    }
    for (std::size_t k = 1; k < at[j + 1].size(); ++k) add(file.stations[j + 1].x, at[j + 1][k]);
  }
  return rows;
}

// The rows of the table of chosen places: left of each, and right of it
// where anything of the acting load cases stands or acts there. The program
// leaves the second row out where no value changes, as at a spring where w
// is zero: a row that the exact values hardly tell from the one before may
// be left out.
std::vector<ExpectedRow> place_rows(const FileBeam& file, const stiffness::Solution& solution) {
  std::vector<ExpectedRow> rows;
  for (std::size_t j = 0; j < file.stations.size(); ++j) {
    if (!file.stations[j].wanted) continue;
    const State& left = solution.at_node[j].front();
    const State& right = solution.at_node[j].back();
    rows.push_back({.x = file.stations[j].x, .at = left});
    if (solution.at_node[j].size() == 1) continue;
    bool same = true;
    for (auto [a, b] : {std::pair{left.w, right.w}, {left.p, right.p}, {left.M, right.M}, {left.Q, right.Q}})
      same = same && stiffness::magnitude(a - b) <= Real(1e-10) * (1 + stiffness::magnitude(a));
    rows.push_back({.x = file.stations[j].x, .at = right, .optional = same});
  }
  return rows;
}

// The rows of a table of the report, as words; the heading line left out.
std::vector<std::vector<std::string>> printed_rows(const std::string& report, const std::string& heading) {
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> lines = section(report, heading);
  for (std::size_t i = 1; i < lines.size(); ++i) rows.push_back(words(lines[i]));
  return rows;
}

// The largest of each value along the expected rows.
struct Scale {
  Real of[6] = {};
};

Real value_of(const ExpectedRow& row, std::size_t k) {
  const Real values[] = {row.x, row.at.w, row.at.p, row.at.M, row.at.Q, row.sigma};
  return values[k];
}

// The values of a printed row that are off: each must lie within half a
// unit of its sixth decimal of the exact one, with a relative slack of 1e-9
// of it and 1e-11 of the largest of its quantity along the beam for the
// program's double arithmetic. Writes them to report, where given.
int row_faults(const std::vector<std::string>& printed, const ExpectedRow& row, const Scale& scale,
               const std::string& where, std::ostringstream* report) {
  const std::size_t columns = row.stressed ? 6 : 5;
  if (printed.size() < columns) {
    if (report != nullptr) *report << where << ": " << printed.size() << " columns\n";
    return 1;
  }
  int wrong = 0;
  for (std::size_t k = 0; k < columns; ++k) {
    const Real want = value_of(row, k);
    const Real got = std::strtold(printed[k].c_str(), nullptr);
    const Real bound = Real(5e-7) + Real(1e-9) * stiffness::magnitude(want) + Real(1e-11) * scale.of[k];
    if (stiffness::magnitude(got - want) <= bound) continue;
    ++wrong;
    if (report == nullptr) continue;
    char line[200];
    std::snprintf(line, sizeof line, ": %c printed %s, exact %.9Lf\n", "xwpMQs"[k], printed[k].c_str(),
                  static_cast<long double>(want));
    *report << where << line;
  }
  return wrong;
}

// Compares printed rows with the expected ones, in order; an optional row
// may be printed or not. Writes the first faults to report.
int compare_rows(const std::vector<std::vector<std::string>>& printed,
                 const std::vector<ExpectedRow>& expected, const char* table, std::ostringstream& report) {
  Scale scale;
  for (const ExpectedRow& row : expected)
    for (std::size_t k = 0; k < 6; ++k)
      scale.of[k] = std::max(scale.of[k], stiffness::magnitude(value_of(row, k)));
  int wrong = 0;
  std::size_t next = 0;
  for (const ExpectedRow& row : expected) {
    const std::string where = std::string(table) + " row " + std::to_string(next + 1);
    if (row.optional && (next == printed.size() || row_faults(printed[next], row, scale, where, nullptr) > 0))
      continue;
    if (next == printed.size()) {
      report << table << ": " << printed.size() << " rows printed, more expected\n";
      return wrong + 1;
    }
    wrong += row_faults(printed[next], row, scale, where, wrong < 30 ? &report : nullptr);
    ++next;
  }
  if (next < printed.size()) {
    report << table << ": " << printed.size() << " rows printed, " << next << " expected\n";
    ++wrong;
  }
  return wrong;
}

// How often each thing was drawn, over all beams of a test.
struct Coverage {
  std::map<std::string, int> beams_with;
  void count(const std::string& thing, bool present) {
    if (present) ++beams_with[thing];
  }
};

// Leaves out the points inside segments where nothing came to stand, act,
// start or end, nor is wanted: the file does not name them, so the program
// does not cut the beam there.
void drop_empty_stations(FileBeam& beam) {
  const std::size_t last = beam.last();
  std::vector<bool> used(last + 1, false);
  for (std::size_t j = 0; j <= last; ++j) {
    const Station& s = beam.stations[j];
    const bool joint = j == 0 || j == last || s.segment != beam.stations[j - 1].segment;
    used[j] = joint || s.support || s.hinge || s.spring || s.wanted;
  }
  for (const Action& a : beam.actions) used[a.station] = true;
  for (const Load& load : beam.loads) used[load.from] = used[load.to] = true;
  std::vector<std::size_t> kept_as(last + 1, 0);
  std::vector<Station> kept;
  for (std::size_t j = 0; j <= last; ++j) {
    if (!used[j]) continue;
    kept_as[j] = kept.size();
    kept.push_back(beam.stations[j]);
  }
  beam.stations = std::move(kept);
  for (Action& a : beam.actions) a.station = kept_as[a.station];
  for (Load& load : beam.loads) {
    load.from = kept_as[load.from];
    load.to = kept_as[load.to];
  }
}

// Draws a random beam file whose acting loads the reference can solve.
// Numbers have few digits; where a segment end is named, with every digit
// of the sum of the lengths before it, as the program adds them.
FileBeam random_beam(Random& random, bool several_cases) {
  FileBeam beam;
  const End ends[] = {End::pinned, End::clamped, End::free, End::guided};
  beam.left = ends[random.whole(0, 3)];
  beam.right = ends[random.whole(0, 3)];
  const int segments = random.whole(1, 4);
  double x = 0;
  for (int k = 0; k < segments; ++k) {
    FileSegment s;
    s.length = typed(random.between(0.6, 3), 3);
    if (random.chance(0.3)) {
      s.shaft = true;
      // One of a few diameters, so that neighbouring shafts share one now
      // and then; E makes EI about as large as a beam's.
      const double diameters[] = {0.6, 0.85, 1.1, 1.3};
      s.d = diameters[random.whole(0, 3)];
      s.E = typed(random.between(0.5, 5) * 64 / (3.141592654 * std::pow(s.d, 4)), 4);
    } else {
      s.EI = typed(random.between(0.5, 5), 3);
    }
    beam.segments.push_back(s);
    beam.stations.push_back({.x = x, .segment = static_cast<std::size_t>(k)});
    x = x + s.length;
  }
  beam.stations.push_back({.x = x, .segment = beam.segments.size()});
  // Points inside the segments, at least 0.02 from each other and from the
  // segment ends.
  for (std::size_t k = 0; k < beam.segments.size(); ++k) {
    const double start = beam.stations[k].x, length = beam.segments[k].length;
    for (int n = random.whole(0, 3); n > 0; --n) {
      double inside = typed(start + random.between(0.05, 0.95) * length, 4);
      bool apart = inside > start + 0.02 && inside < start + length - 0.02;
      for (const Station& s : beam.stations) apart = apart && std::fabs(s.x - inside) > 0.02;
      if (apart) beam.stations.push_back({.x = inside, .segment = k});
    }
  }
  std::sort(beam.stations.begin(), beam.stations.end(),
            [](const Station& a, const Station& b) { return a.x < b.x; });
  const std::size_t last = beam.last();

  // The load cases.
  const int cases = several_cases ? random.whole(1, 3) : 1;
  const char* const names[] = {"g", "Wind von links", "q.2"};
  for (int c = 0; c < cases; ++c) beam.load_cases.push_back(names[c]);
  beam.names_cases = cases > 1 || random.chance(0.5);
  auto any_case = [&]() { return static_cast<std::size_t>(random.whole(0, cases - 1)); };

  // The beam itself.
  const double typical_stiffness = 2.5 / (1.5 * 1.5 * 1.5);
  for (std::size_t j = 0; j <= last; ++j) {
    Station& s = beam.stations[j];
    const bool inner = j != 0 && j != last;
    // A hinge now and then right at a support, as a Gerber beam has it.
    s.support = inner && random.chance(0.35);
    s.hinge = inner && random.chance(s.support ? 0.1 : 0.15);
    if (random.chance(inner ? 0.2 : 0.3))
      s.spring = typed(std::pow(10.0, random.between(-1, 2.5)) * typical_stiffness, 3);
    s.wanted = random.chance(0.3);
  }
  // A few places wanted where nothing else is: points of their own.
  for (int n = random.whole(0, 2); n > 0; --n) {
    std::size_t j = static_cast<std::size_t>(random.whole(0, static_cast<int>(last) - 1));
    const double a = beam.stations[j].x, b = beam.stations[j + 1].x;
    if (b - a < 0.1) continue;
    Station place{.x = typed(a + random.between(0.3, 0.7) * (b - a), 5), .segment = beam.stations[j].segment};
    place.wanted = true;
    beam.stations.insert(beam.stations.begin() + static_cast<std::ptrdiff_t>(j) + 1, place);
  }
  const std::size_t end = beam.last();

  // The loads and point actions, each of some load case.
  for (int n = random.whole(0, 4); n > 0; --n) {
    Load load;
    load.from = static_cast<std::size_t>(random.whole(0, static_cast<int>(end) - 1));
    load.to = static_cast<std::size_t>(random.whole(static_cast<int>(load.from) + 1, static_cast<int>(end)));
    load.load_case = any_case();
    load.q = typed(random.between(-3, 6), 3);
    load.uniform = random.chance(0.3);
    load.q_to = load.uniform ? load.q : typed(random.between(-3, 6), 3);
    beam.loads.push_back(load);
  }
  const struct {
    ActionKind kind;
    double chance, low, high;
  } kDraws[] = {{ActionKind::force, 0.25, -5, 10},
                {ActionKind::moment, 0.15, -5, 5},
                {ActionKind::kink, 0.06, -0.05, 0.05},
                {ActionKind::offset, 0.06, -0.05, 0.05}};
  for (const auto& draw : kDraws)
    for (std::size_t j = 0; j <= end; ++j)
      for (int n = random.chance(draw.chance) ? random.whole(1, 2) : 0; n > 0; --n)
        beam.actions.push_back({draw.kind, j, any_case(), typed(random.between(draw.low, draw.high), 3)});
  for (std::size_t j = 0; j <= end; ++j) {
    const Station& s = beam.stations[j];
    const bool held = (j == 0 && holds_w(beam.left)) || (j == end && holds_w(beam.right)) || s.support;
    if (held && random.chance(0.3))
      beam.actions.push_back({ActionKind::settlement, j, any_case(), typed(random.between(-0.05, 0.05), 3)});
    const bool turned = (j == 0 && holds_p(beam.left)) || (j == end && holds_p(beam.right));
    if (turned && random.chance(0.35))
      beam.actions.push_back({ActionKind::rotation, j, any_case(), typed(random.between(-0.02, 0.02), 3)});
  }
  if (cases > 1 && random.chance(0.3)) {
    for (int c = 0; c < cases; ++c)
      if (random.chance(0.5)) beam.chosen.push_back(static_cast<std::size_t>(c));
  }
  const int parts[] = {1, 2, 3, 10};
  beam.pieces = parts[random.whole(0, 3)];
  drop_empty_stations(beam);
  return beam;
}

// Whether something of the kind acts in the acting load cases.
bool has_action(const FileBeam& beam, ActionKind kind) {
  return std::any_of(beam.actions.begin(), beam.actions.end(),
                     [&](const Action& a) { return a.kind == kind && beam.acting(a.load_case); });
}

void count_coverage(const FileBeam& beam, Coverage& coverage) {
  auto any_station = [&](auto test) { return std::any_of(beam.stations.begin(), beam.stations.end(), test); };
  // A point inside a segment: no end of the beam, no start of a segment.
  auto inside = [&](std::size_t j) {
    return j != beam.last() && j != 0 && beam.stations[j].segment == beam.stations[j - 1].segment;
  };
  bool support_inside = false, load_inside = false, load_across = false, force_inside = false;
  for (std::size_t j = 0; j < beam.stations.size(); ++j)
    support_inside = support_inside || (beam.stations[j].support && inside(j));
  for (const Load& load : beam.loads) {
    if (!beam.acting(load.load_case)) continue;
    load_across = load_across ||
                  (!load.uniform && beam.stations[load.from].segment != beam.stations[load.to - 1].segment);
    load_inside = load_inside || inside(load.from) || inside(load.to);
  }
  for (const Action& a : beam.actions)
    force_inside =
        force_inside || (a.kind == ActionKind::force && inside(a.station) && beam.acting(a.load_case));
  coverage.count("support inside a segment", support_inside);
  coverage.count("load starting or ending inside a segment", load_inside);
  coverage.count("trapezoidal load across a segment end", load_across);
  coverage.count("force inside a segment", force_inside);
  coverage.count("hinge", any_station([](const Station& s) { return s.hinge; }));
  coverage.count("hinge at a support", any_station([](const Station& s) { return s.hinge && s.support; }));
  coverage.count("spring", any_station([](const Station& s) { return s.spring.has_value(); }));
  coverage.count("shaft", std::any_of(beam.segments.begin(), beam.segments.end(),
                                      [](const FileSegment& s) { return s.shaft; }));
  coverage.count("guided end", beam.left == End::guided || beam.right == End::guided);
  coverage.count("moment", has_action(beam, ActionKind::moment));
  coverage.count("kink", has_action(beam, ActionKind::kink));
  coverage.count("offset", has_action(beam, ActionKind::offset));
  coverage.count("settlement", has_action(beam, ActionKind::settlement));
  coverage.count("rotation", has_action(beam, ActionKind::rotation));
  coverage.count("several load cases", beam.load_cases.size() > 1);
  coverage.count("chosen load cases", !beam.chosen.empty());
}

// Runs one beam file and checks the tables of its report on standard
// output against the reference. With files, it also writes the report and
// the limits, and standard output must be the report as written (and the
// limits after it, where the file has more than one load case). One failure
// per beam, with the file.
void expect_reference_tables(const FileBeam& beam, const std::string& text,
                             const stiffness::Solution& solution, const Reference& ref,
                             const std::string& name, bool with_files) {
  ScratchDirectory dir;
  const std::string path = dir.file("traeger.toml");
  ASSERT_TRUE(write_file(path, text));
  std::vector<std::string> arguments = {path};
  if (with_files)
    arguments.insert(arguments.end(), {"--bericht", dir.file("r.txt"), "--grenzwerte", dir.file("g.txt")});
  if (beam.pieces != 10) arguments.insert(arguments.end(), {"--punkte", std::to_string(beam.pieces)});
  for (std::size_t c : beam.chosen) arguments.insert(arguments.end(), {"--lastfall", beam.load_cases[c]});
  PipedRun run = run_piped("", arguments);
  std::ostringstream report;
  int wrong = 0;
  if (!run.ending.exited || run.ending.status != 0) {
    report << "exit status " << run.ending.status << ": " << run.errors << "\n";
    ++wrong;
  }
  if (with_files) {
    std::string written = read_file(dir.file("r.txt"));
    if (beam.load_cases.size() > 1) written += "\n" + read_file(dir.file("g.txt"));
    if (run.output != written) {
      report << "standard output is not the report" << (beam.load_cases.size() > 1 ? " and the limits" : "")
             << " as written\n";
      ++wrong;
    }
    const std::string notices = "Bericht geschrieben: " + dir.file("r.txt") +
                                "\nGrenzwerte geschrieben: " + dir.file("g.txt") + " (" +
                                std::to_string(beam.load_cases.size()) + " Lastfaelle)\n";
    if (run.errors != notices) {
      report << "standard error: " << run.errors << "\n";
      ++wrong;
    }
  } else if (!run.errors.empty()) {
    report << "standard error: " << run.errors << "\n";
    ++wrong;
  }
  wrong += compare_rows(printed_rows(run.output, "Wertetabelle"), value_rows(beam, ref, solution),
                        "Wertetabelle", report);
  wrong += compare_rows(printed_rows(run.output, "Werte an den gewaehlten Stellen"),
                        place_rows(beam, solution), "Stellen", report);
  if (wrong > 0) {
    std::string options;
    for (std::size_t k = 1; k < arguments.size(); ++k) options += " " + arguments[k];
    ADD_FAILURE() << name << ": " << wrong << " faults\n"
                  << report.str() << "options:" << options << "\nfile:\n"
                  << text;
  }
}

// A random beam the reference can solve, with its solution; beams that are
// mechanisms are drawn again.
struct DrawnBeam {
  FileBeam file;
  Reference reference;
  stiffness::Solution solution;
};

DrawnBeam solvable_beam(Random& random, bool several_cases) {
  for (;;) {
    FileBeam file = random_beam(random, several_cases);
    Reference reference = reference_of(file);
    if (std::optional<stiffness::Solution> solution = stiffness::solve(reference.beam))
      return {std::move(file), std::move(reference), std::move(*solution)};
  }
}

// The sum of the values of a kind at station j, in the file's order, and
// whether there is any.
std::optional<double> action_sum(const FileBeam& beam, std::size_t j, ActionKind kind) {
  std::optional<double> sum;
  for (const Action& a : beam.actions)
    if (a.kind == kind && a.station == j) sum = sum ? *sum + a.value : a.value;
  return sum;
}

// The first pass of a dialogue script for the beam of one load case, as a
// user would enter it: cut only where something stands, acts, starts or
// ends, not at a place that is only wanted.
std::string dialogue_script(const FileBeam& beam) {
  const std::size_t last = beam.last();
  auto segment_start = [&](std::size_t j) {
    return j == 0 || (j != last && beam.stations[j].segment != beam.stations[j - 1].segment);
  };
  auto needed = [&](std::size_t j) {
    const Station& s = beam.stations[j];
    bool acts = std::any_of(beam.actions.begin(), beam.actions.end(),
                            [&](const Action& a) { return a.station == j; });
    bool load_ends = std::any_of(beam.loads.begin(), beam.loads.end(),
                                 [&](const Load& l) { return l.from == j || l.to == j; });
    return j == last || segment_start(j) || s.support || s.hinge || s.spring || acts || load_ends;
  };
  auto W = [&](std::size_t j, ActionKind kind) { return exact_text(action_sum(beam, j, kind).value_or(0)); };
  std::string script;
  switch (beam.left) {
    case End::pinned:
      script += "a 2 4\n";
      break;
    case End::clamped:
      script += "a 3 4\n";
      break;
    case End::free:
      script += "a 1 2\n";
      break;
    case End::guided:
      script += "a 1 3\n";
      break;
  }
  if (std::optional<double> w = action_sum(beam, 0, ActionKind::settlement))
    script += "d 1 " + exact_text(-*w) + "\n";
  if (std::optional<double> p = action_sum(beam, 0, ActionKind::rotation))
    script += "d 2 " + exact_text(-*p) + "\n";
  static const struct {
    ActionKind kind;
    const char* key;
  } kOrder[] = {{ActionKind::force, "d 4 "},
                {ActionKind::moment, "d 3 "},
                {ActionKind::kink, "d 2 "},
                {ActionKind::offset, "d 1 "}};
  for (std::size_t j = 0; j <= last; ++j) {
    if (!needed(j)) continue;
    const Station& s = beam.stations[j];
    for (const auto& step : kOrder)
      for (const Action& a : beam.actions)
        if (a.kind == step.kind && a.station == j) script += step.key + exact_text(a.value) + "\n";
    if (s.spring) script += "b " + exact_text(*s.spring) + "\n";
    if (s.support) script += "f 1 " + W(j, ActionKind::settlement) + " 0\n";
    if (s.hinge) script += "f 3 0 0\n";
    if (j == last) break;
    // The piece to the next station that is needed, its length and load as
    // the program makes them of the file.
    std::size_t next = j + 1;
    while (!needed(next)) ++next;
    const FileSegment& segment = beam.segments[s.segment];
    double segment_x = 0;  // where the segment starts: its first station
    for (std::size_t k = j; k > 0 && !segment_start(k); --k) segment_x = beam.stations[k - 1].x;
    if (segment_start(j)) segment_x = s.x;
    const double from = segment_start(j) ? 0 : s.x - segment_x;
    const bool to_end = segment_start(next) || next == last;
    const double to = to_end ? segment.length : beam.stations[next].x - segment_x;
    const double length = segment_start(j) && to_end ? segment.length : to - from;
    bool loaded = false;
    double q = 0, qs = 0;
    for (const Load& load : beam.loads) {
      if (load.from > j || load.to <= j) continue;
      const double x_from = beam.stations[load.from].x, x_to = beam.stations[load.to].x;
      const double slope = (load.q_to - load.q) / (x_to - x_from);
      const double here = load.from == j ? load.q : load.q + slope * (s.x - x_from);
      q = loaded ? q + here : here;
      qs = loaded ? qs + slope : slope;
      loaded = true;
    }
    script += segment.shaft
                  ? "e " + exact_text(length) + " " + exact_text(segment.E) + " " + exact_text(segment.d)
                  : "c " + exact_text(length) + " " + exact_text(segment.EI);
    script += loaded ? " 1 " + exact_text(q) + " " + exact_text(qs) + "\n" : " 0\n";
    j = next - 1;
  }
  switch (beam.right) {
    case End::pinned:
      script += "f 1 " + W(last, ActionKind::settlement) + " 1 3 0\n";
      break;
    case End::clamped:
      script += "f 1 " + W(last, ActionKind::settlement) + " 1 2 " + W(last, ActionKind::rotation) + "\n";
      break;
    case End::free:
      script += "f 3 0 1 4 0\n";
      break;
    case End::guided:
      script += "f 2 " + W(last, ActionKind::rotation) + " 1 4 0\n";
      break;
  }
  return script + "q\n";
}

// The rows of the value table by their x as printed, in their order.
// A zero may print as -0.000000 in one and 0.000000 in the other: a
// rounding residue of another order of the same arithmetic.
std::string unsigned_zero(const std::string& word) { return word == "-0.000000" ? "0.000000" : word; }

std::map<std::string, std::vector<std::vector<std::string>>> rows_by_x(const std::string& report) {
  std::map<std::string, std::vector<std::vector<std::string>>> rows;
  for (std::vector<std::string> row : printed_rows(report, "Wertetabelle")) {
    if (row.empty()) continue;
    for (std::string& word : row) word = unsigned_zero(word);
    rows[row[0]].push_back(row);
  }
  return rows;
}

// The reactions, each line's words, zeros unsigned.
std::vector<std::vector<std::string>> reactions(const std::string& report) {
  std::vector<std::vector<std::string>> rows = printed_rows(report, "Auflagerreaktionen");
  for (std::vector<std::string>& row : rows)
    for (std::string& word : row) word = unsigned_zero(word);
  return rows;
}

}  // namespace

TEST(StiffnessReference, HoldsWhatTheEndsAndPointActionsPrescribe) {
  // A cantilever clamped at the left with its end sunk by s and turned by
  // r, a moment M0 at its free tip, which lowers M to zero right of it: so
  // M = M0 throughout, p = r - M0 x / EI and w = s + r x - M0 x^2 / (2 EI).
  const Real L = 2, EI = 4, M0 = 3, r = 0.01L, s = 0.02L;
  stiffness::Beam cantilever{End::clamped, End::free, {{}, {}}, {{L, EI, 0, 0}}};
  cantilever.left_w = s;
  cantilever.left_p = r;
  cantilever.nodes[1].actions.push_back({stiffness::Jump::moment, M0});
  std::optional<stiffness::Solution> solution = stiffness::solve(cantilever);
  ASSERT_TRUE(solution);
  const State& tip = solution->at_node[1][0];
  EXPECT_NEAR(tip.M, M0, 1e-15L);
  EXPECT_NEAR(tip.Q, 0, 1e-15L);
  EXPECT_NEAR(tip.p, r - M0 * L / EI, 1e-15L);
  EXPECT_NEAR(tip.w, s + r * L - M0 * L * L / (2 * EI), 1e-15L);
  EXPECT_NEAR(solution->at_node[1][1].M, 0, 1e-15L);

  // A guided end turned by r, a span to a pinned end, no load: Q = 0 and so
  // M = 0 throughout; the beam turns rigidly about the pinned end.
  stiffness::Beam guided{End::guided, End::pinned, {{}, {}}, {{L, EI, 0, 0}}};
  guided.left_p = r;
  solution = stiffness::solve(guided);
  ASSERT_TRUE(solution);
  const State& start = solution->at_node[0][0];
  EXPECT_NEAR(start.M, 0, 1e-15L);
  EXPECT_NEAR(start.p, r, 1e-15L);
  EXPECT_NEAR(start.w, -r * L, 1e-15L);

  // A simply supported span whose right support sinks by s, with a kink a
  // and an offset e at mid-span: no load, so no forces; a rigid motion
  // carries the beam through w(0) = 0 and w(L) = s.
  const Real a = 0.03L, e = 0.05L;
  stiffness::Beam kinked{End::pinned, End::pinned, {{}, {}, {}}, {{L / 2, EI, 0, 0}, {L / 2, EI, 0, 0}}};
  kinked.right_w = s;
  kinked.nodes[1].actions = {{stiffness::Jump::kink, a}, {stiffness::Jump::offset, e}};
  solution = stiffness::solve(kinked);
  ASSERT_TRUE(solution);
  const std::vector<State>& middle = solution->at_node[1];
  ASSERT_EQ(middle.size(), 3u);
  const Real p0 = solution->at_node[0][0].p;
  // w(L) = p0 L - a L/2 - e = s.
  EXPECT_NEAR(p0, (s + e + a * L / 2) / L, 1e-15L);
  EXPECT_NEAR(middle[2].w, p0 * L / 2 - e, 1e-15L);
  EXPECT_NEAR(middle[2].p, p0 - a, 1e-15L);
  EXPECT_NEAR(solution->at_node[2][0].w, s, 1e-15L);
  EXPECT_NEAR(stiffness::magnitude(middle[0].M) + stiffness::magnitude(middle[0].Q), 0, 1e-15L);

  // Along a loaded segment, the values agree with the next node's.
  stiffness::Beam loaded{End::pinned, End::clamped, {{}, {}}, {{L, EI, 3, 1.5L}}};
  solution = stiffness::solve(loaded);
  ASSERT_TRUE(solution);
  State there = stiffness::along(loaded.segments[0], solution->at_node[0][0], L);
  const State& end = solution->at_node[1][0];
  EXPECT_NEAR(there.w, end.w, 1e-15L);
  EXPECT_NEAR(there.p, end.p, 1e-15L);
  EXPECT_NEAR(there.M, end.M, 1e-14L);
  EXPECT_NEAR(there.Q, end.Q, 1e-14L);
}

// Two hundred random beams: every row of the value table and of the chosen
// places within half a unit of the sixth decimal of the stiffness method;
// for every tenth, standard output is the report as written (and the limits
// after it). Writing the files costs their trip to the disk.
TEST(BeamFileMechanics, RandomBeamsAgreeWithTheStiffnessMethod) {
  Coverage coverage;
  for (std::uint32_t seed = 1; seed <= 200; ++seed) {
    Random random(seed);
    DrawnBeam drawn = solvable_beam(random, true);
    count_coverage(drawn.file, coverage);
    std::string text = file_text(drawn.file, random);
    expect_reference_tables(drawn.file, text, drawn.solution, drawn.reference,
                            "beam with seed " + std::to_string(seed), seed % 10 == 0);
  }
  // Every kind of thing came in a good share of the beams.
  for (const char* thing : {"support inside a segment", "load starting or ending inside a segment",
                            "trapezoidal load across a segment end", "force inside a segment", "hinge",
                            "hinge at a support", "spring", "shaft", "guided end", "moment", "kink", "offset",
                            "settlement", "rotation", "several load cases", "chosen load cases"})
    EXPECT_GE(coverage.beams_with[thing], 10) << thing;
}

// A beam file of one load case and the dialogue script of the same beam
// write the same digits in the value table wherever both have a row, and
// the same reactions. (Not the span moments: where M is constant over an
// overhang, which end is its largest is a tie.)
TEST(BeamFileMechanics, OneLoadCaseGivesTheDigitsOfTheDialogue) {
  for (std::uint32_t seed = 1001; seed <= 1040; ++seed) {
    Random random(seed);
    DrawnBeam drawn = solvable_beam(random, false);
    const FileBeam& beam = drawn.file;
    std::string text = file_text(beam, random);
    std::string script = dialogue_script(beam);
    ScratchDirectory dir;
    ASSERT_TRUE(write_file(dir.file("traeger.toml"), text));
    const std::string pieces = std::to_string(beam.pieces);
    PipedRun from_file = run_piped("", {dir.file("traeger.toml"), "--punkte", pieces});
    PipedRun from_script = run_piped(script, {"--bericht", dir.file("s.txt"), "--punkte", pieces});
    const std::string name = "beam with seed " + std::to_string(seed);
    ASSERT_EQ(from_file.ending.status, 0) << name << ": " << from_file.errors << text;
    ASSERT_EQ(from_script.ending.status, 0) << name << ": " << from_script.errors << script;
    ASSERT_EQ(from_script.output.find("nicht gesetzt"), std::string::npos) << name << ":\n" << script;
    const std::string dialogue = read_file(dir.file("s.txt"));
    EXPECT_EQ(reactions(from_file.output), reactions(dialogue)) << name << ", reactions\nfile:\n"
                                                                << text << "script:\n"
                                                                << script;
    auto file_rows = rows_by_x(from_file.output);
    auto script_rows = rows_by_x(dialogue);
    int common = 0;
    for (const auto& [x, rows] : script_rows) {
      auto found = file_rows.find(x);
      if (found == file_rows.end()) continue;
      ++common;
      EXPECT_EQ(found->second, rows) << name << " at x = " << x << "\nfile:\n"
                                     << text << "script:\n"
                                     << script;
    }
    EXPECT_GE(common, static_cast<int>(beam.segments.size()) + 1) << name;
  }
}
