#include "model/passes.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

#include "console/shown_name.h"
#include "engine/quantity.h"

namespace dlt {

namespace {

// A point where the beam is cut: a segment end or a point inside a segment.
struct Station {
  double x = 0;
  std::size_t segment = 0;  // the segment the piece right of it lies in
  bool segment_start = false;
};

// The beam's geometry: where each segment starts, and the stations.
struct Geometry {
  std::vector<double> starts;  // one per segment, and the beam's length last
  double length = 0;
  double tolerance = 0;
  std::vector<Station> stations;
};

std::size_t last_station(const Geometry& geometry) { return geometry.stations.size() - 1; }

// The station nearest to x. REQUIRES: x was made a station or lies within
// the tolerance of one.
std::size_t station_of(const Geometry& geometry, double x) {
  const std::vector<Station>& stations = geometry.stations;
  auto after = std::lower_bound(stations.begin(), stations.end(), x,
                                [](const Station& s, double value) { return s.x < value; });
  std::size_t j = static_cast<std::size_t>(after - stations.begin());
  if (j == stations.size()) return j - 1;
  if (j > 0 && x - stations[j - 1].x <= stations[j].x - x) return j - 1;
  return j;
}

struct Building {
  const BeamFile& file;
  FileFault& fault;
  Geometry geometry;
};

bool fail(Building& building, FilePlace place, std::string what) {
  building.fault.place = place;
  building.fault.what = std::move(what);
  return false;
}

bool on_beam(Building& building, double x, FilePlace place, std::string_view name) {
  const Geometry& g = building.geometry;
  if (x >= -g.tolerance && x <= g.length + g.tolerance) return true;
  return fail(building, place,
              std::string(name) + " = " + x_text(x) + " liegt nicht auf dem Traeger (0 bis " +
                  x_text(g.length) + ")");
}

// Every x the file names, checked to lie on the beam.
bool points_of_file(Building& building, std::vector<double>& points) {
  const BeamFile& file = building.file;
  for (const std::vector<FilePoint>* list : {&file.supports, &file.hinges, &file.springs, &file.places}) {
    for (const FilePoint& point : *list) {
      if (!on_beam(building, point.x, point.place, "x")) return false;
      points.push_back(point.x);
    }
  }
  for (const FileAction& action : file.actions) {
    if (!on_beam(building, action.x, action.place, "x")) return false;
    points.push_back(action.x);
  }
  for (const FileLoad& load : file.loads) {
    if (!on_beam(building, load.from, load.from_place, "von") ||
        !on_beam(building, load.to, load.to_place, "bis"))
      return false;
    if (!(load.to - load.from > building.geometry.tolerance))
      return fail(building, load.to_place, "bis muss groesser als von sein");
    points.push_back(load.from);
    points.push_back(load.to);
  }
  return true;
}

// The stations: every segment end, and every point of the file inside a
// segment, points closer than the tolerance taken as one.
bool make_geometry(Building& building) {
  Geometry& g = building.geometry;
  double x = 0;
  for (const FileSegment& segment : building.file.segments) {
    g.starts.push_back(x);
    x = x + segment.length;
  }
  g.starts.push_back(x);
  g.length = x;
  g.tolerance = 1e-9 * g.length;
  std::vector<double> points;
  if (!points_of_file(building, points)) return false;
  std::sort(points.begin(), points.end());
  std::size_t next = 0;
  std::size_t segments = building.file.segments.size();
  for (std::size_t k = 0; k < segments; ++k) {
    g.stations.push_back({g.starts[k], k, true});
    double end = g.starts[k + 1];
    for (; next < points.size() && points[next] < end + g.tolerance; ++next) {
      double p = points[next];
      if (p <= g.stations.back().x + g.tolerance || p >= end - g.tolerance) continue;
      g.stations.push_back({p, k, false});
    }
  }
  g.stations.push_back({g.length, segments, false});
  return true;
}

// What stands at each station, of the beam itself: indices into the file's
// lists, or none.
constexpr std::size_t kNone = static_cast<std::size_t>(-1);

struct StationParts {
  std::size_t support = kNone;
  std::size_t hinge = kNone;
  std::vector<std::size_t> springs;
  std::vector<std::size_t> actions;  // in the file's order
};

bool place_beam_points(Building& building, std::vector<StationParts>& parts) {
  const BeamFile& file = building.file;
  const Geometry& g = building.geometry;
  std::size_t last = last_station(g);
  for (std::size_t k = 0; k < file.supports.size(); ++k) {
    const FilePoint& support = file.supports[k];
    std::size_t j = station_of(g, support.x);
    std::string at = "x = " + x_text(g.stations[j].x);
    if (j == 0 || j == last)
      return fail(building, support.place,
                  "Lager am Traegerende (" + at + "): wie das Ende gehalten ist, sagt " +
                      std::string(j == 0 ? "links" : "rechts"));
    if (parts[j].support != kNone) return fail(building, support.place, "zwei Lager bei " + at);
    parts[j].support = k;
  }
  for (std::size_t k = 0; k < file.hinges.size(); ++k) {
    const FilePoint& hinge = file.hinges[k];
    std::size_t j = station_of(g, hinge.x);
    std::string at = "x = " + x_text(g.stations[j].x);
    if (j == 0 || j == last) return fail(building, hinge.place, "Gelenk am Traegerende (" + at + ")");
    if (parts[j].hinge != kNone) return fail(building, hinge.place, "zwei Gelenke bei " + at);
    parts[j].hinge = k;
  }
  for (std::size_t k = 0; k < file.springs.size(); ++k)
    parts[station_of(g, file.springs[k].x)].springs.push_back(k);
  return true;
}

bool prescribes_w(EndKind end) { return end == EndKind::pinned || end == EndKind::clamped; }
bool prescribes_p(EndKind end) { return end == EndKind::clamped || end == EndKind::guided; }

bool place_actions(Building& building, std::vector<StationParts>& parts) {
  const BeamFile& file = building.file;
  const Geometry& g = building.geometry;
  std::size_t last = last_station(g);
  for (std::size_t k = 0; k < file.actions.size(); ++k) {
    const FileAction& action = file.actions[k];
    std::size_t j = station_of(g, action.x);
    std::string at = "x = " + x_text(g.stations[j].x);
    if (action.kind == ActionKind::settlement) {
      bool held = (j == 0 && prescribes_w(file.left)) || (j == last && prescribes_w(file.right)) ||
                  (j != 0 && j != last && parts[j].support != kNone);
      if (!held)
        return fail(building, action.place,
                    "bei " + at +
                        " schreibt keine Bedingung w vor: eine Absenkung braucht ein Lager oder ein "
                        "gelenkiges oder eingespanntes Ende");
    }
    if (action.kind == ActionKind::rotation) {
      bool held = (j == 0 && prescribes_p(file.left)) || (j == last && prescribes_p(file.right));
      if (!held)
        return fail(building, action.place,
                    "bei " + at +
                        " schreibt keine Bedingung p vor: eine Verdrehung braucht ein eingespanntes oder "
                        "gefuehrtes Ende");
    }
    parts[j].actions.push_back(k);
  }
  return true;
}

// What a pass is built of: which load cases act in it.
struct PassBuilder {
  const BeamFile& file;
  const Geometry& geometry;
  const std::vector<StationParts>& parts;
  std::vector<bool> acting;  // per load case
  FilePass pass;
};

void add(PassBuilder& builder, const Element& element, FilePlace source) {
  builder.pass.elements.push_back(element);
  builder.pass.sources.push_back(source);
}

Element point_action(Quantity S1, double load) {
  Element element;
  element.kind = ElementKind::point_action;
  element.S1 = S1;
  element.load = load;
  return element;
}

// The sum of the values of one kind at station j in the acting load cases,
// and whether there is any, with the place of the first.
struct ActionSum {
  bool any = false;
  double value = 0;
  FilePlace place;
};

ActionSum action_sum(const PassBuilder& builder, std::size_t j, ActionKind kind) {
  ActionSum sum;
  for (std::size_t k : builder.parts[j].actions) {
    const FileAction& action = builder.file.actions[k];
    if (action.kind != kind || !builder.acting[action.load_case]) continue;
    sum.value = sum.any ? sum.value + action.value : action.value;
    if (!sum.any) sum.place = action.place;
    sum.any = true;
  }
  return sum;
}

void add_left_end(PassBuilder& builder) {
  const BeamFile& file = builder.file;
  Element end;
  end.kind = ElementKind::left_end;
  // X1 and X2 carry the two quantities the end leaves free.
  switch (file.left) {
    case EndKind::pinned:
      end.S1 = Quantity::p;
      end.S2 = Quantity::Q;
      break;
    case EndKind::clamped:
      end.S1 = Quantity::M;
      end.S2 = Quantity::Q;
      break;
    case EndKind::free:
      end.S1 = Quantity::w;
      end.S2 = Quantity::p;
      break;
    case EndKind::guided:
      end.S1 = Quantity::w;
      end.S2 = Quantity::M;
      break;
  }
  add(builder, end, file.left_place);
  // The end's prescribed w and p are zero in its columns: a settlement or a
  // rotation is the offset or kink that lifts them to the value.
  ActionSum settlement = action_sum(builder, 0, ActionKind::settlement);
  if (settlement.any) add(builder, point_action(Quantity::w, -settlement.value), settlement.place);
  ActionSum rotation = action_sum(builder, 0, ActionKind::rotation);
  if (rotation.any) add(builder, point_action(Quantity::p, -rotation.value), rotation.place);
}

void add_point_actions(PassBuilder& builder, std::size_t j) {
  static constexpr struct {
    ActionKind kind;
    Quantity S1;
  } kOrder[] = {{ActionKind::force, Quantity::Q},
                {ActionKind::moment, Quantity::M},
                {ActionKind::kink, Quantity::p},
                {ActionKind::offset, Quantity::w}};
  for (const auto& step : kOrder) {
    for (std::size_t k : builder.parts[j].actions) {
      const FileAction& action = builder.file.actions[k];
      if (action.kind == step.kind && builder.acting[action.load_case])
        add(builder, point_action(step.S1, action.value), action.place);
    }
  }
}

void add_station_parts(PassBuilder& builder, std::size_t j) {
  const StationParts& parts = builder.parts[j];
  for (std::size_t k : parts.springs) {
    Element spring;
    spring.kind = ElementKind::spring;
    spring.c = builder.file.springs[k].c;
    add(builder, spring, builder.file.springs[k].place);
  }
  if (parts.support != kNone) {
    Element support;
    support.kind = ElementKind::condition;
    support.S1 = Quantity::w;
    support.W1 = action_sum(builder, j, ActionKind::settlement).value;
    add(builder, support, builder.file.supports[parts.support].place);
  }
  if (parts.hinge != kNone) {
    Element hinge;
    hinge.kind = ElementKind::condition;
    hinge.S1 = Quantity::M;
    add(builder, hinge, builder.file.hinges[parts.hinge].place);
  }
}

void add_right_end(PassBuilder& builder) {
  const BeamFile& file = builder.file;
  std::size_t j = last_station(builder.geometry);
  double settlement = action_sum(builder, j, ActionKind::settlement).value;
  double rotation = action_sum(builder, j, ActionKind::rotation).value;
  Element end;
  end.kind = ElementKind::right_end;
  switch (file.right) {
    case EndKind::pinned:
      end.S1 = Quantity::w;
      end.W1 = settlement;
      end.S2 = Quantity::M;
      break;
    case EndKind::clamped:
      end.S1 = Quantity::w;
      end.W1 = settlement;
      end.S2 = Quantity::p;
      end.W2 = rotation;
      break;
    case EndKind::free:
      end.S1 = Quantity::M;
      end.S2 = Quantity::Q;
      break;
    case EndKind::guided:
      end.S1 = Quantity::p;
      end.W1 = rotation;
      end.S2 = Quantity::Q;
      break;
  }
  add(builder, end, file.right_place);
}

// The piece from station j to the next: its length measured within its
// segment, so that an uncut segment keeps its length exactly, and the loads
// of the acting load cases that cover it, each at its intensity at the
// piece's start.
// The loads that cover the pieces, swept along the beam: those of the acting
// load cases starting at each station join, those ending there leave, and
// the rest stay in the file's order, which is the order they are summed in.
struct LoadSweep {
  std::vector<std::size_t> from;  // per load, its stations
  std::vector<std::size_t> to;
  std::vector<std::vector<std::size_t>> starting;  // per station, the loads starting there
  std::vector<std::size_t> covering;               // of the piece after the station swept last
};

LoadSweep start_sweep(const PassBuilder& builder) {
  const Geometry& g = builder.geometry;
  LoadSweep sweep;
  sweep.starting.resize(g.stations.size());
  for (std::size_t k = 0; k < builder.file.loads.size(); ++k) {
    const FileLoad& load = builder.file.loads[k];
    sweep.from.push_back(station_of(g, load.from));
    sweep.to.push_back(station_of(g, load.to));
    if (builder.acting[load.load_case]) sweep.starting[sweep.from.back()].push_back(k);
  }
  return sweep;
}

void sweep_to(LoadSweep& sweep, std::size_t j) {
  std::vector<std::size_t>& covering = sweep.covering;
  covering.erase(
      std::remove_if(covering.begin(), covering.end(), [&](std::size_t k) { return sweep.to[k] <= j; }),
      covering.end());
  if (sweep.starting[j].empty()) return;
  covering.insert(covering.end(), sweep.starting[j].begin(), sweep.starting[j].end());
  std::sort(covering.begin(), covering.end());
}

void add_piece(PassBuilder& builder, std::size_t j, LoadSweep& sweep) {
  const Geometry& g = builder.geometry;
  const Station& start = g.stations[j];
  const Station& end = g.stations[j + 1];
  const FileSegment& segment = builder.file.segments[start.segment];
  double segment_start = g.starts[start.segment];
  double from = start.segment_start ? 0 : start.x - segment_start;
  double to = end.segment_start || j + 1 == last_station(g) ? segment.length : end.x - segment_start;
  Element piece;
  piece.kind = segment.shaft ? ElementKind::shaft_segment : ElementKind::beam_segment;
  piece.length =
      start.segment_start && (end.segment_start || j + 1 == last_station(g)) ? segment.length : to - from;
  piece.EI = segment.EI;
  piece.E = segment.E;
  piece.diameter = segment.diameter;
  sweep_to(sweep, j);
  for (std::size_t k : sweep.covering) {
    const FileLoad& load = builder.file.loads[k];
    double slope = (load.q_to - load.q) / (load.to - load.from);
    double q = sweep.from[k] == j ? load.q : load.q + slope * (start.x - load.from);
    piece.q = piece.loaded ? piece.q + q : q;
    piece.qs = piece.loaded ? piece.qs + slope : slope;
    piece.loaded = true;
  }
  add(builder, piece, segment.place);
}

FilePass build_pass(PassBuilder& builder, std::vector<PlaceInPass>* places) {
  const Geometry& g = builder.geometry;
  std::size_t last = last_station(g);
  LoadSweep sweep = start_sweep(builder);
  std::vector<bool> wanted(g.stations.size(), false);
  for (const FilePoint& place : builder.file.places) wanted[station_of(g, place.x)] = true;
  for (std::size_t j = 0; j <= last; ++j) {
    if (j == 0) add_left_end(builder);
    std::size_t left = builder.pass.elements.size();
    add_point_actions(builder, j);
    add_station_parts(builder, j);
    if (places != nullptr && wanted[j])
      places->push_back({g.stations[j].x, left, builder.pass.elements.size()});
    if (j == last)
      add_right_end(builder);
    else
      add_piece(builder, j, sweep);
  }
  return std::move(builder.pass);
}

}  // namespace

std::string x_text(double x) {
  char digits[32];
  char* end = std::to_chars(digits, digits + sizeof digits, x).ptr;
  return std::string(digits, end);
}

double point_tolerance(const BeamFile& file) {
  double length = 0;
  for (const FileSegment& segment : file.segments) length = length + segment.length;
  return 1e-9 * length;
}

bool build_passes(const BeamFile& file, const std::vector<std::string>& chosen, BeamPasses& passes,
                  FileFault& fault) {
  passes = BeamPasses{};
  std::vector<bool> acting(file.load_cases.size(), chosen.empty());
  for (const std::string& name : chosen) {
    auto found = std::find(file.load_cases.begin(), file.load_cases.end(), name);
    if (found == file.load_cases.end()) {
      fault.place = {0, 0};
      fault.what = "--lastfall " + shown_name(name) + ": kein Lastfall dieses Namens in der Datei";
      return false;
    }
    acting[static_cast<std::size_t>(found - file.load_cases.begin())] = true;
  }
  Building building{file, fault, {}};
  if (!make_geometry(building)) return false;
  std::vector<StationParts> parts(building.geometry.stations.size());
  if (!place_beam_points(building, parts) || !place_actions(building, parts)) return false;
  for (std::size_t c = 0; c < file.load_cases.size(); ++c) {
    PassBuilder builder{file, building.geometry, parts, std::vector<bool>(file.load_cases.size(), false), {}};
    builder.acting[c] = true;
    passes.cases.push_back(build_pass(builder, nullptr));
  }
  PassBuilder together{file, building.geometry, parts, acting, {}};
  passes.together = build_pass(together, &passes.places);
  return true;
}

}  // namespace dlt
