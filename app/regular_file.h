// Opening a file only when it is a regular file.
#ifndef APP_REGULAR_FILE_H
#define APP_REGULAR_FILE_H

#include <QFile>
#include <QString>

namespace quillday {

// Opens file on path in mode when path names a regular file, without ever
// waiting: a FIFO in its place would block the open, a device never end.
// Truncate in mode empties the file once it is known to be regular. False
// when path names anything else or cannot be opened.
bool OpenRegularFile(QFile& file, const QString& path, QIODevice::OpenMode mode);

}  // namespace quillday

#endif
