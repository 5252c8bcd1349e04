// Reading the report page's drawings back: each <svg> element, and its
// labels with the boxes the layout reckons with for them.
#pragma once

#include <regex>
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

// The labels of a drawing, one per line, from the positions written in it
// and the widths the layout reckons with.
inline std::vector<DrawnLabel> drawn_labels(const std::string& svg) {
  static const std::regex kLine(R"re(<tspan x="([-0-9.]+)" y="([-0-9.]+)">([^<]*)</tspan>)re");
  std::vector<DrawnLabel> labels;
  for (std::sregex_iterator it(svg.begin(), svg.end(), kLine), end; it != end; ++it) {
    double x = std::stod((*it)[1]) - 1;
    double y = std::stod((*it)[2]) - 9.5;
    // Labels stacked one above the other abut; read back from coordinates
    // printed to two decimals they may seem to overlap by less than that.
    dlt::Box box = dlt::text_box(x, y, {(*it)[3]});
    box.top = box.top + 0.01;
    box.bottom = box.bottom - 0.01;
    labels.push_back({box, (*it)[3]});
  }
  return labels;
}

inline std::vector<dlt::Box> label_boxes(const std::string& svg) {
  std::vector<dlt::Box> boxes;
  for (const DrawnLabel& label : drawn_labels(svg)) boxes.push_back(label.box);
  return boxes;
}
