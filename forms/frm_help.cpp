#include "forms/frm_help.h"

#include "info_window_design.h"

namespace quillday {

namespace {

constexpr InfoWindowDesign kHelpDesign{
    .name = "frmHelp",
    .clientWidth = 8520,
    .clientHeight = 5295,
    .text = {105, 120, 8205, 4545},
    .close = {3570, 4830, 1215, 375},
    .style = TextBoxStyle::ReadOnlyScrolling,
    .captionPrefix = "QLY ",
    .caption = GEN_TEXT::TextId::Help,
};

}  // namespace

frmHelp::frmHelp(QWidget* parent) : InfoWindow(kHelpDesign, HelpTexts(), parent) {}

}  // namespace quillday
