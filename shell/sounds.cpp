// The sound effects: WAV files of the sound folder, played while the user has them on.
#include "database/database.h"
#include "shell/shell.h"

#define SOUNDS_PATH_SIZE 260

int Play_Sound(const char* szName) {
    if (!gSoundEffects || !szName || !*szName)
        return 0;
    char szPath[SOUNDS_PATH_SIZE];
    Format_String(szPath, sizeof(szPath), "sound/%s", szName);
    return PlaySoundA(szPath, NULL, SND_FILENAME | SND_ASYNC);
}

void Stop_Sound(void) {
    PlaySoundA(NULL, NULL, 0);
}
