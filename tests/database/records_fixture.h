// Small leagues for the record and roster tests: two teams in a season with no draft running,
// and a five-team league whose short season is stored in game records.
#pragma once

#include "database_test_fixture.h"

class TwoTeamTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        Add_Team(0, "Avon", "Archers");
        Add_Team(1, "Brill", "Bears");
        gDraftRound = NO_DRAFT_ROUND;
        gSeasonNumber = 2;
        gPostseasonWeeks[0] = 17;
    }
};

// Three regular-season weeks (one team has a bye each week) and one playoff game, the results
// stored in game records as the week loop leaves them.

class ShortSeasonTest : public DatabaseTest {
protected:
    static constexpr int kFirstYear = 2020;
    static constexpr int kSeason = 3;
    static constexpr int kFirstPostseasonWeek = 3;

    void SetUp() override {
        DatabaseTest::SetUp();
        Add_Team(0, "Avon", "Archers", 0);
        Add_Team(1, "Brill", "Bears", 0);
        Add_Team(2, "Corby", "Comets", 1);
        Add_Team(3, "Dover", "Dukes", 4);
        Add_Team(4, "Ely", "Eagles", 4);
        for (int nTeam = 0; nTeam < 5; nTeam++)
            Clear_Scheduled_Games(nTeam);
        gUniverseStats[UNIVERSE_FIRST_YEAR] = kFirstYear;
        gUniverseStats[UNIVERSE_SEASON_GAMES] = 3;
        gSeasonNumber = kSeason;
        gDraftRound = NO_DRAFT_ROUND;
        for (int n = 0; n < POSTSEASON_WEEK_COUNT; n++)
            gPostseasonWeeks[n] = kFirstPostseasonWeek + n;
        for (int nSlot = 0; nSlot < PLAYOFF_SLOT_COUNT; nSlot++)
            gPlayoffSlots[nSlot] = NO_TEAM;
    }

    // Puts the game into both teams' rows and stores it, finished, in the next free record.
    static int Play(int nWeek, int nVisitor, int nHome, int nVisitorScore, int nHomeScore) {
        Set_Team_Schedule_Stat(nHome, nWeek, SCHEDULE_OPPONENT, nVisitor + 1);
        Set_Team_Schedule_Stat(nVisitor, nWeek, SCHEDULE_OPPONENT, -1 - nHome);
        int nIndex = Count_Stored_Games();
        Set_Team_Schedule_Stat(nHome, nWeek, SCHEDULE_GAME_INDEX, nIndex);
        Set_Team_Schedule_Stat(nVisitor, nWeek, SCHEDULE_GAME_INDEX, nIndex);
        GAME* pGame = &gGames[nIndex];
        Clear_Game(pGame);
        pGame->anTeams[VISITOR_SIDE] = (int8_t)nVisitor;
        pGame->anTeams[HOME_SIDE] = (int8_t)nHome;
        pGame->anScores[VISITOR_SIDE] = nVisitorScore;
        pGame->anScores[HOME_SIDE] = nHomeScore;
        Set_Game_Info(pGame, GAME_INFO_YEAR, kFirstYear + kSeason);
        Set_Game_Info(pGame, GAME_INFO_WEEK, nWeek);
        pGame->nClock = REGULATION_SECONDS;
        pGame->nFlags = FIRST_DOWN;
        return nIndex;
    }

    // Records 0..6: week 0 in 0..1, week 1 in 2..3, week 2 in 4..5, the playoff game in 6.
    static void Play_Short_Season() {
        Play(0, 1, 0, 14, 21);  // Archers beat the Bears at home
        Play(0, 3, 2, 10, 10);  // Comets and Dukes tie; the Eagles have a bye
        Play(1, 0, 4, 28, 7);   // Archers win at the Eagles
        Play(1, 2, 1, 3, 17);   // Bears beat the Comets; the Dukes have a bye
        Play(2, 3, 0, 24, 20);  // Dukes win at the Archers
        Play(2, 4, 2, 13, 6);   // Eagles win at the Comets; the Bears have a bye
        Play(3, 3, 0, 9, 31);   // playoff: Archers beat the Dukes
    }
};
