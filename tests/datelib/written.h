// The date library's appending writers, each on an empty text: what they
// write, for comparing.
#ifndef TESTS_DATELIB_WRITTEN_H
#define TESTS_DATELIB_WRITTEN_H

#include <string>
#include <string_view>

#include "datelib/date_text.h"

namespace datelib::testing {

inline std::string WrittenDate(const CalendarDate& date, DateOrder order,
                               std::string_view separator, std::string_view thousands) {
    std::string text;
    AppendDate(text, date, order, separator, thousands);
    return text;
}

inline std::string WrittenNumber(int32_t value, std::string_view separator) {
    std::string text;
    AppendGroupedNumber(text, value, separator);
    return text;
}

inline std::string WrittenYyyyddd(int32_t jdn) {
    std::string text;
    AppendYyyyddd(text, jdn);
    return text;
}

}  // namespace datelib::testing

#endif
