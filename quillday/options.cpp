#include "options.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "operand_rules.h"
#include "program_messages.h"

namespace quillday::cli {

namespace {

using datelib::DateOrder;
using Error = std::optional<std::string>;

constexpr std::string_view kOptionMark = "--";
constexpr std::string_view kShortHelp = "-h";
constexpr char kDash = '-';

// A value an option takes, by its name on the command line.
template <typename Value>
struct Named {
    std::string_view name;
    Value value;
};

constexpr std::array<Named<DateOrder>, 3> kOrders{{
    {"ymd", DateOrder::YMD},
    {"dmy", DateOrder::DMY},
    {"mdy", DateOrder::MDY},
}};
constexpr std::array<Named<std::string_view>, 3> kSeparators{{
    {"-", "-"},
    {".", "."},
    {"/", "/"},
}};
constexpr std::array<Named<std::string_view>, 3> kThousands{{
    {",", ","},
    {".", "."},
    {"none", ""},
}};
constexpr std::array<Named<GEN_TEXT::LanguageCode>, 3> kLanguages{{
    {"en", GEN_TEXT::English},
    {"de", GEN_TEXT::German},
    {"es", GEN_TEXT::Spanish},
}};

template <typename Value, std::size_t N>
std::optional<Value> Lookup(const std::array<Named<Value>, N>& table, std::string_view name) {
    for (const Named<Value>& entry : table) {
        if (entry.name == name) {
            return entry.value;
        }
    }
    return std::nullopt;
}

// Stores the looked-up value, or says that the name is none of the table's.
template <typename Value, std::size_t N, typename Target>
Error Choose(const std::array<Named<Value>, N>& table, std::string_view name, Target& target,
             ProgramMessage unknown) {
    const std::optional<Value> value = Lookup(table, name);
    if (!value) {
        return Say(unknown, name);
    }
    target = Target(*value);
    return std::nullopt;
}

Error SetMode(Mode mode, Options& options) {
    if (options.mode != Mode::Single && options.mode != mode) {
        return Say(ProgramMessage::BatchAndCsv);
    }
    options.mode = mode;
    return std::nullopt;
}

// A column is a position from 1, or a name (anything but digits alone).
Error SetColumn(std::string_view text, Options& options) {
    if (!AllDigits(text)) {
        if (text.empty()) {
            return Say(ProgramMessage::BadColumn, text);
        }
        options.columnName = text;
        return SetMode(Mode::Csv, options);
    }
    std::size_t column = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), column);
    if (error != std::errc() || column == 0) {
        return Say(ProgramMessage::BadColumn, text);
    }
    options.column = column;
    return SetMode(Mode::Csv, options);
}

struct OptionRule {
    std::string_view name;
    bool takesValue;
    Error (*apply)(std::string_view value, std::string_view name, Options& options);
};

// clang-format off
constexpr std::array<OptionRule, 12> kOptionRules{{
    {"--from", true, [](auto value, auto name, Options& o) { return SetNotation(name, value, o.notations); }},
    {"--to", true, [](auto value, auto name, Options& o) { return SetNotation(name, value, o.notations); }},
    {"--order", true, [](auto value, auto, Options& o) { return Choose(kOrders, value, o.display.order, ProgramMessage::BadOrder); }},
    {"--separator", true, [](auto value, auto, Options& o) { return Choose(kSeparators, value, o.display.dateSeparator, ProgramMessage::BadSeparator); }},
    {"--thousands", true, [](auto value, auto, Options& o) { return Choose(kThousands, value, o.display.thousandsSeparator, ProgramMessage::BadThousands); }},
    {"--lang", true, [](auto value, auto, Options& o) { return Choose(kLanguages, value, o.language, ProgramMessage::BadLanguage); }},
    {"--batch", false, [](auto, auto, Options& o) { return SetMode(Mode::Batch, o); }},
    {"--csv", true, [](auto value, auto, Options& o) { return SetColumn(value, o); }},
    {"--header", false, [](auto, auto, Options& o) { o.header = true; return Error(); }},
    {"--strict", false, [](auto, auto, Options& o) { o.strict = true; return Error(); }},
    {"--help", false, [](auto, auto, Options& o) { o.help = true; return Error(); }},
    {"--version", false, [](auto, auto, Options& o) { o.version = true; return Error(); }},
}};
// clang-format on

// Takes the option at arguments[i] and its value; i then stands on the last
// argument taken.
Error TakeOption(std::span<const std::string_view> arguments, std::size_t& i, Options& options) {
    const OptionWord option = SplitOption(arguments[i]);
    const auto* rule = std::find_if(kOptionRules.begin(), kOptionRules.end(),
                                    [&option](const auto& s) { return s.name == option.name; });
    if (rule == kOptionRules.end() || (!rule->takesValue && option.value)) {
        return Say(ProgramMessage::UnknownOption, arguments[i]);
    }
    std::string_view value;
    if (rule->takesValue) {
        if (!option.value && i + 1 == arguments.size()) {
            return Say(ProgramMessage::MissingValue, option.name);
        }
        value = option.value ? *option.value : arguments[++i];
    }
    return rule->apply(value, option.name, options);
}

// A word before "--" that starts with "-" and can be no operand, now that
// the date separator is known, is an unknown option.
Error DashWordFault(std::span<const std::string_view> words, std::string_view separator) {
    for (const std::string_view word : words) {
        if (word.starts_with(kDash) && !IsDashOperand(word, separator)) {
            return Say(ProgramMessage::UnknownOption, word);
        }
    }
    return std::nullopt;
}

// The faults of options that are each right alone but not together.
Error CombinationFault(const Options& options) {
    if (options.mode != Mode::Single && options.operands.size() > 1) {
        return Say(ProgramMessage::TooManyFiles, options.operands[1]);
    }
    if (options.header && options.mode != Mode::Csv) {
        return Say(ProgramMessage::HeaderWithoutCsv);
    }
    if (!options.columnName.empty() && !options.header) {
        return Say(ProgramMessage::ColumnNameWithoutHeader, options.columnName);
    }
    return std::nullopt;
}

}  // namespace

ParsedOptions ParseOptions(std::span<const std::string_view> arguments) {
    ParsedOptions parsed;
    Options& options = parsed.options;
    std::size_t operandsBeforeEnd = std::string_view::npos;  // before "--", if any
    for (std::size_t i = 0; i < arguments.size() && !parsed.error; ++i) {
        const std::string_view word = arguments[i];
        if (operandsBeforeEnd != std::string_view::npos) {
            options.operands.push_back(word);
        } else if (word == kEndOfOptions) {
            operandsBeforeEnd = options.operands.size();
        } else if (word == kShortHelp) {
            options.help = true;
        } else if (word.starts_with(kOptionMark)) {
            parsed.error = TakeOption(arguments, i, options);
        } else {
            options.operands.push_back(word);
        }
    }
    if (!parsed.error) {
        parsed.error = DashWordFault(
            std::span(options.operands).first(std::min(operandsBeforeEnd, options.operands.size())),
            options.display.dateSeparator);
    }
    if (!parsed.error) {
        parsed.error = CombinationFault(options);
    }
    return parsed;
}

ComputeRequest RunRequest(const Options& options) {
    ComputeRequest request;
    request.display = options.display;
    request.language = options.language.value_or(GEN_TEXT::English);
    request.todayJdn = options.todayJdn;
    return request;
}

}  // namespace quillday::cli
