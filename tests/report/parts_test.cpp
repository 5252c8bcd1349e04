// The report's parts in the process: the root finder, the record of a pass,
// the CSV form, units and escaped markup, the boxes of the drawings'
// labels, the thinning of their curves, the safe file write and the notices.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "console/shown_name.h"
#include "console/stream.h"
#include "report/beam/csv_writer.h"
#include "report/beam/curves.h"
#include "report/format/csv.h"
#include "report/format/curve.h"
#include "report/format/label_boxes.h"
#include "report/format/markup.h"
#include "report/format/safe_file.h"
#include "report/format/svg.h"
#include "report/format/units.h"
#include "report/pass/piece_roots.h"
#include "report/pass/record.h"
#include "report/pass/replay.h"
#include "report/reports.h"
#include "tests/support/scratch_directory.h"

using namespace dlt;

TEST(PieceRoots, FindsEveryZeroInsideTheInterval) {
  // (t - 1)(t - 2)(t - 3) = t^3 - 6t^2 + 11t - 6: all three inside (0, 4),
  // to the last bit.
  std::vector<double> roots = roots_between({-6, 11, -6, 1}, 0, 4);
  ASSERT_EQ(roots.size(), 3U);
  EXPECT_EQ(roots[0], 1.0);
  EXPECT_EQ(roots[1], 2.0);
  EXPECT_EQ(roots[2], 3.0);
  // Only those strictly between the ends.
  EXPECT_EQ(roots_between({-6, 11, -6, 1}, 1, 3), std::vector<double>{2.0});
  // A negative interval, as a segment of negative length gives.
  EXPECT_EQ(roots_between({2, 1}, -4, 0), std::vector<double>{-2.0});
}

TEST(PieceRoots, DoubleRootsIrrationalRootsAndNothingWhereNothingIs) {
  // (t - 1)^2 touches zero without a sign change and is found as the turn;
  // sqrt(2), from t^2 - 2, to within one unit in the last place.
  EXPECT_EQ(roots_between({1, -2, 1}, 0, 3), std::vector<double>{1.0});
  std::vector<double> root = roots_between({-2, 0, 1}, 0, 2);
  ASSERT_EQ(root.size(), 1U);
  EXPECT_NEAR(root[0], std::sqrt(2.0), 4.5e-16);
  EXPECT_TRUE(roots_between({0, 0, 0}, 0, 1).empty());
  EXPECT_TRUE(roots_between({3}, 0, 1).empty());
  EXPECT_TRUE(roots_between({1, NAN, 1}, 0, 1).empty());
  EXPECT_TRUE(roots_between({1, INFINITY}, 0, 1).empty());
  EXPECT_TRUE(roots_between({-1, 1}, 2, 2).empty());
  EXPECT_TRUE(roots_between({-1, 1}, NAN, 2).empty());
}

TEST(BeamRecord, KeepsWhatTookEffectFromTheLastLeftEnd) {
  const Element left{.kind = ElementKind::left_end, .S1 = Quantity::p, .S2 = Quantity::Q};
  const Element segment{.kind = ElementKind::beam_segment, .length = 4, .EI = 100};
  const Element end{.kind = ElementKind::right_end, .S1 = Quantity::w, .S2 = Quantity::M, .W1 = 0.5};
  BeamRecord record;
  record_command(record, {Effect::element, segment});  // before any left end
  EXPECT_FALSE(record.open);
  EXPECT_TRUE(record.elements.empty());
  record_command(record, {Effect::element, left});
  record_command(record, {Effect::element, segment});
  record_command(record, {});  // refused, or key g
  EXPECT_FALSE(is_complete(record));
  CommandEffect right_end{Effect::element, end};
  EXPECT_TRUE(completes_pass(right_end));
  record_command(record, right_end);
  ASSERT_EQ(record.elements.size(), 3U);
  EXPECT_EQ(record.elements[1].kind, ElementKind::beam_segment);
  EXPECT_EQ(record.elements[2].W1, 0.5);
  EXPECT_TRUE(is_complete(record));

  // A pass that goes on past its right end keeps that end as the condition
  // it set; the next right end completes the beam.
  record_command(record, {Effect::element, segment});
  ASSERT_EQ(record.elements.size(), 4U);
  EXPECT_EQ(record.elements[2].kind, ElementKind::condition);
  EXPECT_EQ(record.elements[2].S1, Quantity::w);
  EXPECT_EQ(record.elements[2].W1, 0.5);
  EXPECT_FALSE(is_complete(record));
  record_command(record, right_end);
  EXPECT_TRUE(is_complete(record));

  // A left end starts anew, a refused one leaves no pass to report.
  record_command(record, {Effect::element, left});
  EXPECT_EQ(record.elements.size(), 1U);
  record_command(record, {Effect::pass_closed, left});
  EXPECT_FALSE(record.open);
  EXPECT_TRUE(record.elements.empty());
  record_command(record, {Effect::element, segment});
  EXPECT_TRUE(record.elements.empty());
}

TEST(CsvReport, ShortestNumbersThatReadBackExactly) {
  const double inf = std::numeric_limits<double>::infinity();
  std::string csv;
  append_csv_row(csv, {0.1, {1.0 / 3, -0.0, 1e-300, 2.5e17}});
  append_csv_row(csv, {2, {std::numeric_limits<double>::quiet_NaN(), inf, -inf, 7}});
  EXPECT_EQ(csv, "0.1,0.3333333333333333,-0,1e-300,2.5e+17\r\n2,nan,inf,-inf,7\r\n");
  EXPECT_EQ(std::strtod("0.3333333333333333", nullptr), 1.0 / 3);
}

namespace {

// Boxes that look random and are the same every run, now and then turned
// inside out, reaching to infinity or without a position.
Box random_box(std::uint64_t& state) {
  auto draw = [&](double lo, double hi) {
    state = (state * 6364136223846793005U) + 1442695040888963407U;
    return lo + ((hi - lo) * static_cast<double>(state >> 11) / 9007199254740992.0);
  };
  double left = draw(-100, 900);
  double top = draw(-50, 300);
  Box box{left, top, left + draw(0, 120), top + draw(0, 30)};
  double kind = draw(0, 1);
  if (kind < 0.05) std::swap(box.left, box.right);
  if (kind > 0.05 && kind < 0.1) std::swap(box.top, box.bottom);
  if (kind > 0.1 && kind < 0.12) box.right = std::numeric_limits<double>::infinity();
  if (kind > 0.12 && kind < 0.14) box.top = -std::numeric_limits<double>::infinity();
  if (kind > 0.14 && kind < 0.15) box.left = std::numeric_limits<double>::quiet_NaN();
  return box;
}

}  // namespace

TEST(TakenBoxes, TheGridFindsWhatAScanOfEveryBoxFinds) {
  std::uint64_t state = 12345;
  TakenBoxes taken;
  std::vector<Box> all;
  EXPECT_TRUE(is_free(taken, {0, 0, 10, 10}));
  for (int i = 0; i < 80; ++i) {
    all.push_back(random_box(state));
    take(taken, all.back());
  }
  int free = 0;
  for (int i = 0; i < 5000; ++i) {
    Box probe = random_box(state);
    bool by_scan =
        std::none_of(all.begin(), all.end(), [&](const Box& other) { return overlaps(probe, other); });
    EXPECT_EQ(is_free(taken, probe), by_scan) << i;
    free += by_scan ? 1 : 0;
  }
  // Both answers are well tried.
  EXPECT_GT(free, 1000);
  EXPECT_LT(free, 4000);
}

TEST(CurveThinning, KeepsWhatDrawsEachUnit) {
  using Points = std::vector<std::pair<double, double>>;
  auto thinned = [](const Points& points, std::size_t keep = 0) {
    CurveThinning thinning;
    for (std::size_t i = 0; i < points.size(); ++i)
      add_point(thinning, {points[i].first, points[i].second}, i + 1 == keep);
    Points kept;
    for (const CurvePoint& p : finish_curve(thinning).points) kept.push_back({p.X, p.Y});
    return kept;
  };
  // Up to four points in a unit are kept as they come.
  Points few = {{10.1, 5}, {10.2, 7}, {10.3, 6}, {10.3, 6.005}, {11.5, 1}};
  EXPECT_EQ(thinned(few), few);

  // Of a thousand, the first, the smallest, the largest and the last, in
  // their order, and one asked to be kept.
  Points many;
  for (int i = 0; i < 1000; ++i) many.push_back({20 + (i / 1024.0), 20.0 + (i * 37 % 61)});
  many[300].second = 10;
  many[700].second = 90;
  EXPECT_EQ(thinned(many, 501), (Points{many[0], many[300], many[500], many[700], many[999]}));

  // A unit's only jump stays a vertical step; of two, the unit is drawn
  // from its smallest to its largest value, as where a step is too small to
  // show in the coordinates.
  EXPECT_EQ(thinned({{30.1, 10}, {30.3, 50}, {30.5, 45}, {30.5, 55}, {30.7, 50}, {30.9, 90}}),
            (Points{{30.1, 10}, {30.5, 45}, {30.5, 55}, {30.9, 90}}));
  EXPECT_EQ(thinned({{31.1, 10}, {31.3, 50}, {31.5, 45}, {31.5, 55}, {31.6, 56}, {31.6, 58}, {31.9, 90}}),
            (Points{{31.1, 10}, {31.9, 90}}));
  EXPECT_EQ(thinned({{32.1, 10}, {32.3, 50}, {32.5, 45}, {32.5, 45.009}, {32.7, 50}, {32.9, 90}}),
            (Points{{32.1, 10}, {32.9, 90}}));
}

namespace {

std::string contents_of(const std::string& path) {
  std::string text;
  FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return "missing";
  for (int c = std::fgetc(f); c != EOF; c = std::fgetc(f)) text.push_back(static_cast<char>(c));
  std::fclose(f);
  return text;
}

}  // namespace

TEST(ReportFile, ReplacesTheFileWholeWithTheUsersPermissions) {
  ScratchDirectory dir;
  std::string path = dir.path + "/r.txt";
  std::string reason;
  ASSERT_TRUE(write_file_atomically(path, "erster\n", reason)) << reason;
  ASSERT_TRUE(write_file_atomically(path, "zweiter\n", reason)) << reason;
  EXPECT_EQ(contents_of(path), "zweiter\n");
  EXPECT_EQ(dir.entries(), 1);
  struct stat info = {};
  ASSERT_EQ(stat(path.c_str(), &info), 0);
  mode_t mask = umask(0);
  umask(mask);
  EXPECT_EQ(info.st_mode & 0777, 0666 & ~mask);
}

TEST(ReportFile, FailureKeepsTheOldFileAndLeavesNoTemporaryFile) {
  ScratchDirectory dir;
  std::string reason;
  EXPECT_FALSE(write_file_atomically(dir.path + "/nicht/da.txt", "x", reason));
  EXPECT_EQ(reason, "No such file or directory");
  // A directory in the way is refused before anything is made.
  ASSERT_EQ(mkdir((dir.path + "/ordner").c_str(), 0755), 0);
  EXPECT_FALSE(write_file_atomically(dir.path + "/ordner", "x", reason));
  EXPECT_EQ(reason, "ist ein Verzeichnis");
  EXPECT_EQ(dir.entries(), 1);
}

TEST(ReportNotices, FileNamesHaveTheirControlCharactersEscaped) {
  EXPECT_EQ(shown_name("bericht.txt"), "bericht.txt");
  EXPECT_EQ(shown_name("a\nb\tc\r"), "a\\nb\\tc\\r");
  // Escape sequences, DEL and the C1 controls as UTF-8 writes them (CSI
  // here); other UTF-8 letters stay as they are.
  EXPECT_EQ(shown_name("\x1b[2J\x7f\xc2\x9b\xc3\xbc"), "\\x1b[2J\\x7f\\xc2\\x9b\xc3\xbc");
  EXPECT_EQ(shown_name(std::string("a\0b", 3)), "a\\x00b");
}

// A record of a left end, n segments and a right end: all a row count and
// the refusal before any work look at.
BeamRecord record_of_segments(std::size_t n) {
  BeamRecord record;
  record.open = true;
  record.elements.push_back({.kind = ElementKind::left_end});
  record.elements.resize(n + 1, {.kind = ElementKind::beam_segment, .length = 1});
  record.elements.push_back({.kind = ElementKind::right_end});
  return record;
}

TEST(ReportNotices, TablesOfMoreThanAHundredMillionRowsAreRefusedBeforeAnyWork) {
  ScratchDirectory dir;
  BeamRecord record = record_of_segments(100000);
  EXPECT_EQ(table_rows(record.elements, 1000), 100000001U);
  EXPECT_EQ(table_rows(record_of_segments(99999).elements, 1000), 99999001U);
  ReportOptions options;
  options.files = {dir.file("r.txt")};
  options.pieces = 1000;
  console_open_script("");
  RegisterFile R;
  EXPECT_FALSE(write_reports(options, record, R));
  EXPECT_EQ(console_take_output(),
            "Bericht nicht geschrieben: " + dir.file("r.txt") + ": mehr als 100000000 Tabellenzeilen\n");
  EXPECT_EQ(dir.entries(), 0);
}

TEST(Units, EveryDimensionInAsciiAndOnThePage) {
  Units units;
  ASSERT_TRUE(read_units("kN,m", units));
  UnitNames text = unit_names(units, UnitForm::text);
  UnitNames page = unit_names(units, UnitForm::page);
  EXPECT_EQ(unit_of(text, Dimension::moment), "kN*m");
  EXPECT_EQ(unit_of(page, Dimension::moment), "kN\u00b7m");
  EXPECT_EQ(unit_of(text, Dimension::bending_stiffness), "kN*m^2");
  EXPECT_EQ(unit_of(page, Dimension::bending_stiffness), "kN\u00b7m\u00b2");
  EXPECT_EQ(unit_of(text, Dimension::force_per_area), "kN/m^2");
  EXPECT_EQ(unit_of(text, Dimension::force_per_length), "kN/m");
  EXPECT_EQ(unit_of(text, Dimension::angle), "rad");
  // A compound unit is put in parentheses where it is a factor.
  ASSERT_TRUE(read_units("kg*m/s^2,mm", units));
  EXPECT_EQ(unit_of(unit_names(units, UnitForm::text), Dimension::force_per_area), "(kg*m/s^2)/mm^2");
  // Without units, nothing.
  EXPECT_EQ(unit_of(unit_names({}, UnitForm::page), Dimension::moment), "");
  for (const char* bad : {"kN", "kN,", ",m", "kN,m,s", "k N,m", "kN,m\n", "kN,\xc2\xb5m", ""}) {
    Units kept{"N", "mm"};
    EXPECT_FALSE(read_units(bad, kept)) << bad;
    EXPECT_EQ(kept.force + "," + kept.length, "N,mm") << bad;
  }
}

TEST(Markup, UsersTextStaysTextAndWellFormedUtf8) {
  std::string out;
  append_escaped(out, "Pos. <1> & \"A\" 'B' \xc2\xb5m \xe2\x82\xac");
  EXPECT_EQ(out, "Pos. &lt;1&gt; &amp; &quot;A&quot; &#39;B&#39; \xc2\xb5m \xe2\x82\xac");
  // Bytes that are no UTF-8, overlong forms, surrogates, cut-off sequences
  // and control characters each become U+FFFD.
  for (const char* bad :
       {"\xff", "\xc0\xaf", "\xed\xa0\x80", "\xe2\x82", "\x01", "\x7f", "\xc2\x9b", "\xf4\x90\x80\x80"}) {
    out.clear();
    append_escaped(out, std::string("a") + bad + "b");
    EXPECT_EQ(out.substr(0, 4), "a\xef\xbf\xbd") << bad;
    EXPECT_EQ(out.back(), 'b') << bad;
    EXPECT_EQ(out.find('\x01'), std::string::npos);
  }
}
