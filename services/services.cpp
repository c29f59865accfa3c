#include "services/services.h"

#include <QDate>
#include <QDateTime>
#include <QDesktopServices>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTime>

#include "services/drives.h"

namespace quillday {

namespace {

class SystemClock final : public LocalClock {
  public:
    LocalDateTime Now() const override {
        const QDateTime now = QDateTime::currentDateTime();
        const QDate date = now.date();
        const QTime time = now.time();
        return {date.year(), date.month(), date.day(), time.hour(), time.minute()};
    }
};

// The program's errors and its one question carry no icon; Yes is the
// question's default button.
class QtMessageBoxes final : public MessageBoxes {
  public:
    void Error(QWidget* parent, const QString& title, const QString& text) override {
        QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
        box.exec();
    }

    Answer Question(QWidget* parent, const QString& title, const QString& text) override {
        QMessageBox box(QMessageBox::NoIcon, title, text,
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
        box.setDefaultButton(QMessageBox::Yes);
        switch (box.exec()) {
            case QMessageBox::Yes:
                return Answer::Yes;
            case QMessageBox::No:
                return Answer::No;
            default:
                return Answer::Cancel;
        }
    }

    void Exclamation(QWidget* parent, const QString& title, const QString& text) override {
        QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
        box.exec();
    }
};

class DesktopWebOpener final : public WebOpener {
  public:
    bool Open(const QUrl& address) override { return QDesktopServices::openUrl(address); }
};

constexpr const char* kSettingsFileName = "qly5.usr";

QString ApplicationDataSettingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + "/" +
           kSettingsFileName;
}

// Windows keeps the file on the root of the first fixed disk, where a
// standard user often may not write: then it goes to the user's
// application-data folder. Other systems keep it in that folder alone.
void SetSettingsPaths(Services& services) {
#if defined(_WIN32)
    const std::string drive = FirstFixedDrive();
    services.settingsFilePath =
        QString::fromStdString(drive.empty() ? "C:" : drive) + "\\" + kSettingsFileName;
    services.settingsFallbackPath = ApplicationDataSettingsPath();
#else
    services.settingsFilePath = ApplicationDataSettingsPath();
#endif
}

}  // namespace

Services Services::Real() {
    Services services{std::make_shared<SystemClock>(),
                      std::make_shared<QtMessageBoxes>(),
                      std::make_shared<DesktopWebOpener>(),
                      {},
                      {}};
    SetSettingsPaths(services);
    return services;
}

}  // namespace quillday
