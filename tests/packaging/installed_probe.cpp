// The installed program's start-up, run from beside the installed qly734
// (install_check.sh copies it there): loads the engine and finds the user
// guide with the program's own code and RUNPATH, and shows the main window
// offscreen with the program's icon.
//   installed_probe <png>  prints "engine <path>", then "guide <path>" for
// the English, German and Spanish guides, and saves the window as <png>. An
// engine that cannot be loaded ends it with its exception; a missing icon or
// an unwritable file with status 1.
#include <dlfcn.h>

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QUrl>
#include <cstdio>

#include "app_identity.h"
#include "datelib/engine.h"
#include "frm_main.h"
#include "services/web_addresses.h"

namespace {

constexpr int kIconSizes = 6;  // 16 to 256 pixels

// The languages of the window's list, each with a guide of its own.
constexpr GEN_TEXT::LanguageCode kGuideLanguages[] = {GEN_TEXT::English, GEN_TEXT::German,
                                                      GEN_TEXT::Spanish};

// The file the dynamic loader took the engine from, without "..".
QString LoadedEngineFile() {
    Dl_info info{};
    const auto* operation = reinterpret_cast<void*>(datelib::Engine().euroDayOfWeek);
    if (dladdr(operation, &info) == 0) {
        return {};
    }
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).canonicalFilePath();
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    quillday::SetDesktopIdentity();
    std::printf("engine %s\n", qPrintable(LoadedEngineFile()));
    for (const GEN_TEXT::LanguageCode language : kGuideLanguages) {
        std::printf("guide %s\n",
                    qPrintable(QUrl(quillday::UserGuideAddress(language)).toLocalFile()));
    }

    const QTemporaryDir settingsFolder;
    quillday::Services services = quillday::Services::Real();
    services.settingsFilePath = settingsFolder.filePath(QStringLiteral("qly5.usr"));
    quillday::frmMain window(services);
    if (window.windowIcon().availableSizes().size() != kIconSizes) {
        std::fputs("installed_probe: the window lacks the program's icon\n", stderr);
        return 1;
    }
    return argc == 2 && window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
