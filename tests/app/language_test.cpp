// Language switching: the list, the captions, the unit word and the focus.
#include "fakes.h"
#include "window_test_helpers.h"

namespace quillday::testing {

namespace {

QString Caption(const QWidget& window, const QString& control) {
    if (auto* label = window.findChild<QLabel*>(control)) {
        return label->text();
    }
    return Find<QAbstractButton>(window, control)->text();
}

QStringList ListEntries(const frmMain& window) {
    const auto* list = Find<QComboBox>(window, "cboLanguage");
    QStringList entries;
    for (int i = 0; i < list->count(); ++i) {
        entries << list->itemText(i) + "=" + list->itemData(i).toString();
    }
    return entries;
}

struct Captions {
    const char* control;
    const char* byEntry[3];  // English, German, Spanish
};

// clang-format off
const Captions kCaptions[] = {
    {"lblDateFormat", {"Date format:", "Datumsformat:", "Formato de fecha:"}},
    {"lblFirstDate", {"First date:", "Erstes Datum:", "Primera fecha:"}},
    {"lblDateDifference", {"Date difference:", "Datumsdifferenz:", "Diferencia entre fechas:"}},
    {"lblClear", {"Clear:", "Lösche:", "Borrar:"}},
    {"lblDayOrDays", {"days", "Tage", "días"}},
    {"optDateFormatIsYMD", {"year month day", "Jahr Monat Tag", "año mes día"}},
    {"optDateFormatIsMDY", {"month day year", "Monat Tag Jahr", "mes día año"}},
    {"optThousSepNone", {"none", "keine", "ninguno"}},
    {"cmdCompute", {"Compute", "Berechnen", "Calcular"}},
    {"cmdCredits", {"Credits", "Anerkennung", "Créditos"}},
    {"cmdCopyToClipboard", {"Copy to clipboard", "Kopieren in Zwischenablage", "Copie al sujetapapeles"}},
    {"optSecondDateIsJC", {"Julian Calendar date (JC)", "Julianisches Kalenderdatum (JC)", "Fecha del Calendario Juliano (JC)"}},
    {"lblOnlineDocumentation", {"Online documentation", "Online-Dokumentation", "Documentación en línea"}},
    {"optSeparatorIsDash", {"2012-12-31", "2012-12-31", "2012-12-31"}},
    {"lblVarnholtWorks", {"Varnholt Works", "Varnholt Works", "Varnholt Works"}},
};
// clang-format on

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT

  private:
    FakeServices fakes_;

  private slots:
    void init() {
        fakes_ = FakeServices();
        fakes_.clock->now = {2012, 12, 31, 14, 5};
    }

    void theWindowFollowsTheLanguage_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QString>("intro");
        QTest::addColumn<QString>("tooltip");
        QTest::addColumn<QString>("today");
        QTest::newRow("back to English")
            << int(kEnglishEntry) << QStringList{"English=0", "German=1", "Spanish=4"}
            << "This program converts Common Era (Gregorian) dates, Julian dates, "
            << "Click to change calendar"
            << "Today is Monday,\n2012-12-31 CE (14:05).";
        QTest::newRow("German") << int(kGermanEntry)
                                << QStringList{"Englisch=0", "Deutsch=1", "Spanisch=4"}
                                << "Dieses Programm konvertiert verschiedene Arten von Daten "
                                << "Anklicken um Kalender zu verändern"
                                << "Heute ist Montag,\nder 2012-12-31 CE (14:05).";
        QTest::newRow("Spanish") << int(kSpanishEntry)
                                 << QStringList{"Inglés=0", "Alemán=1", "Español=4"}
                                 << "Este programa convierte fechas de la Era Común (Gregoriana), "
                                 << "Oprima para cambiar calendario"
                                 << "Hoy es Lunes,\n2012-12-31 CE (14:05).";
    }

    void theWindowFollowsTheLanguage() {
        QFETCH(int, entry);
        QFETCH(QStringList, list);
        QFETCH(QString, intro);
        QFETCH(QString, tooltip);
        QFETCH(QString, today);
        frmMain window(fakes_.ForWindow());
        ChooseLanguage(window, entry == kGermanEntry ? kSpanishEntry : kGermanEntry);
        ChooseLanguage(window, entry);
        QCOMPARE(ListEntries(window), list);
        QCOMPARE(Find<QComboBox>(window, "cboLanguage")->currentIndex(), entry);
        for (const Captions& row : kCaptions) {
            QCOMPARE(Caption(window, row.control), QString(row.byEntry[entry]));
        }
        QVERIFY(LabelText(window, "lblIntro").startsWith(intro));
        QCOMPARE(Find<QLabel>(window, "lblTodaysDate")->toolTip(), tooltip);
        QCOMPARE(LabelText(window, "lblTodaysDate"), today);
    }

    void theUnitWordReadsTheDayCount_data() {
        QTest::addColumn<QString>("days");
        QTest::addColumn<QString>("word");
        const auto row = [](const char* days, const char* word) {
            QTest::newRow(days) << QString(days) << QString(word);
        };
        row("1", "Tag");
        row("-1", "Tag");
        row("0", "Tage");
        row("2", "Tage");
        row("", "Tage");
        row("1,000", "Tag");
        row("1,500", "Tag");
        row(" +1 days", "Tag");
        row("1.4", "Tag");
        row("1.5", "Tage");
        row("0.5", "Tage");
        row("0.51", "Tag");
        row("-0.6", "Tag");
        row("99999999999999999999", "Tage");
    }

    void theUnitWordReadsTheDayCount() {
        QFETCH(QString, days);
        QFETCH(QString, word);
        frmMain window(fakes_.ForWindow());
        Paste(window, "txbDateDiffDays", days);
        QCOMPARE(BoxText(window, "txbDateDiffDays"), days);
        ChooseLanguage(window, kGermanEntry);
        QCOMPARE(LabelText(window, "lblDayOrDays"), word);
    }

    void noCaptionIsClipped_data() {
        QTest::addColumn<int>("entry");
        QTest::newRow("English") << int(kEnglishEntry);
        QTest::newRow("German") << int(kGermanEntry);
        QTest::newRow("Spanish") << int(kSpanishEntry);
    }

    void noCaptionIsClipped() {
        QFETCH(int, entry);
        frmMain window(fakes_.ForWindow());
        ChooseLanguage(window, entry);
        for (const QLabel* label : window.findChildren<QLabel*>()) {
            const QRect needed = label->fontMetrics().boundingRect(
                QRect(0, 0, label->width(), 10000), Qt::TextWordWrap, label->text());
            QVERIFY2(needed.height() <= label->height() && needed.width() <= label->width(),
                     qPrintable(label->objectName() + ": " + label->text()));
        }
        for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
            QVERIFY2(
                button->sizeHint().width() <= button->width() ||
                    button->fontMetrics().horizontalAdvance(button->text()) + 8 <= button->width(),
                qPrintable(button->objectName() + ": " + button->text()));
        }
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
        QCOMPARE(Focused(), output);
        QCOMPARE(output->textCursor().position(), int(output->toPlainText().size()));
    }
};

}  // namespace quillday::testing

QTEST_MAIN(quillday::testing::LanguageTest)
#include "language_test.moc"
