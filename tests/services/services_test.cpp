// The drive lookup over fake drive tables, and the web-page opener's failure.
#include <QGuiApplication>
#include <QTest>
#include <map>

#include "../app/fakes.h"
#include "services/drives.h"
#include "services/web_links.h"

namespace quillday::testing {

namespace {

// A machine whose drives are those of the table; other letters do not exist.
DriveTypeLookup Machine(std::map<char, DriveType> drives) {
    return [drives = std::move(drives)](char letter) -> std::optional<DriveType> {
        const auto drive = drives.find(letter);
        return drive == drives.end() ? std::nullopt : std::optional(drive->second);
    };
}

}  // namespace

class ServicesTest : public QObject {
    Q_OBJECT

  private slots:
    void firstFixedDriveSkipsEveryOtherKind_data() {
        QTest::addColumn<int>("machine");
        QTest::addColumn<QString>("drive");
        QTest::newRow("floppy A:, fixed C:") << 0 << "C:";
        QTest::newRow("fixed D: only") << 1 << "D:";
        QTest::newRow("no fixed disk") << 2 << "";
    }

    void firstFixedDriveSkipsEveryOtherKind() {
        QFETCH(int, machine);
        QFETCH(QString, drive);
        const std::map<char, DriveType> machines[] = {
            {{'A', DriveType::Removable}, {'C', DriveType::Fixed}, {'D', DriveType::Optical}},
            {{'C', DriveType::Optical}, {'D', DriveType::Fixed}, {'E', DriveType::Fixed}},
            {{'A', DriveType::Removable}, {'N', DriveType::Network}, {'R', DriveType::RamDisk}},
        };
        QCOMPARE(QString::fromStdString(FirstFixedDrive(Machine(machines[machine]))), drive);
    }

    void firstFixedDriveAsksEachLetterOnce() {
        QString asked;
        FirstFixedDrive([&asked](char letter) -> std::optional<DriveType> {
            asked += QChar(letter);
            return std::nullopt;
        });
        QCOMPARE(asked, QString("ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
    }

    void aBrowserThatFailsIsReportedOnce() {
        FakeWebOpener opener;
        FakeMessageBoxes boxes;
        OpenWebPage("https://example.org/", opener, boxes);
        QVERIFY(boxes.shown.isEmpty());
        opener.succeeds = false;
        OpenWebPage("nohandler://nowhere", opener, boxes);
        QCOMPARE(opener.opened, QStringList({"https://example.org/", "nohandler://nowhere"}));
        QCOMPARE(boxes.shown.size(), 1);
        QVERIFY(boxes.shown[0].endsWith(
            "|Error launching web browser. Please make sure that your web browser is correctly "
            "installed and configured"));
    }
};

}  // namespace quillday::testing

QTEST_GUILESS_MAIN(quillday::testing::ServicesTest)
#include "services_test.moc"
