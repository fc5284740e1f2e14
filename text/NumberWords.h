// Numbers to Czech words, written as they are pronounced. Every word ends in a space ("dva "
// "náct " for twelve), so the space between two parts is spoken as a short pause. All text is
// code page 1250.
#pragma once

#include <string>
#include <string_view>

namespace vokadlo {

// Grammatical form of the unit words: feminine in the last group ("jedna "), masculine for
// thousands, millions and billions ("jeden ").
enum class TForm { Feminine, Masculine };

// True when NumberToWords can read `x`: its "%.2f" form has at most 12 integer digits.
bool IsReadableNumber(double x);

// The words of `x`, read with two decimals ("%.2f"); empty for 0 (also 0.00 and -0).
// A negative value that rounds to zero has no sign. Allocates the result.
std::string NumberToWords(double x);

// The words of nine integer places, each a digit or a space (hundreds of millions first).
std::string ReadGroups(std::string_view places);

// The hundreds word of one place ("1" "sto ", "5" "pjet set "); empty for "0" and space.
std::string Hundreds(char place);

// The unit word of one place in the given form; empty for "0" and space.
std::string Units(char place, TForm form);

// The words of two places (0..99; a leading space is skipped, two spaces read as 0).
std::string Tens(char tensPlace, char unitsPlace, TForm form);

}  // namespace vokadlo
