// Reading the report page's drawings back: each <svg> element, and its
// labels with the boxes the layout reckons with for them.
#pragma once

#include <string>
#include <vector>

#include "report/svg.h"

// The drawings of a page: each <svg> element.
inline std::vector<std::string> drawings(const std::string& page) {
  std::vector<std::string> found;
  for (std::size_t at = page.find("<svg"); at != std::string::npos; at = page.find("<svg", at + 1))
    found.push_back(page.substr(at, page.find("</svg>", at) - at));
  return found;
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
