// Finding the pictures of the installation folder, and checking them against the art catalogue.
#include <stdio.h>
#include <strings.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "art_catalogue.h"
#include "art_gallery.h"

namespace {

// The folders that hold the game's pictures.
const char* const kGalleryArtFolders[] = {"skins",    "news",          "Logos",   "Photos",
                                          "Gridiron", "dialogs",       "cursors", "stadiums",
                                          "Help",     "HTML_Templates"};

bool Gallery_Has_Extension(const std::string& sPath, const char* szExtension) {
    size_t nDot = sPath.rfind('.');
    return nDot != std::string::npos && strcasecmp(sPath.c_str() + nDot + 1, szExtension) == 0;
}

bool Gallery_Is_Picture(const std::string& sPath) {
    return Gallery_Has_Extension(sPath, "png") || Gallery_Has_Extension(sPath, "jpg") ||
           Gallery_Has_Extension(sPath, "bmp");
}

bool Gallery_Is_Cursor(const std::string& sPath) {
    return Gallery_Has_Extension(sPath, "cur") || Gallery_Has_Extension(sPath, "ico");
}

bool Gallery_Path_Less(const GALLERY_FILE& a, const GALLERY_FILE& b) {
    return strcasecmp(a.sPath.c_str(), b.sPath.c_str()) < 0;
}

}  // namespace

std::vector<GALLERY_FILE> Gallery_Find_Files(void) {
    namespace fs = std::filesystem;
    std::vector<GALLERY_FILE> aFiles;
    for (const char* szFolder : kGalleryArtFolders) {
        std::error_code error;
        if (!fs::is_directory(szFolder, error))
            continue;
        for (fs::recursive_directory_iterator it(szFolder, error), end; !error && it != end;
             it.increment(error)) {
            if (!it->is_regular_file(error))
                continue;
            std::string sPath = it->path().generic_string();
            if (Gallery_Is_Picture(sPath) || Gallery_Is_Cursor(sPath))
                aFiles.push_back({sPath, Gallery_Is_Cursor(sPath)});
        }
    }
    std::sort(aFiles.begin(), aFiles.end(), Gallery_Path_Less);
    return aFiles;
}

void Gallery_Check_Catalogue(const std::vector<GALLERY_FILE>& aFiles, GALLERY_RUN* pRun) {
    ART_LEAGUE league;
    if (!Art_Read_League(".", &league)) {
        pRun->aFailures.push_back("the league's cities and stadiums cannot be read");
        return;
    }
    for (const ART_FILE& file : Art_Catalogue_Files(league)) {
        if (file.pEntry->pfnPicture == nullptr)
            continue;
        bool bFound = std::any_of(aFiles.begin(), aFiles.end(), [&](const GALLERY_FILE& f) {
            return strcasecmp(f.sPath.c_str(), file.sPath.c_str()) == 0;
        });
        // A picture outside the art folders (the program's icon) is looked up on its own.
        FILE* pFile = bFound ? NULL : Platform_Open_File(file.sPath.c_str(), "rb");
        if (pFile != NULL) {
            fclose(pFile);
            bFound = true;
        }
        if (!bFound)
            pRun->aFailures.push_back("missing catalogue file " + file.sPath);
    }
}
