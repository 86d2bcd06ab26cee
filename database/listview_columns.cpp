// The stat columns of the sortable player lists as the league keeps them: each list kind's
// column count, sort column and column ids in the user preferences, and the default lists.
#include "database/database.h"

int gListKind = LIST_KIND_ROSTER;

// Lists 0..3 are the list kinds' defaults, 4..14 the chooser's presets; each ends at -1.
static const int8_t kDefaultColumns[LISTVIEW_DEFAULT_LIST_COUNT][LISTVIEW_MAX_COLUMNS + 1] = {
    {0, 1, 2, 3, 4, 15, 11, 91, 96, -1},          // roster
    {0, 2, 3, 4, 15, 11, 91, 96, -1},             // free agents
    {0, 2, 3, 4, 97, 12, 13, 15, 98, -1},         // college draft
    {0, 1, 2, 3, 4, 15, 11, 91, 96, -1},          // Find Players
    {0, 1, 68, 19, 21, 20, 18, 22, 25, 26, -1},   // quarterback stats
    {0, 1, 2, 3, 4, 69, 70, 71, 72, 73, -1},      // quarterback ratings
    {0, 1, 2, 26, 27, 28, 30, 31, 33, 100, -1},   // skill-position stats
    {0, 1, 2, 3, 4, 74, 75, 76, 77, 78, 79, -1},  // skill-position ratings
    {0, 1, 2, 9, 10, 42, 43, 44, 80, 81, 82, -1}, // offensive line
    {0, 1, 2, 34, 36, 37, 38, 40, 41, 94, 95, -1},    // kick and punt returns
    {0, 1, 2, 46, 47, 103, 49, 50, 51, 52, 53, -1},   // defensive stats
    {0, 1, 2, 3, 4, 74, 83, 84, 85, 86, 104, -1},     // defensive ratings
    {0, 1, 2, 63, 101, 65, 64, 66, 67, 87, 88, -1},   // kicking
    {0, 1, 2, 56, 58, 59, 60, 89, 90, -1},            // punting
    {0, 1, 2, 15, 11, 5, 8, 91, 6, -1},               // salary and contract
};

int Get_Default_Listview_Column(int nList, int n) {
    if (nList < 0 || nList >= LISTVIEW_DEFAULT_LIST_COUNT || n < 0 || n >= LISTVIEW_MAX_COLUMNS)
        return -1;
    return kDefaultColumns[nList][n];
}

static int Get_Kind_Preference(int nKind, int nOffset) {
    return LISTVIEW_PREFERENCE_FIRST + LISTVIEW_PREFERENCE_STRIDE * nKind + nOffset;
}

static int Get_Current_Kind(void) {
    if (gListKind >= 0 && gListKind < LIST_KIND_COUNT)
        return gListKind;
    Report_Error("gListKind out of bounds in Get_Current_Kind([%d])", gListKind);
    return LIST_KIND_ROSTER;
}

int Get_Listview_Column_Count_Preference(void) {
    return Get_User_Preference(Get_Kind_Preference(Get_Current_Kind(), 0));
}

int Get_Listview_Sort_Preference(void) {
    return Get_User_Preference(Get_Kind_Preference(Get_Current_Kind(), 1));
}

int Get_Listview_Column_Preference(int n) {
    if (n < 0 || n >= LISTVIEW_MAX_COLUMNS)
        return -1;
    return Get_User_Preference(Get_Kind_Preference(Get_Current_Kind(), 2 + n));
}

void Set_Listview_Column_Preferences(int nCount, int nSort, const int* anColumns) {
    int nKind = Get_Current_Kind();
    nCount = Clamp(nCount, 0, LISTVIEW_MAX_COLUMNS);
    Set_User_Preference(Get_Kind_Preference(nKind, 0), nCount);
    Set_User_Preference(Get_Kind_Preference(nKind, 1), nSort);
    for (int n = 0; n < LISTVIEW_MAX_COLUMNS; n++)
        Set_User_Preference(Get_Kind_Preference(nKind, 2 + n), n < nCount ? anColumns[n] : -1);
}

static void Write_Default_Columns(int nKind, int nList) {
    int nCount = 0;
    for (int n = 0; n < LISTVIEW_MAX_COLUMNS; n++) {
        int nId = kDefaultColumns[nList][n];
        if (nId >= 0 && nCount == n)
            nCount++;
        Set_User_Preference(Get_Kind_Preference(nKind, 2 + n), nCount > n ? nId : -1);
    }
    Set_User_Preference(Get_Kind_Preference(nKind, 0), nCount);
    Set_User_Preference(Get_Kind_Preference(nKind, 1), 0);
}

void Default_Listview_Columns(int nList) {
    if (nList < 0 || nList >= LISTVIEW_DEFAULT_LIST_COUNT)
        nList = 0;
    Write_Default_Columns(Get_Current_Kind(), nList);
}

void Reset_Listview_Column_Preferences(void) {
    for (int nKind = 0; nKind < LIST_KIND_COUNT; nKind++)
        Write_Default_Columns(nKind, nKind);
}

// Ids out of the table and repeats go; the rest close up in order; a sort column that names
// none of the kept columns goes too. A kind with no columns gets its defaults.
void Validate_Listview_Column_Preferences(void) {
    int nKind = Get_Current_Kind();
    if (Get_Listview_Column_Count_Preference() == 0) {
        Write_Default_Columns(nKind, nKind);
        return;
    }
    int anKept[LISTVIEW_MAX_COLUMNS];
    int nKept = 0;
    for (int n = 0; n < LISTVIEW_MAX_COLUMNS; n++) {
        int nId = Get_Listview_Column_Preference(n);
        if (nId < 0 || nId >= STAT_COLUMN_COUNT)
            continue;
        int bRepeat = 0;
        for (int k = 0; k < nKept; k++)
            bRepeat |= anKept[k] == nId;
        if (!bRepeat)
            anKept[nKept++] = nId;
    }
    int nSort = Get_Listview_Sort_Preference();
    int nSortId = (nSort < 0 ? -nSort : nSort) - 1;
    int bSortKept = nSort == 0;
    for (int k = 0; k < nKept; k++)
        bSortKept |= anKept[k] == nSortId;
    Set_Listview_Column_Preferences(nKept, bSortKept ? nSort : -1, anKept);
}
