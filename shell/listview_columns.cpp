// The stat columns of the sortable player lists.
#include "shell/shell.h"

// Stand-in until the sortable list view is built: the column preferences stay as they are.
void Reset_Listview_Column_Preferences(void) {}
