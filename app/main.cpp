// qly734: the Quillday date converter.
#include <QApplication>

#include "app_identity.h"
#include "command_line.h"
#include "datelib/engine.h"
#include "engine_check.h"
#include "frm_main.h"

int main(int argc, char** argv) {
    quillday::SetProgramNames();
    if (const std::optional<int> exitCode = quillday::AnswerCommandLine(argc, argv)) {
        return *exitCode;
    }
    QApplication application(argc, argv);
    quillday::SetDesktopIdentity();
    quillday::Services services = quillday::Services::Real();
    if (!quillday::EngineIsUsable(*services.messageBoxes, [] { datelib::Engine(); })) {
        return 1;
    }
    quillday::frmMain window(services);
    return QApplication::exec();
}
