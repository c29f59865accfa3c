#include "request.h"

#include <algorithm>

#include "compute/result_lines.h"
#include "operand_rules.h"
#include "program_messages.h"
#include "utf8.h"

namespace quillday::cli {

namespace {

using datelib::CalendarKind;

constexpr std::string_view kOptionMark = "--";
constexpr char kPlus = '+';
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

// Blanks, tabs and line ends part the words of a request. They all lie at
// or below the blank, which most characters of a request settle at once.
bool IsBlank(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code <= ' ' && (code == ' ' || (code >= '\t' && code <= '\r'));  // tab, LF, VT, FF, CR
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

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// The operands of a request, in the order they came.
struct Operands {
    std::array<std::string_view, kMaxDates> dates;
    std::size_t dateCount = 0;
    std::optional<std::string_view> days;
};

std::optional<std::string> TakeOperand(std::string_view word, Operands& operands) {
    if (operands.dateCount > 0 && IsDayCountWord(word)) {
        if (operands.days) {
            return Say(ProgramMessage::TooManyDayCounts, word);
        }
        operands.days = word;
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
inline void SetField(std::string& field, std::string_view text) {
    if (text.empty()) {
        field.clear();
    } else {
        field.assign(text);
    }
}

// The notations of the request's two date fields: a second date's, or
// that of the answer to a single date.
std::array<CalendarKind, kMaxDates> FieldKinds(const Operands& operands,
                                               const Notations& notations) {
    const CalendarKind first = notations.from[0].value_or(CalendarKind::CE);
    return {first, operands.dateCount == kMaxDates ? notations.from[1].value_or(first)
                                                   : notations.to.value_or(CalendarKind::CE)};
}

// Fills the request in place, so that its fields keep their capacity.
void FillRequest(const Operands& operands, const std::array<CalendarKind, kMaxDates>& kinds,
                 ComputeRequest& request) {
    const auto [first, second] = kinds;
    request.firstKind = first;
    request.secondKind = second;
    SetField(request.fields.firstDate, Trimmed(operands.dates[0]));
    SetField(request.fields.secondDate, Trimmed(operands.dates[1]));
    const std::string_view days = operands.days.value_or(std::string_view());
    SetField(request.fields.days, days.starts_with(kPlus) ? days.substr(1) : days);
}

// The first operand that the command line refuses, though the window's
// lenient reading might take it: a character no field lets a user type, or
// a number that is no whole number.
std::optional<std::string> OperandFault(const Operands& operands,
                                        const std::array<CalendarKind, kMaxDates>& kinds,
                                        std::string_view separator, std::string_view thousands) {
    for (std::size_t n = 0; n < operands.dateCount; ++n) {
        const auto role = n == 0 ? OperandRole::FirstDate : OperandRole::SecondDate;
        auto fault = DateCharacterFault(operands.dates[n], separator, role);
        if (!fault && kinds[n] == CalendarKind::JDN) {
            fault = DayNumberFault(Trimmed(operands.dates[n]), thousands, role);
        }
        if (fault) {
            return fault;
        }
    }
    return operands.days ? DayCountFault(*operands.days, thousands) : std::nullopt;
}

bool SecondDateNotValid(InputMessageId id) {
    return id == InputMessageId::SecondDateNotValid ||
           id == InputMessageId::SecondDateNotValidAnnusNovus;
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
        answer.error = CommandLineMessage(*computed.message, room.request.language);
        // "2012-12-31 10" meant ten days more often than a second date.
        const std::string& second = room.request.fields.secondDate;
        if (SecondDateNotValid(*computed.message) &&
            IsGroupedWholeNumber(second, room.request.display.thousandsSeparator)) {
            answer.error += Say(ProgramMessage::CountWithoutSign, second);
        }
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

std::string_view NotationShortName(CalendarKind kind) {
    const auto* found =
        std::find_if(kNotationNames.begin(), kNotationNames.end(),
                     [kind](const NotationName& entry) { return entry.kind == kind; });
    return found != kNotationNames.end() ? found->name : std::string_view();
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

std::optional<RequestFault> ReadRequest(std::span<const std::string_view> words,
                                        const Notations& base, ComputeRequest& request) {
    Notations own;
    Operands operands;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (!optionsEnded && words[i] == kEndOfOptions) {
            optionsEnded = true;
            continue;
        }
        std::optional<std::string> error = !optionsEnded && words[i].starts_with(kOptionMark)
                                               ? TakeNotationOption(words, i, own)
                                               : TakeOperand(words[i], operands);
        if (error) {
            return RequestFault{std::move(*error), true};
        }
    }
    Notations notations = own.fromGiven > 0 ? own : base;
    notations.to = own.to ? own.to : base.to;
    const std::array<CalendarKind, kMaxDates> kinds = FieldKinds(operands, notations);
    const datelib::Display& display = request.display;
    if (auto fault =
            OperandFault(operands, kinds, display.dateSeparator, display.thousandsSeparator)) {
        return RequestFault{std::move(*fault), false};
    }
    FillRequest(operands, kinds, request);
    return std::nullopt;
}

RequestAnswer AnswerRequest(ComputeRequest request) {
    RequestRoom room(std::move(request));
    AnswerRoomRequest(room);
    return std::move(room.answer);
}

const RequestAnswer& AnswerText(std::string_view text, const Notations& base, RequestRoom& room) {
    if (std::optional<std::string> fault = TextFault(text)) {
        return AnswerWithoutLine(std::move(*fault), room);
    }
    SplitWords(text, room.words);
    if (room.words.empty()) {
        return AnswerWithoutLine({}, room);
    }
    if (std::optional<RequestFault> fault = ReadRequest(room.words, base, room.request)) {
        return AnswerWithoutLine(std::move(fault->message), room);
    }
    return AnswerRoomRequest(room);
}

}  // namespace quillday::cli
