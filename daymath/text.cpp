// Reading dates from text and grouping digits, for the engine's C interface.
#include <cstdint>
#include <cstring>

#include "calendar_math.h"
#include "daymath.h"

namespace {

constexpr int kDatePartCount = 3;
constexpr size_t kGroupDigits = 3;
constexpr size_t kGroupedLength = DAYMATH_GROUPED_SIZE - 1;

struct DateNumber {
    int64_t value = 0;
    bool tooLong = false;  // beyond the 32-bit range
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsSeparator(char c) {
    return c == '-' || c == '/' || c == '.';
}

// Reads an optionally signed run of digits; returns the position after it,
// or nullptr when no digit follows.
const char* ReadNumber(const char* p, DateNumber& number) {
    const bool negative = *p == '-';
    if (negative) {
        ++p;
    }
    if (!IsDigit(*p)) {
        return nullptr;
    }
    uint64_t magnitude = 0;
    for (; IsDigit(*p); ++p) {
        if (magnitude > INT32_MAX) {
            number.tooLong = true;  // keep scanning: the digits still belong to this number
        } else {
            magnitude = magnitude * 10 + static_cast<uint64_t>(*p - '0');
        }
    }
    number.tooLong = number.tooLong || magnitude > INT32_MAX;
    number.value = negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
    return p;
}

// Splits "n<s>n<s>n" with one separator s used twice; false on anything else.
bool SplitDate(const char* text, DateNumber (&parts)[kDatePartCount]) {
    const char* p = text;
    char separator = 0;
    for (int i = 0; i < kDatePartCount; ++i) {
        p = ReadNumber(p, parts[i]);
        if (p == nullptr) {
            return false;
        }
        if (i == kDatePartCount - 1) {
            break;
        }
        if (!IsSeparator(*p) || (separator != 0 && *p != separator)) {
            return false;
        }
        separator = *p++;
    }
    return *p == '\0';
}

struct DateFields {
    DateNumber year, month, day;
};

DateFields InOrder(const DateNumber (&parts)[kDatePartCount], int32_t order) {
    switch (order) {
        case DAYMATH_ORDER_MDY:
            return {parts[2], parts[0], parts[1]};
        case DAYMATH_ORDER_DMY:
            return {parts[2], parts[1], parts[0]};
        default:
            return {parts[0], parts[1], parts[2]};
    }
}

bool IsKnownOrder(int32_t order) {
    return order == DAYMATH_ORDER_MDY || order == DAYMATH_ORDER_DMY || order == DAYMATH_ORDER_YMD;
}

}  // namespace

extern "C" {

DAYMATH_API int32_t str_to_date(const char* text, int32_t order, CalendarDate* date,
                                int32_t calendar) {
    if (text == nullptr || date == nullptr) {
        return DAYMATH_ERR_NULL;
    }
    if (!IsKnownOrder(order)) {
        return DAYMATH_ERR_ORDER;
    }
    if (!daymath::IsKnownCalendar(calendar)) {
        return DAYMATH_ERR_CALENDAR;
    }
    DateNumber parts[kDatePartCount];
    if (!SplitDate(text, parts)) {
        return DAYMATH_ERR_SYNTAX;
    }
    const DateFields f = InOrder(parts, order);
    // No calendar has a month or day that long, so that is no date at all;
    // only a year can be too large for the range.
    if (f.month.tooLong || f.day.tooLong) {
        return DAYMATH_ERR_DATE;
    }
    if (f.year.tooLong) {
        return DAYMATH_ERR_RANGE;
    }
    if (!daymath::IsValidDate(calendar, f.year.value, f.month.value, f.day.value)) {
        return DAYMATH_ERR_DATE;
    }
    const int64_t jdn = daymath::DateToJdn(calendar, f.year.value,
                                           static_cast<int32_t>(f.month.value), f.day.value);
    if (jdn < DAYMATH_MIN_JDN || jdn > DAYMATH_MAX_JDN) {
        return DAYMATH_ERR_RANGE;
    }
    date->year = static_cast<int32_t>(f.year.value);
    date->month = static_cast<int32_t>(f.month.value);
    date->day = static_cast<int32_t>(f.day.value);
    date->calendar = calendar;
    return DAYMATH_OK;
}

DAYMATH_API int32_t separate_thousands(const char* number, int32_t separator, char* buffer) {
    if (buffer == nullptr) {
        return DAYMATH_ERR_NULL;
    }
    if (number == nullptr) {
        buffer[0] = '\0';
        return DAYMATH_ERR_NULL;
    }
    const char mark = static_cast<char>(separator & 0xFF);
    size_t out = 0;
    if (*number == '-') {
        buffer[out++] = *number++;
    }
    const size_t length = std::strlen(number);
    // The first group takes the digits left over from the groups of three.
    size_t leftInGroup = length == 0 ? 0 : (length - 1) % kGroupDigits + 1;
    for (size_t i = 0; i < length && out < kGroupedLength; ++i) {
        if (leftInGroup == 0) {
            leftInGroup = kGroupDigits;
            if (mark != '\0') {
                buffer[out++] = mark;
                if (out == kGroupedLength) {
                    break;
                }
            }
        }
        buffer[out++] = number[i];
        --leftInGroup;
    }
    buffer[out] = '\0';
    return static_cast<int32_t>(out);
}

}  // extern "C"
