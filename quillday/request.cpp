#include "request.h"

#include <algorithm>

#include "compute/result_lines.h"
#include "program_messages.h"
#include "texts/line_end.h"

namespace quillday::cli {

namespace {

using datelib::CalendarKind;

constexpr std::string_view kOptionMark = "--";
constexpr std::string_view kFromOption = "--from";
constexpr std::string_view kToOption = "--to";
constexpr std::size_t kMaxDates = 2;

struct NotationName {
    std::string_view name;
    CalendarKind kind;
};
constexpr std::array<NotationName, 5> kNotationNames{{
    {"CE", CalendarKind::CE},
    {"JC", CalendarKind::JC},
    {"AN", CalendarKind::AN},
    {"JDN", CalendarKind::JDN},
    {"DIY", CalendarKind::DIY},
}};

// The UTF-8 lead bytes: the length of their sequence and the range of its
// second byte, which leaves out overlong forms, surrogates and code points
// beyond U+10FFFF. ASCII bytes stand alone.
struct Utf8Lead {
    unsigned char first;
    unsigned char last;
    std::size_t length;
    unsigned char secondLow;
    unsigned char secondHigh;
};
constexpr std::array<Utf8Lead, 8> kUtf8Leads{{
    {0xC2, 0xDF, 2, 0x80, 0xBF},
    {0xE0, 0xE0, 3, 0xA0, 0xBF},
    {0xE1, 0xEC, 3, 0x80, 0xBF},
    {0xED, 0xED, 3, 0x80, 0x9F},
    {0xEE, 0xEF, 3, 0x80, 0xBF},
    {0xF0, 0xF0, 4, 0x90, 0xBF},
    {0xF1, 0xF3, 4, 0x80, 0xBF},
    {0xF4, 0xF4, 4, 0x80, 0x8F},
}};
constexpr unsigned char kLastAscii = 0x7F;
constexpr unsigned char kContinuationMask = 0xC0;
constexpr unsigned char kContinuationMark = 0x80;

// Blanks, tabs and line ends part the words of a request. They all lie at
// or below the blank, which most characters of a request settle at once.
bool IsBlank(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code <= ' ' && (code == ' ' || (code >= '\t' && code <= '\r'));  // tab, LF, VT, FF, CR
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// ASCII without a NUL byte: what nearly every request is.
bool IsPlainAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) {
        return c != '\0' && static_cast<unsigned char>(c) <= kLastAscii;
    });
}

unsigned char Byte(std::string_view text, std::size_t i) {
    return static_cast<unsigned char>(text[i]);
}

// The length of the UTF-8 sequence that starts at text[i], 0 for none.
std::size_t Utf8Length(std::string_view text, std::size_t i) {
    const unsigned char lead = Byte(text, i);
    if (lead <= kLastAscii) {
        return 1;
    }
    const auto* found = std::find_if(kUtf8Leads.begin(), kUtf8Leads.end(), [lead](const auto& l) {
        return lead >= l.first && lead <= l.last;
    });
    if (found == kUtf8Leads.end() || i + found->length > text.size() ||
        Byte(text, i + 1) < found->secondLow || Byte(text, i + 1) > found->secondHigh) {
        return 0;
    }
    for (std::size_t k = 2; k < found->length; ++k) {
        if ((Byte(text, i + k) & kContinuationMask) != kContinuationMark) {
            return 0;
        }
    }
    return found->length;
}

bool IsUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8Length(text, i);
        if (length == 0) {
            return false;
        }
        i += length;
    }
    return true;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    const auto upper = [](char c) {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [upper](char x, char y) { return upper(x) == upper(y); });
}

std::optional<CalendarKind> NotationNamed(std::string_view name) {
    for (const NotationName& entry : kNotationNames) {
        if (EqualsIgnoringCase(entry.name, name)) {
            return entry.kind;
        }
    }
    return std::nullopt;
}

// A sign, a digit, then digits and thousands separators: +10, -1,000. A
// second date that begins with "-" goes in parentheses, which dates ignore:
// (-43)-03-15.
bool IsDayCount(std::string_view word) {
    return word.size() >= 2 && (word[0] == '+' || word[0] == '-') && IsDigit(word[1]) &&
           std::all_of(word.begin() + 2, word.end(),
                       [](char c) { return IsDigit(c) || c == ',' || c == '.'; });
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// The message with its lines joined by a blank: one line on standard error
// for each failed request, whose line number leads it.
std::string OnOneLine(std::string message) {
    for (std::size_t at = message.find(kLineEnd); at != std::string::npos;
         at = message.find(kLineEnd, at + 1)) {
        message.replace(at, kLineEnd.size(), " ");
    }
    return message;
}

// Today's date in a notation, as the window's Today command writes it.
std::string TodayText(CalendarKind kind, datelib::DateOrder order) {
    CalendarDate today{};
    today.jdn = datelib::TodayJdn();
    return DayNumberText(today, kind, order).value_or(std::string());
}

// The operands of a request, in the order they came.
struct Operands {
    std::array<std::string_view, kMaxDates> dates;
    std::size_t dateCount = 0;
    std::optional<std::string_view> days;
};

std::optional<std::string> TakeOperand(std::string_view word, Operands& operands) {
    if (operands.dateCount > 0 && IsDayCount(word)) {
        if (operands.days) {
            return Say(ProgramMessage::TooManyDayCounts, word);
        }
        operands.days = word.front() == '+' ? word.substr(1) : word;
        return std::nullopt;
    }
    if (operands.dateCount == kMaxDates) {
        return Say(ProgramMessage::TooManyDates, word);
    }
    operands.dates[operands.dateCount++] = word;
    return std::nullopt;
}

// Takes the option at words[i], and its value from the next word unless it
// has one after "="; i then stands on the last word taken.
std::optional<std::string> TakeNotationOption(std::span<const std::string_view> words,
                                              std::size_t& i, Notations& notations) {
    const OptionWord option = SplitOption(words[i]);
    if (!IsNotationOption(option.name)) {
        return Say(ProgramMessage::RequestOptionOnly, option.name);
    }
    if (!option.value && i + 1 == words.size()) {
        return Say(ProgramMessage::MissingValue, option.name);
    }
    return SetNotation(option.name, option.value ? *option.value : words[++i], notations);
}

// Most requests leave two of the three fields empty, which clear() makes
// cheaper than an assignment of nothing.
void SetField(std::string& field, std::string_view text) {
    if (text.empty()) {
        field.clear();
    } else {
        field.assign(text);
    }
}

// Fills the request in place, so that its fields keep their capacity.
void FillRequest(const Operands& operands, const Notations& notations, datelib::DateOrder order,
                 ComputeRequest& request) {
    const CalendarKind first = notations.from[0].value_or(CalendarKind::CE);
    request.order = order;
    request.firstKind = first;
    request.secondKind = operands.dateCount == kMaxDates ? notations.from[1].value_or(first)
                                                         : notations.to.value_or(CalendarKind::CE);
    if (operands.dateCount > 0) {
        SetField(request.fields.firstDate, Trimmed(operands.dates[0]));
    } else {
        request.fields.firstDate = TodayText(first, order);
    }
    SetField(request.fields.secondDate, Trimmed(operands.dates[1]));
    SetField(request.fields.days, operands.days.value_or(std::string_view()));
}

// Computes room.request into room.answer.
const RequestAnswer& AnswerRoomRequest(RequestRoom& room) {
    Compute(room.request, room.computed);
    ComputeAnswer& computed = room.computed;
    RequestAnswer& answer = room.answer;
    answer.line.clear();
    answer.error.clear();
    if (computed.outcome == ComputeOutcome::Computed ||
        computed.outcome == ComputeOutcome::ResultOutOfRange) {
        // Moved, not copied: Compute clears the line before it writes the next.
        answer.line = std::move(computed.line);
    }
    if (computed.message) {
        answer.error = OnOneLine(InputMessage(*computed.message, GEN_TEXT::currentLanguage));
    }
    return answer;
}

// An answer without a line: only the error, if any.
const RequestAnswer& AnswerWithoutLine(std::string error, RequestRoom& room) {
    room.answer.line.clear();
    room.answer.error = std::move(error);
    return room.answer;
}

}  // namespace

OptionWord SplitOption(std::string_view word) {
    const std::size_t equals = word.find('=');
    if (equals == std::string_view::npos) {
        return {word, std::nullopt};
    }
    return {word.substr(0, equals), word.substr(equals + 1)};
}

bool IsNotationOption(std::string_view name) {
    return name == kFromOption || name == kToOption;
}

std::optional<std::string> SetNotation(std::string_view name, std::string_view value,
                                       Notations& notations) {
    const std::optional<CalendarKind> kind = NotationNamed(value);
    if (!kind) {
        return Say(ProgramMessage::BadNotation, value);
    }
    if (name == kToOption) {
        notations.to = kind;
        return std::nullopt;
    }
    if (notations.fromGiven == notations.from.size()) {
        return Say(ProgramMessage::TooManyFrom);
    }
    notations.from[notations.fromGiven++] = kind;
    return std::nullopt;
}

void SplitWords(std::string_view text, std::vector<std::string_view>& words) {
    words.clear();
    std::size_t at = 0;
    while (true) {
        while (at < text.size() && IsBlank(text[at])) {
            ++at;
        }
        if (at == text.size()) {
            return;
        }
        const std::size_t start = at;
        while (at < text.size() && !IsBlank(text[at])) {
            ++at;
        }
        words.push_back(text.substr(start, at - start));
    }
}

std::optional<std::string> TextFault(std::string_view text) {
    if (IsPlainAscii(text)) {
        return std::nullopt;
    }
    if (text.find('\0') != std::string_view::npos) {
        return Say(ProgramMessage::NulByte);
    }
    if (!IsUtf8(text)) {
        return Say(ProgramMessage::NotUtf8);
    }
    return std::nullopt;
}

ReadRequestResult ReadRequest(std::span<const std::string_view> words, const Notations& base,
                              datelib::DateOrder order) {
    ReadRequestResult read;
    read.error = ReadRequest(words, base, order, read.request);
    return read;
}

std::optional<std::string> ReadRequest(std::span<const std::string_view> words,
                                       const Notations& base, datelib::DateOrder order,
                                       ComputeRequest& request) {
    Notations own;
    Operands operands;
    for (std::size_t i = 0; i < words.size(); ++i) {
        std::optional<std::string> error = words[i].starts_with(kOptionMark)
                                               ? TakeNotationOption(words, i, own)
                                               : TakeOperand(words[i], operands);
        if (error) {
            return error;
        }
    }
    Notations notations = own.fromGiven > 0 ? own : base;
    notations.to = own.to ? own.to : base.to;
    FillRequest(operands, notations, order, request);
    return std::nullopt;
}

RequestAnswer AnswerRequest(ComputeRequest request) {
    RequestRoom room;
    room.request = std::move(request);
    AnswerRoomRequest(room);
    return std::move(room.answer);
}

const RequestAnswer& AnswerText(std::string_view text, const Notations& base,
                                datelib::DateOrder order, RequestRoom& room) {
    if (std::optional<std::string> fault = TextFault(text)) {
        return AnswerWithoutLine(std::move(*fault), room);
    }
    SplitWords(text, room.words);
    if (room.words.empty()) {
        return AnswerWithoutLine({}, room);
    }
    if (std::optional<std::string> error = ReadRequest(room.words, base, order, room.request)) {
        return AnswerWithoutLine(std::move(*error), room);
    }
    return AnswerRoomRequest(room);
}

}  // namespace quillday::cli
