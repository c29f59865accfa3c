// Without its engine the program stops with one clear message.
#include <QTest>

#include "datelib/engine.h"
#include "engine_check.h"
#include "fakes.h"

namespace quillday::testing {

class EngineCheckTest : public QObject {
    Q_OBJECT

  private slots:
    void aMissingEngineIsOneMessageAndNoStart() {
        FakeMessageBoxes boxes;
        const bool usable = EngineIsUsable(boxes, [] {
            throw datelib::EngineLoadError("Cannot load the calendar engine libdaymath.so: gone");
        });
        QVERIFY(!usable);
        QCOMPARE(boxes.shown,
                 QStringList{"Quillday|Cannot load the calendar engine libdaymath.so: gone"});
    }

    void theBuiltEngineLoadsSilently() {
        FakeMessageBoxes boxes;
        QVERIFY(EngineIsUsable(boxes, [] { datelib::Engine(); }));
        QVERIFY(boxes.shown.isEmpty());
    }
};

}  // namespace quillday::testing

QTEST_MAIN(quillday::testing::EngineCheckTest)
#include "engine_check_test.moc"
