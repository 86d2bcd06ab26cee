// A team's logo file: named after its city, with the cities that had two teams told apart by
// nickname; a PNG first, then a JPEG, else the filler.
#include <string.h>

#include "database/database.h"

#define TEAM_LOGO_TEXT_SIZE 32

typedef struct TEAM_LOGO_KEY {
    const char* szCity;
    const char* szNickname;  // null: any other nickname
    const char* szKey;
} TEAM_LOGO_KEY;

static const TEAM_LOGO_KEY TEAM_LOGO_KEYS[] = {
    {"New York", "Jets", "NY1"},        {"New York", NULL, "NY2"},
    {"Los Angeles", "Raiders", "LA1"},  {"Los Angeles", NULL, "LA2"},
    {"St. Louis", "Cardinals", "STL2"}, {"Baltimore", "Colts", "BAL2"},
    {"Houston", "Oilers", "HOU2"},
};

static const char* Team_Logo_Key(const char* szCity, const char* szNickname) {
    for (const TEAM_LOGO_KEY& key : TEAM_LOGO_KEYS) {
        if (strcmp(key.szCity, szCity) != 0)
            continue;
        if (key.szNickname == NULL || strcmp(key.szNickname, szNickname) == 0)
            return key.szKey;
    }
    return szCity;
}

static int Team_Logo_File_Exists(const char* szPath) {
    FILE* pFile = Platform_Open_File(szPath, "rb");
    if (pFile == NULL)
        return 0;
    fclose(pFile);
    return 1;
}

// A GIF logo is never looked for: the cache does not decode GIF files.
void Get_Team_Logo_File(char* szOut, int nSize, int nTeam) {
    static const char* const EXTENSIONS[] = {"png", "jpg"};
    char szCity[TEAM_LOGO_TEXT_SIZE];
    char szNickname[TEAM_LOGO_TEXT_SIZE];
    Get_Team_String(szCity, sizeof szCity, nTeam, 1);
    Get_Team_String(szNickname, sizeof szNickname, nTeam, 2);
    const char* szKey = Team_Logo_Key(szCity, szNickname);
    for (const char* szExtension : EXTENSIONS) {
        Format_String(szOut, nSize, "logos\\%s.%s", szKey, szExtension);
        if (Team_Logo_File_Exists(szOut))
            return;
    }
    safe_strncpy(szOut, "logos\\LOGO_filler.png", nSize);
}
