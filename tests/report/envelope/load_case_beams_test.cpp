// The beams of the load cases: where a pass first differs from the beam
// before it, in the words of the notice, and the load cases kept per beam,
// a pass of an earlier beam joining its load cases again.
#include <cstddef>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/element.h"
#include "report/envelope/envelope_files.h"
#include "report/envelope/load_cases.h"
#include "report/envelope/same_beam.h"
#include "tests/support/passes.h"

using namespace dlt;
using namespace quantity_names;

namespace {

Element pinned_left() { return left_end_with(p, Q); }
Element pinned_right() { return right_end_with(w, M); }

// Four spans of 6, each entered as two segments of 3 with EI 30000, the
// span `loaded` (from 1; 0 for all) under q = 10, and segment `odd` (from
// 1) with EI `odd_EI`.
std::vector<Element> four_spans(int loaded, int odd = 0, double odd_EI = 30000) {
  std::vector<Element> pass = {pinned_left()};
  int segment = 0;
  for (int span = 1; span <= 4; ++span) {
    for (int half = 0; half < 2; ++half) {
      ++segment;
      double q = loaded == 0 || loaded == span ? 10 : 0;
      pass.push_back(beam_segment(3, segment == odd ? odd_EI : 30000, q));
    }
    pass.push_back(span < 4 ? condition_on(w) : pinned_right());
  }
  return pass;
}

// Two spans of 4 with EI 100, the middle support replaced by `middle`.
std::vector<Element> two_spans(const Element& middle = condition_on(w)) {
  return {pinned_left(), beam_segment(4, 100, 1), middle, beam_segment(4, 100), pinned_right()};
}

}  // namespace

TEST(BeamDifference, NamesTheSegmentOfTheNewPassWithItsStiffnessAndTheOld) {
  std::vector<Element> beam = four_spans(0);
  EXPECT_EQ(beam_difference(beam, four_spans(4, 7, 5000)), "Abschnitt 7: EI= 5000.000000 statt 30000.000000");
  // The segments are the new pass's, each counted, one of no length too.
  std::vector<Element> split = four_spans(2, 7, 5000);
  split.insert(split.begin() + 1, beam_segment(0, 1));
  split.insert(split.begin() + 2, point_action(Q, 4));
  EXPECT_EQ(beam_difference(beam, split), "Abschnitt 8: EI= 5000.000000 statt 30000.000000");
  // Where the earlier beam changes its stiffness inside the new pass's
  // segment: from there.
  std::vector<Element> stiffer_end = four_spans(0, 8, 60000);
  std::vector<Element> one_segment = four_spans(0);
  one_segment[10] = beam_segment(6, 30000);
  one_segment.erase(one_segment.begin() + 11);
  EXPECT_EQ(beam_difference(stiffer_end, one_segment),
            "Abschnitt 7 ab x= 21.000000: EI= 30000.000000 statt 60000.000000");
  // The other way round the new pass changes it first, where its segment
  // 8 starts.
  EXPECT_EQ(beam_difference(one_segment, stiffer_end), "Abschnitt 8: EI= 60000.000000 statt 30000.000000");
  // A shaft's EI is E pi d^4 / 64: pi for E = 4 and d = 2.
  EXPECT_EQ(beam_difference({pinned_left(), beam_segment(2, 3), pinned_right()},
                            {pinned_left(), shaft_segment(2, 4, 2), pinned_right()}),
            "Abschnitt 1: EI= 3.141593 statt 3.000000");
}

TEST(BeamDifference, NamesTheFirstFixedPointAlongTheBeamThatDiffers) {
  std::vector<Element> beam = two_spans();
  struct Case {
    std::vector<Element> pass;
    const char* difference;
  };
  std::vector<Element> moved = two_spans();
  moved[1].length = 3;
  moved[3].length = 5;
  std::vector<Element> shorter = two_spans();
  shorter[3].length = 3;
  const Case kCases[] = {
      {moved, "Lager bei x= 3.000000 statt 4.000000"},
      {two_spans(condition_on(M)), "Gelenk statt Lager bei x= 4.000000"},
      {two_spans(spring_support(1000)), "Feder statt Lager bei x= 4.000000"},
      {{pinned_left(), beam_segment(8, 100), pinned_right()}, "Lager bei x= 4.000000 fehlt"},
      {{pinned_left(), beam_segment(2, 100), condition_on(w), beam_segment(2, 100), condition_on(w),
        beam_segment(4, 100), pinned_right()},
       "Lager bei x= 2.000000 zusaetzlich"},
      {shorter, "rechtes Ende bei x= 7.000000 statt 8.000000"},
      // Ending before the support: the beam's length is the difference.
      {{pinned_left(), beam_segment(3, 100), pinned_right()}, "rechtes Ende bei x= 3.000000 statt 8.000000"},
      {{left_end_with(M, Q), beam_segment(4, 100), condition_on(w), beam_segment(4, 100), pinned_right()},
       "linkes Ende S1=3 S2=4 statt S1=2 S2=4"},
      {{pinned_left(), beam_segment(4, 100), condition_on(w), beam_segment(4, 100), right_end_with(w, p)},
       "rechtes Ende S1=1 S2=2 statt S1=1 S2=3"},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(beam_difference(beam, c.pass), c.difference);
    EXPECT_FALSE(same_beam(beam, c.pass)) << c.difference;
  }
  EXPECT_EQ(beam_difference(two_spans(spring_support(1000)), two_spans(spring_support(500))),
            "Feder bei x= 4.000000: c= 500.000000 statt 1000.000000");
  // The same beam under other loads, split otherwise: none.
  std::vector<Element> loaded = {pinned_left(),           beam_segment(1, 100),  point_action(Q, 3),
                                 beam_segment(3, 100, 2), condition_on(w, 0.01), beam_segment(4, 100, 5),
                                 pinned_right()};
  EXPECT_EQ(beam_difference(beam, loaded), "");
  EXPECT_TRUE(same_beam(beam, loaded));
}

TEST(LoadCaseBeams, AMistypedPassIsABeamOfItsOwnAndTheNextJoinsTheFirstAgain) {
  Passes passes;
  CasesByBeam beams;
  std::vector<CaseJoined> joined;
  for (const std::vector<Element>& pass :
       {four_spans(0), four_spans(1), four_spans(2), four_spans(3, 7, 5000), four_spans(4)}) {
    passes.enter(pass);
    EXPECT_EQ(leaves_last_beam(beams, passes.record), !joined.empty() && joined.size() >= 3);
    joined.push_back(join_load_case(beams, passes.record, passes.R));
  }
  for (std::size_t k = 0; k < 3; ++k) {
    EXPECT_EQ(joined[k].change, BeamChange::same) << k;
    EXPECT_EQ(joined[k].number, k + 1);
  }
  EXPECT_EQ(joined[3].change, BeamChange::new_beam);
  EXPECT_EQ(joined[3].number, 1U);
  EXPECT_EQ(beam_change_notice(joined[3]),
            "neuer Traeger (Abschnitt 7: EI= 5000.000000 statt 30000.000000), Lastfaelle beginnen bei 1\n");
  EXPECT_EQ(joined[4].change, BeamChange::returned);
  EXPECT_EQ(joined[4].earlier_cases, 3U);
  EXPECT_EQ(joined[4].number, 4U);
  EXPECT_EQ(beam_change_notice(joined[4]),
            "zurueck zum Traeger der Lastfaelle 1 bis 3, weiter mit Lastfall 4\n");
  ASSERT_EQ(beams.beams.size(), 2U);
  EXPECT_EQ(beams.last, 0U);
  ASSERT_EQ(last_beam(beams).cases.size(), 4U);
  EXPECT_EQ(last_beam(beams).cases[3].pass, passes.record.pass);
  EXPECT_EQ(beams.beams[1].cases.size(), 1U);

  // The mistyped pass once more: back to its beam, and none added.
  passes.enter(four_spans(3, 7, 5000));
  CaseJoined again = join_load_case(beams, passes.record, passes.R);
  EXPECT_EQ(again.change, BeamChange::returned);
  EXPECT_EQ(again.added, CaseAdded::repeated);
  EXPECT_EQ(beam_change_notice(again), "zurueck zum Traeger des Lastfalls 1\n");
  EXPECT_EQ(beams.last, 1U);
  EXPECT_EQ(beams.beams[1].cases.size(), 1U);
  CaseJoined two;
  two.change = BeamChange::returned;
  two.earlier_cases = 2;
  two.number = 3;
  EXPECT_EQ(beam_change_notice(two), "zurueck zum Traeger der Lastfaelle 1 und 2, weiter mit Lastfall 3\n");
  EXPECT_EQ(beam_change_notice(CaseJoined{}), "");
}

TEST(LoadCaseBeams, ALaterRightEndTakesThePlaceOfItsFirstAndOfItsBeamWhereThatHadNoOther) {
  Passes passes;
  CasesByBeam beams;
  passes.enter({pinned_left(), beam_segment(2, 3, 1), pinned_right()});
  join_load_case(beams, passes.record, passes.R);
  passes.enter({pinned_left(), beam_segment(4, 3, 1), pinned_right()});
  EXPECT_EQ(join_load_case(beams, passes.record, passes.R).change, BeamChange::new_beam);
  // The pass goes on past its right end: its beam of one case goes, and a
  // new one takes its place, told against the beam of the pass before.
  passes.enter({beam_segment(1, 3), pinned_right()});
  EXPECT_FALSE(leaves_last_beam(beams, passes.record));
  CaseJoined longer = join_load_case(beams, passes.record, passes.R);
  EXPECT_EQ(longer.added, CaseAdded::replaced);
  EXPECT_EQ(longer.change, BeamChange::new_beam);
  EXPECT_EQ(longer.difference, "rechtes Ende bei x= 5.000000 statt 2.000000");
  ASSERT_EQ(beams.beams.size(), 2U);
  EXPECT_EQ(beams.beams[0].cases.size(), 1U);
  EXPECT_EQ(beams.last, 1U);
  EXPECT_EQ(last_beam(beams).cases.size(), 1U);
  EXPECT_EQ(last_beam(beams).cases[0].record.elements.size(), 5U);
}
