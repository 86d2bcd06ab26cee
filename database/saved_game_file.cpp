// The saved-game file: a 25-byte header, then the saved state block cut into 100 pieces, each
// one independent zlib stream behind its 4-byte length. Saved games and universe databases share
// it. A save goes to a temporary file that replaces the old one only when it is complete; a load
// reads into a scratch block that replaces the league only when the whole file was read, had the
// chunk layout of its version and passed the field checks.
#include <bit>
#include <errno.h>
#include <stdlib.h>
#include <string.h>
#include <strings.h>
#include <zlib.h>

#include "database/database.h"
#include "database/saved_game_internal.h"

#define FILE_MAGIC "RUROZEVIZODIR"
#define FILE_MAGIC_SIZE 13
#define HEADER_SIZE 25
#define VERSION_DIGITS_END 17  // the word and the four version digits
#define CHUNK_COUNT 100
#define CHUNK_SIZE 229752
#define LAST_CHUNK_SIZE 229824
#define READER_BUFFER_SIZE 459505
#define SAVE_LEVEL 6
#define AUTO_SAVE_LEVEL 1
#define SAVE_FAILURE_TEXT_SIZE 160
#define PROGRAM_NAME "Football Vanto"
#define TITLE_SIZE 64
#define PATH_SIZE 1024

static_assert((CHUNK_COUNT - 1) * CHUNK_SIZE + LAST_CHUNK_SIZE == SAVED_STATE_SIZE);
// The block goes to the file as it lies in memory, and the file's numbers are little-endian.
static_assert(std::endian::native == std::endian::little);

// Whether the load under way has already shown why it fails.
static int sbLoadFailureShown = 0;

// ---- the header ---------------------------------------------------------------------------------

static void Format_File_Header(char* pHeader, int nSize) {
    memset(pHeader, 0, (size_t)nSize);
    snprintf(pHeader, (size_t)nSize, "%s%04d%4s%c%c", FILE_MAGIC, GAME_FILE_VERSION, "    ", 'C',
             'c');
}

// Below 2180 the last digit is dropped, except for this edition's own "1904".
int Read_Header_Version(const char* pDigits) {
    char szOwn[8];
    snprintf(szOwn, sizeof(szOwn), "%04d", GAME_FILE_VERSION);
    if (memcmp(pDigits, szOwn, 4) == 0)
        return GAME_FILE_VERSION;
    // Each digit is its byte value (0..255) minus '0', unchecked.
    const uint8_t* pBytes = reinterpret_cast<const uint8_t*>(pDigits);
    int nVersion = 1000 * (pBytes[0] - '0') + 100 * (pBytes[1] - '0') + 10 * (pBytes[2] - '0');
    if (nVersion > SAVE_VERSION_FIRST_THOUSANDS - 10)
        nVersion += pBytes[3] - '0';
    return nVersion;
}

int Get_Version_Route(int nVersion) {
    if (nVersion < SAVE_VERSION_FIRST_THOUSANDS)
        return ROUTE_CURRENT_LAYOUT;
    if (nVersion <= SAVE_VERSION_LAST_OLD_UNIVERSE)
        return ROUTE_OLD_UNIVERSE;
    if (nVersion == SAVE_VERSION_UNSUPPORTED)
        return ROUTE_UNSUPPORTED;
    if (nVersion <= SAVE_VERSION_LAST_OLD_BLOCK)
        return ROUTE_OLD_BLOCK;
    return ROUTE_CHECKSUM_TESTED;
}

static void Format_Version_Title(char* szOut, int nSize, int nVersion) {
    if (nVersion < SAVE_VERSION_FIRST_THOUSANDS)
        Format_String(szOut, nSize, "Loading Game (v%d.%02d)", nVersion / 100, nVersion % 100);
    else
        Format_String(szOut, nSize, "Loading Game (v%d.%03d)", nVersion / 1000, nVersion % 1000);
}

static int Is_Default_Universe_Path(const char* szPath) {
    return strcasecmp(szPath, DEFAULT_UNIVERSE_FILE_NAME) == 0;
}

// ---- saving -------------------------------------------------------------------------------------

static int Get_Chunk_Size(int nChunk) {
    return nChunk == CHUNK_COUNT - 1 ? LAST_CHUNK_SIZE : CHUNK_SIZE;
}

static int Write_Chunk_Length(FILE* pFile, int nLength) {
    uint8_t ab[4] = {(uint8_t)nLength, (uint8_t)(nLength >> 8), (uint8_t)(nLength >> 16),
                     (uint8_t)(nLength >> 24)};
    return fwrite(ab, 1, sizeof(ab), pFile) == sizeof(ab);
}

// Writes the header and the 100 chunks of the block; 1 when all were written.
static int Write_Compressed_Block(FILE* pFile, int nLevel, uint8_t* pBuffer, int bProgress) {
    char abHeader[HEADER_SIZE];
    Format_File_Header(abHeader, sizeof(abHeader));
    z_stream stream;
    memset(&stream, 0, sizeof(stream));
    if (deflateInit(&stream, nLevel) != Z_OK)
        return 0;
    int bOk = fwrite(abHeader, 1, HEADER_SIZE, pFile) == HEADER_SIZE;
    const uint8_t* pBlock = reinterpret_cast<const uint8_t*>(&gSavedState);
    for (int nChunk = 0; bOk && nChunk < CHUNK_COUNT; nChunk++) {
        if (nChunk > 0)
            deflateReset(&stream);
        int nRaw = Get_Chunk_Size(nChunk);
        stream.next_in = const_cast<Bytef*>(pBlock + nChunk * CHUNK_SIZE);
        stream.avail_in = (uInt)nRaw;
        stream.next_out = pBuffer;
        stream.avail_out = (uInt)nRaw;  // a chunk never grows
        if (deflate(&stream, Z_FINISH) != Z_STREAM_END) {
            bOk = 0;
            break;
        }
        int nLength = nRaw - (int)stream.avail_out;
        bOk = Write_Chunk_Length(pFile, nLength) &&
              fwrite(pBuffer, 1, (size_t)nLength, pFile) == (size_t)nLength;
        if (bProgress)
            Step_Progress_Window(1);
    }
    deflateEnd(&stream);
    return bOk;
}

// Closes the file once it is on disk, so that the rename never puts a file that a crash could
// still cut short in place of a good one; 1 when everything was written.
static int Close_Written_File(FILE* pFile) {
    int bSynced = Platform_Sync_File(pFile);
    return fclose(pFile) == 0 && bSynced;
}

// Why the last save failed, for its caller's message; empty after a save that succeeded.
static char sszSaveFailure[PATH_SIZE + SAVE_FAILURE_TEXT_SIZE];

const char* Get_Save_Failure_Reason(void) {
    return sszSaveFailure;
}

// Keeps the reason of a failed save, the system's wording of errno when szError is NULL; gives
// back the result.
static int Fail_Save(int nResult, const char* szPath, const char* szWhat, const char* szError) {
    Format_String(sszSaveFailure, sizeof(sszSaveFailure), "\"%s\" %s: %s.", szPath, szWhat,
                  szError ? szError : strerror(errno));
    return nResult;
}

// The new file is written beside the old one under a name of its own, created exclusively so that
// nothing planted at that name is followed, and takes the old one's place only when complete. A
// saved game marked read-only is left as it is.
int Save_Game_File(const char* szPath, HWND hDialog) {
    sszSaveFailure[0] = 0;
    int bAutoSave = strcmp(szPath, AUTO_SAVE_FILE_NAME) == 0;
    if (Platform_Is_Read_Only_File(szPath))
        return Fail_Save(SAVE_NOT_CREATED, szPath, "was not replaced",
                         "the file is read-only; save under another name or make it writable");

    uint8_t* pBuffer = static_cast<uint8_t*>(calloc(1, LAST_CHUNK_SIZE));
    if (!pBuffer) {
        Show_Message_Box("Memory Allocation Error",
                         "Unable to allocate save game compression buffer!\n\nPlease close any "
                         "open programs and try again.");
        return Fail_Save(SAVE_NO_MEMORY, szPath, "was not written", "out of memory");
    }
    // The new checksum travels in the file; the league keeps the old one unless the save succeeds.
    int nOldChecksum = gTeamChecksum;
    gTeamChecksum = Compute_Team_Table_Checksum();

    char szTemporary[PATH_SIZE];
    FILE* pFile = Platform_Create_Temporary_File(szPath, szTemporary, sizeof(szTemporary));
    if (!pFile) {
        gTeamChecksum = nOldChecksum;
        free(pBuffer);
        return Fail_Save(SAVE_NOT_CREATED, szPath, "could not be created", NULL);
    }
    if (hDialog)
        Host_End_Dialog(hDialog, 1);
    if (!bAutoSave)
        Open_Progress_Window("Compressing...", CHUNK_COUNT);

    errno = 0;
    int bOk = Write_Compressed_Block(pFile, bAutoSave ? AUTO_SAVE_LEVEL : SAVE_LEVEL, pBuffer,
                                     !bAutoSave);
    bOk = Close_Written_File(pFile) && bOk;
    if (!bOk)
        Fail_Save(SAVE_WRITE_FAILED, szPath, "could not be written",
                  errno ? NULL : "the compression failed");
    else if (!Platform_Rename_File(szTemporary, szPath)) {
        Fail_Save(SAVE_WRITE_FAILED, szPath, "could not be replaced", NULL);
        bOk = 0;
    }
    if (!bOk) {
        Platform_Remove_File(szTemporary);
        gTeamChecksum = nOldChecksum;
    }
    free(pBuffer);
    if (!bAutoSave)
        Close_Progress_Window();
    if (bOk)
        Mark_League_Unchanged();
    return bOk ? SAVE_OK : SAVE_WRITE_FAILED;
}

int Save_Universe_Database(int nYear) {
    char szPath[PATH_SIZE];
    Format_String(szPath, sizeof(szPath), UNIVERSE_FILE_FORMAT, nYear);
    return Save_Game_File(szPath, NULL);
}

// ---- reading ------------------------------------------------------------------------------------

// What the chunks of a file held: how many were read, the raw size of each, and whether any byte
// followed the last.
typedef struct CHUNK_TALLY {
    int nCount;
    int anSizes[CHUNK_COUNT];
    int bTrailing;
} CHUNK_TALLY;

// One chunk into the block at *pTotal; its raw size in *pSize. 1 when it was a complete stream
// that fit.
static int Read_One_Chunk(FILE* pFile, uint8_t* pBlock, int* pTotal, uint8_t* pBuffer, int* pSize) {
    uint8_t abLength[4];
    if (fread(abLength, 1, sizeof(abLength), pFile) != sizeof(abLength))
        return 0;
    int32_t nLength = (int32_t)((uint32_t)abLength[0] | (uint32_t)abLength[1] << 8 |
                                (uint32_t)abLength[2] << 16 | (uint32_t)abLength[3] << 24);
    if (nLength < 0 || nLength > READER_BUFFER_SIZE)
        return 0;
    if (fread(pBuffer, 1, (size_t)nLength, pFile) != (size_t)nLength)
        return 0;

    z_stream stream;
    memset(&stream, 0, sizeof(stream));
    if (inflateInit(&stream) != Z_OK)
        return 0;
    stream.next_in = pBuffer;
    stream.avail_in = (uInt)nLength;
    stream.next_out = pBlock + *pTotal;
    stream.avail_out = (uInt)Min_Int(READER_BUFFER_SIZE, SAVED_STATE_SIZE - *pTotal);
    int nResult = inflate(&stream, Z_FINISH);
    *pSize = (int)stream.total_out;
    *pTotal += *pSize;
    inflateEnd(&stream);
    return nResult == Z_STREAM_END;
}

// Reads up to 100 chunks, each where the previous one ended; 1 when every chunk read was whole.
static int Read_Chunks(FILE* pFile, void* pBlock, const char* szTitle, CHUNK_TALLY* pTally) {
    memset(pTally, 0, sizeof(*pTally));
    uint8_t* pBuffer = static_cast<uint8_t*>(malloc(READER_BUFFER_SIZE));
    if (!pBuffer) {
        Show_Message_Box("Insufficient Memory",
                         "Please try closing one or more programs and trying again.");
        sbLoadFailureShown = 1;
        return 0;
    }
    int bProgress = szTitle && szTitle[0];
    if (bProgress)
        Open_Progress_Window(szTitle, CHUNK_COUNT);
    int nTotal = 0;
    int bOk = 1;
    for (int nChunk = 0; bOk && nChunk < CHUNK_COUNT && nTotal < SAVED_STATE_SIZE; nChunk++) {
        bOk = Read_One_Chunk(pFile, static_cast<uint8_t*>(pBlock), &nTotal, pBuffer,
                             &pTally->anSizes[nChunk]);
        pTally->nCount += bOk;
        if (bOk && bProgress)
            Step_Progress_Window(1);
    }
    pTally->bTrailing = bOk && fgetc(pFile) != EOF;
    if (bProgress)
        Close_Progress_Window();
    free(pBuffer);
    return bOk;
}

int Read_Compressed_Chunks(FILE* pFile, void* pBlock, const char* szTitle) {
    CHUNK_TALLY tally;
    return Read_Chunks(pFile, pBlock, szTitle, &tally);
}

int Get_Route_Body_Size(int nRoute) {
    switch (nRoute) {
    case ROUTE_OLD_UNIVERSE: return OLD_UNIVERSE_BLOCK_SIZE;
    case ROUTE_OLD_BLOCK: return OLD_BLOCK_SIZE;
    default: return SAVED_STATE_SIZE;
    }
}

// Whether the chunks are exactly 100 with nothing behind them, and hold nBodySize bytes: the
// current block chunk by chunk at its own sizes, an older layout as non-empty chunks in all.
static int Is_Chunk_Layout(const CHUNK_TALLY* pTally, int nBodySize) {
    if (pTally->nCount != CHUNK_COUNT || pTally->bTrailing)
        return 0;
    int nTotal = 0;
    for (int nChunk = 0; nChunk < CHUNK_COUNT; nChunk++) {
        int nSize = pTally->anSizes[nChunk];
        if (nSize == 0 || (nBodySize == SAVED_STATE_SIZE && nSize != Get_Chunk_Size(nChunk)))
            return 0;
        nTotal += nSize;
    }
    return nTotal == nBodySize;
}

// Whether the chunks hold the body of some layout other than the version's own.
static int Is_Other_Layout(const CHUNK_TALLY* pTally, int nRoute) {
    const int kBodySizes[] = {SAVED_STATE_SIZE, OLD_UNIVERSE_BLOCK_SIZE, OLD_BLOCK_SIZE};
    for (int nBodySize : kBodySizes) {
        if (nBodySize != Get_Route_Body_Size(nRoute) && Is_Chunk_Layout(pTally, nBodySize))
            return 1;
    }
    return 0;
}

static int Are_Version_Digits(const char* pDigits) {
    for (int n = 0; n < 4; n++) {
        if (pDigits[n] < '0' || pDigits[n] > '9')
            return 0;
    }
    return 1;
}

static void Show_Unsupported_Version(int nVersion) {
    Show_Message_Box("Unsupported Version",
                     "Unable to load V%d.%03d vnt file.  Please start a new game.", nVersion / 1000,
                     nVersion % 1000);
    sbLoadFailureShown = 1;
}

// The message of a file that could not be read, when nothing more telling was shown.
static void Show_Unreadable_File(const char* szPath) {
    if (Is_Default_Universe_Path(szPath))
        Show_Message_Box("Read Error", "Couldn't load game data. Please re-install %s.",
                         PROGRAM_NAME);
    else
        Show_Message_Box("Read Error",
                         "Couldn't load the game \"%s\".\n\nThere was an error in reading the "
                         "file.",
                         szPath);
}

// ---- loading ------------------------------------------------------------------------------------

// Converts the block by its version's route; 0 when the file cannot be used.
static int Convert_Block_By_Route(SAVED_STATE* pBlock, int nVersion) {
    switch (Get_Version_Route(nVersion)) {
    case ROUTE_OLD_UNIVERSE: return Convert_Old_Universe_File(pBlock);
    case ROUTE_UNSUPPORTED: Show_Unsupported_Version(nVersion); return 0;
    case ROUTE_OLD_BLOCK: return Convert_Old_Saved_Block(pBlock);
    case ROUTE_CHECKSUM_TESTED:
        if (pBlock->anPreferenceInts[PREF_TEAM_CHECKSUM] != Compute_Block_Team_Checksum(pBlock))
            Show_Message_Box("Load Game Warning",
                             "Game data has changed since last written to disk.\n\nThe file may "
                             "have been edited, or corrupted.");
        return 1;
    default: return 1;
    }
}

int Read_Game_File_Block(const char* szPath, SAVED_STATE* pBlock, int* pVersion) {
    FILE* pFile = Platform_Open_File(szPath, "rb");
    if (!pFile) {
        Show_Message_Box("File Load Error",
                         "Couldn't open \"%s\".\n\nPlease re-install " PROGRAM_NAME ".", szPath);
        sbLoadFailureShown = 1;
        return 0;
    }
    // A short file leaves zeros, and its chunks then fail to read; bytes 17..24 have no meaning.
    char abHeader[HEADER_SIZE] = {0};
    size_t nHeaderRead = fread(abHeader, 1, HEADER_SIZE, pFile);
    if (nHeaderRead < FILE_MAGIC_SIZE || memcmp(abHeader, FILE_MAGIC, FILE_MAGIC_SIZE) != 0) {
        Show_Message_Box("Read Error", "The file \"%s\" is not a valid %s file.", szPath,
                         PROGRAM_NAME);
        sbLoadFailureShown = 1;
        fclose(pFile);
        return 0;
    }
    int nVersion = Read_Header_Version(abHeader + FILE_MAGIC_SIZE);
    if (nHeaderRead >= VERSION_DIGITS_END && !Are_Version_Digits(abHeader + FILE_MAGIC_SIZE)) {
        Show_Unsupported_Version(nVersion);
        fclose(pFile);
        return 0;
    }

    char szVersion[TITLE_SIZE];
    Format_Version_Title(szVersion, sizeof(szVersion), nVersion);
    Debug_Print("%s", szVersion);
    CHUNK_TALLY tally;
    int bRead =
        Read_Chunks(pFile, pBlock,
                    Is_Default_Universe_Path(szPath) ? "Loading Database..." : szVersion, &tally);
    fclose(pFile);
    if (!bRead)
        return 0;
    // The chunks must be the layout the version names; another layout's means the digits lie.
    int nRoute = Get_Version_Route(nVersion);
    if (!Is_Chunk_Layout(&tally, Get_Route_Body_Size(nRoute))) {
        if (Is_Other_Layout(&tally, nRoute))
            Show_Unsupported_Version(nVersion);
        return 0;
    }
    if (!Convert_Block_By_Route(pBlock, nVersion))
        return 0;
    *pVersion = nVersion;
    return 1;
}

int Read_Game_File(const char* szPath, int* pVersion) {
    SAVED_STATE* pScratch = static_cast<SAVED_STATE*>(calloc(1, sizeof(SAVED_STATE)));
    if (!pScratch) {
        Show_Message_Box("Insufficient Memory",
                         "Please try closing one or more programs and trying again.");
        return 0;
    }
    sbLoadFailureShown = 0;
    int bRead = Read_Game_File_Block(szPath, pScratch, pVersion);
    if (!bRead && !sbLoadFailureShown)
        Show_Unreadable_File(szPath);
    // A refused league shows its reason.
    int bUsable = bRead && Validate_Loaded_Block(pScratch, szPath);
    if (bUsable)
        memcpy(&gSavedState, pScratch, sizeof(SAVED_STATE));
    free(pScratch);
    return bUsable;
}
