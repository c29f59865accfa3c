// The batch's commonest line, answered without the general request reader:
// a bare Common Era date with a four-digit year, written as the run's display
// writes it ("2012-12-31"), in a run that answers in CE or as a day number.
#ifndef QUILLDAY_PLAIN_DATES_H
#define QUILLDAY_PLAIN_DATES_H

#include <array>
#include <string>
#include <string_view>

#include "datelib/engine.h"
#include "request.h"
#include "texts/gen_text.h"

namespace quillday::cli {

class PlainDates {
  public:
    // Takes what the run's requests share (its display and language) and
    // the run's notations; answers lines only when they read the first date
    // as CE in year-month-day order with a one-character separator and
    // answer in CE or JDN. The engine must be loaded.
    PlainDates(const ComputeRequest& runRequest, const Notations& notations);

    // For a line "YYYY-MM-DD" (year 1000 to 9999, the display's separator)
    // naming a day that exists, appends what the general path answers, and
    // LF, to output and returns true. Returns false, output unchanged, for
    // every other line, which the general path then answers.
    bool Answer(std::string_view line, std::string& output) const;

  private:
    const datelib::EngineApi& engine_;
    bool active_ = false;
    bool toDayNumber_ = false;
    char separator_ = '\0';
    std::string thousands_;
    // What follows the date: " CE", or " CE = " before the day number.
    std::string afterDate_;
    // What ends the line, by week day: ", Monday\n", or " JDN, Monday\n".
    std::array<std::string, GEN_TEXT::kDayNameCount> lineEnds_;
};

}  // namespace quillday::cli

#endif
