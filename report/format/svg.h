// What the page's drawings are made of in SVG: the shared horizontal scale,
// numbers written as coordinates, points, text elements and shapes. Where
// labels go is format/label_boxes'. Everything is plain double arithmetic
// and std::to_chars, so a drawing comes out the same bytes on every
// platform.
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

double text_width(const std::vector<std::string>& lines);

// Shapes styled by the page's CSS class: a line, a polyline through the
// points x0 y0 x1 y1 ... (a polygon where closed) and a circle.
void append_line(std::string& out, double x1, double y1, double x2, double y2, std::string_view css_class);
void append_polyline(std::string& out, const std::vector<double>& xy, std::string_view css_class,
                     bool closed);
void append_circle(std::string& out, double cx, double cy, double r, std::string_view css_class);

}  // namespace dlt
