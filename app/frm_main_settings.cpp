// The saved settings: defaults, restoring them at start-up and writing them
// when the program ends.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRadioButton>
#include <QSaveFile>

#include "frm_main.h"
#include "regular_file.h"
#include "settings_file.h"

namespace quillday {

using datelib::CalendarKind;

namespace {

bool IsLanguageCode(int16_t code) {
    return code >= 0 && code < GEN_TEXT::kLanguageSlots;
}

bool IsNotationCode(int16_t code) {
    return code >= static_cast<int16_t>(CalendarKind::CE) &&
           code <= static_cast<int16_t>(CalendarKind::DIY);
}

std::optional<SavedSettings> ReadSettingsFile(const QString& path) {
    QFile file;
    if (!OpenRegularFile(file, path, QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray content = file.read(static_cast<qint64>(kMaxSettingsFileSize) + 1);
    return ParseSettings(
        std::string_view(content.constData(), static_cast<size_t>(content.size())));
}

// For a folder that allows no new files but holds a writable file (a
// locked-down profile, the root of a Windows drive); only an existing file
// is replaced.
bool WriteInPlace(const QString& path, const QByteArray& text) {
    QFile file;
    return OpenRegularFile(file, path, QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(text) == text.size() && file.flush();
}

// Writes a temporary file beside the target and renames it over the target,
// so a failed write leaves the old file whole. Only when the temporary file
// cannot be created is the file written in place. Anything but a regular
// file in the target's place (a FIFO, a device, a folder) is left alone.
// False when it was not written. A save killed before its rename may leave
// its temporary file behind; only the save that made one may remove it, as
// it may belong to another instance still saving.
bool WriteSettingsText(const QString& path, const QByteArray& text) {
    const QFileInfo settingsFile(path);
    if (settingsFile.exists() && !settingsFile.isFile()) {
        return false;
    }
    QDir().mkpath(settingsFile.absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return WriteInPlace(path, text);
    }
    file.write(text);
    return file.commit();
}

// Where the settings are read from and written to. The file's own place
// holds them wherever it can be written; where it cannot, the fallback file
// does, so a fallback file that exists is the newer one and is read first.
// Writing tries the own place first; once that works again, the fallback
// file is stale and goes.
struct SettingsFiles {
    QString read;
    QString fallback;  // empty when there is none
};

SettingsFiles ChooseSettingsFiles(const QString& own, const QString& fallback) {
    if (fallback.isEmpty() || fallback == own) {
        return {own, {}};
    }
    return {QFileInfo::exists(fallback) ? fallback : own, fallback};
}

}  // namespace

void frmMain::ApplyDefaultOptions() {
    language_ = GEN_TEXT::English;
    displayOptions_->Select(datelib::Display{});
    todayNotation = CalendarKind::CE;
    Date(1).Select(CalendarKind::CE);
    Date(2).Select(CalendarKind::CE);
}

void frmMain::LoadSettings() {
    const std::optional<SavedSettings> saved = ReadSettingsFile(
        ChooseSettingsFiles(services_.settingsFilePath, services_.settingsFallbackPath).read);
    if (!saved) {
        ApplyDefaultOptions();
        return;
    }
    language_ = IsLanguageCode(saved->language)
                    ? static_cast<GEN_TEXT::LanguageCode>(saved->language)
                    : GEN_TEXT::English;
    todayNotation = IsNotationCode(saved->todayNotation)
                        ? static_cast<CalendarKind>(saved->todayNotation)
                        : CalendarKind::CE;
    displayOptions_->Select(SavedDisplay(*saved));
    const auto notation = [](int16_t code) {
        return IsNotationCode(code) ? static_cast<CalendarKind>(code) : CalendarKind::CE;
    };
    Date(1).Select(notation(saved->firstNotation));
    Date(2).Select(notation(saved->secondNotation));
}

// Failures are not reported: the settings are a convenience. Where the own
// place cannot be written, the fallback file keeps them.
void frmMain::SaveSettings() {
    SavedSettings settings{};
    settings.language = static_cast<int16_t>(language_);
    StoreDisplay(GetDisplay(), settings);
    settings.todayNotation = static_cast<int16_t>(todayNotation);
    settings.firstNotation = static_cast<int16_t>(GetInputKind(1));
    settings.secondNotation = static_cast<int16_t>(GetInputKind(2));
    const QByteArray text = QByteArray::fromStdString(FormatSettings(settings));
    const SettingsFiles files =
        ChooseSettingsFiles(services_.settingsFilePath, services_.settingsFallbackPath);
    if (WriteSettingsText(services_.settingsFilePath, text)) {
        if (!files.fallback.isEmpty()) {
            QFile::remove(files.fallback);
        }
    } else if (!files.fallback.isEmpty()) {
        WriteSettingsText(files.fallback, text);
    }
}

}  // namespace quillday
