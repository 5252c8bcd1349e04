// The envelope walk of a single load case against the replay of the same
// pass: at every row the same x and the same values, to the last bit, and
// the right side of each point where the replay has the row after the
// point elements there.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "engine/element.h"
#include "engine/quantity.h"
#include "engine/register_file.h"
#include "engine/results.h"
#include "report/envelope/load_cases.h"
#include "report/envelope/walk.h"
#include "report/pass/record.h"
#include "report/pass/replay.h"
#include "tests/support/passes.h"

using namespace dlt;
using namespace quantity_names;

namespace {

struct NamedBeam {
  const char* name;
  std::vector<Element> elements;
};

// Beams like the examples', one of each kind of element and support.
std::vector<NamedBeam> example_beams() {
  return {
      {"simply supported", {left_end_with(p, Q), beam_segment(4, 100, 10), right_end_with(w, M)}},
      {"two spans",
       {left_end_with(p, Q), beam_segment(2, 100, 10), condition_on(w), beam_segment(1, 100),
        right_end_with(w, M)}},
      {"point force in the span",
       {left_end_with(p, Q), beam_segment(1, 100), point_action(Q, 12), beam_segment(3, 100),
        right_end_with(w, M)}},
      {"cantilever with a force at its free end",
       {left_end_with(w, p), point_action(Q, 3), beam_segment(2, 100), right_end_with(w, p)}},
      {"triangular load on a cantilever",
       {left_end_with(M, Q), beam_segment(2, 100, 0, 6), right_end_with(M, Q)}},
      {"stepped shaft",
       {left_end_with(p, Q), shaft_segment(40, 210000, 30), shaft_segment(80, 210000, 45),
        point_action(Q, 2000), shaft_segment(60, 210000, 45), shaft_segment(40, 210000, 38),
        point_action(Q, 1200), shaft_segment(30, 210000, 30), right_end_with(w, M)}},
      {"spring",
       {left_end_with(p, Q), beam_segment(2, 100, 10), spring_support(75), beam_segment(2, 100, 10),
        right_end_with(w, M)}},
      {"hinges of a Gerber beam",
       {left_end_with(p, Q), beam_segment(4, 100, 10), condition_on(w), beam_segment(1, 100, 10),
        condition_on(M), beam_segment(2, 100, 10), condition_on(M), beam_segment(1, 100, 10), condition_on(w),
        beam_segment(4, 100, 10), right_end_with(w, M)}},
      {"several points at one x",
       {left_end_with(p, Q), beam_segment(3, 100, 10, -1), condition_on(w), condition_on(p),
        point_action(M, 5), beam_segment(2.5, 100, 4), spring_support(40), point_action(Q, 7),
        beam_segment(1.5, 100), right_end_with(w, M)}},
      {"settlement", {left_end_with(M, Q), beam_segment(2, 100), right_end_with(w, M, 0.08)}},
  };
}

// A row as the envelope should give it, taken from the replay.
struct ExpectedRow {
  double x = 0;
  bool after_point = false;
  PointValues at;
};

// The replay's rows, those of one x after its point elements merged into
// the last of them: the envelope stops once before the elements at x and
// once after them all, where any is a point element.
std::vector<ExpectedRow> replay_rows(const BeamRecord& record, const RegisterFile& start, int pieces) {
  CompletePass pass{record, start, pieces};
  Walk walk = start_walk(pass, false);
  std::vector<ExpectedRow> rows;
  for (TableRow row; next_row(walk, row);) {
    const Element& e = record.elements[walk.element];
    bool point = e.kind != ElementKind::left_end && !is_segment(e);
    if (point && rows.back().after_point) {
      rows.back() = {row.x, true, row.at};
    } else {
      rows.push_back({row.x, point, row.at});
    }
  }
  return rows;
}

std::uint64_t bits(double value) { return std::bit_cast<std::uint64_t>(value); }

}  // namespace

TEST(EnvelopeWalk, OfOneLoadCaseGivesTheReplaysRowsToTheLastBit) {
  for (const NamedBeam& beam : example_beams()) {
    for (int pieces : {1, 3, 7}) {
      SCOPED_TRACE(std::string(beam.name) + ", " + std::to_string(pieces) + " pieces");
      Passes entered;
      entered.enter(beam.elements);
      ASSERT_TRUE(is_complete(entered.record));
      LoadCases cases;
      ASSERT_EQ(add_load_case(cases, entered.record, entered.R), CaseAdded::added);
      std::vector<ExpectedRow> expected = replay_rows(entered.record, closed_copy(entered.R), pieces);

      EnvelopeWalk walk = start_envelope_walk(cases, pieces);
      std::vector<EnvelopeRow> rows;
      for (EnvelopeRow row; next_envelope_row(walk, row);) rows.push_back(row);
      ASSERT_EQ(rows.size(), expected.size());
      EXPECT_LE(rows.size(), envelope_rows(cases, pieces));
      for (std::size_t r = 0; r < rows.size(); ++r) {
        SCOPED_TRACE("row " + std::to_string(r));
        EXPECT_EQ(bits(rows[r].x), bits(expected[r].x)) << rows[r].x << " " << expected[r].x;
        EXPECT_EQ(rows[r].after_point, expected[r].after_point);
        ASSERT_EQ(rows[r].cases.size(), 1U);
        for (Quantity q : kQuantities) {
          EXPECT_EQ(bits(value_of(rows[r].cases[0], q)), bits(value_of(expected[r].at, q)))
              << quantity_name(q) << ": " << value_of(rows[r].cases[0], q) << " against "
              << value_of(expected[r].at, q);
        }
      }
    }
  }
}

TEST(EnvelopeWalk, StopsBeforeAndAfterThePointsAtOneX) {
  // The several points at x = 3 give one row before and one after them all;
  // those at 5.5 too; the left end's row has no right side of its own.
  Passes entered;
  entered.enter(example_beams()[8].elements);
  LoadCases cases;
  ASSERT_EQ(add_load_case(cases, entered.record, entered.R), CaseAdded::added);
  EnvelopeWalk walk = start_envelope_walk(cases, 1);
  std::vector<std::pair<double, bool>> stops;
  for (EnvelopeRow row; next_envelope_row(walk, row);) stops.push_back({row.x, row.after_point});
  EXPECT_EQ(stops, (std::vector<std::pair<double, bool>>{
                       {0, false}, {3, false}, {3, true}, {5.5, false}, {5.5, true}, {7, false}}));
}
