#include "report/format/svg.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>

#include "report/format/markup.h"
#include "report/format/umlauts.h"

namespace dlt {

XScale x_scale(double x_min, double x_max) {
  double span = x_max - x_min;
  if (!(span > 0) || !std::isfinite(span)) return {x_min, 0};
  return {x_min, kPlotWidth / span};
}

double to_drawing(const XScale& scale, double x) {
  if (scale.factor == 0) return kPlotLeft + (kPlotWidth / 2);
  return kPlotLeft + ((x - scale.x_min) * scale.factor);
}

void append_coordinate(std::string& out, double value) {
  constexpr double kFar = 100000;
  if (!(value > -kFar)) value = -kFar;
  if (value > kFar) value = kFar;
  if (value == 0) value = 0;  // no "-0.00"
  char digits[32];
  std::to_chars_result end =
      std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 2);
  out.append(digits, static_cast<std::size_t>(end.ptr - digits));
}

void append_point(std::string& out, double X, double Y, char between) {
  append_coordinate(out, X);
  out.push_back(between);
  append_coordinate(out, Y);
}

double text_width(const std::vector<std::string>& lines) {
  std::size_t longest = 0;
  for (const std::string& line : lines) longest = std::max(longest, line.size());
  return (static_cast<double>(longest) * kCharWidth) + 2;
}

Box text_box(double left, double top, const std::vector<std::string>& lines) {
  return {left, top, left + text_width(lines), top + (static_cast<double>(lines.size()) * kLineHeight)};
}

void append_text(std::string& out, const Box& box, const std::vector<std::string>& lines,
                 std::string_view css_class) {
  out.append("<text class=\"");
  out.append(css_class);
  out.append("\">");
  double baseline = box.top + 9.5;
  for (const std::string& line : lines) {
    out.append("<tspan x=\"");
    append_coordinate(out, box.left + 1);
    out.append("\" y=\"");
    append_coordinate(out, baseline);
    out.append("\">");
    append_escaped(out, with_umlauts(line));  // a label may hold the user's units
    out.append("</tspan>");
    baseline = baseline + kLineHeight;
  }
  out.append("</text>\n");
}

namespace {

void append_attribute(std::string& out, std::string_view name, double value) {
  out.push_back(' ');
  out.append(name);
  out.append("=\"");
  append_coordinate(out, value);
  out.push_back('"');
}

void append_class(std::string& out, std::string_view css_class) {
  out.append(" class=\"");
  out.append(css_class);
  out.push_back('"');
}

}  // namespace

void append_line(std::string& out, double x1, double y1, double x2, double y2, std::string_view css_class) {
  out.append("<line");
  append_class(out, css_class);
  append_attribute(out, "x1", x1);
  append_attribute(out, "y1", y1);
  append_attribute(out, "x2", x2);
  append_attribute(out, "y2", y2);
  out.append("/>\n");
}

void append_polyline(std::string& out, const std::vector<double>& xy, std::string_view css_class,
                     bool closed) {
  out.append(closed ? "<polygon" : "<polyline");
  append_class(out, css_class);
  out.append(" points=\"");
  for (std::size_t i = 0; i + 1 < xy.size(); i += 2) {
    if (i > 0) out.push_back(' ');
    append_point(out, xy[i], xy[i + 1], ',');
  }
  // A last coordinate without its pair stands alone.
  if (xy.size() % 2 == 1) {
    if (xy.size() > 1) out.push_back(' ');
    append_coordinate(out, xy.back());
  }
  out.append("\"/>\n");
}

void append_circle(std::string& out, double cx, double cy, double r, std::string_view css_class) {
  out.append("<circle");
  append_class(out, css_class);
  append_attribute(out, "cx", cx);
  append_attribute(out, "cy", cy);
  append_attribute(out, "r", r);
  out.append("/>\n");
}

}  // namespace dlt
