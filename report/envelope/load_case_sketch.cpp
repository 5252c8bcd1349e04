#include "report/envelope/load_case_sketch.h"

#include <cstddef>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "report/beam/sketch_parts.h"
#include "report/beam/statics.h"
#include "report/format/numbers.h"

namespace dlt {

namespace {

// Whether a band of loads has anything to show.
bool has_loads(const sketch::Sketch& s) {
  for (std::size_t k = 0; k < s.record.elements.size(); ++k) {
    const Element& e = s.record.elements[k];
    if (is_segment(e) ? e.loaded && !(prints_as_zero(e.q) && prints_as_zero(e.q + (e.qs * e.length)))
                      : sketch::is_point(s, k))
      return true;
  }
  return false;
}

// The colours of the load cases: the permanent load's grey, then those of
// the variable loads in turn. Each is a class of its own, which a group of
// shapes takes on: the page's classes draw in grey, these in its colour.
constexpr const char* kCaseColours[] = {"#4d4d4d", "#1f5fa8", "#c0282d", "#2a8a2a",
                                        "#7b3fa8", "#c86400", "#0f8c8c", "#8c5a3c"};
constexpr std::size_t kCaseColourCount = std::size(kCaseColours);

// The rules of one colour's class: @ stands for the class, % for the colour.
constexpr std::string_view kColourRules =
    "@ .last { fill: %; fill-opacity: 0.2; stroke: %; }\n"
    "@ .voll { fill: %; }\n"
    "@ .linie, @ .dick, @ .duenn { stroke: %; }\n"
    "@ text { fill: %; }\n";

std::string case_colour_style() {
  std::string css = "<style>\n.lastfall { font-weight: bold; }\n";
  for (std::size_t i = 0; i < kCaseColourCount; ++i) {
    for (char c : kColourRules) {
      if (c == '@') {
        css.append(".farbe" + std::to_string(i));
      } else if (c == '%') {
        css.append(kCaseColours[i]);
      } else {
        css.push_back(c);
      }
    }
  }
  css.append("</style>\n");
  return css;
}

// The loads of case `number` (from 1) in a band from top down, loads from
// lo to hi filling its height, named at its left, on an axis of their own.
void load_band(std::string& out, const BeamRecord& record, std::size_t number, double top, double lo,
               double hi, const XScale& scale, const UnitNames& units) {
  Statics none;
  sketch::Sketch s = sketch::new_sketch(record, element_positions(record.elements), none, units, scale,
                                        sketch::Content::loads, sketch::band_layout(top));
  // The loads act on the axis itself.
  s.half_at.assign(record.elements.size(), 0.0);
  sketch::scale_loads(s, lo, hi);
  std::size_t colour = number == 1 ? 0 : 1 + ((number - 2) % (kCaseColourCount - 1));
  s.out = "<g class=\"farbe" + std::to_string(colour) + "\">\n";
  std::vector<std::string> name = {"LF " + std::to_string(number)};
  if (!has_loads(s)) name[0].append(": keine Last");
  Box box = text_box(2, s.layout.load_top - kLineHeight, name);
  take(s.taken, box);
  append_text(s.out, box, name, "lastfall");
  append_line(s.out, kPlotLeft, s.layout.axis, kPlotLeft + kPlotWidth, s.layout.axis, "duenn");
  sketch::loads(s);
  sketch::points(s);
  s.out.append("</g>\n");
  out.append(s.out);
}

}  // namespace

std::string load_case_sketch_svg(const std::vector<const BeamRecord*>& cases, const XScale& scale,
                                 const UnitNames& units) {
  double lo = 0;
  double hi = 0;
  for (const BeamRecord* record : cases) sketch::widen_load_range(*record, lo, hi);
  double bands = static_cast<double>(cases.size()) * sketch::band_layout(0).bottom;
  Statics none;
  sketch::Sketch s = sketch::new_sketch(*cases.front(), element_positions(cases.front()->elements), none,
                                        units, scale, sketch::Content::beam, sketch::beam_layout(bands));
  s.out = sketch::svg_start(s.layout.bottom);
  s.out.append(case_colour_style());
  double top = 0;
  for (std::size_t i = 0; i < cases.size(); ++i) {
    load_band(s.out, *cases[i], i + 1, top, lo, hi, scale, units);
    top = top + sketch::band_layout(0).bottom;
  }
  sketch::measure_beam(s);
  return sketch::finish_beam(s);
}

}  // namespace dlt
