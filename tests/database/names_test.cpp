// Player names: bounded setters, names filled on first read, the printed forms and the id check.
#include "player_test_fixture.h"

// Whether the field holds the text and nothing but zero bytes after it.
static bool Field_Holds(const char* pField, int nSize, const char* szText) {
    int nLength = (int)strlen(szText);
    if (memcmp(pField, szText, nLength) != 0)
        return false;
    for (int i = nLength; i < nSize; i++) {
        if (pField[i] != 0)
            return false;
    }
    return true;
}

TEST_F(PlayerTest, SettersKeepWithinTheirFieldsAndClearTheRest) {
    Put_Player(0, 0, 11);
    const PLAYER* pPlayer = &gTeams[0].aPlayers[0];
    Set_Player_First_Name(0, 0, "Maximilianus-X");
    Set_Player_First_Name(0, 0, "Christopherson");  // 14: the first 11 stay
    Set_Player_Last_Name(0, 0, "Abcdefghijklmnopqrstuvw");
    Set_Player_Ostrel_ID(0, 0, "ABCDEFGHIJKLMN");
    char szCollege[] = "Texas A&M & Sons University of the South";
    Set_Player_College_Name(0, 0, szCollege);
    EXPECT_TRUE(Field_Holds(pPlayer->szFirstName, PLAYER_FIRST_NAME_SIZE, "Christopher"));
    EXPECT_TRUE(Field_Holds(pPlayer->szLastName, PLAYER_LAST_NAME_SIZE, "Abcdefghijklmnopqrs"));
    EXPECT_TRUE(Field_Holds(pPlayer->szOutsideId, PLAYER_OUTSIDE_ID_SIZE, "ABCDEFGHIJK"));
    EXPECT_TRUE(Field_Holds(pPlayer->szCollege, PLAYER_COLLEGE_SIZE, "Texas A+M + Sons Univer"));
    EXPECT_STREQ(szCollege, "Texas A+M + Sons University of the South");

    Set_Player_First_Name(0, 0, "Al");
    EXPECT_TRUE(Field_Holds(pPlayer->szFirstName, PLAYER_FIRST_NAME_SIZE, "Al"));
    char szId[PLAYER_OUTSIDE_ID_SIZE];
    Copy_Player_Ostrel_ID(0, 0, szId, sizeof(szId));
    EXPECT_STREQ(szId, "ABCDEFGHIJK");
    EXPECT_STREQ(Get_Player_Ostrel_ID(41, 0), "");
    EXPECT_STREQ(Get_Player_Last_Name_Ptr(0, 100), "");
}

TEST_F(PlayerTest, EmptyNamesAreFilledOnceOnFirstRead) {
    Put_Player(0, 0, 11);
    Set_Player_First_Name(0, 0, "");
    Set_Player_Last_Name(0, 0, "");
    char szName[PLAYER_NAME_TEXT_SIZE];
    Get_Player_First_Name(0, 0, szName, sizeof(szName));
    EXPECT_STRNE(szName, "");
    EXPECT_STREQ(Get_Player_First_Name_Ptr(0, 0), szName);
    std::string stFirst = szName;
    Get_Player_First_Name(0, 0, szName, sizeof(szName));
    EXPECT_EQ(stFirst, szName);
    Get_Player_Last_Name(0, 0, szName, sizeof(szName));
    EXPECT_STRNE(szName, "");
    EXPECT_STREQ(Get_Player_Last_Name_Ptr(0, 0), szName);

    Get_Player_First_Name(0, 1, szName, sizeof(szName));  // an empty slot is never named
    EXPECT_STREQ(szName, "");
    EXPECT_STREQ(Get_Player_First_Name_Ptr(0, 1), "");
}

TEST_F(PlayerTest, NameForms) {
    Put_Player(FREE_AGENT_TEAM, 0, 11);
    Set_Player_First_Name(FREE_AGENT_TEAM, 0, "Michelangelo");  // stored as "Michelangel"
    Set_Player_Last_Name(FREE_AGENT_TEAM, 0, "Ross");
    char szName[PLAYER_NAME_TEXT_SIZE];
    struct {
        void (*pGet)(int, int, char*, int);
        const char* szExpected;
    } forms[] = {
        {Get_Player_Full_Name, "Michelangelo Ross"},
        {Get_Player_Full_Name_Plain, "Michelangel Ross"},
        {Get_Player_Last_First_Name, "Ross, Michelangelo"},
        {Get_Player_Last_First_Name_Raw, "Ross, Michelangel"},
        {Get_Player_First_Name_Full, "Michelangelo"},
        {Get_Player_Abbreviated_Name, "M. Ross"},
        {Get_Player_Short_Full_Name, "Michelangelo Ross"},
    };
    for (const auto& form : forms) {
        form.pGet(FREE_AGENT_TEAM, 0, szName, sizeof(szName));
        EXPECT_STREQ(szName, form.szExpected);
    }
    EXPECT_EQ(Last_Error(), "");
}

TEST_F(PlayerTest, FullNamesOfBadSlotsAndLongNames) {
    char szName[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Full_Name(0, 5, szName, sizeof(szName));
    EXPECT_STREQ(szName, "INVALID-PLAYER");
    EXPECT_EQ(Last_Error(), "Invalid player in Get_Player_Full_Name(0,5,)");
    Get_Player_Full_Name(7, 0, szName, sizeof(szName));  // team 7 is not in use
    EXPECT_STREQ(szName, "INVALID-TEAM");
    EXPECT_EQ(Last_Error(), "Invalid team in Get_Player_Full_Name(7,0,)");
    Clear_Errors();
    Get_Player_Last_First_Name(7, 0, szName, sizeof(szName));
    EXPECT_STREQ(szName, "");
    EXPECT_EQ(Last_Error(), "");

    Put_Player(0, 0, 11);
    Set_Player_First_Name(0, 0, "Christopher");
    Set_Player_Last_Name(0, 0, "Abcdefghijkl");  // 24 characters in all
    Get_Player_Short_Full_Name(0, 0, szName, sizeof(szName));
    EXPECT_STREQ(szName, "Christopher Abcdefghijkl");
    Set_Player_Last_Name(0, 0, "Abcdefghijklm");  // 25
    Get_Player_Short_Full_Name(0, 0, szName, sizeof(szName));
    EXPECT_STREQ(szName, "C. Abcdefghijklm");
}

TEST_F(PlayerTest, CollegeDisplayNames) {
    Put_Player(0, 0, 11);
    struct {
        const char* szStored;
        const char* szShown;
    } cases[] = {
        {"tennessee - chattanooga", "Chattanooga (TN)"},
        {"Northwestern State - Louisiana", "NW State - Louisiana"},
        {"Minnesota State - Mankato", "Mankato (MN)"},
        {"Nebraska", "Nebraska"},
    };
    for (const auto& c : cases) {
        char szCollege[PLAYER_COLLEGE_SIZE + 8];
        safe_strncpy(szCollege, c.szStored, sizeof(szCollege));
        Set_Player_College_Name(0, 0, szCollege);
        char szShown[PLAYER_NAME_TEXT_SIZE];
        Get_Player_College_Display_Name(0, 0, szShown, sizeof(szShown));
        EXPECT_STREQ(szShown, c.szShown);
    }
}

TEST_F(PlayerTest, DuplicateIdsKeepTheirFirstHolder) {
    Put_Player(0, 0, 500);
    Put_Player(0, 1, 12);
    Put_Player(1, 3, 500);
    Put_Player(FREE_AGENT_TEAM, 0, 500);
    Rebuild_Player_ID_Hash();
    EXPECT_FALSE(Sanity_Check_Player_IDs());
    EXPECT_EQ(Get_Player_ID(0, 0), 500);
    int nSecond = Get_Player_ID(1, 3);
    int nThird = Get_Player_ID(FREE_AGENT_TEAM, 0);
    EXPECT_GT(nSecond, 0);
    EXPECT_GT(nThird, 0);
    EXPECT_NE(nSecond, 500);
    EXPECT_NE(nThird, 500);
    EXPECT_NE(nSecond, nThird);
    const std::string& stLog = Test_Get_Debug_Output();
    EXPECT_NE(
        stLog.find("Duplicate Player ID found: 500.  Changing to " + std::to_string(nSecond) + "."),
        std::string::npos);
    EXPECT_NE(stLog.find("Changing to " + std::to_string(nThird) + "."), std::string::npos);
    EXPECT_NE(stLog.find("2 Duplicate player ID's were found.  Sanity Checking YBY."),
              std::string::npos);

    int nTeam, nSlot;
    EXPECT_TRUE(Get_Player_By_ID(&nTeam, &nSlot, 500));
    EXPECT_EQ(nTeam, 0);
    EXPECT_EQ(nSlot, 0);

    Test_Clear_Debug_Output();
    EXPECT_TRUE(Sanity_Check_Player_IDs());
    EXPECT_NE(Test_Get_Debug_Output().find("Debug: Sanity Checking Player IDs"), std::string::npos);
    EXPECT_NE(Test_Get_Debug_Output().find("Finished Sanity Checking Player IDs in "),
              std::string::npos);
}
