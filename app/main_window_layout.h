// The controls of the main window as data: name, kind, container, design
// position in twips and design caption.
#ifndef APP_MAIN_WINDOW_LAYOUT_H
#define APP_MAIN_WINDOW_LAYOUT_H

#include <span>
#include <string_view>

#include "forms/design.h"

namespace quillday {

enum class ControlKind {
    Label,
    ClickLabel,  // a label that acts when clicked, as the today labels do
    LinkLabel,
    ComboBox,
    Button,
    Frame,
    OptionButton,
    InputBox,
    OutputBox,
    VerticalScrollBar,
};

enum class ControlFont {
    Normal,   // "MS Sans Serif" 8.25 pt
    Compute,  // "MS Sans Serif" 12 pt bold
    Output,   // "Courier New" 9 pt
};

struct ControlDesign {
    std::string_view name;  // the control's objectName
    ControlKind kind;
    std::string_view container;    // empty for the window itself
    int left, top, width, height;  // twips, relative to the container
    std::string_view caption;      // design caption, replaced by the language's at start-up
    ControlFont font = ControlFont::Normal;
};

// The window's client area in twips.
inline constexpr int kClientWidthTwips = 10740;
inline constexpr int kClientHeightTwips = 7830;

// Every control, each container listed before what it contains.
std::span<const ControlDesign> MainWindowControls();

// The option buttons of one choice: exactly one of them is selected.
using OptionGroup = std::span<const std::string_view>;

// Every choice of the window made with option buttons.
std::span<const OptionGroup> MainWindowOptionGroups();

// A label that names the control beside it; screen readers read the label's
// caption as the control's name.
struct LabelBuddy {
    std::string_view label;
    std::string_view control;
};

// Every control named by the label beside it.
std::span<const LabelBuddy> MainWindowBuddies();

}  // namespace quillday

#endif
