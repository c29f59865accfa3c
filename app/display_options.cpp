#include "display_options.h"

#include <QRadioButton>
#include <QWidget>
#include <string_view>

#include "captions.h"
#include "compute/result_lines.h"
#include "controls.h"

namespace quillday {

using datelib::DateOrder;
using GEN_TEXT::TextId;

namespace {

// The separator buttons show 31 December 2012 in the chosen order.
struct OrderButton {
    std::string_view name;
    DateOrder order;
    std::array<TextId, 3> caption;
    std::array<const char*, 3> separatorSamples;  // dash, dot, slash
};

constexpr std::array<OrderButton, 3> kOrderButtons = {{
    {"optDateFormatIsYMD",
     DateOrder::YMD,
     {TextId::Year, TextId::Month, TextId::Day},
     {"2012-12-31", "2012.12.31", "2012/12/31"}},
    {"optDateFormatIsDMY",
     DateOrder::DMY,
     {TextId::Day, TextId::Month, TextId::Year},
     {"31-12-2012", "31.12.2012", "31/12/2012"}},
    {"optDateFormatIsMDY",
     DateOrder::MDY,
     {TextId::Month, TextId::Day, TextId::Year},
     {"12-31-2012", "12.31.2012", "12/31/2012"}},
}};

struct SeparatorButton {
    std::string_view name;
    std::string_view separator;
};

constexpr std::array<SeparatorButton, 3> kDateSeparatorButtons = {{
    {"optSeparatorIsDash", "-"},
    {"optSeparatorIsDot", "."},
    {"optSeparatorIsSlash", "/"},
}};

constexpr std::array<SeparatorButton, 3> kThousandsSeparatorButtons = {{
    {"optThousSepIsComma", ","},
    {"optThousSepIsDot", "."},
    {"optThousSepNone", ""},
}};

template <typename Table>
std::size_t SelectedIndex(const std::array<QRadioButton*, 3>& group, const Table& table) {
    for (std::size_t index = 0; index < table.size(); ++index) {
        if (group[index]->isChecked()) {
            return index;
        }
    }
    return 0;
}

std::size_t SeparatorIndex(const std::array<SeparatorButton, 3>& table,
                           std::string_view separator) {
    for (std::size_t index = 0; index < table.size(); ++index) {
        if (table[index].separator == separator) {
            return index;
        }
    }
    return 0;
}

std::size_t OrderIndex(DateOrder order) {
    for (std::size_t index = 0; index < kOrderButtons.size(); ++index) {
        if (kOrderButtons[index].order == order) {
            return index;
        }
    }
    return 0;
}

}  // namespace

DisplayOptions::DisplayOptions(const QWidget& window, Reactions reactions)
    : reactions_(std::move(reactions)) {
    for (std::size_t index = 0; index < orders_.size(); ++index) {
        orders_[index] = FindControl<QRadioButton>(window, kOrderButtons[index].name);
        dateSeparators_[index] =
            FindControl<QRadioButton>(window, kDateSeparatorButtons[index].name);
        thousandsSeparators_[index] =
            FindControl<QRadioButton>(window, kThousandsSeparatorButtons[index].name);
        ReactToSelection(orders_[index], [this] { OrderChosen(); });
        ReactToSelection(dateSeparators_[index], [this] { reactions_.dateSeparatorChosen(); });
        ReactToSelection(thousandsSeparators_[index],
                         [this] { reactions_.thousandsSeparatorChosen(); });
    }
}

datelib::Display DisplayOptions::Current() const {
    return {
        kOrderButtons[SelectedIndex(orders_, kOrderButtons)].order,
        std::string(
            kDateSeparatorButtons[SelectedIndex(dateSeparators_, kDateSeparatorButtons)].separator),
        std::string(kThousandsSeparatorButtons[SelectedIndex(thousandsSeparators_,
                                                             kThousandsSeparatorButtons)]
                        .separator)};
}

void DisplayOptions::Select(const datelib::Display& display) {
    SelectAndReact(orders_[OrderIndex(display.order)], [this] { OrderChosen(); });
    SelectAndReact(dateSeparators_[SeparatorIndex(kDateSeparatorButtons, display.dateSeparator)],
                   reactions_.dateSeparatorChosen);
    SelectAndReact(thousandsSeparators_[SeparatorIndex(kThousandsSeparatorButtons,
                                                       display.thousandsSeparator)],
                   reactions_.thousandsSeparatorChosen);
}

void DisplayOptions::OrderChosen() {
    ShowSeparatorSamples();
    reactions_.orderChosen();
}

void DisplayOptions::ShowSeparatorSamples() {
    const OrderButton& order = kOrderButtons[SelectedIndex(orders_, kOrderButtons)];
    for (std::size_t index = 0; index < dateSeparators_.size(); ++index) {
        dateSeparators_[index]->setText(QString::fromUtf8(order.separatorSamples[index]));
    }
}

void DisplayOptions::ApplyCaptions(GEN_TEXT::LanguageCode language) {
    for (std::size_t index = 0; index < orders_.size(); ++index) {
        const auto& [first, second, third] = kOrderButtons[index].caption;
        orders_[index]->setText(
            QString::fromStdString(DateOrderCaption(first, second, third, language)));
    }
    thousandsSeparators_.back()->setText(
        QString::fromStdString(LowerCase(GEN_TEXT::Text(TextId::None, language))));
}

}  // namespace quillday
