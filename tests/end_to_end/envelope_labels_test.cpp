// The labels of the envelope page's M diagram end to end, on the four-span
// example of load cases: every span's largest and smallest M and every
// support's moments, as the text report lists them, are labelled where
// their value lies, and no label overlaps another.
#include <cmath>
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "report/format/label_boxes.h"
#include "report/format/svg.h"
#include "tests/support/drawings.h"
#include "tests/support/program.h"
#include "tests/support/report_text.h"
#include "tests/support/scratch_directory.h"

namespace {

struct Value {
  double x, value;
};

// The numbers of six decimals in a line of the text report, in order: the
// load cases acting are whole numbers and left out.
std::vector<double> decimals(const std::string& line) {
  static const std::regex kDecimal(R"(-?\d+\.\d{6})");
  std::vector<double> found;
  for (std::sregex_iterator it(line.begin(), line.end(), kDecimal), end; it != end; ++it)
    found.push_back(std::stod(it->str()));
  return found;
}

// What the text report lists of M: each span's largest and smallest with
// their x, each support's smallest and largest at its x.
std::vector<Value> listed_moments(const std::string& text) {
  std::vector<Value> values;
  std::vector<std::string> spans = section(text, "Groesstes und kleinstes M je Feld");
  for (std::size_t i = 1; i < spans.size(); ++i) {
    // from, to, max M, its x, min M, its x, the sag and its x
    std::vector<double> d = decimals(spans[i]);
    EXPECT_EQ(d.size(), 8U) << spans[i];
    if (d.size() != 8) continue;
    values.push_back({d[3], d[2]});
    values.push_back({d[5], d[4]});
  }
  std::vector<std::string> supports = section(text, "Stuetzmomente");
  for (std::size_t i = 1; i < supports.size(); ++i) {
    std::vector<double> d = decimals(supports[i]);  // x, min M, max M
    EXPECT_EQ(d.size(), 3U) << supports[i];
    if (d.size() != 3) continue;
    values.push_back({d[0], d[1]});
    values.push_back({d[0], d[2]});
  }
  return values;
}

}  // namespace

TEST(EnvelopeLabels, TheFourSpanExampleLabelsEverySpansAndSupportsMoments) {
  ScratchDirectory dir;
  PipedRun run = run_piped(example("vierfeldtraeger_lastfaelle.txt"),
                           {"--grenzwerte", dir.file("g.txt"), "--grenzwerte", dir.file("g.html")});
  ASSERT_EQ(run.ending.status, 0) << run.errors;
  std::string text = read_file(dir.file("g.txt"));
  std::string page = read_file(dir.file("g.html"));
  std::vector<Value> values = listed_moments(text);
  // Four spans and five supports.
  ASSERT_EQ(values.size(), (2U * 4) + (2U * 5));
  std::string M;
  for (const std::string& svg : drawings(page))
    if (svg.find("id=\"grenzlinie-M\"") != std::string::npos) M = svg;
  ASSERT_FALSE(M.empty());
  std::vector<DottedLabel> labels = dotted_labels(M);
  // The beam of 24 across the plot.
  auto X_of = [](double x) { return dlt::kPlotLeft + ((x * dlt::kPlotWidth) / 24); };
  std::size_t checked = 0;
  for (const Value& v : values) {
    if (std::fabs(v.value) < 5e-7) continue;  // the zero line shows it
    ++checked;
    bool labelled = false;
    for (const DottedLabel& label : labels) {
      ASSERT_FALSE(label.lines.empty());
      labelled = labelled || (std::fabs(label.X - X_of(v.x)) < 0.006 &&
                              std::fabs(labelled_value(label.lines[0]) - v.value) < 0.01);
    }
    EXPECT_TRUE(labelled) << "M = " << v.value << " at x = " << v.x;
  }
  // All but the moments at the two ends, which are zero.
  EXPECT_EQ(checked, values.size() - 4);
  EXPECT_EQ(page.find("nicht alle Werte beschriftet"), std::string::npos);
  std::vector<dlt::Box> boxes = label_boxes(M);
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    for (std::size_t j = i + 1; j < boxes.size(); ++j)
      EXPECT_FALSE(dlt::overlaps(boxes[i], boxes[j])) << "labels " << i << ", " << j;
  }
}
