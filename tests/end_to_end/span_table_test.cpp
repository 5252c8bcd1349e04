// What an engineer reads first, end to end: every span's field moments and
// the support moments against closed forms, the moment balance, the bending
// stress of a stepped shaft, and units and a title on every value.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/program.h"
#include "tests/support/report_text.h"
#include "tests/support/scratch_directory.h"

namespace {

// The rows of the span table, as words; a support row has its name, x, the
// support moment and the force, a span row its name, its ends and three
// extremes with their x.
std::vector<std::vector<std::string>> span_rows(const std::string& report) {
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> lines = section(report, "Feldmomente und Stuetzmomente");
  for (std::size_t i = 1; i < lines.size(); ++i) rows.push_back(words(lines[i]));
  return rows;
}

std::vector<std::string> row_named(const std::string& report, const std::string& name) {
  for (const std::vector<std::string>& row : span_rows(report))
    if (!row.empty() && row[0] + (row.size() > 1 && row[0] == "Feld" ? " " + row[1] : "") == name) return row;
  return {};
}

// A printed number is the exact value to the sixth decimal.
void expect_printed(const std::string& printed, long double exact, const std::string& what) {
  EXPECT_NEAR(std::strtold(printed.c_str(), nullptr), exact, 1.5e-6L) << what << ": " << printed;
}

// The simply supported span under q0 + s t and a force P at a: its moment
// M0(t), the integrals the three-moment equation takes, and its reactions.
struct SimpleSpan {
  long double L, q0, s, P, a;
  long double left_reaction() const { return ((q0 * L) / 2) + ((s * L * L) / 6) + ((P * (L - a)) / L); }
  long double right_reaction() const { return ((q0 * L) + ((s * L * L) / 2) + P) - left_reaction(); }
  // 6/L times the integral of M0(t) t, and of M0(t) (L - t).
  long double right_term() const {
    long double R = ((q0 * L) / 2) + ((s * L * L) / 6);
    long double moment = ((R * L * L * L) / 3) - ((q0 * L * L * L * L) / 8) - ((s * L * L * L * L * L) / 30);
    long double b = L - a;
    moment += ((P * b * a * a * a) / (3 * L)) +
              ((P * a / L) * (((L * L * L) / 6) - ((L * a * a) / 2) + ((a * a * a) / 3)));
    return (6 * moment) / L;
  }
  long double left_term() const {
    long double R = ((q0 * L) / 2) + ((s * L * L) / 6);
    long double area =
        ((R * L * L) / 2) - ((q0 * L * L * L) / 6) - ((s * L * L * L * L) / 24) + ((P * a * (L - a)) / 2);
    return (6 * ((L * area) - ((right_term() * L) / 6))) / L;
  }
};

}  // namespace

// Three spans 4, 6 and 5 under q = 10, a force of 40 in the second and a
// load rising from 10 to 20 on the third: the support moments from the
// three-moment equation, the field moments where Q = 0 between table points.
TEST(SpanTable, ThreeSpansAsTheThreeMomentEquationHasThem) {
  std::string report = text_report_of(
      "a 2 4\nc 4 20000 1 10 0\nf 1 0 0\nc 2.5 20000 1 10 0\nd 4 40\nc 3.5 20000 1 10 0\nf 1 0 0\n"
      "c 5 20000 1 10 2\nf 1 0 1 3 0\nq\n");
  SimpleSpan one{4, 10, 0, 0, 0};
  SimpleSpan two{6, 10, 0, 40, 2.5};
  SimpleSpan three{5, 10, 2, 0, 0};
  // 2 M1 (L1 + L2) + M2 L2 = -(T1 + T2'), M1 L2 + 2 M2 (L2 + L3) = -(T2 + T3').
  long double a11 = 2 * (one.L + two.L), a12 = two.L, a21 = two.L, a22 = 2 * (two.L + three.L);
  long double b1 = -(one.right_term() + two.left_term()), b2 = -(two.right_term() + three.left_term());
  long double det = (a11 * a22) - (a12 * a21);
  long double M1 = ((b1 * a22) - (a12 * b2)) / det;
  long double M2 = ((a11 * b2) - (a21 * b1)) / det;

  std::vector<std::vector<std::string>> rows = span_rows(report);
  ASSERT_EQ(rows.size(), 7U) << report;
  EXPECT_EQ(rows[0][0] + " " + rows[2][0] + " " + rows[4][0] + " " + rows[6][0] + " " + rows[6][1],
            "linkes Lager Lager rechtes Traegerende");
  expect_printed(rows[2][2], M1, "support moment at x = 4");
  expect_printed(rows[4][2], M2, "support moment at x = 10");
  EXPECT_EQ(rows[2][2], "-46.105611");
  EXPECT_EQ(rows[4][2], "-55.342409");
  // The reactions: the simple spans' and the support moments' share.
  expect_printed(rows[0][4], one.left_reaction() + (M1 / one.L), "reaction at 0");
  expect_printed(rows[2][3], one.right_reaction() - (M1 / one.L) + two.left_reaction() + ((M2 - M1) / two.L),
                 "reaction at 4");
  expect_printed(rows[4][3],
                 two.right_reaction() - ((M2 - M1) / two.L) + three.left_reaction() - (M2 / three.L),
                 "reaction at 10");
  expect_printed(rows[6][4], three.right_reaction() + (M2 / three.L), "reaction at 15");

  // Span 1: Q = R - q t + M1 / L1 = 0.
  std::vector<std::string> field = row_named(report, "Feld 1");
  ASSERT_EQ(field.size(), 13U);
  long double t1 = (one.left_reaction() + (M1 / one.L)) / one.q0;
  expect_printed(field[5], t1, "x of max M in span 1");
  expect_printed(field[4], (one.left_reaction() * t1) - ((one.q0 * t1 * t1) / 2) + ((M1 * t1) / one.L),
                 "max M in span 1");
  EXPECT_EQ(field[4] + " " + field[5], "3.590093 0.847360");
  // Span 3: Q = R - q0 t - s t^2 / 2 - M2 / L3 = 0.
  field = row_named(report, "Feld 3");
  ASSERT_EQ(field.size(), 13U);
  long double C = three.left_reaction() - (M2 / three.L);
  long double t3 = (-three.q0 + std::sqrt((three.q0 * three.q0) + (2 * three.s * C))) / three.s;
  long double M3 = (three.left_reaction() * t3) - ((three.q0 * t3 * t3) / 2) -
                   ((three.s * t3 * t3 * t3) / 6) + (M2 * (1 - (t3 / three.L)));
  expect_printed(field[5], 10 + t3, "x of max M in span 3");
  expect_printed(field[4], M3, "max M in span 3");
  EXPECT_EQ(field[4] + " " + field[5], "24.762461 13.330775");

  std::vector<std::string> balance = section(report, "Gleichgewicht der Momente");
  ASSERT_EQ(balance.size(), 3U);
  EXPECT_EQ(words(balance[2]).back(), "0.000000");
}

// Two equal spans under q: 9qL^2/128 at 3L/8 from each end, -qL^2/8 over
// the middle support; a cantilever is a row of its own.
TEST(SpanTable, TextbookBeams) {
  std::string report = text_report_of(example("zweifeld_gleiche_felder.txt"));
  // w is largest at x = (1 + sqrt(33)) L / 16, where it is
  // q x (L^3 - 3 L x^2 + 2 x^3) / (48 EI), with EI = 100.
  long double L = 4;
  long double x = ((1 + std::sqrt(33.0L)) * L) / 16;
  long double w = (10 * x * ((L * L * L) - (3 * L * x * x) + (2 * x * x * x))) / (48 * 100);
  std::vector<std::string> first = row_named(report, "Feld 1");
  ASSERT_EQ(first.size(), 13U) << report;
  EXPECT_EQ(
      std::vector<std::string>(first.begin() + 2, first.begin() + 8),
      (std::vector<std::string>{"0.000000", "4.000000", "11.250000", "1.500000", "-20.000000", "4.000000"}));
  expect_printed(first[8], w, "max |w|");
  expect_printed(first[9], x, "x of max |w|");
  std::vector<std::string> field = row_named(report, "Feld 2");
  ASSERT_EQ(field.size(), 13U);
  EXPECT_EQ(field[4] + " " + field[5], "11.250000 6.500000");
  EXPECT_EQ(span_rows(report).at(2),
            (std::vector<std::string>{"Lager", "4.000000", "-20.000000", "50.000000"}));

  // A tip force of 3 on a cantilever of 2 clamped at the right: from the
  // tangent at the clamping, f = P l^3 / (3 EI) = 0.08 at the tip, l/25.
  report = text_report_of(example("kragarm_einzellast.txt"));
  std::vector<std::vector<std::string>> rows = span_rows(report);
  ASSERT_EQ(rows.size(), 2U) << report;
  EXPECT_EQ(rows[0],
            (std::vector<std::string>{"Kragarm", "0.000000", "2.000000", "0.000000", "0.000000", "-6.000000",
                                      "2.000000", "0.080000", "0.000000", "0.080000", "0.000000", "l/25"}));
  EXPECT_EQ(rows[1],
            (std::vector<std::string>{"rechtes", "Traegerende", "2.000000", "-6.000000", "3.000000"}));
}

// The sag from the chord against beam theory: the words of a span's row
// from f on (f, its x, l/f).
std::vector<std::string> sag_of(const std::string& report, const std::string& name) {
  std::vector<std::string> row = row_named(report, name);
  std::size_t f = name == "Kragarm" ? 9 : 10;
  if (row.size() != f + 3) return row;
  return std::vector<std::string>(row.begin() + static_cast<std::ptrdiff_t>(f), row.end());
}

void expect_sag(const std::vector<std::string>& sag, long double f, long double x, const std::string& ratio) {
  ASSERT_EQ(sag.size(), 3U);
  expect_printed(sag[0], f, "f");
  expect_printed(sag[1], x, "x of f");
  EXPECT_EQ(sag[2], ratio);
}

TEST(SpanTable, SagsFromTheChordAsBeamTheoryHasThem) {
  // Simply supported, l = 5, EI = 2000, q = 12: 5 q l^4 / (384 EI) at l/2,
  // which with 3 pieces lies inside a piece, not at a table row.
  long double simple = (5 * 12 * 625.0L) / (384 * 2000);
  expect_sag(sag_of(text_report_of("a 2 4 c 5 2000 1 12 0 f 1 0 1 3 0\nq\n", {"--punkte", "3"}), "Feld 1"),
             simple, 2.5L, "l/" + std::to_string(std::lround(5 / simple)));

  // Clamped at 0, pinned at l = 4 with a settlement of 0.01 there, EI = 1000,
  // q = 10: w = q x^2 (3 l^2 - 5 l x + 2 x^2) / (48 EI) plus the settlement's
  // own shape d (3 x^2 l - x^3) / (2 l^3); from the chord d x / l, largest
  // where its slope is zero.
  const long double l = 4, EI = 1000, q = 10, d = 0.01L;
  auto sag = [&](long double x) {
    return ((q * x * x * ((3 * l * l) - (5 * l * x) + (2 * x * x))) / (48 * EI)) +
           ((d * ((3 * x * x * l) - (x * x * x))) / (2 * l * l * l)) - ((d * x) / l);
  };
  auto slope = [&](long double x) {
    return ((q * ((6 * l * l * x) - (15 * l * x * x) + (8 * x * x * x))) / (48 * EI)) +
           ((d * ((6 * x * l) - (3 * x * x))) / (2 * l * l * l)) - (d / l);
  };
  long double lo = 1, hi = 3;  // the slope goes from positive to negative
  ASSERT_GT(slope(lo), 0);
  ASSERT_LT(slope(hi), 0);
  for (int i = 0; i < 200; ++i) (slope((lo + hi) / 2) > 0 ? lo : hi) = (lo + hi) / 2;
  long double x = (lo + hi) / 2;
  std::string propped = text_report_of("a 3 4 c 4 1000 1 10 0 f 1 0.01 1 3 0\nq\n");
  expect_sag(sag_of(propped, "Feld 1"), sag(x), x, "l/" + std::to_string(std::lround(l / sag(x))));

  // Clamped at the left, free at the right with a tip force of 3: from the
  // tangent at the clamping, P l^3 / (3 EI) at the tip.
  std::string arm = text_report_of("a 3 4 c 2 100 0 d 4 3 f 3 0 1 4 0\nq\n");
  expect_sag(sag_of(arm, "Kragarm"), (3 * 8.0L) / (3 * 100), 2, "l/25");
}

// On every example the spans hold the extremes of M of the whole beam, and
// the moments about the left end balance.
TEST(SpanTable, SpansCoverTheWholeBeamAndTheMomentsBalance) {
  for (const auto& entry : std::filesystem::directory_iterator(DURCHLAUFTRAEGER_EXAMPLES)) {
    std::string report = text_report_of(read_file(entry.path()));
    if (report.empty()) continue;  // no right end in this script
    std::string name = entry.path().filename();
    double largest = -1e300;
    double smallest = 1e300;
    for (const std::vector<std::string>& row : span_rows(report)) {
      std::size_t first = row[0] == "Feld" ? 4 : 3;
      if (row[0] != "Feld" && row[0] != "Kragarm") continue;
      largest = std::max(largest, std::stod(row.at(first)));
      smallest = std::min(smallest, std::stod(row.at(first + 2)));
    }
    std::string max_M;
    std::string min_M;
    for (const std::string& line : section(report, "Extremwerte")) {
      std::vector<std::string> w = words(line);
      if (w.size() >= 3 && w[0] + w[1] == "maxM") max_M = w[2];
      if (w.size() >= 3 && w[0] + w[1] == "minM") min_M = w[2];
    }
    EXPECT_EQ(largest, std::stod(max_M)) << name;
    EXPECT_EQ(smallest, std::stod(min_M)) << name;
    std::vector<std::string> balance = section(report, "Gleichgewicht der Momente");
    ASSERT_EQ(balance.size(), 3U) << name;
    std::string difference = words(balance[2]).back();
    EXPECT_TRUE(difference == "0.000000" || difference == "-0.000000") << name << ": " << difference;
  }
}

// sigma = 32 M / (pi d^3) at every row with the diameter of the row's
// segment, both sides of every step, and its largest magnitude on the thin
// side of the step at x = 220, not under the larger force.
TEST(ShaftStress, EveryRowWithItsSegmentsDiameter) {
  std::string report = text_report_of(example("abgesetzte_welle.txt"));
  std::vector<std::string> lines = section(report, "Wertetabelle");
  ASSERT_GT(lines.size(), 50U);
  EXPECT_EQ(words(lines[0]), (std::vector<std::string>{"x", "w", "p", "M", "Q", "sigma"}));
  // The segments end at 40, 120, 180, 220 and 250, with d 30, 45, 45, 38, 30.
  auto diameter_at = [](double x, bool after) {
    const double ends[] = {40, 120, 180, 220, 250};
    const double d[] = {30, 45, 45, 38, 30};
    for (int i = 0; i < 5; ++i)
      if (x < ends[i] || (x == ends[i] && !after)) return d[i];
    return d[4];
  };
  int steps = 0;
  double previous_x = -1;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    std::vector<std::string> row = words(lines[i]);
    ASSERT_EQ(row.size(), 6U) << lines[i];
    double x = std::stod(row[0]);
    // A second row at a step takes the diameter to the right.
    // A second row at a step repeats the joint's values with the diameter
    // to the right.
    std::vector<std::string> before = words(lines[i - 1]);
    bool step = x == previous_x && std::equal(row.begin() + 1, row.begin() + 5, before.begin() + 1) &&
                before[5] != row[5];
    steps += step ? 1 : 0;
    long double d = diameter_at(x, step);
    long double M = std::strtold(row[3].c_str(), nullptr);
    expect_printed(row[5], (32 * M) / (3.141592654L * d * d * d), "sigma at x = " + row[0]);
    previous_x = x;
  }
  EXPECT_EQ(steps, 3);  // 30 to 45, 45 to 38, 38 to 30
  // M at 220 is 30 times the right reaction 2016: 60480 / (pi 30^3 / 32).
  std::string largest;
  for (const std::string& line : section(report, "Extremwerte"))
    if (line.find("max |sigma|") != std::string::npos) largest = line;
  ASSERT_FALSE(largest.empty()) << report;
  std::vector<std::string> w = words(largest);
  expect_printed(w[2], (32 * 60480.0L) / (3.141592654L * 27000), "max |sigma|");
  EXPECT_EQ(w[3], "220.000000");
}

// The CSV table has sigma too: after Q, the value the text report prints,
// blank in the rows of a beam segment; a beam without shaft segments has
// no such column.
TEST(ShaftStress, TheCsvTableHasSigmaWhereTheBeamHasShaftSegments) {
  ScratchDirectory dir;
  std::string script = "a 2 4\nc 1 100 1 10 0\ne 1 200000 0.1 1 10 0\nf 1 0 1 3 0\nq\n";
  PipedRun run = run_piped(script, {"--bericht", dir.file("r.csv"), "--bericht", dir.file("r.txt")});
  ASSERT_EQ(run.ending.status, 0) << run.errors;
  std::vector<std::string> csv;
  std::string text = read_file(dir.file("r.csv"));
  for (std::size_t at = 0; at < text.size();) {
    std::size_t end = text.find("\r\n", at);
    csv.push_back(text.substr(at, end - at));
    at = end + 2;
  }
  std::vector<std::string> table = section(read_file(dir.file("r.txt")), "Wertetabelle");
  ASSERT_EQ(csv.front(), "x,w,p,M,Q,sigma");
  ASSERT_EQ(csv.size(), table.size());
  int blanks = 0;
  for (std::size_t i = 1; i < csv.size(); ++i) {
    std::string sigma = csv[i].substr(csv[i].rfind(',') + 1);
    std::vector<std::string> row = words(table[i]);
    if (row.size() == 5) {
      EXPECT_EQ(sigma, "") << csv[i];
      ++blanks;
      continue;
    }
    ASSERT_EQ(row.size(), 6U) << table[i];
    expect_printed(row[5], std::strtold(sigma.c_str(), nullptr), csv[i]);
    EXPECT_EQ(std::strtod(csv[i].c_str(), nullptr), std::strtod(row[0].c_str(), nullptr)) << csv[i];
  }
  EXPECT_EQ(blanks, 11);  // the beam segment's rows, the left end's among them
  run = run_piped(example("zweifeldtraeger.txt"), {"--bericht", dir.file("b.csv")});
  EXPECT_EQ(read_file(dir.file("b.csv")).substr(0, 11), "x,w,p,M,Q\r\n");
}

// A spring or support at a free end is a support row, with no arm of no
// length beside it; a real arm keeps its row.
TEST(SpanTable, NoArmOfNoLengthAtAFreeEndsSpring) {
  std::string report = text_report_of(example("federn_frei.txt"));
  std::vector<std::vector<std::string>> rows = span_rows(report);
  ASSERT_EQ(rows.size(), 3U) << report;
  EXPECT_EQ(rows[0][0], "elastisches");
  EXPECT_EQ(rows[1][0] + " " + rows[1][1], "Feld 1");
  EXPECT_EQ(rows[2][0], "elastisches");
  std::string arm = text_report_of("a 1 2\nc 2 100 1 10 0\nf 1 0 0\nc 3 100 1 10 0\nf 1 0 1 3 0\nq\n");
  EXPECT_FALSE(row_named(arm, "Kragarm").empty()) << arm;
}

// --einheiten and --titel: every value of the text report carries its unit
// in ASCII, every value on the page with its unit in the page's signs, the
// title stands at the head of both and is escaped on the page, which stays
// well-formed.
TEST(UnitsAndTitle, OnEveryValueOfEveryExample) {
  bool have_xmllint = std::system("xmllint --version > /dev/null 2>&1") == 0;
  for (const auto& entry : std::filesystem::directory_iterator(DURCHLAUFTRAEGER_EXAMPLES)) {
    ScratchDirectory dir;
    PipedRun run =
        run_piped(read_file(entry.path()), {"--einheiten", "kN,m", "--titel", "Pos. 1 <&>", "--bericht",
                                            dir.file("b.txt"), "--bericht", dir.file("b.html")});
    std::string text = read_file(dir.file("b.txt"));
    std::string page = read_file(dir.file("b.html"));
    std::string name = entry.path().filename();
    if (text.empty()) continue;
    EXPECT_EQ(text.rfind("Durchlauftraeger - Bericht\nPos. 1 <&>\n\n", 0), 0U) << name;
    EXPECT_NE(page.find("<p class=\"titel\">Pos. 1 &lt;&amp;&gt;</p>"), std::string::npos) << name;
    EXPECT_EQ(page.find("<&>"), std::string::npos) << name;
    // A number in the beam table is followed by its unit; the other tables
    // have it in their column titles or a column of units.
    for (const std::string& line : section(text, "Traeger wie eingegeben")) {
      for (std::size_t at = line.find("= "); at != std::string::npos; at = line.find("= ", at + 1)) {
        std::size_t end = line.find_first_of(",)", at);
        std::string value = line.substr(at + 2, end - at - 2);
        EXPECT_NE(value.find(' '), std::string::npos) << name << ": " << line;
      }
    }
    std::vector<std::string> values = section(text, "Wertetabelle");
    ASSERT_FALSE(values.empty()) << name;
    for (const char* title : {"x [m]", "w [m]", "p [rad]", "M [kN*m]", "Q [kN]"})
      EXPECT_NE(values[0].find(title), std::string::npos) << name << ": " << title;
    std::vector<std::string> balance = section(text, "Gleichgewicht der Momente");
    ASSERT_EQ(balance.size(), 3U) << name;
    EXPECT_EQ(words(balance[2]).back(), "kN*m") << name;
    EXPECT_NE(page.find("<th class=\"n\">M [kN\u00b7m]</th>"), std::string::npos) << name;
    for (const char* ascii_only : {"\u00b7", "\u00b2", "\u03c3"})
      EXPECT_EQ(text.find(ascii_only), std::string::npos) << name;
    if (have_xmllint) {
      EXPECT_EQ(std::system(("xmllint --noout '" + dir.file("b.html") + "'").c_str()), 0) << name;
    }
  }
  if (!have_xmllint) GTEST_SKIP() << "xmllint (Debian: libxml2-utils) is not installed";
}

// A beam in N and mm: its numbers have more digits than a column of twelve,
// and the columns grow with them, so that each line of the value table has
// as many numbers as titles, aligned on their right edge.
TEST(UnitsAndTitle, LargeNumbersNeverRunTogether) {
  std::string report =
      text_report_of("a 2 4\nc 6000 2.1e13 1 12 0\nf 1 0 1 3 0\nq\n", {"--einheiten", "N,mm"});
  std::vector<std::string> lines = section(report, "Wertetabelle");
  ASSERT_EQ(lines.size(), 12U);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) {
      EXPECT_EQ(words(lines[i]).size(), 5U) << lines[i];
    }
    EXPECT_EQ(lines[i].size(), lines[0].size()) << lines[i];
  }
  EXPECT_NE(lines[6].find(" 54000000.000000 "), std::string::npos) << lines[6];
}

// The page of the three spans: in the M diagram each span's field moment
// with its x, the extremes of the whole beam as before, and with units
// every label and title in the page's signs.
TEST(SpanTable, FieldMomentsLabelledInTheMomentDiagram) {
  ScratchDirectory dir;
  PipedRun run = run_piped(
      "a 2 4\nc 4 20000 1 10 0\nf 1 0 0\nc 2.5 20000 1 10 0\nd 4 40\nc 3.5 20000 1 10 0\nf 1 0 0\n"
      "c 5 20000 1 10 2\nf 1 0 1 3 0\nq\n",
      {"--einheiten", "kN,m", "--bericht", dir.file("b.html")});
  ASSERT_EQ(run.ending.status, 0) << run.errors;
  std::string page = read_file(dir.file("b.html"));
  std::size_t at = page.find("id=\"diagramm-M\"");
  ASSERT_NE(at, std::string::npos);
  std::string moments = page.substr(at, page.find("</svg>", at) - at);
  for (const char* label :
       {">Biegemoment M [kN\u00b7m] (positiv nach unten)<", ">Feld 1: M= 3.59009 kN\u00b7m<",
        ">x= 0.84736 m<", ">Feld 3: M= 24.7625 kN\u00b7m<", ">x= 13.3308 m<", ">max M= 52.1291 kN\u00b7m<",
        ">min M= -55.3424 kN\u00b7m<"})
    EXPECT_NE(moments.find(label), std::string::npos) << label;
  // Span 2's field moment is the beam's largest, labelled once.
  EXPECT_EQ(moments.find("Feld 2:"), std::string::npos);
  // The support forces stand under the sketch with their unit.
  EXPECT_NE(page.find(">83.3203 kN<"), std::string::npos);
  EXPECT_NE(page.find("<p class=\"fuss\">durchlauftraeger "), std::string::npos);
}
