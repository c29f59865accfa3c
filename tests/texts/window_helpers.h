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
#include "texts/line_end.h"

namespace quillday::test {

// A text as a text box gives it back: every line end becomes "\n".
inline QString AsShown(QString text) {
    return text.replace(QString::fromLatin1(kLineEnd.data(), kLineEnd.size()), "\n");
}

// The program's line end, repeated.
inline QString LineEnds(int count) {
    return QString::fromLatin1(kLineEnd.data(), kLineEnd.size()).repeated(count);
}

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
