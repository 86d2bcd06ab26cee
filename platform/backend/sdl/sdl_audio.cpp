// The SDL backend's sounds: one audio device, opened on first use and closed at exit; a sound
// cuts off the one queued before it.
#include "sdl_backend.h"

#include <stdlib.h>
#include <string.h>

#include <vector>

namespace {

SDL_AudioDeviceID gAudioDevice = 0;
SDL_AudioSpec gDeviceFormat;
bool gAudioFailed = false;  // the device could not open: no retry on every sound

bool Open_Audio_Device(void) {
    if (gAudioDevice) return true;
    if (gAudioFailed) return false;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        gAudioFailed = true;
        return false;
    }
    SDL_AudioSpec want;
    memset(&want, 0, sizeof(want));
    want.freq = 44100;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = 2048;
    gAudioDevice = SDL_OpenAudioDevice(nullptr, 0, &want, &gDeviceFormat, 0);
    if (!gAudioDevice) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        gAudioFailed = true;
        return false;
    }
    static bool bCloseAtExit = false;
    if (!bCloseAtExit) {
        atexit(Sdl_Audio_Close);
        bCloseAtExit = true;
    }
    SDL_PauseAudioDevice(gAudioDevice, 0);
    return true;
}

// The file's samples in the device's format; false when it is no WAV file SDL can convert.
bool Load_Wav_For_Device(const char* szPath, std::vector<Uint8>* pSamples) {
    SDL_AudioSpec wavFormat;
    Uint8* pData = nullptr;
    Uint32 nLength = 0;
    if (!SDL_LoadWAV(szPath, &wavFormat, &pData, &nLength)) return false;
    SDL_AudioCVT cvt;
    int nBuild =
        SDL_BuildAudioCVT(&cvt, wavFormat.format, wavFormat.channels, wavFormat.freq,
                          gDeviceFormat.format, gDeviceFormat.channels, gDeviceFormat.freq);
    bool bDone = nBuild >= 0;
    if (bDone && nBuild == 0) {
        pSamples->assign(pData, pData + nLength);
    } else if (bDone) {
        pSamples->assign(static_cast<size_t>(nLength) * static_cast<size_t>(cvt.len_mult), 0);
        memcpy(pSamples->data(), pData, nLength);
        cvt.buf = pSamples->data();
        cvt.len = static_cast<int>(nLength);
        bDone = SDL_ConvertAudio(&cvt) == 0;
        if (bDone) pSamples->resize(static_cast<size_t>(cvt.len_cvt));
    }
    SDL_FreeWAV(pData);
    return bDone;
}

}  // namespace

bool Sdl_Audio_Play(const char* szPath, bool bWait) {
    if (!Open_Audio_Device()) return false;
    std::vector<Uint8> aSamples;
    if (!Load_Wav_For_Device(szPath, &aSamples)) return false;
    SDL_ClearQueuedAudio(gAudioDevice);
    if (SDL_QueueAudio(gAudioDevice, aSamples.data(), static_cast<Uint32>(aSamples.size())) != 0)
        return false;
    while (bWait && SDL_GetQueuedAudioSize(gAudioDevice) > 0) SDL_Delay(10);
    return true;
}

void Sdl_Audio_Stop(void) {
    if (gAudioDevice) SDL_ClearQueuedAudio(gAudioDevice);
}

void Sdl_Audio_Close(void) {
    if (!gAudioDevice) return;
    SDL_CloseAudioDevice(gAudioDevice);
    gAudioDevice = 0;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}
