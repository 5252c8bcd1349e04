// The diagrams of w, p, M and Q along a complete beam, one SVG drawing each,
// on the horizontal scale of the beam sketch above them. w and M are drawn
// positive downward, p and Q upward. Labelled are the extremes with their x,
// in the M diagram each span's field moment with its x, and the values at
// the ends, supports, hinges, springs and point loads, as
// many as fit without overlapping each other or the curve, the most
// important first.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "engine/quantity.h"
#include "report/beam/curves.h"
#include "report/beam/summary.h"
#include "report/format/svg.h"
#include "report/format/units.h"
#include "report/pass/record.h"

namespace dlt {

// The fill colour of each diagram's area, by quantity_index.
extern const char* const kDiagramFill[kQuantityCount];

// The pieces of a diagram, which the envelope's diagrams are made of too.

// The colour of each diagram's curve, by quantity_index.
extern const char* const kDiagramStroke[kQuantityCount];

// From top to bottom: the title, a band of labels, the curve's band and
// another band of labels.
inline constexpr double kDiagramTitleHeight = 16;
inline constexpr double kDiagramHeight = kCurveTop + kCurveHeight + (3 * kLineHeight) + 4;

// "Biegemoment M [kN*m] (positiv nach unten)": what a diagram shows, with
// its unit and the direction it is drawn in.
std::string diagram_title(Quantity q, const UnitNames& units);

// The drawing's start, with its id and title.
std::string diagram_start(std::string_view id, Quantity q, const UnitNames& units);

// One path of all runs of the curve: its line, or closed along the zero
// line, its area.
void append_curve(std::string& out, const Curve& curve, std::string_view style, bool closed);

enum class LabelKind { value, largest, smallest, field, largest_in_field };

// A label wanted, before its text is made.
struct Wanted {
  double x = 0;
  double value = 0;
  Anchor anchor = Anchor::middle;
  LabelKind kind = LabelKind::value;
  int field = 0;            // the span's number, for a field moment
  std::uint32_t order = 0;  // in its list, as wanted
  std::string cases{};      // "1, 3": the load cases that give it, if named
};

// The labels of the lists, one list after the other and each in its order,
// where they fit beside the curve (its extent, zero line included) without
// overlapping each other, each with a dot where its value lies.
void append_labels(std::string& out, const Curve& curve,
                   std::initializer_list<const std::vector<Wanted>*> lists, const XScale& scale, Quantity q,
                   const UnitNames& units);

// The diagram of q with its curve as trace_curves made it.
// REQUIRES: summary is that of record, a complete pass, and curve its own.
// Values are labelled with their units where there are units.
std::string diagram_svg(const Curve& curve, const BeamRecord& record, const BeamSummary& summary,
                        const XScale& scale, Quantity q, const UnitNames& units = {});

}  // namespace dlt
