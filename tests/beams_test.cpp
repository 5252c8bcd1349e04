// Textbook beams end to end: each script in examples/ runs through the built
// program, and every result it prints must carry the digits of the closed
// form. A zero may print as -0.000000: a rounding residue of the method, as
// in the two-span example.
#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "program.h"

namespace {

struct State {
  double w, p, M, Q;
};

std::string fixed(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%f", value);
  return text;
}

// The values after each "w= ", "p= ", "M= " and "Q= " the program printed.
std::vector<std::string> printed_values(const std::string& output) {
  std::vector<std::string> values;
  for (std::size_t at = output.find("Ergebnisse:\n"); at != std::string::npos;
       at = output.find("Ergebnisse:\n", at + 1)) {
    std::size_t line = at + 12;
    for (int i = 0; i < 4; ++i) {
      std::size_t end = output.find('\n', line);
      values.push_back(output.substr(line + 3, end - line - 3));
      line = end + 1;
    }
  }
  return values;
}

void expect_results(const char* example, const std::vector<State>& expected) {
  PipedRun run = run_piped(read_file(std::string(DURCHLAUFTRAEGER_EXAMPLES) + "/" + example));
  ASSERT_EQ(run.ending.status, 0) << example;
  std::vector<std::string> shown = printed_values(run.output);
  ASSERT_EQ(shown.size(), 4 * expected.size()) << example << ":\n" << run.output;
  for (std::size_t i = 0; i < shown.size(); ++i) {
    const State& s = expected[i / 4];
    const double quantities[] = {s.w, s.p, s.M, s.Q};
    double value = quantities[i % 4];
    std::string want = fixed(value);
    if (value == 0 && shown[i] == "-0.000000") continue;
    EXPECT_EQ(shown[i], want) << example << ", result " << i / 4 + 1 << ", "
                              << "wpMQ"[i % 4];
  }
}

}  // namespace

// The tables keep one point of the beam to a line.
// clang-format off

// Units throughout: EI = 100; loads q = 10 per unit length; w positive in
// the direction of the load, M positive where the underside is in tension.

TEST(TextbookBeam, SimplySupportedUnderUniformLoad) {
  const double q = 10, L = 4, EI = 100;
  expect_results("einfeldtraeger.txt", {
      {0, q * L * L * L / (24 * EI), 0, q * L / 2},
      {5 * q * L * L * L * L / (384 * EI), 0, q * L * L / 8, 0},
  });
}

TEST(TextbookBeam, CantileverWithTipForceFromItsFreeEnd) {
  const double F = 3, L = 2, EI = 100;
  expect_results("kragarm_einzellast.txt", {
      {F * L * L * L / (3 * EI), -F * L * L / (2 * EI), 0, -F},
      {0, 0, -F * L, -F},
  });
}

TEST(TextbookBeam, ProppedCantileverUnderUniformLoad) {
  // Clamped at the left, pinned at the right: reactions 5qL/8 and 3qL/8.
  const double q = 10, L = 4, EI = 100;
  expect_results("eingespannt_gelenkig.txt", {
      {0, 0, -q * L * L / 8, 5 * q * L / 8},
      {q * L * L * L * L / (192 * EI), q * L * L * L / (48 * EI) / 4, q * L * L / 16, q * L / 8},
      {0, -q * L * L * L / (48 * EI), 0, -3 * q * L / 8},
  });
}

TEST(TextbookBeam, ClampedAtBothEndsUnderUniformLoad) {
  const double q = 10, L = 4, EI = 100;
  expect_results("beidseitig_eingespannt.txt", {
      {0, 0, -q * L * L / 12, q * L / 2},
      {q * L * L * L * L / (384 * EI), 0, q * L * L / 24, 0},
      {0, 0, -q * L * L / 12, -q * L / 2},
  });
}

TEST(TextbookBeam, TwoEqualSpansUnderUniformLoad) {
  // Middle support moment -qL^2/8; reactions 3qL/8 at the ends and 10qL/8 in
  // the middle, which the shear force shows as its jump from -5qL/8 to 5qL/8.
  const double q = 10, L = 4, EI = 100;
  expect_results("zweifeld_gleiche_felder.txt", {
      {0, q * L * L * L / (48 * EI), 0, 3 * q * L / 8},
      {0, 0, -q * L * L / 8, -5 * q * L / 8},
      {0, 0, -q * L * L / 8, 5 * q * L / 8},
      {0, -q * L * L * L / (48 * EI), 0, -3 * q * L / 8},
  });
}

TEST(TextbookBeam, SpringUnderTheMiddleOfASimplySupportedBeam) {
  // Span 4 under q = 10, spring c = 75 in the middle. The spring force P
  // makes the spring's shortening P/c equal to the beam's deflection there:
  // P/c = 5qL^4/(384EI) - P L^3/(48EI), which gives P = 12.5.
  const double q = 10, L = 4, EI = 100, c = 75;
  const double P = (5 * q * L * L * L * L / (384 * EI)) / (1 / c + L * L * L / (48 * EI));
  const double A = (q * L - P) / 2;  // each end support
  const double slope = q * L * L * L / (24 * EI) - P * L * L / (16 * EI);
  expect_results("federlager.txt", {
      {0, slope, 0, A},
      {P / c, 0, A * L / 2 - q * L * L / 8, A - q * L / 2},
      {P / c, 0, A * L / 2 - q * L * L / 8, A - q * L / 2 + P},
      {0, -slope, 0, -A},
  });
}

TEST(TextbookBeam, HingeBetweenCantileverAndSuspendedSpan) {
  // A cantilever of length a = 2 clamped at the left carries, at its tip, the
  // hinge of a span b = 4 whose right end is pinned; q = 10 over both. The
  // suspended span hands qb/2 to the cantilever tip.
  const double q = 10, a = 2, b = 4, EI = 100;
  const double P = q * b / 2;
  const double tip_w = P * a * a * a / (3 * EI) + q * a * a * a * a / (8 * EI);
  const double tip_p = P * a * a / (2 * EI) + q * a * a * a / (6 * EI);
  expect_results("gelenktraeger.txt", {
      {0, 0, -P * a - q * a * a / 2, P + q * a},
      {tip_w, tip_p, 0, P},
      {tip_w / 2 + 5 * q * b * b * b * b / (384 * EI), -tip_w / b, q * b * b / 8, 0},
      {0, -tip_w / b - q * b * b * b / (24 * EI), 0, -P},
  });
}

TEST(TextbookBeam, SettledSupportOfAProppedCantilever) {
  // The right support of a clamped beam of length 2 sinks by 0.08: the beam
  // bends as a cantilever under the tip force F = 3 EI s / L^3.
  const double L = 2, EI = 100, s = 0.08;
  const double F = 3 * EI * s / (L * L * L);
  const double x = 1;
  expect_results("lagersenkung.txt", {
      {0, 0, -F * L, F},
      {F * x * x * (3 * L - x) / (6 * EI), F * x * (2 * L - x) / (2 * EI), -F * (L - x), F},
      {s, F * L * L / (2 * EI), 0, F},
  });
}

// clang-format on
