#include "services.h"

#include <QDate>
#include <QDateTime>
#include <QDesktopServices>
#include <QMessageBox>
#include <QTime>

namespace quillday {

namespace {

class SystemClock final : public LocalClock {
  public:
    LocalDateTime Now() const override {
        const QDateTime now = QDateTime::currentDateTime();
        const QDate date = now.date();
        const QTime time = now.time();
        return {date.year(), date.month(), date.day(), time.hour(), time.minute()};
    }
};

class QtMessageBoxes final : public MessageBoxes {
  public:
    void Error(QWidget* parent, const QString& title, const QString& text) override {
        QMessageBox::critical(parent, title, text, QMessageBox::Ok);
    }

    Answer Question(QWidget* parent, const QString& title, const QString& text) override {
        switch (QMessageBox::question(parent, title, text,
                                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
            case QMessageBox::Yes:
                return Answer::Yes;
            case QMessageBox::No:
                return Answer::No;
            default:
                return Answer::Cancel;
        }
    }

    void Exclamation(QWidget* parent, const QString& title, const QString& text) override {
        QMessageBox::warning(parent, title, text, QMessageBox::Ok);
    }
};

class DesktopWebOpener final : public WebOpener {
  public:
    bool Open(const QUrl& address) override { return QDesktopServices::openUrl(address); }
};

}  // namespace

Services Services::Real() {
    return {std::make_shared<SystemClock>(), std::make_shared<QtMessageBoxes>(),
            std::make_shared<DesktopWebOpener>(), QString()};
}

}  // namespace quillday
