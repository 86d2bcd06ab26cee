// The one path resolver every file access goes through: '\' becomes '/', and where the exact name
// does not exist each component is matched against its folder's entries without regard to ASCII
// letter case. The file operations below open, remove, rename, sync and create what it resolves.
#include "../platform_internal.h"

#include <dirent.h>
#include <errno.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace {

bool Exists(const std::string& stPath) {
    struct stat st;
    return lstat(stPath.c_str(), &st) == 0;
}

bool Is_Directory(const std::string& stPath) {
    struct stat st;
    return stat(stPath.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool Equal_No_Case(const char* a, const char* b) {
    for (; *a && *b; a++, b++) {
        char ca = (*a >= 'A' && *a <= 'Z') ? static_cast<char>(*a + 32) : *a;
        char cb = (*b >= 'A' && *b <= 'Z') ? static_cast<char>(*b + 32) : *b;
        if (ca != cb) return false;
    }
    return *a == *b;
}

// The entry of szFolder whose name matches stName without regard to case; when several do, the
// smallest name, so the choice does not depend on the folder's order. Empty when none does.
std::string Find_Entry_No_Case(const std::string& stFolder, const std::string& stName) {
    DIR* pDir = opendir(stFolder.c_str());
    if (!pDir) return "";
    std::string stBest;
    while (struct dirent* pEntry = readdir(pDir)) {
        if (Equal_No_Case(pEntry->d_name, stName.c_str()) &&
            (stBest.empty() || stBest > pEntry->d_name))
            stBest = pEntry->d_name;
    }
    closedir(pDir);
    return stBest;
}

// Resolves stPath component by component; returns whether the whole path exists.
bool Resolve(const std::string& stPath, std::string* pOut) {
    std::string stUnix = stPath;
    for (char& ch : stUnix)
        if (ch == '\\') ch = '/';
    *pOut = stUnix;
    if (stUnix.empty() || Exists(stUnix)) return !stUnix.empty();

    std::vector<std::string> aParts;
    size_t nStart = 0;
    while (nStart <= stUnix.size()) {
        size_t nEnd = stUnix.find('/', nStart);
        if (nEnd == std::string::npos) nEnd = stUnix.size();
        aParts.push_back(stUnix.substr(nStart, nEnd - nStart));
        nStart = nEnd + 1;
    }

    // aParts[0] is empty for an absolute path; other empty parts come from doubled or trailing
    // slashes and stay as they are.
    std::string stResolved;
    bool bSearching = true;  // off once a component is missing: nothing below it can exist
    for (size_t i = 0; i < aParts.size(); i++) {
        std::string stFolder = i == 0 ? "." : (stResolved.empty() ? "/" : stResolved);
        std::string stPrefix = i == 0 ? "" : stResolved + "/";
        std::string stPart = aParts[i];
        bool bPlain = !stPart.empty() && stPart != "." && stPart != "..";
        if (bSearching && bPlain && !Exists(stPrefix + stPart)) {
            std::string stMatch = Find_Entry_No_Case(stFolder, stPart);
            if (stMatch.empty())
                bSearching = false;
            else
                stPart = stMatch;
        }
        stResolved = stPrefix + stPart;
    }
    *pOut = stResolved;
    return Exists(stResolved);
}

}  // namespace

int Platform_Resolve_Path(const char* szPath, char* szOut, size_t nOut) {
    if (!szOut || nOut == 0) return 0;
    szOut[0] = 0;
    if (!szPath) return 0;
    std::string stResolved;
    bool bExists = Resolve(szPath, &stResolved);
    // A path that does not fit is no path at all: a cut one could name another file.
    if (stResolved.size() >= nOut) {
        errno = ENAMETOOLONG;
        return 0;
    }
    memcpy(szOut, stResolved.c_str(), stResolved.size() + 1);
    return bExists ? 1 : 0;
}

FILE* Platform_Open_File(const char* szPath, const char* szMode) {
    if (!szPath || !szMode) {
        errno = EINVAL;
        return nullptr;
    }
    char szResolved[4096];
    Platform_Resolve_Path(szPath, szResolved, sizeof(szResolved));
    if (!szResolved[0]) {
        if (errno != ENAMETOOLONG) errno = ENOENT;
        return nullptr;
    }
    return fopen(szResolved, szMode);
}

int Platform_Remove_File(const char* szPath) {
    char szResolved[4096];
    if (!Platform_Resolve_Path(szPath, szResolved, sizeof(szResolved))) return 0;
    return remove(szResolved) == 0 ? 1 : 0;
}

int Platform_Rename_File(const char* szFrom, const char* szTo) {
    char szSource[4096];
    char szTarget[4096];
    if (!Platform_Resolve_Path(szFrom, szSource, sizeof(szSource))) return 0;
    Platform_Resolve_Path(szTo, szTarget, sizeof(szTarget));
    if (!szTarget[0]) return 0;
    // rename(2) replaces an existing target in one step.
    return rename(szSource, szTarget) == 0 ? 1 : 0;
}

int Platform_Sync_File(FILE* pFile) {
    if (!pFile || fflush(pFile) != 0) return 0;
    return fsync(fileno(pFile)) == 0 ? 1 : 0;
}

int Platform_Make_Directory(const char* szPath) {
    char szResolved[4096];
    if (Platform_Resolve_Path(szPath, szResolved, sizeof(szResolved)))
        return Is_Directory(szResolved);
    if (!szResolved[0]) return 0;
    if (mkdir(szResolved, 0755) == 0) return 1;
    return errno == EEXIST && Is_Directory(szResolved) ? 1 : 0;
}
