// PlaySound: WAV files through the SDL backend's audio device; headless nothing is heard, and the
// last sound asked for is kept for tests.
#include "../platform_internal.h"
#include "../test_api.h"

#include <string>

namespace {

TEST_SOUND gLastSound;

}  // namespace

void Sound_Reset(void) { gLastSound = TEST_SOUND(); }

TEST_SOUND Test_Get_Last_Sound() { return gLastSound; }

BOOL PlaySoundA(LPCSTR szSound, HMODULE /*hModule*/, DWORD fdwSound) {
    bool bSdl = Backend() == &kSdlBackend;
    if (!szSound || !*szSound || (fdwSound & SND_PURGE)) {
        gLastSound.stFile.clear();
        gLastSound.fdwSound = fdwSound;
        if (bSdl) Sdl_Audio_Stop();
        return TRUE;
    }
    gLastSound.stFile = szSound;
    gLastSound.fdwSound = fdwSound;
    gLastSound.nCount++;
    // Only files are played: sounds held in memory or named by the registry are not supported.
    if (!(fdwSound & SND_FILENAME) || (fdwSound & SND_MEMORY)) return FALSE;
    char szPath[1024];
    if (!Platform_Resolve_Path(szSound, szPath, sizeof(szPath))) return FALSE;
    if (!bSdl) return TRUE;
    return Sdl_Audio_Play(szPath, !(fdwSound & SND_ASYNC)) ? TRUE : FALSE;
}
