#pragma once
// The shapes the entry panel's date, time and grid-square boxes are brought into when
// they are checked, and the stored form of the date.

#include <optional>
#include <string>

namespace tsl {

// The date box text as a whole calendar date "mm/dd/yyyy" (month first) or "dd/mm/yyyy"
// (day first), keeping the separators typed ("/" or "."). One-digit fields get a leading
// zero; a two-digit year up to the current two-digit year means 20yy, a later one 19yy.
// Nothing when the text is not such a date.
std::optional<std::string> checkeddate(const std::string& text, bool dayfirst, int currentyear);

// The date box text, a date in the order it was written in (day first when wasdayfirst),
// written again in the other order: the same day, in the separators typed. Nothing when the
// text is no date in its order.
std::optional<std::string> reordereddate(const std::string& text, bool wasdayfirst,
                                         int currentyear);

// The four-digit year of a two-digit one (0..99): up to the current year's two digits it
// is 20yy, a later one 19yy.
int fourdigityear(int twodigits, int currentyear);

// The time box text as "HH:MM" (00:00 to 23:59). Without a colon the digits are read from
// the right ("930" is 09:30, "5" is 00:05, "" is 00:00); with one, as hours and two-digit
// minutes ("9:30"). Nothing when the text is not such a time.
std::optional<std::string> checkedtime(const std::string& text);

// The grid-square box text as "XX99" or "XX99xx"; nothing for any other length.
std::optional<std::string> checkedgridsquare(const std::string& text);

// The stored date "yyyymmdd" of a checked date box text.
std::string storeddatetext(const std::string& text, bool dayfirst);

} // namespace tsl
