#include "services/web_links.h"

#include <QGuiApplication>
#include <QUrl>

namespace quillday {

void OpenWebPage(const QString& address, WebOpener& opener, MessageBoxes& messageBoxes) {
    if (!opener.Open(QUrl(address))) {
        messageBoxes.Exclamation(nullptr, QGuiApplication::applicationDisplayName(),
                                 QString::fromLatin1(kBrowserErrorText));
    }
}

}  // namespace quillday
