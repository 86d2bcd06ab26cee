// The fixture of the player tests: the cleared league of DatabaseTest, a season year, and
// helpers that put players into slots through the accessors.
#pragma once

#include <string>

#include "database_test_fixture.h"

class PlayerTest : public DatabaseTest {
protected:
    static constexpr int kYear = 2021;

    void SetUp() override {
        DatabaseTest::SetUp();
        Set_Universe_Stat(UNIVERSE_FIRST_YEAR, kYear);
        Set_Universe_Stat(UNIVERSE_INFLATION, 1000);
        Add_Team(0, "Ashford", "Comets");
        Add_Team(1, "Bellmont", "Foxes");
    }

    // A player in an emptied slot, named "First<id> Last<id>".
    static void Put_Player(int nTeam, int nSlot, int nId, int nPosition = POS_QB) {
        Clear_Player(nTeam, nSlot);
        Set_Player_ID(nTeam, nSlot, nId);
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION, nPosition);
        Set_Player_First_Name(nTeam, nSlot, ("First" + std::to_string(nId)).c_str());
        Set_Player_Last_Name(nTeam, nSlot, ("Last" + std::to_string(nId)).c_str());
    }

    // Slots 0..n-1 with ids nFirstId, nFirstId + 1, ...
    static void Fill_Roster(int nTeam, int nCount, int nFirstId) {
        for (int nSlot = 0; nSlot < nCount; nSlot++)
            Put_Player(nTeam, nSlot, nFirstId + nSlot);
    }

    // The caption and text of the last message box, "caption|text".
    static std::string Last_Box() {
        const auto& transcript = Test_Get_Transcript();
        if (transcript.empty())
            return std::string();
        return transcript.back().stCaption + "|" + transcript.back().stText;
    }
};
