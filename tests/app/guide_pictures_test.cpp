// The labelled pictures of the window that the user guides show: those the
// build draws beside the guides, and those qly734_screenshot --guide draws,
// each a PNG file of the window's size showing the window in its language
// with the callouts drawn over it.
#include "window_test_helpers.h"

namespace quillday::testing {

namespace {

// clang-format off
const struct { const char* name; ListEntry entry; const char* file; } kPictures[] = {
    {"English", kEnglishEntry, "quillday-window.en.png"},
    {"German", kGermanEntry, "quillday-window.de.png"},
    {"Spanish", kSpanishEntry, "quillday-window.es.png"},
};
// clang-format on

// The outlines and numbers of the ten groups change some 20,000 pixels of
// the window; fewer than half of them means that groups went unmarked.
constexpr qint64 kLeastCalloutPixels = 10000;
constexpr int kToolMilliseconds = 60000;

// The picture in the file, read only as a PNG file; a null image otherwise.
QImage ReadPng(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

qint64 DifferingPixels(const QImage& a, const QImage& b) {
    const QImage first = a.convertToFormat(QImage::Format_RGB32);
    const QImage second = b.convertToFormat(QImage::Format_RGB32);
    qint64 differing = 0;
    for (int y = 0; y < first.height(); ++y) {
        for (int x = 0; x < first.width(); ++x) {
            differing += first.pixel(x, y) != second.pixel(x, y) ? 1 : 0;
        }
    }
    return differing;
}

}  // namespace

class GuidePicturesTest : public WindowTest {
    Q_OBJECT

  private:
    // The window as the user sees it after choosing the entry of the
    // language list, without callouts.
    QImage PlainWindow(int entry) {
        frmMain window(fakes_.ForWindow());
        ChooseLanguage(window, entry);
        return window.grab().toImage();
    }

    QSize WindowSize() {
        frmMain window(fakes_.ForWindow());
        return window.size();
    }

  private slots:
    void theBuildDrawsAPictureBesideTheGuides_data() { AddTableRows(kPictures); }

    void theBuildDrawsAPictureBesideTheGuides() {
        if (!QUILLDAY_BUILD_DRAWS_PICTURES) {
            QSKIP("a cross build takes the pictures of a native build");
        }
        const auto& row = TableRow(kPictures);
        const QImage picture =
            ReadPng(QDir(QCoreApplication::applicationDirPath()).filePath(row.file));
        QVERIFY2(!picture.isNull(), row.file);
        QCOMPARE(picture.size(), WindowSize());
    }

    // Each picture is nearer the window in its own language than in any
    // other, and differs from it by the callouts.
    void theGuideModeDrawsTheWindowInEachLanguageWithItsCallouts() {
        const QTemporaryDir folder;
        QProcess tool;
        tool.start(QDir(QCoreApplication::applicationDirPath()).filePath(QLY734_SCREENSHOT),
                   {"--guide", folder.path()});
        QVERIFY(tool.waitForFinished(kToolMilliseconds));
        QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
        QVERIFY2(tool.exitCode() == 0, tool.readAllStandardError().constData());
        QList<QImage> plain;
        for (const auto& row : kPictures) {
            plain << PlainWindow(row.entry);
        }
        for (const auto& row : kPictures) {
            const QImage picture = ReadPng(folder.filePath(row.file));
            QVERIFY2(!picture.isNull(), row.file);
            QCOMPARE(picture.size(), WindowSize());
            const qint64 callouts = DifferingPixels(picture, plain[row.entry]);
            QVERIFY2(callouts >= kLeastCalloutPixels, qPrintable(QString::number(callouts)));
            for (const auto& other : kPictures) {
                if (other.entry != row.entry) {
                    QVERIFY2(DifferingPixels(picture, plain[other.entry]) > callouts,
                             qPrintable(QString(row.name) + " looks like " + other.name));
                }
            }
        }
    }
};

}  // namespace quillday::testing

QTEST_MAIN(quillday::testing::GuidePicturesTest)
#include "guide_pictures_test.moc"
