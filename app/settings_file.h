// The saved-settings file qly5.usr: three lines of comma-separated 16-bit
// numbers, "0" / "2,45,44" / "0,0,0" with the defaults.
#ifndef APP_SETTINGS_FILE_H
#define APP_SETTINGS_FILE_H

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "datelib/date_values.h"

namespace quillday {

struct SavedSettings {
    int16_t language;            // LanguageCode
    int16_t dateOrder;           // DateOrder code
    int16_t dateSeparator;       // character code: 45 "-", 47 "/", 46 "."
    int16_t thousandsSeparator;  // character code: 44 ",", 46 ".", 0 for none
    int16_t todayNotation;       // CalendarKind codes
    int16_t firstNotation;
    int16_t secondNotation;
};

// A settings file is never larger than this; a larger one is not ours.
inline constexpr std::size_t kMaxSettingsFileSize = 4096;

// The file's text, each line ended by CR LF on every system.
std::string FormatSettings(const SavedSettings& settings);

// Reads the seven numbers in order, commas and line ends (CR LF or LF)
// alike separating them, blanks around each allowed. Nothing when the text
// is longer than kMaxSettingsFileSize, holds anything else, fewer or more
// than seven numbers, or a number outside 16 bits.
std::optional<SavedSettings> ParseSettings(std::string_view text);

// The display the settings' codes describe. An unknown order code gives
// year-month-day; an unknown separator code gives a separator that no option
// offers, which the options replace by their default.
datelib::Display SavedDisplay(const SavedSettings& settings);

// Writes the codes of display into settings.
void StoreDisplay(const datelib::Display& display, SavedSettings& settings);

}  // namespace quillday

#endif
