// The text table: each language reads its own slot, and slots without a
// translation give "???" or the empty text as the table holds them.
#include <gtest/gtest.h>

#include "texts/gen_text.h"

namespace {

using GEN_TEXT::LanguageCode;
using GEN_TEXT::TextId;

TEST(GenText, StartsInEnglishAndEachLanguageReadsItsOwnSlot) {
    GEN_TEXT::currentLanguage = GEN_TEXT::Spanish;
    GEN_TEXT::InitTexts();
    EXPECT_EQ(GEN_TEXT::Text(TextId::SecondToFirst), "Second -> First");
    const struct {
        LanguageCode language;
        TextId id;
        const char* text;
    } lookups[] = {
        {GEN_TEXT::English, TextId::AFiveDayWeekFromTodayIs, "A (5-day) week from today is"},
        {GEN_TEXT::Spanish, TextId::ThisIsA, "Esto (a) es un(a)"},
        {GEN_TEXT::Spanish, TextId::None, "ninguno"},
        {GEN_TEXT::German, TextId::Clear, "Lösche"},
        {GEN_TEXT::German, TextId::OutOfRange, "Ausserhalb des erlaubten Bereichs"},
        {GEN_TEXT::Portuguese, TextId::Clear, "Cancele"},
        {GEN_TEXT::Portuguese, TextId::AnnusNovusDate, "???"},
        {GEN_TEXT::Portuguese, TextId::Calendars, ""},
        {GEN_TEXT::French, TextId::EnglishName, "Anglais"},
        {GEN_TEXT::French, TextId::Close, "???"},
    };
    for (const auto& l : lookups) {
        GEN_TEXT::currentLanguage = l.language;
        EXPECT_EQ(GEN_TEXT::Text(l.id), l.text) << "language " << l.language;
    }
    GEN_TEXT::InitTexts();
}

TEST(GenText, DayNamesFollowTheLanguage) {
    const struct {
        LanguageCode language;
        int16_t day;
        const char* name;
    } names[] = {{GEN_TEXT::English, 0, "Sunday"},
                 {GEN_TEXT::Spanish, 3, "Miércoles"},
                 {GEN_TEXT::Portuguese, 6, "Sábado"},
                 {GEN_TEXT::French, 1, "Lundi"}};
    for (const auto& n : names) {
        GEN_TEXT::currentLanguage = n.language;
        EXPECT_EQ(GEN_TEXT::DayName(n.day), n.name) << "language " << n.language;
    }
    GEN_TEXT::InitTexts();
}

TEST(GenText, EveryEnglishTextIsFilled) {
    for (int i = 0; i < GEN_TEXT::kTextCount; ++i) {
        EXPECT_FALSE(GEN_TEXT::Text(static_cast<TextId>(i), GEN_TEXT::English).empty()) << i;
    }
}

}  // namespace
