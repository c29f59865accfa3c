// The long texts of the Help, Credits and Calendars windows, as data, one
// table per window with a text for each language slot of GEN_TEXT.
#ifndef FORMS_INFO_TEXTS_H
#define FORMS_INFO_TEXTS_H

#include <QString>
#include <array>
#include <span>
#include <string_view>

#include "texts/gen_text.h"

namespace quillday {

// An address a text shows; filled in when the text is put together, since
// the user guide's address depends on where the program is installed and on
// the text's language.
enum class ShownAddress {
    None,
    UserGuide,
    JulianGregorianCalendars,
    AnnusNovusRules,
    JulianDayNumbers,
};

// A line of a text's closing block: its words, directly followed by the
// address, if any.
struct TextLine {
    std::string_view words;
    ShownAddress address = ShownAddress::None;
};

// A window text: paragraphs, each followed by two line ends; then a closing
// block of lines, separated by one line end; then finalLineEnds line ends.
// Texts are UTF-8. An InfoText without paragraphs and lines is empty.
struct InfoText {
    std::span<const std::string_view> paragraphs;
    std::span<const TextLine> closingLines;
    int finalLineEnds = 0;
};

// One text for each language slot (GEN_TEXT::LanguageCode).
using InfoTextSlots = std::array<InfoText, GEN_TEXT::kLanguageSlots>;

// The Help window's texts: English, German and Spanish; the French and
// Portuguese slots show the English text.
const InfoTextSlots& HelpTexts();

// The Credits window's texts: English, German and Spanish; the French and
// Portuguese slots show the English text.
const InfoTextSlots& CreditsTexts();

// The Calendars window's texts: English, German and Spanish; the French and
// Portuguese slots are empty.
const InfoTextSlots& CalendarsTexts();

// The text as the window shows it in the language, with the program's line
// end and the addresses filled in, the user guide's in that language:
// ComposeText of English help begins "A Common Era (CE) date is a date" and
// ends "(use a right mouse click).".
QString ComposeText(const InfoText& text, GEN_TEXT::LanguageCode language);

// The address a text in the language shows for `address`; empty for
// ShownAddress::None.
QString AddressText(ShownAddress address, GEN_TEXT::LanguageCode language);

}  // namespace quillday

#endif
