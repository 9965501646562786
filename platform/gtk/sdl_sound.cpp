// Sound through SDL2's audio subsystem alone. The device opens lazily at the
// first sound, at the game's own format (8000 Hz, unsigned 8-bit, mono), and
// its callback takes bytes from the one voice. Without a usable device the
// game runs silent: a failed open is not retried, and nothing waits.
#include "platform/gtk/sdl_sound.h"
#include "platform/desktop.h"
#include "platform/gtk/sound_queue.h"
#include "platform/test_report.h"

#include <SDL.h>
#include <glib.h>

namespace {

constexpr int DEVICE_FREQUENCY = 8000;
constexpr SDL_AudioFormat DEVICE_FORMAT = AUDIO_U8;
constexpr Uint8 DEVICE_CHANNELS = 1;
// 64 ms: short enough that a jingle's end is heard on time, long enough to
// keep the audio thread's wake-ups rare.
constexpr Uint16 DEVICE_BUFFER_SAMPLES = 512;
constexpr int DRAIN_POLL_US = 5000;
constexpr int MAX_DECODED_WAVES = 8;

// A wave image decoded once into device samples; keyed by the image's
// address, which stays valid for the whole run.
struct DecodedWave {
    const unsigned char* image;
    Uint8* samples;
    Uint32 length;
};

struct AudioOutput {
    bool openTried;
    SDL_AudioDeviceID device; // 0: silent
    SoundVoice voice;
    DecodedWave waves[MAX_DECODED_WAVES];
    int waveCount;
};

// The process has one audio output, reached from functions that take no
// window.
AudioOutput audio;

void FillDeviceBuffer(void*, Uint8* stream, int length) {
    FillFromVoice(audio.voice, stream, static_cast<size_t>(length));
}

bool AudioReady() {
    if (audio.openTried) {
        return audio.device != 0;
    }
    audio.openTried = true;
    // SDL's own SIGINT and SIGTERM handlers would only queue an event that
    // nobody reads; GLib's handlers end the program instead.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        TestReport("sound silent %s", SDL_GetError());
        return false;
    }
    SDL_AudioSpec desired{};
    desired.freq = DEVICE_FREQUENCY;
    desired.format = DEVICE_FORMAT;
    desired.channels = DEVICE_CHANNELS;
    desired.samples = DEVICE_BUFFER_SAMPLES;
    desired.callback = FillDeviceBuffer;
    SDL_AudioSpec obtained{};
    // No allowed changes: SDL converts to whatever the hardware takes.
    audio.device = SDL_OpenAudioDevice(nullptr, 0, &desired, &obtained, 0);
    if (audio.device == 0) {
        TestReport("sound silent %s", SDL_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    SDL_PauseAudioDevice(audio.device, 0);
    return true;
}

// Converts decoded samples to the device's format when they differ; takes
// ownership of samples.
bool ToDeviceFormat(const SDL_AudioSpec& waveFormat, Uint8** samples, Uint32* length) {
    SDL_AudioCVT conversion;
    const int needed =
        SDL_BuildAudioCVT(&conversion, waveFormat.format, waveFormat.channels, waveFormat.freq,
                          DEVICE_FORMAT, DEVICE_CHANNELS, DEVICE_FREQUENCY);
    if (needed < 0) {
        SDL_FreeWAV(*samples);
        return false;
    }
    if (needed == 0) {
        return true;
    }
    conversion.len = static_cast<int>(*length);
    conversion.buf = static_cast<Uint8*>(SDL_malloc(*length * conversion.len_mult));
    if (!conversion.buf) {
        SDL_FreeWAV(*samples);
        return false;
    }
    SDL_memcpy(conversion.buf, *samples, *length);
    SDL_FreeWAV(*samples);
    if (SDL_ConvertAudio(&conversion) != 0) {
        SDL_free(conversion.buf);
        return false;
    }
    *samples = conversion.buf;
    *length = static_cast<Uint32>(conversion.len_cvt);
    return true;
}

// The device samples of a wave image, decoded at its first use; null when
// the image cannot be read.
const DecodedWave* DecodedSamples(ResourceData wave) {
    for (int i = 0; i < audio.waveCount; ++i) {
        if (audio.waves[i].image == wave.bytes) {
            return &audio.waves[i];
        }
    }
    if (audio.waveCount == MAX_DECODED_WAVES) {
        return nullptr;
    }
    SDL_RWops* source = SDL_RWFromConstMem(wave.bytes, static_cast<int>(wave.size));
    SDL_AudioSpec waveFormat;
    Uint8* samples = nullptr;
    Uint32 length = 0;
    if (!source || !SDL_LoadWAV_RW(source, 1, &waveFormat, &samples, &length)) {
        return nullptr;
    }
    if (!ToDeviceFormat(waveFormat, &samples, &length)) {
        return nullptr;
    }
    DecodedWave& slot = audio.waves[audio.waveCount++];
    slot = DecodedWave{wave.bytes, samples, length};
    return &slot;
}

// Starts a wave on the voice; the decoded sound, or null when nothing plays.
const DecodedWave* StartWave(ResourceData wave, bool looping) {
    if (wave.IsEmpty() || !AudioReady()) {
        return nullptr;
    }
    const DecodedWave* decoded = DecodedSamples(wave);
    if (!decoded) {
        return nullptr;
    }
    SDL_LockAudioDevice(audio.device);
    StartVoice(audio.voice, decoded->samples, decoded->length, looping);
    SDL_UnlockAudioDevice(audio.device);
    return decoded;
}

bool VoiceStillPlaying() {
    SDL_LockAudioDevice(audio.device);
    const bool playing = VoicePlaying(audio.voice);
    SDL_UnlockAudioDevice(audio.device);
    return playing;
}

} // namespace

void DesktopStopSound() {
    TestReport("sound stop");
    if (audio.device == 0) {
        return;
    }
    SDL_LockAudioDevice(audio.device);
    SilenceVoice(audio.voice);
    SDL_UnlockAudioDevice(audio.device);
}

void DesktopPlayLoop(ResourceData wave) {
    TestReport("sound loop %zu", wave.size);
    StartWave(wave, true);
}

void DesktopPlayOnce(ResourceData wave) {
    TestReport("sound once %zu", wave.size);
    const DecodedWave* decoded = StartWave(wave, false);
    if (!decoded) {
        return;
    }
    // The callback has handed out the last sample when the voice stops; the
    // device's buffer then still has to play out.
    const gint64 start = g_get_monotonic_time();
    const gint64 limit =
        start + 1000 * static_cast<gint64>(PlayOnceLimitMs(decoded->length, DEVICE_FREQUENCY,
                                                           DEVICE_BUFFER_SAMPLES));
    while (VoiceStillPlaying() && g_get_monotonic_time() < limit) {
        g_usleep(DRAIN_POLL_US);
    }
    const gint64 bufferUs = 1000000LL * DEVICE_BUFFER_SAMPLES / DEVICE_FREQUENCY;
    const gint64 now = g_get_monotonic_time();
    const gint64 rest = (now + bufferUs < limit ? now + bufferUs : limit) - now;
    if (rest > 0) {
        g_usleep(static_cast<gulong>(rest));
    }
    TestReport("sound once done");
}

void DesktopWait(int milliseconds) {
    if (milliseconds > 0) {
        g_usleep(static_cast<gulong>(milliseconds) * 1000);
    }
}

void ShutDownSound() {
    if (audio.device != 0) {
        SDL_CloseAudioDevice(audio.device);
        audio.device = 0;
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    for (int i = 0; i < audio.waveCount; ++i) {
        SDL_free(audio.waves[i].samples);
    }
    audio.waveCount = 0;
    SDL_Quit();
}
