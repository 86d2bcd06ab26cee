// Creating a player of a given quality in an empty roster slot.
#include "database/database.h"
#include "personnel/personnel.h"

#define QUALITY_BASE_OVERALL 70.0f
#define QUALITY_OVERALL_STEP 11.0f  // overall points per quality point
#define QUALITY_ATTEMPTS 501
#define QUALITY_PLAIN_ATTEMPTS 51  // after these, each attempt is made a little weaker
#define QUALITY_STEP 0.05f
#define BROKEN_OVERALL 25.0f

// Veterans are made until one's overall at his position is not above 70 - 11 x quality; after
// the last attempt the ratings are scaled to that overall.
void Create_Player_Of_Quality(int nTeam, int nSlot, float fQuality, int nPosition) {
    if (!Is_Valid_Player_Index(nTeam, nSlot) || Is_Player_Slot_Used(nTeam, nSlot))
        return;
    Clear_Player(nTeam, nSlot);
    float fTarget = QUALITY_BASE_OVERALL - QUALITY_OVERALL_STEP * fQuality;
    for (int nAttempt = 0; nAttempt < QUALITY_ATTEMPTS; nAttempt++) {
        if (nAttempt >= QUALITY_PLAIN_ATTEMPTS)
            fQuality += QUALITY_STEP;
        Create_Veteran_Player(nTeam, nSlot, fQuality, nPosition);
        float fOverall = Compute_Position_Rating(nTeam, nSlot, nPosition);
        if (fOverall < BROKEN_OVERALL) {
            Generate_Player_Ratings(nTeam, nSlot);
            fOverall = Compute_Position_Rating(nTeam, nSlot, nPosition);
        }
        if (fOverall <= fTarget)
            return;
    }
    Scale_Player_Ratings_To_Overall(nTeam, nSlot, fTarget);
}
