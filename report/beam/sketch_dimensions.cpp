// The dimension line under the sketch: its ticks at the joints of the
// segments, and under it the segments' lengths and the shaft segments'
// diameters.
#include "report/beam/sketch_parts.h"

#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

#include "report/format/numbers.h"

namespace dlt::sketch {

namespace {

// A label under the dimension line, left out where it would overlap another.
void dimension_label(Sketch& s, TakenBoxes& taken, double X, const std::string& text) {
  std::vector<std::string> lines = {text};
  double width = text_width(lines);
  Box box = text_box(label_left(X, width, Anchor::middle), s.layout.dimension_line + 4, lines);
  if (place_box(taken, box, kLineHeight, s.layout.dimension_line + 4, s.layout.bottom))
    append_text(s.out, box, lines, "wert");
}

}  // namespace

void dimension_line(Sketch& s) {
  const std::vector<Element>& elements = s.record.elements;
  append_line(s.out, kPlotLeft, s.layout.dimension_line, kPlotLeft + kPlotWidth, s.layout.dimension_line,
              "duenn");
  TakenBoxes dimensions;
  Stretch ticks;
  double last_end = 0;
  bool last_ticked = true;
  auto tick = [&](double X) {
    last_ticked = clear_of(ticks, X, kApart);
    if (!last_ticked) return;
    append_line(s.out, X, s.layout.dimension_line - 4, X, s.layout.dimension_line + 4, "duenn");
    extend(ticks, X, X);
  };
  for (std::size_t k = 0; k < elements.size(); ++k) {
    const Element& e = elements[k];
    double X1 = 0;
    double X2 = 0;
    if (!segment_ends(s, k, X1, X2)) continue;
    tick(X1);
    tick(X2);
    last_end = X2;
    if (!(std::fabs(X2 - X1) >= kApart)) continue;
    if (!prints_as_zero(e.length))
      dimension_label(s, dimensions, (X1 + X2) / 2,
                      with_unit(e.length, unit_of(s.units, Dimension::length), NumberForm::reading));
    if (e.kind == ElementKind::shaft_segment)
      dimension_label(s, dimensions, (X1 + X2) / 2, named(s, "d", e.diameter, Dimension::length));
  }
  // The end of the beam is marked even where a tick stands close to it.
  if (!last_ticked)
    append_line(s.out, last_end, s.layout.dimension_line - 4, last_end, s.layout.dimension_line + 4, "duenn");
}

}  // namespace dlt::sketch
