// A date box of the main window with the controls that belong to it: its
// five notation buttons, its spin control and its Today button.
#ifndef APP_DATE_FIELD_H
#define APP_DATE_FIELD_H

#include <array>
#include <functional>

#include "datelib/date_values.h"

class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace quillday {

class DateField {
  public:
    // What the window does when a notation is chosen, by the user or by
    // Select: from is the notation chosen before, in which the box's text
    // is written.
    using NotationChosen =
        std::function<void(datelib::CalendarKind from, datelib::CalendarKind to)>;

    // Takes the controls of the first date box (number 1) or of the second
    // (number 2), found in window by their names.
    DateField(const QWidget& window, int number, NotationChosen chosen);

    QLineEdit* Box() const { return box_; }
    QScrollBar* Spin() const { return spin_; }
    QPushButton* TodayButton() const { return today_; }

    // The notation its buttons choose.
    datelib::CalendarKind Kind() const { return chosen_; }

    // Selects the notation's button; the choice runs its reaction, also where
    // the button was selected already.
    void Select(datelib::CalendarKind kind);

    // Puts the focus into the box, the caret after its text.
    void Focus() const;

    // Tells screen readers the box's notation, as its button's caption says it.
    void Describe() const;

  private:
    void Choose(datelib::CalendarKind kind);

    QLineEdit* box_ = nullptr;
    QScrollBar* spin_ = nullptr;
    QPushButton* today_ = nullptr;
    std::array<QRadioButton*, datelib::kKindCount> notations_{};  // by CalendarKind
    datelib::CalendarKind chosen_ = datelib::CalendarKind::CE;
    NotationChosen reaction_;
};

}  // namespace quillday

#endif
