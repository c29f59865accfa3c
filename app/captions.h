// The main window's captions in the current language, as data and small
// rules, apart from the widgets that show them.
#ifndef APP_CAPTIONS_H
#define APP_CAPTIONS_H

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "texts/gen_text.h"

namespace quillday {

// A control whose caption is a text-table entry, with a suffix.
struct CaptionRule {
    std::string_view control;
    GEN_TEXT::TextId text;
    std::string_view suffix;
};

// Every control captioned straight from the text table.
std::span<const CaptionRule> CaptionRules();

// What a screen reader reads for a control: its name, or the description
// read after the name and the control's type.
enum class AccessibleField { Name, Description };

// A name or description for screen readers that is a text-table entry.
struct AccessibleRule {
    std::string_view control;
    AccessibleField field;
    GEN_TEXT::TextId text;
};

// Every control whose name or description comes straight from the text
// table; the date boxes take theirs from the captions beside them.
std::span<const AccessibleRule> AccessibleRules();

// The introduction of the window in a language (0-5).
std::string IntroText(GEN_TEXT::LanguageCode language);

// The caption of a date-order option, e.g. "year month day" or "Tag Monat
// Jahr": three entries in the language, lower-cased except in German.
std::string DateOrderCaption(GEN_TEXT::TextId first, GEN_TEXT::TextId second,
                             GEN_TEXT::TextId third, GEN_TEXT::LanguageCode language);

// The number a day-count text starts with, as a simple reader takes it:
// blanks skipped, a sign, digits and one decimal point up to the first other
// character, rounded half to even; 0 when there is none. "1,000" gives 1.
// Very large numbers saturate at +-2^31.
int64_t LeadingNumber(std::string_view text);

// The copy button: its caption and width (twips) in the language, with or
// without selected text in the output window.
std::string CopyButtonCaption(bool selected, GEN_TEXT::LanguageCode language);
int CopyButtonWidthTwips(bool selected, GEN_TEXT::LanguageCode language);

}  // namespace quillday

#endif
