// Beams of many spans: equal spans under a uniform load (q, L and EI all 1),
// whose inner support moments tend to -q L^2/12 away from the ends. Carrying
// the left end's unknown through every support would lose a digit every two
// spans or so; these check that the digits stay.
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "console/input_values.h"
#include "dialogue.h"
#include "engine/conditions.h"
#include "engine/left_end.h"
#include "engine/results.h"
#include "engine/segments.h"
#include "program.h"

using namespace dlt;

namespace {

// Both passes over n equal spans, with g right of every inner support and at
// the right end.
std::string equal_spans_script(int spans) {
  std::string script = "a 2 4\n";
  for (int i = 1; i < spans; ++i) script += "c 1 1 1 1 0\nf 1 0 0\n";
  script += "c 1 1 1 1 0\nf 1 0 1 3 0\na 2 4\n";
  for (int i = 1; i < spans; ++i) script += "c 1 1 1 1 0\nf 1 0 0\ng .\n";
  return script + "c 1 1 1 1 0\ng .\nq\n";
}

// The values printed after prefix ("M= ") in every results block, in order.
std::vector<std::string> printed(const std::string& output, const std::string& prefix) {
  std::vector<std::string> values;
  for (std::size_t at = output.find("\n" + prefix); at != std::string::npos;
       at = output.find("\n" + prefix, at + 1)) {
    std::size_t start = at + 1 + prefix.size();
    values.push_back(output.substr(start, output.find('\n', start) - start));
  }
  return values;
}

}  // namespace

TEST(LongBeam, TwentySpansEndToEnd) {
  PipedRun run = run_piped(equal_spans_script(20));
  ASSERT_EQ(run.ending.status, 0);
  EXPECT_EQ(run.output.find("nicht gesetzt"), std::string::npos) << run.output;
  std::vector<std::string> w = printed(run.output, "w= ");
  std::vector<std::string> M = printed(run.output, "M= ");
  ASSERT_EQ(M.size(), 20u);
  EXPECT_EQ(M[0], "-0.105662");  // the first inner support, -(3 - sqrt 3)/12 q L^2
  EXPECT_EQ(M[9], "-0.083333");  // the middle one
  EXPECT_EQ(M[18], "-0.105662");
  EXPECT_TRUE(M[19] == "0.000000" || M[19] == "-0.000000") << M[19];
  for (const std::string& value : w) EXPECT_TRUE(value == "0.000000" || value == "-0.000000") << value;
}

TEST(LongBeam, AThousandSpansKeepTheirDigits) {
  // Through the handlers themselves, so that the values can be read to the
  // last bit rather than to six decimals.
  const int spans = 1000;
  RegisterFile R;
  InputValues in;
  dialogue(cmd_left_end, R, in, "2 4");
  for (int i = 1; i < spans; ++i) {
    dialogue(cmd_beam_segment, R, in, "1 1 1 1 0");
    dialogue(cmd_condition, R, in, "1 0 0");
  }
  dialogue(cmd_beam_segment, R, in, "1 1 1 1 0");
  ASSERT_EQ(dialogue(cmd_condition, R, in, "1 0 1 3 0").find("nicht"), std::string::npos);

  dialogue(cmd_left_end, R, in, "2 4");
  double worst_w = 0;
  for (int i = 1; i < spans; ++i) {
    dialogue(cmd_beam_segment, R, in, "1 1 1 1 0");
    dialogue(cmd_condition, R, in, "1 0 0");
    dialogue(cmd_results, R, in, " ");
    worst_w = std::fmax(worst_w, std::fabs(in.w));
    // From the three-moment equation M[i-1] + 4 M[i] + M[i+1] = -1/2:
    // M[i] = -(1 - r^i)/12 with r = sqrt(3) - 2.
    if (i == 1) {
      EXPECT_NEAR(in.M, -(3 - std::sqrt(3.0)) / 12, 1e-13);
    } else if (i == spans / 2) {
      EXPECT_NEAR(in.M, -1.0 / 12, 1e-13);
    }
  }
  EXPECT_LT(worst_w, 1e-13);
  dialogue(cmd_beam_segment, R, in, "1 1 1 1 0");
  dialogue(cmd_results, R, in, " ");
  EXPECT_NEAR(in.w, 0, 1e-13);
  EXPECT_NEAR(in.M, 0, 1e-13);
}
