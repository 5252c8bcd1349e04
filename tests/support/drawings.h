// Reading the report page's drawings back: each <svg> element, its labels
// with the boxes the layout reckons with for them, and the dots and values
// of a diagram's labels.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "report/format/svg.h"

// The drawings of a page: each <svg> element.
inline std::vector<std::string> drawings(const std::string& page) {
  std::vector<std::string> found;
  for (std::size_t at = page.find("<svg"); at != std::string::npos; at = page.find("<svg", at + 1))
    found.push_back(page.substr(at, page.find("</svg>", at) - at));
  return found;
}

// How often what occurs in text.
inline std::size_t occurrences(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

struct DrawnLabel {
  dlt::Box box;
  std::string text;
};

// The value of the attribute name="..." first found at or after at in
// text, with at moved past it; empty where there is none. Plain searches,
// not regular expressions: the drawings of long beams are large.
inline std::string attribute(const std::string& text, std::size_t& at, const std::string& name) {
  std::size_t start = text.find(" " + name + "=\"", at);
  if (start == std::string::npos) {
    at = std::string::npos;
    return "";
  }
  start = start + name.size() + 3;
  at = text.find('"', start);
  return text.substr(start, at - start);
}

// The labels of a drawing, one per line, from the positions written in it
// and the widths the layout reckons with.
inline std::vector<DrawnLabel> drawn_labels(const std::string& svg) {
  std::vector<DrawnLabel> labels;
  for (std::size_t at = svg.find("<tspan "); at != std::string::npos; at = svg.find("<tspan ", at)) {
    double x = std::stod(attribute(svg, at, "x")) - 1;
    double y = std::stod(attribute(svg, at, "y")) - 9.5;
    std::string line = svg.substr(at + 2, svg.find('<', at) - at - 2);
    // Labels stacked one above the other or side by side abut; read back
    // from coordinates printed to two decimals they may seem to overlap by
    // less than that.
    dlt::Box box = dlt::text_box(x, y, {line});
    box.top = box.top + 0.01;
    box.bottom = box.bottom - 0.01;
    box.left = box.left + 0.01;
    box.right = box.right - 0.01;
    labels.push_back({box, line});
  }
  return labels;
}

inline std::vector<dlt::Box> label_boxes(const std::string& svg) {
  std::vector<dlt::Box> boxes;
  for (const DrawnLabel& label : drawn_labels(svg)) boxes.push_back(label.box);
  return boxes;
}

// A straight stroke of a drawing, from x1 y1 to x2 y2.
struct Segment {
  double x1, y1, x2, y2;
};

// Whether the stroke passes through the box.
inline bool crosses(const Segment& s, const dlt::Box& b) {
  double left = std::max(b.left, std::min(s.x1, s.x2));
  double right = std::min(b.right, std::max(s.x1, s.x2));
  if (left > right) return false;
  double top = std::min(s.y1, s.y2);
  double bottom = std::max(s.y1, s.y2);
  if (s.x1 != s.x2) {
    auto y_at = [&](double x) { return s.y1 + ((s.y2 - s.y1) * ((x - s.x1) / (s.x2 - s.x1))); };
    top = std::min(y_at(left), y_at(right));
    bottom = std::max(y_at(left), y_at(right));
  }
  return top < b.bottom && b.top < bottom;
}

// A label with the dot it is drawn for: the dot's centre and the label's
// lines.
struct DottedLabel {
  double X = 0;
  double Y = 0;
  std::vector<std::string> lines;
};

// The labels of a diagram that have a dot, in the order drawn.
inline std::vector<DottedLabel> dotted_labels(const std::string& svg) {
  std::vector<DottedLabel> labels;
  const std::string dot = "<circle class=\"punkt\"";
  for (std::size_t at = svg.find(dot); at != std::string::npos; at = svg.find(dot, at)) {
    DottedLabel label;
    label.X = std::stod(attribute(svg, at, "cx"));
    label.Y = std::stod(attribute(svg, at, "cy"));
    std::size_t end = svg.find("</text>", at);
    for (const DrawnLabel& line : drawn_labels(svg.substr(at, end - at))) label.lines.push_back(line.text);
    labels.push_back(label);
  }
  return labels;
}

// The number after the first "= " of a label's line: its value, however
// many digits it is written with; NaN where there is none.
inline double labelled_value(const std::string& line) {
  std::size_t at = line.find("= ");
  if (at == std::string::npos) return std::nan("");
  return std::strtod(line.c_str() + at + 2, nullptr);
}
