#include "app_identity.h"

#include <QApplication>
#include <QString>

namespace quillday {

namespace {

// The sizes of the icon's PNG renderings, embedded as resources.
constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};

QString IconResource(int size) {
    return QStringLiteral(":/icons/hicolor/%1x%1/apps/%2.png")
        .arg(size)
        .arg(QLatin1String(kApplicationId));
}

}  // namespace

void SetProgramNames() {
    QApplication::setOrganizationName(QStringLiteral("Quillday"));
    QApplication::setApplicationName(QStringLiteral("qly734"));
    QApplication::setApplicationVersion(QStringLiteral(QUILLDAY_VERSION));
}

void SetDesktopIdentity() {
    // Wayland compositors and docks find the name and icon of the window
    // through the desktop entry.
    QGuiApplication::setDesktopFileName(QLatin1String(kApplicationId));
    QApplication::setWindowIcon(ApplicationIcon());
}

QIcon ApplicationIcon() {
    QIcon icon;
    for (const int size : kIconSizes) {
        icon.addFile(IconResource(size), QSize(size, size));
    }
    return icon;
}

}  // namespace quillday
