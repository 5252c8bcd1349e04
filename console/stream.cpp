#include "console/stream.h"

#include <algorithm>
#include <cassert>
#include <cstring>

#include "console/keys.h"
#include "console/terminal.h"

namespace dlt {

namespace {

constexpr std::size_t kInputBlock = std::size_t{64} * 1024;
// Half a pipe's usual capacity: the reader at the other end empties one half
// while the program fills the other, instead of both taking turns.
constexpr std::size_t kOutputLimit = std::size_t{32} * 1024;

// Standard streams (and the keyboard) or a script in memory.
bool g_standard = false;
char g_block[kInputBlock];
std::string g_script;
// The bytes read but not yet taken.
const char* g_next = nullptr;
const char* g_end = nullptr;
// Set when a read found no more input, so that every peek until the next
// number read sees the end instead of waiting again.
bool g_input_ended = false;
// Bytes the keyboard delivered ahead of the reads, from g_typed_from on.
std::string g_typed_ahead;
std::size_t g_typed_from = 0;
std::string g_output;
// Set where standard output carries a report: notices go to standard error.
bool g_notices_to_errors = false;
// Set where an echoed input line has no end yet (stream_echo_open).
bool g_echo_open = false;

}  // namespace

void console_open() {
  term_open();
  g_standard = true;
  g_next = g_end = g_block;
  g_input_ended = false;
  g_typed_ahead.clear();
  g_typed_from = 0;
  g_output.clear();
  g_echo_open = false;
}

void console_open_script(std::string_view script) {
  g_standard = false;
  g_script.assign(script);
  g_next = g_script.data();
  g_end = g_next + g_script.size();
  g_input_ended = false;
  g_output.clear();
  g_echo_open = false;
}

std::string console_take_output() {
  std::string taken;
  if (!g_standard) taken.swap(g_output);
  return taken;
}

void console_close() { stream_flush(); }

bool keys_from_keyboard() { return g_standard && term_is_keyboard(); }

void stream_wait_again() { g_input_ended = false; }

void stream_keep_typed_ahead(std::string_view bytes) {
  if (g_typed_from == g_typed_ahead.size()) {
    g_typed_ahead.clear();
    g_typed_from = 0;
  }
  g_typed_ahead.append(bytes);
}

static std::size_t typed_ahead_left() { return g_typed_ahead.size() - g_typed_from; }

// The next byte typed ahead, or -1 where none is left.
static int take_typed_byte() {
  if (typed_ahead_left() == 0) return -1;
  return static_cast<unsigned char>(g_typed_ahead[g_typed_from++]);
}

int stream_take_typed_key() {
  while (typed_ahead_left() > 0 && is_white_space(static_cast<unsigned char>(g_typed_ahead[g_typed_from])))
    ++g_typed_from;
  if (typed_ahead_left() == 0) return kEndOfInput;
  int code = take_typed_byte();
  return code == kEscape ? key_after_escape(take_typed_byte) : code;
}

// Moves the next line typed ahead (through its newline, or all that is
// left) into the block at at, echoed as the terminal echoes a typed line;
// returns its length, never 0.
static std::size_t take_typed_line(char* at) {
  // The end of the line a key stood on, and blanks before the line's first
  // item, would show on no typed line; the number read skips them anyway.
  while (typed_ahead_left() > 1 && is_white_space(static_cast<unsigned char>(g_typed_ahead[g_typed_from])))
    ++g_typed_from;
  std::size_t room = kInputBlock - static_cast<std::size_t>(at - g_block);
  std::string_view left(g_typed_ahead.data() + g_typed_from, typed_ahead_left());
  // A paste that ends inside a line hands over what there is of it; the
  // rest is typed after it.
  std::size_t line_end = left.find('\n');
  std::size_t length = std::min(line_end == std::string_view::npos ? left.size() : line_end + 1, room);
  std::memcpy(at, left.data(), length);
  g_typed_from += length;
  stream_write(left.substr(0, length));
  if (length > 0) g_echo_open = left[length - 1] != '\n';
  return length;
}

// At a keyboard a read gives one line, except where the terminal hands over
// in one read what it took in while a key was awaited (switching back to
// lines does that): then the first line is this read's, unechoed, and the
// lines after it were typed ahead.
static std::size_t split_typed_ahead(char* at, std::size_t count) {
  std::string_view read(at, count);
  std::size_t line_end = read.find('\n');
  if (line_end == std::string_view::npos || line_end + 1 == count) return count;
  stream_keep_typed_ahead(read.substr(line_end + 1));
  stream_write(read.substr(0, line_end + 1));
  return line_end + 1;
}

// Reads more input into the block from at on, the bytes before it kept;
// false, with the end noted, where input has ended.
static bool read_more(char* at) {
  std::size_t count = 0;
  if (typed_ahead_left() > 0) {
    count = take_typed_line(at);
  } else {
    if (!term_input_ready()) stream_flush();
    count = term_read_input(at, kInputBlock - static_cast<std::size_t>(at - g_block));
    // The terminal has echoed the line (split_typed_ahead writes the one it
    // has not), which Ctrl-D may have handed over without its end.
    if (keys_from_keyboard()) count = split_typed_ahead(at, count);
    if (keys_from_keyboard() && count > 0) g_echo_open = at[count - 1] != '\n';
  }
  g_next = g_block;
  g_end = at + count;
  if (count == 0) g_input_ended = true;
  return count > 0;
}

int stream_peek() {
  if (g_next == g_end) {
    if (!g_standard || g_input_ended || !read_more(g_block)) return kEndOfInput;
  }
  return static_cast<unsigned char>(*g_next);
}

int stream_peek_second() {
  assert(g_next != g_end);
  if (g_end - g_next >= 2) return static_cast<unsigned char>(g_next[1]);
  if (!g_standard || g_input_ended) return kEndOfInput;
  // The one byte left moves to the front, and more input is read after it.
  g_block[0] = *g_next;
  if (!read_more(g_block + 1)) return kEndOfInput;
  return static_cast<unsigned char>(g_next[1]);
}

std::string_view stream_line_rest() {
  if (g_next == nullptr) return {};
  std::string_view rest(g_next, static_cast<std::size_t>(g_end - g_next));
  return rest.substr(0, rest.find('\n'));
}

void stream_next() {
  assert(g_next != g_end);
  ++g_next;
}

bool is_white_space(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

void stream_skip_white_space() {
  while (is_white_space(stream_peek())) stream_next();
}

void stream_write(std::string_view text) {
  if (!text.empty() && text.back() == '\n') g_echo_open = false;
  g_output.append(text);
  if (g_standard && g_output.size() >= kOutputLimit) stream_flush();
}

void stream_write_failure(std::string_view text) {
  if (g_standard && g_notices_to_errors) {
    term_write_errors(text.data(), text.size());
    return;
  }
  stream_write(text);
  if (g_standard && term_failures_to_errors()) term_write_errors(text.data(), text.size());
}

void stream_write_notice(std::string_view text) {
  if (g_standard && g_notices_to_errors)
    term_write_errors(text.data(), text.size());
  else
    stream_write(text);
}

void stream_notices_to_errors() { g_notices_to_errors = true; }

bool stream_echo_open() { return g_echo_open; }

void stream_flush() {
  if (!g_standard || g_output.empty()) return;
  term_write_output(g_output.data(), g_output.size());
  g_output.clear();
}

}  // namespace dlt
