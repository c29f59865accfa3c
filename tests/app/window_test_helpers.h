#ifndef TESTS_APP_WINDOW_TEST_HELPERS_H
#define TESTS_APP_WINDOW_TEST_HELPERS_H

#include <QTest>
#include <QtWidgets>

#include "fakes.h"
#include "frm_main.h"
#include "texts/line_end.h"

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

inline const QStringList kInputBoxes = {"txbFirstDate", "txbDateDiffDays", "txbSecondDate"};

// The first date, days and second date boxes as "first|days|second".
inline QString Boxes(const QWidget& window) {
    QStringList texts;
    for (const QString& box : kInputBoxes) {
        texts << BoxText(window, box);
    }
    return texts.join('|');
}

// The output window's text with "\n" ending each line, on every system:
// the box gives back "\n" where the program wrote its line end, which is
// CR LF on Windows.
inline QString OutputText(const QWidget& window) {
    return Find<QPlainTextEdit>(window, "txbOutput")
        ->toPlainText()
        .replace(QString::fromUtf8(kLineEnd), "\n");
}

inline bool IsSelected(const QWidget& window, const QString& name) {
    return Find<QAbstractButton>(window, name)->isChecked();
}

// Writes a file, and the folders it needs.
inline void WriteFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// Clicks a button near its left edge, where an option button has its dot.
inline void Click(const QWidget& window, const QString& name) {
    auto* button = Find<QAbstractButton>(window, name);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

inline void ClickLabel(const QWidget& window, const QString& name, Qt::MouseButton button) {
    QTest::mouseClick(Find<QLabel>(window, name), button);
}

// Clicks the buttons of a list separated by blanks, in its order.
inline void ClickAll(const QWidget& window, const QString& names) {
    for (const QString& name : names.split(' ', Qt::SkipEmptyParts)) {
        Click(window, name);
    }
}

// Types into a box key by key, through its key filter.
inline void Type(const QWidget& window, const QString& box, const QString& text) {
    QTest::keyClicks(Find<QLineEdit>(window, box), text);
}

// Types "first|days|second" into the three boxes.
inline void TypeBoxes(const QWidget& window, const QString& typed) {
    for (int i = 0; i < kInputBoxes.size(); ++i) {
        Type(window, kInputBoxes[i], typed.section('|', i, i));
    }
}

// The message boxes an error message gives; none for an empty one.
inline QStringList ErrorBoxes(const QString& message) {
    return message.isEmpty() ? QStringList() : QStringList{"Error!|" + message};
}

// Pastes a text into a box with Ctrl+V, which passes the key filter whole.
inline void Paste(const QWidget& window, const QString& box, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(Find<QLineEdit>(window, box), Qt::Key_V, Qt::ControlModifier);
}

// The entries of the language list, in their fixed order.
enum ListEntry { kEnglishEntry = 0, kGermanEntry = 1, kSpanishEntry = 2 };

// Data rows from a table whose entries begin with their name: one row each,
// fetched back in the test by TableRow.
template <typename Row, std::size_t N>
void AddTableRows(const Row (&table)[N]) {
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < N; ++i) {
        QTest::newRow(table[i].name) << static_cast<int>(i);
    }
}

template <typename Row, std::size_t N>
const Row& TableRow(const Row (&table)[N]) {
    return table[*static_cast<int*>(QTest::qData("row", QMetaType::Int))];
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

// A test class whose every test starts with fresh fakes.
class WindowTest : public QObject {
    Q_OBJECT

  protected:
    FakeServices fakes_;

  private slots:
    void init() { fakes_ = FakeServices(); }
};

}  // namespace quillday::testing

#endif
