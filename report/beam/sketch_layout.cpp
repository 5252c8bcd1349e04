// The rows of the sketch, the state it is drawn in, and the helpers its
// pieces share: the stretches taken, labels and arrows.
#include "report/beam/sketch_parts.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "report/format/numbers.h"

namespace dlt::sketch {

namespace {

constexpr double kLabelBand = 3 * kLineHeight;

// The rows under the beam's axis, from the bottom of its supports; where
// there are no reactions their rows take no room, and one line of labels
// less: the reactions' values.
void lower_rows(Layout& l, double reactions) {
  l.support_bottom = l.axis + 12 + 30;
  l.reaction_top = l.support_bottom + (reactions > 0 ? 4 : 0);
  l.reaction_bottom = l.reaction_top + reactions;
  l.lower_labels = l.reaction_bottom + 2;
  l.lower_bottom = l.lower_labels + (reactions > 0 ? kLabelBand : kLabelBand - kLineHeight);
  l.dimension_line = l.lower_bottom + 6;
  l.bottom = l.dimension_line + 4 + (3 * kLineHeight) + 2;
}

// What each content shows: the beam itself, and the loads on it.
struct Shown {
  bool beam = true;
  bool loads = true;
};

Shown shown_in(Content content) {
  switch (content) {
    case Content::whole:
      return {true, true};
    case Content::beam:
      return {true, false};
    case Content::loads:
      return {false, true};
  }
  return {};
}

}  // namespace

Layout whole_layout() {
  Layout l;
  l.load_top = kLabelBand;
  l.load_bottom = l.load_top + 30;
  l.axis = l.load_bottom + 16;
  lower_rows(l, 22);
  return l;
}

Layout beam_layout(double top) {
  Layout l{top, top, top, top + 18};
  lower_rows(l, 0);
  return l;
}

Layout band_layout(double top) {
  Layout l;
  l.label_top = top;
  l.load_top = top + (2 * kLineHeight);
  l.load_bottom = l.load_top + 20;
  l.axis = l.load_bottom + 8;
  l.support_bottom = l.axis + 14;
  l.reaction_top = l.support_bottom;
  l.reaction_bottom = l.support_bottom;
  l.lower_labels = l.support_bottom;
  l.lower_bottom = l.support_bottom;
  l.dimension_line = l.support_bottom;
  l.bottom = l.support_bottom;
  return l;
}

bool draws_beam(Content content) { return shown_in(content).beam; }
bool draws_loads(Content content) { return shown_in(content).loads; }

bool clear_of(const Stretch& span, double X, double apart) {
  return span.empty || X <= span.left - apart || X >= span.right + apart;
}

void extend(Stretch& span, double left, double right) {
  span.left = span.empty ? left : std::min(span.left, left);
  span.right = span.empty ? right : std::max(span.right, right);
  span.empty = false;
}

Sketch new_sketch(const BeamRecord& record, std::vector<double> x, const Statics& statics,
                  const UnitNames& units, const XScale& scale, Content content, const Layout& layout) {
  return {record, std::move(x), statics, units, scale, content, layout, 0, {}, 0, 0, {}, {}, {}};
}

std::string svg_start(double height) {
  std::string out =
      "<svg xmlns=\"http://www.w3.org/2000/svg\" id=\"skizze\" class=\"zeichnung\" viewBox=\"0 0 ";
  append_coordinate(out, kDrawingWidth);
  out.push_back(' ');
  append_coordinate(out, height);
  out.append("\">\n");
  return out;
}

std::string named(const Sketch& s, std::string_view name, double value, Dimension dimension) {
  return value_text(name, value, unit_of(s.units, dimension), NumberForm::reading);
}

void label(Sketch& s, double X, Anchor anchor, bool above, const std::string& text) {
  std::vector<std::string> lines = {text};
  double width = text_width(lines);
  if (width > kDrawingWidth - 4) return;
  if (!draws_beam(s.content)) above = true;
  Box box = text_box(label_left(X, width, anchor), 0, lines);
  double height = box.bottom;
  const Layout& l = s.layout;
  box.top = above ? l.load_top - height : l.lower_labels;
  box.bottom = box.top + height;
  bool placed = above ? place_box(s.taken, box, -kLineHeight, l.label_top, l.load_top)
                      : place_box(s.taken, box, kLineHeight, l.lower_labels, l.lower_bottom);
  if (placed) append_text(s.out, box, lines, "wert");
}

void arrow(std::string& out, double X, double tail, double tip, double head, double half_width,
           std::string_view line_class) {
  double base = tip < tail ? tip + head : tip - head;
  if (base != tail) append_line(out, X, tail, X, base, line_class);
  append_polyline(out, {X, tip, X - half_width, base, X + half_width, base}, "voll", true);
}

}  // namespace dlt::sketch
