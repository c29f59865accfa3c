// One request of the program: its words (dates, a signed day count, --from
// and --to), read into the window's three fields and notations, and its
// answer: the window's line, or the window's message.
#ifndef QUILLDAY_REQUEST_H
#define QUILLDAY_REQUEST_H

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "compute/compute_command.h"

namespace quillday::cli {

// The notations named by --from (first date, then second date) and --to
// (the answer of a single date).
struct Notations {
    std::array<std::optional<datelib::CalendarKind>, 2> from;
    std::size_t fromGiven = 0;
    std::optional<datelib::CalendarKind> to;
};

// An option word split at its "=": "--to=AN" is {"--to", "AN"}; "--to" has
// no value.
struct OptionWord {
    std::string_view name;
    std::optional<std::string_view> value;
};
OptionWord SplitOption(std::string_view word);

// The notation's short name: "CE", "JC", "AN", "JDN" or "DIY".
std::string_view NotationShortName(datelib::CalendarKind kind);

// True for the words --from and --to.
bool IsNotationOption(std::string_view name);

// Takes the value of --from or --to into the notations. Returns an error
// message when the value is not CE, JC, AN, JDN or DIY (any case), or for a
// third --from.
std::optional<std::string> SetNotation(std::string_view name, std::string_view value,
                                       Notations& notations);

// The words of a text: its runs of characters other than blanks, tabs and
// line ends. Replaces the contents of words; the views point into text.
void SplitWords(std::string_view text, std::vector<std::string_view>& words);

// An error message for text that no request may hold: a NUL byte, or bytes
// that are not UTF-8.
std::optional<std::string> TextFault(std::string_view text);

// Why words make no request: a usage error (an unknown word, too many
// operands), or an operand that is no date or day count.
struct RequestFault {
    std::string message;
    bool isUsage = true;
};

// Reads a request. The first operand is the first date; a later operand that
// starts with "+", or with "-" and a digit followed by digits, "," and "."
// only (+10, -10, +1,000; IsDayCountWord), is the day count, written to the
// days field without a "+"; any other later operand is the second date.
// --from and --to among the words replace those of base; after the word
// "--" every word is an operand. Operands are held to the rules of
// operand_rules.h, with the request's display. Notations: first
// date the first --from; second date the second --from, else the first; the
// answer of a single date --to; CE when not named. Without operands the
// fields stay empty, which Compute reads as today's date.
// The request arrives with what every request of a run shares (its display
// and today's day number) and takes the fields and notations of the words;
// its strings keep their capacity. Returns the fault, and leaves the request
// alone, for words that make none.
std::optional<RequestFault> ReadRequest(std::span<const std::string_view> words,
                                        const Notations& base, ComputeRequest& request);

// What the program writes for a request.
struct RequestAnswer {
    std::string line;   // for standard output: the window's line, or empty
    std::string error;  // for standard error: empty when all went well
};

// Computes a request. An invalid request has no line and the window's
// message (its two lines, if it has two, joined by a blank); a result out
// of range has the window's line, ending in Out of Range, and its message.
// Two dates and a day count other than 0 are refused with the window's
// message, as if its question had been answered No.
RequestAnswer AnswerRequest(ComputeRequest request);

// Room for answering one request after another: the words, the request and
// the answers keep their capacity from one request to the next, so that a
// run of many requests allocates nothing for each. The request starts as
// the run's: its display and today's day number.
struct RequestRoom {
    explicit RequestRoom(ComputeRequest runRequest) : request(std::move(runRequest)) {}

    std::vector<std::string_view> words;
    ComputeRequest request;
    ComputeAnswer computed;
    RequestAnswer answer;
};

// Reads and computes the request of a text's words: a blank text has an
// empty answer; a text with a NUL byte or bytes that are not UTF-8, and
// words that make no request, have the program's message. Returns
// room.answer, which holds until the room answers the next request.
const RequestAnswer& AnswerText(std::string_view text, const Notations& base, RequestRoom& room);

}  // namespace quillday::cli

#endif
