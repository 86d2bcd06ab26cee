// A new college draft pool in place of the old one: the real class of a past season where one
// was kept, the rest generated, graded and sorted as the user sorts the pool.
#include "database/database.h"
#include "personnel/personnel.h"

#define LAST_KEPT_CLASS_YEAR 2020
#define PREF_DRAFT_POOL_SORT_KEY 84

void Reset_Draft_Pool(void) {
    Clear_Draft_Pool();
    if (Get_Season_Year() <= LAST_KEPT_CLASS_YEAR)
        Load_Draft_Class_Database();
    Fill_Draft_Pool();
    Grade_Draft_Pool();
    Sort_Draft_Pool_Players(0, PREFERENCE_ENTRY(PREF_DRAFT_POOL_SORT_KEY));
}
