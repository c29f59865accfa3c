// Saved settings: the defaults, what a file restores, what a bad file
// gives, and what closing the window writes.
#include "window_test_helpers.h"

namespace quillday::testing {

namespace {

constexpr const char* kDefaultsFile = "0\r\n2,45,44\r\n0,0,0\r\n";
constexpr const char* kGermanFile = "1\r\n1,46,46\r\n2,3,0\r\n";
constexpr const char* kMissing = "<missing>";

// selected: the buttons selected afterwards.
// clang-format off
const struct { const char *name, *file, *selected; } kRestoreRows[] = {
    {"every choice changed", kGermanFile, "optDateFormatIsDMY optSeparatorIsDot optThousSepIsDot optFirstDateIsAN optSecondDateIsCE"},
    {"defaults kept", "1\r\n2,45,46\r\n2,0,0\r\n", "optDateFormatIsYMD optSeparatorIsDash optThousSepIsDot optFirstDateIsCE optSecondDateIsCE"},
};

// writable: whether the own place can be written; the files before and after.
const struct { const char* name; bool writable; const char *fallbackBefore, *ownAfter, *fallbackAfter; } kFallbackRows[] = {
    {"unwritable, first run", false, kMissing, kMissing, kDefaultsFile},
    {"unwritable, fallback read", false, kGermanFile, kMissing, kGermanFile},
    {"writable again", true, kGermanFile, kGermanFile, kMissing},
    {"writable, no fallback", true, kMissing, kDefaultsFile, kMissing},
};
// clang-format on

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(kMissing);
}

// Forbids or again allows creating files in a folder that this process
// made; root (its owner then) needs the immutable attribute for that, where
// a plain user needs only the mode. Windows ignores the mode of a folder:
// there the file is saved as usual.
bool SetLocked(const QString& folder, bool locked) {
    constexpr uint kRoot = 0;
    if (QFileInfo(folder).ownerId() == kRoot) {
        return QProcess::execute("chattr", {locked ? "+i" : "-i", folder}) == 0;
    }
    return QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner |
                                             (locked ? QFile::Permissions() : QFile::WriteOwner));
}

}  // namespace

class SettingsTest : public WindowTest {
    Q_OBJECT

  private:
    std::unique_ptr<QTemporaryDir> folder_;

    // Starts a window on the settings file, closes it, returns what it wrote.
    QByteArray RoundTrip() {
        frmMain window(fakes_.ForWindow());
        window.close();
        return ReadFile(fakes_.settingsFilePath);
    }

  private slots:
    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        fakes_ = FakeServices();
        fakes_.clock->now = {2012, 12, 30, 9, 0};
        fakes_.settingsFilePath = folder_->filePath("config/qly5.usr");
    }

    // Choices that equal the defaults select no new button; the labels must
    // still show the restored language and notation before any clock tick.
    void aSavedFileRestoresItsChoices_data() { AddTableRows(kRestoreRows); }

    void aSavedFileRestoresItsChoices() {
        const auto& row = TableRow(kRestoreRows);
        WriteFile(fakes_.settingsFilePath, row.file);
        frmMain window(fakes_.ForWindow());
        QCOMPARE(LabelText(window, "lblTodaysDate"),
                 QString("Heute ist Sonntag,\nder 2.456.292 JDN (09:00)."));
        QCOMPARE(LabelText(window, "lblFirstDate"), QString("Erstes Datum:"));
        QCOMPARE(Find<QComboBox>(window, "cboLanguage")->currentText(), QString("Deutsch"));
        for (const QString& option : QString(row.selected).split(' ')) {
            QVERIFY2(IsSelected(window, option), qPrintable(option));
        }
        QVERIFY(!IsSelected(window, "optThousSepIsComma"));
        window.close();
        QCOMPARE(ReadFile(fakes_.settingsFilePath), QByteArray(row.file));
    }

    void oddFilesFallBack_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("written");
        const auto row = [](const char* name, const QByteArray& content,
                            const QByteArray& written) {
            QTest::newRow(name) << content << written;
        };
        QByteArray noise(3000, '\0');
        for (int i = 0; i < noise.size(); ++i) {
            noise[i] = static_cast<char>((i * 7919 + 13) % 256);
        }
        // clang-format off
        row("Portuguese gives English", "3\r\n2,45,44\r\n0,0,0\r\n", kDefaultsFile);
        row("odd separator codes", "4\r\n7,99,7\r\n0,0,0\r\n", "4\r\n2,45,44\r\n0,0,0\r\n");
        row("LF and blanks", " 4 \n 0 , 47,0\n3,4,2\n", "4\r\n0,47,0\r\n3,4,2\r\n");
        row("truncated", "1\r\n", kDefaultsFile);
        row("an eighth value", "1\r\n1,46,46\r\n2,3,0,5\r\n", kDefaultsFile);
        row("an empty value", "1\r\n1,,46\r\n2,3,0\r\n", kDefaultsFile);
        row("beyond 16 bits", "1\r\n1,46,70000\r\n2,3,0\r\n", kDefaultsFile);
        row("trailing text", "1\r\n1,46,46x\r\n2,3,0\r\n", kDefaultsFile);
        row("oversized", "1\r\n1,46,46\r\n2,3,0\r\n" + QByteArray(5000, ' '), kDefaultsFile);
        row("random bytes", noise, kDefaultsFile);
        // clang-format on
    }

    void oddFilesFallBack() {
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, written);
        if (!content.isNull()) {
            WriteFile(fakes_.settingsFilePath, content);
        }
        QCOMPARE(RoundTrip(), written);
    }

    void aWritableFileInALockedFolderIsWrittenInPlace() {
        WriteFile(fakes_.settingsFilePath, kDefaultsFile);
        if (!SetLocked(folder_->filePath("config"), true)) {
            QSKIP("this file system cannot lock a folder against new files");
        }
        frmMain window(fakes_.ForWindow());
        Click(window, "optThousSepNone");
        window.close();
        const QByteArray written = ReadFile(fakes_.settingsFilePath);
        QVERIFY(SetLocked(folder_->filePath("config"), false));
        QCOMPARE(written, QByteArray("0\r\n2,45,0\r\n0,0,0\r\n"));
    }

    // Files beside the settings, the user's own or another instance's
    // temporary file while it saves, are none of this save's business.
    void savingLeavesTheFilesBesideItAlone() {
        const QStringList others = {"qly5.usr.backup", "qly5.usr.orig12", "qly5.usr.Ab3dE9",
                                    "notes.txt"};
        for (const QString& name : others) {
            WriteFile(folder_->filePath("config/" + name), "0");
        }
        QCOMPARE(RoundTrip(), QByteArray(kDefaultsFile));
        const QStringList after = QDir(folder_->filePath("config")).entryList(QDir::Files);
        QCOMPARE(QSet<QString>(after.begin(), after.end()),
                 QSet<QString>(others.begin(), others.end()) << "qly5.usr");
    }

    // Opening a FIFO without a writer would block the window; it is read as
    // no file, left in its place, and the fallback file takes the settings.
    void aFifoInTheFilesPlaceIsLeftAlone() {
        QDir().mkpath(folder_->filePath("config"));
        if (QProcess::execute("mkfifo", {fakes_.settingsFilePath}) != 0) {
            QSKIP("no FIFOs on this system");
        }
        fakes_.settingsFallbackPath = folder_->filePath("appdata/qly5.usr");
        frmMain window(fakes_.ForWindow());
        Click(window, "optThousSepNone");
        window.close();
        QVERIFY(QFileInfo(fakes_.settingsFilePath).exists());
        QVERIFY(!QFileInfo(fakes_.settingsFilePath).isFile());
        QCOMPARE(ReadFile(fakes_.settingsFallbackPath), QByteArray("0\r\n2,45,0\r\n0,0,0\r\n"));
    }

    void quitWritesTheChoicesMadeBefore() {
        frmMain window(fakes_.ForWindow());
        ChooseLanguage(window, kSpanishEntry);
        Click(window, "optDateFormatIsMDY");
        Click(window, "optSeparatorIsSlash");
        Click(window, "optThousSepNone");
        Click(window, "optSecondDateIsDIY");
        ClickLabel(window, "lblTodaysDate", Qt::RightButton);
        Click(window, "cmdQuit");
        QVERIFY(!window.isVisible());
        QCOMPARE(ReadFile(fakes_.settingsFilePath), QByteArray("4\r\n0,47,0\r\n4,0,4\r\n"));
    }

    // Where the own place cannot be written (the fakes' own path lies beneath
    // a file), the application-data file keeps the settings, and is read
    // first; once the own place takes them again, that file goes. Silently.
    void anUnwritablePlaceFallsBackToApplicationData_data() { AddTableRows(kFallbackRows); }

    void anUnwritablePlaceFallsBackToApplicationData() {
        const auto& row = TableRow(kFallbackRows);
        fakes_.settingsFallbackPath = folder_->filePath("appdata/qly5.usr");
        if (!row.writable) {
            fakes_.settingsFilePath = FakeServices().settingsFilePath;
        }
        if (QByteArray(row.fallbackBefore) != kMissing) {
            WriteFile(fakes_.settingsFallbackPath, row.fallbackBefore);
        }
        QCOMPARE(RoundTrip(), QByteArray(row.ownAfter));
        QCOMPARE(ReadFile(fakes_.settingsFallbackPath), QByteArray(row.fallbackAfter));
        QVERIFY(fakes_.messageBoxes->shown.isEmpty());
    }
};

}  // namespace quillday::testing

QTEST_MAIN(quillday::testing::SettingsTest)
#include "settings_test.moc"
