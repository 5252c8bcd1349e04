#include "report/pass/refusals.h"

#include "report/format/files.h"

namespace dlt {

std::string_view record_refusal(const BeamRecord& record) {
  if (record.out_of_memory) return kNoMemoryReason;
  if (!is_complete(record)) return kNoLeftEndReason;
  return {};
}

std::string_view work_refusal(std::uint64_t work) {
  if (work > kMaxTableRows) return kTooManyRowsReason;
  return {};
}

}  // namespace dlt
