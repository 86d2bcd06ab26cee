// The command-line flags: read from the program's arguments and from "CommandLine.txt".

#include "shell/shell.h"

#include <string.h>

char gCommandLineFlagNames[TEXT_BUFFER_SIZE];

typedef struct COMMAND_LINE_FLAG {
    const char* szName;
    int nBit;
} COMMAND_LINE_FLAG;

static const COMMAND_LINE_FLAG kCommandLineFlags[] = {
    {"IS_NOT_RANDOM", IS_NOT_RANDOM},
    {"SHOW_SYSTEM_ERRORS", SHOW_SYSTEM_ERRORS},
    {"DTXT_PBPDIAGRAM", DTXT_PBPDIAGRAM},
    {"DTXT_PBPSELECTOR", DTXT_PBPSELECTOR},
    {"DTXT_AGG", DTXT_AGG},
};

// A flag counts wherever its name stands, even inside a longer word; each is listed once.
void Parse_Command_Line_Flags(const char* szText) {
    char szBuffer[TEXT_BUFFER_SIZE + 1];
    size_t nLength = szText ? strnlen(szText, TEXT_BUFFER_SIZE - 1) : 0;
    memcpy(szBuffer, szText ? szText : "", nLength);
    szBuffer[nLength] = ' ';
    szBuffer[nLength + 1] = 0;
    for (const COMMAND_LINE_FLAG& flag : kCommandLineFlags) {
        if (!strstr(szBuffer, flag.szName) || (gCommandLineFlags & flag.nBit))
            continue;
        safe_strncat(gCommandLineFlagNames, flag.szName, sizeof gCommandLineFlagNames);
        safe_strncat(gCommandLineFlagNames, " ", sizeof gCommandLineFlagNames);
        gCommandLineFlags |= flag.nBit;
    }
}

void Read_Command_Line_File(void) {
    FILE* pFile = Platform_Open_File(COMMAND_LINE_FILE, "r");
    if (!pFile)
        return;
    char szBuffer[TEXT_BUFFER_SIZE] = {0};
    size_t nRead = fread(szBuffer, 1, sizeof szBuffer - 1, pFile);
    fclose(pFile);
    szBuffer[nRead] = 0;
    Parse_Command_Line_Flags(szBuffer);
}

void Join_Command_Line_Arguments(int argc, char** argv, char* szOut, int nSize) {
    safe_strncpy(szOut, "", nSize);
    for (int n = 1; n < argc; n++) {
        if (!argv[n])
            continue;
        if (szOut[0])
            safe_strncat(szOut, " ", nSize);
        safe_strncat(szOut, argv[n], nSize);
    }
}

int Get_Command_Line_Flags(void) {
    return gCommandLineFlags;
}
