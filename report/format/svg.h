// What the page's drawings are made of: the shared horizontal scale, numbers
// written as SVG coordinates, text elements, and the boxes of labels, placed
// so that no two overlap. Everything is plain double arithmetic and
// std::to_chars, so a drawing comes out the same bytes on every platform.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace dlt {

// Every drawing is this wide in SVG units; the beam runs from kPlotLeft to
// kPlotLeft + kPlotWidth in all of them, so their x positions line up.
constexpr double kDrawingWidth = 760;
constexpr double kPlotLeft = 24;
constexpr double kPlotWidth = 712;

// Labels: font size, the width a character of the monospace font takes at
// most, and the height of one line of labels.
constexpr double kFontSize = 10;
constexpr double kCharWidth = 6.2;
constexpr double kLineHeight = 12;

// Maps the beam's x onto the drawing.
struct XScale {
  double x_min = 0;
  double factor = 0;  // units per length; 0 puts every x in the middle
};

// The scale for a beam whose points lie between x_min and x_max (finite).
XScale x_scale(double x_min, double x_max);
double to_drawing(const XScale& scale, double x);

// Appends a coordinate with two decimals; values beyond the drawing by far
// are held at +-100000 so that a degenerate beam cannot blow up the file.
void append_coordinate(std::string& out, double value);

// A point of a path or a polyline, X and Y each as a coordinate: a blank
// between them in a path's data, a comma in a polyline's points.
void append_point(std::string& out, double X, double Y, char between);

struct Box {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;
};

// The box of lines of text starting at left and top.
Box text_box(double left, double top, const std::vector<std::string>& lines);

// Appends a <text> element with one <tspan> per line, the box's content.
void append_text(std::string& out, const Box& box, const std::vector<std::string>& lines,
                 std::string_view css_class);

// Boxes already taken in one drawing. Each is filed in the cells of a grid
// over the drawing that it reaches into (a box beyond the drawing in the
// cells at its edge), so that a box is tested only against the boxes of
// its own cells: a drawing with many labels costs time in proportion to
// them, not to their square.
constexpr double kTakenCell = 16;
constexpr std::size_t kTakenColumns = 48;  // kDrawingWidth / kTakenCell, rounded up
constexpr std::size_t kTakenRows = 16;
struct TakenBoxes {
  std::vector<Box> boxes;
  // kTakenColumns * kTakenRows lists of indices into boxes, row by row;
  // made with the first box.
  std::vector<std::vector<std::size_t>> cells;
};

bool overlaps(const Box& a, const Box& b);
bool is_free(const TakenBoxes& taken, const Box& box);

// Takes box, free or not.
void take(TakenBoxes& taken, const Box& box);

// Where a label goes: its box starts at `start` (a top edge) and moves by
// `step` (up when negative) until it is free and still within [limit_top,
// limit_bottom]. The box found is taken; false where none is free.
bool place_box(TakenBoxes& taken, Box& box, double step, double limit_top, double limit_bottom);

// Horizontal placement of a label of the given width: centred on x, ending at
// x, or starting at x, and then moved inside the drawing.
enum class Anchor { middle, end, start };
double label_left(double x, double width, Anchor anchor);

double text_width(const std::vector<std::string>& lines);

// Shapes styled by the page's CSS class: a line, a polyline through the
// points x0 y0 x1 y1 ... (a polygon where closed) and a circle.
void append_line(std::string& out, double x1, double y1, double x2, double y2, std::string_view css_class);
void append_polyline(std::string& out, const std::vector<double>& xy, std::string_view css_class,
                     bool closed);
void append_circle(std::string& out, double cx, double cy, double r, std::string_view css_class);

}  // namespace dlt
