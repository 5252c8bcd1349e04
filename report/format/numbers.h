// How every report writes a number: in the very form key g prints it (six
// decimals, "-0.000000", "inf", "nan"), alone or named as the prompts name
// values; and on the page, for reading, with six significant digits. The
// CSV table alone writes numbers otherwise, to the last bit.
#pragma once

#include <string>
#include <string_view>

namespace dlt {

// value as key g prints it.
std::string fixed_text(double value);

// "name= value", as the prompts name the values: "q= 10.000000", and with
// a unit where one is given: "q= 10.000000 kN/m".
std::string value_text(std::string_view name, double value);
std::string value_text(std::string_view name, double value, std::string_view unit);

// "10.000000 kN/m", or the number alone where there is no unit.
std::string with_unit(double value, std::string_view unit);

// The page's form of a number, for reading rather than checking against
// key g: six significant digits without trailing zeros ("50", "-48.7492",
// "0.0000312345"), a power of ten from 1e9 on ("1.23457·10⁹"), and "0"
// without a sign where key g prints zero. Not finite: as key g prints it.
std::string reading_text(double value);

// Which of the two forms a text is written in.
enum class NumberForm { printed, reading };

std::string number_text(double value, NumberForm form);
std::string value_text(std::string_view name, double value, std::string_view unit, NumberForm form);
std::string with_unit(double value, std::string_view unit, NumberForm form);

// Numbers further apart than this never print alike with six decimals:
// they round to different millionths.
inline constexpr double kPrintedApart = 2e-6;

// Whether a and b print alike as key g prints them, without printing them
// where the numbers tell (a zero may print as "-0.000000").
bool prints_alike(double a, double b);

// Whether value prints as zero ("0.000000" or "-0.000000").
bool prints_as_zero(double value);

}  // namespace dlt
