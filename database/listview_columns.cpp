// The stat columns of the sortable player lists.
#include "database/database.h"

// The column preferences stay as they are.
// STAND-IN(database): writes every list kind's default stat columns into the preferences.
void Reset_Listview_Column_Preferences(void) {}
