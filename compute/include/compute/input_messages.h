// The messages of the Compute command and the spin steps, in every language.
#ifndef COMPUTE_INPUT_MESSAGES_H
#define COMPUTE_INPUT_MESSAGES_H

#include <array>
#include <cstddef>
#include <string>

#include "datelib/date_values.h"
#include "texts/gen_text.h"

namespace quillday {

// The message numbers: the checks of the three inputs in order, then the result.
enum class InputMessageId {
    BothDatesNeedEmptyDifference = 0,
    FirstDateNotValid = 1,
    FirstDateNotValidAnnusNovus = 2,
    FirstDateOutOfRange = 3,
    DifferenceNotValid = 4,
    DifferenceOutOfRange = 5,
    SecondDateNotValid = 6,
    SecondDateNotValidAnnusNovus = 7,
    SecondDateOutOfRange = 8,
    ResultOutOfRange = 9,
};

inline constexpr std::size_t kInputMessageCount = 10;

// The message in the language (0-5); French and the unused slot give empty
// text. Message 0 has two lines joined by the line end.
std::string InputMessage(InputMessageId id, GEN_TEXT::LanguageCode language);

// The message for a date box (n = 1 first, else second) whose text is no
// date of the kind: the Annus Novus wording for AN.
InputMessageId NotValidMessage(int n, datelib::CalendarKind kind);

// The message for a date box whose date lies beyond the accepted range.
InputMessageId OutOfRangeMessage(int n);

}  // namespace quillday

#endif
