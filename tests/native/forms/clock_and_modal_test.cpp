// Timers on the virtual clock, posted messages, and modal loops that keep both running.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/timer.h"
#include "headless_fixture.h"

namespace forms {
namespace {

class ClockTest : public testing::HeadlessTest {
  protected:
    Timer& timer(const std::string& name, unsigned interval, bool enabled) {
        Timer& t = form.add<Timer>(name, {.interval = interval, .enabled = enabled});
        t.onTimer = [this, &t] { fired.push_back(t.name() + "@" + std::to_string(backend.now())); };
        return t;
    }

    Form& form = plainForm("Form1");
    std::vector<std::string> fired;
};

TEST_F(ClockTest, TimersFireInTimeOrderAndOnlyWhileEnabled) {
    Timer& fast = timer("fast", 60, true);
    timer("slow", 80, true);
    Timer& off = timer("off", 10, false);
    backend.advance(250);
    // At 240 both are due; the one whose period began first goes first.
    EXPECT_EQ(fired, (std::vector<std::string>{"fast@60", "slow@80", "fast@120", "slow@160",
                                               "fast@180", "slow@240", "fast@240"}));
    fired.clear();
    fast.disable();
    off.setInterval(20);
    backend.advance(70);  // to 320
    EXPECT_EQ(fired, (std::vector<std::string>{"slow@320"}));
}

TEST_F(ClockTest, EnablingAnEnabledTimerDoesNotRestartItButANewIntervalDoes) {
    Timer& t = timer("t", 500, true);
    backend.advance(400);
    t.enable();
    backend.advance(100);
    EXPECT_EQ(fired, (std::vector<std::string>{"t@500"}));
    backend.advance(300);  // 800
    t.setInterval(1000);
    backend.advance(999);
    EXPECT_EQ(fired.size(), 1u);
    backend.advance(1);
    EXPECT_EQ(fired.back(), "t@1800");
}

TEST_F(ClockTest, ATimerDisabledByAnEarlierHandlerOfTheSameMomentDoesNotFire) {
    Timer& first = timer("first", 100, true);
    Timer& second = timer("second", 100, true);
    first.onTimer = [&] { second.disable(); };
    backend.advance(100);
    EXPECT_TRUE(fired.empty());
    EXPECT_FALSE(backend.timerRunning(second));
}

TEST_F(ClockTest, PostedMessagesPassTheApplicationHookBeforeTheirForm) {
    std::vector<std::string> seen;
    form.setMessageHandler(1536, [&](Message&) { seen.push_back("form 1536"); });
    form.setMessageHandler(1792, [&](Message&) { seen.push_back("form 1792"); });
    app.onMessage = [&](Message& m, Form* target, bool& handled) {
        seen.push_back("hook " + std::to_string(m.number) + (target == &form ? " for Form1" : ""));
        handled = m.number == 689;
    };
    form.post({1536, 0, 0});
    form.post({689, 1, 0});
    form.post({1792, 0, 0});
    EXPECT_TRUE(seen.empty()) << "posted messages wait for the loop";
    backend.processMessages();
    EXPECT_EQ(seen,
              (std::vector<std::string>{"hook 1536 for Form1", "form 1536", "hook 689 for Form1",
                                        "hook 1792 for Form1", "form 1792"}));
}

TEST_F(ClockTest, AModalUploadOf83TicksRunsAtOnceWithTheOtherTimersRunning) {
    Form& dialog = plainForm("Dialog");
    Timer& upload = form.add<Timer>("SetEEPROMTime", {.interval = 60});
    timer("Timer1", 1000, true);
    int ticks = 0;
    upload.onTimer = [&] {
        if (++ticks == 83) {
            upload.disable();
            dialog.close();
        }
    };
    upload.enable();
    dialog.showModal();
    EXPECT_EQ(ticks, 83);
    EXPECT_EQ(backend.now(), 83u * 60u);
    EXPECT_EQ(fired, (std::vector<std::string>{"Timer1@1000", "Timer1@2000", "Timer1@3000",
                                               "Timer1@4000"}));
    EXPECT_FALSE(dialog.visible());
}

TEST_F(ClockTest, MessagesAreDispatchedWhileAModalFormIsShown) {
    Form& dialog = plainForm("Dialog");
    form.setMessageHandler(1792, [&](Message&) { dialog.close(); });
    backend.schedule(500, [&] { form.post({1792, 0, 0}); });
    dialog.showModal();
    EXPECT_EQ(backend.now(), 500u);
}

TEST_F(ClockTest, NestedModalLoopsReturnInnerFirst) {
    Form& outer = plainForm("Outer");
    Form& inner = plainForm("Inner");
    std::vector<std::string> order;
    backend.schedule(10, [&] {
        inner.showModal();
        order.push_back("inner returned");
        outer.close();
    });
    backend.schedule(20, [&] { inner.close(); });
    outer.showModal();
    order.push_back("outer returned");
    EXPECT_EQ(order, (std::vector<std::string>{"inner returned", "outer returned"}));
}

TEST_F(ClockTest, AModalFormWaitingForNoOneIsReportedNotHung) {
    Form& dialog = plainForm("Dialog");
    form.show();
    EXPECT_THROW(dialog.showModal(), headless::StalledModalLoop);
    EXPECT_TRUE(form.acceptsInput()) << "the other forms get their state back";
    EXPECT_FALSE(dialog.modal());
    EXPECT_FALSE(dialog.visible());
}

TEST_F(ClockTest, TerminationEndsAModalLoop) {
    Form& dialog = plainForm("Dialog");
    backend.schedule(100, [&] { app.terminate(); });
    dialog.showModal();
    EXPECT_FALSE(dialog.visible());
    EXPECT_TRUE(backend.terminated());
}

}  // namespace
}  // namespace forms
