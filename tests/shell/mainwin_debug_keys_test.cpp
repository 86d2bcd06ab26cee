// The debug keys Ctrl+F1..Ctrl+F12 on the live game, one step each way and held in range.
#include "shell/mainwin_fixture.h"

namespace {

using MainwinDebugKeysTest = MainwinTest;

enum MAINWIN_FIELD {
    FIELD_VISITOR,
    FIELD_HOME,
    FIELD_YARD_LINE,
    FIELD_CLOCK,
    FIELD_TO_GO,
    FIELD_DOWN
};

struct MAINWIN_KEY_CASE {
    int idCommand;
    int nOffensiveSide;  // who has the ball
    MAINWIN_FIELD nField;
    int nBefore;
    int nAfter;
};

int Read_Field(const GAME& game, MAINWIN_FIELD nField) {
    switch (nField) {
    case FIELD_VISITOR: return game.anScores[VISITOR_SIDE];
    case FIELD_HOME: return game.anScores[HOME_SIDE];
    case FIELD_YARD_LINE: return game.nYardLine;
    case FIELD_CLOCK: return game.nClock;
    case FIELD_TO_GO: return game.nYardsToGo;
    case FIELD_DOWN: return game.nFlags & 0xFF;
    }
    return -1;
}

void Write_Field(GAME* pGame, MAINWIN_FIELD nField, int nValue) {
    switch (nField) {
    case FIELD_VISITOR: pGame->anScores[VISITOR_SIDE] = nValue; break;
    case FIELD_HOME: pGame->anScores[HOME_SIDE] = nValue; break;
    case FIELD_YARD_LINE: pGame->nYardLine = (int8_t)nValue; break;
    case FIELD_CLOCK: pGame->nClock = (int16_t)nValue; break;
    case FIELD_TO_GO: pGame->nYardsToGo = (int8_t)nValue; break;
    case FIELD_DOWN: pGame->nFlags = (pGame->nFlags & ~0xFF) | nValue; break;
    }
}

TEST_F(MainwinDebugKeysTest, EachKeyStepsItsFieldWithinRange) {
    const MAINWIN_KEY_CASE aCases[] = {
        {40140, 0, FIELD_VISITOR, 7, 6},     {40140, 0, FIELD_VISITOR, 0, 0},
        {40141, 0, FIELD_VISITOR, 98, 99},   {40141, 0, FIELD_VISITOR, 99, 99},
        {40142, 0, FIELD_HOME, 3, 2},        {40143, 0, FIELD_HOME, 99, 99},
        {40144, 1, FIELD_YARD_LINE, 50, 40}, {40144, 0, FIELD_YARD_LINE, 50, 60},
        {40145, 0, FIELD_YARD_LINE, 5, 1},   {40145, 1, FIELD_YARD_LINE, 95, 99},
        {40146, 0, FIELD_CLOCK, 3595, 3600}, {40147, 0, FIELD_CLOCK, 4, 0},
        {40147, 0, FIELD_CLOCK, 900, 890},   {40148, 0, FIELD_TO_GO, 1, 1},
        {40149, 0, FIELD_TO_GO, 50, 50},     {40149, 0, FIELD_TO_GO, 9, 10},
        {40150, 0, FIELD_DOWN, 0, 0},        {40151, 0, FIELD_DOWN, 2, 3},
        {40151, 0, FIELD_DOWN, 3, 3},
    };
    HWND hWnd = Create_Window();
    GAME* pGame = Watch_Game();
    for (const MAINWIN_KEY_CASE& c : aCases) {
        SCOPED_TRACE(testing::Message() << c.idCommand << " from " << c.nBefore);
        pGame->nYardLine = 50;
        pGame->nYardsToGo = 10;
        pGame->nPossession = pGame->anTeams[c.nOffensiveSide];
        pGame->nFlags = 0x4000;
        Write_Field(pGame, c.nField, c.nBefore);
        Send_Command(hWnd, c.idCommand);
        EXPECT_EQ(Read_Field(*pGame, c.nField), c.nAfter);
        EXPECT_EQ(pGame->nFlags & 0x4000, 0x4000);  // the flags above the down stay
    }
}

TEST_F(MainwinDebugKeysTest, KeysDoNothingWithoutALiveGame) {
    Create_Window();
    EXPECT_FALSE(Apply_Debug_Key(40141));
    Watch_Game();
    EXPECT_FALSE(Apply_Debug_Key(40139));
    EXPECT_TRUE(Apply_Debug_Key(40141));
}

}  // namespace
