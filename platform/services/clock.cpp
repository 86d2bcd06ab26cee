// Tick counts, wall-clock time and Sleep, from the real clocks or from the virtual clock that
// tests switch on (then Sleep advances the clock instead of waiting).
#include "../platform_internal.h"

#include <errno.h>

namespace {

bool gVirtual = false;
time_t gVirtualSeconds = 0;      // the wall clock when the virtual clock was set
DWORD gVirtualTicks = 0;         // the tick count then
uint64_t gVirtualElapsedMs = 0;  // advanced since

struct NOW {
    time_t nSeconds;
    int nMilliseconds;
};

NOW Wall_Clock() {
    if (gVirtual) {
        uint64_t nMs = static_cast<uint64_t>(gVirtualSeconds) * 1000 + gVirtualElapsedMs;
        return {static_cast<time_t>(nMs / 1000), static_cast<int>(nMs % 1000)};
    }
    struct timespec ts;
    clock_gettime(CLOCK_REALTIME, &ts);
    return {ts.tv_sec, static_cast<int>(ts.tv_nsec / 1000000)};
}

// The clock's present moment as local time or as UTC.
void Get_Time(SYSTEMTIME* pTime, bool bLocal) {
    if (!pTime) return;
    NOW now = Wall_Clock();
    struct tm t;
    if (bLocal)
        localtime_r(&now.nSeconds, &t);
    else
        gmtime_r(&now.nSeconds, &t);
    pTime->wYear = static_cast<WORD>(t.tm_year + 1900);
    pTime->wMonth = static_cast<WORD>(t.tm_mon + 1);
    pTime->wDayOfWeek = static_cast<WORD>(t.tm_wday);
    pTime->wDay = static_cast<WORD>(t.tm_mday);
    pTime->wHour = static_cast<WORD>(t.tm_hour);
    pTime->wMinute = static_cast<WORD>(t.tm_min);
    pTime->wSecond = static_cast<WORD>(t.tm_sec);
    pTime->wMilliseconds = static_cast<WORD>(now.nMilliseconds);
}

}  // namespace

DWORD GetTickCount(void) {
    if (gVirtual) return gVirtualTicks + static_cast<DWORD>(gVirtualElapsedMs);
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    uint64_t nMs =
        static_cast<uint64_t>(ts.tv_sec) * 1000 + static_cast<uint64_t>(ts.tv_nsec) / 1000000;
    return static_cast<DWORD>(nMs);
}

void GetLocalTime(SYSTEMTIME* pTime) { Get_Time(pTime, true); }

void GetSystemTime(SYSTEMTIME* pTime) { Get_Time(pTime, false); }

time_t Platform_Time(void) { return Wall_Clock().nSeconds; }

void Sleep(DWORD nMilliseconds) {
    if (gVirtual) {
        gVirtualElapsedMs += nMilliseconds;
        return;
    }
    struct timespec ts = {static_cast<time_t>(nMilliseconds / 1000),
                          static_cast<long>(nMilliseconds % 1000) * 1000000L};
    while (nanosleep(&ts, &ts) == -1 && errno == EINTR) {
    }
}

void Test_Use_Virtual_Clock(time_t nUnixSeconds, DWORD nTickCount) {
    gVirtual = true;
    gVirtualSeconds = nUnixSeconds;
    gVirtualTicks = nTickCount;
    gVirtualElapsedMs = 0;
}

void Test_Advance_Clock(DWORD nMilliseconds) {
    if (gVirtual) gVirtualElapsedMs += nMilliseconds;
}

bool Clock_Is_Virtual(void) { return gVirtual; }

void Clock_Reset(void) {
    gVirtual = false;
    gVirtualSeconds = 0;
    gVirtualTicks = 0;
    gVirtualElapsedMs = 0;
}
