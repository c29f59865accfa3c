// How each information window looks: its size, its controls' positions in
// twips, the text box's style and its caption.
#ifndef FORMS_INFO_WINDOW_DESIGN_H
#define FORMS_INFO_WINDOW_DESIGN_H

#include <string_view>

#include "forms/design.h"
#include "texts/gen_text.h"

namespace quillday {

enum class TextBoxStyle {
    // White, vertical scroll bar, read-only (the text can still be selected).
    ReadOnlyScrolling,
    // Light grey, no scroll bar, editable.
    EditableGrey,
};

struct InfoWindowDesign {
    std::string_view name;  // the window's objectName
    int clientWidth;        // twips
    int clientHeight;       // twips
    TwipsRect text;         // txbMsg
    TwipsRect close;        // cmdClose
    TextBoxStyle style;
    std::string_view captionPrefix;  // written before the caption text
    GEN_TEXT::TextId caption;
};

}  // namespace quillday

#endif
