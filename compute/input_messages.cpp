#include "compute/input_messages.h"

#include "texts/line_end.h"

namespace quillday {

namespace {

// A message of one or two lines.
struct MessageText {
    std::string_view firstLine;
    std::string_view secondLine = {};
};

using LanguageMessages = std::array<MessageText, kInputMessageCount>;

// clang-format off
constexpr std::array<LanguageMessages, GEN_TEXT::kLanguageSlots> kInputMessages = {{
    // English
    {{
        {"If both the first date and the second date are specified",
         "then the date difference window must be empty."},
        {"First date is not valid in calendar specified."},
        {"First date is not valid in the Annus Novus Calendar."},
        {"First date is out of range."},
        {"Date difference is not valid."},
        {"Date difference is out of range."},
        {"Second date is not valid in calendar specified."},
        {"Second date is not valid in the Annus Novus Calendar."},
        {"Second date is out of range."},
        {"Result is out of range."},
    }},
    // German
    {{
        {" Wenn sowohl Erstes als auch Zweites Datum angegeben sind,",
         "muss das Feld für die Datumsdifferenz leer sein."},
        {"Erstes Datum ist in dem angegebenen Kalender nicht zulässig."},
        {"Erstes Datum ist in dem Annus Novus Kalender nicht zulässig."},
        {"Erstes Datum liegt ausserhalb des erlaubten Bereichs."},
        {"Datumsdifferenz ist nicht zulässig."},
        {"Datumsdifferenz ist ausserhalb des erlaubten Bereichs."},
        {"Zweites Datum ist im angegebenen Kalender nicht zulässig."},
        {"Zweites Datum ist in dem Annus Novus Kalender nicht zulässig."},
        {"Zweites Datum liegt ausserhalb des erlaubten Bereichs."},
        {"Das Resultat liegt ausserhalb des erlaubten Bereichs."},
    }},
    // French: none
    {},
    // Portuguese
    {{
        {"Se ambas a primeira e a segunda data foram especificadas, ",
         "então a janela da diferença de datas tem que estar vazia."},
        {"A primeira data não é válida no calendário especificado."},
        {"A primeira data não é válida no calendário Annus Novus."},
        {"A Primeira data está fora do intervalo."},
        {"A diferença de datas não é válida."},
        {"A diferença de datas está fora do intervalo."},
        {"A segunda data não é válida no calendário especificado."},
        {"A segunda data não é válida no calendário Annus Novus."},
        {"A segunda data está fora do intervalo."},
        {"A resultado data está fora do intervalo."},
    }},
    // Spanish
    {{
        {"Si ambas, la primera y la segunda fechas, son especificadas ",
         "entonces la ventana  de diferencia de fechas debe estar vacía."},
        {"La primera fecha no es válida en un calendario especificado."},
        {"La primera fecha no es válida en Calendario Annus Novus."},
        {"Primera fecha está fuera de rango."},
        {"Diferencia de fechas no es válida."},
        {"Diferencia de fechas está fuera de rango."},
        {"La segunda fecha no es válida en el calendario específicado."},
        {"La segunda fecha no es válida en Calendario Annus Novus."},
        {"La segunda fecha está fuera de rango."},
        {"El resultado está fuera de rango."},
    }},
    // unused slot
    {},
}};
// clang-format on

}  // namespace

std::string InputMessage(InputMessageId id, GEN_TEXT::LanguageCode language) {
    const auto number = static_cast<std::size_t>(id);
    if (language < 0 || language >= GEN_TEXT::kLanguageSlots || number >= kInputMessageCount) {
        return {};
    }
    const MessageText& message = kInputMessages[static_cast<std::size_t>(language)][number];
    std::string text(message.firstLine);
    if (!message.secondLine.empty()) {
        text += kLineEnd;
        text += message.secondLine;
    }
    return text;
}

InputMessageId NotValidMessage(int n, datelib::CalendarKind kind) {
    const bool annusNovus = kind == datelib::CalendarKind::AN;
    if (n == 1) {
        return annusNovus ? InputMessageId::FirstDateNotValidAnnusNovus
                          : InputMessageId::FirstDateNotValid;
    }
    return annusNovus ? InputMessageId::SecondDateNotValidAnnusNovus
                      : InputMessageId::SecondDateNotValid;
}

InputMessageId OutOfRangeMessage(int n) {
    return n == 1 ? InputMessageId::FirstDateOutOfRange : InputMessageId::SecondDateOutOfRange;
}

}  // namespace quillday
