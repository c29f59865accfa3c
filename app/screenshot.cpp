// Renders the main window offscreen to PNG files, one per language of its
// list, for looking at the layout without a display:
// qly734_screenshot <folder>. The clock is fixed at Monday 31 December 2012,
// 14:05; the settings file is not read.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPixmap>
#include <cstdio>
#include <memory>

#include "frm_main.h"

namespace {

class FixedClock final : public quillday::LocalClock {
  public:
    quillday::LocalDateTime Now() const override { return {2012, 12, 31, 14, 5}; }
};

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    quillday::Services services = quillday::Services::Real();
    services.clock = std::make_shared<FixedClock>();
    services.settingsFilePath = folder.filePath("qly734-screenshot-settings.usr");
    services.settingsFallbackPath.clear();  // the user's own settings stay untouched
    quillday::frmMain window(services);
    const char* const languages[] = {"English", "German", "Spanish"};
    auto* list = window.findChild<QComboBox*>("cboLanguage");
    for (int index = 0; index < list->count(); ++index) {
        list->setCurrentIndex(index);
        emit list->activated(index);  // as the user's choice
        const QString path = folder.filePath(QString("qly734-%1.png").arg(languages[index]));
        if (!window.grab().save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%s\n", qPrintable(path));
    }
    return 0;
}
