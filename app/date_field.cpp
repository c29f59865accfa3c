#include "date_field.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QWidget>
#include <string>

#include <string_view>
#include "controls.h"

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

}  // namespace

DateField::DateField(const QWidget& window, int number, NotationChosen chosen)
    : reaction_(std::move(chosen)) {
    const FieldNames& names = kFieldNames[number == 1 ? 0 : 1];
    box_ = FindControl<QLineEdit>(window, names.box);
    spin_ = FindControl<QScrollBar>(window, names.spin);
    today_ = FindControl<QPushButton>(window, names.today);
    for (std::size_t kind = 0; kind < notations_.size(); ++kind) {
        notations_[kind] = FindControl<QRadioButton>(
            window, names.notationPrefix + std::string(kKindSuffixes[kind]));
        ReactToSelection(notations_[kind],
                         [this, kind] { Choose(static_cast<CalendarKind>(kind)); });
    }
}

void DateField::Choose(CalendarKind kind) {
    const CalendarKind from = chosen_;
    chosen_ = kind;
    reaction_(from, kind);
}

void DateField::Select(CalendarKind kind) {
    SelectAndReact(notations_[static_cast<std::size_t>(kind)], [this, kind] { Choose(kind); });
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
