// Injuries and other absences: the roll of a play, the choice and length of an injury, its
// lasting damage, the player's status and the weekly healing step.
#include <math.h>

#include "database/database.h"
#include "personnel/personnel.h"

#define PER_MILLE 1000
#define PERCENT 100
#define BASE_INJURY_CHANCE 40  // per 1,000 plays at the normal injury setting
#define BASE_SEVERE_CHANCE 30  // per cent at the normal severity setting
#define MEDICAL_RANK_SPREAD 2000
#define MEDICAL_RANK_BASE 3000
#define MEDICAL_RANK_SCALE 4000
#define RECURRENCE_CHANCE 50  // per cent
#define LAST_SCHEDULED_WEEK 21

// ---- the roll and the injury --------------------------------------------------------------------

static int Get_Player_Injury_Weeks(int nTeam, int nSlot) {
    return Get_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY_WEEKS);
}

// (base x (setting + 100) + 50) / 100, rounded towards minus infinity.
static int Scale_By_Setting(int nBase, int nSetting) {
    int nScaled = nBase * (nSetting + PERCENT) + PERCENT / 2;
    return nScaled >= 0 ? nScaled / PERCENT : -((-nScaled + PERCENT - 1) / PERCENT);
}

// Per 1,000 plays: the league's setting, then the team's medical staff (best funded about 0.8 of
// it, worst about 1.3).
int Get_Injury_Chance(int nTeam) {
    int nBase = Scale_By_Setting(BASE_INJURY_CHANCE, Get_Universe_Stat(UNIVERSE_INJURY_FREQUENCY));
    int nTeams = Count_Active_Teams();
    int nRank = Get_Team_Financial_Rank(nTeam, FIN_MEDICAL_LEVEL);
    int nRankShare = nTeams > 0 ? MEDICAL_RANK_SPREAD * (nTeams - nRank) / nTeams : 0;
    return (int)floor((double)nBase * MEDICAL_RANK_SCALE / (MEDICAL_RANK_BASE + nRankShare));
}

// The draw is taken for a player already out too, who is never hurt again.
int Roll_For_Injury(int nTeam, int nSlot) {
    if (!Is_Valid_Player_Index(nTeam, nSlot))
        return 0;
    int nChance = Get_Injury_Chance(nTeam);
    int nDraw = (int)(Random_Unit() * PER_MILLE);
    if (Get_Player_Injury_Weeks(nTeam, nSlot) > 0 || nDraw >= nChance)
        return 0;
    Inflict_Injury(nTeam, nSlot);
    return 1;
}

// The code whose running sum of squared weights first exceeds a draw below their total.
static int Draw_Weighted_Injury_Code(void) {
    static int s_anRunningSums[INJURY_CODE_COUNT];
    static int s_nTotal = 0;
    if (s_nTotal == 0) {
        for (int nCode = 0; nCode < INJURY_CODE_COUNT; nCode++) {
            int nWeight = Get_Injury_Draw_Weight(nCode);
            s_nTotal += nWeight * nWeight;
            s_anRunningSums[nCode] = s_nTotal;
        }
    }
    int nDraw = (int)(Random_Unit() * s_nTotal);
    for (int nCode = 0; nCode < INJURY_CODE_COUNT; nCode++) {
        if (s_anRunningSums[nCode] > nDraw)
            return nCode;
    }
    return INJURY_CODE_COUNT - 1;
}

static int Get_Injury_Size(int nCode) {
    return Get_Injury_Weeks_Bound(nCode, 0) + Get_Injury_Weeks_Bound(nCode, 1);
}

// Half the time an old injury recurs; else the more severe of two draws wins with the severity
// chance.
int Choose_Injury_Code(int nTeam, int nSlot) {
    int nCurrent = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY);
    int nRecurrence = (int)(Random_Unit() * PERCENT);
    int nSevere = Scale_By_Setting(BASE_SEVERE_CHANCE, Get_Universe_Stat(UNIVERSE_INJURY_SEVERITY));
    if (nRecurrence < RECURRENCE_CHANCE && nCurrent != NO_INJURY)
        return nCurrent;
    int nFirst = Draw_Weighted_Injury_Code();
    int nSecond = Draw_Weighted_Injury_Code();
    int nDraw = (int)(Random_Unit() * PERCENT);
    int bSecondLarger = Get_Injury_Size(nSecond) > Get_Injury_Size(nFirst);
    int nLarger = bSecondLarger ? nSecond : nFirst;
    int nSmaller = bSecondLarger ? nFirst : nSecond;
    return nDraw < nSevere ? nLarger : nSmaller;
}

// Every rating loses the same share once; none is taken below the floor, and none rises (reads
// lift a rating below the floor, so one already below it keeps its stored value).
static void Apply_Lasting_Damage(int nTeam, int nSlot, float fLoss) {
    float afBefore[RATING_COUNT];
    for (int nRating = 0; nRating < RATING_COUNT; nRating++)
        afBefore[nRating] = Get_Player_Stored_Rating(nTeam, nSlot, nRating);
    Modify_Player_Ratings(nTeam, nSlot, -fLoss / PERCENT, 0);
    for (int nRating = 0; nRating < RATING_COUNT; nRating++) {
        float fAfter = Get_Player_Stored_Rating(nTeam, nSlot, nRating);
        float fFloor = fminf(afBefore[nRating], RATING_FLOOR);
        if (fAfter < fFloor)
            Set_Player_Rating(nTeam, nSlot, fFloor, nRating);
        else if (fAfter > afBefore[nRating])
            Set_Player_Rating(nTeam, nSlot, afBefore[nRating], nRating);
    }
}

// A new injury and its length; the longer it is, the likelier and larger the lasting damage to
// the predicted line and the ratings.
void Inflict_Injury(int nTeam, int nSlot) {
    if (!Is_Valid_Player_Index(nTeam, nSlot))
        return;
    int nCode = Choose_Injury_Code(nTeam, nSlot);
    int nShortest = Get_Injury_Weeks_Bound(nCode, 0);
    int nLongest = Get_Injury_Weeks_Bound(nCode, 1);
    int nWeeks = nShortest + (int)((nLongest - nShortest + 1) * Random_Unit());
    if (nWeeks < 1)
        nWeeks = 1;
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY, nCode);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY_WEEKS, nWeeks);
    if ((int)(Random_Unit() * PERCENT) >= nWeeks)
        return;
    float fLoss = (float)(Random_Unit() * 2.0 * nWeeks);
    int nModifier = (int)(-fLoss * 10.0f);
    Modify_And_Fix_Predicted_Line(nTeam, nSlot, nModifier, Get_Injury_Area(nCode), 1);
    Apply_Lasting_Damage(nTeam, nSlot, fLoss);
}

// ---- status -------------------------------------------------------------------------------------

static int Is_Suspension_Code(int nCode) {
    return nCode == INJURY_SUSPENSION_CONDUCT || nCode == INJURY_SUSPENSION_SUBSTANCE ||
           nCode == INJURY_SUSPENSION_ENHANCERS || nCode == INJURY_SUSPENSION;
}

int Is_Player_Injured(int nTeam, int nSlot) {
    return Get_Player_Injury_Weeks(nTeam, nSlot) > 0;
}

int Is_Player_Suspended(int nTeam, int nSlot) {
    return Is_Player_Injured(nTeam, nSlot) &&
           Is_Suspension_Code(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY));
}

int Is_Player_Holding_Out(int nTeam, int nSlot) {
    return Is_Player_Injured(nTeam, nSlot) &&
           Get_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY) == INJURY_HOLDOUT;
}

// The weeks out from which an injury matters for the coming games.
int Get_Unavailable_Weeks_Threshold(void) {
    return Get_Injury_Horizon();
}

int Is_Player_Unavailable(int nTeam, int nSlot) {
    int nWeeks = Get_Player_Injury_Weeks(nTeam, nSlot);
    return nWeeks > 0 && nWeeks >= Get_Unavailable_Weeks_Threshold();
}

void Get_Player_Injury_Text(int nTeam, int nSlot, char* szOut, int nSize) {
    if (Get_Player_Injury_Weeks(nTeam, nSlot) == 0)
        safe_strncpy(szOut, "Healthy", nSize);
    else
        Get_Injury_Name(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY), szOut, nSize);
}

void Clear_Player_Injury(int nTeam, int nSlot) {
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY_WEEKS, 0);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY, NO_INJURY);
}

// ---- the roster walk and the weekly step --------------------------------------------------------

// Teams 0..40 in order (league teams not in use skipped), each used slot in order.
static void For_Each_Rostered_Player(void (*pVisit)(int nTeam, int nSlot)) {
    for (int nTeam = 0; nTeam < ALL_TEAM_RECORDS; nTeam++) {
        if (nTeam < LEAGUE_TEAM_COUNT && Get_Team_Stat(nTeam, TEAM_CONTROL) == CONTROL_NOT_IN_USE)
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (Get_Player_Vital_Stat(nTeam, nSlot, VITAL_PLAYER_ID) != 0)
                pVisit(nTeam, nSlot);
        }
    }
}

static void End_Suspension(int nTeam, int nSlot) {
    if (Is_Player_Suspended(nTeam, nSlot))
        Clear_Player_Injury(nTeam, nSlot);
}

void Clear_Suspensions(void) {
    For_Each_Rostered_Player(End_Suspension);
}

int Team_Plays_This_Week(int nTeam) {
    return gCurrentWeek <= LAST_SCHEDULED_WEEK &&
           Get_Team_Schedule_Stat(nTeam, gCurrentWeek, SCHEDULE_OPPONENT) != 0;
}

// A suspension only counts the weeks in which the player's team plays.
void Advance_Player_One_Week(int nTeam, int nSlot) {
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_WEEKLY_COUNTER,
                          Get_Player_Vital_Stat(nTeam, nSlot, VITAL_WEEKLY_COUNTER) + 1);
    int nWeeks = Get_Player_Injury_Weeks(nTeam, nSlot);
    if (nWeeks == 0)
        return;
    if (nWeeks > 0 && Is_Suspension_Code(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY)) &&
        ((unsigned)gCurrentWeek > LAST_SCHEDULED_WEEK ||
         Get_Team_Schedule_Stat(nTeam, gCurrentWeek, SCHEDULE_OPPONENT) == 0))
        return;
    if (nWeeks <= 1)
        Clear_Player_Injury(nTeam, nSlot);
    else
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY_WEEKS, nWeeks - 1);
}

void Advance_All_Players_One_Week(void) {
    For_Each_Rostered_Player(Advance_Player_One_Week);
}

void Advance_All_Players_Weeks(int nWeeks) {
    for (int n = 0; n < nWeeks; n++)
        Advance_All_Players_One_Week();
}
