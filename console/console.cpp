#include "console/console.h"

#include <cstdio>

#include "console/stream.h"
#include "console/terminal.h"

namespace dlt {

int read_key() {
  if (!keys_from_keyboard()) {
    stream_skip_white_space();
    int key = stream_peek();
    if (key != kEndOfInput) stream_next();
    return key;
  }
  // The key mode goes on before the prompt goes out, so that a key pressed
  // as soon as the prompt shows is neither echoed nor held for Enter.
  term_begin_key();
  stream_flush();
  int key = term_read_key();
  term_end_key();
  return key;
}

void print(std::string_view text) { stream_write(text); }

void print_fixed(double value) {
  // The largest double has 309 digits before the point.
  char text[400];
  int length = std::snprintf(text, sizeof text, "%f", value);
  if (length > 0) print(std::string_view(text, static_cast<size_t>(length)));
}

void pause() {
  print("weiter mit bel.Taste..");
  read_key();
}

}  // namespace dlt
