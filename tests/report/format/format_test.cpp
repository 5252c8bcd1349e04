// The kit every writer uses: how a range of a column's values takes them
// under either rule, whether two numbers print alike, how the page writes
// numbers and German words, and how the points of a path or polyline are
// written.
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "report/format/numbers.h"
#include "report/format/svg.h"
#include "report/format/table.h"
#include "report/format/umlauts.h"

using namespace dlt;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
const double kNan = std::nan("");

RowRange widened(const std::vector<double>& values, Widening which) {
  RowRange range;
  bool first = true;
  for (double v : values) {
    widen(range, v, first, which);
    first = false;
  }
  return range;
}

}  // namespace

TEST(RowRangeWidening, EveryValueCountsInfinitiesAndHoldsANanOnlyUntilANumber) {
  RowRange range = widened({3, -2, 7, 0.5}, Widening::every_value);
  EXPECT_EQ(range.lo, -2);
  EXPECT_EQ(range.hi, 7);
  // The first value starts the range, away from its zeros.
  range = widened({5, 6}, Widening::every_value);
  EXPECT_EQ(range.lo, 5);
  EXPECT_EQ(range.hi, 6);
  // An infinity is a value of the table and prints as "inf".
  range = widened({1, -kInf, kInf}, Widening::every_value);
  EXPECT_EQ(range.lo, -kInf);
  EXPECT_EQ(range.hi, kInf);
  // A NaN first stands until a number comes; a NaN later changes nothing.
  range = widened({kNan}, Widening::every_value);
  EXPECT_TRUE(std::isnan(range.lo));
  EXPECT_TRUE(std::isnan(range.hi));
  range = widened({kNan, kNan, 4, kNan, 2}, Widening::every_value);
  EXPECT_EQ(range.lo, 2);
  EXPECT_EQ(range.hi, 4);
}

TEST(RowRangeWidening, FiniteValuesLeaveOutNanAndInfinities) {
  RowRange range = widened({kNan, 3, kInf, -1, -kInf, kNan}, Widening::finite_values);
  EXPECT_EQ(range.lo, -1);
  EXPECT_EQ(range.hi, 3);
  // The first value starts the range where it is finite ...
  range = widened({5, 6}, Widening::finite_values);
  EXPECT_EQ(range.lo, 5);
  EXPECT_EQ(range.hi, 6);
  // ... and where it is not, the range goes on from where it stood.
  range = widened({kNan, 5, 6}, Widening::finite_values);
  EXPECT_EQ(range.lo, 0);
  EXPECT_EQ(range.hi, 6);
  range = widened({kInf}, Widening::finite_values);
  EXPECT_EQ(range.lo, 0);
  EXPECT_EQ(range.hi, 0);
}

TEST(RowRangeWidening, NeverFirstWidensFromWhereTheRangeStands) {
  // A diagram's scale: zero included, whatever the values.
  RowRange range;
  for (double v : {3.0, kNan, 8.0, -kInf}) widen(range, v, false, Widening::finite_values);
  EXPECT_EQ(range.lo, 0);
  EXPECT_EQ(range.hi, 8);
  // A negative zero does not replace the zero it equals.
  range = {};
  widen(range, -0.0, false, Widening::finite_values);
  EXPECT_FALSE(std::signbit(range.lo));
  EXPECT_FALSE(std::signbit(range.hi));
}

TEST(RowRangeWidening, WidestRowsPrintTheRangesEnds) {
  RowMaker rows = widest_of({{-1.5, 2}, {kNan, kInf}});
  std::vector<Cell> cells;
  ASSERT_TRUE(rows(cells));
  ASSERT_EQ(cells.size(), 2U);
  EXPECT_EQ(cells[0].text, "-1.500000");
  EXPECT_EQ(cells[1].text, fixed_text(kNan));
  EXPECT_TRUE(cells[0].is_number);
  ASSERT_TRUE(rows(cells));
  EXPECT_EQ(cells[0].text, "2.000000");
  EXPECT_EQ(cells[1].text, "inf");
  EXPECT_FALSE(rows(cells));
}

TEST(PrintsAlike, AgreesWithComparingThePrintedTexts) {
  const std::vector<double> values = {0.0,       -0.0,     1e-7,         -1e-7, 4e-7,      -4e-7, 5e-7,
                                      -5e-7,     1e-6,     1.0000004e-6, 2e-6,  3e-6,      1.5,   1.5000004,
                                      1.5000006, 1.500001, -1.5,         1e17,  1e17 + 16, 1e300, -1e300,
                                      kInf,      -kInf,    kNan,         -kNan};
  for (double a : values) {
    for (double b : values) {
      bool texts = fixed_text(a) == fixed_text(b);
      EXPECT_EQ(prints_alike(a, b), texts) << fixed_text(a) << " and " << fixed_text(b);
    }
  }
  // The cases that matter: zeros of both signs are not alike, NaN is
  // alike with a NaN of its sign.
  EXPECT_FALSE(prints_alike(4e-7, -4e-7));
  EXPECT_TRUE(prints_alike(1e-7, 4e-7));
  EXPECT_TRUE(prints_alike(kNan, kNan));
  EXPECT_TRUE(prints_alike(kInf, kInf));
}

TEST(ReadingText, SixSignificantDigitsWithoutTrailingZeros) {
  EXPECT_EQ(reading_text(50), "50");
  EXPECT_EQ(reading_text(103500), "103500");
  EXPECT_EQ(reading_text(-48.749213), "-48.7492");
  EXPECT_EQ(reading_text(0.5), "0.5");
  EXPECT_EQ(reading_text(-157.371428), "-157.371");
  EXPECT_EQ(reading_text(999999.6), "1000000");
  EXPECT_EQ(reading_text(123456789), "123457000");
  // Small values keep their digits where six decimals keep two.
  EXPECT_EQ(reading_text(3.12345e-5), "0.0000312345");
  EXPECT_EQ(reading_text(-0.000031), "-0.000031");
  EXPECT_EQ(reading_text(6e-7), "0.0000006");
  // From 1e9 on a power of ten.
  EXPECT_EQ(reading_text(1e9), "1·10⁹");
  EXPECT_EQ(reading_text(-2.5e12), "-2.5·10¹²");
  EXPECT_EQ(reading_text(1.23456789e300), "1.23457·10³⁰⁰");
}

TEST(ReadingText, ZeroAsKeyGPrintsItHasNoSignAndWhatIsNoNumberStays) {
  for (double zero : {0.0, -0.0, 1e-7, -1.1e-13, -4.9e-7, 4.99e-7})
    EXPECT_EQ(reading_text(zero), "0") << zero;
  EXPECT_EQ(reading_text(5.1e-7), "0.00000051");
  EXPECT_EQ(reading_text(kInf), "inf");
  EXPECT_EQ(reading_text(-kInf), "-inf");
  EXPECT_EQ(reading_text(kNan), fixed_text(kNan));
}

TEST(ReadingText, NamedValuesWithUnitsInEitherForm) {
  EXPECT_EQ(value_text("q", 10, "kN/m", NumberForm::reading), "q= 10 kN/m");
  EXPECT_EQ(value_text("q", 10, "kN/m", NumberForm::printed), "q= 10.000000 kN/m");
  EXPECT_EQ(value_text("M", -1.1e-13, "", NumberForm::reading), "M= 0");
  EXPECT_EQ(with_unit(50, "kN", NumberForm::reading), "50 kN");
  EXPECT_EQ(with_unit(0.25, "", NumberForm::reading), "0.25");
}

TEST(Umlauts, TheProgramsWordsInGermanSpellingAndNothingElse) {
  EXPECT_EQ(with_umlauts("Feldmomente und Stuetzmomente"), "Feldmomente und Stützmomente");
  EXPECT_EQ(with_umlauts("rechtes Traegerende, Einspannmoment M"), "rechtes Trägerende, Einspannmoment M");
  EXPECT_EQ(with_umlauts("Durchlauftraeger - Bericht"), "Durchlaufträger - Bericht");
  EXPECT_EQ(with_umlauts("Auflagerreaktionen (Kraefte positiv)"), "Auflagerreaktionen (Kräfte positiv)");
  EXPECT_EQ(with_umlauts("Traegerabschnitt (Laenge= 2 m)"), "Trägerabschnitt (Länge= 2 m)");
  EXPECT_EQ(with_umlauts("Groesstes und kleinstes M (das groesste wo Q = 0 ist)"),
            "Größtes und kleinstes M (das größte wo Q = 0 ist)");
  EXPECT_EQ(with_umlauts("LF 1 (staendig), veraenderliche Lasten, unguenstig"),
            "LF 1 (ständig), veränderliche Lasten, ungünstig");
  // Units and other words pass as they are.
  for (const char* same : {"kN·m²", "N/mm^2", "Querkraft Q", "Michael", "Aero", "Masse", ""})
    EXPECT_EQ(with_umlauts(same), same);
}

TEST(SvgPoints, PathsAndPolylinesWriteTheirPointsWithTwoDecimals) {
  std::string out;
  append_point(out, 1.005, -0.0, ' ');
  EXPECT_EQ(out, "1.00 0.00");
  out.clear();
  append_point(out, 1e9, -1e9, ',');
  EXPECT_EQ(out, "100000.00,-100000.00");
  out.clear();
  append_polyline(out, {1, 2, 3.25, 4, 5, 6}, "linie", true);
  EXPECT_EQ(out, "<polygon class=\"linie\" points=\"1.00,2.00 3.25,4.00 5.00,6.00\"/>\n");
  out.clear();
  append_polyline(out, {1, 2, 3}, "duenn", false);
  EXPECT_EQ(out, "<polyline class=\"duenn\" points=\"1.00,2.00 3.00\"/>\n");
  out.clear();
  append_polyline(out, {7}, "duenn", false);
  EXPECT_EQ(out, "<polyline class=\"duenn\" points=\"7.00\"/>\n");
}
