// Making a new player: his college, body, birthday, id, career curve, uniform number, ratings
// and name, in a fixed order of random draws. Prospects must pass the acceptance test; veterans
// are made older and a little worse.
#include <string.h>

#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"

#define NEW_PLAYER_WEEKLY_COUNTER 22
#define NO_INJURY (-1)
#define PROSPECT_EXPERIENCE (-1)
#define EARLY_ENTRANT_EXPERIENCE (-2)
#define YOUNGEST_ENTRANT_EXPERIENCE (-3)
#define ONE_YEAR_IN_DATE 10000
#define MAX_TABLE_EXPERIENCE 30
#define TABLE_POTENTIAL_AGE 28  // a named prospect's potential is his target overall + 28 - age

#define PRIME_START_AGE 25
#define EARLIEST_PRIME_START 23
#define CAREER_CURVE_ROLL 5
#define RATE_BASE 10
#define RATE_ROLL 7
#define RATE_SCALE 1000
#define NORMAL_RATE 100

#define HEIGHT_ROLL 4
#define WEIGHT_ROLL 70

#define VETERAN_BASE_AGE 21
#define VETERAN_AGE_ROLL 12
#define VETERAN_AGE_PIVOT 80.0f
#define VETERAN_AGE_DIVISOR 200.0f
#define VETERAN_MOST_LOSS (-0.7f)

static const char* const kColleges[COLLEGE_COUNT] = {
    "Florida State",
    "Notre Dame",
    "Miami (Florida)",
    "Nebraska",
    "Tennessee",
    "Texas A+M",
    "Florida",
    "Ohio State",
    "Georgia",
    "Michigan",
    "USC",
    "Arizona State",
    "Penn State",
    "Washington",
    "Virginia",
    "Wisconsin",
    "Auburn",
    "North Carolina",
    "Colorado",
    "California",
    "Boston College",
    "Clemson",
    "Michigan State",
    "LSU (Louisiana)",
    "Syracuse",
    "Kansas State",
    "Mississippi State",
    "UCLA",
    "Washington State",
    "Alabama",
    "Virginia Tech",
    "West Virginia",
    "Texas",
    "Arizona",
    "Maryland",
    "South Carolina",
    "Illinois",
    "Purdue",
    "Stanford",
    "Colorado State",
    "Iowa",
    "Marshall",
    "Pittsburgh",
    "Oklahoma",
    "Southern Miss",
    "Arkansas",
    "Georgia Tech",
    "Minnesota",
    "San Diego State",
    "Wake Forest",
    "Baylor",
    "Louisville",
    "Memphis",
    "North Carolina State",
    "Oklahoma State",
    "Texas Christian Univ.",
    "Cincinnati",
    "Fresno State",
    "Kansas",
    "Kentucky",
    "Missouri",
    "Northwestern",
    "Oregon",
    "Vanderbilt",
    "Duke",
    "Houston",
    "Miami (Ohio)",
    "Temple",
    "Utah",
    "East Carolina",
    "Idaho",
    "Louisiana Tech",
    "Oregon State",
    "Texas Tech",
    "Troy State",
    "New Mexico",
    "Rutgers",
    "San Jose State",
    "Tulane",
    "U of Central Florida",
    "Hawaii",
    "Indiana",
    "Iowa State",
    "Kent State",
    "UTEP (El Paso)",
    "Nevada",
    "Northern Illinois",
    "Tulsa",
    "UAB (Birmingham)",
    "Ball State",
    "Boise State",
    "Eastern Michigan",
    "North Texas",
    "South Florida",
    "UNLV",
    "Utah State",
    "Wyoming",
    "Air Force",
    "Akron",
    "Arkansas State",
    "Army",
    "Brigham Young",
    "Buffalo",
    "Central Michigan",
    "Mid Tennessee State",
    "Navy",
    "Rice",
    "Toledo",
    "UConn",
    "Western Michigan",
    "Bowling Green",
    "Ohio",
    "Ole Miss",
    "U of Louisiana",
    "New Mexico State",
    "Cal State Sacramento",
    "Cornell",
    "James Madison",
    "North Carolina A+T",
    "Daniel Webster",
    "Wesleyan University",
};

// How often each position is drawn for the pool: three times the starters plus the backups.
static const int kProspectWeights[POSITION_COUNT] = {
    6, 7, 5, 7, 12, 10, 10, 5, 11, 10, 16, 11, 11, 3, 3,
};

static const int kMonthLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// ---- colleges -----------------------------------------------------------------------------------

void Get_College_Name(int n, char* szOut, int nSize) {
    safe_strncpy(szOut, kColleges[Clamp(n, 0, COLLEGE_COUNT - 1)], nSize);
}

// The smaller of two draws, so the colleges early in the list come more often.
void Assign_Random_College(int nTeam, int nSlot) {
    int nFirst = Draw_Random(COLLEGE_COUNT);
    int nIndex = Min_Int(nFirst, Draw_Random(COLLEGE_COUNT));
    char szCollege[PLAYER_COLLEGE_SIZE];
    Get_College_Name(nIndex, szCollege, sizeof(szCollege));
    Set_Player_College_Name(nTeam, nSlot, szCollege);
}

// ---- body ---------------------------------------------------------------------------------------

int Generate_Player_Height(int nPosition) {
    int nHeight = Get_Position_Mean_Height(nPosition);
    nHeight += Draw_Random(HEIGHT_ROLL);
    nHeight -= Draw_Random(HEIGHT_ROLL);
    nHeight += Draw_Random(HEIGHT_ROLL);
    nHeight -= Draw_Random(HEIGHT_ROLL);
    return nHeight;
}

// The mean weight scaled by the square of his height over a freshly drawn mean height.
int Generate_Player_Weight(int nTeam, int nSlot) {
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    int nHeight = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_HEIGHT);
    int nMeanHeight = Get_Position_Mean_Height(nPosition);
    int nWeight = Mul_Div(Get_Position_Mean_Weight(nPosition), nHeight, nMeanHeight);
    nWeight = Mul_Div(nWeight, nHeight, nMeanHeight);
    return Mul_Div(nWeight, Draw_Random_Around(1000, WEIGHT_ROLL), 1000);
}

void Regenerate_Player_Body(int nTeam, int nSlot) {
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_HEIGHT, Generate_Player_Height(nPosition));
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_WEIGHT, Generate_Player_Weight(nTeam, nSlot));
}

// ---- birthday, career curve and the new record ------------------------------------------------

void Set_Player_Birthday(int nTeam, int nSlot, int nAge) {
    int nDay = Draw_Random(365) % 365;
    int nMonth = 0;
    while (nDay >= kMonthLengths[nMonth]) {
        nDay -= kMonthLengths[nMonth];
        nMonth++;
    }
    int nYear = Get_Season_Year() - nAge;
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_BIRTH_DATE,
                          (nYear * 100 + nMonth) * 100 + nDay + 101);
}

// 1000 / (10 + d(7) - d(7)): a development rate around 100 per cent.
static int Draw_Development_Rate(void) {
    return RATE_SCALE / Draw_Random_Around(RATE_BASE, RATE_ROLL);
}

void Init_Career_Curve(int nTeam, int nSlot) {
    int nPeak = Get_Position_Peak_Age(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION));
    int nPrimeStart = PRIME_START_AGE;
    int nGrowthRate = NORMAL_RATE;
    int nDeclineRate = NORMAL_RATE;
    if (!Get_Universe_Stat(UNIVERSE_KEEP_RATINGS)) {
        nPrimeStart =
            Max_Int(EARLIEST_PRIME_START, Draw_Random_Around(PRIME_START_AGE, CAREER_CURVE_ROLL));
        nPeak = Draw_Random_Around(nPeak, CAREER_CURVE_ROLL);
        nGrowthRate = Draw_Development_Rate();
        nDeclineRate = Draw_Development_Rate();
    }
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_PRIME_START, nPrimeStart);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_PRIME_END, nPeak);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_GROWTH_RATE, nGrowthRate);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_DECLINE_RATE, nDeclineRate);
}

void Init_Empty_Player_Contract(int nTeam, int nSlot) {
    if (Is_Player_Slot_Used(nTeam, nSlot))
        return;
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS, 0);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY, 0);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT, 0);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_LENGTH, 0);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_WEEKLY_COUNTER, NEW_PLAYER_WEEKLY_COUNTER);
}

void Init_New_Player_Record(int nTeam, int nSlot) {
    Init_Empty_Player_Contract(nTeam, nSlot);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY_WEEKS, 0);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY, NO_INJURY);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_RECORD, 0);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_PICK, 0);
    Set_Player_ID(nTeam, nSlot, Make_Unique_Player_Id(nTeam, nSlot));
    Init_Career_Curve(nTeam, nSlot);
}

// ---- positions and uniform numbers ------------------------------------------------------------

int Choose_Prospect_Position(void) {
    int nTotal = 0;
    for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++)
        nTotal += kProspectWeights[nPosition];
    int nDraw = Draw_Random(nTotal);
    int nSum = 0;
    for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++) {
        nSum += kProspectWeights[nPosition];
        if (nSum >= nDraw)
            return nPosition;
    }
    return POS_P;
}

int Draw_Uniform_Number(int nPosition) {
    int b = 1 + Draw_Random(99);
    int c = b % 10;
    switch (nPosition) {
    case POS_QB: return b < 50 ? b % 9 + 1 : b >= 80 ? b % 5 + 15 : b % 5 + 10;
    case POS_RB: return b >= 80 ? b % 20 + 30 : c + 20;
    case POS_FB: return b >= 20 ? b % 20 + 30 : c + 20;
    case POS_TE: return b >= 50 ? c + 80 : c + 40;
    case POS_WR: return b < 30 ? c + 10 : c + 80;
    case POS_T:
    case POS_G: return b % 20 + 60;
    case POS_C: return b < 50 ? c + 50 : b >= 80 ? c + 70 : c + 60;
    case POS_DE:
    case POS_DT: return b >= 70 ? b % 30 + 50 : c + 90;
    case POS_LB: return b < 80 ? c + 50 : b >= 90 ? c + 90 : c + 40;
    case POS_CB: return b >= 50 ? b % 20 + 30 : c + 20;
    case POS_S: return b % 30 + 20;
    case POS_K:
    case POS_P: return b > 9 ? b % 9 + 1 : c + 10;
    default: return b;
    }
}

// ---- a new player ------------------------------------------------------------------------------

// The named prospect of this pool slot in the season of the fixed table; NULL otherwise.
static const PROSPECT_ROW* Find_Slot_Prospect_Row(int nTeam, int nSlot) {
    if (Get_Season_Year() != PROSPECT_TABLE_YEAR || !Is_Draft_Pool_Team(nTeam))
        return NULL;
    return Get_Prospect_Row((nTeam - FIRST_DRAFT_POOL_TEAM) * PLAYERS_PER_TEAM + nSlot);
}

static int Draw_Prospect_Age(void) {
    int nDraw = Draw_Random(100);
    if (nDraw <= 1)
        return 24;
    if (nDraw <= 14)
        return 23;
    return nDraw < 35 ? 22 : 21;
}

// A named prospect is made as listed: his target overall and the potential that goes with it.
static void Shape_Table_Prospect(int nTeam, int nSlot) {
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_RANDOM_PROSPECT, 0);
    int nTarget = Get_Prospect_Table_Overall(nTeam, nSlot);
    Scale_Player_Ratings_To_Overall(nTeam, nSlot, (float)nTarget);
    Set_Player_Potential_For_Overall(nTeam, nSlot,
                                     nTarget - Get_Player_Age(nTeam, nSlot) + TABLE_POTENTIAL_AGE);
}

static void Apply_Prospect_Row(int nTeam, int nSlot, const PROSPECT_ROW* pRow) {
    char szText[PROSPECT_TEXT_SIZE];
    Set_Player_Last_Name(nTeam, nSlot, pRow->szLastName);
    Set_Player_First_Name(nTeam, nSlot, pRow->szFirstName);
    safe_strncpy(szText, pRow->szCollege, PROSPECT_TEXT_SIZE);
    Set_Player_College_Name(nTeam, nSlot, szText);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE,
                          Min_Int(pRow->nExperience, MAX_TABLE_EXPERIENCE));
    if (pRow->nHeight > 0)
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_HEIGHT, pRow->nHeight);
    if (pRow->nWeight > 0)
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_WEIGHT, pRow->nWeight);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_BIRTH_DATE,
                          pRow->nBirthYear * 10000 + pRow->nBirthMonth * 100 + pRow->nBirthDay);
}

// A young prospect whose draft value is high may leave college one or two years early.
static void Roll_Early_Entry(int nTeam, int nSlot) {
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE, PROSPECT_EXPERIENCE);
    int nAge = Get_Player_Age(nTeam, nSlot);
    int nAgeFactor = nAge >= 21 ? 40 * (nAge - 20) * (nAge - 20) : 0;
    int nValue = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SCOUTING_SCORE);
    int nValueFactor = Max_Int(nValue / 10, nValue - 50);
    int nChance = Mul_Div(nAgeFactor, nValueFactor, 100);
    int nDraw = Draw_Random(100);
    int nBirthDate = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_BIRTH_DATE);
    int nPrimeStart = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_PRIME_START);
    int nYearsEarly = nDraw < nChance / 12 ? 2 : nDraw < nChance ? 1 : 0;
    if (nYearsEarly == 0)
        return;
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE, PROSPECT_EXPERIENCE - nYearsEarly);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_BIRTH_DATE,
                          nBirthDate + nYearsEarly * ONE_YEAR_IN_DATE);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_PRIME_START, nPrimeStart - nYearsEarly);
}

int Generate_New_Player(int nTeam, int nSlot, int nExpandedPosition, int bHistory) {
    const PROSPECT_ROW* pRow = Find_Slot_Prospect_Row(nTeam, nSlot);
    if (pRow)
        nExpandedPosition = pRow->nPosition;

    int nPosition = Translate_Expanded_Position(nExpandedPosition);
    Set_Player_Byte_Stat(nTeam, nSlot, BYTE_EXPANDED_POSITION, nExpandedPosition);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION, nPosition);
    Init_New_Player_Record(nTeam, nSlot);
    Regenerate_Player_Body(nTeam, nSlot);
    Set_Player_Birthday(nTeam, nSlot, Draw_Prospect_Age());
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE, PROSPECT_EXPERIENCE);
    Assign_Random_College(nTeam, nSlot);
    Assign_Uniform_Number(nTeam, nSlot);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_RANDOM_PROSPECT, 1);

    Generate_Player_Ratings(nTeam, nSlot);
    Clear_Player_Season_Links(nTeam, nSlot);

    if (pRow)
        Shape_Table_Prospect(nTeam, nSlot);
    else if (Is_Prospect_Rejected(nTeam, nSlot))
        return 0;

    int nRate = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_GROWTH_RATE);
    int nTalentPosition = Clamp(nPosition, 0, POSITION_COUNT - 1);
    Set_Player_Vital_Stat(
        nTeam, nSlot, VITAL_GROWTH_RATE,
        Max_Int(nRate + gDraftTalent[DRAFT_TALENT_GROWTH][nTalentPosition], nRate / 2));

    if (Get_Position_Group(nPosition) == GROUP_LINE)
        Set_Lineman_Predicted_Stats(nTeam, nSlot);
    Generate_Player_Name(nTeam, nSlot);

    if (pRow)
        Apply_Prospect_Row(nTeam, nSlot, pRow);
    else
        Roll_Early_Entry(nTeam, nSlot);

    if (Get_Player_First_Name_Ptr(nTeam, nSlot)[0] == 0 ||
        Get_Player_Last_Name_Ptr(nTeam, nSlot)[0] == 0)
        return 0;
    if (bHistory)
        Generate_Player_Career_History(nTeam, nSlot, 0);
    return 1;
}

void Create_Veteran_Player(int nTeam, int nSlot, float fQuality, int nPosition) {
    Fabricate_Position_Player(nTeam, nSlot, nPosition, 0);
    int nAge = VETERAN_BASE_AGE + Draw_Random(VETERAN_AGE_ROLL);
    Set_Player_Birthday(nTeam, nSlot, nAge);
    float fChange = (nAge - VETERAN_AGE_PIVOT) / VETERAN_AGE_DIVISOR * fQuality;
    if (fChange < VETERAN_MOST_LOSS)
        fChange = VETERAN_MOST_LOSS;
    Modify_Player_Ratings(nTeam, nSlot, fChange, 0);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE, 0);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY, Get_League_Minimum_Salary(0));
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS, 0);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT, 1);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_LENGTH, 1);
}

// Old saved games had no fullbacks: the codes from 2 up move one place, and running backs who
// block well become fullbacks.
void Convert_Old_Position_Codes(void) {
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; nTeam++) {
        if (!Is_Valid_Team(nTeam))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (!Is_Player_Slot_Used(nTeam, nSlot))
                continue;
            int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
            if (nPosition >= POS_FB)
                Set_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION, nPosition + 1);
            else if (nPosition == POS_RB && Get_Player_Run_Block_Grade(nTeam, nSlot) >= 70)
                Set_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION, POS_FB);
        }
    }
}
