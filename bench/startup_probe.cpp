// Start-up probes: each starts, shows its first window and quits as soon as
// the event loop runs. "qly734" shows the main window with its whole
// start-up; "empty" shows one empty Qt window. Usage: startup_probe qly734|empty
#include <QApplication>
#include <QTimer>
#include <cstring>
#include <memory>

#include "datelib/engine.h"
#include "engine_check.h"
#include "frm_main.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const bool emptyWindow = argc > 1 && std::strcmp(argv[1], "empty") == 0;
    std::unique_ptr<QWidget> window;
    if (emptyWindow) {
        window = std::make_unique<QWidget>();
        window->show();
    } else {
        quillday::Services services = quillday::Services::Real();
        if (!quillday::EngineIsUsable(*services.messageBoxes, [] { datelib::Engine(); })) {
            return 1;
        }
        window = std::make_unique<quillday::frmMain>(services);
    }
    QTimer::singleShot(0, &application, &QApplication::quit);
    return QApplication::exec();
}
