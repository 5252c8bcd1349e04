// Writing a report file safely: through a temporary file beside it that is
// renamed into place, so that a reader finds the old file or the whole new
// one, never half of one.
#pragma once

#include <string>
#include <string_view>

namespace dlt {

// Writes contents to path. On failure returns false and puts the system's
// reason in reason; no temporary file is left behind, and a file already at
// path stays as it was.
bool write_file_atomically(const std::string& path, std::string_view contents, std::string& reason);

}  // namespace dlt
