// qly734: the Quillday date converter.
#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "datelib/engine.h"
#include "frm_main.h"

namespace {

// Without its engine the program can do nothing: say why and stop.
bool EngineLoads() {
    try {
        datelib::Engine();
        return true;
    } catch (const datelib::EngineLoadError& error) {
        std::fprintf(stderr, "qly734: %s\n", error.what());
        QMessageBox::critical(nullptr, "Quillday", QString::fromLocal8Bit(error.what()));
        return false;
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName("Quillday");
    QApplication::setApplicationName("qly734");
    if (!EngineLoads()) {
        return 1;
    }
    quillday::frmMain window;
    return QApplication::exec();
}
