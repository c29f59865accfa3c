// Language switching: the list, the captions, the unit word, the focus,
// what screen readers read, and the user guide the links and information
// windows lead to.
#include "forms/frm_calendars.h"
#include "forms/frm_credits.h"
#include "forms/frm_help.h"
#include "window_test_helpers.h"

namespace quillday::testing {

namespace {

// The text of a label or a button.
QString Caption(const QWidget& window, const QString& control) {
    return Find<QWidget>(window, control)->property("text").toString();
}

// clang-format off
const struct { const char* control; const char* byEntry[3]; } kCaptions[] = {
    {"lblFirstDate", {"First date:", "Erstes Datum:", "Primera fecha:"}},
    {"lblDayOrDays", {"days", "Tage", "días"}},
    {"optDateFormatIsYMD", {"year month day", "Jahr Monat Tag", "año mes día"}},
    {"optDateFormatIsMDY", {"month day year", "Monat Tag Jahr", "mes día año"}},
    {"optThousSepNone", {"none", "keine", "ninguno"}},
    {"cmdCopyToClipboard", {"Copy to clipboard", "Kopieren in Zwischenablage", "Copie al sujetapapeles"}},
    {"optSecondDateIsJC", {"Julian Calendar date (JC)", "Julianisches Kalenderdatum (JC)", "Fecha del Calendario Juliano (JC)"}},
    {"optSeparatorIsDash", {"2012-12-31", "2012-12-31", "2012-12-31"}},
};

// guide: the file of the user guide in the language.
const struct { const char* name; int entry; const char *list, *intro, *tooltip, *today, *guide; } kLanguages[] = {
    {"back to English", kEnglishEntry, "English=0 German=1 Spanish=4", "This program converts Common Era (Gregorian) dates, Julian dates, ", "Click to change calendar", "Today is Monday,\n2012-12-31 CE (14:05).|A week from today is\n2013-01-07 CE.", "quillday-guide.html"},
    {"German", kGermanEntry, "Englisch=0 Deutsch=1 Spanisch=4", "Dieses Programm konvertiert verschiedene Arten von Daten ", "Anklicken um Kalender zu verändern", "Heute ist Montag,\nder 2012-12-31 CE (14:05).|Eine Woche weiter als heute ist\nder 2013-01-07 CE.", "quillday-guide.de.html"},
    {"Spanish", kSpanishEntry, "Inglés=0 Alemán=1 Español=4", "Este programa convierte fechas de la Era Común (Gregoriana), ", "Oprima para cambiar calendario", "Hoy es Lunes,\n2012-12-31 CE (14:05).|Una semana a partir de hoy es\n2013-01-07 CE.", "quillday-guide.es.html"},
};

// The German unit word after pasting a day count: "Tag" for a count that
// reads as one or minus one, rounded half to even.
const char* const kUnitWords[][2] = {
    {"1", "Tag"}, {"-1", "Tag"}, {"0", "Tage"}, {"2", "Tage"}, {"", "Tage"},
    {"1,500", "Tag"}, {" +1 days", "Tag"}, {"1.4", "Tag"}, {"1.5", "Tage"},
    {"0.5", "Tage"}, {"0.50", "Tage"}, {"0.51", "Tag"}, {"-0.6", "Tag"}, {"11", "Tage"}, {"19", "Tage"}, {"99999999999999999999", "Tage"},
};

// What screen readers read for controls without a caption, by entry of the list.
const struct { const char* control; QAccessible::Text field; const char* byEntry[3]; } kSpoken[] = {
    {"txbFirstDate", QAccessible::Name, {"First date:", "Erstes Datum:", "Primera fecha:"}},
    {"txbDateDiffDays", QAccessible::Name, {"Date difference: day", "Datumsdifferenz: Tag", "Diferencia entre fechas: día"}},
    {"txbSecondDate", QAccessible::Description, {"Julian Calendar date (JC)", "Julianisches Kalenderdatum (JC)", "Fecha del Calendario Juliano (JC)"}},
    {"VScroll(1)", QAccessible::Name, {"Step the second date by a day", "Zweites Datum um einen Tag verstellen", "Cambiar la segunda fecha en un día"}},
};
// clang-format on

// Windows' "MS Sans Serif": the system's, or Wine's added to the fonts of
// this program (under Wine the host's files are on drive Z:); else
// kNoWindowsFace.
const QString kWindowsFace = "MS Sans Serif";
const QString kNoWindowsFace = "none";
QString AddWindowsFace() {
    if (QFontDatabase::hasFamily(kWindowsFace)) {
        return kWindowsFace;
    }
    const QString file = "/usr/share/wine/fonts/ms_sans_serif.ttf";
    for (const QString& path : {file, "Z:" + file}) {
        if (QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFont(path))
                .contains(kWindowsFace)) {
            return kWindowsFace;
        }
    }
    return kNoWindowsFace;
}

// The labels and buttons that show a caption.
QList<QWidget*> CaptionedControls(const QWidget& window) {
    QList<QWidget*> controls;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        const bool captioned = qobject_cast<QLabel*>(control) != nullptr ||
                               qobject_cast<QAbstractButton*>(control) != nullptr;
        if (captioned && !control->property("text").toString().isEmpty()) {
            controls << control;
        }
    }
    return controls;
}

// A size in which the control's caption is surely whole: a label keeps its
// width, where its words wrap.
QSize RoomEnough(const QWidget* control) {
    constexpr int kMore = 200;
    const int width = qobject_cast<const QLabel*>(control) != nullptr ? 0 : kMore;
    return control->size() + QSize(width, kMore);
}

// The rows and columns that the control's caption covers when the control
// has that size: the bounds of the pixels that differ between the control
// drawn with its caption and without.
QSize InkSize(QWidget* control, QSize size) {
    const QSize designed = control->size();
    const QString caption = control->property("text").toString();
    control->resize(size);
    const QImage with = control->grab().toImage();
    control->setProperty("text", QString());
    const QImage without = control->grab().toImage();
    control->setProperty("text", caption);
    control->resize(designed);
    QRect ink;
    for (int y = 0; y < with.height(); ++y) {
        for (int x = 0; x < with.width(); ++x) {
            if (with.pixel(x, y) != without.pixel(x, y)) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    return ink.size();
}

QString Spoken(QWidget* control, QAccessible::Text field) {
    return QAccessible::queryAccessibleInterface(control)->text(field);
}

// The addresses of user guides an information window's text shows, each as
// the guide's file name and its section, if any:
// "quillday-guide.html#annus-novus".
QStringList GuideAddresses(const InfoWindow& info) {
    static const QRegularExpression kFileAddress("file:\\S+");
    QStringList addresses;
    QRegularExpressionMatchIterator found = kFileAddress.globalMatch(info.txbMsg->toPlainText());
    while (found.hasNext()) {
        const QUrl address(found.next().captured());
        addresses << address.fileName() +
                         (address.hasFragment() ? "#" + address.fragment() : QString());
    }
    return addresses;
}

}  // namespace

class LanguageTest : public WindowTest {
    Q_OBJECT

  private slots:
    void theWindowFollowsTheLanguage_data() { AddTableRows(kLanguages); }

    void theWindowFollowsTheLanguage() {
        const auto& row = TableRow(kLanguages);
        const int entry = row.entry;
        frmMain window(fakes_.ForWindow());
        ChooseLanguage(window, entry == kGermanEntry ? kSpanishEntry : kGermanEntry);
        ChooseLanguage(window, entry);
        const auto* languages = Find<QComboBox>(window, "cboLanguage");
        QStringList entries;
        for (int i = 0; i < languages->count(); ++i) {
            entries << languages->itemText(i) + "=" + languages->itemData(i).toString();
        }
        QCOMPARE(entries.join(' '), QString(row.list));
        QCOMPARE(languages->currentIndex(), entry);
        for (const auto& [control, byEntry] : kCaptions) {
            QCOMPARE(Caption(window, control), QString(byEntry[entry]));
        }
        QVERIFY(LabelText(window, "lblIntro").startsWith(row.intro));
        QCOMPARE(Find<QLabel>(window, "lblTodaysDate")->toolTip(), QString(row.tooltip));
        QCOMPARE(LabelText(window, "lblTodaysDate") + "|" + LabelText(window, "lblWeekFromToday"),
                 QString(row.today));
    }

    void everyCaptionIsDrawnWhole_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("face");
        const QString windowsFace = AddWindowsFace();
        for (const auto& [name, entry] :
             {std::pair{"English", kEnglishEntry}, std::pair{"German", kGermanEntry},
              std::pair{"Spanish", kSpanishEntry}}) {
            QTest::addRow("%s, the design font", name) << int(entry) << QString();
            QTest::addRow("%s, MS Sans Serif", name) << int(entry) << windowsFace;
        }
    }

    // In each language, with the face this system gives the design font and
    // with Windows' own (as Wine carries it, a line taller than Windows'
    // buttons leave by default), no caption loses a letter: its ink covers as
    // many rows and columns as in a control of room enough.
    void everyCaptionIsDrawnWhole() {
        QFETCH(int, entry);
        QFETCH(QString, face);
        if (face == kNoWindowsFace) {
            QSKIP("Wine's fonts (Debian's fonts-wine) are not installed");
        }
        frmMain window(fakes_.ForWindow());
        ChooseLanguage(window, entry);
        QStringList cut;
        for (QWidget* control : CaptionedControls(window)) {
            if (!face.isEmpty()) {
                QFont font = control->font();
                font.setFamily(face);
                control->setFont(font);
            }
            const QSize designed = InkSize(control, control->size());
            const QSize whole = InkSize(control, RoomEnough(control));
            if (designed != whole) {
                cut << QStringLiteral("%1 \"%2\": %3x%4 of %5x%6")
                           .arg(control->objectName(), control->property("text").toString())
                           .arg(designed.width())
                           .arg(designed.height())
                           .arg(whole.width())
                           .arg(whole.height());
            }
        }
        QCOMPARE(cut, QStringList());
    }

    void theUnitWordReadsTheDayCount() {
        for (const auto& [days, word] : kUnitWords) {
            frmMain window(fakes_.ForWindow());
            Paste(window, "txbDateDiffDays", days);
            QCOMPARE(BoxText(window, "txbDateDiffDays"), QString(days));
            ChooseLanguage(window, kGermanEntry);
            QCOMPARE(LabelText(window, "lblDayOrDays"), QString(word));
        }
    }

    // Every focusable control of every window has a name for screen readers.
    // The notation and the day count change in English, by their handlers;
    // German and Spanish re-apply them with the captions.
    void everyControlIsNamed() {
        frmMain window(fakes_.ForWindow());
        Click(window, "optSecondDateIsJC");
        Type(window, "txbFirstDate", "2012-12-31");
        Type(window, "txbDateDiffDays", "1\r");
        for (const int entry : {kEnglishEntry, kGermanEntry, kSpanishEntry}) {
            ChooseLanguage(window, entry);
            frmHelp help;
            frmCalendars calendars;
            frmCredits credits;
            for (QWidget* info : QWidgetList{&help, &calendars, &credits}) {
                info->show();
            }
            for (QWidget* control : QApplication::allWidgets()) {
                QVERIFY2(!control->isVisible() || control->focusPolicy() == Qt::NoFocus ||
                             !Spoken(control, QAccessible::Name).isEmpty(),
                         qPrintable(control->window()->objectName() + "." + control->objectName()));
            }
            for (const auto& [control, field, byEntry] : kSpoken) {
                QCOMPARE(Spoken(Find<QWidget>(window, control), field), QString(byEntry[entry]));
            }
        }
    }

    // An information window opens in the window's language and takes a
    // language chosen while it is open when it is next activated.
    void theInformationWindowsSpeakTheWindowsLanguage() {
        frmMain window(fakes_.ForWindow());
        ChooseLanguage(window, kGermanEntry);
        Click(window, "cmdCalendars");
        auto* calendars = window.findChild<frmCalendars*>();
        QVERIFY(calendars != nullptr);
        QTRY_COMPARE(calendars->windowTitle(), QString("QLY Kalender"));
        ChooseLanguage(window, kSpanishEntry);
        calendars->activateWindow();
        QTRY_COMPARE(calendars->windowTitle(), QString("QLY Calendarios"));
        QCOMPARE(calendars->cmdClose->text(), QString("Cerrar"));
    }

    // The links open the user guide in the language chosen last, and the Help
    // and Calendars windows, open since before the choice, show its address
    // once they are activated again, the Calendars window that of its Annus
    // Novus section.
    void theLinksAndInformationWindowsLeadToTheGuideOfTheLanguage_data() {
        AddTableRows(kLanguages);
    }

    void theLinksAndInformationWindowsLeadToTheGuideOfTheLanguage() {
        const auto& row = TableRow(kLanguages);
        frmMain window(fakes_.ForWindow());
        ClickAll(window, "cmdHelp cmdCalendars");
        ChooseLanguage(window, row.entry == kGermanEntry ? kSpanishEntry : kGermanEntry);
        ChooseLanguage(window, row.entry);
        ClickLabel(window, "lblVarnholtWorks", Qt::LeftButton);
        ClickLabel(window, "lblOnlineDocumentation", Qt::LeftButton);
        const QString guide(row.guide);
        QStringList opened;
        for (const QString& address : fakes_.webOpener->opened) {
            opened << QUrl(address).fileName();
        }
        QCOMPARE(opened, QStringList({guide, guide}));
        ClickAll(window, "cmdHelp cmdCalendars");
        QTRY_COMPARE(GuideAddresses(*window.findChild<frmHelp*>()), QStringList{guide});
        QTRY_COMPARE(GuideAddresses(*window.findChild<frmCalendars*>()),
                     QStringList{guide + "#annus-novus"});
    }

    void choosingTheSameLanguageOnlyMovesTheFocus() {
        frmMain window(fakes_.ForWindow());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* output = Find<QPlainTextEdit>(window, "txbOutput");
        QTest::keyClicks(output, "line one");
        QTest::keyClick(output, Qt::Key_Home);
        Find<QPushButton>(window, "cmdHelp")->setText("changed");  // shows a re-captioning
        ChooseLanguage(window, kEnglishEntry);
        QCOMPARE(Caption(window, "cmdHelp"), QString("changed"));
        QCOMPARE(QApplication::focusWidget(), output);
        QCOMPARE(output->textCursor().position(), int(output->toPlainText().size()));
    }
};

}  // namespace quillday::testing

QTEST_MAIN(quillday::testing::LanguageTest)
#include "language_test.moc"
