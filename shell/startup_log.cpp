// The start-up lines of debug.txt: the version and time, the flags, the system and the screen.

#include "shell/shell.h"

#include <stdlib.h>
#include <string.h>
#include <sys/utsname.h>
#include <time.h>

#define DEBUG_LOG_FILE "debug.txt"
#define SYSTEM_PLATFORM_ID 2       // the id the log gives a current system
#define COMMON_CONTROLS_VERSION 0  // the layer draws its own controls: no library to ask

typedef struct SYSTEM_VERSION {
    int nPlatformId;
    int nMajor;
    int nMinor;
    int nBuild;
    char szText[256];
} SYSTEM_VERSION;

// The kernel's release "major.minor.build-..." and its name and version as the text.
static void Read_System_Version(SYSTEM_VERSION* pVersion) {
    memset(pVersion, 0, sizeof *pVersion);
    pVersion->nPlatformId = SYSTEM_PLATFORM_ID;
    struct utsname name;
    if (uname(&name) != 0)
        return;
    char* pNext = name.release;
    int* apnParts[] = {&pVersion->nMajor, &pVersion->nMinor, &pVersion->nBuild};
    for (int* pnPart : apnParts) {
        *pnPart = (int)strtol(pNext, &pNext, 10);
        if (*pNext != '.')
            break;
        pNext++;
    }
    Format_String(pVersion->szText, sizeof pVersion->szText, "%s %s", name.sysname, name.version);
}

void Start_Debug_Log(void) {
    SYSTEM_VERSION version;
    Read_System_Version(&version);
    Platform_Remove_File(DEBUG_LOG_FILE);

    time_t nNow = Platform_Time();
    char szTime[64] = "\n";
    ctime_r(&nNow, szTime);
    char szSuffix[16];
    Format_String(szSuffix, sizeof szSuffix, " %s", BUILD_SUFFIX);
    char szLine[TEXT_BUFFER_SIZE];
    Format_String(szLine, sizeof szLine, "%ld " PROGRAM_TITLE " %d (V%d.%02d%s%s) started at: %s",
                  (long)nNow, PRODUCT_YEAR, PROGRAM_VERSION_MAJOR, PROGRAM_VERSION_MINOR,
                  INSTALL_TYPE, szSuffix, szTime);
    Append_Line_To_File(DEBUG_LOG_FILE, szLine);
    if (gCommandLineFlagNames[0]) {
        Format_String(szLine, sizeof szLine, " Command Line Flags: %s", gCommandLineFlagNames);
        Append_Line_To_File(DEBUG_LOG_FILE, szLine);
    }
    Format_String(szLine, sizeof szLine, " WinVer: %d.%d.%d \"%s\" %d", version.nPlatformId,
                  version.nMajor, version.nMinor, version.szText, version.nBuild);
    Append_Line_To_File(DEBUG_LOG_FILE, szLine);
    Format_String(szLine, sizeof szLine, " comctl32.dll = 0x%08X", COMMON_CONTROLS_VERSION);
    Append_Line_To_File(DEBUG_LOG_FILE, szLine);
    Log_Video_Information();
}

void Log_Video_Information(void) {
    HDC hdc = GetDC(NULL);
    char szText[TEXT_BUFFER_SIZE];
    Format_String(szText, sizeof szText,
                  " Video Information:\n"
                  "   DRIVERVERSION=%-10d    TECHNOLOGY=%d\n"
                  "   HORZSIZE=%-10d         VERTSIZE=%d\n"
                  "   HORZRES=%-10d          VERTRES=%d\n"
                  "   BITSPIXEL=%-10d        PLANES=%d\n"
                  "   NUMBRUSHES=%-10d       NUMPENS=%d\n"
                  "   NUMMARKERS=%-10d       NUMFONTS=%d\n"
                  "   NUMCOLORS=%-10d        PDEVICESIZE=%d\n",
                  GetDeviceCaps(hdc, DRIVERVERSION), GetDeviceCaps(hdc, TECHNOLOGY),
                  GetDeviceCaps(hdc, HORZSIZE), GetDeviceCaps(hdc, VERTSIZE),
                  GetDeviceCaps(hdc, HORZRES), GetDeviceCaps(hdc, VERTRES),
                  GetDeviceCaps(hdc, BITSPIXEL), GetDeviceCaps(hdc, PLANES),
                  GetDeviceCaps(hdc, NUMBRUSHES), GetDeviceCaps(hdc, NUMPENS),
                  GetDeviceCaps(hdc, NUMMARKERS), GetDeviceCaps(hdc, NUMFONTS),
                  GetDeviceCaps(hdc, NUMCOLORS), GetDeviceCaps(hdc, PDEVICESIZE));
    Append_Format_String(szText, sizeof szText,
                         "   CURVECAPS=0x%08X        LINECAPS=0x%08X\n"
                         "   POLYGONALCAPS=0x%08X    TEXTCAPS=0x%08X\n"
                         "   CLIPCAPS=0x%08X         RASTERCAPS=0x%08X\n"
                         "   ASPECTX=%-10d          ASPECTY=%d\n"
                         "   ASPECTXY=%-10d         LOGPIXELSX=%d\n"
                         "   LOGPIXELSY=%-10d       SIZEPALETTE=%d\n"
                         "   NUMRESERVED=%-10d      COLORRES=%d\n",
                         GetDeviceCaps(hdc, CURVECAPS), GetDeviceCaps(hdc, LINECAPS),
                         GetDeviceCaps(hdc, POLYGONALCAPS), GetDeviceCaps(hdc, TEXTCAPS),
                         GetDeviceCaps(hdc, CLIPCAPS), GetDeviceCaps(hdc, RASTERCAPS),
                         GetDeviceCaps(hdc, ASPECTX), GetDeviceCaps(hdc, ASPECTY),
                         GetDeviceCaps(hdc, ASPECTXY), GetDeviceCaps(hdc, LOGPIXELSX),
                         GetDeviceCaps(hdc, LOGPIXELSY), GetDeviceCaps(hdc, SIZEPALETTE),
                         GetDeviceCaps(hdc, NUMRESERVED), GetDeviceCaps(hdc, COLORRES));
    Append_Format_String(szText, sizeof szText,
                         "   VREFRESH=%-10d         DESKTOPVERTRES=%d\n"
                         "   DESKTOPHORZRES=%-10d   BLTALIGNMENT=%d\n"
                         "   SHADEBLENDCAPS=0x%08X   COLORMGMTCAPS=0x%08X\n",
                         GetDeviceCaps(hdc, VREFRESH), GetDeviceCaps(hdc, DESKTOPVERTRES),
                         GetDeviceCaps(hdc, DESKTOPHORZRES), GetDeviceCaps(hdc, BLTALIGNMENT),
                         GetDeviceCaps(hdc, SHADEBLENDCAPS), GetDeviceCaps(hdc, COLORMGMTCAPS));
    if (hdc)
        ReleaseDC(NULL, hdc);
    Append_Line_To_File(DEBUG_LOG_FILE, szText);
}
