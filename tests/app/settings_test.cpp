// Saved settings: the defaults, what a file restores, what a bad file
// gives, and what closing the window writes.
#include <unistd.h>
#include <QComboBox>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "fakes.h"
#include "texts/gen_text.h"
#include "window_test_helpers.h"

namespace quillday::testing {

namespace {

const QByteArray kDefaultsFile = "0\r\n2,45,44\r\n0,0,0\r\n";

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void Write(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// Forbids creating files in a folder for as long as it lives; root needs the
// immutable attribute for that, where a plain user needs only the mode.
class LockedFolder {
  public:
    explicit LockedFolder(QString path) : path_(std::move(path)) {
        locked_ = geteuid() == 0 ? QProcess::execute("chattr", {"+i", path_}) == 0
                                 : QFile::setPermissions(path_, QFile::ReadOwner | QFile::ExeOwner);
    }
    ~LockedFolder() {
        if (geteuid() == 0) {
            QProcess::execute("chattr", {"-i", path_});
        } else {
            QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
    }
    LockedFolder(const LockedFolder&) = delete;
    LockedFolder& operator=(const LockedFolder&) = delete;
    bool locked() const { return locked_; }

  private:
    QString path_;
    bool locked_ = false;
};

}  // namespace

class SettingsTest : public QObject {
    Q_OBJECT

  private:
    FakeServices fakes_;
    std::unique_ptr<QTemporaryDir> folder_;

    // Starts a window on the settings file, closes it, returns what it wrote.
    QByteArray RoundTrip() {
        frmMain window(fakes_.ForWindow());
        window.close();
        return ReadAll(fakes_.settingsFilePath);
    }

  private slots:
    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        fakes_ = FakeServices();
        fakes_.clock->now = {2012, 12, 30, 9, 0};
        fakes_.settingsFilePath = folder_->filePath("config/qly5.usr");
    }
    void cleanup() { GEN_TEXT::currentLanguage = GEN_TEXT::English; }

    void noFileGivesTheDefaultsAndClosingWritesThem() { QCOMPARE(RoundTrip(), kDefaultsFile); }

    void aSavedFileRestoresEveryChoice() {
        QDir().mkpath(folder_->filePath("config"));
        Write(fakes_.settingsFilePath, "1\r\n1,46,46\r\n2,3,0\r\n");
        frmMain window(fakes_.ForWindow());
        QCOMPARE(GEN_TEXT::currentLanguage, GEN_TEXT::German);
        QCOMPARE(Find<QComboBox>(window, "cboLanguage")->currentText(), QString("Deutsch"));
        QCOMPARE(Find<QComboBox>(window, "cboLanguage")->itemText(0), QString("Englisch"));
        QCOMPARE(window.GetDateOrder(), datelib::DateOrder::DMY);
        QCOMPARE(datelib::dateSeparator, std::string("."));
        QCOMPARE(datelib::thousandsSeparator, std::string("."));
        QCOMPARE(window.todayNotation, datelib::CalendarKind::JDN);
        QCOMPARE(window.GetInputKind(1), datelib::CalendarKind::AN);
        QCOMPARE(window.GetInputKind(2), datelib::CalendarKind::CE);
        QCOMPARE(window.firstDateNotation, datelib::CalendarKind::AN);
        QCOMPARE(LabelText(window, "lblTodaysDate"),
                 QString("Heute ist Sonntag,\nder 2.456.292 JDN (09:00)."));
        QCOMPARE(LabelText(window, "lblFirstDate"), QString("Erstes Datum:"));
        window.close();
        QCOMPARE(ReadAll(fakes_.settingsFilePath), QByteArray("1\r\n1,46,46\r\n2,3,0\r\n"));
    }

    // Choices that equal the defaults select no new button; the labels must
    // still show the restored language and notation before any clock tick.
    void restoredLabelsShowBeforeTheFirstTick() {
        QDir().mkpath(folder_->filePath("config"));
        Write(fakes_.settingsFilePath, "1\r\n2,45,46\r\n2,0,0\r\n");
        frmMain window(fakes_.ForWindow());
        QCOMPARE(LabelText(window, "lblTodaysDate"),
                 QString("Heute ist Sonntag,\nder 2.456.292 JDN (09:00)."));
        QVERIFY(Find<QRadioButton>(window, "optThousSepIsDot")->isChecked());
        QVERIFY(!Find<QRadioButton>(window, "optThousSepIsComma")->isChecked());
    }

    void oddFilesFallBack_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("Portuguese gives English")
            << QByteArray("3\r\n2,45,44\r\n0,0,0\r\n") << kDefaultsFile;
        QTest::newRow("French gives English")
            << QByteArray("2\r\n0,47,0\r\n1,1,1\r\n") << QByteArray("0\r\n0,47,0\r\n1,1,1\r\n");
        QTest::newRow("odd separator codes")
            << QByteArray("4\r\n7,99,7\r\n0,0,0\r\n") << QByteArray("4\r\n2,45,44\r\n0,0,0\r\n");
        QTest::newRow("odd notation codes")
            << QByteArray("0\r\n2,45,44\r\n9,-1,77\r\n") << kDefaultsFile;
        QTest::newRow("LF and blanks")
            << QByteArray(" 4 \n 0 , 47,0\n3,4,2\n") << QByteArray("4\r\n0,47,0\r\n3,4,2\r\n");
        QTest::newRow("truncated") << QByteArray("1\r\n") << kDefaultsFile;
        QTest::newRow("an eighth value")
            << QByteArray("1\r\n1,46,46\r\n2,3,0,5\r\n") << kDefaultsFile;
        QTest::newRow("beyond 16 bits")
            << QByteArray("1\r\n1,46,70000\r\n2,3,0\r\n") << kDefaultsFile;
        QTest::newRow("not numbers") << QByteArray("x\r\n1,46,46\r\n2,3,0\r\n") << kDefaultsFile;
        QTest::newRow("oversized")
            << QByteArray("1\r\n1,46,46\r\n2,3,0\r\n") + QByteArray(5000, ' ') << kDefaultsFile;
        QByteArray noise(3000, '\0');
        for (int i = 0; i < noise.size(); ++i) {
            noise[i] = static_cast<char>((i * 7919 + 13) % 256);
        }
        QTest::newRow("random bytes") << noise << kDefaultsFile;
    }

    void oddFilesFallBack() {
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, written);
        QDir().mkpath(folder_->filePath("config"));
        Write(fakes_.settingsFilePath, content);
        QCOMPARE(RoundTrip(), written);
    }

    void anUnwritableFolderIsSilent() {
        fakes_.settingsFilePath = "/proc/quillday-cannot-be-here/qly5.usr";
        frmMain window(fakes_.ForWindow());
        window.close();
        QVERIFY(fakes_.messageBoxes->shown.isEmpty());
        QVERIFY(!QFile::exists(fakes_.settingsFilePath));
    }

    void aWritableFileInALockedFolderIsWrittenInPlace() {
        QDir().mkpath(folder_->filePath("config"));
        Write(fakes_.settingsFilePath, kDefaultsFile);
        const LockedFolder lock(folder_->filePath("config"));
        if (!lock.locked()) {
            QSKIP("this file system cannot lock a folder against new files");
        }
        frmMain window(fakes_.ForWindow());
        Click(window, "optThousSepNone");
        window.close();
        QCOMPARE(ReadAll(fakes_.settingsFilePath), QByteArray("0\r\n2,45,0\r\n0,0,0\r\n"));
    }

    void savingRemovesTheTemporaryFilesOfKilledSaves() {
        QDir().mkpath(folder_->filePath("config"));
        const QStringList left = {"qly5.usr.Ab3dE9", "qly5.usr.zzzzzz"};
        const QStringList kept = {"qly5.usr.bak", "qly5.usr.Ab3dE9x", "notes.txt"};
        for (const QString& name : left + kept) {
            Write(folder_->filePath("config/" + name), "0");
        }
        QCOMPARE(RoundTrip(), kDefaultsFile);
        const QStringList after = QDir(folder_->filePath("config")).entryList(QDir::Files);
        QCOMPARE(QSet<QString>(after.begin(), after.end()),
                 QSet<QString>({"qly5.usr", "qly5.usr.bak", "qly5.usr.Ab3dE9x", "notes.txt"}));
    }

    void choicesMadeBeforeClosingAreWritten() {
        frmMain window(fakes_.ForWindow());
        ChooseLanguage(window, 2);
        Click(window, "optDateFormatIsMDY");
        Click(window, "optSeparatorIsSlash");
        Click(window, "optThousSepNone");
        Click(window, "optSecondDateIsDIY");
        ClickLabel(window, "lblTodaysDate", Qt::RightButton);
        window.close();
        QCOMPARE(ReadAll(fakes_.settingsFilePath), QByteArray("4\r\n0,47,0\r\n4,0,4\r\n"));
    }
};

}  // namespace quillday::testing

QTEST_MAIN(quillday::testing::SettingsTest)
#include "settings_test.moc"
