// Stand-ins for the main window's outside world.
#ifndef TESTS_APP_FAKES_H
#define TESTS_APP_FAKES_H

#include <QtCore>
#include <memory>

#include "services/services.h"

namespace quillday::testing {

class FakeClock final : public LocalClock {
  public:
    LocalDateTime now{2012, 12, 31, 14, 5};  // a Monday
    // Readings given one a call before now: a clock that moves on.
    mutable QList<LocalDateTime> coming;
    LocalDateTime Now() const override { return coming.isEmpty() ? now : coming.takeFirst(); }
};

// Behaves like a modal box: while "open" it runs a nested event loop for a
// moment, so timers fire and queued events arrive as they do under a real
// box, then it gives its scripted answer.
class FakeMessageBoxes final : public MessageBoxes {
  public:
    QStringList shown;  // "title|text" of every box, in order
    Answer answer = Answer::Yes;
    int openMs = 30;

    void Error(QWidget*, const QString& title, const QString& text) override { Open(title, text); }
    Answer Question(QWidget*, const QString& title, const QString& text) override {
        Open(title, text);
        return answer;
    }
    void Exclamation(QWidget*, const QString& title, const QString& text) override {
        Open(title, text);
    }

  private:
    void Open(const QString& title, const QString& text) {
        shown << title + "|" + text;
        QEventLoop modal;
        QTimer::singleShot(openMs, &modal, &QEventLoop::quit);
        modal.exec();
    }
};

class FakeWebOpener final : public WebOpener {
  public:
    QStringList opened;
    bool succeeds = true;
    bool Open(const QUrl& address) override {
        opened << address.toString();
        return succeeds;
    }
};

struct FakeServices {
    std::shared_ptr<FakeClock> clock = std::make_shared<FakeClock>();
    std::shared_ptr<FakeMessageBoxes> messageBoxes = std::make_shared<FakeMessageBoxes>();
    std::shared_ptr<FakeWebOpener> webOpener = std::make_shared<FakeWebOpener>();
    // Beneath a file, where no system lets anyone make a folder: windows
    // read no settings and write none.
    QString settingsFilePath = QCoreApplication::applicationFilePath() + "/qly5.usr";
    QString settingsFallbackPath;

    Services ForWindow() const {
        return {clock, messageBoxes, webOpener, settingsFilePath, settingsFallbackPath};
    }
};

}  // namespace quillday::testing

#endif
