// What the pieces of the beam sketch share: the rows of the drawing, the
// state a sketch is drawn in, the helpers every piece draws with (labels,
// arrows, stretches taken), and each piece's entry: the segments, the
// distributed and point loads, the ends, supports, hinges and springs, the
// points of the beam in crowds, and the dimension line. The beam's sketch
// and the envelope page's sketch of load cases are made of these; nothing
// outside the sketches includes this.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/element.h"
#include "engine/quantity.h"
#include "report/beam/statics.h"
#include "report/beam/summary.h"
#include "report/format/label_boxes.h"
#include "report/format/svg.h"
#include "report/format/units.h"
#include "report/pass/element_roles.h"
#include "report/pass/record.h"

namespace dlt::sketch {

// From top to bottom: labels above the beam, the band of the distributed
// loads, the beam on its axis, the supports, the arrows of the support
// reactions, labels below, and the dimension line with the lengths and
// diameters under it. The sketch of load cases stacks a band of each
// case's loads over a beam without loads or reactions.
struct Layout {
  double label_top = 0;  // labels above go from here to load_top
  double load_top = 0;
  double load_bottom = 0;
  double axis = 0;
  double support_bottom = 0;  // where a force from below starts
  double reaction_top = 0;
  double reaction_bottom = 0;
  double lower_labels = 0;  // labels below go from here down to lower_bottom
  double lower_bottom = 0;
  double dimension_line = 0;
  double bottom = 0;
};

// A beam with its loads and reactions.
Layout whole_layout();
// A beam alone, from top down: nothing above its symbols.
Layout beam_layout(double top);
// A band of loads from top down: two lines of labels, the loads, and under
// its axis room for a moment's symbol or a force from below. Nothing is
// drawn under that.
Layout band_layout(double top);

// What a sketch draws: a whole beam, a beam without its loads, or the
// loads alone in a band.
enum class Content { whole, beam, loads };

// Whether it draws the beam itself (its segments, ends, supports, hinges
// and springs), and the loads on it.
bool draws_beam(Content content);
bool draws_loads(Content content);

// Points of the beam and ticks closer than this are drawn as one.
constexpr double kApart = 4;

// The stretch of the drawing that things of one sort take so far.
struct Stretch {
  bool empty = true;
  double left = 0;
  double right = 0;
};

// Whether X stands at least `apart` outside the span.
bool clear_of(const Stretch& span, double X, double apart);
void extend(Stretch& span, double left, double right);

struct Sketch {
  const BeamRecord& record;
  std::vector<double> x;  // where each element stands
  const Statics& statics;
  const UnitNames& units;
  XScale scale;
  Content content = Content::whole;
  Layout layout;
  double largest_diameter = 0;
  // Half the beam's height at each element, by the segments beside it.
  std::vector<double> half_at;
  // The distributed loads' scale: y of a load q is load_bottom - (q - lo) * factor.
  double load_lo = 0;
  double load_factor = 0;
  std::string out;
  TakenBoxes taken;
  Stretch arrows_drawn;  // the small arrows in the loads
};

Sketch new_sketch(const BeamRecord& record, std::vector<double> x, const Statics& statics,
                  const UnitNames& units, const XScale& scale, Content content, const Layout& layout);

// The opening tag of a sketch `height` units high.
std::string svg_start(double height);

// "F= 40.000000 kN": a value named with its unit, where there are units.
std::string named(const Sketch& s, std::string_view name, double value, Dimension dimension);

// A label above the beam (from the loads upward) or below it (from the
// reactions downward); left out where it would overlap another. A band of
// loads has room for labels above only.
void label(Sketch& s, double X, Anchor anchor, bool above, const std::string& text);

// An upright arrow from tail to tip, its head `head` long and twice
// half_width wide.
void arrow(std::string& out, double X, double tail, double tip, double head, double half_width,
           std::string_view line_class);

// The segments (sketch_segments.cpp).

// Half the height of segment as drawn: by its diameter for a shaft's.
double half_height(const Sketch& s, const Element& segment);
// Sets the largest diameter and the half height at each element.
void measure_beam(Sketch& s);
// Where segment k starts and ends in the drawing; false for any other
// element, and where the beam's numbers put it nowhere.
bool segment_ends(const Sketch& s, std::size_t k, double& X1, double& X2);
// Whether a shape from left to right joins a group of them from
// group_left to group_right although it differs: where together they stay
// within a drawing unit, or it lies within the group (come back over it).
bool joins_at_a_loss(double group_left, double group_right, double left, double right);
// The segments to scale, and the beam's axis over them.
void beam_segments(Sketch& s);

// The loads (sketch_loads.cpp).

// Widens lo and hi to the finite q at the ends of the record's loads.
void widen_load_range(const BeamRecord& record, double& lo, double& hi);
// The loads from lo to hi fill the band of the distributed loads.
void scale_loads(Sketch& s, double lo, double hi);
// The distributed loads as trapezoids in their band, on the scale set.
void loads(Sketch& s);
// A force as an arrow onto the beam: from above where it is positive, from
// below where it is negative.
void force(Sketch& s, double X, double half, double F);
// A point action's symbol and value.
void point_action(Sketch& s, const Element& e, double X, double half);

// The ends, supports, hinges and springs (sketch_supports.cpp).

// An end by what is held there: w and p (clamped), w (pinned), p (guided:
// a wall the beam slides along on rollers) or nothing (free); the wall is
// hatched outward, -1 to the left, +1 to the right.
void end_support(std::string& out, double X, double axis, double half, bool w_fixed, bool p_fixed,
                 double outward);
void spring(std::string& out, double X, double top);
// A support's force under it: up where it is positive (against the load
// direction), down where it is negative.
void reaction_arrow(Sketch& s, double X, double force);
// A condition's symbol, and the value it holds other than zero.
void condition(Sketch& s, const Element& e, double X, double half);
// The right end's support, and the values prescribed there.
void right_end(Sketch& s, const Element& e, double X, double half);

// The points of the beam (sketch_points.cpp).

// Whether element k is a point of the beam drawn in the sketch.
bool is_point(const Sketch& s, std::size_t k);
// The points of the beam, alone or in crowds of those close together.
void points(Sketch& s);

// The dimension line (sketch_dimensions.cpp): ticks at the joints a few
// units apart at least, and under it each segment's length and a shaft
// segment's diameter where the segment is wide enough and there is room.
void dimension_line(Sketch& s);

// The beam over whatever is drawn already (sketch.cpp): its segments, the
// dimension line and its points, which come last so that their symbols and
// arrows stand over the segments; then the drawing's end. The whole drawing.
std::string finish_beam(Sketch& s);

}  // namespace dlt::sketch
