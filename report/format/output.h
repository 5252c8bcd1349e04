// Where a report's text goes while it is made: to an open file a large piece
// at a time, so that a report of any length holds no more than one piece in
// memory, or whole into a string where there is no file.
#pragma once

#include <string>

namespace dlt {

struct ReportOutput {
  std::string text;  // made and not yet written
  int fd = -1;       // the file written to; -1 keeps all of the text
  int error = 0;     // errno of the first write that failed; nothing is written after it
  // Where set, the text goes to standard output through the console too.
  bool to_console = false;
};

// Writes the text out once it holds a piece worth a write.
void write_piece(ReportOutput& out);

// Writes out all of the text.
void write_rest(ReportOutput& out);

}  // namespace dlt
