// The text table: lookups follow the current language, and the slots that
// hold no translation give "???" or the empty text, never a failure.
#include <gtest/gtest.h>

#include "texts/gen_text.h"

namespace {

using GEN_TEXT::DayName;
using GEN_TEXT::LanguageCode;
using GEN_TEXT::Text;
using GEN_TEXT::TextId;

class GenText : public ::testing::Test {
  protected:
    void SetUp() override { GEN_TEXT::InitTexts(); }
    void TearDown() override { GEN_TEXT::InitTexts(); }
};

TEST_F(GenText, StartsInEnglish) {
    GEN_TEXT::currentLanguage = GEN_TEXT::Spanish;
    GEN_TEXT::InitTexts();
    EXPECT_EQ(GEN_TEXT::currentLanguage, GEN_TEXT::English);
    EXPECT_EQ(Text(TextId::SecondToFirst), "Second -> First");
    EXPECT_EQ(Text(TextId::AFiveDayWeekFromTodayIs), "A (5-day) week from today is");
    EXPECT_EQ(DayName(0), "Sunday");
}

struct Lookup {
    LanguageCode language;
    TextId id;
    const char* text;
};

TEST_F(GenText, EachLanguageReadsItsOwnSlot) {
    const Lookup lookups[] = {
        {GEN_TEXT::Spanish, TextId::Close, "Cerrar"},
        {GEN_TEXT::Spanish, TextId::ThisIsA, "Esto (a) es un(a)"},
        {GEN_TEXT::Spanish, TextId::None, "ninguno"},
        {GEN_TEXT::German, TextId::Clear, "Lösche"},
        {GEN_TEXT::German, TextId::OutOfRange, "Ausserhalb des erlaubten Bereichs"},
        {GEN_TEXT::Portuguese, TextId::Clear, "Cancele"},
        {GEN_TEXT::Portuguese, TextId::AnnusNovusDate, "???"},
        {GEN_TEXT::Portuguese, TextId::Calendars, ""},
        {GEN_TEXT::Portuguese, TextId::OutOfRange, ""},
        {GEN_TEXT::French, TextId::EnglishName, "Anglais"},
        {GEN_TEXT::French, TextId::Error, ""},
        {GEN_TEXT::French, TextId::Close, "???"},
        {static_cast<LanguageCode>(5), TextId::Close, ""},
    };
    for (const Lookup& l : lookups) {
        GEN_TEXT::currentLanguage = l.language;
        EXPECT_EQ(Text(l.id), l.text) << "language " << l.language;
        EXPECT_EQ(Text(l.id, l.language), l.text) << "language " << l.language;
    }
}

TEST_F(GenText, DayNamesFollowTheLanguage) {
    GEN_TEXT::currentLanguage = GEN_TEXT::Spanish;
    EXPECT_EQ(DayName(3), "Miércoles");
    GEN_TEXT::currentLanguage = GEN_TEXT::Portuguese;
    EXPECT_EQ(DayName(6), "Sábado");
    GEN_TEXT::currentLanguage = GEN_TEXT::French;
    EXPECT_EQ(DayName(1), "Lundi");
    EXPECT_EQ(DayName(7), "");
}

TEST_F(GenText, EveryEnglishTextIsFilledAndSlotFiveIsEmpty) {
    for (int i = 0; i < GEN_TEXT::kTextCount; ++i) {
        const auto id = static_cast<TextId>(i);
        EXPECT_FALSE(Text(id, GEN_TEXT::English).empty()) << i;
        EXPECT_TRUE(Text(id, static_cast<LanguageCode>(5)).empty()) << i;
    }
}

TEST_F(GenText, LookupsOutsideTheTableGiveEmptyText) {
    EXPECT_EQ(DayName(-1), "");
    EXPECT_EQ(DayName(8), "");
    EXPECT_EQ(Text(TextId::Close, static_cast<LanguageCode>(6)), "");
    EXPECT_EQ(Text(static_cast<TextId>(GEN_TEXT::kTextCount), GEN_TEXT::English), "");
}

}  // namespace
