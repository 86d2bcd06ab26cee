// The users' Hall of Fame file "VntFame.dat": one fixed record read and written whole.
#include <errno.h>
#include <string.h>

#include "database/database.h"

#define FAME_FILE_NAME "VntFame.dat"
#define FAME_TEMPORARY_PATH_SIZE 1024

int Read_Fame_File(void* pRecord) {
    memset(pRecord, 0, FAME_FILE_SIZE);
    FILE* pFile = Platform_Open_File(FAME_FILE_NAME, "rb");
    if (!pFile) {
        Show_System_Error(errno, "File Error",
                          "Could not open \"" FAME_FILE_NAME "\" for reading.");
        return 0;
    }
    size_t nRead = fread(pRecord, 1, FAME_FILE_SIZE, pFile);
    int nError = errno;
    fclose(pFile);
    if (nRead == 0) {
        memset(pRecord, 0, FAME_FILE_SIZE);
        Show_System_Error(nError, "File Error", "Could read from \"" FAME_FILE_NAME "\".");
        return 0;
    }
    return 1;
}

// The record goes to a new file beside the old one, which it replaces only once it is whole on
// disk: a write that fails leaves the users' earlier careers as they were. A file marked
// read-only is left alone.
int Write_Fame_File(const void* pRecord) {
    char szTemporary[FAME_TEMPORARY_PATH_SIZE];
    FILE* pFile = NULL;
    if (Platform_Is_Read_Only_File(FAME_FILE_NAME))
        errno = EACCES;
    else
        pFile = Platform_Create_Temporary_File(FAME_FILE_NAME, szTemporary, sizeof szTemporary);
    int bWritten = pFile && fwrite(pRecord, 1, FAME_FILE_SIZE, pFile) == FAME_FILE_SIZE &&
                   Platform_Sync_File(pFile);
    int nError = errno;
    if (pFile && fclose(pFile) != 0 && bWritten) {
        bWritten = 0;
        nError = errno;
    }
    if (bWritten && !Platform_Rename_File(szTemporary, FAME_FILE_NAME)) {
        bWritten = 0;
        nError = errno;
    }
    if (pFile && !bWritten)
        Platform_Remove_File(szTemporary);
    if (!bWritten)
        Report_Error("Unable to write to file \"" FAME_FILE_NAME
                     "\"\n\nError: %s\n\nMake sure the "
                     "file is not marked READ-ONLY.",
                     strerror(nError));
    return bWritten;
}
