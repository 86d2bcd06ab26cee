// art_gallery: every picture of the installation folder and a sample of the drawing layer,
// drawn headless in each skin into PNG sheets with an index.html.
//   art_gallery INSTALLATION_FOLDER OUTPUT_FOLDER
// Exit status 1 when a picture does not load or a catalogue picture is missing, or a sheet
// cannot be written; 2 for a wrong command line.
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#include "art_gallery.h"

namespace {

const char* const kGallerySkins[] = {"earth", "fire", "ice"};

// The folder made and named absolutely, so that it holds after the change of folder.
bool Gallery_Prepare_Output(const char* szFolder, std::string* psAbsolute) {
    if (!Platform_Make_Directory(szFolder))
        return false;
    char szPath[PATH_MAX];
    if (realpath(szFolder, szPath) == NULL)
        return false;
    *psAbsolute = szPath;
    return true;
}

}  // namespace

int main(int nArgs, char** aszArgs) {
    if (nArgs != 3) {
        fprintf(stderr, "usage: art_gallery INSTALLATION_FOLDER OUTPUT_FOLDER\n");
        return 2;
    }
    GALLERY_RUN run;
    if (!Gallery_Prepare_Output(aszArgs[2], &run.sOutput)) {
        fprintf(stderr, "art_gallery: cannot make the folder %s\n", aszArgs[2]);
        return 1;
    }
    if (chdir(aszArgs[1]) != 0) {
        fprintf(stderr, "art_gallery: cannot change into %s\n", aszArgs[1]);
        return 1;
    }
    std::vector<GALLERY_FILE> aFiles = Gallery_Find_Files();
    Gallery_Check_Catalogue(aFiles, &run);
    if (!Gallery_Open_Surface()) {
        fprintf(stderr, "art_gallery: cannot make the main window and its back buffer\n");
        return 1;
    }
    for (const char* szSkin : kGallerySkins) {
        Gallery_Select_Skin(szSkin);
        Gallery_Draw_Contact_Sheets(aFiles, szSkin, &run);
        Gallery_Draw_Samples(szSkin, &run);
    }
    Gallery_Close_Surface();
    if (!Gallery_Write_Index(run)) {
        fprintf(stderr, "art_gallery: cannot write %s/index.html\n", run.sOutput.c_str());
        return 1;
    }
    for (const std::string& sFailure : run.aFailures)
        fprintf(stderr, "art_gallery: %s\n", sFailure.c_str());
    int nCursors = 0;
    for (const GALLERY_FILE& file : aFiles)
        nCursors += file.bCursor ? 1 : 0;
    printf("art_gallery: %d files drawn (%d cursors listed, not drawn), %d sheets into %s\n",
           run.nFilesDrawn, nCursors, static_cast<int>(run.aSheets.size()), run.sOutput.c_str());
    return run.aFailures.empty() ? 0 : 1;
}
