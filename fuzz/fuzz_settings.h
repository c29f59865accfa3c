// The display settings of the program's fuzz targets, chosen by the first
// bytes of an input, and put into the date library and the text table.
#ifndef FUZZ_FUZZ_SETTINGS_H
#define FUZZ_FUZZ_SETTINGS_H

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>

#include "options.h"

namespace fuzzing {

inline constexpr std::size_t kSettingBytes = 4;

// Bytes 0-3: date separator, thousands separator, date order, language.
inline quillday::cli::Options OptionsOf(const uint8_t* data) {
    constexpr std::string_view kSeparators[] = {"-", "/", "."};
    constexpr std::string_view kThousands[] = {",", ".", ""};
    constexpr datelib::DateOrder kOrders[] = {datelib::DateOrder::YMD, datelib::DateOrder::DMY,
                                              datelib::DateOrder::MDY};
    constexpr GEN_TEXT::LanguageCode kLanguages[] = {GEN_TEXT::English, GEN_TEXT::German,
                                                     GEN_TEXT::Spanish};
    quillday::cli::Options options;
    options.display.separator = kSeparators[data[0] % std::size(kSeparators)];
    options.display.thousands = kThousands[data[1] % std::size(kThousands)];
    options.display.order = kOrders[data[2] % std::size(kOrders)];
    options.display.language = kLanguages[data[3] % std::size(kLanguages)];
    quillday::cli::ApplyDisplay(options.display);
    return options;
}

}  // namespace fuzzing

#endif
