// The passes built from beam files: the very elements the dialogue would
// enter, bit for bit, the cuts where anything acts, the order at one x, the
// loads' intensities at every cut, and the places in the pass.
#include "model/passes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/beam_file.h"

namespace dlt {
namespace {

BeamPasses passes_of(const std::string& text, const std::vector<std::string>& chosen = {}) {
  BeamFile file;
  FileFault fault;
  BeamPasses passes;
  EXPECT_TRUE(read_beam_file(text, file, fault))
      << fault.place.line << ":" << fault.place.column << " " << fault.what;
  EXPECT_TRUE(build_passes(file, chosen, passes, fault))
      << fault.place.line << ":" << fault.place.column << " " << fault.what;
  return passes;
}

FileFault fault_of(const std::string& text, const std::vector<std::string>& chosen = {}) {
  BeamFile file;
  FileFault fault;
  BeamPasses passes;
  if (read_beam_file(text, file, fault)) {
    EXPECT_FALSE(build_passes(file, chosen, passes, fault)) << text;
  }
  return fault;
}

// A short text for each element, to compare whole passes at a glance; the
// doubles are compared bit for bit separately where it matters.
std::string kinds(const std::vector<Element>& elements) {
  std::string text;
  for (const Element& e : elements) {
    switch (e.kind) {
      case ElementKind::left_end:
        text += "a";
        break;
      case ElementKind::beam_segment:
        text += e.loaded ? "C" : "c";
        break;
      case ElementKind::shaft_segment:
        text += e.loaded ? "E" : "e";
        break;
      case ElementKind::point_action:
        text.push_back('d');
        text.push_back(static_cast<char>('0' + state_code(e.S1)));
        break;
      case ElementKind::spring:
        text += "b";
        break;
      case ElementKind::condition:
        text.push_back('f');
        text.push_back(static_cast<char>('0' + state_code(e.S1)));
        break;
      case ElementKind::right_end:
        text += "F";
        break;
    }
    text += " ";
  }
  return text;
}

constexpr char kSimpleSpan[] =
    "links = \"gelenkig\"\n"
    "rechts = \"gelenkig\"\n"
    "abschnitte = [{ laenge = 4, EI = 100 }]\n";

TEST(BeamFilePasses, AnUncutBeamIsTheDialoguesBeam) {
  BeamPasses passes =
      passes_of(std::string(kSimpleSpan) + "streckenlasten = [{ von = 0, bis = 4, q = 10 }]\n");
  ASSERT_EQ(passes.cases.size(), 1U);
  const std::vector<Element>& e = passes.cases[0].elements;
  // a 2 4 c 4 100 1 10 0 f 1 0 1 3 0
  ASSERT_EQ(kinds(e), "a C F ");
  EXPECT_EQ(e[0].S1, Quantity::p);
  EXPECT_EQ(e[0].S2, Quantity::Q);
  EXPECT_EQ(e[1].length, 4.0);
  EXPECT_EQ(e[1].EI, 100.0);
  EXPECT_EQ(e[1].q, 10.0);
  EXPECT_EQ(e[1].qs, 0.0);
  EXPECT_EQ(e[2].S1, Quantity::w);
  EXPECT_EQ(e[2].S2, Quantity::M);
  EXPECT_EQ(kinds(passes.together.elements), kinds(e));
}

TEST(BeamFilePasses, EndsAreTheDialoguesEnds) {
  struct End {
    const char* name;
    Quantity left_S1, left_S2, right_S1, right_S2;
  };
  const End ends[] = {{"gelenkig", Quantity::p, Quantity::Q, Quantity::w, Quantity::M},
                      {"eingespannt", Quantity::M, Quantity::Q, Quantity::w, Quantity::p},
                      {"frei", Quantity::w, Quantity::p, Quantity::M, Quantity::Q},
                      {"gefuehrt", Quantity::w, Quantity::M, Quantity::p, Quantity::Q}};
  for (const End& end : ends) {
    // The other end clamped, so that every kind makes a beam.
    BeamPasses left = passes_of(std::string("links = \"") + end.name +
                                "\"\nrechts = \"eingespannt\"\nabschnitte = [{ laenge = 2, EI = 1 }]\n");
    EXPECT_EQ(left.cases[0].elements.front().S1, end.left_S1) << end.name;
    EXPECT_EQ(left.cases[0].elements.front().S2, end.left_S2) << end.name;
    BeamPasses right = passes_of(std::string("links = \"eingespannt\"\nrechts = \"") + end.name +
                                 "\"\nabschnitte = [{ laenge = 2, EI = 1 }]\n");
    EXPECT_EQ(right.cases[0].elements.back().S1, end.right_S1) << end.name;
    EXPECT_EQ(right.cases[0].elements.back().S2, end.right_S2) << end.name;
  }
}

TEST(BeamFilePasses, SegmentsAreCutWhereAnythingActsAndLoadsRecomputedAtEachCut) {
  BeamPasses passes = passes_of(
      "links = \"gelenkig\"\nrechts = \"gelenkig\"\n"
      "abschnitte = [{ laenge = 4, EI = 100 }, { laenge = 6, E = 200, d = 0.5 }]\n"
      "lager = [5]\n"
      "streckenlasten = [{ von = 1, bis = 7, q = 2, q_bis = 14 }]\n"
      "einzellasten = [{ x = 2.5, F = 3 }]\n"
      "stellen = [9]\n");
  const std::vector<Element>& e = passes.cases[0].elements;
  // Cuts at 1, 2.5, 4 (segment end), 5, 7 and 9.
  ASSERT_EQ(kinds(e), "a c C d4 C E f1 E e e F ");
  EXPECT_EQ(e[1].length, 1.0);
  EXPECT_EQ(e[2].length, 1.5);
  EXPECT_EQ(e[4].length, 1.5);  // 4 - 2.5, measured within the segment
  EXPECT_EQ(e[5].length, 1.0);
  EXPECT_EQ(e[7].length, 2.0);
  EXPECT_EQ(e[8].length, 2.0);
  EXPECT_EQ(e[9].length, 1.0);  // 6 - 5 in the segment's own x: its end is exact
  EXPECT_EQ(e[5].kind, ElementKind::shaft_segment);
  EXPECT_EQ(e[5].E, 200.0);
  EXPECT_EQ(e[5].diameter, 0.5);
  // q = 2 + 2 (x - 1): the slope everywhere, the intensity at each start.
  EXPECT_EQ(e[2].q, 2.0);
  EXPECT_EQ(e[4].q, 5.0);
  EXPECT_EQ(e[5].q, 8.0);
  EXPECT_EQ(e[7].q, 10.0);
  for (std::size_t k : {2U, 4U, 5U, 7U}) EXPECT_EQ(e[k].qs, 2.0) << k;
  EXPECT_FALSE(e[8].loaded);
  EXPECT_EQ(e[3].load, 3.0);
}

TEST(BeamFilePasses, AtOneXPointActionsThenSpringsThenSupportThenHinge) {
  BeamPasses passes = passes_of(
      "links = \"eingespannt\"\nrechts = \"frei\"\n"
      "abschnitte = [{ laenge = 4, EI = 100 }]\n"
      "lager = [2]\n"
      "federn = [{ x = 2, c = 7 }, { x = 4, c = 8 }]\n"
      "versaetze = [{ x = 2, w = 0.5 }]\n"
      "winkel = [{ x = 2, p = 0.25 }]\n"
      "momente = [{ x = 2, M = 3 }]\n"
      "einzellasten = [{ x = 2, F = 1 }, { x = 0, F = 9 }, { x = 4, F = 6 }]\n");
  const std::vector<Element>& e = passes.cases[0].elements;
  ASSERT_EQ(kinds(e), "a d4 c d4 d3 d2 d1 b f1 c d4 b F ");
  EXPECT_EQ(e[1].load, 9.0);
  EXPECT_EQ(e[3].load, 1.0);
  EXPECT_EQ(e[7].c, 7.0);
  EXPECT_EQ(e[11].c, 8.0);
}

TEST(BeamFilePasses, SettlementsAndRotationsAreTheConditionsValues) {
  BeamPasses passes = passes_of(
      "links = \"eingespannt\"\nrechts = \"eingespannt\"\n"
      "abschnitte = [{ laenge = 2, EI = 1 }, { laenge = 2, EI = 1 }]\n"
      "lager = [2]\n"
      "absenkungen = [{ x = 2, w = 0.01 }, { x = 4, w = 0.02 }, { x = 0, w = 0.03 }]\n"
      "verdrehungen = [{ x = 4, p = 0.004 }, { x = 0, p = 0.005 }]\n");
  const std::vector<Element>& e = passes.cases[0].elements;
  // The left end's prescribed values are an offset and a kink right after it.
  ASSERT_EQ(kinds(e), "a d1 d2 c f1 c F ");
  EXPECT_EQ(e[1].load, -0.03);
  EXPECT_EQ(e[2].load, -0.005);
  EXPECT_EQ(e[4].W1, 0.01);
  EXPECT_EQ(e[6].W1, 0.02);
  EXPECT_EQ(e[6].W2, 0.004);
  // A guided right end prescribes p first.
  BeamPasses guided = passes_of(
      "links = \"eingespannt\"\nrechts = \"gefuehrt\"\nabschnitte = [{ laenge = 2, EI = 1 }]\n"
      "verdrehungen = [{ x = 2, p = 0.5 }]\n");
  EXPECT_EQ(guided.cases[0].elements.back().W1, 0.5);
}

constexpr char kTwoCases[] =
    "links = \"gelenkig\"\nrechts = \"gelenkig\"\n"
    "abschnitte = [{ laenge = 4, EI = 100 }, { laenge = 4, EI = 100 }]\n"
    "lager = [4]\n"
    "lastfaelle = [\"g\", \"q\"]\n"
    "streckenlasten = [{ lastfall = \"g\", von = 0, bis = 8, q = 1 }, { lastfall = \"q\", von = 2, bis = 6, "
    "q = 5 }]\n"
    "einzellasten = [{ lastfall = \"q\", x = 7, F = 4 }]\n"
    "absenkungen = [{ lastfall = \"q\", x = 4, w = 0.5 }]\n"
    "stellen = [7, 1]\n";

TEST(BeamFilePasses, EveryLoadCaseIsThePassOfOneBeamCutAlike) {
  BeamPasses passes = passes_of(kTwoCases);
  ASSERT_EQ(passes.cases.size(), 2U);
  // The cuts of every load case, and of the places, in every pass.
  EXPECT_EQ(kinds(passes.cases[0].elements), "a C C C f1 C C C F ");
  EXPECT_EQ(kinds(passes.cases[1].elements), "a c c C f1 C c d4 c F ");
  EXPECT_EQ(passes.cases[0].elements[4].W1, 0.0);
  EXPECT_EQ(passes.cases[1].elements[4].W1, 0.5);
  // Together: the loads summed piece by piece, the point actions of both.
  const std::vector<Element>& together = passes.together.elements;
  ASSERT_EQ(kinds(together), "a C C C f1 C C d4 C F ");
  EXPECT_EQ(together[3].q, 6.0);
  EXPECT_EQ(together[1].q, 1.0);
  EXPECT_EQ(together[4].W1, 0.5);
  // Only the chosen load case acts where --lastfall names it.
  BeamPasses chosen = passes_of(kTwoCases, {"q"});
  EXPECT_EQ(kinds(chosen.together.elements), kinds(passes.cases[1].elements));
}

TEST(BeamFilePasses, PlacesCountTheElementsLeftAndRightOfThem) {
  BeamPasses passes = passes_of(kTwoCases);
  // In order along the beam: x = 1 after "a C", x = 7 on both sides of the
  // force.
  ASSERT_EQ(passes.places.size(), 2U);
  EXPECT_EQ(passes.places[0].x, 1.0);
  EXPECT_EQ(passes.places[0].left, 2U);
  EXPECT_EQ(passes.places[0].right, 2U);
  EXPECT_EQ(passes.places[1].x, 7.0);
  EXPECT_EQ(passes.places[1].left, 7U);
  EXPECT_EQ(passes.places[1].right, 8U);
  // At the ends: right of the left end, left of the right end.
  BeamPasses ends = passes_of(std::string(kSimpleSpan) + "stellen = [0, 4]\n");
  EXPECT_EQ(ends.places[0].left, 1U);
  EXPECT_EQ(ends.places[1].right, ends.together.elements.size() - 1);
}

TEST(BeamFilePasses, PointsCloserThanTheToleranceAreOne) {
  // 1e-9 of the length 4 is 4e-9: these fall on the cuts at 2 and 4.
  BeamPasses passes =
      passes_of(std::string(kSimpleSpan) +
                "lager = [2]\neinzellasten = [{ x = 2.000000003, F = 1 }, { x = 3.999999997, F = 2 }]\n"
                "stellen = [2.000000001]\n");
  EXPECT_EQ(kinds(passes.cases[0].elements), "a c d4 f1 c d4 F ");
  EXPECT_EQ(passes.cases[0].elements[1].length, 2.0);
  EXPECT_EQ(passes.places.size(), 1U);
  EXPECT_EQ(passes.places[0].left, 2U);
  // Two supports within it are two supports at one x.
  FileFault fault = fault_of(std::string(kSimpleSpan) + "lager = [2, 2.000000001]\n");
  EXPECT_EQ(fault.what, "zwei Lager bei x = 2");
  EXPECT_EQ(fault.place.line, 4);
  EXPECT_EQ(fault.place.column, 13);
}

TEST(BeamFilePasses, PointsThatDoNotFitTheBeamAreFaultsWithTheirPlace) {
  struct Case {
    std::string extra;
    int line, column;
    std::string what;
  };
  const Case cases[] = {
      {"lager = [0]\n", 4, 10, "Lager am Traegerende (x = 0): wie das Ende gehalten ist, sagt links"},
      {"gelenke = [4]\n", 4, 12, "Gelenk am Traegerende (x = 4)"},
      {"federn = [{ x = 4.5, c = 1 }]\n", 4, 17, "x = 4.5 liegt nicht auf dem Traeger (0 bis 4)"},
      {"streckenlasten = [{ von = 3, bis = 2, q = 1 }]\n", 4, 36, "bis muss groesser als von sein"},
      {"streckenlasten = [{ von = -1, bis = 2, q = 1 }]\n", 4, 27,
       "von = -1 liegt nicht auf dem Traeger (0 bis 4)"},
      {"verdrehungen = [{ x = 0, p = 1 }]\n", 4, 23,
       "bei x = 0 schreibt keine Bedingung p vor: eine Verdrehung braucht ein eingespanntes oder gefuehrtes "
       "Ende"},
      {"gelenke = [2]\nabsenkungen = [{ x = 2, w = 1 }]\n", 5, 22,
       "bei x = 2 schreibt keine Bedingung w vor: eine Absenkung braucht ein Lager oder ein gelenkiges oder "
       "eingespanntes Ende"},
  };
  for (const Case& c : cases) {
    FileFault fault = fault_of(std::string(kSimpleSpan) + c.extra);
    EXPECT_EQ(fault.what, c.what) << c.extra;
    EXPECT_EQ(fault.place.line, c.line) << c.extra;
    EXPECT_EQ(fault.place.column, c.column) << c.extra;
  }
  FileFault unknown = fault_of(kTwoCases, {"q", "wind"});
  EXPECT_EQ(unknown.what, "--lastfall wind: kein Lastfall dieses Namens in der Datei");
  EXPECT_EQ(unknown.place.line, 0);
}

}  // namespace
}  // namespace dlt
