// What a diagram of w, p, M, Q or sigma is made of, whatever it shows: its
// colours, its height and title, its curves as SVG paths, and the labels of
// its values with their dots, placed beside the curve without overlapping
// each other, the most important first, with the labels that found no room
// handed back. The beam's diagrams and the envelope's are made of these.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "engine/quantity.h"
#include "report/format/curve.h"
#include "report/format/label_boxes.h"
#include "report/format/svg.h"
#include "report/format/units.h"

namespace dlt {

// The fill colour of each diagram's area, by quantity_index.
extern const char* const kDiagramFill[kQuantityCount];

// The colour of each diagram's curve, by quantity_index.
extern const char* const kDiagramStroke[kQuantityCount];

// What a diagram shows: the symbol its labels name ("M", "σ"), the name
// in its title, the dimension of its values, the way it is drawn and its
// colours.
struct Plotted {
  std::string symbol;
  std::string name;
  Dimension dimension = Dimension::length;
  bool downward = false;
  const char* fill = "";
  const char* stroke = "";
};

Plotted plotted(Quantity q);

// The bending stress of a shaft: like M, positive downward.
Plotted plotted_stress(const UnitNames& units);

// From top to bottom: the title, a band of labels, the curve's band and
// another band of labels.
inline constexpr double kDiagramTitleHeight = 16;
inline constexpr double kDiagramHeight = kCurveTop + kCurveHeight + (3 * kLineHeight) + 4;

// "Biegemoment M [kN*m] (positiv nach unten)": what a diagram shows, with
// its unit and the direction it is drawn in; diagram_name without the
// direction.
std::string diagram_title(const Plotted& shown, const UnitNames& units);
std::string diagram_name(const Plotted& shown, const UnitNames& units);

// The drawing's start, with its id and title.
std::string diagram_start(std::string_view id, const Plotted& shown, const UnitNames& units);

// One path of all runs of the curve: its line, or closed along the zero
// line, its area.
void append_curve(std::string& out, const Curve& curve, std::string_view style, bool closed);

// The curve's area down to the zero line in the diagram's fill, the zero
// line, and the curve over both in its stroke.
void append_diagram_curve(std::string& out, const Curve& curve, const Plotted& shown);

// What a label says: a value alone, an extreme of the beam, a span's
// field moment or extreme (field 0: a cantilever's), or an extreme at a
// support.
enum class LabelKind {
  value,
  largest,
  smallest,
  field,
  largest_in_field,
  smallest_in_field,
  largest_at_support,
  smallest_at_support,
};

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

// "Feld 2: max M": what a label names, without its value; empty for a
// value alone.
std::string label_name(const Wanted& label, const Plotted& shown);

// How hard labels are placed. Each is tried centred over its value on the
// side of the curve its value lies, then on the other, each side at every
// height from the curve outwards; where beside is set, a label centred
// over its value that finds no room is also tried ending and starting
// there. The labels that find no room go to left_out where it is given.
struct LabelPlacing {
  bool beside = false;
  std::vector<Wanted>* left_out = nullptr;
};

// The labels of the lists, one list after the other and each in its order,
// where they fit beside the curve (its extent, zero line included) without
// overlapping each other, each with a dot where its value lies.
void append_labels(std::string& out, const Curve& curve,
                   std::initializer_list<const std::vector<Wanted>*> lists, const XScale& scale,
                   const Plotted& shown, const UnitNames& units, const LabelPlacing& placing = {});

}  // namespace dlt
