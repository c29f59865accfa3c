// Language switching: the list, every caption of the caption table, the
// date-order captions, the unit word and the focus.
#include <QApplication>
#include <QComboBox>

#include "captions.h"
#include "fakes.h"
#include "texts/gen_text.h"
#include "window_test_helpers.h"

namespace quillday::testing {

namespace {

QString Caption(const QWidget& window, std::string_view name) {
    const QString control = QString::fromUtf8(name);
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
    void cleanup() { GEN_TEXT::currentLanguage = GEN_TEXT::English; }

    void theListNamesItsLanguagesInTheCurrentOne_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("English") << 0 << QStringList{"English=0", "German=1", "Spanish=4"};
        QTest::newRow("German") << 1 << QStringList{"Englisch=0", "Deutsch=1", "Spanisch=4"};
        QTest::newRow("Spanish") << 2 << QStringList{"Inglés=0", "Alemán=1", "Español=4"};
    }

    void theListNamesItsLanguagesInTheCurrentOne() {
        QFETCH(int, index);
        QFETCH(QStringList, entries);
        frmMain window(fakes_.ForWindow());
        ChooseLanguage(window, index);
        QCOMPARE(ListEntries(window), entries);
        QCOMPARE(Find<QComboBox>(window, "cboLanguage")->currentIndex(), index);
    }

    void everyTableCaptionFollowsTheLanguage_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("language");
        QTest::newRow("German") << 1 << int(GEN_TEXT::German);
        QTest::newRow("Spanish") << 2 << int(GEN_TEXT::Spanish);
        QTest::newRow("back to English") << 0 << int(GEN_TEXT::English);
    }

    void everyTableCaptionFollowsTheLanguage() {
        QFETCH(int, index);
        QFETCH(int, language);
        frmMain window(fakes_.ForWindow());
        ChooseLanguage(window, 1);
        ChooseLanguage(window, index);
        QCOMPARE(int(GEN_TEXT::currentLanguage), language);
        for (const CaptionRule& rule : CaptionRules()) {
            const std::string_view text =
                GEN_TEXT::Text(rule.text, static_cast<GEN_TEXT::LanguageCode>(language));
            QCOMPARE(Caption(window, rule.control),
                     QString::fromUtf8(text) + QString::fromUtf8(rule.suffix));
        }
    }

    void theRestOfTheCaptionsFollowTooInGerman() {
        frmMain window(fakes_.ForWindow());
        ChooseLanguage(window, 1);
        QCOMPARE(Caption(window, "optDateFormatIsYMD"), QString("Jahr Monat Tag"));
        QCOMPARE(Caption(window, "optDateFormatIsDMY"), QString("Tag Monat Jahr"));
        QCOMPARE(Caption(window, "optDateFormatIsMDY"), QString("Monat Tag Jahr"));
        QCOMPARE(Caption(window, "optThousSepNone"), QString("keine"));
        QCOMPARE(Caption(window, "lblDayOrDays"), QString("Tage"));
        QCOMPARE(Caption(window, "lblFirstDate"), QString("Erstes Datum:"));
        QCOMPARE(Caption(window, "optSecondDateIsJC"), QString("Julianisches Kalenderdatum (JC)"));
        QVERIFY(Caption(window, "lblIntro").startsWith("Dieses Programm konvertiert"));
        QCOMPARE(Find<QLabel>(window, "lblTodaysDate")->toolTip(),
                 QString("Anklicken um Kalender zu verändern"));
        QCOMPARE(LabelText(window, "lblTodaysDate"),
                 QString("Heute ist Montag,\nder 2012-12-31 CE (14:05)."));
        QCOMPARE(Caption(window, "optSeparatorIsDash"), QString("2012-12-31"));
        QCOMPARE(Caption(window, "optThousSepIsDot"), QString("2.000.000"));
        QCOMPARE(Caption(window, "lblVarnholtWorks"), QString("Varnholt Works"));
    }

    void spanishDateOrderCaptionsAreLowerCase() {
        frmMain window(fakes_.ForWindow());
        ChooseLanguage(window, 2);
        QCOMPARE(Caption(window, "optDateFormatIsYMD"), QString("año mes día"));
        QCOMPARE(Caption(window, "optDateFormatIsDMY"), QString("día mes año"));
        QCOMPARE(Caption(window, "optDateFormatIsMDY"), QString("mes día año"));
        QCOMPARE(Caption(window, "optThousSepNone"), QString("ninguno"));
    }

    void theUnitWordReadsTheDayCount_data() {
        QTest::addColumn<QString>("days");
        QTest::addColumn<QString>("word");
        QTest::newRow("1") << "1"
                           << "day";
        QTest::newRow("-1") << "-1"
                            << "day";
        QTest::newRow("0") << "0"
                           << "days";
        QTest::newRow("2") << "2"
                           << "days";
        QTest::newRow("empty") << ""
                               << "days";
        QTest::newRow("1,000") << "1,000"
                               << "day";
        QTest::newRow("1.4") << "1.4"
                             << "day";
        QTest::newRow("1.5") << "1.5"
                             << "days";
        QTest::newRow("huge") << "99999999999999999999"
                              << "days";
    }

    void theUnitWordReadsTheDayCount() {
        QFETCH(QString, days);
        QFETCH(QString, word);
        frmMain window(fakes_.ForWindow());
        ChooseLanguage(window, 2);
        Find<QLineEdit>(window, "txbDateDiffDays")->setText(days);
        ChooseLanguage(window, 0);
        QCOMPARE(LabelText(window, "lblDayOrDays"), word);
    }

    void noCaptionIsClipped_data() {
        QTest::addColumn<int>("index");
        QTest::newRow("English") << 0;
        QTest::newRow("German") << 1;
        QTest::newRow("Spanish") << 2;
    }

    void noCaptionIsClipped() {
        QFETCH(int, index);
        frmMain window(fakes_.ForWindow());
        ChooseLanguage(window, index);
        window.Clock_Timer();
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
        Find<QPlainTextEdit>(window, "txbOutput")->setPlainText("line one\nline two");
        Find<QPushButton>(window, "cmdHelp")->setText("changed");
        ChooseLanguage(window, 0);  // English again
        QCOMPARE(Caption(window, "cmdHelp"), QString("changed"));
        const auto* output = Find<QPlainTextEdit>(window, "txbOutput");
        QCOMPARE(QApplication::focusWidget(), output);
        QCOMPARE(output->textCursor().position(), int(output->toPlainText().size()));
    }
};

}  // namespace quillday::testing

QTEST_MAIN(quillday::testing::LanguageTest)
#include "language_test.moc"
