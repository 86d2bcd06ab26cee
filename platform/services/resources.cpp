// The program's module handle and what it loads from the resource tables.
#include "../platform_internal.h"
#include "../rc/rc_tables.h"

#include <string.h>

namespace {

// The one module there is; only its being non-null matters.
char gModuleTag;

}  // namespace

HMODULE GetModuleHandleA(LPCSTR /*szModule*/) { return reinterpret_cast<HMODULE>(&gModuleTag); }

int LoadStringA(HINSTANCE /*hInstance*/, UINT nId, LPSTR szBuffer, int nMax) {
    if (!szBuffer || nMax <= 0) return 0;
    szBuffer[0] = 0;
    const char* szText = Rc_Find_String(static_cast<int>(nId));
    if (!szText) return 0;
    size_t nLength = strlen(szText);
    if (nLength > static_cast<size_t>(nMax - 1)) nLength = static_cast<size_t>(nMax - 1);
    memcpy(szBuffer, szText, nLength);
    szBuffer[nLength] = 0;
    return static_cast<int>(nLength);
}
