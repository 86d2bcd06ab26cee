// The fixture of the saved-game tests: files written and read in the test's folder, a writer of
// the file format that is independent of the game's own, and copies of the block on the heap.
#pragma once

#include <zlib.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "database/saved_game_internal.h"
#include "shell/shell.h"
#include "database_test_fixture.h"

constexpr int kHeaderSize = 25;
constexpr int kChunkCount = 100;

typedef std::vector<uint8_t> BYTES;

class SavedGameTest : public DatabaseTest {
protected:
    static BYTES Read_File(const std::string& stPath) {
        std::ifstream file(stPath, std::ios::binary);
        return BYTES(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }

    static void Write_File(const std::string& stPath, const BYTES& data) {
        std::ofstream file(stPath, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data.data()), (std::streamsize)data.size());
    }

    // A saved-game file of the given version digits whose body is the bytes given, cut into 100
    // chunks of equal size, the last one taking the rest (the game's own cut of its block).
    static void Write_Block_File(const std::string& stPath, const char* szDigits,
                                 const uint8_t* pBytes, size_t nSize) {
        BYTES file(kHeaderSize, 0);
        memcpy(file.data(), "RUROZEVIZODIR", 13);
        memcpy(file.data() + 13, szDigits, 4);
        memcpy(file.data() + 17, "    Cc", 6);
        size_t nChunk = nSize / kChunkCount;
        for (int n = 0; n < kChunkCount; n++) {
            size_t nAt = (size_t)n * nChunk;
            size_t nRaw = n == kChunkCount - 1 ? nSize - nAt : nChunk;
            uLongf nLength = compressBound((uLong)nRaw);
            BYTES packed(nLength);
            compress2(packed.data(), &nLength, pBytes + nAt, (uLong)nRaw, 1);
            for (int k = 0; k < 4; k++)
                file.push_back((uint8_t)(nLength >> (8 * k)));
            file.insert(file.end(), packed.begin(), packed.begin() + (long)nLength);
        }
        Write_File(stPath, file);
    }

    // A game of the schedule in its game record: both teams' rows point at it, its teams are left
    // wrong for the load to rebuild, and it is over once its clock reaches the end of regulation.
    static void Schedule_Game(int nWeek, int nVisitor, int nHome, int nGame, int nVisitorScore,
                              int nHomeScore, int nClock = REGULATION_SECONDS) {
        Set_Team_Schedule_Stat(nHome, nWeek, SCHEDULE_OPPONENT, nVisitor + 1);
        Set_Team_Schedule_Stat(nVisitor, nWeek, SCHEDULE_OPPONENT, -1 - nHome);
        Set_Team_Schedule_Stat(nHome, nWeek, SCHEDULE_GAME_INDEX, nGame);
        Set_Team_Schedule_Stat(nVisitor, nWeek, SCHEDULE_GAME_INDEX, nGame);
        GAME* pGame = &gGames[nGame];
        pGame->anInfo[GAME_INFO_YEAR] = 2021;
        pGame->anTeams[0] = pGame->anTeams[1] = 35;
        pGame->anScores[VISITOR_SIDE] = nVisitorScore;
        pGame->anScores[HOME_SIDE] = nHomeScore;
        pGame->nClock = (int16_t)nClock;
    }

    static std::unique_ptr<SAVED_STATE> New_Block() {
        std::unique_ptr<SAVED_STATE> pBlock(new SAVED_STATE);
        memset(pBlock.get(), 0, sizeof(SAVED_STATE));
        return pBlock;
    }

    static std::unique_ptr<SAVED_STATE> Copy_League() {
        std::unique_ptr<SAVED_STATE> pBlock(new SAVED_STATE);
        memcpy(pBlock.get(), &gSavedState, sizeof(SAVED_STATE));
        return pBlock;
    }

    static bool Is_League(const SAVED_STATE* pBlock) {
        return memcmp(pBlock, &gSavedState, sizeof(SAVED_STATE)) == 0;
    }

    // Every box shown since the last clear, "caption|text" each.
    static std::vector<std::string> Boxes() {
        std::vector<std::string> boxes;
        for (const TEST_SHOWN& shown : Test_Get_Transcript())
            boxes.push_back(shown.stCaption + "|" + shown.stText);
        return boxes;
    }
};
