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
using datelib::ParseStatus;

constexpr std::size_t kSettingBytes = 4;
constexpr int kKindCount = 5;
// One order code beyond the enumeration, and "," as a date separator that
// the readers must refuse.
constexpr int kOrderCount = 4;
constexpr std::string_view kDateSeparators[] = {"-", "/", ".", ","};
constexpr std::string_view kThousandsSeparators[] = {",", ".", ""};

void Require(bool holds, const char* what, std::string_view text, const std::string& rewritten) {
    if (!holds) {
        std::fprintf(stderr, "%s: \"%.*s\" rewritten as \"%s\"\n", what,
                     static_cast<int>(text.size()), text.data(), rewritten.c_str());
        std::abort();
    }
}

void CheckDateText(std::string_view text, CalendarKind kind, datelib::DateOrder order,
                   std::string_view separator, std::string_view thousands) {
    CalendarDate date{};
    if (datelib::ParseDateText(text, separator, kind, order, date) != ParseStatus::Valid) {
        return;
    }
    Require(datelib::IsAcceptedDayNumber(date.jdn), "valid beyond the accepted day numbers", text,
            "");
    std::string rewritten;
    if (kind == CalendarKind::JDN) {
        datelib::AppendGroupedNumber(rewritten, date.jdn, thousands);
    } else if (kind == CalendarKind::DIY) {
        datelib::AppendYyyyddd(rewritten, date.jdn);
    } else {
        datelib::AppendDate(rewritten, date, order, separator, thousands);
    }
    CalendarDate again{};
    Require(
        datelib::ParseDateText(rewritten, separator, kind, order, again) == ParseStatus::Valid &&
            again.jdn == date.jdn,
        "date does not read back", text, rewritten);
}

void CheckNumberText(std::string_view text, std::string_view thousands) {
    ParseStatus status = ParseStatus::NotValid;
    const int32_t value = datelib::ParseJdnText(text, status);
    if (status != ParseStatus::Valid) {
        return;
    }
    std::string rewritten;
    datelib::AppendGroupedNumber(rewritten, value, thousands);
    Require(datelib::ParseJdnText(rewritten, status) == value && status == ParseStatus::Valid,
            "number does not read back", text, rewritten);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size < kSettingBytes) {
        return 0;
    }
    const std::string_view thousands =
        kThousandsSeparators[data[3] % std::size(kThousandsSeparators)];
    const std::string_view text(reinterpret_cast<const char*>(data + kSettingBytes),
                                size - kSettingBytes);
    CheckDateText(text, static_cast<CalendarKind>(data[0] % kKindCount),
                  static_cast<datelib::DateOrder>(data[1] % kOrderCount),
                  kDateSeparators[data[2] % std::size(kDateSeparators)], thousands);
    CheckNumberText(text, thousands);
    return 0;
}
