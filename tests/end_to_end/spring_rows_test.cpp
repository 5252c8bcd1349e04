// Rows of springs end to end: random beams on many springs, soft and very
// stiff, run through the built program in two passes, and every value it
// prints checked against the stiffness method in long double
// (stiffness_solver.h). Ordinary beams on rigid supports and hinges go the
// same way, so that the reference is known to agree with the program where
// the transfer matrices are well conditioned.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/program.h"
#include "tests/support/random.h"
#include "tests/support/stiffness_solver.h"

using stiffness::End;
using stiffness::Real;
using stiffness::State;

namespace {

// A beam as the reference sees it and as the script enters it. Numbers are
// written with few digits and read back, so that both see the same doubles.
class ScriptBeam {
 public:
  ScriptBeam(End left, End right) {
    beam_.left = left;
    beam_.right = right;
    beam_.nodes.emplace_back();
    actions_.emplace_back();
  }

  // The segment from the current node to a new one.
  void segment(double length, double EI, double q = 0, double qs = 0) {
    stiffness::Segment s{entered(length), entered(EI), entered(q), entered(qs)};
    std::string command = "c " + text(length) + " " + text(EI);
    command += q == 0 && qs == 0 ? " 0" : " 1 " + text(q) + " " + text(qs);
    beam_.segments.push_back(s);
    segments_.push_back(command);
    beam_.nodes.emplace_back();
    actions_.emplace_back();
  }

  // What acts at the current node, in the order of stiffness::Node.
  void force(double F) {
    beam_.nodes.back().force = entered(F);
    actions_.back().push_back("d 4 " + text(F));
  }
  void spring(double c) {
    beam_.nodes.back().spring = entered(c);
    actions_.back().push_back("b " + text(c));
  }
  void support() {
    beam_.nodes.back().support = true;
    actions_.back().push_back("f 1 0 0");
  }
  void hinge() {
    beam_.nodes.back().hinge = true;
    actions_.back().push_back("f 3 0 0");
  }

  const stiffness::Beam& beam() const { return beam_; }
  const stiffness::Node& node() const { return beam_.nodes.back(); }

  // The commands of the second pass: the left end, then each segment and
  // each action. The script stops with g after every one of them: right of
  // the left end, at the end of every segment and right of every action.
  std::vector<std::string> second_pass() const {
    static const char* const left[] = {"a 2 4", "a 3 4", "a 1 2"};
    std::vector<std::string> commands{left[static_cast<int>(beam_.left)]};
    for (std::size_t i = 0; i < actions_.size(); ++i) {
      if (i > 0) commands.push_back(segments_[i - 1]);
      commands.insert(commands.end(), actions_[i].begin(), actions_[i].end());
    }
    return commands;
  }

  // The first pass over the whole beam to its right end, then the second.
  std::string script() const {
    static const char* const right[] = {"f 1 0 1 3 0", "f 1 0 1 2 0", "f 3 0 1 4 0"};
    std::string first, second;
    for (const std::string& command : second_pass()) {
      first += command + "\n";
      second += command + "\ng .\n";
    }
    return first + right[static_cast<int>(beam_.right)] + "\n" + second + "q\n";
  }

 private:
  static std::string text(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.4g", value);
    return buffer;
  }
  static Real entered(double value) { return std::strtod(text(value).c_str(), nullptr); }

  stiffness::Beam beam_;
  std::vector<std::string> segments_;
  std::vector<std::vector<std::string>> actions_;
};

// The four values after each "Ergebnisse:" line, as printed.
std::vector<std::string> printed_values(const std::string& output) {
  std::vector<std::string> values;
  const std::string heading = "Ergebnisse:\n";
  for (std::size_t at = output.find(heading); at != std::string::npos; at = output.find(heading, at + 1)) {
    std::size_t line = at + heading.size();
    for (int i = 0; i < 4 && line < output.size(); ++i) {
      std::size_t end = std::min(output.find('\n', line), output.size());
      std::size_t value = output.find("= ", line);
      values.push_back(value < end ? output.substr(value + 2, end - value - 2) : "");
      line = end + 1;
    }
  }
  return values;
}

Real component(const State& s, int k) { return k == 0 ? s.w : k == 1 ? s.p : k == 2 ? s.M : s.Q; }

// A beam's script run beside its reference: the states in the order g prints
// them, the largest magnitude of each quantity along the beam, the stops of
// the second pass and the values printed.
struct ComparedRun {
  std::vector<State> expected;
  Real scale[4] = {0, 0, 0, 0};
  std::string script;
  std::vector<std::string> stops;
  PipedRun run;
  std::vector<std::string> shown;
};

ComparedRun run_beside_reference(const ScriptBeam& beam, const stiffness::Solution& solution) {
  ComparedRun c;
  for (const std::vector<State>& states : solution.at_node)
    c.expected.insert(c.expected.end(), states.begin(), states.end());
  for (const State& s : c.expected)
    for (int k = 0; k < 4; ++k) c.scale[k] = std::max(c.scale[k], stiffness::magnitude(component(s, k)));
  c.script = beam.script();
  c.stops = beam.second_pass();
  c.run = run_piped(c.script);
  c.shown = printed_values(c.run.output);
  return c;
}

// Runs the beam's script and compares every printed value with the
// reference, within 1e-6 of the largest magnitude of its quantity along the
// beam, and 1e-6 for the six decimals. One failure per beam, with the script
// and each value that is off.
void expect_reference_values(const ScriptBeam& beam, const stiffness::Solution& solution,
                             const std::string& name) {
  const ComparedRun compared = run_beside_reference(beam, solution);
  const std::vector<State>& expected = compared.expected;
  const Real* scale = compared.scale;
  const std::string& script = compared.script;
  const std::vector<std::string>& stops = compared.stops;
  const PipedRun& run = compared.run;
  const std::vector<std::string>& shown = compared.shown;
  std::ostringstream report;
  int wrong = 0;
  if (run.output.find("nicht gesetzt") != std::string::npos) {
    report << "the program refused a command\n";
    ++wrong;
  }
  if (!run.ending.exited || run.ending.status != 0) {
    report << "the program did not end with status 0\n";
    ++wrong;
  }
  if (shown.size() != 4 * expected.size()) {
    report << shown.size() / 4 << " results printed, " << expected.size() << " expected\n";
    ++wrong;
  }
  for (std::size_t i = 0; i < std::min(shown.size(), 4 * expected.size()); ++i) {
    const int k = static_cast<int>(i % 4);
    const Real want = component(expected[i / 4], k);
    const Real got = std::strtod(shown[i].c_str(), nullptr);
    if (stiffness::magnitude(got - want) <= Real(1e-6) * scale[k] + Real(1e-6)) continue;
    if (++wrong > 40) continue;
    char line[200];
    std::snprintf(line, sizeof line, "result %zu, after %s: %c printed %s, expected %.9Lf\n", i / 4 + 1,
                  stops[i / 4].c_str(), "wpMQ"[k], shown[i].c_str(), static_cast<long double>(want));
    report << line;
  }
  if (wrong > 0)
    ADD_FAILURE() << name << ": " << wrong << " values off\n" << report.str() << "script:\n" << script;
}

// The six decimals value prints as, correctly rounded, and where it lies
// within margin of the halfway point between two, the other one too: the
// program rounds its precise value to double before printing, so either may
// then be right. None where the value is too large for the test to scale.
struct SixDecimals {
  std::string nearest;
  std::string other;
};

std::string millionths_text(long long millionths) {
  const bool negative = millionths < 0;
  const unsigned long long m = negative ? 0ULL - static_cast<unsigned long long>(millionths)
                                        : static_cast<unsigned long long>(millionths);
  char text[48];
  std::snprintf(text, sizeof text, "%s%llu.%06llu", negative ? "-" : "", m / 1000000, m % 1000000);
  return text;
}

std::optional<SixDecimals> six_decimals(Real value, Real margin) {
  const Real scaled = value * 1000000;
  if (!(stiffness::magnitude(scaled) < Real(9e18))) return std::nullopt;
  long long below = static_cast<long long>(scaled);
  if (Real(below) > scaled) --below;
  const Real past_half = (scaled - Real(below)) - Real(0.5);
  SixDecimals d;
  d.nearest = millionths_text(past_half > 0 ? below + 1 : below);
  if (stiffness::magnitude(past_half) <= margin * 1000000)
    d.other = millionths_text(past_half > 0 ? below : below + 1);
  return d;
}

// Runs the beam's script and checks that every value it prints is the
// reference value correctly rounded to six decimals, or, within
// kTieMargin of the quantity's largest magnitude along the beam (and of the
// value's own) from a halfway point, the other rounding. Counts the values
// checked. One failure per beam, with the script and each value that is off.
constexpr double kTieMargin = 1e-15;

void expect_correctly_rounded(const ScriptBeam& beam, const stiffness::Solution& solution,
                              const std::string& name, int& checked) {
  const ComparedRun compared = run_beside_reference(beam, solution);
  const std::vector<State>& expected = compared.expected;
  const Real* scale = compared.scale;
  const std::string& script = compared.script;
  const std::vector<std::string>& stops = compared.stops;
  const PipedRun& run = compared.run;
  const std::vector<std::string>& shown = compared.shown;
  std::ostringstream report;
  int wrong = 0;
  if (run.output.find("nicht gesetzt") != std::string::npos || run.ending.status != 0 ||
      shown.size() != 4 * expected.size()) {
    report << "refused, failed or " << shown.size() / 4 << " results printed of " << expected.size() << "\n";
    ++wrong;
  }
  for (std::size_t i = 0; i < std::min(shown.size(), 4 * expected.size()); ++i) {
    const int k = static_cast<int>(i % 4);
    const Real want = component(expected[i / 4], k);
    const std::string printed = shown[i] == "-0.000000" ? "0.000000" : shown[i];
    std::optional<SixDecimals> right =
        six_decimals(want, Real(kTieMargin) * (scale[k] + stiffness::magnitude(want)));
    if (!right) continue;
    ++checked;
    if (printed == right->nearest || printed == right->other) continue;
    if (++wrong > 20) continue;
    char line[200];
    std::snprintf(line, sizeof line, "result %zu, after %s: %c printed %s, exact %.12Lf\n", i / 4 + 1,
                  stops[i / 4].c_str(), "wpMQ"[k], shown[i].c_str(), static_cast<long double>(want));
    report << line;
  }
  if (wrong > 0)
    ADD_FAILURE() << name << ": " << wrong << " values off\n" << report.str() << "script:\n" << script;
}

// How a random beam is made. Spring stiffnesses are c = 10^e EI / l^3 for
// the typical bay (l = 1.25, EI = 2.75) with e uniform in the range given.
struct Kind {
  int fewest_bays, most_bays;
  bool springs;
  double lowest_exponent, highest_exponent;
  double support_chance;  // of a rigid support at an inner node, else a spring if any
  double hinge_chance;
  // EI of a bay is drawn from 0.5 to 5 and multiplied by 10^e, e uniform
  // within this many decades either way.
  double EI_decades = 0;
};

constexpr double kTypicalLength = 1.25, kTypicalEI = 2.75;

double random_spring(Random& random, const Kind& kind) {
  double exponent = random.between(kind.lowest_exponent, kind.highest_exponent);
  return std::pow(10.0, exponent) * kTypicalEI / (kTypicalLength * kTypicalLength * kTypicalLength);
}

// A bay's segment under no load, a uniform or a trapezoidal load; with a
// point force inside it, as two segments that carry the same load.
void random_bay(Random& random, const Kind& kind, ScriptBeam& beam) {
  const double length = random.between(0.5, 2);
  double EI = random.between(0.5, 5);
  if (kind.EI_decades > 0) EI *= std::pow(10.0, random.between(-kind.EI_decades, kind.EI_decades));
  double q = 0, qs = 0;
  switch (random.whole(0, 2)) {
    case 1:
      q = random.between(0.5, 5);
      break;
    case 2:
      q = random.between(-2, 5);
      qs = random.between(-3, 3);
      break;
  }
  if (!random.chance(0.15)) return beam.segment(length, EI, q, qs);
  const double a = length * random.between(0.2, 0.8);
  beam.segment(a, EI, q, qs);
  beam.force(random.between(-5, 10));
  beam.segment(length - a, EI, q + qs * a, qs);
}

// A random beam of the kind, with its reference solution; beams that the
// reference finds to be mechanisms are drawn again.
std::pair<ScriptBeam, stiffness::Solution> random_beam(Random& random, const Kind& kind) {
  for (;;) {
    const End ends[] = {End::pinned, End::clamped, End::free};
    const End left = ends[random.whole(0, 2)], right = ends[random.whole(0, 2)];
    const int bays = random.whole(kind.fewest_bays, kind.most_bays);
    ScriptBeam beam(left, right);
    // A hinge goes only where the joint before it is held as well, so that
    // the pieces between hinges rest on two supports or springs at least.
    bool held_before = left != End::free;
    if (left == End::free && kind.springs && random.chance(0.5)) {
      beam.spring(random_spring(random, kind));
      held_before = true;
    }
    for (int bay = 0; bay < bays; ++bay) {
      random_bay(random, kind, beam);
      if (bay + 1 == bays) break;
      if (random.chance(kind.support_chance)) {
        beam.support();
      } else if (kind.springs) {
        beam.spring(random_spring(random, kind));
      }
      const bool held = beam.node().support || beam.node().spring;
      if (random.chance(kind.hinge_chance) && (held_before || !kind.springs)) beam.hinge();
      held_before = held;
    }
    if (right == End::free && kind.springs && random.chance(0.5)) beam.spring(random_spring(random, kind));
    if (std::optional<stiffness::Solution> solution = stiffness::solve(beam.beam()))
      return {std::move(beam), std::move(*solution)};
  }
}

void expect_rounded_beams(const Kind& kind, std::uint32_t first_seed, int count, const char* name) {
  int checked = 0;
  for (int k = 0; k < count; ++k) {
    Random random(first_seed + k);
    auto [beam, solution] = random_beam(random, kind);
    expect_correctly_rounded(beam, solution,
                             std::string(name) + " with seed " + std::to_string(first_seed + k), checked);
  }
  EXPECT_GT(checked, count * 8) << name;
}

void expect_random_beams(const Kind& kind, std::uint32_t first_seed, int count, const char* name) {
  for (int k = 0; k < count; ++k) {
    Random random(first_seed + k);
    auto [beam, solution] = random_beam(random, kind);
    expect_reference_values(beam, solution,
                            std::string(name) + " with seed " + std::to_string(first_seed + k));
  }
}

}  // namespace

TEST(StiffnessReference, AgreesWithClosedForms) {
  // The spring example: span 4, EI 100, q = 10, c = 75 at mid-span, which
  // takes P = 12.5.
  stiffness::Beam sprung{End::pinned, End::pinned, {{}, {}, {}}, {{2, 100, 10, 0}, {2, 100, 10, 0}}};
  sprung.nodes[1].spring = 75;
  std::optional<stiffness::Solution> s = stiffness::solve(sprung);
  ASSERT_TRUE(s);
  const State& under = s->at_node[1][1];
  EXPECT_NEAR(under.w, 12.5L / 75, 1e-15L);
  EXPECT_NEAR(under.Q - s->at_node[1][0].Q, 12.5L, 1e-13L);
  EXPECT_NEAR(under.M, 13.75L * 2 - 10 * 2 * 2 / 2.0L, 1e-13L);

  // A cantilever from its free end under q + qs t, clamped at t = L: at the
  // tip w = (qL^4/8 + qs L^5/30)/EI and p = -(qL^3/6 + qs L^4/24)/EI,
  // at the clamp M = -(qL^2/2 + qs L^3/6) and Q = -(qL + qs L^2/2).
  const Real q = 3, qs = 2, L = 2, EI = 7;
  stiffness::Beam cantilever{End::free, End::clamped, {{}, {}}, {{L, EI, q, qs}}};
  s = stiffness::solve(cantilever);
  ASSERT_TRUE(s);
  const State& tip = s->at_node[0][0];
  const State& clamp = s->at_node[1][0];
  EXPECT_NEAR(tip.w, (q * L * L * L * L / 8 + qs * L * L * L * L * L / 30) / EI, 1e-15L);
  EXPECT_NEAR(tip.p, -(q * L * L * L / 6 + qs * L * L * L * L / 24) / EI, 1e-15L);
  EXPECT_NEAR(tip.M, 0, 1e-15L);
  EXPECT_NEAR(clamp.M, -(q * L * L / 2 + qs * L * L * L / 6), 1e-15L);
  EXPECT_NEAR(clamp.Q, -(q * L + qs * L * L / 2), 1e-15L);

  // A hinge with nothing under it between a free end and the rest is a
  // mechanism.
  stiffness::Beam loose{End::free, End::pinned, {{}, {}, {}, {}}, {{1, 1, 1, 0}, {1, 1, 1, 0}, {1, 1, 1, 0}}};
  loose.nodes[1].hinge = true;
  loose.nodes[2].support = true;
  EXPECT_FALSE(stiffness::solve(loose));
}

// Beams without springs: continuous beams, hinges (at supports too),
// overhangs, point forces and trapezoidal loads. The program keeps its digits
// on these; they show that the reference and the scripts agree with it.
TEST(RandomBeam, OnRigidSupportsAndHinges) {
  const Kind ordinary{.fewest_bays = 1,
                      .most_bays = 10,
                      .springs = false,
                      .lowest_exponent = 0,
                      .highest_exponent = 0,
                      .support_chance = 0.7,
                      .hinge_chance = 0.2};
  expect_random_beams(ordinary, 100, 20, "ordinary beam");
}

// A few soft springs, c l^3/EI from 0.1 to 10, over a few bays.
TEST(RandomBeam, OnAFewSoftSprings) {
  const Kind soft{.fewest_bays = 3,
                  .most_bays = 6,
                  .springs = true,
                  .lowest_exponent = -1,
                  .highest_exponent = 1,
                  .support_chance = 0.1,
                  .hinge_chance = 0.05};
  expect_random_beams(soft, 200, 20, "soft row");
}

// Long rows of springs, c l^3/EI from 10 to 1e10, with rigid supports among
// them, over every kind of end.
TEST(RandomBeam, OnLongRowsOfStiffSprings) {
  const Kind stiff{.fewest_bays = 3,
                   .most_bays = 60,
                   .springs = true,
                   .lowest_exponent = 1,
                   .highest_exponent = 10,
                   .support_chance = 0.12,
                   .hinge_chance = 0};
  expect_random_beams(stiff, 1000, 45, "stiff row");
}

// The same with hinges among the springs, each right of a held joint.
TEST(RandomBeam, OnLongRowsOfStiffSpringsWithHinges) {
  const Kind hinged{.fewest_bays = 3,
                    .most_bays = 60,
                    .springs = true,
                    .lowest_exponent = 1,
                    .highest_exponent = 10,
                    .support_chance = 0.12,
                    .hinge_chance = 0.1};
  expect_random_beams(hinged, 2000, 15, "stiff row with hinges");
}

TEST(SixDecimals, CorrectRoundingOfTheReference) {
  EXPECT_EQ(six_decimals(Real(1) / 3, 0)->nearest, "0.333333");
  EXPECT_EQ(six_decimals(-Real(2) / 3, 0)->nearest, "-0.666667");
  EXPECT_EQ(six_decimals(-Real(1) / 3000000, 0)->nearest, "0.000000");
  EXPECT_EQ(six_decimals(Real(3421737266403) / 1000000, 0)->nearest, "3421737.266403");
  // 0.0078125 = 2^-7 is a halfway point: both roundings within any margin.
  std::optional<SixDecimals> tie = six_decimals(Real(0.0078125), Real(1e-20));
  EXPECT_EQ(tie->nearest + " " + tie->other, "0.007812 0.007813");
  EXPECT_TRUE(six_decimals(Real(0.0078126), Real(1e-12))->other.empty());
  EXPECT_FALSE(six_decimals(Real(1e13), 0));
}

// Every digit key g prints, against the reference: rows of stiff springs,
// c l^3 / EI from 1e2 to 1e10, with supports and hinges among them; long
// rows; and the beams without stiff springs, on rigid supports and soft
// springs, which the registers compute.
TEST(EveryDigit, RowsOfStiffSprings) {
  const Kind stiff{.fewest_bays = 3,
                   .most_bays = 60,
                   .springs = true,
                   .lowest_exponent = 2,
                   .highest_exponent = 10,
                   .support_chance = 0.12,
                   .hinge_chance = 0.05};
  expect_rounded_beams(stiff, 5000, 60, "stiff row");
}

TEST(EveryDigit, LongRowsOfStiffSprings) {
  const Kind long_row{.fewest_bays = 150,
                      .most_bays = 300,
                      .springs = true,
                      .lowest_exponent = 5,
                      .highest_exponent = 8,
                      .support_chance = 0.05,
                      .hinge_chance = 0.02};
  expect_rounded_beams(long_row, 6000, 8, "long stiff row");
}

TEST(EveryDigit, BeamsWithoutStiffSprings) {
  const Kind ordinary{.fewest_bays = 1,
                      .most_bays = 40,
                      .springs = false,
                      .lowest_exponent = 0,
                      .highest_exponent = 0,
                      .support_chance = 0.7,
                      .hinge_chance = 0.2};
  expect_rounded_beams(ordinary, 7000, 30, "ordinary beam");
  const Kind soft{.fewest_bays = 3,
                  .most_bays = 30,
                  .springs = true,
                  .lowest_exponent = -1,
                  .highest_exponent = 1.5,
                  .support_chance = 0.1,
                  .hinge_chance = 0.05};
  expect_rounded_beams(soft, 8000, 30, "soft row");
}

// Bays whose EI lies six decades apart (0.0005 to 5000), where a pass in
// double loses digits before it ever meets a spring, and without springs.
TEST(EveryDigit, BeamsOfMixedStiffness) {
  const Kind sprung{.fewest_bays = 3,
                    .most_bays = 30,
                    .springs = true,
                    .lowest_exponent = -1,
                    .highest_exponent = 6,
                    .support_chance = 0.3,
                    .hinge_chance = 0.05,
                    .EI_decades = 3};
  expect_rounded_beams(sprung, 9000, 30, "mixed stiffness on springs");
  const Kind rigid{.fewest_bays = 2,
                   .most_bays = 30,
                   .springs = false,
                   .lowest_exponent = 0,
                   .highest_exponent = 0,
                   .support_chance = 0.7,
                   .hinge_chance = 0.1,
                   .EI_decades = 3};
  expect_rounded_beams(rigid, 9500, 30, "mixed stiffness on supports");
}
