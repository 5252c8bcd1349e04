// The console primitives every command talks through: a key, a number, a
// text and the pause. Keys come from the keyboard unechoed and without Enter;
// where input is a script, keys and numbers come from the same stream, a key
// being the next byte that is not white space. At a keyboard, what arrives
// while a key is awaited beyond that key (a paste) is read as a script is.
//
// console/ owns every byte in and out: the terminal's modes, the number
// parsing, the flushing, the notices of failed reads, and the typed values.
// It includes nothing of the program's other folders.
#pragma once

#include <string>
#include <string_view>

namespace dlt {

// The notices a failed number read prints; the value read into stays as it was.
inline constexpr char kNotANumberNotice[] = "Eingabe ist keine Zahl, alter Wert bleibt\n";
inline constexpr char kOutOfRangeNotice[] = "Zahl ausserhalb des Bereichs, alter Wert bleibt\n";
inline constexpr char kNoInputNotice[] = "keine Eingabe, alter Wert bleibt\n";

// At a keyboard, after a number read that left a slip on its line (is_slip):
// 'gelesen: 6, uebrig: "m"'.
std::string slip_notice(std::string_view taken, std::string_view rest);
bool is_slip(std::string_view rest);

// What read_key gives for a key that sends several codes at a keyboard:
// kFunctionKey + n for the F key Fn (n = 1 to 8), kOtherKey for any other
// (arrows, Home, Alt with a key).
constexpr int kFunctionKey = 0x100;
constexpr int kOtherKey = 0x1ff;

// Waits for one key and returns its code (0 to 255, or one of the two above),
// or kEndOfInput once input has ended. In a script every byte is a key.
int read_key();

// Reads a whole number as "%d" does: leading white space is skipped, and what
// follows the number stays for the next read ("2.7" gives 2 and leaves ".7").
// On failure target keeps its value, the offending characters up to the next
// white space are dropped and a notice is printed.
void read_int(int& target);

// The same for a decimal number, as "%lf" reads one (sign, digits, point,
// exponent), where a comma between two digits is the point as well ("4,5"
// reads 4.5; "4,x" reads 4 and leaves ",x"; "1,2,3" reads 1.2, leaves ",3").
void read_double(double& target);

// Quiet mode (--ruhig): print drops the dialogue's own texts (the menu, the
// prompts and their labels) and pause waits for nothing, while results,
// notices and failures still print, each starting a line of its own.
void set_quiet(bool quiet);
bool is_quiet();

// Prints a text of the dialogue: the menu, a prompt, a label. Nothing in
// quiet mode.
void print(std::string_view text);

// Prints what a command computed or a text the user asked for (key g's
// values, key i's text, a report on standard output), in quiet mode too.
void print_result(std::string_view text);

// Prints a notice (a file written or not, an element refused, a number
// read that failed): as print_result does, or on standard error alone once
// notices_to_errors was called, where standard output carries a report.
void print_notice(std::string_view text);
void notices_to_errors();

// Prints a notice that something failed, in quiet mode too. Where standard
// output is not a terminal, it goes to standard error as well, so that
// output sent away (to /dev/null, say) cannot hide it; a terminal shows it
// once.
void print_failure(std::string_view text);

// Prints value as "%f" does: fixed notation, six decimals, a minus sign for
// negative values and negative zero, and the C library's text for infinities
// and NaN. A value is a result: it prints in quiet mode too.
void print_fixed(double value);

// Appends value to text in the very form print_fixed prints it.
void append_fixed(std::string& text, double value);

// Prints "weiter mit bel.Taste.." and waits for any key. In quiet mode it
// prints nothing and waits for nothing, but takes the key a script has for
// it, or one typed ahead at a keyboard (a paste), so that a script reads
// alike with and without quiet mode.
void pause();

}  // namespace dlt
