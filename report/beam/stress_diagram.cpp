#include "report/beam/stress_diagram.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "report/beam/shaft_stress.h"
#include "report/format/curve.h"
#include "report/format/diagram.h"
#include "report/format/numbers.h"

namespace dlt {

namespace {

// A point of the stress curve, in its order along the beam; a joint where
// the diameter changes comes twice, with the stress on either side.
struct StressPoint {
  double x = 0;
  double sigma = 0;
  bool drawn = false;  // false where the section is a beam segment's
  bool step = false;   // the second side of a change of diameter
};

// Walks the pass at the drawing's resolution and hands every point of the
// curve to take: the table's rows, the points the walk drew between them
// and those where M may have its extreme, which sigma has there too.
template <class Take>
void walk_stress(const CompletePass& pass, const XScale& scale, Take take) {
  Walk walk = start_drawing_walk(pass, std::fabs(scale.factor));
  walk.find_extremes = true;
  SectionCourse sections = start_sections(pass.record.elements);
  TableRow row;
  TableRow last;
  std::vector<TableRow> between;
  auto point = [&](const TableRow& at, bool step) {
    StressPoint p{at.x, 0, false, step};
    p.drawn = stress_in_section(sections, at.at.M, p.sigma) && is_drawable(p.x, p.sigma);
    take(p);
  };
  bool first = true;
  while (next_row(walk, row)) {
    if (enter_row(sections, walk.element) && !first) point(last, true);
    between.assign(walk.drawn.begin(), walk.drawn.end());
    between.insert(between.end(), walk.inside.begin(), walk.inside.end());
    double direction = last.x <= row.x ? 1 : -1;
    std::stable_sort(between.begin(), between.end(), [&](const TableRow& a, const TableRow& b) {
      return (a.x - last.x) * direction < (b.x - last.x) * direction;
    });
    for (const TableRow& at : between) point(at, false);
    point(row, false);
    last = row;
    first = false;
  }
}

struct StressExtremes {
  StressPoint largest;
  StressPoint smallest;
  bool any = false;
};

StressExtremes stress_extremes(const CompletePass& pass, const XScale& scale) {
  StressExtremes e;
  walk_stress(pass, scale, [&e](const StressPoint& p) {
    if (!p.drawn) return;
    if (!e.any || p.sigma > e.largest.sigma) e.largest = p;
    if (!e.any || p.sigma < e.smallest.sigma) e.smallest = p;
    e.any = true;
  });
  return e;
}

}  // namespace

std::string stress_diagram_svg(const CompletePass& pass, const XScale& scale, const UnitNames& units) {
  if (!has_shaft(pass.record.elements)) return "";
  StressExtremes extremes = stress_extremes(pass, scale);
  CurveThinning thinning;
  YScale& y = thinning.curve.scale;
  y = y_scale(std::min(0.0, extremes.smallest.sigma), std::max(0.0, extremes.largest.sigma), true);
  thinning.curve.zero = to_drawing(y, 0);
  std::vector<Wanted> wanted;
  std::vector<Wanted> steps;
  bool run_open = false;
  StressPoint before;
  walk_stress(pass, scale, [&](const StressPoint& p) {
    if (!p.drawn) {
      if (run_open) break_run(thinning);
      run_open = false;
      return;
    }
    bool extreme = (p.x == extremes.largest.x && p.sigma == extremes.largest.sigma) ||
                   (p.x == extremes.smallest.x && p.sigma == extremes.smallest.sigma);
    add_point(thinning, {to_drawing(scale, p.x), to_drawing(y, p.sigma)}, extreme || p.step);
    if (p.step && run_open) {
      steps.push_back({before.x, before.sigma, Anchor::end, LabelKind::value});
      steps.push_back({p.x, p.sigma, Anchor::start, LabelKind::value});
    }
    before = p;
    run_open = true;
  });
  Curve curve = finish_curve(thinning);
  // A value that prints as zero is left to the zero line.
  if (extremes.any && !prints_as_zero(extremes.largest.sigma))
    wanted.push_back({extremes.largest.x, extremes.largest.sigma, Anchor::middle, LabelKind::largest});
  if (extremes.any && !prints_as_zero(extremes.smallest.sigma))
    wanted.push_back({extremes.smallest.x, extremes.smallest.sigma, Anchor::middle, LabelKind::smallest});
  // ... and one an extreme's label names already too.
  std::erase_if(steps, [&wanted](const Wanted& w) {
    return prints_as_zero(w.value) || std::any_of(wanted.begin(), wanted.end(), [&w](const Wanted& e) {
             return prints_alike(e.x, w.x) && prints_alike(e.value, w.value);
           });
  });
  // Larger values first, as in the other diagrams.
  std::stable_sort(steps.begin(), steps.end(),
                   [](const Wanted& a, const Wanted& b) { return std::fabs(a.value) > std::fabs(b.value); });
  Plotted shown = plotted_stress(units);
  std::string out = diagram_start("diagramm-sigma", shown, units);
  append_diagram_curve(out, curve, shown);
  append_labels(out, curve, {&wanted, &steps}, scale, shown, units);
  out.append("</svg>\n");
  return out;
}

}  // namespace dlt
