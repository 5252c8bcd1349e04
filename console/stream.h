// The console's byte streams. Input is read ahead in large blocks and output
// is collected; output goes out only before a read that may have to wait (and
// when much has piled up), so a piped script costs few system calls while a
// user at the keyboard still sees every prompt before typing.
#pragma once

#include <string>
#include <string_view>

namespace dlt {

// What stream_peek and read_key give once input has ended.
constexpr int kEndOfInput = -1;

// Connects the console to standard input and output, and to the keyboard
// where standard input is a terminal.
void console_open();

// Connects the console to a script held in memory and collects the output,
// for tests and for feeding the program arbitrary input. No terminal is
// touched.
void console_open_script(std::string_view script);

// Takes the output collected since the last call. Only a script console
// collects output; otherwise the result is empty.
std::string console_take_output();

// Writes out whatever output is still held back.
void console_close();

// Whether keys come straight from a keyboard rather than from the input stream.
bool keys_from_keyboard();

// The next input byte (0 to 255) without taking it, or kEndOfInput. Reads
// more input where none is buffered, flushing the output first if that read
// would have to wait.
int stream_peek();

// The input byte after the one stream_peek returns, without taking either,
// or kEndOfInput. Reads more input where that byte is not buffered yet.
// REQUIRES: stream_peek() != kEndOfInput.
int stream_peek_second();

// Keeps bytes the keyboard delivered while a key was awaited, after that
// key: keys typed ahead, or a pasted script. They are read in order, as if
// typed one after another: key reads take keys from them, and a number read
// that needs a new line takes their next line, echoed as a typed one is.
void stream_keep_typed_ahead(std::string_view bytes);

// The next key of the bytes typed ahead, white space before it skipped as a
// script's key read skips it, an escape sequence taken whole as the key
// reads at a keyboard take it; kEndOfInput where none is left.
int stream_take_typed_key();

// Once a read has found no more input, stream_peek reports the end without
// waiting again until this is called. At a terminal, input goes on after
// Ctrl-D; a pipe or script just reports its end once more.
void stream_wait_again();

// The bytes read but not taken yet, up to the end of their line (without
// it): at a keyboard, the rest of the line being read. Reads nothing.
std::string_view stream_line_rest();

// Takes the byte stream_peek returned. REQUIRES: stream_peek() != kEndOfInput.
void stream_next();

// Blanks, tabs, newlines, carriage returns, vertical tabs and form feeds.
bool is_white_space(int c);

// Takes input bytes up to the next one that is not white space.
void stream_skip_white_space();

void stream_write(std::string_view text);

// Writes a notice of failure: into the output as stream_write does, and
// straight to standard error too where the terminal layer says it should go
// there (never from a script in memory).
void stream_write_failure(std::string_view text);

// Writes a notice: into the output as stream_write does, or straight to
// standard error alone after stream_notices_to_errors (never from a script
// in memory, which collects it). Notices of failure go there alone then too.
void stream_write_notice(std::string_view text);
void stream_notices_to_errors();

void stream_flush();

// Whether the output ends in an input line echoed without its end, as a
// line that Ctrl-D handed over at the keyboard is. Output that ends a line
// closes it.
bool stream_echo_open();

}  // namespace dlt
