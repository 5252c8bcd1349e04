// The beam files of --als-datei: the text written for a beam of every kind
// of element with two load cases, the ends by name, everything a beam file
// cannot hold refused with where it stands, and the files with their
// notices.
#include <cstddef>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "console/stream.h"
#include "engine/element.h"
#include "report/beam_file/beam_file_files.h"
#include "report/beam_file/beam_file_text.h"
#include "report/beam_file/written_beam.h"
#include "report/envelope/load_cases.h"
#include "report/format/version.h"
#include "report/pass/settings.h"
#include "tests/support/passes.h"
#include "tests/support/program.h"
#include "tests/support/scratch_directory.h"

using namespace dlt;
using namespace quantity_names;

namespace {

// A shaft of the beam below: 2.5 long, E = 2.1e8 and d = 0.3, under q.
Element shaft_piece(double q = 0) {
  Element shaft = shaft_segment(2.5, 2.1e8, 0.3);
  shaft.loaded = q != 0;
  shaft.q = q;
  return shaft;
}

// Three spans, 0 to 4 to 10 to 15, the last a shaft; springs at 2, 12.5
// and the right end, hinges at 7 and at 12.5 on the spring there. Load
// case 1: q = 10 on the first span and a trapezoid up to 11.5 beyond it, an
// offset at 0, a kink where 0.1 + 0.2 ends, the support at 4 sunk by 0.002
// and a moment of 5 prescribed at the pinned right end. Load case 2, its
// segments split otherwise: forces at 0 and at 15, a moment at 6, q = -4
// and q = 2 on the shaft, the right end sunk by 0.003 with a moment of
// -2.5.
LoadCases three_spans() {
  std::vector<Element> permanent = {
      left_end_with(p, Q),
      point_action(w, 0.001),
      beam_segment(0.1, 30000, 10),
      beam_segment(0.2, 30000, 10),
      point_action(p, 0.0005),
      beam_segment(1.7, 30000, 10),
      spring_support(5000),
      beam_segment(2, 30000, 10),
      condition_on(w, 0.002),
      beam_segment(3, 30000, 10, 0.5),
      condition_on(M),
      beam_segment(3, 30000),
      condition_on(w),
      shaft_piece(),
      spring_support(80000),
      condition_on(M),
      shaft_piece(),
      spring_support(10000),
      right_end_with(w, M, 0, 5),
  };
  std::vector<Element> variable = {
      left_end_with(p, Q),        point_action(Q, 7),       beam_segment(0.1, 30000),
      beam_segment(0.2, 30000),   beam_segment(1.7, 30000), spring_support(5000),
      beam_segment(2, 30000),     condition_on(w),          beam_segment(2, 30000),
      point_action(M, 20),        beam_segment(1, 30000),   condition_on(M),
      beam_segment(3, 30000, -4), condition_on(w),          shaft_piece(2),
      spring_support(80000),      condition_on(M),          shaft_piece(),
      spring_support(10000),      point_action(Q, 12),      right_end_with(w, M, 0.003, -2.5),
  };
  CasesByBeam cases;
  Passes passes;
  passes.enter(permanent);
  EXPECT_EQ(join_load_case(cases, passes.record, passes.R).number, 1u);
  passes.enter(variable);
  CaseJoined second = join_load_case(cases, passes.record, passes.R);
  EXPECT_EQ(second.change, BeamChange::same);
  EXPECT_EQ(second.number, 2u);
  return last_beam(cases);
}

const char kThreeSpansFile[] =
    "titel = \"Pos. 3 \\\"Dreifeld\\\" \\\\ Achse B\"\n"
    "einheiten = [\"kN\", \"m\"]\n"
    "links = \"gelenkig\"\n"
    "rechts = \"gelenkig\"\n"
    "abschnitte = [\n"
    "  { laenge = 0.1, EI = 30000 },\n"
    "  { laenge = 0.2, EI = 30000 },\n"
    "  { laenge = 1.7, EI = 30000 },\n"
    "  { laenge = 2, EI = 30000 },\n"
    "  { laenge = 3, EI = 30000 },\n"
    "  { laenge = 3, EI = 30000 },\n"
    "  { laenge = 2.5, E = 2.1e+08, d = 0.3 },\n"
    "  { laenge = 2.5, E = 2.1e+08, d = 0.3 },\n"
    "]\n"
    "lager = [4, 10]\n"
    "gelenke = [7, 12.5]\n"
    "federn = [\n"
    "  { x = 2, c = 5000 },\n"
    "  { x = 12.5, c = 80000 },\n"
    "  { x = 15, c = 10000 },\n"
    "]\n"
    "lastfaelle = [\"LF1\", \"LF2\"]\n"
    "streckenlasten = [\n"
    "  { lastfall = \"LF1\", von = 0, bis = 0.1, q = 10 },\n"
    "  { lastfall = \"LF1\", von = 0.1, bis = 0.30000000000000004, q = 10 },\n"
    "  { lastfall = \"LF1\", von = 0.30000000000000004, bis = 2, q = 10 },\n"
    "  { lastfall = \"LF1\", von = 2, bis = 4, q = 10 },\n"
    "  { lastfall = \"LF1\", von = 4, bis = 7, q = 10, q_bis = 11.5 },\n"
    "  { lastfall = \"LF2\", von = 7, bis = 10, q = -4 },\n"
    "  { lastfall = \"LF2\", von = 10, bis = 12.5, q = 2 },\n"
    "]\n"
    "einzellasten = [\n"
    "  { lastfall = \"LF2\", x = 0, F = 7 },\n"
    "  { lastfall = \"LF2\", x = 15, F = 12 },\n"
    "]\n"
    "momente = [\n"
    "  { lastfall = \"LF1\", x = 15, M = 5 },\n"
    "  { lastfall = \"LF2\", x = 6, M = 20 },\n"
    "  { lastfall = \"LF2\", x = 15, M = -2.5 },\n"
    "]\n"
    "winkel = [\n"
    "  { lastfall = \"LF1\", x = 0.30000000000000004, p = 5e-04 },\n"
    "]\n"
    "versaetze = [\n"
    "  { lastfall = \"LF1\", x = 0, w = 0.001 },\n"
    "]\n"
    "absenkungen = [\n"
    "  { lastfall = \"LF1\", x = 4, w = 0.002 },\n"
    "  { lastfall = \"LF2\", x = 15, w = 0.003 },\n"
    "]\n";

std::string first_line() {
  return std::string("# Traegerdatei, geschrieben von durchlauftraeger ") + kProgramVersion +
         " (--als-datei)\n";
}

// One load case of the elements given, as the text reads it: its record.
LoadCases one_case(const std::vector<Element>& elements) {
  LoadCases cases;
  cases.cases.emplace_back();
  cases.cases.back().record.open = true;
  cases.cases.back().record.elements = elements;
  return cases;
}

std::string text_of(const LoadCases& cases, const ReportLabels& labels = {}) {
  std::string text;
  std::string reason;
  EXPECT_TRUE(beam_file_text(cases, labels, text, reason)) << reason;
  return text;
}

std::string refusal_of(const LoadCases& cases, const ReportLabels& labels = {}) {
  std::string text;
  std::string reason;
  EXPECT_FALSE(beam_file_text(cases, labels, text, reason)) << text;
  return reason;
}

}  // namespace

TEST(BeamFileText, ThreeSpansWithTwoLoadCases) {
  LoadCases cases = three_spans();
  ASSERT_EQ(cases.cases.size(), 2U);
  EXPECT_EQ(text_of(cases, {"Pos. 3 \"Dreifeld\" \\ Achse B", {"kN", "m"}}), first_line() + kThreeSpansFile);
}

TEST(BeamFileText, OneLoadCaseNamesNoneAndTheEndsHoldWhatTheyPrescribe) {
  // Clamped left, held against turning at the right with p = 0.002 and a
  // force of 3 prescribed there; an offset before a spring at its point,
  // and a moment before a hinge at its point, stand as the file puts them.
  Element left = left_end_with(M, Q);
  EXPECT_EQ(text_of(one_case({left, beam_segment(2, 100, 1, 0.25), point_action(w, 0.01), spring_support(50),
                              point_action(M, -0.0), condition_on(M), beam_segment(2, 100, 1.5, 0.25),
                              right_end_with(p, Q, 0.002, 3)})),
            first_line() +
                "links = \"eingespannt\"\n"
                "rechts = \"gefuehrt\"\n"
                "abschnitte = [\n"
                "  { laenge = 2, EI = 100 },\n"
                "  { laenge = 2, EI = 100 },\n"
                "]\n"
                "gelenke = [2]\n"
                "federn = [\n"
                "  { x = 2, c = 50 },\n"
                "]\n"
                "streckenlasten = [\n"
                "  { von = 0, bis = 2, q = 1, q_bis = 1.5 },\n"
                "  { von = 2, bis = 4, q = 1.5, q_bis = 2 },\n"
                "]\n"
                "einzellasten = [\n"
                "  { x = 4, F = 3 },\n"
                "]\n"
                "momente = [\n"
                "  { x = 2, M = -0.0 },\n"
                "]\n"
                "versaetze = [\n"
                "  { x = 2, w = 0.01 },\n"
                "]\n"
                "verdrehungen = [\n"
                "  { x = 4, p = 0.002 },\n"
                "]\n");
  // Free at both ends: the prescribed M and Q are a moment and a force at
  // the end, zeros nothing; a loaded segment without load no load.
  Element unloaded = beam_segment(3, 100);
  unloaded.loaded = true;
  EXPECT_EQ(text_of(one_case({left_end_with(w, p), spring_support(20), unloaded, spring_support(20),
                              right_end_with(M, Q, 0, -1.5)})),
            first_line() +
                "links = \"frei\"\n"
                "rechts = \"frei\"\n"
                "abschnitte = [\n"
                "  { laenge = 3, EI = 100 },\n"
                "]\n"
                "federn = [\n"
                "  { x = 0, c = 20 },\n"
                "  { x = 3, c = 20 },\n"
                "]\n"
                "einzellasten = [\n"
                "  { x = 3, F = -1.5 },\n"
                "]\n");
}

TEST(BeamFileText, EndsByTheirNamesInTheFile) {
  // A left end by its unknowns, a right end by what it prescribes, in
  // either order.
  EXPECT_STREQ(left_end_name(p, Q), "gelenkig");
  EXPECT_STREQ(left_end_name(Q, M), "eingespannt");
  EXPECT_STREQ(left_end_name(w, p), "frei");
  EXPECT_STREQ(left_end_name(M, w), "gefuehrt");
  EXPECT_STREQ(right_end_name(M, w), "gelenkig");
  EXPECT_STREQ(right_end_name(w, p), "eingespannt");
  EXPECT_STREQ(right_end_name(Q, M), "frei");
  EXPECT_STREQ(right_end_name(p, Q), "gefuehrt");
  for (auto [a, b] : {std::pair{w, Q}, std::pair{p, M}, std::pair{w, w}, std::pair{Q, Q}}) {
    EXPECT_EQ(left_end_name(a, b), nullptr);
    EXPECT_EQ(right_end_name(a, b), nullptr);
  }
}

TEST(BeamFileText, WhatABeamFileCannotHoldIsRefusedWithWhereItStands) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  const char kPrefix[] = "als Traegerdatei nicht darstellbar: ";
  Element left = left_end_with(M, Q);
  Element span = beam_segment(2, 100);
  Element right = right_end_with(w, M);
  Element shaft = shaft_segment(2, 2.1e8, 0);
  Element no_stiffness = shaft_segment(2, kNaN, 0.3);
  Element tiny = beam_segment(1e-12, 100);
  struct Case {
    std::vector<Element> elements;
    std::string reason;
  };
  const Case kCases[] = {
      {{left_end_with(w, Q), span, right}, "linkes Traegerende (unbekannt S1=1, S2=4)"},
      {{left_end_with(p, M), span, right}, "linkes Traegerende (unbekannt S1=2, S2=3)"},
      {{left, span, right_end_with(w, Q)}, "rechtes Traegerende (S1=1, S2=4) bei x = 2"},
      {{left, span, right_end_with(M, p)}, "rechtes Traegerende (S1=3, S2=2) bei x = 2"},
      {{left, span, condition_on(p), span, right}, "Bedingung S1=2 bei x = 2"},
      {{left, span, condition_on(Q), span, right}, "Bedingung S1=4 bei x = 2"},
      {{left, span, condition_on(M, 5), span, right}, "Bedingung S1=3, W1=5 bei x = 2"},
      {{left_end_with(w, p), condition_on(w), span, right}, "Lager am Traegerende bei x = 0"},
      {{left, span, condition_on(w), right}, "Lager am Traegerende bei x = 2"},
      {{left, condition_on(M), span, right}, "Gelenk am Traegerende bei x = 0"},
      {{left, span, condition_on(w), tiny, condition_on(w), span, right},
       "zwei Lager bei x = 2.000000000001"},
      {{left, span, condition_on(M), tiny, condition_on(M), span, right},
       "zwei Gelenke bei x = 2.000000000001"},
      {{left, span, beam_segment(0, 100), span, right}, "Abschnitt mit laenge=0 bei x = 2"},
      {{left, span, beam_segment(-1, 100), span, right}, "Abschnitt mit laenge=-1 bei x = 2"},
      {{left, beam_segment(2, -100), right}, "Abschnitt mit EI=-100 bei x = 0"},
      {{left, span, shaft, right}, "Wellenabschnitt mit d=0 bei x = 2"},
      {{left, no_stiffness, right}, "Wellenabschnitt mit E=nan bei x = 0"},
      {{left, beam_segment(1e308, 100), beam_segment(1e308, 100), right}, "Traegerlaenge inf"},
      {{left, right}, "Traegerlaenge 0"},
      {{left, span, spring_support(0), span, right}, "Feder mit c=0 bei x = 2"},
      {{left, beam_segment(2, 100, kInf), right}, "Streckenlast mit q=inf bei x = 0"},
      {{left, span, beam_segment(2, 100, 1e308, 1e308), right}, "Streckenlast mit q_bis=inf bei x = 2"},
      {{left, span, point_action(Q, kNaN), span, right}, "Einzellast mit F=nan bei x = 2"},
      {{left, span, point_action(p, -kInf), span, right}, "Winkel mit p=-inf bei x = 2"},
      {{left, span, condition_on(w, kInf), span, right}, "Absenkung mit w=inf bei x = 2"},
      {{left, span, right_end_with(w, M, 0, kNaN)}, "Moment mit M=nan bei x = 2"},
      {{left, span, spring_support(1), point_action(w, 1), span, right},
       "Versatz nach Feder oder Lager bei x = 2"},
      {{left, span, condition_on(w), tiny, point_action(w, 1), span, right},
       "Versatz nach Feder oder Lager bei x = 2.000000000001"},
      {{left, span, condition_on(M), point_action(M, 1), span, right}, "Moment nach Gelenk bei x = 2"},
  };
  for (const Case& c : kCases) EXPECT_EQ(refusal_of(one_case(c.elements)), kPrefix + c.reason) << c.reason;

  // A title the file cannot hold as UTF-8.
  EXPECT_EQ(refusal_of(one_case({left, span, right}), {"Tr\xe4"
                                                       "ger",
                                                       {}}),
            std::string(kPrefix) + "Titel nicht in UTF-8");
  EXPECT_NE(text_of(one_case({left, span, right}), {"Tr\xc3\xa4"
                                                    "ger",
                                                    {}})
                .find("\ntitel = \"Tr\xc3\xa4"
                      "ger\"\n"),
            std::string::npos);
  // A later load case's fault names it.
  LoadCases two = one_case({left, span, condition_on(M), span, right});
  two.cases.push_back(one_case({left, span, condition_on(M, 5), span, right}).cases.front());
  EXPECT_EQ(refusal_of(two), std::string(kPrefix) + "Bedingung S1=3, W1=5 bei x = 2 im Lastfall 2");
}

TEST(BeamFileFiles, EveryFileIsABeamFileWithItsNotice) {
  ScratchDirectory dir;
  LoadCases cases = three_spans();
  ReportSettings settings;
  settings.labels = {"Pos. 3 \"Dreifeld\" \\ Achse B", {"kN", "m"}};
  console_open_script("");
  // Whatever the name's end: the page and CSV names get the beam file too.
  EXPECT_TRUE(
      write_beam_file_files({dir.file("t.toml"), dir.file("t.html"), dir.file("t.csv")}, settings, cases));
  EXPECT_EQ(console_take_output(), "Traegerdatei geschrieben: " + dir.file("t.toml") +
                                       " (2 Lastfaelle)\n"
                                       "Traegerdatei geschrieben: " +
                                       dir.file("t.html") +
                                       " (2 Lastfaelle)\n"
                                       "Traegerdatei geschrieben: " +
                                       dir.file("t.csv") + " (2 Lastfaelle)\n");
  for (const char* name : {"t.toml", "t.html", "t.csv"})
    EXPECT_EQ(read_file(dir.file(name)), first_line() + kThreeSpansFile) << name;

  // A beam the file cannot hold leaves every file as it was.
  cases.cases.front().record.elements[10] = condition_on(M, 1);
  EXPECT_FALSE(write_beam_file_files({dir.file("t.toml"), dir.file("neu.toml")}, settings, cases));
  EXPECT_EQ(console_take_output(),
            "Traegerdatei nicht geschrieben: " + dir.file("t.toml") +
                ": als Traegerdatei nicht darstellbar: Bedingung S1=3, W1=1 bei x = 7 im Lastfall 1\n"
                "Traegerdatei nicht geschrieben: " +
                dir.file("neu.toml") +
                ": als Traegerdatei nicht darstellbar: Bedingung S1=3, W1=1 bei x = 7 im Lastfall 1\n");
  EXPECT_EQ(read_file(dir.file("t.toml")), first_line() + kThreeSpansFile);
  EXPECT_EQ(dir.entries(), 3);

  // Where the pass could not join the load cases.
  EXPECT_FALSE(refuse_beam_file_files({dir.file("t.toml")}, "Speicher reicht nicht"));
  EXPECT_EQ(console_take_output(),
            "Traegerdatei nicht geschrieben: " + dir.file("t.toml") + ": Speicher reicht nicht\n");
  EXPECT_TRUE(refuse_beam_file_files({}, "Speicher reicht nicht"));
  EXPECT_EQ(console_take_output(), "");
}
