#include "console/console.h"

#include <charconv>
#include <cstddef>

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
  int typed_ahead = stream_take_typed_key();
  if (typed_ahead != kEndOfInput) return typed_ahead;
  // The key mode goes on before the prompt goes out, so that a key pressed
  // as soon as the prompt shows is neither echoed nor held for Enter.
  term_begin_key();
  if (!term_input_ready()) stream_flush();
  int key = term_read_key();
  // What came with the key (a paste) is kept before the terminal goes back
  // to lines, which would hand it all to the next number read as one line.
  char after[256];
  while (std::size_t count = term_read_typed_ahead(after, sizeof after))
    stream_keep_typed_ahead({after, count});
  term_end_key();
  return key;
}

namespace {

bool g_quiet = false;

// Without prompts, a result or notice follows the one before on a line of
// its own; only an echoed line left without its end could be open.
void start_line() {
  if (g_quiet && stream_echo_open()) stream_write("\n");
}

}  // namespace

void set_quiet(bool quiet) { g_quiet = quiet; }

bool is_quiet() { return g_quiet; }

void print(std::string_view text) {
  if (!g_quiet) stream_write(text);
}

void print_result(std::string_view text) {
  start_line();
  stream_write(text);
}

void print_failure(std::string_view text) {
  start_line();
  stream_write_failure(text);
}

void print_notice(std::string_view text) {
  start_line();
  stream_write_notice(text);
}

std::string slip_notice(std::string_view taken, std::string_view rest) {
  std::string notice = "Hinweis: gelesen ";
  notice.append(taken);
  notice += ", uebrig \"";
  notice.append(rest);
  notice += "\"\n";
  return notice;
}

void notices_to_errors() { stream_notices_to_errors(); }

// Writes value as "%f" does into text and returns how much it wrote.
// std::to_chars gives the very digits of "%f" (the exact binary value rounded
// to six decimals, ties to even, and "inf", "nan" and "-nan"), at a fraction
// of snprintf's cost. The largest double has 309 digits before the point.
constexpr std::size_t kFixedTextSize = 400;
static std::string_view format_fixed(double value, char (&text)[kFixedTextSize]) {
  std::to_chars_result end = std::to_chars(text, text + kFixedTextSize, value, std::chars_format::fixed, 6);
  return {text, static_cast<std::size_t>(end.ptr - text)};
}

void print_fixed(double value) {
  char text[kFixedTextSize];
  print_result(format_fixed(value, text));
}

void append_fixed(std::string& text, double value) {
  char digits[kFixedTextSize];
  text.append(format_fixed(value, digits));
}

void pause() {
  if (!g_quiet) {
    print("weiter mit bel.Taste..");
    read_key();
  } else if (keys_from_keyboard()) {
    stream_take_typed_key();
  } else {
    read_key();
  }
}

}  // namespace dlt
