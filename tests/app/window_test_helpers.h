#ifndef TESTS_APP_WINDOW_TEST_HELPERS_H
#define TESTS_APP_WINDOW_TEST_HELPERS_H

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "frm_main.h"

namespace quillday::testing {

// The control of the window with that objectName; fails the test when missing.
template <typename Widget>
Widget* Find(const QWidget& window, const QString& name) {
    auto* control = window.findChild<Widget*>(name);
    if (control == nullptr) {
        qFatal("no control %s", qPrintable(name));
    }
    return control;
}

inline QString LabelText(const QWidget& window, const QString& name) {
    return Find<QLabel>(window, name)->text();
}

inline QString BoxText(const QWidget& window, const QString& name) {
    return Find<QLineEdit>(window, name)->text();
}

inline QString OutputText(const QWidget& window) {
    return Find<QPlainTextEdit>(window, "txbOutput")->toPlainText();
}

// Clicks a button near its left edge, where an option button has its dot.
inline void Click(const QWidget& window, const QString& name) {
    auto* button = Find<QAbstractButton>(window, name);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

inline void ClickLabel(const QWidget& window, const QString& name, Qt::MouseButton button) {
    QTest::mouseClick(Find<QLabel>(window, name), button);
}

// Chooses an entry of the language list as a user does: opens its popup and
// clicks the entry.
inline void ChooseLanguage(const QWidget& window, int index) {
    auto* list = Find<QComboBox>(window, "cboLanguage");
    list->showPopup();
    QAbstractItemView* entries = list->view();
    QVERIFY(QTest::qWaitForWindowExposed(entries->window()));
    const QRect entry = entries->visualRect(entries->model()->index(index, 0));
    QTest::mouseClick(entries->viewport(), Qt::LeftButton, {}, entry.center());
    QTRY_VERIFY(!entries->window()->isVisible());
}

}  // namespace quillday::testing

#endif
