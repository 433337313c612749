#include "web/mirror_channel.h"

#include <gtest/gtest.h>
#include <poll.h>

#include <thread>

namespace orvane::web {
namespace {

using namespace std::chrono_literals;

bool readable(int fd) {
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, 0) == 1;
}

TEST(MirrorChannel, InputWakesTheUiThreadAndIsTakenInOrder) {
    MirrorChannel channel;
    EXPECT_FALSE(readable(channel.wakeFd()));
    InputCommand a;
    a.x = 1;
    InputCommand b;
    b.x = 2;
    const auto first = channel.submit(a);
    const auto second = channel.submit(b);
    ASSERT_TRUE(first && second);
    EXPECT_LT(*first, *second);
    EXPECT_TRUE(readable(channel.wakeFd()));
    auto taken = channel.takeInputs();
    ASSERT_EQ(taken.size(), 2u);
    EXPECT_EQ(taken[0].second.x, 1);
    EXPECT_EQ(taken[1].second.x, 2);
    EXPECT_FALSE(readable(channel.wakeFd()));
}

TEST(MirrorChannel, AnOutcomeIsSeenOnlyAfterTheNextPublication) {
    MirrorChannel channel;
    const uint64_t sequence = *channel.submit(InputCommand{});
    channel.takeInputs();
    channel.recordOutcome(sequence, InputOutcome::StaleWindow);
    EXPECT_FALSE(channel.waitApplied(sequence, 10ms));
    channel.publish("{\"a\":1}");
    const auto result = channel.waitApplied(sequence, 10ms);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->outcome, InputOutcome::StaleWindow);
    EXPECT_EQ(result->version, 1u);
}

TEST(MirrorChannel, AnUnchangedScreenKeepsItsVersion) {
    MirrorChannel channel;
    channel.publish("{\"a\":1}");
    channel.publish("{\"a\":1}");
    EXPECT_EQ(channel.published().version, 1u);
    EXPECT_EQ(*channel.published().json, "{\"version\":1,\"ui\":{\"a\":1}}");
    channel.publish("{\"a\":2}");
    EXPECT_EQ(channel.published().version, 2u);
}

TEST(MirrorChannel, WaitersWakeForNewScreensFocusAndClosing) {
    MirrorChannel channel;
    channel.publish("{}");
    std::thread publisher([&] {
        std::this_thread::sleep_for(20ms);
        channel.publish("{\"b\":1}");
    });
    const auto changed = channel.waitChange(1, 0, 5s);
    publisher.join();
    EXPECT_EQ(changed.version, 2u);

    channel.requestFocus();
    EXPECT_EQ(channel.waitChange(2, 0, 5s).focusRequests, 1u);

    const uint64_t sequence = *channel.submit(InputCommand{});
    channel.close();
    EXPECT_TRUE(channel.waitChange(2, 1, 5s).closed);
    EXPECT_FALSE(channel.waitApplied(sequence, 5s));
    EXPECT_FALSE(channel.submit(InputCommand{}));
}

TEST(MirrorChannel, RefusesInputBeyondTheQueueBound) {
    MirrorChannel channel;
    for (size_t i = 0; i < MirrorChannel::kMaxQueuedInputs; ++i) {
        ASSERT_TRUE(channel.submit(InputCommand{}));
    }
    EXPECT_FALSE(channel.submit(InputCommand{}));
    channel.takeInputs();
    EXPECT_TRUE(channel.submit(InputCommand{}));
}

}  // namespace
}  // namespace orvane::web
