#include "platform/gui/Pictures.h"
#include "platform/gui/Services.h"
#include "platform/gui/Timer.h"
#include "platform/gui/Window.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(Timer, ModesOffOnceRepeating)
{
    Timer once(Timer::Mode::Once, 10);
    Timer repeating(Timer::Mode::Repeating, 10);
    Timer off(Timer::Mode::Off, 10);
    int onceCount = 0, repeatCount = 0, offCount = 0;
    once.onAction = [&] { ++onceCount; };
    repeating.onAction = [&] { ++repeatCount; };
    off.onAction = [&] { ++offCount; };
    QTest::qWait(120);
    EXPECT_EQ(onceCount, 1);
    EXPECT_EQ(once.mode(), Timer::Mode::Off) << "a once-timer turns itself off";
    EXPECT_GE(repeatCount, 3);
    EXPECT_EQ(offCount, 0);

    once.setMode(Timer::Mode::Once); // switched on again by a handler
    repeating.setMode(Timer::Mode::Off);
    const int stoppedAt = repeatCount;
    QTest::qWait(60);
    EXPECT_EQ(onceCount, 2);
    EXPECT_EQ(repeatCount, stoppedAt);
}

TEST(Services, ScriptedInputReplacesTheKeyboardAndMouse)
{
    ScriptedInput input;
    input.mods = kCommandKey | kShiftKey;
    input.tickCount = 120;
    Window w;
    w.setSize(620, 450);
    input.point = w.surface()->mapToGlobal(QPoint(30, 40));
    Services& s = Services::instance();
    s.setInput(&input);
    EXPECT_EQ(s.modifiers(), kCommandKey | kShiftKey);
    EXPECT_EQ(s.ticks(), 120u);
    EXPECT_EQ(s.pointerIn(w), QPoint(30, 40));
    s.setInput(nullptr);
    const uint64_t t0 = s.ticks();
    QTest::qWait(50);
    EXPECT_GE(s.ticks(), t0 + 2) << "real ticks are sixtieths of a second";
}

TEST(Services, RecordersCatchFinderRequestsAndLaunches)
{
    Services& s = Services::instance();
    EXPECT_FALSE(s.recordFinder("revealItem", {"/tmp"})) << "nothing records by default";
    RequestRecorder finder, launches;
    s.setFinderRecorder(&finder);
    s.setLaunchRecorder(&launches);
    EXPECT_TRUE(s.recordFinder("revealItem", {"/tmp/a"}));
    EXPECT_TRUE(s.launch(QUrl::fromLocalFile("/tmp/a.txt")));
    s.setFinderRecorder(nullptr);
    s.setLaunchRecorder(nullptr);
    ASSERT_EQ(finder.requests.size(), 1u);
    EXPECT_EQ(finder.requests[0].kind, "revealItem");
    EXPECT_EQ(finder.requests[0].args, QStringList{"/tmp/a"});
    ASSERT_EQ(launches.requests.size(), 1u);
    EXPECT_EQ(launches.requests[0].args, QStringList{"file:///tmp/a.txt"});
}

TEST(Pictures, EveryResourceIdHasAPictureOfItsSize)
{
    for (int id = 168; id <= 193; ++id)
        EXPECT_FALSE(Pictures::get(id).isNull()) << "id " << id;
    EXPECT_TRUE(Pictures::get(167).isNull());
    EXPECT_TRUE(Pictures::get(194).isNull());
    EXPECT_EQ(Pictures::get(Pictures::kFolIcon).size(), QSize(16, 16));
    EXPECT_EQ(Pictures::get(Pictures::kFolAliasIcon).size(), QSize(16, 16));
    EXPECT_EQ(Pictures::get(Pictures::kIcBack).size(), QSize(24, 24));
    EXPECT_EQ(Pictures::get(Pictures::kIcTrash).size(), QSize(32, 32));
    EXPECT_FALSE(Pictures::programIcon().isNull());
}

TEST(Pictures, ComposeKeepsOnlyWhatTheMaskShows)
{
    QPixmap image(4, 4);
    image.fill(Qt::red);
    QImage mask(4, 4, QImage::Format_ARGB32);
    mask.fill(Qt::white);
    mask.setPixel(1, 2, qRgb(0, 0, 0));
    const QImage out = Pictures::compose(image, QPixmap::fromImage(mask)).toImage();
    EXPECT_EQ(qAlpha(out.pixel(1, 2)), 255);
    EXPECT_EQ(qRed(out.pixel(1, 2)), 255);
    EXPECT_EQ(qAlpha(out.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(out.pixel(3, 3)), 0);
    // A composed row picture keeps the picture's own pixels where the shape is.
    const QImage folder = Pictures::compose(Pictures::get(Pictures::kFolIcon),
                                            Pictures::get(Pictures::kFolIconMask)).toImage();
    int shown = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            shown += qAlpha(folder.pixel(x, y)) > 0;
    EXPECT_GT(shown, 40);
    EXPECT_TRUE(Pictures::compose(QPixmap(), QPixmap()).isNull());
}

} // namespace
