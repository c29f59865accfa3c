// Renders the main window offscreen to PNG files, one per language of its
// list, with the clock fixed at Monday 31 December 2012, 14:05 and no
// settings file read:
//   qly734_screenshot <folder>          qly734-English.png ... for looking at
//                                       the layout without a display;
//   qly734_screenshot --guide <folder>  quillday-window.en.png ... for the
//                                       user guides, with the groups of
//                                       controls outlined and numbered.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPixmap>
#include <cstdio>
#include <memory>

#include "frm_main.h"
#include "window_callouts.h"

namespace {

class FixedClock final : public quillday::LocalClock {
  public:
    quillday::LocalDateTime Now() const override { return {2012, 12, 31, 14, 5}; }
};

constexpr const char* kGuideOption = "--guide";

// The pictures of each entry of the language list, in its order.
struct Pictures {
    const char* plain;
    const char* guide;
};
constexpr Pictures kPictures[] = {
    {"qly734-English.png", "quillday-window.en.png"},
    {"qly734-German.png", "quillday-window.de.png"},
    {"qly734-Spanish.png", "quillday-window.es.png"},
};

// Chooses the entry of the language list as the user's choice does.
void ChooseLanguage(quillday::frmMain& window, int index) {
    auto* list = window.findChild<QComboBox*>("cboLanguage");
    list->setCurrentIndex(index);
    emit list->activated(index);
}

// The window as it stands, with the callouts for the guide if asked for.
bool Picture(quillday::frmMain& window, bool forGuide, QPixmap& picture) {
    picture = window.grab();
    if (!forGuide) {
        return true;
    }
    if (const auto missing = quillday::DrawWindowCallouts(window, picture)) {
        std::fprintf(stderr, "no control of the window matches %s\n", qPrintable(*missing));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QStringList arguments = application.arguments().mid(1);
    const bool forGuide = arguments.removeAll(kGuideOption) > 0;
    const QDir folder(arguments.value(0, QDir::currentPath()));
    quillday::Services services = quillday::Services::Real();
    services.clock = std::make_shared<FixedClock>();
    services.settingsFilePath = folder.filePath("qly734-screenshot-settings.usr");
    services.settingsFallbackPath.clear();  // the user's own settings stay untouched
    quillday::frmMain window(services);
    for (int index = 0; index < static_cast<int>(std::size(kPictures)); ++index) {
        ChooseLanguage(window, index);
        const auto& names = kPictures[index];
        const QString path = folder.filePath(forGuide ? names.guide : names.plain);
        QPixmap picture;
        if (!Picture(window, forGuide, picture)) {
            return 1;
        }
        if (!picture.save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%s\n", qPrintable(path));
    }
    return 0;
}
