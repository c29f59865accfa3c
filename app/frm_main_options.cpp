// The display options: date order, date separator and thousands separator.
#include <QRadioButton>
#include <array>

#include "frm_main.h"

namespace quillday {

using datelib::DateOrder;

namespace {

// Sample captions of the separator buttons, 31 December 2012 in each order.
struct SeparatorSamples {
    DateOrder order;
    const char* dash;
    const char* slash;
    const char* dot;
};

constexpr std::array<SeparatorSamples, 3> kSeparatorSamples = {{
    {DateOrder::YMD, "2012-12-31", "2012/12/31", "2012.12.31"},
    {DateOrder::DMY, "31-12-2012", "31/12/2012", "31.12.2012"},
    {DateOrder::MDY, "12-31-2012", "12/31/2012", "12.31.2012"},
}};

}  // namespace

void frmMain::ShowSeparatorSamples(DateOrder order) {
    for (const SeparatorSamples& samples : kSeparatorSamples) {
        if (samples.order == order) {
            optSeparatorIsDash->setText(samples.dash);
            optSeparatorIsSlash->setText(samples.slash);
            optSeparatorIsDot->setText(samples.dot);
        }
    }
}

void frmMain::ChangeDateOrder(DateOrder order) {
    ShowSeparatorSamples(order);
    ClearInputWindows();
    RefreshTodayDisplay();
}

void frmMain::ChangeDateSeparator() {
    ClearInputWindows();
    RefreshTodayDisplay();
}

// The today labels show the new grouping at the next clock tick.
void frmMain::ChangeThousandsSeparator() {
    FocusInput(1);
}

void frmMain::optDateFormatIsYMD_Click() {
    ChangeDateOrder(DateOrder::YMD);
}
void frmMain::optDateFormatIsDMY_Click() {
    ChangeDateOrder(DateOrder::DMY);
}
void frmMain::optDateFormatIsMDY_Click() {
    ChangeDateOrder(DateOrder::MDY);
}
void frmMain::optSeparatorIsDash_Click() {
    ChangeDateSeparator();
}
void frmMain::optSeparatorIsSlash_Click() {
    ChangeDateSeparator();
}
void frmMain::optSeparatorIsDot_Click() {
    ChangeDateSeparator();
}
void frmMain::optThousSepIsComma_Click() {
    ChangeThousandsSeparator();
}
void frmMain::optThousSepIsDot_Click() {
    ChangeThousandsSeparator();
}
void frmMain::optThousSepNone_Click() {
    ChangeThousandsSeparator();
}

}  // namespace quillday
