// The record of a pass: what the menu loop hands it from each command, and
// what it keeps of a pass that goes on past its right end or is refused.
#include <gtest/gtest.h>

#include "report/pass/record.h"

using namespace dlt;

TEST(BeamRecord, KeepsWhatTookEffectFromTheLastLeftEnd) {
  const Element left{.kind = ElementKind::left_end, .S1 = Quantity::p, .S2 = Quantity::Q};
  const Element segment{.kind = ElementKind::beam_segment, .length = 4, .EI = 100};
  const Element end{.kind = ElementKind::right_end, .S1 = Quantity::w, .S2 = Quantity::M, .W1 = 0.5};
  BeamRecord record;
  record_command(record, {Effect::element, segment});  // before any left end
  EXPECT_FALSE(record.open);
  EXPECT_TRUE(record.elements.empty());
  record_command(record, {Effect::element, left});
  record_command(record, {Effect::element, segment});
  record_command(record, {});  // refused, or key g
  EXPECT_FALSE(is_complete(record));
  CommandEffect right_end{Effect::element, end};
  EXPECT_TRUE(completes_pass(right_end));
  record_command(record, right_end);
  ASSERT_EQ(record.elements.size(), 3U);
  EXPECT_EQ(record.elements[1].kind, ElementKind::beam_segment);
  EXPECT_EQ(record.elements[2].W1, 0.5);
  EXPECT_TRUE(is_complete(record));

  // A pass that goes on past its right end keeps that end as the condition
  // it set; the next right end completes the beam.
  record_command(record, {Effect::element, segment});
  ASSERT_EQ(record.elements.size(), 4U);
  EXPECT_EQ(record.elements[2].kind, ElementKind::condition);
  EXPECT_EQ(record.elements[2].S1, Quantity::w);
  EXPECT_EQ(record.elements[2].W1, 0.5);
  EXPECT_FALSE(is_complete(record));
  record_command(record, right_end);
  EXPECT_TRUE(is_complete(record));

  // A left end starts anew, a refused one leaves no pass to report.
  record_command(record, {Effect::element, left});
  EXPECT_EQ(record.elements.size(), 1U);
  record_command(record, {Effect::pass_closed, left});
  EXPECT_FALSE(record.open);
  EXPECT_TRUE(record.elements.empty());
  record_command(record, {Effect::element, segment});
  EXPECT_TRUE(record.elements.empty());
}
