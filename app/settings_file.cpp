#include "settings_file.h"

#include <array>
#include <charconv>
#include <vector>

namespace quillday {

namespace {

constexpr std::string_view kFileLineEnd = "\r\n";
constexpr std::size_t kValueCount = 7;
constexpr int16_t kNoSeparatorCode = 0;
constexpr int16_t kLastCharacterCode = 127;

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::optional<int16_t> ReadValue(std::string_view token) {
    const std::string_view digits = TrimBlanks(token);
    int16_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return value;
}

// The values between separators; the line ends of the last line end the text.
std::optional<std::vector<int16_t>> ReadValues(std::string_view text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    std::vector<int16_t> values;
    while (values.size() <= kValueCount) {
        const std::size_t end = text.find_first_of(",\r\n");
        const std::optional<int16_t> value = ReadValue(text.substr(0, end));
        if (!value) {
            return std::nullopt;
        }
        values.push_back(*value);
        if (end == std::string_view::npos) {
            return values;
        }
        // A line end is CR LF or LF.
        const std::size_t next = text.compare(end, kFileLineEnd.size(), kFileLineEnd) == 0
                                     ? end + kFileLineEnd.size()
                                     : end + 1;
        text.remove_prefix(next);
    }
    return std::nullopt;
}

std::string Separator(int16_t code) {
    if (code <= kNoSeparatorCode || code > kLastCharacterCode) {
        return {};
    }
    return std::string(1, static_cast<char>(code));
}

int16_t CharacterCode(const std::string& separator) {
    return separator.empty() ? kNoSeparatorCode : static_cast<int16_t>(separator.front());
}

datelib::DateOrder Order(int16_t code) {
    for (const auto order : {datelib::DateOrder::MDY, datelib::DateOrder::DMY}) {
        if (code == static_cast<int16_t>(order)) {
            return order;
        }
    }
    return datelib::DateOrder::YMD;
}

}  // namespace

datelib::Display SavedDisplay(const SavedSettings& settings) {
    return {Order(settings.dateOrder), Separator(settings.dateSeparator),
            Separator(settings.thousandsSeparator)};
}

void StoreDisplay(const datelib::Display& display, SavedSettings& settings) {
    settings.dateOrder = static_cast<int16_t>(display.order);
    settings.dateSeparator = CharacterCode(display.dateSeparator);
    settings.thousandsSeparator = CharacterCode(display.thousandsSeparator);
}

std::string FormatSettings(const SavedSettings& s) {
    const auto number = [](int16_t value) { return std::to_string(value); };
    const std::string end(kFileLineEnd);
    return number(s.language) + end + number(s.dateOrder) + "," + number(s.dateSeparator) + "," +
           number(s.thousandsSeparator) + end + number(s.todayNotation) + "," +
           number(s.firstNotation) + "," + number(s.secondNotation) + end;
}

std::optional<SavedSettings> ParseSettings(std::string_view text) {
    if (text.size() > kMaxSettingsFileSize) {
        return std::nullopt;
    }
    const std::optional<std::vector<int16_t>> values = ReadValues(text);
    if (!values || values->size() != kValueCount) {
        return std::nullopt;
    }
    const std::vector<int16_t>& v = *values;
    return SavedSettings{v[0], v[1], v[2], v[3], v[4], v[5], v[6]};
}

}  // namespace quillday
