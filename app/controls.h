// Small helpers shared by the main window and its groups of controls:
// finding a control by its objectName, and option buttons whose choice runs
// a reaction however it is made.
#ifndef APP_CONTROLS_H
#define APP_CONTROLS_H

#include <QRadioButton>
#include <QString>
#include <QWidget>
#include <functional>
#include <string_view>

namespace quillday {

// The control of window with that objectName, or null.
template <typename Widget>
Widget* FindControl(const QWidget& window, std::string_view name) {
    return window.findChild<Widget*>(
        QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

// Runs reaction whenever the button becomes selected. It reacts to toggled,
// not clicked, so that a selection made in code reacts as a click does.
inline void ReactToSelection(QRadioButton* button, std::function<void()> reaction) {
    QObject::connect(button, &QRadioButton::toggled, button,
                     [reaction = std::move(reaction)](bool selected) {
                         if (selected) {
                             reaction();
                         }
                     });
}

// Selects the button; its reaction runs also where it was selected already,
// which emits no toggle.
inline void SelectAndReact(QRadioButton* button, const std::function<void()>& reaction) {
    if (button->isChecked()) {
        reaction();
    } else {
        button->setChecked(true);
    }
}

}  // namespace quillday

#endif
