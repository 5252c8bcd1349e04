// The platform's side of the console: the standard input and output handles
// and the keyboard's single-key mode. One implementation per platform
// (terminal_posix.cpp, terminal_windows.cpp), chosen by the build; nothing
// outside console/ calls these.
#pragma once

#include <cstddef>

namespace dlt {

// Looks at standard input once. Where it is a keyboard, remembers the
// terminal's or console's mode and arranges that every way out of the program
// (normal end, Ctrl-C and the other signals or console events that end it)
// leaves that mode in force; on POSIX also that Ctrl-Z and fg work while a
// key is awaited. Whatever the input, those signals remove the temporary
// file noted in leaving.h first, and on POSIX a file grown past its size
// limit fails its write instead of ending the program (SIGXFSZ ignored).
// On POSIX the signals are every one a user, a shell, a timer or a limit
// sends whose default ends the program, and outside a sanitizer build the
// faults SIGSEGV, SIGBUS, SIGFPE and SIGILL, a stack overflow's too; each
// then ends the program by its default action. A signal ignored at start
// stays ignored.
void term_open();

// Whether keys come from a keyboard (standard input is a terminal).
bool term_is_keyboard();

// Switches the keyboard to single keys without echo, where the key read does
// not do that itself. REQUIRES: term_is_keyboard().
void term_begin_key();

// Reads one key press: its code, or for a key that sends several codes (an
// escape sequence, two codes in a Windows console) the one code read_key
// gives for it; returns -1 once the terminal is gone.
// REQUIRES: between term_begin_key() and term_end_key().
int term_read_key();

// Reads what the keyboard has delivered already while keys were awaited (a
// paste, keys typed ahead), up to size bytes, without waiting; 0 where
// nothing is there. The terminal has echoed none of it.
// REQUIRES: between term_begin_key() and term_end_key().
std::size_t term_read_typed_ahead(char* buffer, std::size_t size);

// Puts the keyboard back into the mode found at start.
void term_end_key();

// Whether a read of standard input would return at once: input is there, or
// its end. Output need be flushed only where it would not.
bool term_input_ready();

// Reads up to size bytes of standard input; returns the count, 0 at end of
// input or on an error. Blocks until input is there.
std::size_t term_read_input(char* buffer, std::size_t size);

// Writes all of text to standard output as far as the output takes it.
void term_write_output(const char* text, std::size_t size);

// Whether a notice of failure goes to standard error too: where standard
// output is not a terminal (it may go to /dev/null), and standard error is
// not the very file standard output goes to.
bool term_failures_to_errors();

// Writes all of text to standard error as far as it takes it.
void term_write_errors(const char* text, std::size_t size);

}  // namespace dlt
