#include "forms/info_texts.h"

#include "services/web_addresses.h"
#include "texts/line_end.h"

namespace quillday {

namespace {

// Paragraphs and closing lines are the windows' wording as it stands, odd
// spellings and double blanks included.
// clang-format off
constexpr std::string_view kHelpEnglish[] = {
    "A Common Era (CE) date is a date in the Gregorian Calendar, except that years are numbered -1, 0, 1, 2 CE ... rather than AD/BC (1 AD = 1 CE, 1 BC = 0 CE, 2 BC = -1 CE, etc.)",
    "A Julian date is a date in the Julian Calendar (with years numbered in the same way).",
    "An Annus Novus date is a date in the Annus Novus Decimal Calendar.  This calendar has ten months each with 36 or 37 days, plus one day, \"Intercalarius\", at the end of leap years.  It has weeks consisting of five days.",
    "The (chronological) Julian day number of a day is the number of days since the start of -4712-01-01 (Julian Calendar).",
    "The yyyyddd date specifies day 'ddd' of Gregorian year 'yyyy', where New Year's Day  is day 001 and the last day of the year is 365 or 366.  Dates in this format can range from 0001001 to 9999365.",
    "To convert a date from one calendar to another first specify the input and output calendars to be used then enter the date in 'First date', and click on 'Compute'.",
    "To get the number of days from one date to another (possibly a date in a different calendar) enter both dates and click on 'Compute'.",
    "To add or subtract a number of days to the first date (or to the second date) enter that date and the number of days (positive or negative) and click on 'Compute'.",
};

constexpr TextLine kHelpEnglishClosing[] = {
    {"For further information click on 'Calendars'.  See also the web page"},
    {"", ShownAddress::UserGuide},
    {"You can select this URL and paste it into your browser (use a right mouse click)."},
};

constexpr std::string_view kHelpGerman[] = {
    "Ein Datum im (engl.) \"Common Era\" Kalender (CE) (auch als \"astronomischer Kalender\" bekannt) gleicht einem Datum im gregorianischen Kalender. Aber in diesem Kalender gibt es das Jahr 0, so dass sich die Jahreszahlen bezogen auf die Zeit vor Christi Geburt zwischen dem gregorianischen Kalender und dem \"Common Era\" Kalender um eine Einheit unterscheiden: 1 CE = 1 n.Chr., 0 CE = 1 v.Chr., -1 CE = 2 v.Chr., -2 CE = 3 v.Chr. usw.",
    "Ein julianisches Datum ist ein Datum im julianischen Kalender (JC); die Jahre werden in gleicher Weise gezählt.",
    "Ein Annus Novus Datum ist ein Datum im Annus Novus Dezimalkalender.  Dieser Kalender hat zehn Monate mit jeweils 36 oder 37 Tagen.  In Schaltjahren gibt es einen Tag, \"Intercalarius\", zusätzlich.  Dieser Kalender hat Wochen von fünf Tagen.",
    "Die julianischen Zählung verwendet den Tag als Einheit. Die (chronologische) julianische Tageszahl (JDN) gibt die Anzahl der Tage an, die seit dem Anfang vom 1.1.-4712 JC vergangen sind.",
    "Um die Daten aus einem Kalender in einen anderen umzuwandeln, ist zuerst zu spezifizieren, auf welches Kalendersystem sich das 'Erste Datum' bezieht, gefolgt von der Angabe des Kalenders, in den umgerechnet werden soll.  Danach muss im Feld 'Erstes Datum' ein Datum eingegeben werden. Das Anklicken von 'Berechnen' liefert das Resultat.",
    "Um die Anzahl der Tage zwischen zwei Datumsangaben eines Kalenders zu erhalten (möglich sind Datumsangaben in allen Kalendersystemen) sind beide Daten einzugeben. Resultat durch Klick auf 'Berechnen'.",
    "Um eine Anzahl von Tagen zu einem Datum (erstes oder zweites Datum) zu addieren oder von einem Datum zu subtrahieren, muss das Datum angegeben werden plus die Anzahl der Tage: positiv (Addition) oder negativ (Subtraktion).  Resultat durch Klick auf 'Berechnen'.",
};

constexpr TextLine kHelpGermanClosing[] = {
    {"Um weitere Informationen zu erhalten, klicken Sie auf 'Kalender'."},
    {"Beachten Sie auch die Webseite:"},
    {"", ShownAddress::UserGuide},
    {"Sie können diese URL markieren und in die Adresszeile Ihres Browser kopieren"},
    {"(brauchen Sie ein Rechtmausklick)."},
};

constexpr std::string_view kHelpSpanish[] = {
    "Una fecha de la Era Común (CE) es una fecha en el calendario Gregoriano, excepto que los años son numerados -1, 0, 1, 2, CE ... en lugar de AC/DC (1AC = 1CE, 1DC = 0CE, 2DC = -1CE, ...).",
    "Una fecha Juliana es una fecha en el calendario Juliano (con años numerados del mismo modo).",
    "Una fecha Annus Novus es una fecha en el calendario decimal de Annus Novus.  Este calendario tiene 10 meses con 36 o 37 días, más un día, \"Intercalarius\" en años bisiestos.  Tiene semanas de cinco días.",
    "El número (cronológico) de día Juliano de un día es el número de días desde el inicio -4712-01-01 (Calendario Juliano).",
    "Para convertir una fecha de un calendario a otro, introdúzcala en 'Primera fecha', específique los calendarios usados de entrada y salida y haga oprima sobre 'Calcular'.",
    "Para obtener el número de días entre una fecha y otra (posiblemente una fecha en un calendario diferente) intriduzca ambas fechas y oprima sobre 'Calcular'.",
    "Para sumar o restar un número de días a una primera fecha (o a una segunda fecha) entre la fecha y el número de días (positivo o negativo) y oprima sobre 'Calcular'.",
};

constexpr TextLine kHelpSpanishClosing[] = {
    {"Para información adicional presione sobre 'Calendarios'. Vea también la página"},
    {"Web ", ShownAddress::UserGuide},
    {"Usted puede seleccionar este URL y pegarlo en su navegador."},
};

constexpr std::string_view kCalendarsEnglish[] = {
    "This software implements three calendars: the Common Era (CE), the Julian (JC) and the Annus Novus (AN).  In each case years are numbered according to the astronomical convention: -2, -1, 0, 1, 2, ...",
    "Years in the Common Era (Gregorian) Calendar and the Julian Calendar have the following twelve months (with numbers of days in parentheses): January (31), February (28, 29 in leap years), March (31), April (30), May (31), June (30), July (31), August (31), September (30), October (31), November (30), December (31).",
    "In the Julian Calendar a year is a leap year if it is divisible by 4.  In the Common Era Calendar a year is a leap year if either (i) it is divisible by 4 but not by 100 or (ii) it is divisible by 400.",
    "Both the Julian Calendar and the Common Era Calendar use a week of seven days: Sunday, Monday, Tuesday, Wednesday, Thursday, Friday and Saturday.",
    "Years in the Annus Novus Decimal Calendar have the following ten months: Primus (36), Secundus (37), Tertius (36), Quartus (37), Quintus (36), Sextarius (37), Septimus (36), Octavus (37), Nonus (36), Decimus (37), plus an additional month, Intercalarius (1), in leap yars.",
    "In the Annus Novus Calendar a year is a leap year if either (i) the year + 281 is divisible by 4 but not by 100 or (ii) the year + 281 is divisible by 400.",
    "Annus Novus dates are always written with \"-\" as date separator.  The date format must be either day-month-year or year-month-day.",
    "The Annus Novus Calendar uses a week of five days: Primidi, Secundi, Tertidi, Quartidi, Quintidi.  The single day of Intercalarius is also called 'Intercalarius' and is not a week day.",
    "The three calendars are correlated thus:  2000-12-19 JC = 2001-01-01 CE = 10520-01-01 AN",
};

constexpr TextLine kCalendarsEnglishClosing[] = {
    {"Further information is available at these websites: "},
    {"Julian/Gregorian Calendar: ", ShownAddress::JulianGregorianCalendars},
    {"Annus Novus Calendar: ", ShownAddress::AnnusNovusRules},
    {"Julian day numbers: ", ShownAddress::JulianDayNumbers},
    {"You can select these URLs and paste them into your browser"},
    {"(highlight then right mouse click)."},
};

constexpr std::string_view kCalendarsGerman[] = {
    "Diese Software implementiert drei verschiedene Kalender: den Common Era (CE) Kalender, den julianischen Kalender (JC) und den Annus Novus Kalender (AN).",
    "In allen drei Fällen werden die Jahre in Übereinstimmung mit der astronomischen Konvention gezählt: -2,-1,0,1,2,... Jahre im Common Era (gregorianischen) und im julianischen Kalender haben die folgenden zwölf Monate (mit der Anzahl von Tagen in Parenthese): Januar (31), Februar (28, 29 in Schaltjahren), März (31), April (30), Mai (31), Juni (30), Juli (31), August (31), September (30), Oktober (31), November (30), Dezember (31).",
    "Im julianischen Kalender ist ein Jahr Schaltjahr, wenn die Jahreszahl durch 4 teilbar ist.  Im Common Era Kalender ist ein Jahr Schaltjahr, wenn die Jahreszahl durch 4 aber nicht durch 100 teilbar ist, mit der Ausnahme, dass Jahreszahlen, die durch 400 teilbar sind, ebenfalls Schaltjahre ergeben.",
    "Sowohl der julianische als auch der Common Era Kalender verwenden eine Woche von 7 Tagen:  Sonntag, Montag, Dienstag, Mittwoch, Donnerstag,Freitag, Samstag.",
    "Jahre im Annus Novus Dezimalkalender besitzen die folgenden zehn Monate:  Primus (36), Secundus (37), Tertius (36), Quartus (37), Quintus (36), Sextarius (37), Septimus (36), Octavus (37), Nonus (36), Decimus (37).  In einem Schaltjahr gibt es einen zusätzlichen Monat, Intercalarius (1).",
    "Im Annus Novus Kalender ist ein Jahr Schaltjahr, wenn die Jahreszahl + 281 durch 4 aber nicht durch 100 teilbar ist, mit der Ausnahme, dass Jahreszahlen + 281, die durch 400 teilbar sind, ebenfalls Schaltjahre ergeben.",
    "Annus Nova Daten werden immer mit dem Datumstrennzeichen  \"-\" geschrieben.  Das Datumsformat muss entweder Tag-Monat-Jahr oder Jahr-Monat-Tag sein.",
    "Der Annus Novus Kalender verwendet eine Fünf-Tage-Woche: Primidi, Secundi, Tertidi, Quartidi, Quintidi.  Der einzige Tag des Monats Intercalarius wird ebenfalls 'Intercalarius' genannt und ist kein Wochentag.",
    "Die drei Kalender lassen sich durch folgende Datumsentsprechungen aufeinander beziehen: 2000-12-19 JC = 2001-01-01 CE = 10520-01-01 AN",
};

constexpr TextLine kCalendarsGermanClosing[] = {
    {"Weitergehende Informationen sind auf den folgenden Webseiten verfügbar:"},
    {"Julianischer/gregorianischer Kalender: ", ShownAddress::JulianGregorianCalendars},
    {"Annus Novus Kalender: ", ShownAddress::AnnusNovusRules},
    {"Julianische Tageszahlen: ", ShownAddress::JulianDayNumbers},
    {"Sie können diese URL markieren und in die Adresszeile Ihres Browser kopieren"},
    {"(brauchen Sie ein Rechtmausklick)."},
};

constexpr std::string_view kCalendarsSpanish[] = {
    "Este software instrumenta tres calendarios: La Era Común (EC), el Juliano (CJ) y el Annus Novus (AN).  En todos los casos, los años son numerados de acuerdo a la convención astronómica: -2, -1, 0, 1, 2, ...",
    "Los años en el Calendario de la Era Común (Gregoriana) y en el CalendarioJuliano tienen los siguientes 12 meses (con sus números de días entre paréntesis): Enero (31), Febrero (28, 29 en años bisiestos), Marzo (31), Abril (30), Mayo (31), Junio (30), Julio (31), Agosto (31), Septiembre (30), Octubre (31), Noviembre (30), Diciembre (31).",
    "En el calendario Juliano un año es bisiesto si es divisible por 4.  En el Calendario de la Era Común un año es bisiesto si (i) es divisible por 4 pero no por 100 o si (ii) es divisible por 400.",
    "Ambos calendarios, el Juliano y el de la Era Común usan semanas de siete días: Domingo, Lunes, Martes, Miércoles, Jueves, Viernes, Sábado.",
    "Los años en el Calendario decimal de los Annus Novus tienen los siguientes10 meses: Primus (36), Secundus (37), Tertius (36), Quartus (37), Quintus (36), Sextarius (37), Septimus (36), Octavus (37), Nonus (36), Decimus (37), más un mes adicional, Intercalarius (1) en años bisiestos.",
    "En el Calendario de los Annus Novus un año es bisiesto si (i) el año + 281 es divisible por 4 pero no por 100 o si (ii) el año + 281 es divisible por 400.",
    "Las fechas de los Annus Novus son siempre escritos con un \"-\" como separador.  El formato de fecha puede ser o día-mes-año o año-mes-día.",
    "El Calendario de los Annus Novus usa semanas de 5 días: Primidi, Secundi, Tertidi, Quartidi, Quintidi.  El único día del mes Intercalarius también es llamado Intercalarius y no de otro modo.",
    "Los tres calendarios se correlacionan así: 2000-12-19 CJ = 2001-01-01 EC = 10520-1-1 AN",
};

constexpr TextLine kCalendarsSpanishClosing[] = {
    {"Información adicional está disponible en los siguientes sitios-Web:"},
    {"Calendario del Año Juliano/Gregoriano: ", ShownAddress::JulianGregorianCalendars},
    {"Calendario de los Annus Novus: ", ShownAddress::AnnusNovusRules},
    {"Números de días Julianos: ", ShownAddress::JulianDayNumbers},
    {"Usted puede seleccionar cada URL y pegarlo en su navegador."},
};

// Every role is credited to the project's developers; the English text ends
// with two line ends.
constexpr TextLine kCreditsEnglish[] = {
    {"Design and programming (May 2000 - March 2001): the Quillday developers"},
    {"German translation: the Quillday developers"},
    {"Spanish translation: the Quillday developers"},
    {"Beta testers: the Quillday developers"},
};

constexpr TextLine kCreditsGerman[] = {
    {"Entwicklung und Programmierung (Mai 2000 - März 2001): die Quillday-Entwickler"},
    {"Übersetzung ins Deutsch: die Quillday-Entwickler"},
    {"Übersetzung ins Spanisch: die Quillday-Entwickler"},
    {"Beta-Testers: die Quillday-Entwickler"},
};

constexpr TextLine kCreditsSpanish[] = {
    {"Diseño y programación (Mayo 2000 - Marzo 2001): los desarrolladores de Quillday"},
    {"Traducción al Alemán: los desarrolladores de Quillday"},
    {"Traducción al Español: los desarrolladores de Quillday"},
    {"Probadores de versiones beta: los desarrolladores de Quillday"},
};
// clang-format on

constexpr int kEnglishCreditsFinalLineEnds = 2;

constexpr InfoText kHelpEnglishText{kHelpEnglish, kHelpEnglishClosing};
constexpr InfoText kCreditsEnglishText{{}, kCreditsEnglish, kEnglishCreditsFinalLineEnds};
constexpr InfoText kNoText{};

// Slots: English, German, French, Portuguese, Spanish, unused.
constexpr InfoTextSlots kHelpTexts = {
    kHelpEnglishText, InfoText{kHelpGerman, kHelpGermanClosing},   kHelpEnglishText,
    kHelpEnglishText, InfoText{kHelpSpanish, kHelpSpanishClosing}, kNoText,
};

constexpr InfoTextSlots kCreditsTexts = {
    kCreditsEnglishText, InfoText{{}, kCreditsGerman},  kCreditsEnglishText,
    kCreditsEnglishText, InfoText{{}, kCreditsSpanish}, kNoText,
};

constexpr InfoTextSlots kCalendarsTexts = {
    InfoText{kCalendarsEnglish, kCalendarsEnglishClosing},
    InfoText{kCalendarsGerman, kCalendarsGermanClosing},
    kNoText,
    kNoText,
    InfoText{kCalendarsSpanish, kCalendarsSpanishClosing},
    kNoText,
};

}  // namespace

const InfoTextSlots& HelpTexts() {
    return kHelpTexts;
}

const InfoTextSlots& CreditsTexts() {
    return kCreditsTexts;
}

const InfoTextSlots& CalendarsTexts() {
    return kCalendarsTexts;
}

QString AddressText(ShownAddress address, GEN_TEXT::LanguageCode language) {
    switch (address) {
        case ShownAddress::UserGuide:
            return UserGuideAddress(language);
        case ShownAddress::JulianGregorianCalendars:
            return JulianGregorianCalendarsAddress();
        case ShownAddress::AnnusNovusRules:
            return AnnusNovusRulesAddress(language);
        case ShownAddress::JulianDayNumbers:
            return JulianDayNumbersAddress();
        case ShownAddress::None:
            break;
    }
    return {};
}

QString ComposeText(const InfoText& text, GEN_TEXT::LanguageCode language) {
    const QString lineEnd = QString::fromUtf8(kLineEnd);
    QString composed;
    for (std::string_view paragraph : text.paragraphs) {
        composed += QString::fromUtf8(paragraph) + lineEnd + lineEnd;
    }
    for (size_t i = 0; i < text.closingLines.size(); ++i) {
        const TextLine& line = text.closingLines[i];
        if (i > 0) {
            composed += lineEnd;
        }
        composed += QString::fromUtf8(line.words) + AddressText(line.address, language);
    }
    for (int i = 0; i < text.finalLineEnds; ++i) {
        composed += lineEnd;
    }
    return composed;
}

}  // namespace quillday
