// The voice the audio device draws from: a loop that wraps without a gap, a
// sound played once that ends in silence, and a new sound cutting in.
#include "platform/gtk/sound_queue.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<uint8_t> Fill(SoundVoice& voice, size_t size) {
    std::vector<uint8_t> output(size, 0);
    FillFromVoice(voice, output.data(), size);
    return output;
}

const uint8_t TUNE[] = {1, 2, 3, 4, 5};
const uint8_t JINGLE[] = {9, 8, 7};
using Bytes = std::vector<uint8_t>;

TEST(SoundQueueTest, LoopsWrapAndSoundsPlayedOnceEndInSilence) {
    SoundVoice voice{};
    EXPECT_EQ(Fill(voice, 2), (Bytes{0x80, 0x80}));
    StartVoice(voice, TUNE, sizeof TUNE, true);
    EXPECT_EQ(Fill(voice, 3), (Bytes{1, 2, 3}));
    EXPECT_EQ(Fill(voice, 13), (Bytes{4, 5, 1, 2, 3, 4, 5, 1, 2, 3, 4, 5, 1}));
    EXPECT_TRUE(VoicePlaying(voice));

    StartVoice(voice, JINGLE, sizeof JINGLE, false);
    EXPECT_EQ(Fill(voice, 2), (Bytes{9, 8}));
    EXPECT_TRUE(VoicePlaying(voice));
    EXPECT_EQ(Fill(voice, 3), (Bytes{7, 0x80, 0x80}));
    EXPECT_FALSE(VoicePlaying(voice));
    // Ending exactly at a buffer's end also finishes it.
    StartVoice(voice, JINGLE, sizeof JINGLE, false);
    EXPECT_EQ(Fill(voice, 3), (Bytes{9, 8, 7}));
    EXPECT_FALSE(VoicePlaying(voice));
}

TEST(SoundQueueTest, NewSoundsCutInAndSilenceStopsAtOnce) {
    SoundVoice voice{};
    StartVoice(voice, TUNE, sizeof TUNE, true);
    Fill(voice, 2);
    StartVoice(voice, JINGLE, sizeof JINGLE, false);
    EXPECT_EQ(Fill(voice, 4), (Bytes{9, 8, 7, 0x80}));

    StartVoice(voice, TUNE, sizeof TUNE, true);
    SilenceVoice(voice);
    EXPECT_EQ(Fill(voice, 2), (Bytes{0x80, 0x80}));
    // An empty sound plays nothing and stops what played.
    StartVoice(voice, TUNE, sizeof TUNE, true);
    StartVoice(voice, nullptr, 0, false);
    EXPECT_FALSE(VoicePlaying(voice));
}

TEST(SoundQueueTest, WaitForASoundCoversItsLengthAndTheDeviceBuffer) {
    // The clear jingle: 8082 samples at 8000 Hz, through a 512-sample buffer.
    const int limit = PlayOnceLimitMs(8082, 8000, 512);
    EXPECT_GE(limit, 1010 + 64);
    EXPECT_LE(limit, 1010 + 64 + 500);
    EXPECT_GE(PlayOnceLimitMs(0, 8000, 8000), 1000); // a second of buffer still to play
    EXPECT_GT(PlayOnceLimitMs(0, 0, 512), 0);
}

} // namespace
