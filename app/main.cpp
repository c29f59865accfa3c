// qly734: the Quillday date converter.
#include <QApplication>

#include "datelib/engine.h"
#include "engine_check.h"
#include "frm_main.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName("Quillday");
    QApplication::setApplicationName("qly734");
    quillday::Services services = quillday::Services::Real();
    if (!quillday::EngineIsUsable(*services.messageBoxes, [] { datelib::Engine(); })) {
        return 1;
    }
    quillday::frmMain window(services);
    return QApplication::exec();
}
