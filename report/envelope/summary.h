// What the envelope reports say besides its table, gathered in one walk of
// the load cases: the largest and smallest M of each span with the
// arrangement that gives it (the largest found exactly where that
// arrangement's Q passes zero between table points), each span's
// characteristic sag, the moments and reactions at each support, the
// extremes of w, p, M and Q along the beam, and how wide the table's
// columns must be.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/quantity.h"
#include "report/beam/statics.h"
#include "report/beam/summary.h"
#include "report/envelope/envelope_run.h"
#include "report/format/table.h"

namespace dlt {

// A value of the envelope, where it is and the arrangement that gives it.
struct CaseExtreme {
  double value = 0;
  double x = 0;
  Arrangement arrangement;
  bool found = false;
};

struct EnvelopeSpan {
  double from = 0;
  double to = 0;
  bool is_cantilever = false;
  CaseExtreme largest_M;
  CaseExtreme smallest_M;
  // The supports at its ends, numbered as the load cases' at_supports;
  // none at a free end.
  std::optional<std::size_t> from_support;
  std::optional<std::size_t> to_support;
  // Its characteristic sag (report/envelope/span_sags.h).
  CaseExtreme sag;
};

// A support of the first case: its element there, x, and the largest and
// smallest M just after it.
struct EnvelopeSupport {
  std::size_t element = 0;
  double x = 0;
  CaseExtreme largest_M;
  CaseExtreme smallest_M;
};

struct EnvelopeReaction {
  Reaction reaction;  // the first case's, for its name, kind and x
  CaseExtreme largest;
  CaseExtreme smallest;
};

struct EnvelopeSummary {
  BeamSummary first_case;  // where the first case's elements stand
  std::vector<EnvelopeSpan> spans;
  std::vector<EnvelopeSupport> supports;
  std::vector<EnvelopeReaction> reactions;
  std::array<CaseExtreme, kQuantityCount> largest;
  std::array<CaseExtreme, kQuantityCount> smallest;
  // The range of x and of each column of the table, for its widths and the
  // drawings' scales: of the finite values alone.
  RowRange x_range;
  RowRange largest_rows[kQuantityCount];
  RowRange smallest_rows[kQuantityCount];
  std::uint64_t rows = 0;
  // Per load case: whether a value of it (at a row, a support or a
  // reaction) is no finite number, which makes the envelope NaN there.
  std::vector<bool> not_finite;
};

EnvelopeSummary summarize_envelope(const EnvelopeRun& run);

}  // namespace dlt
