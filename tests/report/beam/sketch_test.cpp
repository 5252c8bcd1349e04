// The sketch of the beam on the report page: forces at the right end, the
// direction of distributed loads, the support forces with their values, the
// shaft's diameters, and beams of more points than the width can show.
#include <algorithm>
#include <cmath>
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/element.h"
#include "report/beam/sketch.h"
#include "tests/support/drawings.h"
#include "tests/support/page_numbers.h"
#include "tests/support/program.h"
#include "tests/support/scratch_directory.h"

using namespace dlt;

namespace {

struct Sketched {
  std::string text;    // the text report
  std::string sketch;  // the page's first drawing
};

Sketched sketch_of(const std::string& script) {
  ScratchDirectory dir;
  run_piped(script, {"--bericht", dir.file("b.txt"), "--bericht", dir.file("b.html")});
  std::vector<std::string> svgs = drawings(read_file(dir.file("b.html")));
  return {read_file(dir.file("b.txt")), svgs.empty() ? std::string() : svgs[0]};
}

std::string example(const char* name) {
  return read_file(std::string(DURCHLAUFTRAEGER_EXAMPLES) + "/" + name);
}

// The sketch from the elements alone, solved and summed up as the reports do.
std::string sketch_of_elements(const BeamRecord& record) {
  RegisterFile R;
  for (const Element& e : record.elements) EXPECT_EQ(apply_element(R, e), Refusal::none);
  CompletePass pass{record, R, 1};
  BeamSummary summary = summarize_beam(pass);
  return beam_sketch_svg(record, beam_statics(record, summary), x_scale(summary.x_min, summary.x_max));
}

// An upright arrow: a line from its tail and a filled head at its tip, with
// y measured down from the beam's axis.
struct Arrow {
  double X, tail, tip;
  bool up() const { return tip < tail; }
};

double axis_of(const std::string& svg) {
  static const std::regex kAxis(R"re(<line class="achse" x1="[-0-9.]+" y1="([-0-9.]+)")re");
  std::smatch axis;
  return std::regex_search(svg, axis, kAxis) ? std::stod(axis[1]) : NAN;
}

// The arrows with their tip between from and to: in the loads' band (far
// above the axis), on the beam (forces) or under the supports (reactions).
constexpr double kLoads[] = {-100, -14};
constexpr double kOnBeam[] = {-12, 12};
constexpr double kUnderSupports[] = {40, 100};

std::vector<Arrow> arrows(const std::string& svg, const double (&where)[2]) {
  static const std::regex kArrow(
      R"re(<line class="[a-z]+" x1="([-0-9.]+)" y1="([-0-9.]+)" x2="[-0-9.]+" y2="[-0-9.]+"/>\n)re"
      R"re(<polygon class="voll" points="([-0-9.]+),([-0-9.]+) )re");
  double axis = axis_of(svg);
  std::vector<Arrow> found;
  for (std::sregex_iterator it(svg.begin(), svg.end(), kArrow), end; it != end; ++it) {
    Arrow a{std::stod((*it)[1]), std::stod((*it)[2]) - axis, std::stod((*it)[4]) - axis};
    if ((*it)[1] == (*it)[3] && where[0] <= a.tip && a.tip <= where[1]) found.push_back(a);
  }
  std::sort(found.begin(), found.end(), [](const Arrow& a, const Arrow& b) { return a.X < b.X; });
  return found;
}

bool has_label(const std::string& svg, const std::string& text) {
  return svg.find(">" + text + "<") != std::string::npos;
}

std::size_t count_of(const std::string& svg, const std::string& part) {
  std::size_t n = 0;
  for (std::size_t at = svg.find(part); at != std::string::npos; at = svg.find(part, at + 1)) ++n;
  return n;
}

}  // namespace

TEST(BeamSketch, AForceAtTheRightEndIsAnArrowLikeAPointLoad) {
  // Q prescribed at the right end as S2 and as S1, at a free end and at a
  // support: down onto the beam where positive, up where negative.
  for (const auto& [end, label, up] :
       {std::tuple{"f 3 0 1 4 5", "F= 5", false}, std::tuple{"f 4 -5 1 3 0", "F= -5", true},
        std::tuple{"f 1 0 1 4 2.5", "F= 2.5", false}, std::tuple{"f 3 0 1 4 1e-7", "", false}}) {
    std::string sketch = sketch_of(std::string("a 3 4\nc 2 100 0\n") + end + "\nq\n").sketch;
    EXPECT_TRUE(!*label || has_label(sketch, label)) << end;
    std::vector<Arrow> forces = arrows(sketch, kOnBeam);
    ASSERT_EQ(forces.size(), *label ? 1U : 0U) << end;  // none where it prints as zero
    for (const Arrow& a : forces) EXPECT_TRUE(a.X == kPlotLeft + kPlotWidth && a.up() == up) << end;
  }
}

TEST(BeamSketch, LoadArrowsPointTheWayTheLoadActs) {
  for (const char* q : {"-10", "10"}) {
    std::vector<Arrow> loads =
        arrows(sketch_of(std::string("a 3 4\nc 2 100 1 ") + q + " 0\nf 3 0 1 4 0\nq\n").sketch, kLoads);
    EXPECT_GE(loads.size(), 3U) << q;
    for (const Arrow& a : loads) EXPECT_EQ(a.up(), q[0] == '-') << q;
  }
  // q from 10 to -10 along one segment: down on the left half, up on the
  // right.
  std::vector<Arrow> loads = arrows(sketch_of("a 2 4\nc 4 100 1 10 -5\nf 1 0 1 3 0\nq\n").sketch, kLoads);
  ASSERT_GE(loads.size(), 4U);
  for (const Arrow& a : loads) EXPECT_EQ(a.up(), a.X > kPlotLeft + (kPlotWidth / 2)) << a.X;
  EXPECT_FALSE(loads.front().up());
  EXPECT_TRUE(loads.back().up());
}

TEST(BeamSketch, EverySupportForceIsAnArrowWithTheReportsValueRightUnderIt) {
  static const std::regex kForce(R"(, Kraft +(\S+)\n)");
  for (const char* name :
       {"zweifeldtraeger.txt", "gerbertraeger.txt", "federn_frei.txt", "lagersenkung.txt"}) {
    Sketched s = sketch_of(example(name));
    std::vector<std::string> values;
    for (std::sregex_iterator it(s.text.begin(), s.text.end(), kForce), end; it != end; ++it)
      values.push_back((*it)[1]);
    std::vector<Arrow> forces = arrows(s.sketch, kUnderSupports);
    ASSERT_EQ(forces.size(), values.size()) << name;
    ASSERT_GE(values.size(), 2U) << name;
    for (std::size_t i = 0; i < values.size(); ++i) {
      EXPECT_EQ(forces[i].up(), values[i][0] != '-') << name << " " << values[i];
      // Its label's top just under the arrow's lowest end, the label across it.
      double lowest = axis_of(s.sketch) + std::max(forces[i].tail, forces[i].tip);
      std::vector<DrawnLabel> labels = drawn_labels(s.sketch);
      EXPECT_TRUE(std::any_of(labels.begin(), labels.end(),
                              [&](const DrawnLabel& l) {
                                return reads_as(l.text, values[i]) && l.box.left <= forces[i].X &&
                                       forces[i].X <= l.box.right && l.box.top >= lowest &&
                                       l.box.top < lowest + 4;
                              }))
          << name << " " << values[i];
    }
  }
}

TEST(BeamSketch, ShaftDiametersStandUnderTheirLengths) {
  std::vector<DrawnLabel> labels = drawn_labels(sketch_of(example("abgesetzte_welle.txt")).sketch);
  std::vector<std::string> diameters;
  for (std::size_t i = 1; i < labels.size(); ++i) {
    if (labels[i].text.rfind("d= ", 0) != 0) continue;
    diameters.push_back(labels[i].text);
    EXPECT_NEAR(labels[i].box.left + labels[i].box.right, labels[i - 1].box.left + labels[i - 1].box.right,
                0.02);
    EXPECT_NEAR(labels[i].box.top, labels[i - 1].box.bottom, 0.05) << labels[i].text;
  }
  EXPECT_EQ(diameters, (std::vector<std::string>{"d= 30", "d= 45", "d= 45", "d= 38", "d= 30"}));
}

TEST(BeamSketch, PointsCloserThanFourUnitsAreDrawnAsAGroupWithTheirCount) {
  // A force and a moment at one point are drawn each; five forces there are
  // a group.
  std::string two = sketch_of("a 3 4\nc 2 100 0\nd 4 1\nd 3 2\nc 2 100 0\nf 3 0 1 4 0\nq\n").sketch;
  EXPECT_TRUE(has_label(two, "F= 1") && has_label(two, "M= 2"));
  std::string five =
      sketch_of("a 3 4\nc 2 100 0\nd 4 1\nd 4 1\nd 4 1\nd 4 1\nd 4 1\nc 2 100 0\nf 3 0 1 4 0\nq\n").sketch;
  EXPECT_TRUE(has_label(five, "5 Einzellasten"));
  EXPECT_TRUE(arrows(five, kOnBeam).empty());
  // Two supports a tenth apart between spans of a hundred: one group with
  // one arrow for their forces.
  std::string close =
      sketch_of("a 2 4\nc 100 100 1 1 0\nf 1 0 0\nc 0.1 100 0\nf 1 0 0\nc 100 100 1 1 0\nf 1 0 1 3 0\nq\n")
          .sketch;
  EXPECT_TRUE(has_label(close, "2 Lager"));
  EXPECT_EQ(arrows(close, kUnderSupports).size(), 3U);
}

// A beam pinned at both ends and at every joint, under the loads q, spans
// long by turns.
BeamRecord spans(int count, std::vector<double> lengths, std::vector<double> q) {
  BeamRecord record{.open = true,
                    .elements = {{.kind = ElementKind::left_end, .S1 = Quantity::p, .S2 = Quantity::Q}}};
  for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
    double L = lengths[i % lengths.size()];
    record.elements.push_back(
        {.kind = ElementKind::beam_segment, .length = L, .EI = 100, .loaded = true, .q = q[i % q.size()]});
    record.elements.push_back({.kind = ElementKind::condition, .S1 = Quantity::w});
  }
  record.elements.back() = {.kind = ElementKind::right_end, .S1 = Quantity::w, .S2 = Quantity::M};
  return record;
}

TEST(BeamSketch, AHundredThousandSpansStayWithinTheDrawingsWidth) {
  std::string sketch = sketch_of_elements(spans(100000, {6}, {10}));
  EXPECT_LT(sketch.size(), 300000U);
  EXPECT_TRUE(has_label(sketch, "100001 Lager"));
  EXPECT_EQ(count_of(sketch, "\"traeger\""), 1U);
  EXPECT_EQ(count_of(sketch, "\"last\""), 1U);
  EXPECT_EQ(arrows(sketch, kUnderSupports).size(), 1U);
  // At most a tick every four units and the end, and a few arrows in the load.
  EXPECT_LE(count_of(sketch, "<line class=\"duenn\""), 2 + 30 + static_cast<std::size_t>(kPlotWidth / 4));
  // Spans back and forth over the same stretch under loads by turns do not
  // draw the same place over and over.
  EXPECT_LT(sketch_of_elements(spans(1000, {1, -1}, {10, 11})).size(), 20000U);
}
