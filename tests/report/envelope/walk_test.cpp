// The envelope walk of a single load case against the replay of the same
// pass: at every row the same x and the same values, to the last bit, and
// the right side of each point where the replay has the row after the
// point elements there.
#include <algorithm>
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
#include "tests/support/one_beam_cases.h"
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
      ASSERT_EQ(add_case(cases, entered.record, entered.R), CaseAdded::added);
      std::vector<ExpectedRow> expected = replay_rows(entered.record, closed_copy(entered.R), pieces);

      EnvelopeWalk walk = start_envelope_walk(cases, pieces);
      std::vector<EnvelopeRow> rows;
      for (EnvelopeRow row; next_envelope_row(walk, row);) rows.push_back(row);
      ASSERT_EQ(rows.size(), expected.size());
      EXPECT_TRUE(envelope_rows_at_most(cases, pieces, rows.size()));
      EXPECT_FALSE(envelope_rows_at_most(cases, pieces, rows.size() - 1));
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
  ASSERT_EQ(add_case(cases, entered.record, entered.R), CaseAdded::added);
  EnvelopeWalk walk = start_envelope_walk(cases, 1);
  std::vector<std::pair<double, bool>> stops;
  for (EnvelopeRow row; next_envelope_row(walk, row);) stops.push_back({row.x, row.after_point});
  EXPECT_EQ(stops, (std::vector<std::pair<double, bool>>{
                       {0, false}, {3, false}, {3, true}, {5.5, false}, {5.5, true}, {7, false}}));
}

TEST(EnvelopeWalk, TheBoundCountsTheRowsOfLoadCasesSplitApart) {
  // Two spans of 4, the load cases stopping at points of their own: each
  // splits a span elsewhere, so the envelope has more rows than any case
  // and fewer than all of them together. The count is the walk's, row for
  // row, for every way of dividing the segments.
  Element left = left_end_with(p, Q);
  Element right = right_end_with(w, M);
  const std::vector<std::vector<Element>> passes = {
      {left, beam_segment(4, 100, 10), condition_on(w), beam_segment(4, 100, 10), right},
      {left, beam_segment(1, 100), point_action(Q, 5), beam_segment(3, 100), condition_on(w),
       beam_segment(4, 100), right},
      {left, beam_segment(4.0 / 3, 100, 2), beam_segment(8.0 / 3, 100, 2), condition_on(w),
       beam_segment(2.5, 100), point_action(M, 1), beam_segment(1.5, 100), right},
      {left, beam_segment(4, 100), condition_on(w), beam_segment(4, 100, 0, 3), right},
  };
  Passes entered;
  LoadCases cases;
  for (const std::vector<Element>& pass : passes) {
    entered.enter(pass);
    ASSERT_NE(add_case(cases, entered.record, entered.R), CaseAdded::new_beam);
  }
  ASSERT_EQ(cases.cases.size(), passes.size());
  for (int pieces : {1, 3, 10, 1000}) {
    SCOPED_TRACE(std::to_string(pieces) + " pieces");
    EnvelopeWalk walk = start_envelope_walk(cases, pieces);
    std::uint64_t rows = 0;
    std::uint64_t most_of_one = 0;
    for (EnvelopeRow row; next_envelope_row(walk, row);) ++rows;
    for (const LoadCase& load_case : cases.cases)
      most_of_one = std::max(most_of_one, table_rows(load_case.record.elements, pieces));
    EXPECT_GT(rows, most_of_one);
    EXPECT_TRUE(envelope_rows_at_most(cases, pieces, rows));
    EXPECT_FALSE(envelope_rows_at_most(cases, pieces, rows - 1));
    EXPECT_FALSE(envelope_rows_at_most(cases, pieces, 0));
  }
}
