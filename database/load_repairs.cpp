// Repairs run after a saved game or universe is read: they make older or damaged data consistent.
// Which of them run for which file version is the loader's business.
#include <math.h>

#include "database/database.h"

#define STATISTICS_SHARE_DIVISOR 10
#define DEFAULT_WEEKLY_COUNTER 22
#define SLOW_SPEED 40
#define WIDE_RECEIVER_SPEED_LIFT 40
#define OTHER_SPEED_LIFT 30

void For_Each_Roster_Player(void (*pfnVisit)(int nTeam, int nSlot)) {
    for (int nTeam = 0; nTeam <= LAST_DRAFT_POOL_TEAM; nTeam++) {
        if (!Is_Valid_Team(nTeam))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (Is_Player_Slot_Used(nTeam, nSlot))
                pfnVisit(nTeam, nSlot);
        }
    }
}

// ---- player fields ------------------------------------------------------------------------------

static void Set_Default_Weekly_Counter(int nTeam, int nSlot) {
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_WEEKLY_COUNTER, DEFAULT_WEEKLY_COUNTER);
}

void Set_All_Players_Vital_6(void) {
    For_Each_Roster_Player(Set_Default_Weekly_Counter);
}

// The rating-5 blend of backs, tight ends and receivers in old files.
static void Blend_Red_Zone_Rating(int nTeam, int nSlot) {
    // Every rating is read through the floor, which writes the floored value back.
    auto r = [nTeam, nSlot](int nRating) { return Get_Player_Rating(nTeam, nSlot, nRating); };
    float fBlend;
    switch (Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION)) {
    case POS_RB:
        fBlend = 0.45f * r(RATING_SPEED) + 0.5f * r(RATING_POWER) + 0.5f * r(RATING_RECEIVING) +
                 0.4f * r(RATING_QUICKNESS) - 0.5f * r(RATING_HANDS) - 0.35f * r(RATING_VISION);
        break;
    case POS_FB:
        fBlend = 0.5f * r(RATING_SPEED) + 0.2f * r(RATING_RECEIVING) + 0.15f * r(RATING_QUICKNESS) +
                 0.1f * r(RATING_VISION) + 0.05f * r(RATING_POWER);
        break;
    case POS_TE: fBlend = 0.65f * r(RATING_RECEIVING) + 0.35f * r(RATING_QUICKNESS); break;
    case POS_WR:
        fBlend = 0.6f * r(RATING_RECEIVING) + 0.2f * r(RATING_QUICKNESS) + 0.2f * r(RATING_VISION);
        break;
    default: return;
    }
    if (fBlend >= RATING_FLOOR)
        Set_Player_Rating(nTeam, nSlot, fBlend, RATING_RED_ZONE);
}

void Apply_Red_Zone_Blend(void) {
    For_Each_Roster_Player(Blend_Red_Zone_Rating);
}

// A ball carrier or receiver slower than 40 is lifted by 30 (40 for a receiver).
static void Repair_Slow_Player(int nTeam, int nSlot) {
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    if (nPosition < POS_QB || nPosition > POS_WR)
        return;
    float fWhole = floorf(Get_Player_Rating(nTeam, nSlot, RATING_SPEED));
    int nLift = nPosition == POS_WR ? WIDE_RECEIVER_SPEED_LIFT : OTHER_SPEED_LIFT;
    if (fWhole < SLOW_SPEED)
        Set_Player_Rating(nTeam, nSlot, fWhole + nLift, RATING_SPEED);
}

void Repair_Player_Speed(void) {
    For_Each_Roster_Player(Repair_Slow_Player);
}

// ---- the first season of shown statistics -------------------------------------------------------

// A league whose receivers mostly have no receiving history starts its shown statistics with the
// first season.
void Set_Statistics_First_Year(void) {
    int nReceivers = 0;
    int nWithHistory = 0;
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (!Is_Player_Slot_Used(nTeam, nSlot) ||
                Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION) != POS_WR)
                continue;
            nReceivers++;
            nWithHistory += Get_Player_Stat(nTeam, nSlot, SEASON_CAREER, OFF_YARDS_AFTER_CATCH) > 0;
        }
    }
    if (nWithHistory < nReceivers / STATISTICS_SHARE_DIVISOR)
        Set_User_Preference(PREF_STATISTICS_FIRST_YEAR, Get_Universe_Stat(UNIVERSE_FIRST_YEAR));
}
