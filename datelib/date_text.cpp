#include "datelib/date_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <stdexcept>

#include "datelib/engine.h"
#include "datelib/string_helpers.h"

namespace datelib {

namespace {

constexpr std::string_view kAnnusNovusSeparator = "-";
constexpr std::string_view kDateSeparators = "-/.";
// Backspace, and copy, paste and cut with the control key.
constexpr char32_t kLastAsciiCode = 0x7F;

// yyyyddd: four digits of year, three of day.
constexpr std::size_t kYyyydddLength = 7;
constexpr std::size_t kYyyyLength = 4;
constexpr int32_t kFirstYyyyddd = 1;
constexpr int32_t kLastYyyy = 9999;
constexpr int32_t kLastDdd = 366;

// A Gregorian or Julian year beyond this is grouped in thousands.
constexpr int32_t kLargestUngroupedYear = 9999;
constexpr std::size_t kGroupDigits = 3;
constexpr std::size_t kGroupedLength = DAYMATH_GROUPED_SIZE - 1;
// "-2147483648": the longest 32-bit number in decimal digits.
constexpr std::size_t kInt32TextLength = 11;
// "-2,147,483,648": the longest 32-bit number grouped in thousands.
constexpr std::size_t kGroupedInt32Length = 14;
static_assert(kGroupedInt32Length <= kGroupedLength);

// Where the parts of a date stand, indexed by the DateOrder code.
enum class DatePart { Year, Month, Day };
constexpr std::array<std::array<DatePart, 3>, 3> kPartOrder{{
    {DatePart::Month, DatePart::Day, DatePart::Year},  // MDY
    {DatePart::Day, DatePart::Month, DatePart::Year},  // DMY
    {DatePart::Year, DatePart::Month, DatePart::Day},  // YMD
}};

bool IsAscii(char c) {
    return static_cast<unsigned char>(c) <= kLastAsciiCode;
}

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return IsAscii(c); });
}

// The bytes after the first of a UTF-8 sequence are 10xxxxxx.
bool IsContinuationByte(char c) {
    constexpr unsigned char kTopTwoBits = 0xC0;
    constexpr unsigned char kContinuationMark = 0x80;
    return (static_cast<unsigned char>(c) & kTopTwoBits) == kContinuationMark;
}

// Pasted text brings characters outside ASCII: no-break spaces, accented
// week-day names, digits of other scripts. The readers drop them like any
// other character they do not keep, and never read them as digits. Each one
// becomes a single blank first, so that lengths and positions count it as
// one character, as they count an ASCII letter. Text that is all ASCII, as
// nearly every date is, is read in place; other text is rewritten into
// storage.
std::string_view WithBlanksForNonAscii(std::string_view text, std::string& storage) {
    constexpr char kBlank = ' ';
    if (IsAscii(text)) {
        return text;
    }
    storage.clear();
    storage.reserve(text.size());
    bool inSequence = false;
    for (const char c : text) {
        if (IsAscii(c)) {
            storage += c;
            inSequence = false;
        } else if (!inSequence || !IsContinuationByte(c)) {
            storage += kBlank;
            inSequence = true;
        }
    }
    return storage;
}

bool IsDateSeparator(std::string_view separator) {
    return separator.size() == 1 && std::find(kDateSeparators.begin(), kDateSeparators.end(),
                                              separator[0]) != kDateSeparators.end();
}

// Reads an optionally "+"-signed run of digits that fits in 32 bits.
int32_t SmallNumber(std::string_view digits) {
    if (!digits.empty() && digits.front() == '+') {
        digits.remove_prefix(1);
    }
    int32_t value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

void StoreDate(const CalendarDate& parsed, CalendarDate& date) {
    date.year = parsed.year;
    date.month = parsed.month;
    date.day = parsed.day;
    date.calendar = parsed.calendar;
    date.jdn = parsed.jdn;
}

ParseStatus ParseYyyyddd(std::string_view text, CalendarDate& date) {
    std::string digits(text);
    KeepSignedDigits(digits, true);
    if (digits.size() != text.size() || digits.find('-') != std::string::npos ||
        digits.size() != kYyyydddLength) {
        return ParseStatus::NotValid;
    }
    const std::string_view view = digits;
    const int32_t ddd = SmallNumber(view.substr(kYyyyLength));
    const int32_t yyyy = SmallNumber(view.substr(0, kYyyyLength));
    if (ddd < kFirstYyyyddd || ddd > kLastDdd || yyyy < kFirstYyyyddd || yyyy > kLastYyyy) {
        return ParseStatus::NotValid;
    }
    const EngineApi& engine = Engine();
    CalendarDate parsed{};
    parsed.year = yyyy;
    parsed.month = 1;
    parsed.day = 1;
    parsed.calendar = DAYMATH_GREGORIAN;
    parsed.jdn = engine.euroDateToJdn(&parsed) + ddd - 1;
    engine.jdnToEuroDate(&parsed);
    if (parsed.year != yyyy) {
        return ParseStatus::NotValid;  // day 366 of a common year
    }
    StoreDate(parsed, date);
    return ParseStatus::Valid;
}

// Dots in a day number may only be thousands separators: each one three
// digits before the end or before the next dot.
bool DotsGroupThousands(std::string_view text, std::size_t dots) {
    constexpr std::size_t kMaxDots = 3;
    constexpr std::size_t kGroupStride = kGroupDigits + 1;
    if (dots > kMaxDots || text.size() < dots * kGroupStride + 1) {
        return false;
    }
    for (std::size_t k = 0; k < dots; ++k) {
        if (text[text.size() - kGroupStride * (k + 1)] != '.') {
            return false;
        }
    }
    return true;
}

// A day number must not look like a date written with the separator; a
// leading "-" is its sign.
bool LooksLikeDate(std::string_view text, char separator) {
    const std::size_t count = CountChar(text, separator);
    switch (separator) {
        case '-':
            return count > 1 || (count == 1 && text.front() != '-');
        case '.':
            return count > 0 && !DotsGroupThousands(text, count);
        default:
            return count > 0;
    }
}

ParseStatus ParseJdnDate(std::string_view text, char separator, CalendarDate& date) {
    if (LooksLikeDate(text, separator)) {
        return ParseStatus::NotValid;
    }
    ParseStatus status = ParseStatus::NotValid;
    const int32_t jdn = ParseJdnText(text, status);
    if (status == ParseStatus::Valid) {
        date.jdn = jdn;
    }
    return status;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The text that the engine reads: the digits, "-" and the separators of a
// date text in their order, with how many "-" and other separators it holds.
struct CleanedDate {
    std::string text;
    std::size_t dashes = 0;
    std::size_t separators = 0;  // other than "-"
};

// One pass keeps what the engine reads and counts what decides the date's
// shape; the rest (blanks, parentheses, bytes outside ASCII) is dropped.
CleanedDate CleanDate(std::string_view text, char separator) {
    CleanedDate cleaned;
    cleaned.text.resize(text.size());
    std::size_t kept = 0;
    for (const char c : text) {
        if (c == '-') {
            ++cleaned.dashes;
        } else if (c == separator) {
            ++cleaned.separators;
        } else if (!IsDigit(c)) {
            continue;
        }
        cleaned.text[kept++] = c;
    }
    cleaned.text.resize(kept);
    return cleaned;
}

// The engine reads digits, "-" and exactly two separators, with at most a
// sign of each number besides.
bool HasDateShape(const CleanedDate& cleaned, char separator) {
    constexpr std::size_t kSeparatorsPerDate = 2;
    constexpr std::size_t kMaxDashesWithDash = 3;
    if (separator == '-') {
        return cleaned.dashes == kSeparatorsPerDate || cleaned.dashes == kMaxDashesWithDash;
    }
    return cleaned.dashes <= 1 && cleaned.separators == kSeparatorsPerDate;
}

ParseStatus ParseCalendarDate(std::string_view text, char separator, int32_t letter,
                              DateOrder order, CalendarDate& date) {
    const CleanedDate cleaned = CleanDate(text, separator);
    if (!HasDateShape(cleaned, separator)) {
        return ParseStatus::NotValid;
    }
    const EngineApi& engine = Engine();
    CalendarDate parsed{};
    const int32_t result =
        engine.strToDate(cleaned.text.c_str(), static_cast<int32_t>(order), &parsed, letter);
    if (result == DAYMATH_ERR_RANGE) {
        return ParseStatus::OutOfRange;
    }
    if (result != DAYMATH_OK) {
        return ParseStatus::NotValid;
    }
    parsed.jdn = letter == DAYMATH_ANNUS_NOVUS ? engine.annusNovusDateToJdn(&parsed)
                                               : engine.euroDateToJdn(&parsed);
    StoreDate(parsed, date);
    return ParseStatus::Valid;
}

void RequireThousandsSeparator(std::string_view separator) {
    if (separator.size() > 1 ||
        (separator.size() == 1 && (separator[0] == '\0' || !IsAscii(separator)))) {
        throw std::invalid_argument("A thousands separator is one ASCII character or none");
    }
}

std::size_t GroupedLength(std::string_view number) {
    const std::size_t body = number.size() - (!number.empty() && number.front() == '-' ? 1 : 0);
    return number.size() + (body > 0 ? (body - 1) / kGroupDigits : 0);
}

// The digits of a whole number, "-" in front when negative, written into digits.
std::string_view NumberText(int32_t value, std::array<char, kInt32TextLength>& digits) {
    const char* end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    return {digits.data(), static_cast<std::size_t>(end - digits.data())};
}

// Appends a whole number in decimal digits, "-" in front when negative.
void AppendNumber(std::string& text, int32_t value) {
    std::array<char, kInt32TextLength> digits{};
    text += NumberText(value, digits);
}

// A number text as the engine reads it: NUL-terminated, and short enough
// that its grouped form fits the engine's buffer.
using EngineNumber = std::array<char, DAYMATH_GROUPED_SIZE>;
// The engine's buffer for a grouped number.
using GroupedBuffer = std::array<char, DAYMATH_GROUPED_SIZE>;

// A 32-bit number for the engine: it fits in grouped, whatever its value.
EngineNumber EngineNumberOf(int32_t value) {
    EngineNumber digits{};
    std::to_chars(digits.data(), digits.data() + kInt32TextLength, value);
    return digits;
}

// The number grouped by the engine with a one-character separator; the
// text stands in grouped.
std::string_view GroupedByEngine(const EngineNumber& number, char separator,
                                 GroupedBuffer& grouped) {
    grouped.fill('\0');
    const int32_t length = Engine().separateThousands(
        number.data(), static_cast<unsigned char>(separator), grouped.data());
    // The length it wrote, kept within the buffer whatever the engine says.
    return {grouped.data(), static_cast<std::size_t>(std::clamp<int32_t>(
                                length, 0, static_cast<int32_t>(kGroupedLength)))};
}

// Appends the number text grouped as SeparateThousands describes; throws as
// it does, before appending.
void AppendGrouped(std::string& text, std::string_view number, std::string_view separator) {
    if (separator.empty()) {
        text += number;
        return;
    }
    RequireThousandsSeparator(separator);
    if (!IsAscii(number) || number.find('\0') != std::string_view::npos) {
        throw std::invalid_argument("A number text holds ASCII characters only");
    }
    if (GroupedLength(number) > kGroupedLength) {
        throw std::invalid_argument("The number " + std::string(number) +
                                    " is too long to group in thousands");
    }
    // The input fits, as its grouped form is no longer than the buffer's text.
    EngineNumber input{};
    std::copy(number.begin(), number.end(), input.begin());
    GroupedBuffer grouped;
    text += GroupedByEngine(input, separator[0], grouped);
}

// Appends day or month with at least two digits, as the pattern "00" writes them.
void AppendTwoDigits(std::string& text, int32_t value) {
    constexpr int32_t kBase = 10;
    constexpr int32_t kTwoDigitLimit = kBase * kBase;
    if (value >= 0 && value < kTwoDigitLimit) {
        // Every day and month of a real date.
        text += static_cast<char>('0' + value / kBase);
        text += static_cast<char>('0' + value % kBase);
    } else if (value <= -kBase || value >= kBase) {
        AppendNumber(text, value);
    } else {
        text += '-';
        text += '0';
        text += static_cast<char>('0' - value);
    }
}

// Appends the year; a Gregorian or Julian year beyond four digits is grouped.
void AppendYear(std::string& text, const CalendarDate& date, bool annusNovus,
                std::string_view thousands) {
    const bool large = date.year > kLargestUngroupedYear || date.year < -kLargestUngroupedYear;
    if (large && !annusNovus) {
        AppendGroupedNumber(text, date.year, thousands);
    } else {
        AppendNumber(text, date.year);
    }
}

}  // namespace

ParseStatus ParseDateText(std::string_view text, std::string_view separator, CalendarKind kind,
                          DateOrder order, CalendarDate& date) {
    if (kind == CalendarKind::AN) {
        separator = kAnnusNovusSeparator;
        if (order == DateOrder::MDY) {
            order = DateOrder::YMD;
        }
    }
    if (!IsDateSeparator(separator)) {
        return ParseStatus::NotValid;
    }
    std::string storage;
    switch (kind) {
        case CalendarKind::DIY:
            return ParseYyyyddd(WithBlanksForNonAscii(text, storage), date);
        case CalendarKind::JDN:
            return ParseJdnDate(WithBlanksForNonAscii(text, storage), separator[0], date);
        case CalendarKind::CE:
        case CalendarKind::JC:
        case CalendarKind::AN:
            // Cleaning drops the bytes outside ASCII as it would drop the
            // blanks standing for them.
            return ParseCalendarDate(text, separator[0], KindCalendarLetter(kind), order, date);
    }
    return ParseStatus::NotValid;
}

int32_t ParseJdnText(std::string_view text, ParseStatus& status) {
    status = ParseStatus::NotValid;
    // Bytes outside ASCII are dropped with the rest of what is not kept:
    // their positions do not matter here.
    std::string kept(text);
    KeepSignedDigits(kept, true);
    std::string_view digits = kept;
    const bool negative = !digits.empty() && digits.front() == '-';
    if (negative) {
        digits.remove_prefix(1);
    }
    if (!digits.empty() && digits.front() == '+') {
        digits.remove_prefix(1);
    }
    if (digits.empty() || digits.find('-') != std::string_view::npos) {
        return 0;
    }
    // Leading zeros add nothing to the magnitude.
    digits.remove_prefix(std::min(digits.find_first_not_of('0'), digits.size()));
    if (digits.size() > kLargestDayNumberText.size() ||
        (digits.size() == kLargestDayNumberText.size() && digits > kLargestDayNumberText)) {
        status = ParseStatus::OutOfRange;
        return 0;
    }
    int64_t magnitude = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
    const int64_t value = negative ? -magnitude : magnitude;
    status = IsAcceptedDayNumber(value) ? ParseStatus::Valid : ParseStatus::OutOfRange;
    return static_cast<int32_t>(value);
}

void AppendDate(std::string& text, const CalendarDate& date, DateOrder order,
                std::string_view separator, std::string_view thousands) {
    RequireThousandsSeparator(thousands);
    const bool annusNovus = date.calendar == DAYMATH_ANNUS_NOVUS;
    if (annusNovus) {
        separator = kAnnusNovusSeparator;
        if (order == DateOrder::MDY) {
            order = DateOrder::YMD;
        }
    }
    // Grouping with the date separator itself would add separators that no
    // reader could tell apart, so such a year stays ungrouped.
    if (thousands == separator) {
        thousands = {};
    }
    const auto orderCode = static_cast<std::size_t>(order);
    const auto& parts =
        kPartOrder[orderCode < kPartOrder.size() ? orderCode
                                                 : static_cast<std::size_t>(DateOrder::YMD)];
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) {
            text += separator;
        }
        switch (parts[i]) {
            case DatePart::Year: {
                // A negative year after a separator would read as a second separator.
                const bool inParentheses = i > 0 && date.year < 0;
                if (inParentheses) {
                    text += '(';
                }
                AppendYear(text, date, annusNovus, thousands);
                if (inParentheses) {
                    text += ')';
                }
                break;
            }
            case DatePart::Month:
                AppendTwoDigits(text, date.month);
                break;
            case DatePart::Day:
                AppendTwoDigits(text, date.day);
                break;
        }
    }
}

std::string SeparateThousands(std::string_view number, std::string_view separator) {
    std::string text;
    AppendGrouped(text, number, separator);
    return text;
}

void AppendGroupedNumber(std::string& text, int32_t value, std::string_view separator) {
    RequireThousandsSeparator(separator);
    if (separator.empty()) {
        AppendNumber(text, value);
        return;
    }
    GroupedBuffer grouped;
    text += GroupedByEngine(EngineNumberOf(value), separator[0], grouped);
}

}  // namespace datelib
