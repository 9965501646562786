// Sound through the multimedia system's sndPlaySound, from wave images held
// in the program's resources. Without an audio device the calls play nothing
// and return at once.
#include "platform/desktop.h"
#include "platform/test_report.h"

#include <windows.h>

#include <mmsystem.h>

namespace {

LPCSTR WaveImage(ResourceData wave) {
    return reinterpret_cast<LPCSTR>(wave.bytes);
}

} // namespace

void DesktopStopSound() {
    sndPlaySoundA(nullptr, 0);
    TestReport("sound stop");
}

void DesktopPlayLoop(ResourceData wave) {
    if (wave.IsEmpty()) {
        return;
    }
    TestReport("sound loop %llu", static_cast<unsigned long long>(wave.size));
    sndPlaySoundA(WaveImage(wave), SND_ASYNC | SND_MEMORY | SND_LOOP);
}

void DesktopPlayOnce(ResourceData wave) {
    if (wave.IsEmpty()) {
        return;
    }
    TestReport("sound once %llu", static_cast<unsigned long long>(wave.size));
    sndPlaySoundA(WaveImage(wave), SND_MEMORY);
}
