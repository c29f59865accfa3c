#include "date_field.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QWidget>
#include <string>
#include <string_view>

namespace quillday {

using datelib::CalendarKind;

namespace {

// The notation buttons' names end in these, by CalendarKind.
constexpr std::array<std::string_view, datelib::kKindCount> kKindSuffixes = {"CE", "JC", "JDN",
                                                                             "AN", "DIY"};

struct FieldNames {
    const char* box;
    const char* notationPrefix;
    const char* spin;
    const char* today;
};

constexpr std::array<FieldNames, 2> kFieldNames = {{
    {"txbFirstDate", "optFirstDateIs", "VScroll(0)", "cmdToday(0)"},
    {"txbSecondDate", "optSecondDateIs", "VScroll(1)", "cmdToday(1)"},
}};

template <typename Widget>
Widget* Find(const QWidget& window, const std::string& name) {
    return window.findChild<Widget*>(QString::fromStdString(name));
}

}  // namespace

DateField::DateField(const QWidget& window, int number, NotationChosen chosen)
    : reaction_(std::move(chosen)) {
    const FieldNames& names = kFieldNames[number == 1 ? 0 : 1];
    box_ = Find<QLineEdit>(window, names.box);
    spin_ = Find<QScrollBar>(window, names.spin);
    today_ = Find<QPushButton>(window, names.today);
    for (std::size_t kind = 0; kind < notations_.size(); ++kind) {
        QRadioButton* button =
            Find<QRadioButton>(window, names.notationPrefix + std::string(kKindSuffixes[kind]));
        notations_[kind] = button;
        // Toggled, not clicked: a selection made in code reacts as a click does.
        QObject::connect(button, &QRadioButton::toggled, button, [this, kind](bool selected) {
            if (selected) {
                Choose(static_cast<CalendarKind>(kind));
            }
        });
    }
}

void DateField::Choose(CalendarKind kind) {
    const CalendarKind from = chosen_;
    chosen_ = kind;
    reaction_(from, kind);
}

void DateField::Select(CalendarKind kind) {
    QRadioButton* button = notations_[static_cast<std::size_t>(kind)];
    if (button->isChecked()) {
        Choose(kind);
    } else {
        button->setChecked(true);
    }
}

void DateField::Focus() const {
    box_->setFocus();
    box_->end(false);
}

// Read after the box's name: "First date:, Common Era date (CE)".
void DateField::Describe() const {
    box_->setAccessibleDescription(notations_[static_cast<std::size_t>(chosen_)]->text());
}

}  // namespace quillday
