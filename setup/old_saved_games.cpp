// The offer to copy saved games of earlier editions into the game folder, made when the folder
// holds none: each earlier edition's folders under the user's home are searched for "*.vnt".
#include <dirent.h>
#include <stdlib.h>
#include <string.h>
#include <strings.h>
#include <sys/stat.h>

#include "database/database.h"
#include "setup/setup.h"

#define FIRST_OLD_EDITION 2013
#define LAST_OLD_EDITION 2021
#define OLD_FOLDER_KINDS 2
#define OLD_PATH_SIZE 1024

// The folder of an earlier edition: kind 0 the game folder, kind 1 its data folder.
static int Format_Old_Folder(int nEdition, int nKind, char* szOut, int nSize) {
    const char* szHome = getenv("HOME");
    if (!szHome || !szHome[0])
        return 0;
    if (nKind == 0)
        Format_String(szOut, nSize, "%s/Football Vanto %d", szHome, nEdition);
    else
        Format_String(szOut, nSize, "%s/.local/share/football-vanto-%d", szHome, nEdition);
    return 1;
}

static int Is_Old_Saved_Game(const char* szFolder, const char* szFile, char* szPath, int nSize) {
    size_t nLength = strlen(szFile);
    if (nLength <= 4 || strcasecmp(szFile + nLength - 4, ".vnt") != 0)
        return 0;
    Format_String(szPath, nSize, "%s/%s", szFolder, szFile);
    struct stat info;
    return stat(szPath, &info) == 0 && S_ISREG(info.st_mode);
}

// Visits every saved game of the earlier editions' folders; the number visited.
template <typename VISIT>
static int For_Each_Old_Saved_Game(VISIT visit) {
    int nCount = 0;
    for (int nEdition = FIRST_OLD_EDITION; nEdition <= LAST_OLD_EDITION; nEdition++) {
        for (int nKind = 0; nKind < OLD_FOLDER_KINDS; nKind++) {
            char szFolder[OLD_PATH_SIZE], szPath[2 * OLD_PATH_SIZE];
            DIR* pFolder;
            if (!Format_Old_Folder(nEdition, nKind, szFolder, sizeof szFolder) ||
                !(pFolder = opendir(szFolder)))
                continue;
            while (struct dirent* pEntry = readdir(pFolder)) {
                if (Is_Old_Saved_Game(szFolder, pEntry->d_name, szPath, sizeof szPath)) {
                    visit(szPath, pEntry->d_name);
                    nCount++;
                }
            }
            closedir(pFolder);
        }
    }
    return nCount;
}

int Import_Old_Saved_Games(void) {
    int nCount = For_Each_Old_Saved_Game([](const char*, const char*) {});
    if (nCount == 0)
        return 0;
    char szText[TEXT_BUFFER_SIZE];
    Format_String(szText, sizeof szText,
                  "Football Vanto has found %d Saved Game File%s from previous versions.\n\nWould "
                  "you like to copy %s to the Football Vanto %s folder?",
                  nCount, nCount > 1 ? "s" : "", nCount > 1 ? "those files" : "this file",
                  "22");
    if (Do_Message_Box(szText, "Saved Game Files", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return 0;
    // A game of the same name already here is never overwritten.
    For_Each_Old_Saved_Game(
        [](const char* szPath, const char* szFile) { Copy_File_If_Absent(szPath, szFile); });
    return 1;
}
