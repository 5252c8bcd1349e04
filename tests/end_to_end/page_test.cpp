// The report page end to end: the built program with --bericht FILE.html.
// Its tables carry the text report's numbers, cut after 2000 rows, its
// labels keep clear of each other and of the curves (for the examples,
// beams of hundreds, thousands and 100,000 spans, and one that runs back
// and forth), its curves follow the engine between the table's points,
// keep a few points per drawing unit and pass through the extremes, the
// page of 100,000 spans stays small, it refers to nothing outside itself,
// and it is well-formed XML.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "report/format/curve.h"
#include "report/format/label_boxes.h"
#include "report/format/svg.h"
#include "tests/support/drawings.h"
#include "tests/support/page_numbers.h"
#include "tests/support/program.h"
#include "tests/support/scratch_directory.h"

namespace {

struct Reports {
  std::string text;
  std::string page;
};

Reports reports_of(const std::string& script, const std::string& page_name = "bericht.html",
                   const std::vector<std::string>& options = {}) {
  ScratchDirectory dir;
  std::vector<std::string> arguments = {"--bericht", dir.file("bericht.txt"), "--bericht",
                                        dir.file(page_name)};
  arguments.insert(arguments.end(), options.begin(), options.end());
  PipedRun run = run_piped(script, arguments);
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

// The points of a diagram's curve as written, X and Y of each, and whether
// each starts a run.
struct Vertex {
  bool starts = false;
  std::string X, Y;
};

std::vector<Vertex> curve_points(const std::string& svg) {
  std::vector<Vertex> points;
  std::size_t at = svg.find("fill=\"none\"");
  if (at == std::string::npos) return points;
  std::string path = attribute(svg, at, "d");
  std::istringstream words(path);
  for (std::string word, Y; words >> word >> Y;) points.push_back({word[0] == 'M', word.substr(1), Y});
  return points;
}

// The curve's strokes and the zero line of a diagram.
std::vector<Segment> strokes(const std::string& svg) {
  std::vector<Segment> lines;
  std::size_t at = svg.find("<line class=\"null\"");
  if (at != std::string::npos) {
    double x1 = std::stod(attribute(svg, at, "x1"));
    double y1 = std::stod(attribute(svg, at, "y1"));
    double x2 = std::stod(attribute(svg, at, "x2"));
    double y2 = std::stod(attribute(svg, at, "y2"));
    lines.push_back({x1, y1, x2, y2});
  }
  std::vector<Vertex> points = curve_points(svg);
  for (std::size_t i = 1; i < points.size(); ++i) {
    if (points[i].starts) continue;
    lines.push_back({std::stod(points[i - 1].X), std::stod(points[i - 1].Y), std::stod(points[i].X),
                     std::stod(points[i].Y)});
  }
  return lines;
}

// Where the labels of the extremes point: cx and cy of the dot before each.
std::vector<std::pair<std::string, std::string>> extreme_dots(const std::string& svg) {
  std::vector<std::pair<std::string, std::string>> dots;
  const std::string dot = "<circle class=\"punkt\"";
  for (std::size_t at = svg.find(dot); at != std::string::npos; at = svg.find(dot, at)) {
    std::string cx = attribute(svg, at, "cx");
    std::string cy = attribute(svg, at, "cy");
    if (svg.compare(svg.find('>', at) + 1, 22, "\n<text class=\"extrem\">") == 0) dots.push_back({cx, cy});
  }
  return dots;
}

// A section of the page: from its heading to the next one.
std::string section(const std::string& page, const std::string& heading) {
  std::size_t start = page.find("<h2>" + heading);
  if (start == std::string::npos) return "";
  return page.substr(start, page.find("<h2>", start + 1) - start);
}

std::size_t count_of(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
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
    std::vector<std::string> in_text = numbers_in(r.text);
    EXPECT_EQ(first_misreading(page_numbers_in(r.page.substr(tables)), in_text), "") << name;
    for (const std::string& label : page_numbers_in(r.page.substr(0, tables))) {
      auto reading = [&label](const std::string& printed) { return reads_as(label, printed); };
      EXPECT_TRUE(std::any_of(in_text.begin(), in_text.end(), reading)) << name << ": " << label;
    }
  }
}

// The page writes German words with umlauts, the text report as the
// dialogue does; the user's title stays as typed, and the program's name.
TEST(ReportPage, GermanWordsInGermanSpellingOnThePageOnly) {
  Reports r =
      reports_of(read_file(std::string(DURCHLAUFTRAEGER_EXAMPLES) + "/dreifeldtraeger_lastfaelle.txt"),
                 "bericht.html", {"--titel", "Traeger Pos. 3", "--einheiten", "kN,m"});
  for (const char* word : {"<h1>Durchlaufträger - Bericht</h1>", "<h2>Träger</h2>", "Stützmoment [kN·m]",
                           "Summe der Auflagerkräfte", "Trägerabschnitt (Länge= 5 m, EI= 50000 kN·m²)",
                           "Wertetabelle (10 Teile je Abschnitt, an Sprüngen links und rechts)",
                           "<p class=\"titel\">Traeger Pos. 3</p>", "<p class=\"fuss\">durchlauftraeger "})
    EXPECT_NE(r.page.find(word), std::string::npos) << word;
  std::string body = r.page.substr(r.page.find("</p>"));
  body = body.substr(0, body.find("<p class=\"fuss\">"));
  body = std::regex_replace(body, std::regex("class=\"[^\"]*\""), "");  // the style's names are no words
  for (const char* ascii : {"Traeger", "traeger", "Stuetz", "Kraefte", "Laenge", "Spruengen"})
    EXPECT_EQ(body.find(ascii), std::string::npos) << ascii;
  for (const char* word : {"Durchlauftraeger - Bericht", "Stuetzmoment", "Summe der Auflagerkraefte"})
    EXPECT_NE(r.text.find(word), std::string::npos) << word;
}

// A shaft's page has a diagram of sigma under the four: its largest value
// the text report's max |sigma|, a jump at each change of diameter, and no
// curve over beam segments; a beam without shaft segments has none.
TEST(ReportPage, AShaftHasADiagramOfSigmaWithItsJumps) {
  Reports r = reports_of(read_file(std::string(DURCHLAUFTRAEGER_EXAMPLES) + "/abgesetzte_welle.txt"));
  std::vector<std::string> svgs = drawings(r.page);
  ASSERT_EQ(svgs.size(), 6U);
  const std::string& sigma = svgs[5];
  EXPECT_NE(sigma.find("id=\"diagramm-sigma\""), std::string::npos);
  EXPECT_NE(sigma.find(">Biegespannung σ (positiv nach unten)<"), std::string::npos);
  std::string largest = section(r.page, "Extremwerte");
  std::size_t at = sigma.find(">max σ= ");
  ASSERT_NE(at, std::string::npos) << sigma;
  std::string shown = sigma.substr(at + 8, sigma.find('<', at + 1) - at - 8);
  std::size_t row = r.text.find("max |sigma|");
  ASSERT_NE(row, std::string::npos);
  EXPECT_TRUE(reads_as(shown, numbers_in(r.text.substr(row, r.text.find('\n', row) - row)).at(0))) << shown;
  EXPECT_NE(sigma.find(">x= 220<"), std::string::npos);
  std::vector<Vertex> points = curve_points(sigma);
  std::size_t jumps = 0;
  for (std::size_t i = 1; i < points.size(); ++i)
    jumps += !points[i].starts && points[i].X == points[i - 1].X && points[i].Y != points[i - 1].Y ? 1 : 0;
  EXPECT_EQ(jumps, 3U);  // 30 to 45, 45 to 38, 38 to 30 mm
  // Between its shaft segments a beam segment has no sigma: the curve breaks
  // there, a run on either side.
  Reports mixed =
      reports_of("a 2 4\ne 1 200000 0.1 1 10 0\nc 1 100 1 10 0\ne 1 200000 0.1 1 10 0\nf 1 0 1 3 0\nq\n");
  std::string mixed_sigma = drawings(mixed.page).at(5);
  std::size_t stroke = mixed_sigma.find("fill=\"none\"");
  ASSERT_NE(stroke, std::string::npos);
  std::string path = attribute(mixed_sigma, stroke, "d");
  EXPECT_EQ(std::count(path.begin(), path.end(), 'M'), 2) << path;
  EXPECT_EQ(reports_of(read_file(std::string(DURCHLAUFTRAEGER_EXAMPLES) + "/einfeldtraeger.txt"))
                .page.find("sigma"),
            std::string::npos);
}

TEST(ReportPage, ExtremesAndSupportValuesAreLabelled) {
  Reports r = reports_of(read_file(std::string(DURCHLAUFTRAEGER_EXAMPLES) + "/gerbertraeger.txt"));
  for (const char* label : {"max w= 0.185791<", "x= 1.80473<", "min M= -15<", "max M= 13.2031<",
                            "min Q= -23.75<", ">20<", ">-16.25<", "max Q= 23.75<"})
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
  // A beam that runs back and forth, by segments of negative length.
  std::string back = "a 2 4\n";
  for (int i = 0; i < 400; ++i)
    back += std::string(i % 2 == 0 ? "c 5 100 1 10 0\n" : "c -4 100 1 10 0\n") +
            (i < 399 ? "f 1 0 0\n" : "f 1 0 1 3 0\n");
  expect_clear_labels(reports_of(back + "q\n").page, "back and forth");
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

TEST(ReportPage, ThousandsOfSpansDrawAFewPointsPerUnitThroughTheExtremes) {
  Reports r = reports_of(long_beam(3000), "lang.html");
  expect_clear_labels(r.page, "3000 spans");
  std::vector<std::string> svgs = drawings(r.page);
  ASSERT_EQ(svgs.size(), 5U);
  const std::size_t units = static_cast<std::size_t>(dlt::kPlotWidth) + 1;
  for (std::size_t q = 1; q < svgs.size(); ++q) {
    // Some 40 rows in each unit of the plot. Of those, kept are the first,
    // the smallest, the largest, the last and a lone jump.
    std::vector<Vertex> points = curve_points(svgs[q]);
    EXPECT_LE(points.size(), (4 * units) + 8) << q;
    EXPECT_GE(points.size(), 2 * units) << q;
    // The extremes are points of the curve, exactly where their labels point.
    std::vector<std::pair<std::string, std::string>> dots = extreme_dots(svgs[q]);
    EXPECT_FALSE(dots.empty()) << q;
    for (const auto& dot : dots) {
      auto at_dot = [&](const Vertex& p) { return p.X == dot.first && p.Y == dot.second; };
      EXPECT_TRUE(std::any_of(points.begin(), points.end(), at_dot))
          << q << ": extreme at " << dot.first << " " << dot.second;
    }
  }
  EXPECT_NE(svgs[3].find("max M="), std::string::npos);
}

// Clamped at x = 0 and pinned at L = 4, EI = 100, q = 10: the slope is
// p = q (L^2 x / 8 - 5 L x^2 / 16 + x^3 / 6) / EI, largest at x = 1 (11/120)
// and smallest at x = L (-2/15). Drawn through the table's points alone,
// its curve would have a corner at each, off the curve by some two units
// between them next to the clamp; followed at the drawing's resolution,
// whatever --punkte, every point and every stroke lies on it.
TEST(ReportPage, CurvesFollowTheEngineBetweenTheTablesPoints) {
  auto p = [](double x) { return (10.0 / 100) * ((2 * x) - (1.25 * x * x) + ((x * x * x) / 6)); };
  const double hi = 11.0 / 120;
  const double lo = -2.0 / 15;
  auto Y_of = [&](double X) {
    double x = (X - dlt::kPlotLeft) * 4 / dlt::kPlotWidth;
    return dlt::kCurveTop + ((hi - p(x)) * (dlt::kCurveHeight / (hi - lo)));
  };
  std::string script = read_file(std::string(DURCHLAUFTRAEGER_EXAMPLES) + "/eingespannt_gelenkig.txt");
  for (const char* pieces : {"10", "2"}) {
    SCOPED_TRACE(std::string("--punkte ") + pieces);
    std::string svg;
    for (const std::string& drawing : drawings(reports_of(script, "seite.html", {"--punkte", pieces}).page))
      if (drawing.find("id=\"diagramm-p\"") != std::string::npos) svg = drawing;
    std::vector<Vertex> points = curve_points(svg);
    // One point to a drawing unit or so, the table's among them.
    EXPECT_GE(points.size(), static_cast<std::size_t>(dlt::kPlotWidth));
    EXPECT_LE(points.size(), static_cast<std::size_t>(2 * dlt::kPlotWidth));
    for (int k = 0; k <= std::stoi(pieces); ++k) {
      std::ostringstream X;
      X.setf(std::ios::fixed);
      X.precision(2);
      X << dlt::kPlotLeft + ((dlt::kPlotWidth * k) / std::stoi(pieces));
      EXPECT_TRUE(std::any_of(points.begin(), points.end(), [&](const Vertex& v) { return v.X == X.str(); }))
          << "no point at the table's X " << X.str();
    }
    for (std::size_t i = 0; i < points.size(); ++i) {
      double X = std::stod(points[i].X);
      double Y = std::stod(points[i].Y);
      ASSERT_NEAR(Y, Y_of(X), 0.02) << "point " << i << " at X " << X;
      if (i == 0) continue;
      double middle = (X + std::stod(points[i - 1].X)) / 2;
      ASSERT_NEAR((Y + std::stod(points[i - 1].Y)) / 2, Y_of(middle), 0.05) << "stroke to X " << X;
    }
  }
}

TEST(ReportPage, TablesOfMoreThan2000RowsAreCutAndSaySo) {
  // long_beam(n) in P pieces has n (P + 1) rows of values.
  Reports whole = reports_of(long_beam(100), "seite.html", {"--punkte", "19"});
  EXPECT_EQ(count_of(section(whole.page, "Wertetabelle"), "<tr><td"), 2000U);
  EXPECT_EQ(whole.page.find("gekürzt"), std::string::npos);

  Reports cut = reports_of(long_beam(69), "seite.html", {"--punkte", "28"});
  std::string values = section(cut.page, "Wertetabelle");
  EXPECT_EQ(count_of(values, "<tr><td"), 2000U);
  EXPECT_NE(values.find(
                "</table>\n</div>\n<p>Die Tabelle ist nach 2000 von 2001 Zeilen gekürzt; der Textbericht und "
                "die CSV-Tabelle (--bericht DATEI.txt, DATEI.csv) enthalten alle Zeilen.</p>\n"),
            std::string::npos);
  // The rows shown are the first of the text report's.
  std::vector<std::string> shown = page_numbers_in(values);
  std::vector<std::string> all = numbers_in(cut.text.substr(cut.text.find("Wertetabelle")));
  ASSERT_EQ(shown.size(), 2000U * 5);
  ASSERT_EQ(all.size(), 2001U * 5);
  all.resize(shown.size());
  EXPECT_EQ(first_misreading(shown, all), "");

  // The beam as entered has 3 n + 1 rows, and no count of them in advance.
  std::string beam = section(reports_of(long_beam(666)).page, "Träger wie eingegeben");
  EXPECT_EQ(count_of(beam, "<tr><td"), 1999U);
  EXPECT_EQ(beam.find("gekürzt"), std::string::npos);
  beam = section(reports_of(long_beam(667)).page, "Träger wie eingegeben");
  EXPECT_EQ(count_of(beam, "<tr><td"), 2000U);
  EXPECT_NE(
      beam.find("</table>\n</div>\n<p>Die Tabelle ist nach 2000 Zeilen gekürzt; der Textbericht (--bericht "
                "DATEI.txt) enthält alle Zeilen.</p>\n"),
      std::string::npos);
}

TEST(ReportPage, AHundredThousandSpansMakeASmallPage) {
  const int spans = kLongestBeamSpans;
  ScratchDirectory dir;
  PipedRun run = run_piped(long_beam(spans), {"--bericht", dir.file("lang.html")});
  ASSERT_EQ(run.ending.status, 0) << run.errors;
  std::string page = read_file(dir.file("lang.html"));
  // The drawings hold no more than their width allows, the sketch too, and
  // the tables their first rows.
  EXPECT_LT(page.size(), 10U * 1000 * 1000);
  std::size_t sketch = page.find("<svg xmlns=\"http://www.w3.org/2000/svg\" id=\"skizze\"");
  ASSERT_NE(sketch, std::string::npos);
  EXPECT_LT(page.find("</svg>", sketch) - sketch, 300U * 1000);
  std::string rest = page.substr(0, sketch) + page.substr(page.find("</svg>", sketch));
  ASSERT_EQ(drawings(rest).size(), 4U);
  expect_clear_labels(rest, std::to_string(spans) + " spans");
  for (const char* extreme : {"max w=", "min p=", "max p=", "max M=", "min M=", "max Q=", "min Q="})
    EXPECT_NE(rest.find(extreme), std::string::npos) << extreme;
  EXPECT_EQ(count_of(section(rest, "Wertetabelle"), "<tr><td"), 2000U);
  EXPECT_NE(rest.find("nach 2000 von " + std::to_string(11 * spans) + " Zeilen gekürzt"), std::string::npos);
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

// A title may hold any character but a control: those XML leaves out, U+FFFE
// and U+FFFF, become U+FFFD on the page and the page of the limits, which
// stay well-formed; the text report keeps the title as given.
TEST(ReportPage, TitleWithCharactersXmlLeavesOutIsWellFormed) {
  if (std::system("xmllint --version > /dev/null 2>&1") != 0)
    GTEST_SKIP() << "xmllint (Debian: libxml2-utils) is not installed";
  ScratchDirectory dir;
  std::string title = "Pos. \xef\xbf\xbe 1 \xef\xbf\xbf \xef\xb7\x90";
  PipedRun run = run_piped(read_file(std::string(DURCHLAUFTRAEGER_EXAMPLES) + "/einfeldtraeger.txt"),
                           {"--titel", title, "--bericht", dir.file("seite.html"), "--grenzwerte",
                            dir.file("grenzwerte.html"), "--bericht", dir.file("bericht.txt")});
  ASSERT_EQ(run.ending.status, 0) << run.output;
  for (const char* name : {"seite.html", "grenzwerte.html"}) {
    std::string page = read_file(dir.file(name));
    EXPECT_EQ(std::system(("xmllint --noout '" + dir.file(name) + "'").c_str()), 0) << name;
    EXPECT_EQ(page.find("\xef\xbf\xbe"), std::string::npos) << name;
    EXPECT_EQ(page.find("\xef\xbf\xbf"), std::string::npos) << name;
    EXPECT_NE(page.find("Pos. \xef\xbf\xbd"), std::string::npos) << name;
    EXPECT_NE(page.find("\xef\xb7\x90"), std::string::npos) << name;
  }
  EXPECT_NE(read_file(dir.file("bericht.txt")).find(title), std::string::npos);
}
