// The fixture of the play-resolution tests: the engine fixture with both sides' players on the
// field for a called play, player ratings set at will, and the generator loaded with a fixed
// sequence of unit draws.
#pragma once

#include <initializer_list>

#include "engine/engine_test_fixture.h"

#define PLAY_TEST_FILLER_DRAW 0.5000001

class PlayTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        gCurrentWeek = 1;
        gDifficulty = 0;
        gPostseasonWeeks[0] = 18;
        pGame->anInfo[GAME_INFO_WIND_SPEED] = -1;  // indoors
        Set_Situation(FIRST_DOWN, 10, 60, 0, 0, 0);
        Seed_Random(FIXED_RANDOM_SEED);
    }

    // The calls of both teams, their formations and the 22 players on the field.
    void Call_Play(int nOffensiveCall, int nDefensiveCall) {
        pGame->currentPlay.nOffensiveCall = (int8_t)nOffensiveCall;
        pGame->currentPlay.nDefensiveCall = (int8_t)nDefensiveCall;
        pGame->currentPlay.nPlayer1 = -1;
        pGame->currentPlay.nPlayer2 = -1;
        Set_Play_Result(&pGame->currentPlay, RESULT_NONE);
        Set_Game_Lineups(pGame);
        Set_Play_Formations(pGame);
        Fill_On_Field_Players(pGame, VISITOR_SIDE);
        Fill_On_Field_Players(pGame, HOME_SIDE);
    }

    // Every rating of every player on one side's spots.
    void Rate_Side(int bSide, float fRating) {
        for (int nSpot = 0; nSpot < FORMATION_SPOTS; nSpot++)
            Rate_Player(pGame->anTeams[bSide], pGame->aabOnField[bSide][nSpot], fRating);
    }

    static void Rate_Player(int nTeam, int nSlot, float fRating) {
        for (int nRating = 0; nRating < RATING_COUNT; nRating++)
            Set_Player_Rating(nTeam, nSlot, fRating, nRating);
    }

    // The next draws of the generator are these unit values, then PLAY_TEST_FILLER_DRAW.
    static void Queue_Draws(std::initializer_list<double> draws) {
        int k = 0;
        for (double u : draws)
            gMtState[k++] = Untemper((uint32_t)(u * 4294967295.0));
        while (k < MT_STATE_WORDS)
            gMtState[k++] = Untemper((uint32_t)(PLAY_TEST_FILLER_DRAW * 4294967295.0));
        gMtIndex = 0;
    }

    // The draw that makes Random_Below(n) give k.
    static double Below(int k, int n) {
        return (k + 0.5) / n;
    }

    int Offence() const {
        return pGame->anTeams[Get_Offensive_Side(pGame)];
    }
    int Defence() const {
        return pGame->anTeams[Get_Defensive_Side(pGame)];
    }

    // The state word whose tempered output is y.
    static uint32_t Untemper(uint32_t y) {
        y ^= y >> 18;
        y ^= (y << 15) & 0xefc60000u;
        uint32_t x = y;
        for (int k = 0; k < 4; k++)
            x = y ^ ((x << 7) & 0x9d2c5680u);
        y = x;
        x = y;
        for (int k = 0; k < 2; k++)
            x = y ^ (x >> 11);
        return x;
    }
};
