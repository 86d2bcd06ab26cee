// Look-ups in the tables generated from the resource script. The resource compiler writes each
// table sorted by id, so a binary search finds an entry.
#include "rc_tables.h"

#include <algorithm>

namespace {

template <typename ENTRY>
const ENTRY* Find_By_Id(const ENTRY* pEntries, int nCount, int nId) {
    if (!pEntries || nCount <= 0) return nullptr;
    const ENTRY* pEnd = pEntries + nCount;
    const ENTRY* p =
        std::lower_bound(pEntries, pEnd, nId, [](const ENTRY& e, int n) { return e.nId < n; });
    return p != pEnd && p->nId == nId ? p : nullptr;
}

}  // namespace

const RC_DIALOG* Rc_Find_Dialog(int nId) {
    return Find_By_Id(gResourceTables.pDialogs, gResourceTables.nDialogs, nId);
}

const char* Rc_Find_String(int nId) {
    const RC_STRING* p = Find_By_Id(gResourceTables.pStrings, gResourceTables.nStrings, nId);
    return p ? p->szText : nullptr;
}

const RC_MENU* Rc_Find_Menu(int nId) {
    return Find_By_Id(gResourceTables.pMenus, gResourceTables.nMenus, nId);
}

const RC_ACCEL_TABLE* Rc_Find_Accelerators(int nId) {
    return Find_By_Id(gResourceTables.pAccelTables, gResourceTables.nAccelTables, nId);
}
