// The commentary of a play: every variant a kind can choose has a phrase with known tokens, the
// variants keep their meanings, a watched game's lines are rendered whole, and the summary
// sentences take their documented forms.
#include <set>
#include <string>

#include "game_test_fixture.h"

namespace {

class NarrationTest : public GameTest {
protected:
    // The variants one kind takes over many draws, in a few situations of the play.
    std::set<int> Variants_Of(int nKind, int nNumber, int nSecond, int nFlag, int nPlayer0,
                              int nPlayer1) {
        std::set<int> variants;
        for (int n = 0; n < 400; n++)
            variants.insert(Choose_Narration_Variant(pGame, nKind, nNumber, nSecond, nFlag,
                                                     nPlayer0, nPlayer1));
        return variants;
    }
};

TEST_F(NarrationTest, EveryPhraseExistsAndUsesKnownTokens) {
    for (int nKind = 0; nKind < NARRATION_KIND_COUNT; nKind++) {
        for (int nVariant = 0; nVariant < NARRATION_VARIANTS; nVariant++) {
            const char* szPhrase = NARRATION_PHRASES[nKind][nVariant];
            ASSERT_NE(szPhrase, nullptr) << nKind << "/" << nVariant;
            EXPECT_GT(strlen(szPhrase), 2u) << nKind << "/" << nVariant;
            for (const char* p = strchr(szPhrase, '$'); p; p = strchr(p + 1, '$'))
                EXPECT_TRUE(Is_Narration_Token(p)) << szPhrase;
        }
    }
}

TEST_F(NarrationTest, EveryCodePathChoosesAVariantInRange) {
    const int kDowns[] = {FIRST_DOWN, THIRD_DOWN, KICKOFF, CONVERSION_ATTEMPT};
    for (int nDown : kDowns) {
        Set_Down(nDown);
        pGame->nYardLine = nDown == FIRST_DOWN ? 4 : 60;
        pGame->nYardsToGo = nDown == THIRD_DOWN ? 8 : 1;
        for (int nKind = 0; nKind < NARRATION_KIND_COUNT; nKind++)
            for (int nNumber : {0, 15, 40, 60})
                for (int nSide : {0, 1, 2})
                    for (int nVariant : Variants_Of(nKind, nNumber, nSide, nSide & 1, -1, nSide))
                        EXPECT_TRUE(nVariant >= 0 && nVariant < NARRATION_VARIANTS)
                            << nKind << " gives " << nVariant;
    }
}

TEST_F(NarrationTest, VariantsKeepTheirMeaning) {
    struct {
        int nKind, nNumber, nFlag, nLow, nHigh;
    } kCases[] = {
        {NARRATION_KICK_RESULT, 60, 0, 18, 19},  // a miss from far out falls short
        {NARRATION_KICK_RESULT, 30, 1, 0, 5},    // a good kick from close range
        {NARRATION_KICK_RESULT, 52, 0, 8, 19},   // a long miss
        {NARRATION_KICK_FIELDED, 0, KICK_FIELDED_FAIR_CATCH, 15, 19},
        {NARRATION_KICK_FIELDED, 0, KICK_FIELDED_TOUCHBACK, 10, 14},
        {NARRATION_TACKLED, 5, 1, 12, 19},  // out of bounds
        {NARRATION_TACKLED, 5, 0, 0, 11},   // in bounds
        {NARRATION_FLAG, 0, 1, 10, 19},     // before the snap
        {NARRATION_FIELD_GOAL_UNIT, 20, 0, 0, 14},
    };
    for (const auto& c : kCases) {
        for (int nVariant : Variants_Of(c.nKind, c.nNumber, 0, c.nFlag, 5, -1)) {
            EXPECT_GE(nVariant, c.nLow) << c.nKind;
            EXPECT_LE(nVariant, c.nHigh) << c.nKind;
        }
    }
}

TEST_F(NarrationTest, OnlyAWatchedGameQueuesEvents) {
    memset(pGame->currentPlay.aabNarration, NARRATION_ENTRY_EMPTY,
           sizeof(pGame->currentPlay.aabNarration));
    Narrate_Play_Event(pGame, NARRATION_SNAP, 0, 0, 0, -1, -1);
    EXPECT_EQ(Count_Play_Events(pGame), 0);

    Watch_Game();
    ASSERT_TRUE(Is_Game_Watched(pGame));
    Set_Down(FIRST_DOWN);
    pGame->nYardLine = 65;
    pGame->nYardsToGo = 10;
    for (int n = 0; n < PLAY_NARRATION_ENTRIES + 2; n++)
        Narrate_Play_Event(pGame, NARRATION_SERIES_START, 0, 0, 0, -1, -1);
    EXPECT_EQ(Count_Play_Events(pGame), PLAY_NARRATION_ENTRIES);
    char szLine[256];
    for (int n = 0; n < PLAY_NARRATION_ENTRIES; n++) {
        Get_Narration_Line(n, szLine, sizeof(szLine));
        EXPECT_EQ(strchr(szLine, '$'), nullptr) << szLine;
        EXPECT_GT(strlen(szLine), 3u) << szLine;
    }
}

TEST_F(NarrationTest, WatchedGameTellsWholeLines) {
    Watch_Game();
    ASSERT_EQ(Play_Game(GAME_TEST_HOME, GAME_TEST_VISITOR, GAME_TEST_WEEK, pGame), 1);
    int nTold = 0;
    char szLine[256];
    for (int n = 0; n < pGame->nPlayCount; n++) {
        for (int e = 0; e < PLAY_NARRATION_ENTRIES; e++) {
            const uint8_t* pEvent = pGame->aPlayLog[n].aabNarration[e];
            if (pEvent[0] == NARRATION_ENTRY_EMPTY)
                continue;
            Render_Narration_Event(pGame, pEvent, szLine, sizeof(szLine));
            EXPECT_EQ(strchr(szLine, '$'), nullptr) << szLine;
            nTold++;
        }
    }
    EXPECT_GT(nTold, pGame->nPlayCount);
}

TEST_F(NarrationTest, SummarySentenceForms) {
    int nRunner = Get_Player_Vital_Stat(GAME_TEST_HOME, 5, VITAL_PLAYER_ID);
    char szName[64], szExpected[160], szSentence[160];
    Get_Player_Full_Name(GAME_TEST_HOME, 5, szName, sizeof(szName));
    struct {
        int nResult, nYard1, nYard2;
        const char* szFormat;
    } kCases[] = {
        {RESULT_PLAIN_RUN, 1, 0, "%s rushes up the middle for 1 yard"},
        {RESULT_RUN, 0, 0, "%s rushes left for no gain"},
        {RESULT_OTHER_RUN, -3, 0, "%s rushes right for a 3-yard loss"},
        {RESULT_KICKOFF_RETURNED, 20, 45, "%s returns kickoff to opponent's 45!"},
        {RESULT_KICKOFF_RETURNED, 25, 70, "%s returns kickoff 25 yards to his 30"},
        {RESULT_FIELD_GOAL_GOOD, 41, 0, "%s kicks 41-yard FG"},
    };
    pGame->currentPlay.nResult = PLAY_WORD_HOME_BALL;
    for (const auto& c : kCases) {
        Set_Play_Result(&pGame->currentPlay, c.nResult);
        pGame->currentPlay.nPlayer1 = nRunner;
        pGame->currentPlay.nYard1 = (int8_t)c.nYard1;
        pGame->currentPlay.nYard2 = (int8_t)c.nYard2;
        Write_Play_Summary_Sentence(pGame, &pGame->currentPlay, szSentence, sizeof(szSentence));
        Format_String(szExpected, sizeof(szExpected), c.szFormat, szName);
        EXPECT_STREQ(szSentence, szExpected);
    }
}

}  // namespace
