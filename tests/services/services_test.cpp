// The drive lookup over fake drive tables.
#include <QGuiApplication>
#include <QTest>
#include <map>

#include "services/drives.h"

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
};

}  // namespace quillday::testing

QTEST_GUILESS_MAIN(quillday::testing::ServicesTest)
#include "services_test.moc"
