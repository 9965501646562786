// The voice the audio device draws from: a loop that wraps without a gap, a
// sound played once that ends in silence, a new sound cutting in, and the
// wait for a sound played once.
#include "platform/gtk/sound_queue.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Fill(SoundVoice& voice, size_t size) {
    Bytes output(size, 0);
    FillFromVoice(voice, output.data(), size);
    return output;
}

TEST(SoundQueueTest, LoopsWrapSoundsPlayedOnceEndInSilenceAndNewSoundsCutIn) {
    const uint8_t tune[] = {1, 2, 3, 4, 5}, jingle[] = {9, 8, 7};
    SoundVoice voice{};
    EXPECT_EQ(Fill(voice, 2), (Bytes{0x80, 0x80}));
    StartVoice(voice, tune, sizeof tune, true);
    EXPECT_EQ(Fill(voice, 3), (Bytes{1, 2, 3}));
    EXPECT_EQ(Fill(voice, 8), (Bytes{4, 5, 1, 2, 3, 4, 5, 1}));
    StartVoice(voice, jingle, sizeof jingle, false);
    EXPECT_EQ(Fill(voice, 2), (Bytes{9, 8}));
    EXPECT_TRUE(VoicePlaying(voice));
    EXPECT_EQ(Fill(voice, 3), (Bytes{7, 0x80, 0x80}));
    EXPECT_FALSE(VoicePlaying(voice));
    StartVoice(voice, jingle, sizeof jingle, false);
    EXPECT_EQ(Fill(voice, 3), (Bytes{9, 8, 7})); // ending at a buffer's end finishes it too
    EXPECT_FALSE(VoicePlaying(voice));
    StartVoice(voice, tune, sizeof tune, true);
    SilenceVoice(voice);
    EXPECT_EQ(Fill(voice, 2), (Bytes{0x80, 0x80}));
    StartVoice(voice, tune, sizeof tune, true);
    StartVoice(voice, nullptr, 0, false); // an empty sound stops what played
    EXPECT_FALSE(VoicePlaying(voice));
    // The clear jingle, 8082 samples at 8000 Hz through a 512-sample buffer.
    EXPECT_GE(PlayOnceLimitMs(8082, 8000, 512), 1010 + 64);
    EXPECT_LE(PlayOnceLimitMs(8082, 8000, 512), 1010 + 64 + 500);
    EXPECT_GE(PlayOnceLimitMs(0, 8000, 8000), 1000);
}

} // namespace
