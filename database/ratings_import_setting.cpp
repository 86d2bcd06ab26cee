// The league setting that has each new season load its prepared player ratings file.
#include "database/database.h"

int Get_Ratings_Import_Setting(void) {
    return gSavedState.nRatingsImportSetting;
}

void Set_Ratings_Import_Setting(int bOn) {
    gSavedState.nRatingsImportSetting = (int16_t)(bOn != 0);
}
