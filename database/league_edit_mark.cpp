// Whether the league changed since it was last saved or loaded: a checksum of everything a person
// can edit (teams, players, cities, settings, season lines, records, schedule), taken at the save
// or load and compared later. The preferences that only follow what the screen shows are left
// out, so that looking around is not an edit.
#include <stddef.h>
#include <zlib.h>

#include "database/database.h"

static int sbLeagueMarked = 0;
static uLong suLeagueMark = 0;

// The preferences that are settings of the game, as first and last index.
static const int kSettingPreferences[][2] = {
    {PREF_OVERTIME_RULE, PREF_SHOW_NEWS_TICKER},
    {PREF_COMMISSIONER_MODE, PREF_PERFECT_SCOUTING},
    {PREF_LEAGUE_SETTINGS_FIRST, PREF_LEAGUE_AMOUNT},
    {PREF_STANDINGS_OUTPUT, PREF_FINANCES_OUTPUT},
    {PREF_OVERTIME_PERIOD_LENGTH, PREF_AUTO_SAVE},
    {PREF_TEXT_DISPLAY_SPEED, PREF_OVERTIME_GAMES},
    {PREF_KICKOFF_TOUCHBACK_LINE, PREF_MISSED_FIELD_GOAL_SPOT},
    {PREF_AUTOMATIC_OFFENSIVE_PLAYS, PREF_AUTOMATIC_DEFENSIVE_PLAYS},
};

static uLong Sum_Bytes(uLong uSum, const void* pFirst, size_t nBytes) {
    return adler32(uSum, static_cast<const Bytef*>(pFirst), (uInt)nBytes);
}

static uLong Compute_League_Edit_Checksum(void) {
    const uint8_t* pBlock = reinterpret_cast<const uint8_t*>(&gSavedState);
    size_t nIntsAt = offsetof(SAVED_STATE, anPreferenceInts);
    size_t nAfterShorts = offsetof(SAVED_STATE, anPreferenceShorts) + sizeof gSavedState.anPreferenceShorts;
    uLong uSum = Sum_Bytes(0L, pBlock, nIntsAt);
    uSum = Sum_Bytes(uSum, pBlock + nAfterShorts, sizeof(SAVED_STATE) - nAfterShorts);
    for (const auto& range : kSettingPreferences)
        uSum = Sum_Bytes(uSum, &PREFERENCE_ENTRY(range[0]),
                         (range[1] - range[0] + 1) * sizeof(int32_t));
    return uSum;
}

void Mark_League_Unchanged(void) {
    suLeagueMark = Compute_League_Edit_Checksum();
    sbLeagueMarked = 1;
}

void Forget_League_Mark(void) {
    sbLeagueMarked = 0;
}

int Is_League_Changed(void) {
    return !sbLeagueMarked || Compute_League_Edit_Checksum() != suLeagueMark;
}
