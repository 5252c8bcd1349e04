// The sketch of load cases, made from records directly: each band shows its
// case's loads and the values held, never the beam's symbols; the beam under
// the bands shows its supports and no loads; one load scale holds for all
// bands; and each case adds one band of the same height.
#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/element.h"
#include "engine/register_file.h"
#include "report/beam/summary.h"
#include "report/envelope/load_case_sketch.h"
#include "report/pass/replay.h"
#include "tests/support/drawings.h"

using namespace dlt;

namespace {

// Two spans, of two segments of length 1 and of one of length 2, pinned at both ends and between them; a
// point force of F in the middle of the first span where F is not zero, q on both spans, and the middle
// support settled by w.
BeamRecord two_spans(double q, double F, double w) {
  BeamRecord record{.open = true,
                    .elements = {{.kind = ElementKind::left_end, .S1 = Quantity::p, .S2 = Quantity::Q}}};
  Element half{.kind = ElementKind::beam_segment, .length = 1, .EI = 100, .loaded = q != 0, .q = q};
  record.elements.push_back(half);
  if (F != 0) record.elements.push_back({.kind = ElementKind::point_action, .S1 = Quantity::Q, .load = F});
  record.elements.push_back(half);
  record.elements.push_back({.kind = ElementKind::condition, .S1 = Quantity::w, .W1 = w});
  half.length = 2;
  record.elements.push_back(half);
  record.elements.push_back({.kind = ElementKind::right_end, .S1 = Quantity::w, .S2 = Quantity::M});
  return record;
}

// The sketch of the cases, the first one's summary and scale as the
// envelope page takes them.
std::string sketch_of(const std::vector<BeamRecord>& cases) {
  RegisterFile R;
  for (const Element& e : cases.front().elements) EXPECT_EQ(apply_element(R, e), Refusal::none);
  CompletePass pass{cases.front(), R, 1};
  BeamSummary summary = summarize_beam(pass);
  std::vector<const BeamRecord*> records;
  records.reserve(cases.size());
  for (const BeamRecord& c : cases) records.push_back(&c);
  return load_case_sketch_svg(records, x_scale(summary.x_min, summary.x_max));
}

std::vector<std::string> texts_of(const std::string& svg) {
  std::vector<std::string> texts;
  for (const DrawnLabel& l : drawn_labels(svg)) texts.push_back(l.text);
  return texts;
}

bool has(const std::vector<std::string>& texts, const std::string& text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

// The bands in order, and the beam drawn after the last of them.
std::vector<std::string> bands_of(const std::string& svg) {
  std::vector<std::string> bands;
  for (std::size_t at = svg.find("<g class=\"farbe"); at != std::string::npos;
       at = svg.find("<g class=\"farbe", at + 1))
    bands.push_back(svg.substr(at, svg.find("</g>", at) - at));
  return bands;
}

std::string beam_of(const std::string& svg) { return svg.substr(svg.rfind("</g>")); }

double viewbox_height(const std::string& svg) {
  std::size_t at = 0;
  std::istringstream box(attribute(svg, at, "viewBox"));
  double x = 0, y = 0, width = 0, height = 0;
  box >> x >> y >> width >> height;
  return height;
}

// The height of the first distributed load's shape in svg.
double load_height(const std::string& svg) {
  std::size_t at = svg.find("<polygon class=\"last\"");
  if (at == std::string::npos) return 0;
  std::istringstream corners(attribute(svg, at, "points"));
  double top = 1e9, bottom = -1e9;
  for (std::string corner; corners >> corner;) {
    double y = std::stod(corner.substr(corner.find(',') + 1));
    top = std::min(top, y);
    bottom = std::max(bottom, y);
  }
  return bottom - top;
}

}  // namespace

TEST(LoadCaseSketch, BandsShowTheLoadsAndHeldValuesAndTheBeamItsSupports) {
  std::string svg = sketch_of({two_spans(1, 0, 0), two_spans(0, 3, 0.01)});
  std::vector<std::string> bands = bands_of(svg);
  ASSERT_EQ(bands.size(), 2U);
  // The permanent load: q on both spans as one shape, nothing else.
  EXPECT_EQ(texts_of(bands[0]), (std::vector<std::string>{"LF 1", "q= 1"}));
  EXPECT_EQ(occurrences(bands[0], "<polygon class=\"last\""), 1U);
  // The variable one: its force with its arrow, and the settlement held at
  // the middle support, but not the support's symbol.
  std::vector<std::string> second = texts_of(bands[1]);
  EXPECT_TRUE(has(second, "LF 2") && has(second, "F= 3") && has(second, "w= 0.01"));
  EXPECT_EQ(occurrences(bands[1], "<polygon class=\"last\""), 0U);
  EXPECT_EQ(occurrences(bands[1], "<polygon class=\"voll\""), 1U);
  for (const std::string& band : bands) {
    EXPECT_EQ(occurrences(band, "<polygon class=\"leer\""), 0U);
    EXPECT_EQ(occurrences(band, "class=\"traeger\""), 0U);
  }
  // Under the bands the beam with its three supports and lengths, without
  // loads, forces or reactions.
  std::string beam = beam_of(svg);
  EXPECT_EQ(occurrences(beam, "<polygon class=\"leer\""), 3U);
  EXPECT_EQ(occurrences(beam, "class=\"traeger\""), 1U);
  EXPECT_EQ(occurrences(beam, "class=\"last\""), 0U);
  EXPECT_EQ(occurrences(beam, "<polygon class=\"voll\""), 0U);
  EXPECT_EQ(texts_of(beam), (std::vector<std::string>{"1", "1", "2"}));
}

TEST(LoadCaseSketch, OneLoadScaleForAllBandsAndEachCaseAddsABand) {
  // q = 2 stands twice as high as q = 1, and fills the same height
  // whichever case holds it.
  std::vector<double> largest;
  for (const auto& [first, second] : {std::pair{1.0, 2.0}, std::pair{2.0, 1.0}}) {
    std::vector<std::string> bands = bands_of(sketch_of({two_spans(first, 0, 0), two_spans(second, 0, 0)}));
    ASSERT_EQ(bands.size(), 2U);
    ASSERT_GT(load_height(bands[0]), 0);
    EXPECT_NEAR(load_height(bands[1]) / load_height(bands[0]), second / first, 1e-3) << first;
    largest.push_back(std::max(load_height(bands[0]), load_height(bands[1])));
  }
  EXPECT_NEAR(largest[0], largest[1], 0.02);
  // The drawing grows by one band's height with each case.
  std::vector<BeamRecord> cases = {two_spans(1, 0, 0)};
  std::vector<double> heights;
  for (int n = 1; n <= 3; ++n) {
    heights.push_back(viewbox_height(sketch_of(cases)));
    cases.push_back(two_spans(0, 1, 0));
  }
  EXPECT_GT(heights[1] - heights[0], 0);
  EXPECT_DOUBLE_EQ(heights[2] - heights[1], heights[1] - heights[0]);
}
