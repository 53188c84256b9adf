// Text helpers over Windows-1254 bytes: upper-casing, the sort key, numbers and day names.
#pragma once

#include "ids.h"

#include <string>
#include <string_view>

namespace zs {

// Turkish upper-casing of one code-page byte: i→İ, ı→I, ç→Ç, ğ→Ğ, ö→Ö, ü→Ü, ş→Ş, a..z→A..Z.
char upperTurkish(char c);
std::string upperTurkish(std::string_view s);

// Twice each byte's code in decimal, the Turkish capitals just after their Latin base.
std::string sortKey(std::string_view s);

// n in three digits with leading zeros ("007").
std::string pad3(int n);

// The non-zero entries joined by "+" ("2+2+1").
std::string patternText(const Pattern& pattern);
int patternBlockCount(const Pattern& pattern);
int patternSum(const Pattern& pattern);

// Days 1..7, as code-page bytes. Long: "PAZARTESİ"; screen: "PZT."; print: "PZT.", "SAL.".
const std::string& dayName(int day);
const std::string& dayShortName(int day);
const std::string& dayPrintName(int day);

// "E" for non-zero, "H" for zero; reading back, everything but "H" is yes.
std::string yesNoText(u8 value);
u8 yesNoValue(std::string_view text);

// Cuts a text to its capacity (one byte is one character in the code page).
std::string cut(std::string_view s, std::size_t capacity);

} // namespace zs
