// The one voice that plays the game's sounds, apart from the audio device:
// the device's callback asks it for bytes, the desktop functions start and
// silence it. A new sound replaces the one playing, as the game expects from
// a single-channel player. Samples are unsigned 8-bit, so silence is 0x80.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr uint8_t SILENT_SAMPLE = 0x80;

struct SoundVoice {
    const uint8_t* samples; // null when nothing plays
    size_t length;
    size_t position;
    bool looping;
};

// Starts samples from their beginning, replacing whatever played. An empty
// sound leaves the voice silent.
void StartVoice(SoundVoice& voice, const uint8_t* samples, size_t length, bool looping);

// Stops the voice at once.
void SilenceVoice(SoundVoice& voice);

// True while the voice still has samples to hand out.
bool VoicePlaying(const SoundVoice& voice);

// Fills size bytes of output: the voice's next samples, wrapping round for
// a loop, then silence. A sound played once leaves the voice silent after
// its last sample.
void FillFromVoice(SoundVoice& voice, uint8_t* output, size_t size);

// How long to wait at most for a sound of the given length played once,
// in milliseconds: its duration, the device's buffer still to play out, and
// a margin for a device that runs late.
int PlayOnceLimitMs(size_t length, int frequency, int bufferSamples);
