// Number reads. An input item is the longest run of bytes that is a number
// or the start of one, as the formatted input conversions take it; the byte
// after it stays for the next read. An item that is not a whole number
// ("-", "1e", "x") is a failed read. A decimal number may have a comma for
// its point where digits stand on both sides of it ("4,5").
#include <cctype>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <string>

#include "console/console.h"
#include "console/stream.h"

namespace dlt {

static bool is_digit(int c) { return c >= '0' && c <= '9'; }

// Takes the next byte into item if it is one of the given ones.
static bool take_one_of(std::string_view choices, std::string& item) {
  int c = stream_peek();
  if (c == kEndOfInput || choices.find(static_cast<char>(c)) == std::string_view::npos) {
    return false;
  }
  item.push_back(static_cast<char>(c));
  stream_next();
  return true;
}

// Takes the digits that follow into item; returns how many there were.
static int take_digits(std::string& item) {
  int count = 0;
  for (int c = stream_peek(); is_digit(c); c = stream_peek()) {
    item.push_back(static_cast<char>(c));
    stream_next();
    ++count;
  }
  return count;
}

static bool take_whole_number(std::string& item) {
  take_one_of("+-", item);
  return take_digits(item) > 0;
}

// A German decimal comma: a comma between two digits stands for the point.
// Anything else after the digits ("4,", "4,x") ends the number before the
// comma, as it always did.
static bool take_decimal_comma(std::string& item) {
  if (stream_peek() != ',' || !is_digit(stream_peek_second())) return false;
  item.push_back('.');
  stream_next();
  return true;
}

static bool take_decimal_number(std::string& item) {
  take_one_of("+-", item);
  int digits = take_digits(item);
  if (take_one_of(".", item) || (digits > 0 && take_decimal_comma(item))) digits += take_digits(item);
  if (digits == 0) return false;
  if (take_one_of("eE", item)) {
    take_one_of("+-", item);
    if (take_digits(item) == 0) return false;
  }
  return true;
}

// The length of the number at the start of text, as take_decimal_number
// would take it, or 0 where none stands there whole.
static std::size_t number_length(std::string_view text) {
  std::size_t at = 0;
  auto digits = [&] {
    std::size_t from = at;
    while (at < text.size() && is_digit(text[at])) ++at;
    return at - from;
  };
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
  std::size_t count = digits();
  if (at < text.size() &&
      (text[at] == '.' || (count > 0 && text[at] == ',' && at + 1 < text.size() && is_digit(text[at + 1])))) {
    ++at;
    count += digits();
  }
  if (count == 0) return 0;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    if (digits() == 0) return 0;
  }
  return at;
}

// Whether the rest of a line a read left is a slip of the keyboard: it goes
// on right after the number taken ("6m", "4.5" read as a whole number), or
// holds something no number read can take. Numbers and keys typed ahead
// are none.
bool is_slip(std::string_view rest) {
  if (rest.empty()) return false;
  if (!is_white_space(static_cast<unsigned char>(rest[0]))) return true;
  std::size_t at = 0;
  while (at < rest.size()) {
    if (is_white_space(static_cast<unsigned char>(rest[at]))) {
      ++at;
      continue;
    }
    // A letter on its own is a key typed ahead, as a script on one line has.
    bool key = std::isalpha(static_cast<unsigned char>(rest[at])) != 0 &&
               (at + 1 == rest.size() || is_white_space(static_cast<unsigned char>(rest[at + 1])));
    std::size_t length = key ? 1 : number_length(rest.substr(at));
    at += length;
    if (length == 0 || (at < rest.size() && !is_white_space(static_cast<unsigned char>(rest[at]))))
      return true;
  }
  return false;
}

// At a keyboard, says what a read took where it left a slip on the line.
static void show_slip(const std::string& taken) {
  if (!keys_from_keyboard()) return;
  std::string_view rest = stream_line_rest();
  if (!is_slip(rest)) return;
  std::size_t first = rest.find_first_not_of(" \t\v\f\r");
  std::size_t last = rest.find_last_not_of(" \t\v\f\r");
  print_notice(slip_notice(taken, rest.substr(first, last + 1 - first)));
}

// Drops the rest of an offending entry, so that the reads after it see fresh
// input instead of failing on the same characters again.
static void reject(const char* notice) {
  for (int c = stream_peek(); c != kEndOfInput && !is_white_space(c); c = stream_peek()) {
    stream_next();
  }
  print_notice(notice);
}

// Skips white space; false, with the notice printed, where input has ended.
static bool reach_item() {
  stream_wait_again();
  stream_skip_white_space();
  if (stream_peek() != kEndOfInput) return true;
  print_notice(kNoInputNotice);
  return false;
}

void read_int(int& target) {
  if (!reach_item()) return;
  std::string item;
  if (!take_whole_number(item)) return reject(kNotANumberNotice);
  errno = 0;
  long long value = std::strtoll(item.c_str(), nullptr, 10);
  if (errno == ERANGE || value < INT_MIN || value > INT_MAX) return reject(kOutOfRangeNotice);
  target = static_cast<int>(value);
  show_slip(item);
}

void read_double(double& target) {
  if (!reach_item()) return;
  std::string item;
  if (!take_decimal_number(item)) return reject(kNotANumberNotice);
  // std::from_chars rounds correctly, as strtod does, and is much quicker.
  // It takes no plus sign and reports values beyond the range of double
  // without one; strtod gives those their infinity or zero.
  const char* first = item.data();
  const char* last = first + item.size();
  if (*first == '+') ++first;
  std::from_chars_result end = std::from_chars(first, last, target);
  // The program never changes its locale, so the point is the decimal point.
  if (end.ec != std::errc() || end.ptr != last) target = std::strtod(item.c_str(), nullptr);
  show_slip(item);
}

}  // namespace dlt
