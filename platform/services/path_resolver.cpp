// The one path resolver every file access goes through: '\' becomes '/', and where the exact name
// does not exist each component is matched against its folder's entries without regard to ASCII
// letter case. The file operations below open, remove, rename, sync and create what it resolves.
//
// Creating a file searches its folder for a name that differs only in case, and the game creates
// thousands of files in one folder (a box score per game, season after season): opens for writing
// read the folder from a listing kept since the folder last changed, which the layer's own creates
// keep up to date. Reads always search the folder itself.
#include "../platform_internal.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <unordered_map>
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

std::string Lower_Case(const std::string& stName) {
    std::string stLower = stName;
    for (char& ch : stLower)
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch + 32);
    return stLower;
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

// A folder's entries by their lower-case names (the smallest name of each), and the folder's
// identity and change time when they were read.
struct FOLDER_LISTING {
    dev_t nDevice;
    ino_t nInode;
    struct timespec tsChanged;
    std::unordered_map<std::string, std::string> names;
};

std::unordered_map<std::string, FOLDER_LISTING> gListings;

bool Stat_Folder(const std::string& stFolder, struct stat* pStat) {
    return stat(stFolder.c_str(), pStat) == 0 && S_ISDIR(pStat->st_mode);
}

bool Is_Same_State(const FOLDER_LISTING& listing, const struct stat& st) {
    return listing.nDevice == st.st_dev && listing.nInode == st.st_ino &&
           listing.tsChanged.tv_sec == st.st_mtim.tv_sec &&
           listing.tsChanged.tv_nsec == st.st_mtim.tv_nsec;
}

void Add_Listed_Name(FOLDER_LISTING* pListing, const std::string& stName) {
    std::string& stBest = pListing->names[Lower_Case(stName)];
    if (stBest.empty() || stBest > stName) stBest = stName;
}

// The folder's listing, read again when the folder changed since; null when it cannot be read.
const FOLDER_LISTING* Get_Listing(const std::string& stFolder) {
    struct stat st;
    if (!Stat_Folder(stFolder, &st)) return nullptr;
    auto it = gListings.find(stFolder);
    if (it != gListings.end() && Is_Same_State(it->second, st)) return &it->second;
    DIR* pDir = opendir(stFolder.c_str());
    if (!pDir) return nullptr;
    FOLDER_LISTING listing = {st.st_dev, st.st_ino, st.st_mtim, {}};
    while (struct dirent* pEntry = readdir(pDir)) Add_Listed_Name(&listing, pEntry->d_name);
    closedir(pDir);
    return &(gListings[stFolder] = std::move(listing));
}

// A file the layer has just created: its folder's listing takes it in and the folder's new
// change time, unless the listing was already out of date.
void Note_Created(const std::string& stPath) {
    size_t nSlash = stPath.rfind('/');
    std::string stFolder = nSlash == std::string::npos ? "." : stPath.substr(0, nSlash);
    if (stFolder.empty()) stFolder = "/";
    auto it = gListings.find(stFolder);
    if (it == gListings.end()) return;
    struct stat st;
    if (!Stat_Folder(stFolder, &st)) {
        gListings.erase(it);
        return;
    }
    Add_Listed_Name(&it->second, stPath.substr(nSlash == std::string::npos ? 0 : nSlash + 1));
    it->second.tsChanged = st.st_mtim;
}

std::string Find_Listed_Entry(const std::string& stFolder, const std::string& stName) {
    const FOLDER_LISTING* pListing = Get_Listing(stFolder);
    if (!pListing) return "";
    auto it = pListing->names.find(Lower_Case(stName));
    return it == pListing->names.end() ? "" : it->second;
}

// Resolves stPath component by component; returns whether the whole path exists. bListed: for
// a file about to be written, its own folder is searched through the kept listing.
bool Resolve(const std::string& stPath, std::string* pOut, bool bListed = false) {
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
            bool bLast = i + 1 == aParts.size();
            std::string stMatch = bListed && bLast ? Find_Listed_Entry(stFolder, stPart)
                                                   : Find_Entry_No_Case(stFolder, stPart);
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
    bool bWriting = strchr(szMode, 'w') || strchr(szMode, 'a');
    std::string stResolved;
    bool bExists = Resolve(szPath, &stResolved, bWriting);
    if (stResolved.empty() || stResolved.size() >= 4096) {
        errno = stResolved.empty() ? ENOENT : ENAMETOOLONG;
        return nullptr;
    }
    FILE* pFile = fopen(stResolved.c_str(), szMode);
    if (pFile && !bExists) Note_Created(stResolved);
    return pFile;
}

int Platform_Remove_File(const char* szPath) {
    char szResolved[4096];
    if (!Platform_Resolve_Path(szPath, szResolved, sizeof(szResolved))) return 0;
    gListings.clear();
    return remove(szResolved) == 0 ? 1 : 0;
}

int Platform_Rename_File(const char* szFrom, const char* szTo) {
    char szSource[4096];
    char szTarget[4096];
    if (!Platform_Resolve_Path(szFrom, szSource, sizeof(szSource))) return 0;
    Platform_Resolve_Path(szTo, szTarget, sizeof(szTarget));
    if (!szTarget[0]) return 0;
    gListings.clear();
    // rename(2) replaces an existing target in one step.
    return rename(szSource, szTarget) == 0 ? 1 : 0;
}

int Platform_Sync_File(FILE* pFile) {
    if (!pFile || fflush(pFile) != 0) return 0;
    return fsync(fileno(pFile)) == 0 ? 1 : 0;
}

FILE* Platform_Create_Temporary_File(const char* szPath, char* szOut, size_t nOut) {
    char szTarget[4096];
    if (!szPath || !szOut || nOut == 0) {
        errno = EINVAL;
        return nullptr;
    }
    Platform_Resolve_Path(szPath, szTarget, sizeof(szTarget));
    if (!szTarget[0]) {
        errno = ENOENT;
        return nullptr;
    }
    // The name only needs to be new: a clash is a retry, never an open of someone else's file.
    static unsigned s_uSerial = 0;
    const int kAttempts = 100;
    for (int n = 0; n < kAttempts; n++) {
        int nLength = snprintf(szOut, nOut, "%s.%d-%u.tmp", szTarget, (int)getpid(), ++s_uSerial);
        if (nLength < 0 || (size_t)nLength >= nOut) {
            errno = ENAMETOOLONG;
            return nullptr;
        }
        int nFile = open(szOut, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (nFile < 0 && errno == EEXIST) continue;
        if (nFile < 0) return nullptr;
        FILE* pFile = fdopen(nFile, "wb");
        if (!pFile) {
            int nError = errno;
            close(nFile);
            unlink(szOut);
            errno = nError;
            return nullptr;
        }
        Note_Created(szOut);
        return pFile;
    }
    errno = EEXIST;
    return nullptr;
}

int Platform_Is_Read_Only_File(const char* szPath) {
    char szResolved[4096];
    struct stat st;
    if (!Platform_Resolve_Path(szPath, szResolved, sizeof(szResolved)) ||
        stat(szResolved, &st) != 0 || !S_ISREG(st.st_mode))
        return 0;
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

int Platform_Make_Directory(const char* szPath) {
    char szResolved[4096];
    if (Platform_Resolve_Path(szPath, szResolved, sizeof(szResolved)))
        return Is_Directory(szResolved);
    if (!szResolved[0]) return 0;
    gListings.clear();
    if (mkdir(szResolved, 0755) == 0) return 1;
    return errno == EEXIST && Is_Directory(szResolved) ? 1 : 0;
}
