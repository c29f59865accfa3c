// libFuzzer target for the date-text readers. The first bytes of an input
// choose the notation, date order, date separator and thousands separator;
// the rest is the text. Every text that reads as valid must write back and
// read again as the same day number.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "datelib/date_text.h"
#include "datelib/date_values.h"

namespace {

using datelib::CalendarKind;
using datelib::DateOrder;
using datelib::ParseStatus;

constexpr std::size_t kSettingBytes = 4;
constexpr int kKindCount = 5;
// One order code beyond the enumeration, and "," as a date separator that
// the readers must refuse.
constexpr int kOrderCount = 4;
constexpr std::string_view kDateSeparators[] = {"-", "/", ".", ","};
constexpr std::string_view kThousandsSeparators[] = {",", ".", ""};

struct Settings {
    CalendarKind kind;
    DateOrder order;
    std::string_view separator;
    std::string_view thousands;
};

[[noreturn]] void Fail(const char* what, std::string_view text, const std::string& rewritten) {
    std::fprintf(stderr, "%s: \"%.*s\" rewritten as \"%s\"\n", what, static_cast<int>(text.size()),
                 text.data(), rewritten.c_str());
    std::abort();
}

std::string Rewrite(const CalendarDate& date, const Settings& s) {
    switch (s.kind) {
        case CalendarKind::JDN:
            return datelib::GroupedNumber(date.jdn, s.thousands);
        case CalendarKind::DIY:
            return datelib::FormatYyyyddd(date.jdn);
        default:
            return datelib::FormatDate(date, s.order, s.separator, s.thousands);
    }
}

void CheckDateText(std::string_view text, const Settings& s) {
    CalendarDate date{};
    if (datelib::ParseDateText(text, s.separator, s.kind, s.order, date) != ParseStatus::Valid) {
        return;
    }
    if (!datelib::IsAcceptedDayNumber(date.jdn)) {
        Fail("valid date beyond the accepted day numbers", text, "");
    }
    const std::string rewritten = Rewrite(date, s);
    CalendarDate again{};
    const ParseStatus status =
        datelib::ParseDateText(rewritten, s.separator, s.kind, s.order, again);
    if (status != ParseStatus::Valid || again.jdn != date.jdn) {
        Fail("date does not read back", text, rewritten);
    }
}

void CheckNumberText(std::string_view text, const Settings& s) {
    ParseStatus status = ParseStatus::NotValid;
    const int32_t value = datelib::ParseJdnText(text, status);
    if (status != ParseStatus::Valid) {
        return;
    }
    const std::string rewritten = datelib::GroupedNumber(value, s.thousands);
    ParseStatus againStatus = ParseStatus::NotValid;
    if (datelib::ParseJdnText(rewritten, againStatus) != value ||
        againStatus != ParseStatus::Valid) {
        Fail("number does not read back", text, rewritten);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size < kSettingBytes) {
        return 0;
    }
    const Settings settings{
        static_cast<CalendarKind>(data[0] % kKindCount),
        static_cast<DateOrder>(data[1] % kOrderCount),
        kDateSeparators[data[2] % std::size(kDateSeparators)],
        kThousandsSeparators[data[3] % std::size(kThousandsSeparators)],
    };
    const std::string_view text(reinterpret_cast<const char*>(data + kSettingBytes),
                                size - kSettingBytes);
    CheckDateText(text, settings);
    CheckNumberText(text, settings);
    return 0;
}
