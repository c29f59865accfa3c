#include "texts/frm_credits.h"

#include "info_window_design.h"

namespace quillday {

namespace {

constexpr InfoWindowDesign kCreditsDesign{
    .name = "frmCredits",
    .clientWidth = 7275,
    .clientHeight = 2745,
    .text = {120, 120, 6945, 1530},
    .close = {2940, 2310, 1215, 375},
    .style = TextBoxStyle::EditableGrey,
    .captionPrefix = "",
    .caption = GEN_TEXT::TextId::Credits,
};

}  // namespace

frmCredits::frmCredits(QWidget* parent) : InfoWindow(kCreditsDesign, CreditsTexts(), parent) {}

}  // namespace quillday
