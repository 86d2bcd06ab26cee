// One seeded game of the fixture league, pinned by a hash of its play log and final score. Any
// change to a random draw of the engine changes the hash. When a change of the draws is intended,
// run this test, check that the game still looks right, and put the value the failure prints into
// kGoldenGameHash. The game's texts are pinned the same way by kGoldenTextsHash.
#include <stdint.h>

#include "engine/game_test_fixture.h"

namespace {

const uint64_t kGoldenGameHash = 0xe0e843a64278b822ULL;
const uint64_t kGoldenTextsHash = 0x844dc720ae540d48ULL;

uint64_t Hash_Bytes(uint64_t uHash, const void* pData, size_t nBytes) {
    const uint8_t* p = (const uint8_t*)pData;
    for (size_t i = 0; i < nBytes; i++)
        uHash = (uHash ^ p[i]) * 0x100000001B3ULL;  // FNV-1a
    return uHash;
}

TEST_F(GameTest, TheGoldenGameIsPlayedTheSameWay) {
    ASSERT_EQ(Play_Game(GAME_TEST_HOME, GAME_TEST_VISITOR, GAME_TEST_WEEK, pGame), 1);
    ASSERT_GT(pGame->nPlayCount, 0);
    uint64_t uHash = 0xCBF29CE484222325ULL;
    uHash = Hash_Bytes(uHash, pGame->aPlayLog, sizeof(PLAY) * (size_t)pGame->nPlayCount);
    uHash = Hash_Bytes(uHash, pGame->anScores, sizeof pGame->anScores);
    EXPECT_EQ(uHash, kGoldenGameHash)
        << "the golden game changed: new kGoldenGameHash = 0x" << std::hex << uHash << "ULL"
        << std::dec << " (score " << pGame->anScores[VISITOR_SIDE] << "-"
        << pGame->anScores[HOME_SIDE] << ", " << pGame->nPlayCount << " plays)";
}

// The texts of the golden game: the plain play-by-play, the page head, the recap and the box
// score, pinned the same way.
TEST_F(GameTest, TheGoldenGamesTextsAreWrittenTheSameWay) {
    ASSERT_EQ(Play_Game(GAME_TEST_HOME, GAME_TEST_VISITOR, GAME_TEST_WEEK, pGame), 1);
    uint64_t uHash = 0xCBF29CE484222325ULL;
    for (const char* szText : {Get_Play_By_Play_Text(), (const char*)gGameHtmlHead,
                               (const char*)gRecapHtml, (const char*)gBoxScoreHtml}) {
        ASSERT_GT(strlen(szText), 0u);
        uHash = Hash_Bytes(uHash, szText, strlen(szText) + 1);
    }
    EXPECT_EQ(uHash, kGoldenTextsHash)
        << "the golden game's texts changed: new kGoldenTextsHash = 0x" << std::hex << uHash
        << "ULL";
}

}  // namespace
