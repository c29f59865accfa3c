// Helpers for driving the information windows in Qt Test on the offscreen
// platform.
#ifndef TESTS_TEXTS_WINDOW_HELPERS_H
#define TESTS_TEXTS_WINDOW_HELPERS_H

#include <QPlainTextEdit>
#include <QPushButton>
#include <QString>
#include <QTest>
#include <QWidget>

#include "texts/gen_text.h"
#include "texts/info_window.h"

namespace quillday::test {

// Shows the window and waits until it is the active window.
inline bool Activate(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// What the window's text box shows.
inline QString ShownText(const InfoWindow& window) {
    return window.txbMsg->toPlainText();
}

}  // namespace quillday::test

#endif
