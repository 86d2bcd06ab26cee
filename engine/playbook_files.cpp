// Playbook files: raw images of a team's offensive (.opb) or defensive (.dpb) playbook, read into
// a team or into the scratch pair the playbook tools look at, and written whole.
#include <string.h>

#include "database/database.h"
#include "engine/engine.h"

#define PLAYBOOK_PATH_SIZE 256
#define PLAYBOOK_FAILURE_SIZE 512

// The images a read fills when its team number names no team in use.
static OFFENSIVE_PLAYBOOK gScratchOffensivePlaybook;
static DEFENSIVE_PLAYBOOK gScratchDefensivePlaybook;
static char gszReadFailure[PLAYBOOK_FAILURE_SIZE];

uint8_t* Get_Scratch_Playbook_Image(int bDefence) {
    return bDefence ? reinterpret_cast<uint8_t*>(&gScratchDefensivePlaybook)
                    : reinterpret_cast<uint8_t*>(&gScratchOffensivePlaybook);
}

int Get_Playbook_Image_Size(int bDefence) {
    return bDefence ? DEFENSIVE_PLAYBOOK_BYTES : OFFENSIVE_PLAYBOOK_BYTES;
}

// A league team in use or a pseudo-team reads into its own image; any other number the scratch.
static uint8_t* Get_Playbook_Destination(int nTeam, int bDefence) {
    if (Is_Valid_Team(nTeam)) {
        uint8_t* pImage = Get_Team_Playbook_Image(nTeam, bDefence);
        if (pImage != NULL)
            return pImage;
    }
    return Get_Scratch_Playbook_Image(bDefence);
}

// The whole image is read aside first, so a short or unreadable file leaves the destination as it
// was. A longer file is accepted and its tail ignored.
int Read_Playbook_File(int nTeam, int nFlag, const char* szName) {
    gszReadFailure[0] = '\0';
    if (szName == NULL) {
        safe_strncpy(gszReadFailure, "No playbook file was named.", sizeof gszReadFailure);
        return 0;
    }
    int bDefence = nFlag == PLAYBOOK_FILE_DEFENCE;
    int nSize = Get_Playbook_Image_Size(bDefence);
    char szPath[PLAYBOOK_PATH_SIZE];
    Format_String(szPath, sizeof szPath, "playbooks/%s%s", szName, bDefence ? ".dpb" : ".opb");
    FILE* pFile = Platform_Open_File(szPath, "rb");
    if (pFile == NULL) {
        Format_String(gszReadFailure, sizeof gszReadFailure, "The file %s could not be opened.",
                      szPath);
        return 0;
    }
    static uint8_t abBuffer[OFFENSIVE_PLAYBOOK_BYTES];
    size_t nRead = fread(abBuffer, 1, nSize, pFile);
    fclose(pFile);
    if (nRead != (size_t)nSize) {
        Format_String(gszReadFailure, sizeof gszReadFailure,
                      "The file %s holds %d bytes, but %s playbook takes %d: it is damaged or "
                      "cut short.",
                      szPath, (int)nRead, bDefence ? "a defensive" : "an offensive", nSize);
        return 0;
    }
    memcpy(Get_Playbook_Destination(nTeam, bDefence), abBuffer, nSize);
    return 1;
}

const char* Get_Playbook_Read_Failure(void) {
    return gszReadFailure;
}

// A write that came up short leaves no partial file behind.
int Write_Playbook_Image_File(const char* szPath, const uint8_t* pImage, int nSize) {
    FILE* pFile = szPath != NULL && pImage != NULL ? Platform_Open_File(szPath, "wb") : NULL;
    if (pFile == NULL)
        return PLAYBOOK_WRITE_NOT_CREATED;
    int bWritten = fwrite(pImage, 1, nSize, pFile) == (size_t)nSize;
    if (fclose(pFile) != 0)
        bWritten = 0;
    if (bWritten)
        return PLAYBOOK_WRITE_DONE;
    Platform_Remove_File(szPath);
    return PLAYBOOK_WRITE_SHORT;
}
