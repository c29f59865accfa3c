#include "captions.h"

#include <algorithm>
#include <array>

#include "compute/result_lines.h"
#include "texts/line_end.h"

namespace quillday {

namespace {

using GEN_TEXT::TextId;

// clang-format off
constexpr std::array kCaptionRules = {
    CaptionRule{"lblDateFormat", TextId::DateFormat, ":"},
    CaptionRule{"lblDateSeparator", TextId::DateSeparator, ":"},
    CaptionRule{"lblThousandsSeparator", TextId::ThousandsSeparator, ":"},
    CaptionRule{"lblFirstDate", TextId::FirstDate, ":"},
    CaptionRule{"cmdClearFirstDate", TextId::FirstDate, ""},
    CaptionRule{"lblSecondDate", TextId::SecondDate, ":"},
    CaptionRule{"cmdClearSecondDate", TextId::SecondDate, ""},
    CaptionRule{"lblDateDifference", TextId::DateDifference, ":"},
    CaptionRule{"cmdClearDateDiffDays", TextId::DateDifference, ""},
    CaptionRule{"lblThisIsA(0)", TextId::ThisIsA, ""},
    CaptionRule{"lblThisIsA(1)", TextId::ThisIsA, ""},
    CaptionRule{"lblClear", TextId::Clear, ":"},
    CaptionRule{"cmdCompute", TextId::Compute, ""},
    CaptionRule{"cmdToday(0)", TextId::Today, ""},
    CaptionRule{"cmdToday(1)", TextId::Today, ""},
    CaptionRule{"cmdHelp", TextId::Help, ""},
    CaptionRule{"cmdCalendars", TextId::Calendars, ""},
    CaptionRule{"cmdCredits", TextId::Credits, ""},
    CaptionRule{"cmdQuit", TextId::Quit, ""},
    CaptionRule{"cmdClearInputWindows", TextId::InputWindows, ""},
    CaptionRule{"cmdClearOutputWindow", TextId::OutputWindow, ""},
    CaptionRule{"cmdMoveSecondDateToFirst", TextId::SecondToFirst, ""},
    CaptionRule{"cmdCopyToClipboard", TextId::CopyToClipboard, ""},
    CaptionRule{"optFirstDateIsCE", TextId::CommonEraDate, " (CE)"},
    CaptionRule{"optSecondDateIsCE", TextId::CommonEraDate, " (CE)"},
    CaptionRule{"optFirstDateIsJC", TextId::JulianCalendarDate, " (JC)"},
    CaptionRule{"optSecondDateIsJC", TextId::JulianCalendarDate, " (JC)"},
    CaptionRule{"optFirstDateIsAN", TextId::AnnusNovusDate, " (AN)"},
    CaptionRule{"optSecondDateIsAN", TextId::AnnusNovusDate, " (AN)"},
    CaptionRule{"optFirstDateIsJDN", TextId::JulianDayNumber, " (JDN)"},
    CaptionRule{"optSecondDateIsJDN", TextId::JulianDayNumber, " (JDN)"},
    CaptionRule{"optFirstDateIsDIY", TextId::YyyydddDate, ""},
    CaptionRule{"optSecondDateIsDIY", TextId::YyyydddDate, ""},
    CaptionRule{"lblOnlineDocumentation", TextId::OnlineDocumentation, ""},
};
// clang-format on

// The language list is described by its name too: Qt on Unix speaks a
// drop-down list's current entry as its name, and there only the
// description says what the list chooses.
// clang-format off
constexpr std::array kAccessibleRules = {
    AccessibleRule{"cboLanguage", AccessibleField::Name, TextId::Language},
    AccessibleRule{"cboLanguage", AccessibleField::Description, TextId::Language},
    AccessibleRule{"VScroll(0)", AccessibleField::Name, TextId::StepFirstDate},
    AccessibleRule{"VScroll(1)", AccessibleField::Name, TextId::StepSecondDate},
    AccessibleRule{"txbOutput", AccessibleField::Name, TextId::OutputWindow},
    AccessibleRule{"lblTodaysDate", AccessibleField::Description, TextId::ClickToChangeCalendar},
    AccessibleRule{"lblWeekFromToday", AccessibleField::Description, TextId::ClickToChangeCalendar},
};
// clang-format on

constexpr std::string_view kEnglishIntro =
    "This program converts Common Era (Gregorian) dates, Julian dates, "
    "Annus Novus dates, Julian day numbers and dates in the form yyyyddd.  "
    "It can also be used to add or subtract a number of days from "
    "a date and to find the difference between two dates. "
    "Click on \"Help\" for more information.";
constexpr std::string_view kGermanIntroFirstLine =
    "Dieses Programm konvertiert verschiedene Arten von Daten "
    "und julianische Tageszahlen.";
constexpr std::string_view kGermanIntroSecondLine =
    "Es erlaubt die Addition und die Subtraktion einer Anzahl von Tagen "
    "zu einem vorgegebenen Datum.  "
    "Klicken Sie auf \"Hilfe\" um weitere Informationen zu erhalten.";
constexpr std::string_view kSpanishIntro =
    "Este programa convierte fechas de la Era Común (Gregoriana), "
    "fechas Julianas, fechas de los Annus Novus, números de días Julianos y fecha yyyyddd. "
    "También puede ser usado para sumar o restar números de días a fechas y para encontrar "
    "la diferencia entre dos fechas.";
constexpr std::string_view kFrenchIntro = "txtIntro";

// Copy button widths in twips, by language: with and without a selection.
struct CopyWidths {
    int selected;
    int unselected;
};
constexpr CopyWidths kEnglishCopyWidths{3750, 2500};
constexpr CopyWidths kGermanCopyWidths{5000, 3500};
constexpr CopyWidths kOtherCopyWidths{5000, 3000};

// LeadingNumber saturates here, and rounds from this fraction digit up.
constexpr int64_t kLeadingNumberLimit = int64_t{1} << 31;
constexpr int kHalfDigit = 5;

}  // namespace

std::span<const CaptionRule> CaptionRules() {
    return kCaptionRules;
}

std::span<const AccessibleRule> AccessibleRules() {
    return kAccessibleRules;
}

std::string IntroText(GEN_TEXT::LanguageCode language) {
    switch (language) {
        case GEN_TEXT::English:
        case GEN_TEXT::Portuguese:
            return std::string(kEnglishIntro);
        case GEN_TEXT::German:
            return std::string(kGermanIntroFirstLine) + std::string(kLineEnd) +
                   std::string(kGermanIntroSecondLine);
        case GEN_TEXT::French:
            return std::string(kFrenchIntro);
        case GEN_TEXT::Spanish:
            return std::string(kSpanishIntro);
    }
    return {};
}

std::string DateOrderCaption(TextId first, TextId second, TextId third,
                             GEN_TEXT::LanguageCode language) {
    const auto word = [language](TextId id) { return std::string(GEN_TEXT::Text(id, language)); };
    return LowerCaseUnlessGerman(word(first) + " " + word(second) + " " + word(third), language);
}

int64_t LeadingNumber(std::string_view text) {
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string_view::npos) {
        return 0;
    }
    const bool negative = text[i] == '-';
    if (text[i] == '-' || text[i] == '+') {
        ++i;
    }
    const auto isDigit = [&text](std::size_t at) {
        return at < text.size() && text[at] >= '0' && text[at] <= '9';
    };
    int64_t whole = 0;
    for (; isDigit(i); ++i) {
        whole = std::min<int64_t>(whole * 10 + (text[i] - '0'), kLeadingNumberLimit);
    }
    // Round half to even on the fraction: its first digit and whether more follows.
    int firstFractionDigit = 0;
    bool moreFraction = false;
    if (i < text.size() && text[i] == '.') {
        ++i;
        if (isDigit(i)) {
            firstFractionDigit = text[i++] - '0';
        }
        for (; isDigit(i); ++i) {
            moreFraction = moreFraction || text[i] != '0';
        }
    }
    const bool aboveHalf =
        firstFractionDigit > kHalfDigit || (firstFractionDigit == kHalfDigit && moreFraction);
    const bool exactlyHalf = firstFractionDigit == kHalfDigit && !moreFraction;
    if (aboveHalf || (exactlyHalf && whole % 2 == 1)) {
        whole = std::min<int64_t>(whole + 1, kLeadingNumberLimit);
    }
    return negative ? -whole : whole;
}

std::string CopyButtonCaption(bool selected, GEN_TEXT::LanguageCode language) {
    return std::string(GEN_TEXT::Text(
        selected ? TextId::CopySelectedTextToClipboard : TextId::CopyToClipboard, language));
}

int CopyButtonWidthTwips(bool selected, GEN_TEXT::LanguageCode language) {
    const CopyWidths widths = language == GEN_TEXT::English  ? kEnglishCopyWidths
                              : language == GEN_TEXT::German ? kGermanCopyWidths
                                                             : kOtherCopyWidths;
    return selected ? widths.selected : widths.unselected;
}

}  // namespace quillday
