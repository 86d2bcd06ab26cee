// One copy of the whole league kept aside, so that a step that replaces the league can be undone.
#include <stdlib.h>
#include <string.h>

#include "database/database.h"

static SAVED_STATE* gpLeagueCopy = NULL;
static int sbCopyChanged = 0;  // the copy held edits not saved yet

int Keep_League_Copy(void) {
    if (!gpLeagueCopy)
        gpLeagueCopy = (SAVED_STATE*)malloc(sizeof(SAVED_STATE));
    if (!gpLeagueCopy)
        return 0;
    memcpy(gpLeagueCopy, &gSavedState, sizeof(SAVED_STATE));
    sbCopyChanged = Is_League_Changed();
    return 1;
}

int Put_Back_League_Copy(void) {
    if (!gpLeagueCopy)
        return 0;
    memcpy(&gSavedState, gpLeagueCopy, sizeof(SAVED_STATE));
    Drop_League_Copy();
    if (sbCopyChanged)
        Forget_League_Mark();
    else
        Mark_League_Unchanged();
    return 1;
}

void Drop_League_Copy(void) {
    free(gpLeagueCopy);
    gpLeagueCopy = NULL;
}
