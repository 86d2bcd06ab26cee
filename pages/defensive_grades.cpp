// What the picker tells a coach about a play: a defensive play's letter grades against each kind
// of offence, and the player an offensive play is built around.
#include "pages/game_screen_internal.h"

#define OFFENCE_KIND_COUNT 6
#define GRADE_DIVISOR 240
#define GRADE_FLOOR 10
#define MAIN_GRADES_TARGET 29
#define SIDE_GRADES_TARGET 14
#define GRADE_CEILING 12
#define GRADE_LOW 7
#define GRADE_STEP_LIMIT 1000
#define LONG_LABEL_LIMIT 76

enum OFFENCE_KIND { KIND_INSIDE = 0, KIND_OUTSIDE, KIND_DRAW, KIND_SHORT, KIND_MEDIUM, KIND_DEEP };

static const char* const kLongLabels[OFFENCE_KIND_COUNT] = {
    "vs. Inside Rushes", "vs. Outside Rushes", "vs. Draw",
    "vs. Short Passes",  "vs. Medium Passes",  "vs. Deep Passes"};
static const char* const kShortLabels[OFFENCE_KIND_COUNT] = {"Inside", "Outside", "Draw",
                                                             "Short",  "Medium",  "Deep"};

// The mean matchup of the league's default offensive plays of one kind against the play.
static int Average_Play_Kind_Matchup(int nKind, int nTeam, int nPlay) {
    int nSum = 0, nCount = 0;
    for (int nOffence = 0; nOffence < TEAM_OFFENSIVE_PLAY_COUNT; nOffence++) {
        if (Get_Offensive_Play_Depth_Class(DEFAULT_PLAYBOOK, nOffence) != nKind)
            continue;
        nSum += Get_Play_Matchup_Rating(DEFAULT_PLAYBOOK, nOffence, nTeam, nPlay);
        nCount++;
    }
    return nSum / (nCount == 0 ? 1 : nCount);
}

// The six grades, balanced so that the four main ones add up past 29 and the other two past 14.
static void Compute_Defensive_Grades(int nTeam, int nPlay, int anGrades[OFFENCE_KIND_COUNT]) {
    int a[OFFENCE_KIND_COUNT];
    for (int k = 0; k < OFFENCE_KIND_COUNT; k++)
        a[k] = Average_Play_Kind_Matchup(k, nTeam, nPlay);
    anGrades[KIND_INSIDE] = (a[0] + a[2] / 2) / GRADE_DIVISOR - GRADE_FLOOR;
    anGrades[KIND_OUTSIDE] = (a[1] + a[2] / 2) / GRADE_DIVISOR - GRADE_FLOOR;
    anGrades[KIND_DRAW] = (a[2] + a[2] / 2) / GRADE_DIVISOR - GRADE_FLOOR;
    anGrades[KIND_SHORT] = (a[3] + a[4] / 2) / GRADE_DIVISOR - GRADE_FLOOR;
    anGrades[KIND_MEDIUM] = (a[4] + a[4] / 2) / GRADE_DIVISOR - GRADE_FLOOR;
    anGrades[KIND_DEEP] = (a[5] + a[4] / 2) / GRADE_DIVISOR - GRADE_FLOOR;

    static const int anRotation[4] = {KIND_INSIDE, KIND_OUTSIDE, KIND_SHORT, KIND_DEEP};
    int nLastRaised = KIND_INSIDE;
    for (int nStep = 0; nStep < GRADE_STEP_LIMIT; nStep++) {
        int nSum = anGrades[KIND_INSIDE] + anGrades[KIND_OUTSIDE] + anGrades[KIND_SHORT] +
                   anGrades[KIND_DEEP];
        if (nSum > MAIN_GRADES_TARGET)
            break;
        int nTurn = anRotation[nStep % 4];
        if (anGrades[nTurn] > GRADE_CEILING) {
            for (int nOther : anRotation)
                if (nOther != nTurn && anGrades[nOther] < GRADE_LOW) {
                    anGrades[nOther]++;
                    nLastRaised = nOther;
                }
        } else {
            anGrades[nTurn]++;
            nLastRaised = nTurn;
        }
    }
    int nNext = (nLastRaised == KIND_OUTSIDE || nLastRaised == KIND_DEEP) ? KIND_DRAW : KIND_MEDIUM;
    for (int nStep = 0; nStep < GRADE_STEP_LIMIT; nStep++) {
        if (anGrades[KIND_DRAW] + anGrades[KIND_MEDIUM] > SIDE_GRADES_TARGET)
            break;
        anGrades[nNext]++;
        nNext = nNext == KIND_DRAW ? KIND_MEDIUM : KIND_DRAW;
    }
}

int Get_Defensive_Play_Grade_Text(char* szOut, int nSize, int nKind, int nTeam, int nPlay,
                                  int bLabel, int bLong) {
    szOut[0] = 0;
    if (nKind < 0 || nKind >= OFFENCE_KIND_COUNT)
        return 0;
    int anGrades[OFFENCE_KIND_COUNT];
    Compute_Defensive_Grades(nTeam, nPlay, anGrades);
    char szLetter[4];
    Get_Letter_Grade(Clamp(anGrades[nKind], 0, 13), szLetter, sizeof(szLetter));
    if (!bLabel) {
        safe_strncpy(szOut, szLetter, nSize);
        return bLong;
    }
    char szDescription[PLAY_DESCRIPTION_SIZE];
    Get_Defensive_Play_Description(nTeam, nPlay, szDescription, sizeof(szDescription));
    int bUseLong = bLong && (int)strlen(szDescription) < LONG_LABEL_LIMIT;
    Format_String(szOut, nSize, "%s: %s", bUseLong ? kLongLabels[nKind] : kShortLabels[nKind],
                  szLetter);
    return bUseLong;
}

void Format_Primary_Player_Text(char* szOut, int nSize, int nTeam, int nPlay) {
    szOut[0] = 0;
    int nPrimary = Get_Offensive_Play_Primary_Player(nTeam, nPlay);
    if (nPrimary < 1 || !Is_Valid_Team(nTeam))
        return;
    int nFormation = Get_Offensive_Play_Formation(nTeam, nPlay);
    uint8_t nSlot = Get_Formation_Spot_Player(nFormation, nTeam, nPrimary - 1, 0);
    if (nSlot >= PLAYERS_PER_TEAM || Get_Player_Vital_Stat(nTeam, nSlot, VITAL_PLAYER_ID) == 0)
        return;
    char szPosition[16] = "";
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    if (nPosition <= FORMATION_RETURNER)
        Get_Position_Abbreviation(nPosition, szPosition, sizeof(szPosition));
    char szName[64];
    Get_Player_Full_Name(nTeam, nSlot, szName, sizeof(szName));
    Format_String(szOut, nSize, "%s: %s", szPosition, szName);
}
