#include "report/beam/sketch.h"

#include "report/beam/sketch_parts.h"

namespace dlt {

const char* const kBeamFill = "#5f7d95";

// The points come last, so that their symbols and arrows stand over the
// segments.
std::string beam_sketch_svg(const BeamRecord& record, const Statics& statics, const XScale& scale,
                            const UnitNames& units) {
  sketch::Sketch s = sketch::new_sketch(record, element_positions(record.elements), statics, units, scale,
                                        sketch::Content::whole, sketch::whole_layout());
  sketch::measure_beam(s);
  s.out = sketch::svg_start(s.layout.bottom);
  double lo = 0;
  double hi = 0;
  sketch::widen_load_range(record, lo, hi);
  sketch::scale_loads(s, lo, hi);
  sketch::loads(s);
  return sketch::finish_beam(s);
}

namespace sketch {

std::string finish_beam(Sketch& s) {
  beam_segments(s);
  dimension_line(s);
  points(s);
  s.out.append("</svg>\n");
  return s.out;
}

}  // namespace sketch

}  // namespace dlt
