// The card game's names, its play table and the play bonuses of skill pairings.
#include "engine/engine.h"
#include "reports/reports.h"

#define GRIDIRON_PLAY_ROW_SIZE 8
#define GRIDIRON_FLAG_STORED 7   // the stored flag that reads as true
#define GRIDIRON_OFFENCE_NONE 7  // the byte of an empty offensive skill field
#define GRIDIRON_DEFENCE_NONE 4  // the byte of an empty defensive skill field
#define GRIDIRON_OFFENSIVE_SKILLS 7
#define GRIDIRON_DEFENSIVE_SKILLS 4
#define GRIDIRON_PLAY_BYTES 54  // a play's card fields 0..8 follow its name, from this byte

static const char* const kGridironStatNames[GRIDIRON_VALUE - FIRST_GRIDIRON_SKILL + 1] = {
    "Pass Blocking", "Run Blocking", "Rushing",  "Goal Line", "Receiving", "Passing", "Red Zone",
    "Run Defense",   "Pass Rush",    "Coverage", "Tackling",  "Salary",    "Value",
};

static const char* const kPlayTypeNames[] = {"Inside Run", "Outside Run", "Short Pass",
                                             "Long Pass"};

// Per play: type, stored flag, the two offensive skills, the two defensive skills, the shown
// offensive skill and the card number (fields 8, 0, 1..6).
static const short kGridironPlays[GRIDIRON_PLAY_COUNT][GRIDIRON_PLAY_ROW_SIZE] = {
    {0, 7, 401, 0, 407, 410, 401, 7},   {0, 7, 403, 0, 407, 0, 403, 1},
    {0, 3, 402, 401, 407, 0, 401, 6},   {0, 3, 402, 401, 407, 410, 401, 6},
    {0, 7, 403, 0, 407, 0, 403, 0},     {0, 7, 402, 403, 407, 0, 402, 1},
    {0, 7, 401, 0, 407, 0, 401, 2},     {0, 7, 402, 0, 410, 0, 402, 1},
    {0, 7, 402, 0, 407, 410, 402, 1},   {0, 7, 403, 0, 407, 0, 403, 2},
    {1, 7, 401, 402, 407, 410, 401, 3}, {1, 3, 401, 402, 410, 0, 401, 5},
    {1, 7, 402, 0, 410, 0, 402, 2},     {1, 7, 402, 0, 410, 0, 402, 1},
    {1, 3, 401, 402, 407, 0, 401, 6},   {1, 7, 402, 0, 407, 0, 402, 1},
    {1, 3, 402, 401, 407, 0, 401, 5},   {1, 7, 401, 0, 407, 0, 401, 6},
    {1, 7, 403, 401, 407, 410, 403, 1}, {1, 7, 401, 0, 407, 0, 401, 6},
    {2, 7, 405, 400, 410, 0, -1, -1},   {2, 3, 404, 405, 410, 0, 404, 1},
    {2, 3, 404, 400, 409, 410, 400, 5}, {2, 7, 406, 0, 409, 410, 406, 3},
    {2, 3, 405, 404, 409, 408, 405, 0}, {2, 7, 406, 405, 410, 409, 406, 1},
    {2, 3, 400, 0, 410, 0, 400, 4},     {2, 7, 406, 0, 409, 410, 406, 4},
    {2, 3, 404, 0, 408, 0, 404, 4},     {2, 7, 404, 0, 410, 0, 404, 4},
    {3, 3, 405, 404, 408, 410, 404, 4}, {3, 3, 400, 404, 409, 0, 404, 3},
    {2, 3, 405, 404, 409, 0, 404, 4},   {3, 7, 405, 404, 409, 408, 404, 4},
    {2, 7, 405, 406, 409, 408, 406, 4}, {2, 3, 400, 404, 408, 0, 404, 3},
    {2, 3, 400, 0, 409, 0, 400, 7},     {3, 7, 406, 0, 408, 410, 406, 3},
    {2, 3, 405, 404, 408, 0, 405, 0},   {2, 7, 405, 404, 409, 0, 405, 0},
    {3, 7, 400, 0, 408, 0, 400, 6},     {3, 7, 404, 0, 409, 410, 404, 1},
    {3, 7, 400, 0, 409, 408, 400, 5},   {3, 7, 405, 406, 409, 408, 406, 0},
    {3, 7, 406, 0, 408, 0, 406, 4},     {3, 7, 404, 406, 408, 410, 406, 0},
    {3, 3, 400, 405, 408, 0, 400, 6},   {3, 7, 400, 406, 409, 408, 406, 0},
    {3, 3, 400, 0, 409, 0, 400, 5},     {3, 7, 404, 0, 409, 408, 404, 4},
    {3, 7, 405, 404, 408, 410, 404, 4}, {2, 7, 402, 404, 409, 410, 402, 0},
    {1, 3, 402, 0, 407, 0, 402, 4},     {1, 7, 401, 0, 407, 410, 401, 4},
};

const char* Get_Gridiron_Stat_Name(int nStat) {
    if (nStat < FIRST_GRIDIRON_SKILL || nStat > GRIDIRON_VALUE)
        return "";
    return kGridironStatNames[nStat - FIRST_GRIDIRON_SKILL];
}

const char* Get_Gridiron_Play_Type_Name(int nType) {
    return nType >= GRIDIRON_INSIDE_RUN && nType <= GRIDIRON_LONG_PASS ? kPlayTypeNames[nType] : "";
}

// Field 8 is the type, field 0 the flag, 1..6 the skills and card number; field 7 reads 0.
int Get_Gridiron_Play_Field(int nPlay, int nField) {
    if (nPlay < 0 || nPlay >= GRIDIRON_PLAY_COUNT)
        return 0;
    const short* pRow = kGridironPlays[nPlay];
    if (nField == GRIDIRON_PLAY_TYPE_FIELD)
        return pRow[0];
    if (nField == 0)
        return pRow[1] == GRIDIRON_FLAG_STORED;
    if (nField >= 1 && nField <= 6)
        return pRow[nField + 1];
    return 0;
}

static int Has_Skill(int nSkill, int nSkillA, int nSkillB) {
    return nSkillA == nSkill || nSkillB == nSkill;
}

// Each table row: the bonus of up to three skills for one play type.
struct GRIDIRON_BONUS_ROW {
    int anSkill[3];
    int anBonus[3];
};

static int Sum_Bonus(const GRIDIRON_BONUS_ROW* pTable, int nPlayType, int nSkillA, int nSkillB) {
    if (nPlayType < GRIDIRON_INSIDE_RUN || nPlayType > GRIDIRON_LONG_PASS)
        return 0;
    const GRIDIRON_BONUS_ROW& row = pTable[nPlayType];
    int nBonus = 0;
    for (int n = 0; n < 3; n++) {
        if (row.anSkill[n] != 0 && Has_Skill(row.anSkill[n], nSkillA, nSkillB))
            nBonus += row.anBonus[n];
    }
    return nBonus;
}

static const GRIDIRON_BONUS_ROW kOffenceBonuses[] = {
    {{GRIDIRON_GOAL_LINE, GRIDIRON_RUN_BLOCKING, 0}, {2, 1, 0}},
    {{GRIDIRON_RUSHING, 0, 0}, {3, 0, 0}},
    {{GRIDIRON_RECEIVING, GRIDIRON_PASSING, 0}, {2, 1, 0}},
    {{GRIDIRON_RED_ZONE, GRIDIRON_PASSING, GRIDIRON_PASS_BLOCKING}, {3, 2, 1}},
};

static const GRIDIRON_BONUS_ROW kDefenceBonuses[] = {
    {{GRIDIRON_RUN_DEFENSE, GRIDIRON_TACKLING, 0}, {4, 1, 0}},
    {{GRIDIRON_TACKLING, GRIDIRON_RUN_DEFENSE, 0}, {3, 2, 0}},
    {{GRIDIRON_COVERAGE, GRIDIRON_TACKLING, 0}, {4, 3, 0}},
    {{GRIDIRON_PASS_RUSH, GRIDIRON_COVERAGE, 0}, {5, 2, 0}},
};

int Get_Gridiron_Offense_Bonus(int nPlayType, int nSkillA, int nSkillB) {
    return Sum_Bonus(kOffenceBonuses, nPlayType, nSkillA, nSkillB);
}

int Get_Gridiron_Defense_Bonus(int nPlayType, int nSkillA, int nSkillB) {
    return Sum_Bonus(kDefenceBonuses, nPlayType, nSkillA, nSkillB);
}

static int Is_Offensive_Skill_Field(int nField) {
    return nField == 1 || nField == 2 || nField == 5;
}

static int Is_Defensive_Skill_Field(int nField) {
    return nField == 3 || nField == 4;
}

int Encode_Gridiron_Play_Field(int nField, int nValue) {
    if (Is_Offensive_Skill_Field(nField)) {
        int nByte = nValue - FIRST_GRIDIRON_SKILL;
        return nByte >= 0 && nByte < GRIDIRON_OFFENSIVE_SKILLS ? nByte : GRIDIRON_OFFENCE_NONE;
    }
    if (Is_Defensive_Skill_Field(nField)) {
        int nByte = nValue - FIRST_DEFENSIVE_GRIDIRON_SKILL;
        return nByte >= 0 && nByte < GRIDIRON_DEFENSIVE_SKILLS ? nByte : GRIDIRON_DEFENCE_NONE;
    }
    return nValue;
}

int Decode_Gridiron_Play_Field(int nField, int nByte) {
    if (Is_Offensive_Skill_Field(nField))
        return nByte >= 0 && nByte < GRIDIRON_OFFENSIVE_SKILLS ? nByte + FIRST_GRIDIRON_SKILL : -1;
    if (Is_Defensive_Skill_Field(nField)) {
        return nByte >= 0 && nByte < GRIDIRON_DEFENSIVE_SKILLS
                   ? nByte + FIRST_DEFENSIVE_GRIDIRON_SKILL
                   : -1;
    }
    return nByte;
}

// A field's byte in the play's record; null for a team without a playbook or a field or play out
// of range.
static char* Find_Play_Gridiron_Byte(int nTeam, int nPlay, int nField) {
    if (nField < 0 || nField > GRIDIRON_PLAY_TYPE_FIELD || nPlay < 0 ||
        nPlay >= TEAM_OFFENSIVE_PLAY_COUNT)
        return nullptr;
    OFFENSIVE_PLAYBOOK* pPlaybook = Get_Team_Offensive_Playbook(nTeam);
    return pPlaybook ? &pPlaybook->aPlays[nPlay].szName[GRIDIRON_PLAY_BYTES + nField] : nullptr;
}

void Set_Play_Gridiron_Field(int nTeam, int nPlay, int nField, int nValue) {
    char* pByte = Find_Play_Gridiron_Byte(nTeam, nPlay, nField);
    if (pByte)
        *pByte = (char)Encode_Gridiron_Play_Field(nField, nValue);
}

int Get_Play_Gridiron_Field(int nTeam, int nPlay, int nField) {
    const char* pByte = Find_Play_Gridiron_Byte(nTeam, nPlay, nField);
    return pByte ? Decode_Gridiron_Play_Field(nField, (uint8_t)*pByte) : -1;
}
