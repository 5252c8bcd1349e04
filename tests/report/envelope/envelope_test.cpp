// Load cases and their envelope: the handbook's continuous beams end to end,
// every arrangement of random beams entered as a pass of its own against
// the envelope, which passes are load cases of one beam, and the options.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/element.h"
#include "report/envelope/combination.h"
#include "report/envelope/load_cases.h"
#include "report/envelope/summary.h"
#include "report/envelope/walk.h"
#include "report/pass/record.h"
#include "report/pass/replay.h"
#include "tests/support/one_beam_cases.h"
#include "tests/support/passes.h"
#include "tests/support/report_text.h"

using namespace dlt;

namespace {

// q on every span as load case 1, then q on each span alone as a load case.
std::string spans_with_live_load(int spans) {
  std::string script;
  for (int loaded = 0; loaded <= spans; ++loaded) {
    script += "a 2 4";
    for (int i = 1; i <= spans; ++i) {
      script += loaded == 0 || loaded == i ? " c 1 1 1 1 0" : " c 1 1 0";
      script += i < spans ? " f 1 0 0" : " f 1 0 1 3 0\n";
    }
  }
  return script + "q\n";
}

struct EnvelopeFile {
  PipedRun run;
  std::string text;
};

EnvelopeFile envelope_of(const std::string& script, std::vector<std::string> options) {
  ScratchDirectory dir;
  options.insert(options.begin(), {"--grenzwerte", dir.file("g.txt")});
  EnvelopeFile out{run_piped(script, options), ""};
  EXPECT_EQ(out.run.ending.status, 0) << out.run.errors;
  out.text = read_file(dir.file("g.txt"));
  return out;
}

// The words of the line of a section that starts with name, or of its
// line-th row.
std::vector<std::string> row_of(const std::string& text, const std::string& heading, std::size_t line) {
  std::vector<std::string> lines = section(text, heading);
  return line < lines.size() ? words(lines[line]) : std::vector<std::string>{};
}

constexpr char kSpans[] = "Groesstes und kleinstes M je Feld";
constexpr char kSupports[] = "Stuetzmomente";
constexpr char kReactions[] = "Auflagerreaktionen";

}  // namespace

TEST(Envelope, ThreeEqualSpansGiveTheHandbooksLimits) {
  EnvelopeFile three = envelope_of(spans_with_live_load(3), {"--faktoren", "1/1"});
  EXPECT_NE(three.run.output.find("(4 Lastfaelle)\n"), std::string::npos);
  // Span 1: g on all spans and q on spans 1 and 3 (0.080 + 0.101) q L^2,
  // exactly where that arrangement's Q passes zero, between table points.
  // Its sag with the same arrangement: M over the support -(0.100 + 0.050)
  // q L^2, so f = x (1 - 2 x^2 + x^3) / 12 - 0.025 x (1 - x^2), largest at
  // x = 0.4647352, where p is zero, the chord being w = 0.
  EXPECT_EQ(
      row_of(three.text, kSpans, 1),
      (std::vector<std::string>{"Feld",     "1",        "0.000000",  "1.000000", "0.180625", "0.425000", "1,",
                                "2,",       "4",        "-0.216667", "1.000000", "1,",       "2,",       "3",
                                "0.016777", "0.464735", "1,",        "2,",       "4",        "l/60"}));
  // Span 2: q on span 2 alone, 0.025 + 0.075; its smallest M at the table
  // point x = 1.5 with q on spans 1 and 3, 0.025 - 0.050.
  std::vector<std::string> span2 = row_of(three.text, kSpans, 2);
  ASSERT_GE(span2.size(), 8U);
  EXPECT_EQ(span2[4], "0.100000");
  EXPECT_EQ(span2[5], "1.500000");
  EXPECT_NE(three.text.find(
                "\n    1.500000    0.007292   -0.005729    0.003472   -0.003472    0.100000   -0.025000"),
            std::string::npos);
  // Support B: -0.100 - 0.116667 with q on spans 1 and 2; reaction 1.1 + 1.2.
  EXPECT_EQ(
      row_of(three.text, kSupports, 2),
      (std::vector<std::string>{"Lager", "1.000000", "-0.216667", "1,", "2,", "3", "-0.083333", "1,", "4"}));
  std::vector<std::string> reaction = row_of(three.text, kReactions, 2);
  ASSERT_GE(reaction.size(), 5U);
  EXPECT_EQ(reaction[3], "2.300000");

  // With the design factors each limit is the same arrangement, the permanent
  // load's factor chosen by its sign: 1.35 (-0.1) + 1.5 (-0.116667) and
  // 1.0 (-0.1) + 1.5 (1/60).
  EnvelopeFile design = envelope_of(spans_with_live_load(3), {});
  EXPECT_EQ(
      row_of(design.text, kSupports, 2),
      (std::vector<std::string>{"Lager", "1.000000", "-0.310000", "1,", "2,", "3", "-0.075000", "1,", "4"}));
  EXPECT_NE(design.text.find("staendige Last, unguenstig (GSUP)       1.350000\n"), std::string::npos);
}

TEST(Envelope, TwoEqualSpans) {
  EnvelopeFile two = envelope_of(spans_with_live_load(2), {"--faktoren", "1,0/1,0"});
  // -0.125 (g + q) L^2 over the middle support, and the largest field moment
  // with q on one span alone.
  std::vector<std::string> support = row_of(two.text, kSupports, 2);
  ASSERT_GE(support.size(), 3U);
  EXPECT_EQ(support[2], "-0.250000");
  std::vector<std::string> span = row_of(two.text, kSpans, 1);
  ASSERT_GE(span.size(), 6U);
  EXPECT_EQ(span[4], "0.165039");
  EXPECT_EQ(span[5], "0.406250");
}

TEST(Envelope, AnotherBeamStartsOverAndARepeatedPassAddsNone) {
  ScratchDirectory dir;
  std::string beam_a = "a 2 4 c 2 1 1 1 0 f 1 0 1 3 0\n";
  std::string live_a = "a 2 4 c 2 1 0 d 4 1 c 0 1 0 f 1 0 1 3 0\n";
  std::string beam_b = "a 2 4 c 3 1 1 1 0 f 1 0 1 3 0\n";
  PipedRun run = run_piped(beam_a + live_a + beam_a + beam_b + "q\n", {"--grenzwerte", dir.file("g.csv")});
  EXPECT_EQ(run.ending.status, 0);
  std::string notices;
  for (std::size_t at = 0; (at = run.output.find("Grenzwerte", at)) != std::string::npos;) {
    std::size_t end = run.output.find('\n', at);
    notices += run.output.substr(at, end + 1 - at);
    at = end;
  }
  // Piped, the files are written where beam b takes the place of beam a,
  // over a's two load cases, and at the end over b's one.
  std::string written = "Grenzwerte geschrieben: " + dir.file("g.csv");
  EXPECT_EQ(notices, written + " (2 Lastfaelle)\n" + written + " (1 Lastfaelle)\n");
  // The first after b's right end, with the notice of the new beam after it;
  // the last after the last menu.
  EXPECT_NE(run.output.find("W2= " + written +
                            " (2 Lastfaelle)\nneuer Traeger (rechtes Ende bei x= 3.000000 statt 2.000000), "
                            "Lastfaelle beginnen bei 1\n"
                            "Durchlauftraeger,i Info\n"),
            std::string::npos)
      << run.output;
  EXPECT_EQ(run.output.substr(run.output.rfind("F8 q Exit\n")),
            "F8 q Exit\n" + written + " (1 Lastfaelle)\n");
  EXPECT_EQ(run.output.find("neuer Traeger"), run.output.rfind("neuer Traeger"));
  // The file holds beam b alone: 3 long, q = 1, M = q L^2 / 8 in the middle.
  std::string csv = read_file(dir.file("g.csv"));
  EXPECT_EQ(csv.rfind("x,w_max,w_min,p_max,p_min,M_max,M_min,Q_max,Q_min\r\n", 0), 0U);
  EXPECT_NE(csv.find("\r\n1.5,"), std::string::npos);
  // w = 5 q L^4 / (384 EI) under the characteristic load, M 1.35 and 1.0
  // times q L^2 / 8.
  EXPECT_NE(csv.find("\r\n1.5,1.0546875,1.0546875,0,0,1.51875,1.125,"), std::string::npos);
  EXPECT_NE(csv.find("\r\n3,"), std::string::npos);
}

TEST(Envelope, WithoutTheOptionOrItsFilesTheDialogueIsUnchanged) {
  std::string script = spans_with_live_load(3) + example("gerbertraeger.txt");
  PipedRun plain = run_piped(script);
  ScratchDirectory dir;
  PipedRun with = run_piped(script, {"--grenzwerte", dir.file("g.html"), "--faktoren", "1.35/1.5"});
  std::string without_notices;
  for (std::size_t at = 0; at < with.output.size();) {
    std::size_t end = with.output.find('\n', at);
    end = end == std::string::npos ? with.output.size() : end + 1;
    std::string line = with.output.substr(at, end - at);
    if (line.find("Grenzwerte geschrieben: ") == std::string::npos && line.find("neuer Traeger") != 0)
      without_notices += line;
    else if (line.find("Grenzwerte geschrieben: ") != 0)
      without_notices += line.substr(0, line.find("Grenzwerte geschrieben: "));
    at = end;
  }
  EXPECT_EQ(without_notices, plain.output);
}

namespace {

// A pinned left end, and a support on w with its settlement: the right end,
// pinned, or a condition inside the beam.
Element left_end() { return left_end_with(Quantity::p, Quantity::Q); }

Element support(bool right_end, double settlement) {
  return right_end ? right_end_with(Quantity::w, Quantity::M, settlement)
                   : condition_on(Quantity::w, settlement);
}

// A random beam: its spans, and each load case's loads on them.
struct CaseLoad {
  std::size_t span = 0;
  double q = 0;
  double qs = 0;
  bool has_force = false;  // F at a, inside the span, and no distributed load
  double a = 0;
  double F = 0;
};

struct RandomBeam {
  std::vector<double> lengths;
  std::vector<double> EI;
  std::vector<CaseLoad> permanent;  // one per span
  std::vector<CaseLoad> variable;   // one per variable load case
};

RandomBeam random_beam(std::mt19937& random) {
  std::uniform_real_distribution<double> length(0.5, 3), stiffness(0.5, 5), load(0.2, 2), slope(-0.3, 0.3),
      place(0.2, 0.8);
  RandomBeam beam;
  std::size_t spans = std::uniform_int_distribution<std::size_t>(2, 5)(random);
  for (std::size_t i = 0; i < spans; ++i) {
    beam.lengths.push_back(length(random));
    beam.EI.push_back(stiffness(random));
    beam.permanent.push_back({i, load(random), slope(random), false, 0, 0});
  }
  std::size_t cases = std::uniform_int_distribution<std::size_t>(1, 3)(random);
  for (std::size_t k = 0; k < cases; ++k) {
    CaseLoad c;
    c.span = std::uniform_int_distribution<std::size_t>(0, spans - 1)(random);
    // The first variable load is a force that splits its span.
    if (k == 0) {
      c.has_force = true;
      c.a = place(random) * beam.lengths[c.span];
      c.F = load(random);
    } else {
      c.q = load(random);
      c.qs = slope(random);
    }
    beam.variable.push_back(c);
  }
  return beam;
}

// A load case as a pass: each span one segment, or two around its force.
std::vector<Element> case_pass(const RandomBeam& beam, const std::vector<CaseLoad>& loads) {
  std::vector<Element> pass = {left_end()};
  for (std::size_t i = 0; i < beam.lengths.size(); ++i) {
    CaseLoad on{};
    for (const CaseLoad& l : loads) {
      if (l.span == i) on = l;
    }
    if (on.has_force) {
      pass.push_back(beam_segment(on.a, beam.EI[i], 0, 0));
      pass.push_back(point_action(Quantity::Q, on.F));
      pass.push_back(beam_segment(beam.lengths[i] - on.a, beam.EI[i], 0, 0));
    } else {
      pass.push_back(beam_segment(beam.lengths[i], beam.EI[i], on.q, on.qs));
    }
    pass.push_back(support(i + 1 == beam.lengths.size(), 0));
  }
  return pass;
}

// One arrangement as a single pass with the summed loads, stopping at the
// envelope's points: a segment between each two, and at each point of the
// envelope its support or the summed forces there, zero included.
std::vector<Element> arrangement_pass(const RandomBeam& beam, const std::vector<double>& factors,
                                      const std::vector<EnvelopeRow>& rows) {
  std::vector<Element> pass = {left_end()};
  std::vector<double> starts = {0};
  for (double L : beam.lengths) starts.push_back(starts.back() + L);
  std::size_t span = 0;
  for (std::size_t r = 1; r < rows.size(); ++r) {
    if (rows[r].after_point) {
      bool at_support = std::fabs(rows[r].x - starts[span + 1]) < 1e-9;
      if (at_support) {
        pass.push_back(support(false, 0));
        span = span + 1;
        continue;
      }
      double F = 0;
      for (std::size_t k = 0; k < beam.variable.size(); ++k) {
        const CaseLoad& l = beam.variable[k];
        if (l.has_force && std::fabs(starts[l.span] + l.a - rows[r].x) < 1e-9) F = F + factors[k + 1] * l.F;
      }
      pass.push_back(point_action(Quantity::Q, F));
      continue;
    }
    double from = rows[r - 1].x;
    double t = from - starts[span];
    double q = factors[0] * (beam.permanent[span].q + beam.permanent[span].qs * t);
    double qs = factors[0] * beam.permanent[span].qs;
    for (std::size_t k = 0; k < beam.variable.size(); ++k) {
      const CaseLoad& l = beam.variable[k];
      if (l.span != span || l.has_force) continue;
      q = q + factors[k + 1] * (l.q + l.qs * t);
      qs = qs + factors[k + 1] * l.qs;
    }
    pass.push_back(beam_segment(rows[r].x - from, beam.EI[span], q, qs));
  }
  pass.push_back(support(true, 0));
  return pass;
}

std::vector<TableRow> rows_of_pass(const std::vector<Element>& elements) {
  Passes single;
  single.enter(elements);
  RegisterFile start = closed_copy(single.R);
  CompletePass pass{single.record, start, 1};
  Walk walk = start_walk(pass, false);
  std::vector<TableRow> rows;
  TableRow row;
  while (next_row(walk, row)) rows.push_back(row);
  return rows;
}

}  // namespace

TEST(Envelope, IsTheLargestAndSmallestOfEveryArrangementEnteredAsItsOwnPass) {
  std::mt19937 random(20261208);
  const Factors factors{1.35, 1.0, 1.5};
  for (int trial = 0; trial < 25; ++trial) {
    SCOPED_TRACE("beam " + std::to_string(trial));
    RandomBeam beam = random_beam(random);
    Passes passes;
    LoadCases cases;
    passes.enter(case_pass(beam, beam.permanent));
    add_case(cases, passes.record, passes.R);
    for (const CaseLoad& load : beam.variable) {
      passes.enter(case_pass(beam, {load}));
      ASSERT_EQ(add_case(cases, passes.record, passes.R), CaseAdded::added);
    }
    std::vector<EnvelopeRow> rows;
    EnvelopeWalk walk = start_envelope_walk(cases, 4);
    for (EnvelopeRow row; next_envelope_row(walk, row);) rows.push_back(row);

    // w and p over the arrangements with the factors 1, M and Q over those
    // with the design factors.
    std::vector<PointValues> largest(rows.size()), smallest(rows.size());
    std::size_t arrangements = std::size_t{1} << beam.variable.size();
    for (const Factors* set : {&factors, &kCharacteristic}) {
      for (std::size_t acting = 0; acting < 2 * arrangements; ++acting) {
        std::vector<double> f = {acting % 2 == 0 ? set->g_sup : set->g_inf};
        for (std::size_t k = 0; k < beam.variable.size(); ++k)
          f.push_back(((acting >> (k + 1)) & 1U) != 0 ? set->q : 0);
        std::vector<TableRow> single = rows_of_pass(arrangement_pass(beam, f, rows));
        ASSERT_EQ(single.size(), rows.size());
        for (std::size_t r = 0; r < rows.size(); ++r) {
          ASSERT_NEAR(single[r].x, rows[r].x, 1e-9);
          for (Quantity q : kQuantities) {
            if (&factors_for(factors, q) != set) continue;
            double v = value_of(single[r].at, q);
            double& hi = (&largest[r].w)[quantity_index(q)];
            double& lo = (&smallest[r].w)[quantity_index(q)];
            if (acting == 0 || v > hi) hi = v;
            if (acting == 0 || v < lo) lo = v;
          }
        }
      }
    }
    for (std::size_t r = 0; r < rows.size(); ++r) {
      EnvelopeValues env = combine_row(factors, rows[r]);
      for (Quantity q : kQuantities) {
        EXPECT_NEAR(value_of(env.largest, q), value_of(largest[r], q), 1e-6)
            << quantity_name(q) << " max at row " << r << ", x = " << rows[r].x;
        EXPECT_NEAR(value_of(env.smallest, q), value_of(smallest[r], q), 1e-6)
            << quantity_name(q) << " min at row " << r << ", x = " << rows[r].x;
      }
    }
  }
}

TEST(LoadCases, SameBeamWhateverTheLoadsAndTheSplitting) {
  std::vector<Element> base = {left_end(), beam_segment(2, 3, 1, 0), support(false, 0),
                               beam_segment(1, 3, 0, 0), support(true, 0)};
  // A force splitting the first span, another load and a settlement.
  std::vector<Element> split = {left_end(),
                                beam_segment(0.5, 3, 0, 0),
                                point_action(Quantity::Q, 4),
                                beam_segment(1.5, 3, 0, 0),
                                support(false, 0.01),
                                beam_segment(1, 3, 2, 1),
                                support(true, 0)};
  EXPECT_TRUE(same_beam(base, split));
  std::vector<Element> close = split;
  close[1].length = 0.5 + 1e-12;
  EXPECT_TRUE(same_beam(base, close));
  std::vector<Element> moved = base;
  moved[1].length = 2 + 1e-6;
  moved[3].length = 1 - 1e-6;
  EXPECT_FALSE(same_beam(base, moved));
  std::vector<Element> stiffer = split;
  stiffer[3].EI = 3.5;
  EXPECT_FALSE(same_beam(base, stiffer));
  std::vector<Element> hinge = base;
  hinge[2].S1 = Quantity::M;
  EXPECT_FALSE(same_beam(base, hinge));
  std::vector<Element> spring = base;
  spring.insert(spring.begin() + 2, Element{.kind = ElementKind::spring, .c = 5});
  EXPECT_FALSE(same_beam(base, spring));
}

TEST(LoadCases, ALaterRightEndOfThePassTakesThePlaceOfItsFirst) {
  Passes passes;
  LoadCases cases;
  passes.enter({left_end(), beam_segment(2, 3, 1, 0), support(true, 0)});
  EXPECT_EQ(add_case(cases, passes.record, passes.R), CaseAdded::added);
  passes.enter({left_end(), beam_segment(2, 3, 2, 0), support(true, 0)});
  EXPECT_EQ(add_case(cases, passes.record, passes.R), CaseAdded::added);
  // The pass goes on past its right end: now a beam of two spans.
  passes.enter({beam_segment(1, 3, 0, 0), support(true, 0)});
  EXPECT_EQ(add_case(cases, passes.record, passes.R), CaseAdded::new_beam);
  ASSERT_EQ(cases.cases.size(), 1U);
  // Its load case again, read once more: none added.
  passes.enter(
      {left_end(), beam_segment(2, 3, 2, 0), support(false, 0), beam_segment(1, 3, 0, 0), support(true, 0)});
  EXPECT_EQ(add_case(cases, passes.record, passes.R), CaseAdded::repeated);
  EXPECT_EQ(cases.cases.size(), 1U);
}

namespace {

std::vector<std::string> csv_lines(const std::string& csv) {
  std::vector<std::string> lines;
  for (std::size_t at = 0; at < csv.size();) {
    std::size_t end = csv.find("\r\n", at);
    if (end == std::string::npos) end = csv.size();
    lines.push_back(csv.substr(at, end - at));
    at = end + 2;
  }
  return lines;
}

std::vector<std::string> fields(const std::string& line) {
  std::vector<std::string> out;
  std::size_t at = 0;
  for (std::size_t end; (end = line.find(',', at)) != std::string::npos; at = end + 1)
    out.push_back(line.substr(at, end - at));
  out.push_back(line.substr(at));
  return out;
}

}  // namespace

TEST(Envelope, OfOneLoadCaseIsWhatTheReportPrintsToTheLastBit) {
  // Each example computes one beam: its envelope with the factors 1/1 is its
  // course on both sides of every point, as the report's table gives it.
  for (const char* name :
       {"einfeldtraeger.txt", "gerbertraeger.txt", "abgesetzte_welle.txt", "federreihe_steif.txt",
        "lagersenkung.txt", "kragarm_einzellast.txt", "bettung.txt", "gelenk_am_lager.txt"}) {
    SCOPED_TRACE(name);
    ScratchDirectory dir;
    PipedRun run = run_piped(example(name), {"--bericht", dir.file("r.csv"), "--grenzwerte",
                                             dir.file("g.csv"), "--faktoren", "1/1", "--punkte", "7"});
    ASSERT_EQ(run.ending.status, 0);
    std::vector<std::string> report = csv_lines(read_file(dir.file("r.csv")));
    std::vector<std::string> envelope = csv_lines(read_file(dir.file("g.csv")));
    ASSERT_GT(report.size(), 2U);
    ASSERT_GT(envelope.size(), 2U);
    // The first and last report row at each x, in order: the two sides of
    // a point, or the one row where there is none. A shaft's report has
    // sigma after Q and a change of diameter's row twice, the same values
    // with sigma on either side: one side for w, p, M and Q.
    auto values_of = [](const std::string& line) {
      std::vector<std::string> f = fields(line);
      f.resize(5);
      return f;
    };
    std::vector<std::vector<std::string>> sides;
    for (std::size_t r = 1; r < report.size();) {
      std::size_t last = r;
      while (last + 1 < report.size() && fields(report[last + 1])[0] == fields(report[r])[0]) ++last;
      sides.push_back(values_of(report[r]));
      if (last > r && values_of(report[last]) != values_of(report[r]))
        sides.push_back(values_of(report[last]));
      r = last + 1;
    }
    ASSERT_EQ(envelope.size() - 1, sides.size());
    for (std::size_t r = 1; r < envelope.size(); ++r) {
      std::vector<std::string> env = fields(envelope[r]);
      const std::vector<std::string>& at = sides[r - 1];
      ASSERT_EQ(env.size(), 9U);
      EXPECT_EQ(env[0], at[0]) << "row " << r;
      for (std::size_t q = 0; q < 4; ++q) {
        EXPECT_EQ(env[1 + 2 * q], at[1 + q]) << "row " << r << " max of column " << q;
        EXPECT_EQ(env[2 + 2 * q], at[1 + q]) << "row " << r << " min of column " << q;
      }
    }
  }
}

TEST(Envelope, TheThreeSpanExampleGivesTheHandbooksCoefficients) {
  // (0.080 g + 0.101 q) L^2 in the first span, -(0.100 g + 0.116667 q) L^2
  // over the supports: g = 10, q = 15, L = 5.
  EnvelopeFile three = envelope_of(example("dreifeldtraeger_lastfaelle.txt"), {"--faktoren", "1/1"});
  std::vector<std::string> span = row_of(three.text, kSpans, 1);
  ASSERT_GE(span.size(), 6U);
  EXPECT_EQ(span[4], "57.781250");
  EXPECT_EQ(span[5], "2.150000");
  std::vector<std::string> support = row_of(three.text, kSupports, 2);
  ASSERT_GE(support.size(), 3U);
  EXPECT_EQ(support[2], "-68.750000");
}

TEST(Envelope, TheFourSpanExampleGivesTheHandbooksCoefficients) {
  // -(3/28 g + 27/224 q) L^2 over the second and fourth supports (the
  // handbook's 0.107 and 0.121), -(1/14 g + 3/28 q) L^2 over the middle one
  // (0.071 and 0.107): g = 12, q = 20, L = 6.
  EnvelopeFile four = envelope_of(example("vierfeldtraeger_lastfaelle.txt"), {"--faktoren", "1/1"});
  for (std::size_t line : {2U, 4U}) {
    std::vector<std::string> support = row_of(four.text, kSupports, line);
    ASSERT_GE(support.size(), 3U) << line;
    EXPECT_EQ(support[1], line == 2 ? "6.000000" : "18.000000");
    EXPECT_EQ(support[2], "-133.071429");
  }
  std::vector<std::string> middle = row_of(four.text, kSupports, 3);
  ASSERT_GE(middle.size(), 3U);
  EXPECT_EQ(middle[1], "12.000000");
  EXPECT_EQ(middle[2], "-108.000000");
}

// Deflections are checked under the characteristic loads: w and p are the
// same at the design factors as at 1/1, M is not, and the headings say so.
TEST(Envelope, DeflectionsAreCharacteristicWhateverTheFactors) {
  ScratchDirectory dir;
  std::string script = example("dreifeldtraeger_lastfaelle.txt");
  ASSERT_EQ(run_piped(script, {"--grenzwerte", dir.file("d.csv"), "--grenzwerte", dir.file("d.txt"),
                               "--grenzwerte", dir.file("d.html")})
                .ending.status,
            0);
  ASSERT_EQ(run_piped(script, {"--grenzwerte", dir.file("k.csv"), "--faktoren", "1/1"}).ending.status, 0);
  std::vector<std::string> design = csv_lines(read_file(dir.file("d.csv")));
  std::vector<std::string> plain = csv_lines(read_file(dir.file("k.csv")));
  ASSERT_EQ(design.size(), plain.size());
  ASSERT_GT(design.size(), 10U);
  std::size_t M_differs = 0;
  for (std::size_t r = 1; r + 1 < design.size(); ++r) {
    std::vector<std::string> d = fields(design[r]);
    std::vector<std::string> k = fields(plain[r]);
    ASSERT_EQ(d.size(), 9U);
    EXPECT_EQ(std::vector<std::string>(d.begin(), d.begin() + 5),
              std::vector<std::string>(k.begin(), k.begin() + 5))
        << "row " << r;
    if (d[5] != k[5]) ++M_differs;
  }
  EXPECT_GT(M_differs, design.size() / 2);
  std::string text = read_file(dir.file("d.txt"));
  for (const char* heading :
       {"\nTeilsicherheitsbeiwerte (fuer M, Q und die Auflagerkraefte; w, p charakteristisch",
        "\nGrenzwerte (10 Teile je Abschnitt, an Spruengen links und rechts; w, p "
        "charakteristisch, alle Faktoren 1; M, Q mit den Teilsicherheitsbeiwerten)\n"})
    EXPECT_NE(text.find(heading), std::string::npos) << heading;
  std::string page = read_file(dir.file("d.html"));
  EXPECT_NE(page.find("<h2>Grenzlinien</h2>\n<p>w charakteristisch (alle Faktoren 1), M und Q mit den "
                      "Teilsicherheitsbeiwerten.</p>\n"),
            std::string::npos);
  EXPECT_NE(
      page.find("; w, p charakteristisch, alle Faktoren 1; M, Q mit den Teilsicherheitsbeiwerten)</h2>"),
      std::string::npos);
}

namespace {

// Two spans and an arm: g everywhere, a settlement of the inner support, q
// on the first span, and a force at the arm's tip, each a load case.
std::vector<Element> span_and_arm(double g, double settlement, double q, double F) {
  return {left_end(),
          beam_segment(3, 2, g + q, 0),
          support(false, settlement),
          beam_segment(2, 2, g, 0),
          support(false, 0),
          beam_segment(1, 2, g, 0),
          point_action(Quantity::Q, F),
          right_end_with(Quantity::M, Quantity::Q)};
}

}  // namespace

// An arrangement's sag is the sum of its cases', each from its own chord or
// tangent: every span's envelope sag is the largest of every arrangement
// entered as its own pass, at the same x, with that arrangement's cases.
TEST(Envelope, EachSpansSagIsTheLargestOfEveryArrangementsOwn) {
  const double g = 1, settlement = 0.5, q = 1.5, F = 2;
  Passes passes;
  LoadCases cases;
  for (const std::vector<Element>& pass : {span_and_arm(g, 0, 0, 0), span_and_arm(0, settlement, 0, 0),
                                           span_and_arm(0, 0, q, 0), span_and_arm(0, 0, 0, F)}) {
    passes.enter(pass);
    add_case(cases, passes.record, passes.R);
  }
  ASSERT_EQ(cases.cases.size(), 4U);
  const Factors factors;
  EnvelopeSummary envelope = summarize_envelope({cases, factors, 4});
  ASSERT_EQ(envelope.spans.size(), 3U);
  std::vector<Span> largest(3);
  std::vector<std::string> acting(3);
  for (unsigned a = 0; a < 8; ++a) {
    Passes single;
    single.enter(
        span_and_arm(g, (a & 1U) != 0 ? settlement : 0, (a & 2U) != 0 ? q : 0, (a & 4U) != 0 ? F : 0));
    RegisterFile start = closed_copy(single.R);
    BeamSummary summary = summarize_beam({single.record, start, 1});
    ASSERT_EQ(summary.spans.size(), 3U);
    for (std::size_t i = 0; i < 3; ++i) {
      const Span& span = summary.spans[i];
      ASSERT_TRUE(span.has_sag);
      if (a > 0 && !(std::fabs(span.sag.value) > std::fabs(largest[i].sag.value))) continue;
      largest[i] = span;
      acting[i] = "1";
      for (unsigned k = 0; k < 3; ++k)
        if ((a >> k & 1U) != 0) acting[i] += ", " + std::to_string(k + 2);
    }
  }
  for (std::size_t i = 0; i < 3; ++i) {
    SCOPED_TRACE("span " + std::to_string(i + 1));
    const CaseExtreme& sag = envelope.spans[i].sag;
    ASSERT_TRUE(sag.found);
    EXPECT_NEAR(sag.value, largest[i].sag.value, 1e-12);
    EXPECT_NEAR(sag.x, largest[i].sag.x, 1e-9);
    // The arm's tangent takes out what the loads beside it do: of those
    // only rounding is left, whichever way it goes.
    if (i < 2) {
      EXPECT_EQ(acting_cases(sag.arrangement), acting[i]);
    }
  }
  EXPECT_EQ(acting_cases(envelope.spans[2].sag.arrangement).find("1, 4"), 0U);
}
