// The replay walked for drawing: its rows are the table's to the last bit,
// and between them it stops at about one point per drawing unit, in order
// along each piece.
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/element.h"
#include "engine/quantity.h"
#include "engine/register_file.h"
#include "report/pass/replay.h"
#include "tests/support/passes.h"

using namespace dlt;
using namespace quantity_names;

namespace {

std::uint64_t bits(double value) { return std::bit_cast<std::uint64_t>(value); }

struct NamedBeam {
  const char* name;
  std::vector<Element> elements;
};

std::vector<NamedBeam> beams() {
  return {
      {"clamped and pinned", {left_end_with(M, Q), beam_segment(4, 100, 10), right_end_with(w, M)}},
      {"two spans, a triangular load and a force",
       {left_end_with(p, Q), beam_segment(3, 100, 10, -1), condition_on(w), point_action(Q, 7),
        beam_segment(1, 100), right_end_with(w, M)}},
      {"back and forth",
       {left_end_with(p, Q), beam_segment(5, 100, 10), condition_on(w), beam_segment(-4, 100, 10),
        right_end_with(w, M)}},
  };
}

}  // namespace

TEST(DrawingWalk, PartsAreOneADrawingUnitWithinTheirBounds) {
  EXPECT_EQ(drawing_parts(0.4, 178), 72);  // 71.2 units
  EXPECT_EQ(drawing_parts(-0.4, 178), 72);
  EXPECT_EQ(drawing_parts(0.5, 10), 5);
  EXPECT_EQ(drawing_parts(0.01, 10), 1);  // a tenth of a unit: the piece whole
  EXPECT_EQ(drawing_parts(0, 10), 1);
  EXPECT_EQ(drawing_parts(4, 0), 1);
  EXPECT_EQ(drawing_parts(1e300, 1e10), kMaxPieces);
  EXPECT_EQ(drawing_parts(std::numeric_limits<double>::infinity(), 1), kMaxPieces);
  EXPECT_EQ(drawing_parts(std::nan(""), 1), 1);
  EXPECT_EQ(drawing_parts(std::numeric_limits<double>::infinity(), 0), 1);  // no scale
}

TEST(DrawingWalk, GivesTheTablesRowsAndStopsBetweenThem) {
  for (const NamedBeam& beam : beams()) {
    for (int pieces : {1, 4}) {
      SCOPED_TRACE(std::string(beam.name) + ", " + std::to_string(pieces) + " pieces");
      Passes entered;
      entered.enter(beam.elements);
      RegisterFile solved = closed_copy(entered.R);
      CompletePass pass{entered.record, solved, pieces};
      // Ten drawing units to a length: a piece of 1 in 10 parts.
      const double units = 10;
      Walk table = start_walk(pass, false);
      Walk drawing = start_drawing_walk(pass, units);
      TableRow expected, row;
      std::size_t drawn = 0;
      while (next_row(table, expected)) {
        ASSERT_TRUE(next_row(drawing, row));
        EXPECT_EQ(bits(row.x), bits(expected.x));
        for (Quantity q : kQuantities) EXPECT_EQ(bits(value_of(row.at, q)), bits(value_of(expected.at, q)));
        const Element& e = entered.record.elements[drawing.element];
        if (!is_segment(e)) {
          EXPECT_TRUE(drawing.drawn.empty());
          continue;
        }
        double h = piece_length(e, pieces);
        int parts = drawing_parts(h, units);
        // In order along the piece, strictly inside it.
        ASSERT_EQ(drawing.drawn.size(), static_cast<std::size_t>(parts - 1));
        for (std::size_t k = 0; k < drawing.drawn.size(); ++k) {
          double along = (drawing.drawn[k].x - (row.x - h)) / h;
          EXPECT_NEAR(along, static_cast<double>(k + 1) / parts, 1e-12);
        }
        drawn += drawing.drawn.size();
      }
      EXPECT_FALSE(next_row(drawing, row));
      EXPECT_GT(drawn, 0U);
    }
  }
}
