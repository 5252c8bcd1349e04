// The envelope page, made in-process from load cases: a beam of spans of
// length 1 and EI 1, pinned at every joint, under q = 1 on every span as
// its permanent load and q = 1 on one span at a time as its variable ones.
// The sketch names each case in a colour of its own, the diagrams of M, Q
// and w fill the band between the edges with the permanent load's curve in
// it and follow the engine between rows, the labels carry the text
// report's numbers and keep clear of each other and of the curves, the
// values without room are listed below their diagram, a long beam of many
// cases makes a small page, and the page is well-formed XML that stands
// alone.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/register_file.h"
#include "report/envelope/combination.h"
#include "report/envelope/load_cases.h"
#include "report/envelope/page_writer.h"
#include "report/envelope/summary.h"
#include "report/envelope/walk.h"
#include "report/format/curve.h"
#include "report/format/label_boxes.h"
#include "report/format/left_out.h"
#include "report/format/svg.h"
#include "report/pass/replay.h"
#include "tests/support/drawings.h"
#include "tests/support/one_beam_cases.h"
#include "tests/support/scratch_directory.h"

using namespace dlt;

namespace {

// A pass over `spans` spans with q on every `every`-th span from `first`
// on, and where moment is not zero a point moment in the middle of those.
BeamRecord pass(std::size_t spans, std::size_t every, std::size_t first, double moment) {
  BeamRecord record{.open = true,
                    .elements = {{.kind = ElementKind::left_end, .S1 = Quantity::p, .S2 = Quantity::Q}}};
  for (std::size_t i = 0; i < spans; ++i) {
    bool loaded = i % every == first;
    Element span{.kind = ElementKind::beam_segment, .length = 1, .EI = 1, .loaded = loaded, .q = 1};
    if (loaded && moment != 0) {
      span.length = 0.5;
      record.elements.push_back(span);
      record.elements.push_back({.kind = ElementKind::point_action, .S1 = Quantity::M, .load = moment});
    }
    record.elements.push_back(span);
    record.elements.push_back({.kind = ElementKind::condition, .S1 = Quantity::w});
  }
  record.elements.back() = {.kind = ElementKind::right_end, .S1 = Quantity::w, .S2 = Quantity::M};
  return record;
}

void add(LoadCases& cases, BeamRecord record) {
  record.pass = cases.cases.size() + 1;
  RegisterFile R;
  for (const Element& e : record.elements) ASSERT_EQ(apply_element(R, e), Refusal::none);
  ASSERT_EQ(add_case(cases, record, R), CaseAdded::added);
}

// The permanent load on every span, then `variable` load cases, each on
// every `variable`-th span.
LoadCases load_cases(std::size_t spans, std::size_t variable, double moment = 0) {
  LoadCases cases;
  add(cases, pass(spans, 1, 0, moment));
  for (std::size_t k = 0; k < variable; ++k) add(cases, pass(spans, variable, k, moment));
  return cases;
}

constexpr Factors kUnfactored{1, 1, 1};

std::string page_of(const LoadCases& cases, const Factors& factors = kUnfactored,
                    const ReportLabels& labels = {}) {
  EnvelopeRun run{cases, factors, kDefaultPieces};
  EnvelopeSummary summary = summarize_envelope(run);
  ReportOutput out;
  write_envelope_page(out, run, summary, labels);
  return out.text;
}

std::vector<std::string> texts(const std::string& svg) {
  std::vector<std::string> found;
  for (const DrawnLabel& label : drawn_labels(svg)) found.push_back(label.text);
  return found;
}

bool has(const std::vector<std::string>& all, const std::string& one) {
  return std::find(all.begin(), all.end(), one) != all.end();
}

struct Point {
  double X, Y;
};

// The points of the path of class name, run by run.
std::vector<std::vector<Point>> path_runs(const std::string& svg, const std::string& name) {
  std::vector<std::vector<Point>> runs;
  std::size_t at = svg.find("class=\"" + name + "\"");
  if (at == std::string::npos) return runs;
  std::size_t start = svg.rfind("<path", at);
  std::istringstream words(attribute(svg, start, "d"));
  for (std::string word, Y; words >> word >> Y;) {
    if (word[0] == 'M') runs.emplace_back();
    if (Y.back() == 'Z') Y.pop_back();
    runs.back().push_back({std::stod(word.substr(1)), std::stod(Y)});
  }
  return runs;
}

std::vector<Point> path_points(const std::string& svg, const std::string& name) {
  std::vector<Point> all;
  for (const std::vector<Point>& run : path_runs(svg, name)) all.insert(all.end(), run.begin(), run.end());
  return all;
}

// The drawings of the page by id.
std::map<std::string, std::string> drawings_by_id(const std::string& page) {
  std::map<std::string, std::string> found;
  for (const std::string& svg : drawings(page)) {
    std::size_t at = 0;
    found[attribute(svg, at, "id")] = svg;
  }
  return found;
}

// The dots of the labels whose text starts so, each of which must be a
// point of an edge; how many there are.
std::size_t dots_on_edges(const std::string& svg, const std::string& text) {
  std::vector<Point> edges = path_points(svg, "groesste");
  std::vector<Point> smallest = path_points(svg, "kleinste");
  edges.insert(edges.end(), smallest.begin(), smallest.end());
  std::size_t dots = 0;
  const std::string dot = "<circle class=\"punkt\"";
  for (std::size_t at = svg.find(dot); at != std::string::npos; at = svg.find(dot, at)) {
    double X = std::stod(attribute(svg, at, "cx"));
    double Y = std::stod(attribute(svg, at, "cy"));
    if (svg.compare(svg.find('>', at) + 2, text.size(), text) != 0) continue;
    ++dots;
    EXPECT_TRUE(std::any_of(edges.begin(), edges.end(), [&](const Point& p) { return p.X == X && p.Y == Y; }))
        << X << " " << Y;
  }
  return dots;
}

const char* const kDiagrams[] = {"grenzlinie-M", "grenzlinie-Q", "grenzlinie-w"};

// No two labels of a drawing overlap, and in a diagram none lies on an
// edge of the band or on the permanent load's curve.
void expect_clear_labels(const std::string& page) {
  for (const auto& [id, svg] : drawings_by_id(page)) {
    std::vector<Segment> strokes;
    for (const char* name : {"groesste", "kleinste", "staendig"}) {
      for (const std::vector<Point>& run : path_runs(svg, name)) {
        for (std::size_t i = 1; i < run.size(); ++i)
          strokes.push_back({run[i - 1].X, run[i - 1].Y, run[i].X, run[i].Y});
      }
    }
    std::vector<Box> boxes = label_boxes(svg);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      for (std::size_t j = i + 1; j < boxes.size(); ++j) EXPECT_FALSE(overlaps(boxes[i], boxes[j])) << id;
      for (const Segment& s : strokes) ASSERT_FALSE(crosses(s, boxes[i])) << id << ": label " << i;
    }
  }
}

// The values the M diagram is to label: the beam's largest and smallest M,
// each span's and each support's, those that print alike taken once and
// none that prints as zero.
struct Value {
  double x, value;
};

std::vector<Value> values_to_label(const EnvelopeSummary& summary) {
  std::vector<Value> all;
  auto take = [&all](const CaseExtreme& e) {
    if (!e.found || std::fabs(e.value) < 5e-7) return;
    for (const Value& v : all)
      if (std::fabs(v.x - e.x) < 1e-6 && std::fabs(v.value - e.value) < 1e-6) return;
    all.push_back({e.x, e.value});
  };
  int M = quantity_index(Quantity::M);
  take(summary.largest[M]);
  take(summary.smallest[M]);
  for (const EnvelopeSpan& span : summary.spans) {
    take(span.largest_M);
    take(span.smallest_M);
  }
  for (const EnvelopeSupport& support : summary.supports) {
    take(support.largest_M);
    take(support.smallest_M);
  }
  return all;
}

// The rows of the table of values a diagram left out, x and value of each,
// from the markup after the diagram up to the next.
std::vector<Value> left_out_rows(const std::string& page, const std::string& id) {
  std::vector<Value> rows;
  std::size_t from = page.find("</svg>", page.find("id=\"" + id + "\""));
  std::size_t to = std::min(page.find("<svg", from), page.find("<h2>", from));
  std::string after = page.substr(from, to - from);
  for (std::size_t at = after.find("<tr><td>"); at != std::string::npos;
       at = after.find("<tr><td>", at + 1)) {
    std::size_t x = after.find("<td class=\"n\">", at) + 14;
    std::size_t value = after.find("<td class=\"n\">", x) + 14;
    rows.push_back({std::stod(after.substr(x)), std::stod(after.substr(value))});
  }
  return rows;
}

// Every value to label in the M diagram of cases is labelled where its
// dot is, or listed in the table below the diagram, once; how many are
// listed.
std::size_t expect_labelled_or_listed(const LoadCases& cases, const Factors& factors) {
  EnvelopeRun run{cases, factors, kDefaultPieces};
  EnvelopeSummary summary = summarize_envelope(run);
  ReportOutput out;
  write_envelope_page(out, run, summary, {});
  const std::string& page = out.text;
  std::vector<DottedLabel> labels = dotted_labels(drawings_by_id(page)["grenzlinie-M"]);
  std::vector<Value> listed = left_out_rows(page, "grenzlinie-M");
  XScale scale = x_scale(summary.x_range.lo, summary.x_range.hi);
  std::vector<Value> values = values_to_label(summary);
  for (const Value& v : values) {
    auto drawn = [&](const DottedLabel& l) {
      return std::fabs(l.X - to_drawing(scale, v.x)) < 0.006 &&
             std::fabs(labelled_value(l.lines[0]) - v.value) < 0.01;
    };
    // The table shows six significant digits.
    auto near = [](double shown, double exact) {
      return std::fabs(shown - exact) <= 5.1e-7 + (5.1e-6 * std::fabs(exact));
    };
    auto in_table = [&](const Value& row) { return near(row.x, v.x) && near(row.value, v.value); };
    std::size_t times = static_cast<std::size_t>(std::count_if(labels.begin(), labels.end(), drawn)) +
                        static_cast<std::size_t>(std::count_if(listed.begin(), listed.end(), in_table));
    EXPECT_LE(times, 1U) << v.value << " at x = " << v.x;
    EXPECT_TRUE(times == 1 || listed.size() == kMostLeftOut) << v.value << " at x = " << v.x;
  }
  std::size_t left_out = values.size() - labels.size();
  EXPECT_EQ(listed.size(), std::min(left_out, kMostLeftOut));
  return left_out;
}

}  // namespace

TEST(EnvelopePage, SketchShowsEachLoadCasesLoadsInItsOwnColourAndBand) {
  std::string page = page_of(load_cases(3, 3));
  std::map<std::string, std::string> svgs = drawings_by_id(page);
  ASSERT_EQ(svgs.size(), 4U);
  const std::string& sketch = svgs["skizze"];
  // Named in turn, a load of q = 1 each, the lengths, and no reactions.
  std::vector<std::string> labels = texts(sketch);
  std::multiset<std::string> expected = {"LF 1", "LF 2", "LF 3", "LF 4", "q= 1", "q= 1",
                                         "q= 1", "q= 1", "1",    "1",    "1"};
  EXPECT_EQ(std::multiset<std::string>(labels.begin(), labels.end()), expected);
  // One band after the other, each a colour of its own, and its load where
  // its span is: the permanent load over all three.
  std::set<std::string> colours;
  double last_top = -1;
  for (int k = 1; k <= 4; ++k) {
    std::size_t group = sketch.find("<g class=\"farbe");
    for (int i = 1; i < k; ++i) group = sketch.find("<g class=\"farbe", group + 1);
    ASSERT_NE(group, std::string::npos) << k;
    std::string band = sketch.substr(group, sketch.find("</g>", group) - group);
    std::size_t at = 0;
    colours.insert(attribute(band, at, "class"));
    ASSERT_FALSE(texts(band).empty()) << k;
    EXPECT_EQ(texts(band).front(), "LF " + std::to_string(k));
    at = band.find("<polygon class=\"last\"");
    ASSERT_NE(at, std::string::npos) << k;
    std::istringstream corners(attribute(band, at, "points"));
    double left = 1e9, right = -1e9, top = 1e9;
    for (std::string corner; corners >> corner;) {
      left = std::min(left, std::stod(corner));
      right = std::max(right, std::stod(corner));
      top = std::min(top, std::stod(corner.substr(corner.find(',') + 1)));
    }
    double third = kPlotWidth / 3;
    double from = k == 1 ? kPlotLeft : kPlotLeft + ((k - 2) * third);
    EXPECT_NEAR(left, from, 0.01) << k;
    EXPECT_NEAR(right, k == 1 ? kPlotLeft + kPlotWidth : from + third, 0.01) << k;
    EXPECT_GT(top, last_top) << k;
    last_top = top;
  }
  EXPECT_EQ(colours.size(), 4U);
  // The beam under the bands, with its four supports.
  EXPECT_GT(sketch.find("class=\"traeger\""), sketch.rfind("</g>"));
  EXPECT_EQ(occurrences(sketch, "<polygon class=\"leer\""), 4U);
}

TEST(EnvelopePage, ManyLoadCasesTakeThePaletteInTurnAndTheFirstSixteenAreSketched) {
  std::string page = page_of(load_cases(20, 19));
  std::string sketch = drawings_by_id(page)["skizze"];
  std::vector<std::string> labels = texts(sketch);
  EXPECT_TRUE(has(labels, "LF 16"));
  EXPECT_FALSE(has(labels, "LF 17"));
  EXPECT_NE(page.find("<p>Die Skizze zeigt die Lasten der Lastfälle 1 bis 16 von 20;"), std::string::npos);
  // The permanent load's grey is its own; the variable loads' colours
  // come round again after seven.
  std::vector<std::string> classes;
  for (std::size_t at = sketch.find("<g class="); at != std::string::npos; at = sketch.find("<g class=", at))
    classes.push_back(attribute(sketch, at, "class"));
  ASSERT_EQ(classes.size(), 16U);
  EXPECT_EQ(std::count(classes.begin(), classes.end(), classes[0]), 1);
  EXPECT_EQ(std::set<std::string>(classes.begin() + 1, classes.begin() + 8).size(), 7U);
  EXPECT_EQ(classes[8], classes[1]);
  EXPECT_EQ(classes[15], classes[8]);
  // A case without loads says so.
  LoadCases unloaded = load_cases(3, 3);
  add(unloaded, pass(3, 4, 3, 0));
  EXPECT_TRUE(has(texts(drawings_by_id(page_of(unloaded))["skizze"]), "LF 5: keine Last"));
}

TEST(EnvelopePage, DiagramsFillTheBandBetweenTheEdgesWithThePermanentLoadInIt) {
  std::string page = page_of(load_cases(3, 3));
  std::vector<std::string> svgs = drawings(page);
  ASSERT_EQ(svgs.size(), 4U);
  for (std::size_t d = 0; d < 3; ++d) {
    const std::string& svg = svgs[d + 1];
    EXPECT_NE(svg.find(std::string("id=\"") + kDiagrams[d] + "\""), std::string::npos) << d;
    std::vector<Point> largest = path_points(svg, "groesste");
    std::vector<Point> smallest = path_points(svg, "kleinste");
    std::vector<Point> permanent = path_points(svg, "staendig");
    // Three spans of ten pieces; the largest M passes through the outer
    // spans' largest between them too.
    ASSERT_GE(permanent.size(), 31U) << kDiagrams[d];
    EXPECT_EQ(largest.size(), permanent.size() + (d == 0 ? 2 : 0)) << kDiagrams[d];
    // The band: along the largest values and back along the smallest.
    std::vector<std::vector<Point>> band = path_runs(svg, "bereich");
    ASSERT_EQ(band.size(), 1U) << kDiagrams[d];
    EXPECT_EQ(band[0].size(), largest.size() + smallest.size()) << kDiagrams[d];
    EXPECT_EQ(band[0].front().Y, largest.front().Y);
    EXPECT_EQ(band[0].back().Y, smallest.front().Y);
    // With factors of one the permanent load lies within the band at
    // every x, where the edges are apart.
    bool apart = false;
    for (const Point& p : permanent) {
      for (const Point& l : largest) {
        for (const Point& s : smallest) {
          if (l.X != p.X || s.X != p.X) continue;
          apart = apart || std::fabs(l.Y - s.Y) > 5;
          if (d == 1) continue;  // Q has two values at a jump
          EXPECT_LE(std::min(l.Y, s.Y), p.Y + 0.011) << kDiagrams[d] << " at " << p.X;
          EXPECT_GE(std::max(l.Y, s.Y), p.Y - 0.011) << kDiagrams[d] << " at " << p.X;
        }
      }
    }
    EXPECT_TRUE(apart) << kDiagrams[d];
  }
  // M and w downward: the largest M's edge lies below the smallest's.
  std::vector<Point> largest = path_points(svgs[1], "groesste");
  std::vector<Point> smallest = path_points(svgs[1], "kleinste");
  EXPECT_GT(largest[5].Y, smallest[5].Y);
}

TEST(EnvelopePage, ExtremesAreLabelledWithTheTextReportsNumbersOnTheirEdge) {
  std::vector<std::string> svgs = drawings(page_of(load_cases(3, 3)));
  ASSERT_EQ(svgs.size(), 4U);
  std::vector<std::string> M = texts(svgs[1]);
  for (const char* label :
       {"max M= 0.180625", "x= 2.575 (LF 1, 2, 4)", "min M= -0.216667", "x= 2 (LF 1, 3, 4)",
        "Feld 1: max M= 0.180625", "x= 0.425 (LF 1, 2, 4)", "Feld 2: max M= 0.1", "x= 1.5 (LF 1, 3)"})
    EXPECT_TRUE(has(M, label)) << label;
  // The third span's largest is the largest of all, and labelled once; the
  // spans' smallest are the supports' (in one line each, the smallest over
  // x = 2 being the smallest of all); the legend says what the band and the
  // dashed curve are.
  EXPECT_EQ(std::count(M.begin(), M.end(), "min M= -0.216667"), 2);
  EXPECT_EQ(std::count(M.begin(), M.end(), "max M= -0.0833333"), 2);
  EXPECT_EQ(M.size(), 8U + 3 + 2);
  EXPECT_TRUE(has(M, "Grenzwerte") && has(M, "LF 1 (ständig, ohne Faktor)"));
  std::vector<std::string> Q = texts(svgs[2]);
  EXPECT_TRUE(has(Q, "max Q= 1.21667") && has(Q, "min Q= -1.21667"));
  std::vector<std::string> w = texts(svgs[3]);
  EXPECT_TRUE(has(w, "max w= 0.0166667") && has(w, "min w= -0.00572917"));
  // Each label's dot is a point of its edge: the largest M between rows too.
  for (std::size_t d = 1; d < 4; ++d) EXPECT_EQ(dots_on_edges(svgs[d], "<text class="), d == 1 ? 7U : 2U);
  // With units and the default factors.
  ReportLabels units{"Pos. 1", {"kN", "m"}};
  std::vector<std::string> factored = texts(drawings(page_of(load_cases(3, 3), Factors{}, units))[1]);
  EXPECT_TRUE(has(factored, "max M= 0.258987 kN·m") && has(factored, "x= 2.57368 m (LF 1, 2, 4)"));
  EXPECT_TRUE(has(factored, "min M= -0.31 kN·m"));
}

TEST(EnvelopePage, LabelsKeepClearOfEachOtherAndOfTheCurves) {
  expect_clear_labels(page_of(load_cases(3, 3)));
  expect_clear_labels(page_of(load_cases(3, 3), Factors{}));
  expect_clear_labels(page_of(load_cases(40, 5, 0.3)));
  expect_clear_labels(page_of(load_cases(300, 4, -0.2), Factors{}));
}

TEST(EnvelopePage, AThousandSpansOfTenLoadCasesMakeASmallPage) {
  std::string page = page_of(load_cases(1000, 9, 0.3), Factors{});
  EXPECT_LT(page.size(), 3U * 1000 * 1000);
  std::map<std::string, std::string> svgs = drawings_by_id(page);
  ASSERT_EQ(svgs.size(), 4U);
  EXPECT_LT(svgs["skizze"].size(), 400U * 1000);
  EXPECT_TRUE(has(texts(svgs["skizze"]), "LF 10"));
  const std::size_t units = static_cast<std::size_t>(kPlotWidth) + 1;
  for (const char* id : kDiagrams) {
    // Some thirty rows to a drawing unit, thinned to a few points each.
    for (const char* curve : {"groesste", "kleinste", "staendig"}) {
      std::size_t points = path_points(svgs[id], curve).size();
      EXPECT_LE(points, (4 * units) + 16) << id << " " << curve;
      EXPECT_GE(points, 2 * units) << id << " " << curve;
    }
    EXPECT_LT(svgs[id].size(), 300U * 1000) << id;
    // The extremes stay points of the thinned edges.
    EXPECT_EQ(dots_on_edges(svgs[id], "<text class=\"extrem\">"), 2U) << id;
  }
  for (const char* extreme : {"max M=", "min M=", "max Q=", "min Q=", "max w=", "min w="}) {
    EXPECT_NE(page.find(extreme), std::string::npos) << extreme;
  }
  expect_clear_labels(page);
}

TEST(EnvelopePage, StandsAloneAndIsWellFormed) {
  ReportLabels labels{"Pos. 1 <&> \"Welle\"", {"kN", "m"}};
  std::string page = page_of(load_cases(3, 3), Factors{}, labels);
  for (const char* outside : {"<script", "src=", "href=", "url(", "@import", "<img", "<link"})
    EXPECT_EQ(page.find(outside), std::string::npos) << outside;
  EXPECT_NE(page.find("Pos. 1 &lt;&amp;&gt; &quot;Welle&quot;"), std::string::npos);
  // The tables follow the drawings, the value table last.
  std::size_t last_drawing = page.rfind("</svg>");
  EXPECT_LT(last_drawing, page.find("<h2>Traeger wie eingegeben"));
  EXPECT_LT(page.find("<h2>Extremwerte"), page.find("<h2>Grenzwerte ("));
  if (std::system("xmllint --version > /dev/null 2>&1") != 0)
    GTEST_SKIP() << "xmllint (Debian: libxml2-utils) is not installed";
  ScratchDirectory dir;
  std::ofstream(dir.file("grenzwerte.html")) << page;
  EXPECT_EQ(std::system(("xmllint --noout '" + dir.file("grenzwerte.html") + "'").c_str()), 0);
}

// The permanent load's M on three spans of 1 under q = 1 is 0.4 x - x^2/2 in
// the first span and -0.1 + (x - 1)/2 - (x - 1)^2/2 in the second. Drawn
// through its rows alone, the curve would be off by a third of a unit
// between them; followed at the drawing's resolution, every point and
// every stroke lies on it, and the edges of the band have as many points.
TEST(EnvelopePage, CurvesFollowTheEngineBetweenRows) {
  std::map<std::string, std::string> svgs = drawings_by_id(page_of(load_cases(3, 3)));
  std::vector<Point> permanent = path_points(svgs["grenzlinie-M"], "staendig");
  auto M = [](double x) {
    if (x > 1.5) x = 3 - x;
    return x <= 1 ? (0.4 * x) - (x * x / 2) : -0.1 + ((x - 1) / 2) - ((x - 1) * (x - 1) / 2);
  };
  auto x_of = [](double X) { return (X - kPlotLeft) * 3 / kPlotWidth; };
  // The curve's scale, from the points themselves: Y = a + b M.
  double n = 0, sm = 0, sy = 0, smm = 0, smy = 0;
  for (const Point& p : permanent) {
    double m = M(x_of(p.X));
    n += 1, sm += m, sy += p.Y, smm += m * m, smy += m * p.Y;
  }
  double b = ((n * smy) - (sm * sy)) / ((n * smm) - (sm * sm));
  double a = (sy - (b * sm)) / n;
  EXPECT_GT(b, 200);  // downward, some 250 units to 1
  ASSERT_GE(permanent.size(), static_cast<std::size_t>(kPlotWidth));
  for (std::size_t i = 0; i < permanent.size(); ++i) {
    ASSERT_NEAR(permanent[i].Y, a + (b * M(x_of(permanent[i].X))), 0.02) << "point " << i;
    if (i == 0) continue;
    double middle = (permanent[i].X + permanent[i - 1].X) / 2;
    ASSERT_NEAR((permanent[i].Y + permanent[i - 1].Y) / 2, a + (b * M(x_of(middle))), 0.05) << "stroke " << i;
  }
  for (const char* id : kDiagrams) {
    for (const char* edge : {"groesste", "kleinste"})
      EXPECT_GE(path_points(svgs[id], edge).size(), static_cast<std::size_t>(kPlotWidth))
          << id << " " << edge;
  }
}

// Where not every value of the M diagram finds room, those left out are
// listed below it, with a word under the drawing; where all find room, as
// in Q and w here, there is neither.
TEST(EnvelopePage, ValuesWithoutRoomAreListedBelowTheirDiagram) {
  // Six spans, a variable load on each: some are left out.
  std::size_t left_out = expect_labelled_or_listed(load_cases(6, 6), kUnfactored);
  EXPECT_GT(left_out, 0U);
  EXPECT_LT(left_out, kMostLeftOut);
  std::string page = page_of(load_cases(6, 6));
  std::size_t M_end = page.find("</svg>", page.find("id=\"grenzlinie-M\""));
  std::string below = page.substr(M_end, page.find("<svg", M_end) - M_end);
  EXPECT_NE(
      below.find("<p class=\"bildtext\">Biegemoment M (nicht alle Werte beschriftet, siehe Tabelle)</p>\n"
                 "<table class=\"nicht-beschriftet\">\n<caption>Nicht beschriftete Werte</caption>\n"
                 "<thead><tr><th>Wert</th><th class=\"n\">x</th><th class=\"n\">M</th><th>LF</th></tr>"),
      std::string::npos)
      << below;
  // Below the drawing, in its block.
  EXPECT_LT(below.find("</table>"), below.find("</div>"));
  std::size_t Q_end = page.find("</svg>", page.find("id=\"grenzlinie-Q\""));
  EXPECT_EQ(page.compare(Q_end, 13, "</svg>\n</div>"), 0);

  // Three spans with their factors: every value finds room.
  EXPECT_EQ(expect_labelled_or_listed(load_cases(3, 3), Factors{}), 0U);
  EXPECT_EQ(page_of(load_cases(3, 3)).find("nicht-beschriftet"), std::string::npos);

  // Hundreds of spans: the table holds the first of them and says how many
  // there are.
  left_out = expect_labelled_or_listed(load_cases(300, 4, -0.2), Factors{});
  page = page_of(load_cases(300, 4, -0.2), Factors{});
  EXPECT_NE(page.find("<p>Die Tabelle nennt die ersten 50 von " + std::to_string(left_out) +
                      " nicht beschrifteten Werten; die Tabellen unten nennen alle.</p>"),
            std::string::npos);
  if (std::system("xmllint --version > /dev/null 2>&1") != 0)
    GTEST_SKIP() << "xmllint (Debian: libxml2-utils) is not installed";
  page = page_of(load_cases(6, 6), Factors{}, {"", {"kN", "m"}});
  EXPECT_NE(page.find("<th class=\"n\">M [kN·m]</th>"), std::string::npos);
  ScratchDirectory dir;
  std::ofstream(dir.file("grenzwerte.html")) << page;
  EXPECT_EQ(std::system(("xmllint --noout '" + dir.file("grenzwerte.html") + "'").c_str()), 0);
}
