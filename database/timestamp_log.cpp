// The timing line the season cycle writes into the debug log.
#include "core/core.h"
#include "database/database.h"

#define DEBUG_LOG_FILE "debug.txt"

void Log_Timestamp(const char* szText) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    int nHourMilliseconds = now.wMinute * 60000 + now.wSecond * 1000 + now.wMilliseconds;
    Append_Format_To_File(DEBUG_LOG_FILE, "%d,%s,%d,%d:%02d.%03d", Get_Season_Year(), szText,
                          nHourMilliseconds, now.wMinute, now.wSecond, now.wMilliseconds);
}
