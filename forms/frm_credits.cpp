#include "forms/frm_credits.h"

#include <QEvent>

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

void frmCredits::SetOuterHeight(int pixels) {
    outerHeight_ = pixels;
    FitOuterHeight();
}

void frmCredits::FitOuterHeight() {
    if (outerHeight_ <= 0) {
        return;
    }
    const int frameHeight = frameGeometry().height() - geometry().height();
    const int clientHeight = ClientHeight(outerHeight_, frameHeight);
    if (clientHeight != height()) {
        setFixedHeight(clientHeight);
    }
}

bool frmCredits::event(QEvent* event) {
    const bool handled = InfoWindow::event(event);
    const QEvent::Type type = event->type();
    if (type == QEvent::Show || type == QEvent::Move || type == QEvent::WindowActivate) {
        FitOuterHeight();
    }
    return handled;
}

}  // namespace quillday
