// Textbook beams end to end: each script in examples/ runs through the built
// program, and every result it prints must carry the digits of the closed
// form. A zero may print as -0.000000, or the closed form's as that: a
// rounding residue, as in the two-span example.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/program.h"
#include "tests/support/stiffness_solver.h"

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

std::string example_script(const char* example) {
  return read_file(std::string(DURCHLAUFTRAEGER_EXAMPLES) + "/" + example);
}

// Whether two printed values are the same but for the sign of a zero.
bool same_printed(const std::string& a, const std::string& b) {
  auto unsigned_zero = [](const std::string& v) { return v == "-0.000000" ? std::string("0.000000") : v; };
  return unsigned_zero(a) == unsigned_zero(b);
}

void expect_results(const char* example, const std::vector<State>& expected) {
  PipedRun run = run_piped(example_script(example));
  ASSERT_EQ(run.ending.status, 0) << example;
  std::vector<std::string> shown = printed_values(run.output);
  ASSERT_EQ(shown.size(), 4 * expected.size()) << example << ":\n" << run.output;
  for (std::size_t i = 0; i < shown.size(); ++i) {
    const State& s = expected[i / 4];
    const double quantities[] = {s.w, s.p, s.M, s.Q};
    double value = quantities[i % 4];
    std::string want = fixed(value);
    if (same_printed(shown[i], want)) continue;
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

TEST(TextbookBeam, GerberBeamWithASpanHungBetweenTwoHinges) {
  // Spans 4, 1 + 2 + 1 and 4 with hinges 1 from the inner supports, q = 10
  // throughout. The hung span b = 2 hands P = qb/2 to each cantilever tip;
  // the end pieces are single spans L = 4 with an overhang a = 1.
  const double q = 10, L = 4, a = 1, b = 2, EI = 100;
  const double P = q * b / 2;
  const double A = (q * L * L / 2 - q * a * a / 2 - P * a) / L;  // 16.25
  const double B = q * (L + a) + P - A;                      // 43.75
  const double MB = -(P * a + q * a * a / 2);
  const double slope_A = q * L * L * L / (24 * EI) + MB * L / (6 * EI);
  const double slope_B = -q * L * L * L / (24 * EI) - MB * L / (3 * EI);
  const double tip_w = slope_B * a + P * a * a * a / (3 * EI) + q * a * a * a * a / (8 * EI);
  const double tip_p = slope_B + P * a * a / (2 * EI) + q * a * a * a / (6 * EI);
  const double hung_p = q * b * b * b / (24 * EI);  // both tips sink alike
  expect_results("gerbertraeger.txt", {
      {0, slope_A, 0, A},
      {0, slope_B, MB, A - q * L},
      {0, slope_B, MB, A - q * L + B},
      {tip_w, tip_p, 0, P},
      {tip_w, hung_p, 0, P},
      {tip_w + 5 * q * b * b * b * b / (384 * EI), 0, q * b * b / 8, 0},
      {tip_w, -hung_p, 0, -P},
      {tip_w, -tip_p, 0, -P},
      {0, -slope_B, MB, -P - q * a},
      {0, -slope_B, MB, -P - q * a + B},
      {0, -slope_A, 0, -A},
  });
  EXPECT_EQ(A, 16.25);
  EXPECT_EQ(B, 43.75);
}

TEST(TextbookBeam, FreeFreeBeamOnTwoEndSprings) {
  // Length 4, springs c = 50 at both free ends, a force F = 10 at mid-span:
  // each spring carries F/2 and sinks by F/(2c); the beam bends as a simply
  // supported one on top of that.
  const double F = 10, L = 4, EI = 100, c = 50;
  const double end_w = F / 2 / c;
  const double end_p = F * L * L / (16 * EI);
  const double mid_w = end_w + F * L * L * L / (48 * EI);
  expect_results("federn_frei.txt", {
      {end_w, end_p, 0, 0},
      {end_w, end_p, 0, F / 2},
      {mid_w, 0, F * L / 4, F / 2},
      {mid_w, 0, F * L / 4, -F / 2},
      {end_w, -end_p, 0, -F / 2},
      {end_w, -end_p, 0, 0},
  });
}

TEST(TextbookBeam, SixEqualSpansUnderUniformLoad) {
  // Support moments -11/104, -8/104, -9/104 q L^2, symmetric; q, L, EI = 1.
  // Each span's left slope and shear follow from its end moments.
  const double M[7] = {0, -11.0 / 104, -8.0 / 104, -9.0 / 104, -8.0 / 104, -11.0 / 104, 0};
  std::vector<State> expected;
  expected.reserve(7);
  for (int i = 0; i < 6; ++i)
    expected.push_back({0, 1.0 / 24 + (2 * M[i] + M[i + 1]) / 6, M[i], 0.5 + (M[i + 1] - M[i])});
  expected.push_back({0, -1.0 / 24 - (M[5] + 2 * M[6]) / 6, 0, -0.5 + (M[6] - M[5])});
  expect_results("sechsfeldtraeger.txt", expected);
}

// clang-format on

TEST(TextbookBeam, SteppedShaftOnTwoBearings) {
  // In N and mm: forces of 2000 at x = 120 and 1200 at x = 220 on a shaft of
  // five diameters, bearings at 0 and 250, so reactions 1184 and 2016. The
  // curvature M/EI is linear in each piece of constant diameter; w and p
  // follow by the moment-area method (w(250) = 0 gives the slope at the
  // left bearing), with Simpson's rule, exact for these integrands.
  const double E = 210000, pi = 3.141592654, L = 250, A = 1184;
  const double joints[] = {0, 40, 120, 180, 220, 250};
  const double diameters[] = {30, 45, 45, 38, 30};
  auto M = [&](double x) { return A * x - 2000 * std::max(0.0, x - 120) - 1200 * std::max(0.0, x - 220); };
  // The integral from 0 to a of weight(t) M(t)/EI(t).
  auto integral = [&](auto weight, double a) {
    double sum = 0;
    for (int i = 0; i < 5; ++i) {
      double x0 = joints[i], x1 = std::min(joints[i + 1], a);
      if (x1 <= x0) continue;
      double EI = E * pi * std::pow(diameters[i], 4) / 64;
      auto f = [&](double t) { return weight(t) * M(t) / EI; };
      sum += (x1 - x0) / 6 * (f(x0) + 4 * f((x0 + x1) / 2) + f(x1));
    }
    return sum;
  };
  const double a = 120;
  double p0 = integral([&](double t) { return L - t; }, L) / L;
  double p = p0 - integral([](double) { return 1.0; }, a);
  double w = p0 * a - integral([&](double t) { return a - t; }, a);
  expect_results("abgesetzte_welle.txt", {{w, p, A * a, A}});
}

TEST(BeamInParts, HingeRightAtASupportSplitsTheBeamInTwoSingleSpans) {
  // Two spans of 4 under q = 10 with a hinge over the middle support: each
  // span prints what the single span prints at its start, middle and end.
  const std::string single =
      "a 2 4 c 4 100 1 10 0 f 1 0 1 3 0 a 2 4 g . c 2 100 1 10 0 g . c 2 100 1 10 0 g . q";
  PipedRun alone = run_piped(single);
  PipedRun hinged = run_piped(example_script("gelenk_am_lager.txt"));
  std::vector<std::string> span = printed_values(alone.output);
  std::vector<std::string> both = printed_values(hinged.output);
  ASSERT_EQ(span.size(), 12u) << alone.output;
  ASSERT_EQ(both.size(), 24u) << hinged.output;
  for (std::size_t i = 0; i < both.size(); ++i)
    EXPECT_TRUE(same_printed(both[i], span[i % 12]))
        << "value " << i << ": " << both[i] << " vs " << span[i % 12];
}

// Springs so stiff that they act as supports: twenty spans with L, EI and q
// all 1 on nineteen springs c = 1e12 print what the continuous beam on rigid
// supports prints, whose support moments follow from the three-moment
// equation M[i-1] + 4 M[i] + M[i+1] = -qL^2/2, solved here in long double.
TEST(SpringSupportedBeam, VeryStiffSpringsActAsRigidSupports) {
  const int spans = 20;
  long double M[spans + 1] = {}, factor[spans] = {};
  for (int i = 1; i < spans; ++i) {  // elimination downwards, then back
    long double pivot = 4 - (i > 1 ? factor[i - 1] : 0);
    factor[i] = 1 / pivot;
    M[i] = (-0.5L - (i > 1 ? M[i - 1] : 0)) / pivot;
  }
  for (int i = spans - 2; i >= 1; --i) M[i] -= factor[i] * M[i + 1];
  // Right of the left end and of every spring, then at the right end; each
  // span's slope and shear at its start follow from its end moments.
  std::vector<State> expected;
  expected.reserve(spans + 1);
  for (int i = 0; i < spans; ++i)
    expected.push_back({0, static_cast<double>(1.0L / 24 + (2 * M[i] + M[i + 1]) / 6),
                        static_cast<double>(M[i]), static_cast<double>(0.5L + (M[i + 1] - M[i]))});
  expected.push_back({0, static_cast<double>(-1.0L / 24 - (M[spans - 1] + 2 * M[spans]) / 6), 0,
                      static_cast<double>(-0.5L + (M[spans] - M[spans - 1]))});
  EXPECT_EQ(fixed(static_cast<double>(M[1])), "-0.105662");
  EXPECT_EQ(fixed(static_cast<double>(M[10])), "-0.083333");
  expect_results("federreihe_steif.txt", expected);
}

// A beam on an elastic foundation of modulus k = 400, made of springs c = 40
// every 0.1 along a free beam of length 40 with EI = 1000, under a force
// P = 10 at its middle, where a spring is too. It must print the stiffness
// method's values of this very beam; and under the force these lie within
// 0.1 % of the infinite beam on the continuous foundation, w = P beta/(2k)
// and M = P/(4 beta) with beta = (k/(4EI))^(1/4); the ends, 11/beta away,
// change these by some e^-11 of them.
TEST(SpringSupportedBeam, ManySoftSpringsActAsAnElasticFoundation) {
  const int bays = 400;
  stiffness::Beam beam{stiffness::End::free, stiffness::End::free, std::vector<stiffness::Node>(bays + 1),
                       std::vector<stiffness::Segment>(bays, {0.1, 1000, 0, 0})};
  for (int i = 1; i < bays; ++i) beam.nodes[i].spring = 40;
  beam.nodes[bays / 2].force = 10;
  std::optional<stiffness::Solution> solution = stiffness::solve(beam);
  ASSERT_TRUE(solution);
  auto state = [](const stiffness::State& s) {
    return State{static_cast<double>(s.w), static_cast<double>(s.p), static_cast<double>(s.M),
                 static_cast<double>(s.Q)};
  };
  // The left end; left of the force, and right of it and the spring there;
  // the right end.
  const std::vector<std::vector<stiffness::State>>& at = solution->at_node;
  expect_results("bettung.txt",
                 {state(at[0][0]), state(at[bays / 2][0]), state(at[bays / 2][2]), state(at[bays][0])});

  PipedRun run = run_piped(example_script("bettung.txt"));
  std::vector<std::string> shown = printed_values(run.output);
  ASSERT_EQ(shown.size(), 16u);
  const double k = 400, EI = 1000, P = 10, beta = std::pow(k / (4 * EI), 0.25);
  const double w = P * beta / (2 * k), M = P / (4 * beta);
  EXPECT_NEAR(std::stod(shown[4]), w, 1e-3 * w);
  EXPECT_NEAR(std::stod(shown[6]), M, 1e-3 * M);
}
