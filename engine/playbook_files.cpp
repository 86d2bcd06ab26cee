// Playbook files: raw images of a team's offensive (.opb) or defensive (.dpb) playbook.
#include <string.h>

#include "database/database.h"
#include "engine/engine.h"

#define PLAYBOOK_PATH_SIZE 256

// STAND-IN(engine): reads only into the image of a team in use or of a pseudo-team; the real one
// also loads the playbook tools' scratch image for any other team number.
int Read_Playbook_File(int nTeam, int nFlag, const char* szName) {
    if (!Is_Valid_Team(nTeam) || szName == NULL)
        return 0;
    int bDefence = nFlag == PLAYBOOK_FILE_DEFENCE;
    uint8_t* pImage = Get_Team_Playbook_Image(nTeam, bDefence);
    int nSize = bDefence ? DEFENSIVE_PLAYBOOK_BYTES : OFFENSIVE_PLAYBOOK_BYTES;
    char szPath[PLAYBOOK_PATH_SIZE];
    Format_String(szPath, sizeof szPath, "playbooks/%s%s", szName, bDefence ? ".dpb" : ".opb");
    FILE* pFile = Platform_Open_File(szPath, "rb");
    if (pFile == NULL)
        return 0;
    static uint8_t abBuffer[OFFENSIVE_PLAYBOOK_BYTES];
    int bRead = fread(abBuffer, 1, nSize, pFile) == (size_t)nSize;
    fclose(pFile);
    if (bRead)
        memcpy(pImage, abBuffer, nSize);
    return bRead;
}
