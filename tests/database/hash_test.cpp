// The player lookups by id, outside-database id and full name: probing, verification, repair
// after players moved, and the rebuild of a full table.
#include "player_test_fixture.h"

class HashTest : public PlayerTest {
protected:
    static int Id_Entry_Of(int nId) {
        for (int nEntry = 0; nEntry < PLAYER_HASH_SIZE; nEntry++) {
            if (gPlayerIdHash.anKeys[nEntry] == nId)
                return nEntry;
        }
        return -1;
    }

    // Team and slot are read after the lookup has filled them.
    static void Expect_Found_At(int bFound, const int& nTeam, const int& nSlot, int nExpectedTeam,
                                int nExpectedSlot) {
        EXPECT_TRUE(bFound);
        EXPECT_EQ(nTeam, nExpectedTeam);
        EXPECT_EQ(nSlot, nExpectedSlot);
    }
};

TEST_F(HashTest, IdsOfZeroOrBelowFailAtOnce) {
    Put_Player(0, 0, 11);
    Rebuild_Player_ID_Hash();
    for (int nId : {0, -5}) {
        PLAYER_REF nRef = 0;
        EXPECT_FALSE(Find_Player_ID(&nRef, nId));
        EXPECT_EQ(nRef, NO_PLAYER_REF);
    }
    int nTeam = 0, nSlot = 0;
    EXPECT_FALSE(Get_Player_By_ID(&nTeam, &nSlot, 12));
    EXPECT_EQ(nTeam, NO_TEAM);
    EXPECT_EQ(nSlot, NO_PLAYER);
}

TEST_F(HashTest, CollidingIdsTakeConsecutiveEntries) {
    Put_Player(0, 0, 7);
    Put_Player(1, 0, 4103);  // 4103 AND 0xFFF = 7
    Rebuild_Player_ID_Hash();
    EXPECT_EQ(gPlayerIdHash.nCount, 2);
    EXPECT_EQ(Id_Entry_Of(7), 7);
    EXPECT_EQ(Id_Entry_Of(4103), 8);
    EXPECT_EQ(gPlayerIdHash.anKeys[9], -1);
    int nTeam, nSlot;
    Expect_Found_At(Find_Player_ID_Split(&nTeam, &nSlot, 4103), nTeam, nSlot, 1, 0);
}

TEST_F(HashTest, MovedPlayersAreFoundAndTheirEntriesRepaired) {
    Fill_Roster(0, 3, 11);
    Put_Player(1, 0, 21);
    Rebuild_Player_ID_Hash();
    Swap_Players(0, 0, 1, 0);
    Remove_Player_Slot(0, 1);  // 13 moves up to slot 1
    int nTeam, nSlot;
    Expect_Found_At(Get_Player_By_ID(&nTeam, &nSlot, 11), nTeam, nSlot, 1, 0);
    Expect_Found_At(Get_Player_By_ID(&nTeam, &nSlot, 21), nTeam, nSlot, 0, 0);
    Expect_Found_At(Get_Player_By_ID(&nTeam, &nSlot, 13), nTeam, nSlot, 0, 1);
    EXPECT_FALSE(Get_Player_By_ID(&nTeam, &nSlot, 12));
    EXPECT_EQ(gPlayerIdHash.anTeams[Id_Entry_Of(11)], 1);
    EXPECT_EQ(gPlayerIdHash.anSlots[Id_Entry_Of(13)], 1);
    EXPECT_EQ(gPlayerIdHash.anTeams[Id_Entry_Of(12)], -1);  // marked unknown
    EXPECT_EQ(gPlayerIdHash.nCount, 4);                     // no key was added
}

TEST_F(HashTest, PlayersAddedSinceTheRebuildAreFoundByScan) {
    Put_Player(0, 0, 11);
    Rebuild_Player_ID_Hash();
    Rebuild_Player_Name_Hash();
    Put_Player(FREE_AGENT_TEAM, 4, 99);
    int nTeam, nSlot;
    Expect_Found_At(Get_Player_By_Name(&nTeam, &nSlot, "first99 LAST99"), nTeam, nSlot,
                    FREE_AGENT_TEAM, 4);
    EXPECT_EQ(gPlayerNameHash.nCount, 2);
    Expect_Found_At(Get_Player_By_ID(&nTeam, &nSlot, 99), nTeam, nSlot, FREE_AGENT_TEAM, 4);
    EXPECT_EQ(gPlayerIdHash.nCount, 2);
    EXPECT_FALSE(Get_Player_By_Name(&nTeam, &nSlot, ""));
    EXPECT_FALSE(Get_Player_By_Name(&nTeam, &nSlot, " "));  // empty slots have no name
}

TEST_F(HashTest, OstrelIdsCompareWithoutCase) {
    Put_Player(0, 0, 11);
    Put_Player(0, 1, 12);
    Set_Player_Ostrel_ID(0, 0, "ABC");
    Set_Player_Ostrel_ID(0, 1, "SmitJo01");
    Rebuild_Ostrel_ID_Hash();
    EXPECT_EQ(gOstrelIdHash.nCount, 2);
    int nTeam, nSlot;
    Expect_Found_At(Get_Player_By_Ostrel_ID(&nTeam, &nSlot, "abc"), nTeam, nSlot, 0, 0);
    Expect_Found_At(Get_Player_By_Ostrel_ID(&nTeam, &nSlot, "SMITJO01"), nTeam, nSlot, 0, 1);
    PLAYER_REF nRef;
    EXPECT_FALSE(Find_Ostrel_ID(&nRef, "nobody"));
    EXPECT_EQ(nRef, NO_PLAYER_REF);
    EXPECT_FALSE(Find_Ostrel_ID(&nRef, ""));
}

// Player (1, 0) takes new keys after each rebuild: the lookup misses, rebuilds and finds him.
TEST_F(HashTest, AFilledTableIsReportedAndRebuiltBeforeTheScan) {
    Fill_Roster(0, 5, 11);
    struct {
        void (*pRebuild)(void);
        int* pCount;
        int (*pLookup)(int* pTeam, int* pSlot);
        const char* szMessage;
        int nCount;  // keys after the second rebuild: every player that has one
    } tables[] = {
        {Rebuild_Player_ID_Hash, &gPlayerIdHash.nCount,
         [](int* pTeam, int* pSlot) { return Get_Player_By_ID(pTeam, pSlot, 78); },
         "HASH HAS FILLED!", 6},
        {Rebuild_Player_Name_Hash, &gPlayerNameHash.nCount,
         [](int* pTeam, int* pSlot) { return Get_Player_By_Name(pTeam, pSlot, "No Such"); },
         "Player Name HASH HAS FILLED!", 6},
        {Rebuild_Ostrel_ID_Hash, &gOstrelIdHash.nCount,
         [](int* pTeam, int* pSlot) { return Get_Player_By_Ostrel_ID(pTeam, pSlot, "X1"); },
         "OSTREL HASH HAS FILLED!", 1},
    };
    for (const auto& table : tables) {
        Put_Player(1, 0, 77);
        table.pRebuild();
        *table.pCount = 8191;
        Set_Player_ID(1, 0, 78);
        Set_Player_First_Name(1, 0, "No");
        Set_Player_Last_Name(1, 0, "Such");
        Set_Player_Ostrel_ID(1, 0, "X1");
        Clear_Errors();
        int nTeam, nSlot;
        Expect_Found_At(table.pLookup(&nTeam, &nSlot), nTeam, nSlot, 1, 0);
        EXPECT_EQ(Last_Error(), table.szMessage);
        EXPECT_EQ(*table.pCount, table.nCount);
    }
}
