// The player card's small texts: the key ratings of a position, the salary, the forty-yard time,
// the name in the header, the lines of the information block and the count of season lines.
#include <ctype.h>
#include <string.h>

#include "database/database.h"
#include "pages/pages.h"
#include "personnel/personnel.h"

#define NO_KEY_RATING (-1)
#define PLUS_MINUS_SIGN '\xB1'

// The ten ratings that matter for each kind of player; -1 ends a list.
static const int kQuarterbackRatings[KEY_RATING_COUNT] = {
    RATING_ACCURACY, RATING_DISTANCE, RATING_CONTROL, RATING_RED_ZONE,  RATING_MOBILITY,
    RATING_HANDS,    RATING_SPEED,    RATING_POWER,   RATING_QUICKNESS, RATING_VISION};
static const int kSkillRatings[KEY_RATING_COUNT] = {
    RATING_SPEED,        RATING_POWER,       RATING_QUICKNESS,    RATING_VISION,
    RATING_RECEIVING,    RATING_HANDS,       RATING_RUN_BLOCKING, RATING_PASS_BLOCKING,
    RATING_KICK_RETURNS, RATING_PUNT_RETURNS};
static const int kLineRatings[KEY_RATING_COUNT] = {
    RATING_RUN_BLOCKING, RATING_PASS_BLOCKING, RATING_DISCIPLINE, NO_KEY_RATING, NO_KEY_RATING,
    NO_KEY_RATING,       NO_KEY_RATING,        NO_KEY_RATING,     NO_KEY_RATING, NO_KEY_RATING};
static const int kDefenceRatings[KEY_RATING_COUNT] = {
    RATING_RUN_DEFENSE, RATING_PASS_RUSH,    RATING_PASS_COVERAGE, RATING_TURNOVERS,
    RATING_TACKLING,    RATING_KICK_RETURNS, RATING_PUNT_RETURNS,  NO_KEY_RATING,
    NO_KEY_RATING,      NO_KEY_RATING};
static const int kKickingRatings[KEY_RATING_COUNT] = {
    RATING_FG_ACCURACY, RATING_FG_DISTANCE, RATING_PUNT_ACCURACY, RATING_PUNT_DISTANCE,
    NO_KEY_RATING,      NO_KEY_RATING,      NO_KEY_RATING,        NO_KEY_RATING,
    NO_KEY_RATING,      NO_KEY_RATING};

// By position 0..14: QB; RB, FB, TE, WR; T, G, C; DE, DT, LB, CB, S; K, P.
static const int* const kKeyRatings[POSITION_COUNT] = {
    kQuarterbackRatings, kSkillRatings,   kSkillRatings,   kSkillRatings,   kSkillRatings,
    kLineRatings,        kLineRatings,    kLineRatings,    kDefenceRatings, kDefenceRatings,
    kDefenceRatings,     kDefenceRatings, kDefenceRatings, kKickingRatings, kKickingRatings};

int Get_Position_Rating_Index(int nPosition, int i) {
    if (!Is_Position_Code(nPosition) || i < 0 || i >= KEY_RATING_COUNT)
        return NO_KEY_RATING;
    return kKeyRatings[nPosition][i];
}

void Get_Player_Salary_Text(int nTeam, int nSlot, char* szOut, int nSize) {
    int nExperience = Max_Int(0, Get_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE));
    int nSalary = Max_Int(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY),
                          Get_League_Minimum_Salary(nExperience));
    Format_Thousands_As_Dollars(nSalary, szOut, nSize);
}

float Compute_Forty_Time(int nTeam, int nSlot) {
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return 5.88f - RATING_FLOOR * 0.0166f;
    float fSpeed = Get_Stored_Player_Rating(nTeam, nSlot, RATING_SPEED);
    if (fSpeed != fSpeed)
        fSpeed = Get_Rating_Target_Mean(RATING_SPEED);
    if (fSpeed < RATING_FLOOR)
        fSpeed = RATING_FLOOR;
    Set_Player_Rating(nTeam, nSlot, fSpeed, RATING_SPEED);
    float fTime = 5.88f - fSpeed * 0.0166f;
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_FORTY_TIME, (int)(fTime * 100.0f));
    return fTime;
}

// The stored time when it is plausible; 0 when it must be worked out again.
static float Get_Stored_Forty_Time(int nTeam, int nSlot) {
    float fTime = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_FORTY_TIME) / 100.0f;
    return fTime < 3.9f || fTime > 7.0f ? 0.0f : fTime;
}

float Get_Forty_Time(int nTeam, int nSlot) {
    float fTime = Get_Stored_Forty_Time(nTeam, nSlot);
    return fTime > 0.0f ? fTime : Compute_Forty_Time(nTeam, nSlot);
}

// The half-width of the user's rating error, worked out once and kept.
int Get_Scouting_Radius(void) {
    if (gScoutingRadius == 0) {
        int nUserTeam = Get_Report_User_Team();
        gScoutingRadius =
            Max_Int(1, (gDifficulty * 100 - Get_Team_Scouting_Level(nUserTeam) + 1500) / 4);
    }
    return gScoutingRadius;
}

void Get_Rating_Accuracy_Note(char* szOut, int nSize) {
    int nNumber = 1;
    const char* szSecond = "";
    if (gCommissionerMode)
        szSecond = "(Commissioner Mode)";
    else if (gPerfectScouting)
        szSecond = "(Perfect Scouting)";
    else
        nNumber = Get_Scouting_Radius() / 50 + 1;
    Format_String(szOut, nSize, "Ratings are %c %d\n%s", PLUS_MINUS_SIGN, nNumber, szSecond);
}

void Repair_Player_Card_Values(int nTeam, int nSlot) {
    Get_Scouting_Radius();
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return;
    Get_Forty_Time(nTeam, nSlot);
    Get_Player_Exact_Age(nTeam, nSlot);  // a missing birth date is given one
}

int Count_Player_Stat_Views(int nTeam, int nSlot) {
    int nViews = 0;
    for (int n = 0; n < SEASON_LINK_COUNT; n++)
        if (Get_Player_Season_Line(nTeam, nSlot, n) != NO_SEASON_LINE)
            nViews++;
    return nViews;
}

void Get_Player_Card_Name(int nTeam, int nSlot, char* szOut, int nSize) {
    char szFull[PLAYER_NAME_TEXT_SIZE];
    Format_String(szFull, sizeof szFull, "%s %s", Get_Player_First_Name_Ptr(nTeam, nSlot),
                  Get_Player_Last_Name_Ptr(nTeam, nSlot));
    if (strlen(szFull) >= 22)
        Format_String(szOut, nSize, "%c. %s", Get_Player_First_Name_Ptr(nTeam, nSlot)[0],
                      Get_Player_Last_Name_Ptr(nTeam, nSlot));
    else
        safe_strncpy(szOut, szFull, nSize);
}

int Is_Contract_Negotiable(int nTeam, int nSlot) {
    if (Is_Player_Holding_Out(nTeam, nSlot))
        return 1;
    int nSalary = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY);
    int nBonus = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS);
    Calculate_Contract_Demand(nTeam, nSlot, 0);
    int nDemand = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY, nSalary);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS, nBonus);
    if (nSalary < nDemand)
        return 1;
    return Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT) <= 1 &&
           Is_Season_Complete() && nTeam >= 0 && nTeam < LEAGUE_TEAM_COUNT;
}

// ---- the information block -------------------------------------------------------------------

static void Capitalise_First(char* szText) {
    szText[0] = (char)toupper((unsigned char)szText[0]);
}

// Column 0: experience, college, body, how he came into the league, his uniform, his id.
static void Get_Info_Column_0(int nLine, int nTeam, int nSlot, char* szOut, int nSize) {
    static const char* const kClasses[5] = {"Freshman", "Sophomore", "Junior", "Senior", "Rookie"};
    int nExperience = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE);
    int nDraftRecord = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_RECORD);
    int nPick = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_PICK);
    char szWords[64];
    switch (nLine) {
    case 0:
        if (nExperience <= 0) {
            safe_strncpy(szOut, kClasses[Clamp(nExperience + 4, 0, 4)], nSize);
        } else if (nTeam == HALL_OF_FAME_TEAM) {
            Get_Cardinal_Words(szWords, sizeof szWords, nExperience);
            Format_String(szOut, nSize, "%s seasons", szWords);
        } else {
            Get_Ordinal_Words(szWords, sizeof szWords, nExperience + 1);
            Make_Lower_Case(szWords);
            Format_String(szOut, nSize, "%s season", szWords);
        }
        Capitalise_First(szOut);
        return;
    case 1: Get_Player_College_Display_Name(nTeam, nSlot, szOut, nSize); return;
    case 2: {
        int nHeight = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_HEIGHT);
        Format_String(szOut, nSize, "Height: %d-%d", nHeight / 12, nHeight % 12);
        return;
    }
    case 3:
        Format_String(szOut, nSize, "Weight: %d",
                      Get_Player_Vital_Stat(nTeam, nSlot, VITAL_WEIGHT));
        return;
    case 4: {
        if (nTeam < 0 || nTeam > HALL_OF_FAME_TEAM)
            return;
        int nDrafter = nDraftRecord / 10000 - 1;
        int nYear = nDraftRecord % 10000;
        if (nDrafter < 0) {
            if (nYear >= 1)
                Format_String(szOut, nSize, "Drafted %d", nYear);
        } else if (nDrafter < LEAGUE_TEAM_COUNT) {
            char szAbbreviation[TEAM_LABEL_SIZE];
            Get_Team_String(szAbbreviation, sizeof szAbbreviation, nDrafter, TEAM_ABBREVIATION);
            const char* szHow = nPick == -1 ? "Signed" : "Drafted";
            if (nYear >= 1)
                Format_String(szOut, nSize, "%s by %s (%d)", szHow, szAbbreviation, nYear);
            else
                Format_String(szOut, nSize, "%s by %s", szHow, szAbbreviation);
        } else {
            safe_strncpy(szOut, "Undrafted", nSize);
        }
        return;
    }
    case 5: {
        if (nTeam < 0 || nTeam > HALL_OF_FAME_TEAM)
            return;
        if (nPick == -1) {
            safe_strncpy(szOut, "Undrafted Free Agent", nSize);
        } else if (nPick > 0) {
            int nRound = nPick / 100000;
            int nInRound = nPick % 1000;
            char szRound[16];
            Format_Ordinal_Number(szRound, sizeof szRound, nRound);
            if (nRound == 0)
                Format_String(szOut, nSize, "Pick #%d", nInRound);
            else if (nInRound == 0)
                Format_String(szOut, nSize, "%s Round", szRound);
            else
                Format_String(szOut, nSize, "%s Round (#%d)", szRound, nInRound);
        }
        return;
    }
    case 6: {
        int nUniform = Get_Player_Byte_Stat(nTeam, nSlot, BYTE_UNIFORM_NUMBER);
        if (nUniform >= 1)
            Format_String(szOut, nSize, "Uniform: #%d", nUniform);
        return;
    }
    case 7:
        if (gCommissionerMode)
            Format_String(szOut, nSize, "ID: %s (%d)", Get_Player_Ostrel_ID(nTeam, nSlot),
                          Get_Player_Vital_Stat(nTeam, nSlot, VITAL_PLAYER_ID));
        return;
    default: return;
    }
}

// Line 5 of column 1: how long he is out, the holdout hint, or the forty-yard time.
static void Get_Absence_Line(int nTeam, int nSlot, char* szOut, int nSize) {
    int nWeeks = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY_WEEKS);
    int bHoldout = Is_Player_Holding_Out(nTeam, nSlot);
    if (nWeeks > 0 && !bHoldout) {
        const char* szUnit = Is_Player_Suspended(nTeam, nSlot) ? "game" : "week";
        if (nWeeks == 1)
            Format_String(szOut, nSize, " Out for 1 %s", szUnit);
        else if (nWeeks >= Get_Weeks_Left_In_Postseason())
            safe_strncpy(szOut, " Out for season", nSize);
        else
            Format_String(szOut, nSize, " Out for %d %ss", nWeeks, szUnit);
    } else if (bHoldout) {
        if (Is_Human_Team(nTeam))
            safe_strncpy(szOut, " (Click 'Negotiate' to end holdout)", nSize);
    } else if (Get_Roster_Position(nTeam, nSlot) < POS_K) {
        Format_String(szOut, nSize, "40-Yard Dash: %.2f", Get_Forty_Time(nTeam, nSlot));
    }
}

// Column 1: age, pay or honours, contract, injury and rings.
static void Get_Info_Column_1(int nLine, int nTeam, int nSlot, char* szOut, int nSize) {
    int bLeagueTeam = nTeam >= 0 && nTeam < LEAGUE_TEAM_COUNT;
    int bInjured = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY_WEEKS) > 0;
    char szMoney[32];
    switch (nLine) {
    case 0: Format_String(szOut, nSize, "Age: %d", Get_Player_Exact_Age(nTeam, nSlot)); return;
    case 1:
        if (Is_Draft_Pool_Team(nTeam) &&
            Get_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE) < 0) {
            int nScore = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SCOUTING_SCORE);
            Format_String(szOut, nSize, "CSS: %d.%d", nScore / 10, nScore % 10);
        } else if (nTeam == HALL_OF_FAME_TEAM) {
            Format_String(szOut, nSize, "Year Inducted: %d",
                          Get_Player_Vital_Stat(nTeam, nSlot, VITAL_HALL_OF_FAME_YEAR));
        } else if (nTeam != FREE_AGENT_TEAM) {
            Get_Player_Salary_Text(nTeam, nSlot, szMoney, sizeof szMoney);
            Format_String(szOut, nSize, "Salary: %s", szMoney);
        }
        return;
    case 2:
        if (nTeam == HALL_OF_FAME_TEAM)
            Format_String(szOut, nSize, "Votes Received: %d%%",
                          Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POTENTIAL));
        else if (nTeam != FREE_AGENT_TEAM && !Is_Draft_Pool_Team(nTeam))
            Format_String(szOut, nSize, "Signed Through: %d",
                          Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT) +
                              Get_Season_Year() - 1);
        return;
    case 3:
        if (bLeagueTeam) {
            Format_Thousands_As_Dollars(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CAP_IMPACT),
                                        szMoney, sizeof szMoney);
            Format_String(szOut, nSize, "Cap Impact: %s", szMoney);
        }
        return;
    case 4:
        if (bInjured) {
            Get_Player_Injury_Text(nTeam, nSlot, szOut, nSize);
            Capitalise_First(szOut);
        } else if (bLeagueTeam) {
            int nBonus = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS);
            if (nBonus >= 1) {
                Format_Thousands_As_Dollars(nBonus, szMoney, sizeof szMoney);
                Format_String(szOut, nSize, "Signing Bonus: %s", szMoney);
            }
        }
        return;
    case 5: Get_Absence_Line(nTeam, nSlot, szOut, nSize); return;
    case 6: {
        int nRings = Get_Player_Byte_Stat(nTeam, nSlot, BYTE_RINGS);
        if (!bInjured && nRings >= 1)
            Format_String(szOut, nSize, nRings == 1 ? "%d Super Bowl Ring" : "%d Super Bowl Rings",
                          nRings);
        return;
    }
    default: return;
    }
}

// A key rating as shown to the user: other teams' players through the scouting error.
static int Get_Shown_Key_Rating(int nTeam, int nSlot, int nRating) {
    int nValue = (int)Get_Player_Rating(nTeam, nSlot, nRating);
    return nTeam == Get_User_Team() ? nValue : Get_Scouted_Rating_Value(nTeam, nSlot, nValue);
}

// Columns 2 and 3: the names and values of the overall, the peak and the key ratings.
static void Get_Rating_Column(int nColumn, int nLine, int nTeam, int nSlot, char* szOut,
                              int nSize) {
    if (nTeam == HALL_OF_FAME_TEAM)
        return;
    if (nLine < 2) {
        if (nColumn == 2)
            safe_strncpy(szOut, nLine == 0 ? "Overall" : "Peak", nSize);
        else
            Format_String(szOut, nSize, "%d",
                          Get_Player_Stat(nTeam, nSlot, SEASON_PREDICTED,
                                          nLine == 0 ? OVERALL_GRADE : PEAK_GRADE));
        return;
    }
    int nRating = Get_Position_Rating_Index(Get_Roster_Position(nTeam, nSlot), nLine - 2);
    if (nRating == NO_KEY_RATING)
        return;
    if (nColumn == 2)
        Get_Rating_Name(nRating, szOut, nSize);
    else
        Format_String(szOut, nSize, "%d", Get_Shown_Key_Rating(nTeam, nSlot, nRating));
}

void Get_Player_Info_Line(int nColumn, int nLine, int nTeam, int nSlot, char* szOut, int nSize) {
    szOut[0] = 0;
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return;
    switch (nColumn) {
    case 0: Get_Info_Column_0(nLine, nTeam, nSlot, szOut, nSize); return;
    case 1: Get_Info_Column_1(nLine, nTeam, nSlot, szOut, nSize); return;
    default: Get_Rating_Column(nColumn, nLine, nTeam, nSlot, szOut, nSize); return;
    }
}
