#include "operand_rules.h"

#include <algorithm>
#include <array>

#include "compute/key_filter.h"
#include "datelib/date_text.h"
#include "program_messages.h"

namespace quillday::cli {

namespace {

constexpr std::size_t kGroupDigits = 3;
// The key filters' length limit plays no part here: any length may pass.
constexpr std::size_t kNoLength = 0;
constexpr std::size_t kNoLimit = 1;
constexpr char kMinus = '-';
constexpr char kPlus = '+';
constexpr char kOpen = '(';
constexpr char kClose = ')';
constexpr char kHalfDigit = '5';
constexpr unsigned char kContinuationMask = 0xC0;
constexpr unsigned char kContinuationMark = 0x80;

constexpr std::array<std::string_view, 3> kRoleNames{"first date", "second date", "day count"};

struct LocalePrefix {
    std::string_view prefix;
    GEN_TEXT::LanguageCode language;
};
constexpr std::array<LocalePrefix, 2> kLocaleLanguages{{
    {"de", GEN_TEXT::German},
    {"es", GEN_TEXT::Spanish},
}};

std::string_view RoleName(OperandRole role) {
    return kRoleNames[static_cast<std::size_t>(role)];
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The whole character (a UTF-8 sequence) that starts at text[at].
std::string_view CharacterAt(std::string_view text, std::size_t at) {
    std::size_t end = at + 1;
    while (end < text.size() &&
           (static_cast<unsigned char>(text[end]) & kContinuationMask) == kContinuationMark) {
        ++end;
    }
    return text.substr(at, end - at);
}

// The first character from text[from] on that the filter refuses, as a
// message that shows the whole text. Digits and the separator, of which
// nearly every operand is made, pass without asking the filter.
template <typename Filter>
std::optional<std::string> CharacterFault(std::string_view text, std::size_t from,
                                          std::string_view separator, OperandRole role,
                                          Filter accepts) {
    const char usual = separator.empty() ? '0' : separator.front();
    for (std::size_t at = from; at < text.size(); ++at) {
        const char c = text[at];
        if (!IsDigit(c) && c != usual &&
            !accepts(static_cast<char32_t>(static_cast<unsigned char>(c)))) {
            return Say(ProgramMessage::ForeignCharacter,
                       {CharacterAt(text, at), RoleName(role), text});
        }
    }
    return std::nullopt;
}

std::string_view WithoutSign(std::string_view text, char sign) {
    return !text.empty() && text.front() == sign ? text.substr(1) : text;
}

std::string_view WithoutParentheses(std::string_view text) {
    return text.size() >= 2 && text.front() == kOpen && text.back() == kClose
               ? text.substr(1, text.size() - 2)
               : text;
}

// A decimal digit string plus one.
std::string Incremented(std::string digits) {
    auto at = digits.rbegin();
    for (; at != digits.rend() && *at == '9'; ++at) {
        *at = '0';
    }
    if (at == digits.rend()) {
        digits.insert(digits.begin(), '1');
    } else {
        ++*at;
    }
    return digits;
}

std::string WithoutLeadingZeros(std::string digits) {
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? "0" : digits.substr(first);
}

// The message for a number that is not a grouped whole number.
std::string NotWholeMessage(std::string_view text, std::string_view thousands, OperandRole role) {
    return thousands.empty() ? Say(ProgramMessage::NotDigits, {RoleName(role), text})
                             : Say(ProgramMessage::BadGrouping, {RoleName(role), text, thousands});
}

}  // namespace

bool AllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), IsDigit);
}

std::optional<std::string> DateCharacterFault(std::string_view date, std::string_view separator,
                                              OperandRole role) {
    return CharacterFault(date, 0, separator, role, [separator](char32_t key) {
        return AcceptDateKey(key, kNoLength, kNoLimit, separator);
    });
}

std::optional<std::string> DayNumberFault(std::string_view date, std::string_view thousands,
                                          OperandRole role) {
    const std::string_view number = WithoutParentheses(date);
    if (const auto day = JulianDateDayNumber(number, DecimalMarkBeside(thousands))) {
        return Say(ProgramMessage::JulianDate, {RoleName(role), date, *day});
    }
    if (!IsGroupedWholeNumber(WithoutSign(number, kMinus), thousands)) {
        return NotWholeMessage(date, thousands, role);
    }
    return std::nullopt;
}

std::optional<std::string> DayCountFault(std::string_view count, std::string_view thousands) {
    // The sign is syntax, and no character of the days field.
    const std::size_t signLength = std::min<std::size_t>(1, count.size());
    const std::string_view digits = count.substr(signLength);
    if (JulianDateDayNumber(digits, DecimalMarkBeside(thousands))) {
        return Say(ProgramMessage::FractionOfDays, count);
    }
    const auto fault = CharacterFault(
        count, signLength, thousands, OperandRole::DayCount, [thousands](char32_t key) {
            return AcceptDayCountKey(key, kNoLength, kNoLimit, thousands);
        });
    if (fault) {
        return fault;
    }
    if (!IsGroupedWholeNumber(digits, thousands)) {
        return NotWholeMessage(count, thousands, OperandRole::DayCount);
    }
    return std::nullopt;
}

bool IsDayCountWord(std::string_view word) {
    if (word.starts_with(kPlus)) {
        return true;
    }
    return word.size() >= 2 && word[0] == kMinus && IsDigit(word[1]) &&
           std::all_of(word.begin() + 2, word.end(),
                       [](char c) { return IsDigit(c) || c == ',' || c == '.'; });
}

bool IsGroupedWholeNumber(std::string_view digits, std::string_view thousands) {
    if (thousands.empty() || digits.find(thousands) == std::string_view::npos) {
        return AllDigits(digits);
    }
    const std::size_t first = digits.find(thousands);
    if (first == 0 || first > kGroupDigits || !AllDigits(digits.substr(0, first))) {
        return false;
    }
    for (std::size_t at = first; at < digits.size(); at += thousands.size() + kGroupDigits) {
        if (digits.substr(at, thousands.size()) != thousands ||
            digits.size() - at - thousands.size() < kGroupDigits ||
            !AllDigits(digits.substr(at + thousands.size(), kGroupDigits))) {
            return false;
        }
    }
    return true;
}

std::optional<std::string> JulianDateDayNumber(std::string_view text, char decimalMark) {
    const bool negative = text.starts_with(kMinus);
    const std::string_view number = WithoutSign(text, kMinus);
    const std::size_t mark = number.find(decimalMark);
    if (mark == std::string_view::npos || !AllDigits(number.substr(0, mark)) ||
        !AllDigits(number.substr(mark + 1))) {
        return std::nullopt;
    }
    const std::string_view fraction = number.substr(mark + 1);
    // J + 0.5 passes the next whole number from a half on; below zero only
    // beyond a half, as -2.5 + 0.5 is exactly -2.
    const bool beyondHalf =
        fraction[0] > kHalfDigit ||
        (fraction[0] == kHalfDigit && fraction.find_first_not_of('0', 1) != std::string_view::npos);
    const bool nextDay = negative ? beyondHalf : fraction[0] >= kHalfDigit;
    std::string day(number.substr(0, mark));
    day = WithoutLeadingZeros(nextDay ? Incremented(std::move(day)) : std::move(day));
    return negative && day != "0" ? kMinus + day : day;
}

char DecimalMarkBeside(std::string_view thousands) {
    return thousands == "." ? ',' : '.';
}

bool IsDashOperand(std::string_view word, std::string_view separator) {
    return word.size() <= 1 || IsDigit(word[1]) ||
           !DateCharacterFault(word, separator, OperandRole::FirstDate);
}

GEN_TEXT::LanguageCode LanguageOfLocale(std::string_view lcAll, std::string_view lcMessages,
                                        std::string_view lang) {
    const std::string_view locale = !lcAll.empty()        ? lcAll
                                    : !lcMessages.empty() ? lcMessages
                                                          : lang;
    for (const LocalePrefix& entry : kLocaleLanguages) {
        if (locale.starts_with(entry.prefix)) {
            return entry.language;
        }
    }
    return GEN_TEXT::English;
}

}  // namespace quillday::cli
