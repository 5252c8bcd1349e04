// The report page end to end: the built program with --bericht FILE.html.
// Its tables carry the text report's numbers, its labels keep clear of each
// other and of the curves (for the examples and a beam of hundreds of spans),
// it refers to nothing outside itself, and it is well-formed XML.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "drawings.h"
#include "program.h"
#include "report/svg.h"
#include "scratch_directory.h"

namespace {

struct Reports {
  std::string text;
  std::string page;
};

Reports reports_of(const std::string& script, const std::string& page_name = "bericht.html") {
  ScratchDirectory dir;
  PipedRun run = run_piped(script, {"--bericht", dir.file("bericht.txt"), "--bericht", dir.file(page_name)});
  EXPECT_EQ(run.ending.status, 0) << run.output;
  return {read_file(dir.file("bericht.txt")), read_file(dir.file(page_name))};
}

std::vector<std::string> numbers_in(const std::string& text) {
  static const std::regex kNumber(R"(-?(\d+\.\d{6}|nan|inf))");
  std::vector<std::string> found;
  for (std::sregex_iterator it(text.begin(), text.end(), kNumber), end; it != end; ++it)
    found.push_back(it->str());
  return found;
}

std::vector<std::string> scripts() {
  std::vector<std::string> paths;
  for (const char* dir : {DURCHLAUFTRAEGER_EXAMPLES, DURCHLAUFTRAEGER_TEST_SCRIPTS})
    for (const auto& entry : std::filesystem::directory_iterator(dir)) paths.push_back(entry.path());
  std::sort(paths.begin(), paths.end());
  return paths;
}

// A continuous beam of `spans` spans of slowly growing length under a load,
// pinned at both ends and at every joint.
std::string long_beam(int spans) {
  std::string script = "a 2 4\n";
  for (int i = 0; i < spans; ++i) {
    script += "c " + std::to_string(4 + (i % 7)) + " 100 1 10 0\n";
    script += i + 1 < spans ? "f 1 0 0\n" : "f 1 0 1 3 0\n";
  }
  return script + "q\n";
}

struct Segment {
  double x1, y1, x2, y2;
};

// The curve's strokes and the zero line of a diagram.
std::vector<Segment> strokes(const std::string& svg) {
  std::vector<Segment> lines;
  static const std::regex kZero(
      R"re(<line class="null" x1="([-0-9.]+)" y1="([-0-9.]+)" x2="([-0-9.]+)" y2="([-0-9.]+)")re");
  std::smatch m;
  if (std::regex_search(svg, m, kZero))
    lines.push_back({std::stod(m[1]), std::stod(m[2]), std::stod(m[3]), std::stod(m[4])});
  std::size_t at = svg.find("fill=\"none\"");
  if (at == std::string::npos) return lines;
  std::size_t d = svg.find("d=\"", at) + 3;
  std::string path = svg.substr(d, svg.find('"', d) - d);
  static const std::regex kPoint(R"(([ML])([-0-9.]+) ([-0-9.]+))");
  bool have = false;
  double x = 0;
  double y = 0;
  for (std::sregex_iterator it(path.begin(), path.end(), kPoint), end; it != end; ++it) {
    double nx = std::stod((*it)[2]);
    double ny = std::stod((*it)[3]);
    if ((*it)[1] == "L" && have) lines.push_back({x, y, nx, ny});
    have = true;
    x = nx;
    y = ny;
  }
  return lines;
}

bool crosses(const Segment& s, const dlt::Box& b) {
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

// No two labels of a drawing overlap, and in a diagram none touches the
// curve or the zero line.
void expect_clear_labels(const std::string& page, const std::string& name) {
  for (const std::string& svg : drawings(page)) {
    std::string id = svg.substr(0, svg.find('\n'));
    std::vector<dlt::Box> boxes = label_boxes(svg);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      for (std::size_t j = i + 1; j < boxes.size(); ++j)
        EXPECT_FALSE(dlt::overlaps(boxes[i], boxes[j])) << name << " " << id << ": labels " << i << ", " << j;
      for (const Segment& s : strokes(svg))
        ASSERT_FALSE(crosses(s, boxes[i]))
            << name << " " << id << ": label " << i << " on the curve at x " << s.x1 << " to " << s.x2;
    }
  }
}

}  // namespace

TEST(ReportPage, TablesAndLabelsCarryTheTextReportsNumbers) {
  for (const char* name : {"einfeldtraeger.txt", "gerbertraeger.txt", "abgesetzte_welle.txt"}) {
    Reports r = reports_of(read_file(std::string(DURCHLAUFTRAEGER_EXAMPLES) + "/" + name));
    std::size_t tables = r.page.find("<table>");
    ASSERT_NE(tables, std::string::npos) << name;
    EXPECT_EQ(numbers_in(r.page.substr(tables)), numbers_in(r.text)) << name;
    std::vector<std::string> in_text = numbers_in(r.text);
    for (const std::string& label : numbers_in(r.page.substr(0, tables)))
      EXPECT_NE(std::find(in_text.begin(), in_text.end(), label), in_text.end()) << name << ": " << label;
  }
}

TEST(ReportPage, ExtremesAndSupportValuesAreLabelled) {
  Reports r = reports_of(read_file(std::string(DURCHLAUFTRAEGER_EXAMPLES) + "/gerbertraeger.txt"));
  for (const char* label : {"max w= 0.185791", "x= 1.804727", "min M= -15.000000", "max M= 13.203125",
                            "min Q= -23.750000", ">20.000000<", ">-16.250000<", "max Q= 23.750000"})
    EXPECT_NE(r.page.find(label), std::string::npos) << label;
  // The two hinges and the four supports are drawn.
  std::string sketch = drawings(r.page).at(0);
  EXPECT_NE(sketch.find("id=\"skizze\""), std::string::npos);
  std::size_t hinges = 0;
  for (std::size_t at = sketch.find("<circle class=\"leer\""); at != std::string::npos;
       at = sketch.find("<circle class=\"leer\"", at + 1))
    ++hinges;
  EXPECT_EQ(hinges, 2U);
}

TEST(ReportPage, LabelsKeepClearOfEachOtherAndOfTheCurves) {
  for (const std::string& path : scripts()) expect_clear_labels(reports_of(read_file(path)).page, path);
}

TEST(ReportPage, HundredsOfSpansThinTheLabelsButKeepTheExtremes) {
  Reports r = reports_of(long_beam(300), "lang.htm");
  expect_clear_labels(r.page, "300 spans");
  std::vector<std::string> svgs = drawings(r.page);
  ASSERT_EQ(svgs.size(), 5U);
  // The sketch shows the supports as one group.
  EXPECT_NE(svgs[0].find(">301 Lager<"), std::string::npos);
  // w is zero at every support; p, M and Q have a value at each of them,
  // more than fit.
  for (std::size_t q = 2; q < svgs.size(); ++q) {
    std::size_t labels = label_boxes(svgs[q]).size();
    EXPECT_GT(labels, 20U) << q;
    EXPECT_LT(labels, 200U) << q;
  }
  for (const char* extreme : {"max w=", "min p=", "max p=", "max M=", "min M=", "max Q=", "min Q="})
    EXPECT_NE(r.page.find(extreme), std::string::npos) << extreme;
}

TEST(ReportPage, StandsAloneAndIsWellFormed) {
  bool have_xmllint = std::system("xmllint --version > /dev/null 2>&1") == 0;
  for (const std::string& path : scripts()) {
    ScratchDirectory dir;
    run_piped(read_file(path), {"--bericht", dir.file("seite.html")});
    std::string page = read_file(dir.file("seite.html"));
    if (page.empty()) continue;  // no right end in this script
    for (const char* outside : {"<script", "src=", "href=", "url(", "@import", "<img", "<link"})
      EXPECT_EQ(page.find(outside), std::string::npos) << path << ": " << outside;
    if (have_xmllint) {
      EXPECT_EQ(std::system(("xmllint --noout '" + dir.file("seite.html") + "'").c_str()), 0) << path;
    }
  }
  if (!have_xmllint) GTEST_SKIP() << "xmllint (Debian: libxml2-utils) is not installed";
}
