// The voice is plain data guarded by the caller (the audio device's lock):
// the device thread fills, the main thread starts and silences.
#include "platform/gtk/sound_queue.h"

#include <cstring>

namespace {

constexpr int LATE_DEVICE_MARGIN_MS = 250;

} // namespace

void StartVoice(SoundVoice& voice, const uint8_t* samples, size_t length, bool looping) {
    if (!samples || length == 0) {
        SilenceVoice(voice);
        return;
    }
    voice.samples = samples;
    voice.length = length;
    voice.position = 0;
    voice.looping = looping;
}

void SilenceVoice(SoundVoice& voice) {
    voice = SoundVoice{nullptr, 0, 0, false};
}

bool VoicePlaying(const SoundVoice& voice) {
    return voice.samples != nullptr;
}

void FillFromVoice(SoundVoice& voice, uint8_t* output, size_t size) {
    size_t written = 0;
    while (written < size && VoicePlaying(voice)) {
        const size_t available = voice.length - voice.position;
        const size_t step = available < size - written ? available : size - written;
        std::memcpy(output + written, voice.samples + voice.position, step);
        written += step;
        voice.position += step;
        if (voice.position == voice.length) {
            if (voice.looping) {
                voice.position = 0;
            } else {
                SilenceVoice(voice);
            }
        }
    }
    std::memset(output + written, SILENT_SAMPLE, size - written);
}

int PlayOnceLimitMs(size_t length, int frequency, int bufferSamples) {
    if (frequency <= 0) {
        return LATE_DEVICE_MARGIN_MS;
    }
    const size_t samples = length + static_cast<size_t>(bufferSamples);
    return static_cast<int>(samples * 1000 / static_cast<size_t>(frequency)) +
           LATE_DEVICE_MARGIN_MS;
}
