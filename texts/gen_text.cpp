#include "texts/gen_text.h"

#include <array>

namespace GEN_TEXT {

namespace {

using Slots = std::array<std::string_view, kLanguageSlots>;

struct TextEntry {
    TextId id;
    Slots slots;  // indexed by LanguageCode: English, German, French, Portuguese, Spanish, unused
};

// clang-format off
constexpr std::array<TextEntry, kTextCount> kTexts = {{
    {TextId::AnnusNovusDate, {"Annus Novus date", "Annus Novus Datum", "???", "???", "Fecha Annus Novus", ""}},
    {TextId::AWeekFromTodayIs, {"A week from today is", "Eine Woche weiter als heute ist", "???", "Uma semana após hoje é", "Una semana a partir de hoy es", ""}},
    {TextId::AFiveDayWeekFromTodayIs, {"A (5-day) week from today is", "Eine (5-Tage-)Woche weiter als heute ist", "???", "Uma (5-dia) semana após hoje é", "Una (5-dia) semana a partir de hoy es", ""}},
    {TextId::Calendars, {"Calendars", "Kalender", "", "", "Calendarios", ""}},
    {TextId::Clear, {"Clear", "Lösche", "???", "Cancele", "Borrar", ""}},
    {TextId::ClickToChangeCalendar, {"Click to change calendar", "Anklicken um Kalender zu verändern", "", "", "Oprima para cambiar calendario", ""}},
    {TextId::Close, {"Close", "Schliessen", "???", "Fechar", "Cerrar", ""}},
    {TextId::CommonEraDate, {"Common Era date", "Common Era Datum", "???", "Data da Era Comum", "Fecha de la Era Común", ""}},
    {TextId::Compute, {"Compute", "Berechnen", "???", "Calcular", "Calcular", ""}},
    {TextId::CopyToClipboard, {"Copy to clipboard", "Kopieren in Zwischenablage", "???", "Copiar para clipboard", "Copie al sujetapapeles", ""}},
    {TextId::CopySelectedTextToClipboard, {"Copy selected text to clipboard", "Kopieren ausgewählter Text in Zwischenablage", "", "", "Copie el texto seleccionado al sujetapapeles", ""}},
    {TextId::Credits, {"Credits", "Anerkennung", "???", "???", "Créditos", ""}},
    {TextId::DateDifference, {"Date difference", "Datumsdifferenz", "???", "Diferença de datas", "Diferencia entre fechas", ""}},
    {TextId::DateFormat, {"Date format", "Datumsformat", "???", "Formato da data", "Formato de fecha", ""}},
    {TextId::DateSeparator, {"Date separator", "Datumstrennzeichen", "???", "Separador de data", "Separador de fechas", ""}},
    {TextId::Day, {"Day", "Tag", "???", "Dia", "Día", ""}},
    {TextId::Days, {"Days", "Tage", "???", "Dias", "Días", ""}},
    {TextId::EnglishName, {"English", "Englisch", "Anglais", "Inglês", "Inglés", ""}},
    {TextId::Error, {"Error", "Fehler", "", "Erro", "Error", ""}},
    {TextId::FirstDate, {"First date", "Erstes Datum", "", "Primeira data", "Primera fecha", ""}},
    {TextId::GermanName, {"German", "Deutsch", "???", "Alemão", "Alemán", ""}},
    {TextId::Help, {"Help", "Hilfe", "???", "Ajuda", "Ayuda", ""}},
    {TextId::InputWindows, {"Input windows", "Eingabefenster", "???", "Janela de inserção", "Ventana de entrada", ""}},
    {TextId::JulianCalendarDate, {"Julian Calendar date", "Julianisches Kalenderdatum", "???", "Data do calendário Juliano", "Fecha del Calendario Juliano", ""}},
    {TextId::JulianDayNumber, {"Julian day number", "Julianische Tageszahl", "???", "Número de dia Juliano", "Número de día Juliano", ""}},
    {TextId::Language, {"Language", "Sprache", "???", "???", "Idioma", ""}},
    {TextId::Minus, {"minus", "minus", "???", "negativo", "menos", ""}},
    {TextId::Month, {"Month", "Monat", "???", "Mês", "Mes", ""}},
    {TextId::Months, {"Months", "Monate", "???", "Meses", "Meses", ""}},
    {TextId::None, {"None", "Keine", "???", "???", "ninguno", ""}},
    {TextId::OnlineDocumentation, {"Online documentation", "Online-Dokumentation", "", "", "Documentación en línea", ""}},
    {TextId::OutOfRange, {"Out of Range", "Ausserhalb des erlaubten Bereichs", "", "", "Fuera de rango", ""}},
    {TextId::OutputWindow, {"Output window", "Ausgabefenster", "???", "Janela de resultados", "Ventana de salida", ""}},
    {TextId::Plus, {"plus", "plus", "???", "positivo", "más", ""}},
    {TextId::Quit, {"Quit", "Beenden", "???", "Sair", "Abandonar", ""}},
    {TextId::SecondDate, {"Second date", "Zweites Datum", "", "Segunda data", "Segunda fecha", ""}},
    {TextId::SecondToFirst, {"Second -> First", "Zweites -> Erstes", "???", "Segunda -> Primeira", "Segundo -> Primero", ""}},
    {TextId::SpanishName, {"Spanish", "Spanisch", "???", "Espanhol", "Español", ""}},
    {TextId::StepFirstDate, {"Step the first date by a day", "Erstes Datum um einen Tag verstellen", "???", "???", "Cambiar la primera fecha en un día", ""}},
    {TextId::StepSecondDate, {"Step the second date by a day", "Zweites Datum um einen Tag verstellen", "???", "???", "Cambiar la segunda fecha en un día", ""}},
    {TextId::ThisIsA, {"This is a", "Dies ist ein", "???", "Isto é a", "Esto (a) es un(a)", ""}},
    {TextId::ThousandsSeparator, {"Thousands separator", "Tausendertrennzeichen", "???", "Separador de milhares", "Separador de miles", ""}},
    {TextId::Today, {"Today", "Heute", "", "Hoje", "Hoy", ""}},
    {TextId::TodayIs, {"Today is", "Heute ist", "???", "Hoje é", "Hoy es", ""}},
    {TextId::Year, {"Year", "Jahr", "???", "Ano", "Año", ""}},
    {TextId::Years, {"Years", "Jahre", "???", "Anos", "Años", ""}},
    {TextId::YyyydddDate, {"yyyyddd date", "yyyyddd Datum", "???", "Data yyyyddd", "Fecha yyyyddd", ""}},
}};

constexpr std::array<std::array<std::string_view, kDayNameCount>, kLanguageSlots> kDayNames = {{
    {{"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", ""}},
    {{"Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag", ""}},
    {{"Dimanche", "Lundi", "Mardi", "Mercredi", "Jeudi", "Vendredi", "Samedi", ""}},
    {{"Domingo", "Segunda-feira", "Terça-feira", "Quarta-feira", "Quinta-feira", "Sexta-feira", "Sábado", ""}},
    {{"Domingo", "Lunes", "Martes", "Miércoles", "Jueves", "Viernes", "Sábado", ""}},
    {},
}};
// clang-format on

constexpr bool EntriesFollowTheirIds() {
    for (int i = 0; i < kTextCount; ++i) {
        if (static_cast<int>(kTexts[static_cast<std::size_t>(i)].id) != i) {
            return false;
        }
    }
    return true;
}
static_assert(EntriesFollowTheirIds(), "kTexts must list the entries in the order of TextId");

bool IsLanguage(LanguageCode language) {
    return language >= 0 && language < kLanguageSlots;
}

}  // namespace

std::string_view Text(TextId id, LanguageCode language) {
    const auto index = static_cast<int>(id);
    if (index < 0 || index >= kTextCount || !IsLanguage(language)) {
        return {};
    }
    return kTexts[static_cast<std::size_t>(index)].slots[static_cast<std::size_t>(language)];
}

std::string_view DayName(int day, LanguageCode language) {
    if (day < 0 || day >= kDayNameCount || !IsLanguage(language)) {
        return {};
    }
    return kDayNames[static_cast<std::size_t>(language)][static_cast<std::size_t>(day)];
}

}  // namespace GEN_TEXT
