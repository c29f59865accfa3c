// The display options of the main window: the date order, the date
// separator and the thousands separator, each a group of option buttons.
#ifndef APP_DISPLAY_OPTIONS_H
#define APP_DISPLAY_OPTIONS_H

#include <array>
#include <functional>

#include "datelib/date_values.h"
#include "texts/gen_text.h"

class QRadioButton;
class QWidget;

namespace quillday {

class DisplayOptions {
  public:
    // What the window does after a choice, made by the user or by Select.
    struct Reactions {
        std::function<void()> orderChosen;
        std::function<void()> dateSeparatorChosen;
        std::function<void()> thousandsSeparatorChosen;
    };

    // Takes the window's option buttons, found by their names.
    DisplayOptions(const QWidget& window, Reactions reactions);

    // The display the selected buttons describe.
    datelib::Display Current() const;

    // Selects the buttons of display, a group's first button where no button
    // offers its value. Each choice runs its reaction, also where its button
    // was selected already.
    void Select(const datelib::Display& display);

    // The captions that follow the language: the three orders and "none".
    void ApplyCaptions(GEN_TEXT::LanguageCode language);

  private:
    using Group = std::array<QRadioButton*, 3>;

    void ShowSeparatorSamples();
    void OrderChosen();

    Group orders_{};
    Group dateSeparators_{};
    Group thousandsSeparators_{};
    Reactions reactions_;
};

}  // namespace quillday

#endif
