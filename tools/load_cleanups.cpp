// The clean-ups a league gets after it is read: players that a universe must not hold are
// removed, and the ratings are rebuilt from the predicted grades.
#include <math.h>

#include "database/database.h"
#include "personnel/personnel.h"
#include "tools/tools.h"

#define TWO_WAY_LIMIT 70
#define MISSING_RATING 20

// Deletes the slots the test picks and closes the gaps on every team that lost one.
static void Remove_Players_Where(int (*pfnRemove)(int nTeam, int nSlot)) {
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; nTeam++) {
        int bRemoved = 0;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (Is_Player_Slot_Used(nTeam, nSlot) && pfnRemove(nTeam, nSlot)) {
                Erase_Player_Season_Lines(nTeam, nSlot);
                Clear_Player(nTeam, nSlot);
                bRemoved = 1;
            }
        }
        if (bRemoved)
            Compact_Team_Roster(nTeam);
    }
}

static int Has_Invalid_Position(int nTeam, int nSlot) {
    return !Is_Position_Code_Valid(Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_POSITION));
}

void Remove_Invalid_Position_Players(void) {
    Remove_Players_Where(Has_Invalid_Position);
}

// The whole part of a stored rating; not a number counts as 20.
static int Get_Whole_Rating(int nTeam, int nSlot, int nRating) {
    float fValue = Get_Stored_Player_Rating(nTeam, nSlot, nRating);
    return isnan(fValue) ? MISSING_RATING : (int)fValue;
}

static int Is_Two_Way_Specialist(int nTeam, int nSlot) {
    int bReturner = Get_Whole_Rating(nTeam, nSlot, RATING_KICK_RETURNS) > TWO_WAY_LIMIT ||
                    Get_Whole_Rating(nTeam, nSlot, RATING_PUNT_RETURNS) > TWO_WAY_LIMIT;
    int bBlocker = Get_Whole_Rating(nTeam, nSlot, RATING_PASS_BLOCKING) > TWO_WAY_LIMIT ||
                   Get_Whole_Rating(nTeam, nSlot, RATING_RUN_BLOCKING) > TWO_WAY_LIMIT;
    return bReturner && bBlocker;
}

void Remove_Two_Way_Specialists(void) {
    Remove_Players_Where(Is_Two_Way_Specialist);
}

void Calculate_Player_Ratings(int nTeam, int nSlot) {
    for (int nRating = 0; nRating < RATING_COUNT; nRating++)
        Store_Bounded_Rating(nTeam, nSlot, nRating, Get_Player_Base_Rating(nTeam, nSlot, nRating));
}

void Calculate_All_Player_Ratings(void) {
    For_Each_Roster_Player(Calculate_Player_Ratings);
}
