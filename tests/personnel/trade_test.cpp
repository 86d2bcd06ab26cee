// Trades: player, pick and cash values, the verdict, carrying a trade out, the trade rules and the
// computer's trade search on the fixture league.
#include "personnel/value_test_support.h"

#define COMPUTER_TEAM_A 1
#define COMPUTER_TEAM_B 2

class TradeTest : public PersonnelValueTest {
protected:
    void SetUp() override {
        PersonnelValueTest::SetUp();
        gUserTeam = FIXTURE_HUMAN_TEAM;
        gDifficulty = 1;
        gCommissionerMode = 0;
        Set_Universe_Stat(UNIVERSE_TRADE_GOODWILL, 0);
        gDraftRound = NO_DRAFT_ROUND;
        Reset_Draft_Pick_Ownership();
        Project_Draft_Order();
    }

    static void Fill_Needs(TEAM_NEEDS needs, int nValue) {
        for (int nKind = 0; nKind < NEED_KIND_COUNT; nKind++)
            for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++)
                needs[nKind][nPosition] = nValue;
    }

    static TRADE_OFFER Make_Offer(int nTeam0, int nTeam1) {
        TRADE_OFFER offer;
        Init_Trade_Offer(&offer);
        offer.acTeam[0] = (int8_t)nTeam0;
        offer.acTeam[1] = (int8_t)nTeam1;
        return offer;
    }

    // The team's first player whose trade value is at least nLeast.
    static int Find_Valued_Player(int nTeam, int nLeast) {
        for (int nSlot = 0; nSlot < Find_Free_Player_Slot(nTeam); nSlot++) {
            if (Get_Player_Trade_Value(nTeam, nSlot) >= nLeast)
                return nSlot;
        }
        return NO_PLAYER;
    }

    // A roster of exactly nPlayers: copies of its own players added, or its last ones cleared.
    static void Set_Roster_Size(int nTeam, int nPlayers) {
        int nId = 900000 + nTeam * 1000;
        for (int nSlot = Find_Free_Player_Slot(nTeam); nSlot < nPlayers; nSlot++) {
            Copy_Player(nTeam, nSlot, nTeam, nSlot % FIXTURE_ROSTER_SIZE);
            Set_Player_ID(nTeam, nSlot, nId + nSlot);
        }
        for (int nSlot = nPlayers; nSlot < PLAYERS_PER_TEAM; nSlot++)
            Clear_Player(nTeam, nSlot);
    }

    static std::vector<int> Roster_Ids(int nTeam) {
        std::vector<int> ids;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
            ids.push_back(Get_Player_ID(nTeam, nSlot));
        return ids;
    }
};

// ---- values ------------------------------------------------------------------------------------

TEST_F(TradeTest, DraftPickValuesFallThroughTheOrderAndTheYears) {
    ASSERT_EQ(Count_Active_Teams(), 32);
    struct {
        int nYears, nRound, nPlace, nExpected;
    } kCases[] = {
        {0, 0, 0, 14800},                    // the first pick this year
        {1, 0, 0, 11840},                    // the same pick next year
        {2, 0, 0, 9472},  {0, 0, 16, 4810},  // the middle pick
        {0, 0, 31, 2985},                    // towards the next round's first value
        {0, 6, 31, 10},                      // the very last pick
        {0, 7, 0, 0},                        // no eighth round
    };
    for (const auto& c : kCases)
        EXPECT_EQ(Get_Draft_Pick_Trade_Value(c.nYears, c.nRound, c.nPlace), c.nExpected)
            << c.nYears << " years, round " << c.nRound << ", place " << c.nPlace;
}

TEST_F(TradeTest, AgeTableAndTheLowPotentialCutOff) {
    Add_Test_Player(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT, POS_QB, 30, 5, 80.0f);
    EXPECT_EQ(Adjust_Trade_Value_For_Age(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT, 1000), 1000);
    Add_Test_Player(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT, POS_QB, 20, 0, 80.0f);
    EXPECT_EQ(Adjust_Trade_Value_For_Age(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT, 1000), 1650);
    Add_Test_Player(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT, POS_QB, 50, 20, 80.0f);
    EXPECT_EQ(Adjust_Trade_Value_For_Age(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT, 1000), 100);

    // A 30-year-old whose potential (his overall) is below 65 is worth nothing in a trade.
    Add_Test_Player(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT, POS_QB, 30, 5, 50.0f);
    ASSERT_LT(Get_Player_Potential(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT), 65.0f);
    EXPECT_EQ(Get_Player_Trade_Value(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT), 0);

    Add_Test_Player(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT, POS_QB, 30, 5, 85.0f);
    EXPECT_GT(Get_Player_Trade_Value(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT), 0);
}

TEST_F(TradeTest, RosterTradeValueIsSummedWithoutOverflow) {
    int64_t nSum = 0;
    for (int nSlot = 0; nSlot < Find_Free_Player_Slot(COMPUTER_TEAM_A); nSlot++)
        nSum += Get_Player_Net_Trade_Value(COMPUTER_TEAM_A, nSlot, 0);
    int64_t nExpected = nSum * 2000;
    if (nExpected > INT32_MAX)
        nExpected = INT32_MAX;
    EXPECT_EQ(Get_Team_Roster_Trade_Value(COMPUTER_TEAM_A), nExpected);
    EXPECT_GE(Get_Team_Roster_Trade_Value(COMPUTER_TEAM_A), 0);
}

TEST_F(TradeTest, ContractMoneyLeftAndTheLateYearsDiscount) {
    int nProgress = Get_Season_Progress();
    struct {
        int nAge, nYears, nLateYears;  // prime end 30
    } kCases[] = {
        {26, 3, 0},  // ends before he passes his prime
        {29, 3, 2},  // two years beyond it
        {33, 2, 2},  // past it already: every year counts
    };
    for (const auto& c : kCases) {
        Add_Test_Player(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT, POS_WR, c.nAge, 5, 80.0f);
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT, VITAL_SALARY, 1500);
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT, VITAL_CONTRACT_YEARS_LEFT,
                              c.nYears);
        int nTime = c.nYears * 1000 - nProgress;
        EXPECT_EQ(Get_Remaining_Contract_Money(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT),
                  Mul_Div(1500, nTime, 1000));
        int nWorth = Get_Player_Worth(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT);
        EXPECT_EQ(Get_Contract_Value(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT),
                  Mul_Div(nWorth, nTime - 30 * c.nLateYears * (c.nLateYears + 1), 1000))
            << "age " << c.nAge;
    }
}

// ---- the offer record --------------------------------------------------------------------------

TEST_F(TradeTest, ReversingTwiceRestoresTheOfferButItsDoneFlag) {
    TRADE_OFFER offer = Make_Offer(COMPUTER_TEAM_A, COMPUTER_TEAM_B);
    Append_Trade_Offer_Item(&offer, 0, 3);
    Append_Trade_Offer_Item(&offer, 1, 7);
    Append_Trade_Offer_Item(&offer, 1, 9);
    offer.nCash = -250000;
    offer.nDone = 1;
    TRADE_OFFER twice = offer;
    Reverse_Trade_Offer(&twice);
    EXPECT_EQ(twice.acTeam[0], COMPUTER_TEAM_B);
    EXPECT_EQ(twice.aabItems[0][1], 9);
    EXPECT_EQ(twice.nCash, 250000);
    Reverse_Trade_Offer(&twice);
    EXPECT_EQ(twice.nDone, 0);
    twice.nDone = 1;
    EXPECT_EQ(memcmp(&twice, &offer, sizeof offer), 0);
}

// ---- the verdict -------------------------------------------------------------------------------

TEST_F(TradeTest, NothingReceivedNeverReachesAcceptance) {
    TEAM_NEEDS needs;
    Fill_Needs(needs, 1000);
    int nGiven = Find_Valued_Player(COMPUTER_TEAM_B, 1);
    ASSERT_NE(nGiven, NO_PLAYER);

    struct {
        const char* szCase;
        int nTeam0, nTeam1, nGivenSlot, nCash;
    } kCases[] = {
        {"empty offer", COMPUTER_TEAM_A, COMPUTER_TEAM_B, NO_PLAYER, 0},
        {"a valued player for nothing", COMPUTER_TEAM_A, COMPUTER_TEAM_B, nGiven, 0},
        {"a few dollars", COMPUTER_TEAM_A, COMPUTER_TEAM_B, NO_PLAYER, 3000},
        {"the user asks for a player", FIXTURE_HUMAN_TEAM, COMPUTER_TEAM_B, nGiven, 0},
        {"the user is asked", COMPUTER_TEAM_A, FIXTURE_HUMAN_TEAM, NO_PLAYER, 0},
    };
    for (const auto& c : kCases) {
        TRADE_OFFER offer = Make_Offer(c.nTeam0, c.nTeam1);
        if (c.nGivenSlot != NO_PLAYER)
            Append_Trade_Offer_Item(&offer, 1, c.nGivenSlot);
        offer.nCash = c.nCash;
        EXPECT_LE(Evaluate_Trade_Offer(&offer, needs), 990) << c.szCase;
    }

    TRADE_OFFER empty = Make_Offer(COMPUTER_TEAM_A, COMPUTER_TEAM_B);
    EXPECT_EQ(Evaluate_Trade_Offer(&empty, needs), 950);
    TRADE_OFFER nothing = Make_Offer(FIXTURE_HUMAN_TEAM, COMPUTER_TEAM_B);
    nothing.nCash = 999;
    EXPECT_EQ(Evaluate_Trade_Offer(&nothing, needs), NO_TRADE_VERDICT);
}

// With a cap of 55,000,000 cash keeps its size in thousands; a third of it is received. Below 21
// received the verdict is 950 plus what was received.
TEST_F(TradeTest, CashCountsAThirdOfItsCapShare) {
    Set_Universe_Stat(UNIVERSE_SALARY_CAP, 55000000);
    TEAM_NEEDS needs;
    Fill_Needs(needs, 1000);
    const struct { int nCash, nVerdict; } kCases[] = {{30000, 960}, {60000, 970}};
    for (const auto& c : kCases) {
        TRADE_OFFER offer = Make_Offer(COMPUTER_TEAM_A, COMPUTER_TEAM_B);
        offer.nCash = c.nCash;
        EXPECT_EQ(Evaluate_Trade_Offer(&offer, needs), c.nVerdict) << c.nCash;
    }
}

TEST_F(TradeTest, AGiftIsAcceptedAndNeedsWeighIt) {
    int nSlot = Find_Valued_Player(COMPUTER_TEAM_A, 200);
    ASSERT_NE(nSlot, NO_PLAYER);
    TRADE_OFFER gift = Make_Offer(COMPUTER_TEAM_A, COMPUTER_TEAM_B);
    Append_Trade_Offer_Item(&gift, 0, nSlot);
    TEAM_NEEDS low, high;
    Fill_Needs(low, 400);
    Fill_Needs(high, 2000);
    int nLow = Evaluate_Trade_Offer(&gift, low);
    int nHigh = Evaluate_Trade_Offer(&gift, high);
    EXPECT_GE(nLow, 1000);
    EXPECT_GE(nHigh, nLow);

    // The same from the other side: giving him for nothing is not acceptable.
    Reverse_Trade_Offer(&gift);
    EXPECT_LT(Evaluate_Trade_Offer(&gift, high), 1000);
}

TEST_F(TradeTest, UserCashCountsByDifficulty) {
    struct {
        int nDifficulty, nMoney, nExpected;
    } kCases[] = {
        {0, 1000, 1200},
        {3, 1000, 600},  // cash the user offers counts less when harder
        {0, -1000, -800},
        {3, -1000, -1400},  // cash he demands counts more
    };
    for (const auto& c : kCases) {
        gDifficulty = c.nDifficulty;
        EXPECT_EQ(Scale_User_Cash_For_Difficulty(c.nMoney), c.nExpected) << c.nDifficulty;
    }
}

TEST_F(TradeTest, FrozenVerdictRestoresCommissionerMode) {
    TEAM_NEEDS needs;
    Fill_Needs(needs, 1000);
    TRADE_OFFER offer = Make_Offer(COMPUTER_TEAM_A, COMPUTER_TEAM_B);
    for (int nMode : {0, 1}) {
        gCommissionerMode = nMode;
        Evaluate_Trade_Offer_Frozen(&offer, needs);
        EXPECT_EQ(gCommissionerMode, nMode);
    }
}

// ---- carrying a trade out ----------------------------------------------------------------------

TEST_F(TradeTest, ATradeMovesPlayersPicksAndCash) {
    gOwnerMode = 1;  // team cash is kept only in Owner Mode
    Set_Team_Financial_Stat(COMPUTER_TEAM_A, FIN_CASH, 5000000);
    Set_Team_Financial_Stat(COMPUTER_TEAM_B, FIN_CASH, 1000000);
    TRADE_OFFER offer = Make_Offer(COMPUTER_TEAM_A, COMPUTER_TEAM_B);
    int nIdA = Get_Player_ID(COMPUTER_TEAM_A, 4);
    int nIdB = Get_Player_ID(COMPUTER_TEAM_B, 20);
    int nPlayersA = Find_Free_Player_Slot(COMPUTER_TEAM_A);
    Append_Trade_Offer_Item(&offer, 0, 4);
    Append_Trade_Offer_Item(&offer, 0, nPlayersA);  // A's first pick
    Append_Trade_Offer_Item(&offer, 1, 20);
    offer.nCash = 2000000;
    int nYear, nRound, nColumn;
    ASSERT_TRUE(Find_Team_Draft_Pick(COMPUTER_TEAM_A, 0, &nYear, &nRound, &nColumn));

    ASSERT_EQ(Implement_Trade(&offer), 1);
    int nTeam, nSlot;
    ASSERT_TRUE(Get_Player_By_ID(&nTeam, &nSlot, nIdA));
    EXPECT_EQ(nTeam, COMPUTER_TEAM_B);
    ASSERT_TRUE(Get_Player_By_ID(&nTeam, &nSlot, nIdB));
    EXPECT_EQ(nTeam, COMPUTER_TEAM_A);
    EXPECT_EQ(Get_Draft_Pick_Owner(nYear, nRound, nColumn), COMPUTER_TEAM_B);
    EXPECT_EQ(Get_Team_Financial_Stat(COMPUTER_TEAM_A, FIN_CASH), 3000000);
    EXPECT_EQ(Get_Team_Financial_Stat(COMPUTER_TEAM_B, FIN_CASH), 3000000);
    EXPECT_EQ(Find_Free_Player_Slot(COMPUTER_TEAM_A), FIXTURE_ROSTER_SIZE);
    EXPECT_EQ(Find_Free_Player_Slot(COMPUTER_TEAM_B), FIXTURE_ROSTER_SIZE);
}

TEST_F(TradeTest, AHumanTeamCountsThePicksItTradesAway) {
    TRADE_OFFER offer = Make_Offer(FIXTURE_HUMAN_TEAM, COMPUTER_TEAM_B);
    int nPlayers = Find_Free_Player_Slot(FIXTURE_HUMAN_TEAM);
    Append_Trade_Offer_Item(&offer, 0, nPlayers);
    Append_Trade_Offer_Item(&offer, 0, nPlayers + 1);
    int nBefore = Get_Team_Stat(FIXTURE_HUMAN_TEAM, TEAM_TRADE_MODIFIER);
    ASSERT_EQ(Implement_Trade(&offer), 1);
    EXPECT_EQ(Get_Team_Stat(FIXTURE_HUMAN_TEAM, TEAM_TRADE_MODIFIER), nBefore + 2);
    EXPECT_EQ(Get_Team_Stat(COMPUTER_TEAM_B, TEAM_TRADE_MODIFIER), 0);
}

TEST_F(TradeTest, AnOverfullRosterRefusesTheTradeBeforeAnythingMoves) {
    Set_Roster_Size(COMPUTER_TEAM_A, PLAYERS_PER_TEAM);
    TRADE_OFFER offer = Make_Offer(COMPUTER_TEAM_A, COMPUTER_TEAM_B);
    Append_Trade_Offer_Item(&offer, 0, 0);
    Append_Trade_Offer_Item(&offer, 1, 1);
    Append_Trade_Offer_Item(&offer, 1, 2);
    offer.nCash = 100000;
    char szReason[TRADE_REASON_SIZE] = "";
    EXPECT_FALSE(Check_Trade_Legality(&offer, szReason));
    EXPECT_STREQ(szReason, "The Foxes do not have room for 1 more players.");

    std::vector<int> idsA = Roster_Ids(COMPUTER_TEAM_A), idsB = Roster_Ids(COMPUTER_TEAM_B);
    int nCashA = Get_Team_Financial_Stat(COMPUTER_TEAM_A, FIN_CASH);
    EXPECT_EQ(Implement_Trade(&offer), 0);
    EXPECT_EQ(Last_Error(), "Invalid TRADE_OFFER passed to Implement_Trade()");
    EXPECT_EQ(Roster_Ids(COMPUTER_TEAM_A), idsA);
    EXPECT_EQ(Roster_Ids(COMPUTER_TEAM_B), idsB);
    EXPECT_EQ(Get_Team_Financial_Stat(COMPUTER_TEAM_A, FIN_CASH), nCashA);
}

// ---- the trade rules ---------------------------------------------------------------------------

TEST_F(TradeTest, TradeRules) {
    TRADE_OFFER offer = Make_Offer(COMPUTER_TEAM_A, COMPUTER_TEAM_B);
    EXPECT_TRUE(Check_Trade_Legality(&offer, NULL)) << "an empty offer is legal";

    TRADE_OFFER twice = offer;
    Append_Trade_Offer_Item(&twice, 0, 5);
    Append_Trade_Offer_Item(&twice, 0, 5);
    EXPECT_FALSE(Validate_Trade_Offer(&twice)) << "one slot listed twice";

    TRADE_OFFER unowned = offer;
    Append_Trade_Offer_Item(&unowned, 0, FIXTURE_ROSTER_SIZE + 100);
    EXPECT_FALSE(Validate_Trade_Offer(&unowned)) << "a pick past the owned ones";

    TRADE_OFFER free = Make_Offer(FREE_AGENT_TEAM, COMPUTER_TEAM_B);
    EXPECT_FALSE(Validate_Trade_Offer(&free)) << "the free agents never trade";

    Set_Roster_Size(COMPUTER_TEAM_A, ROSTER_FLOOR);
    TRADE_OFFER thin = offer;
    Append_Trade_Offer_Item(&thin, 0, 0);
    Append_Trade_Offer_Item(&thin, 0, 1);
    Append_Trade_Offer_Item(&thin, 1, 0);
    char szReason[TRADE_REASON_SIZE] = "";
    EXPECT_FALSE(Check_Trade_Legality(&thin, szReason));
    EXPECT_STREQ(szReason, "Foxes would have less than 51 players.");

    // Over the cap: a cheaper player for a dearer one is legal, the other way round is not. The
    // first team is paid little and stays under the cap; the second is above it.
    for (int nSlot = 0; nSlot < Find_Free_Player_Slot(COMPUTER_TEAM_A); nSlot++) {
        Set_Player_Vital_Stat(COMPUTER_TEAM_A, nSlot, VITAL_SALARY, 100);
        Set_Player_Vital_Stat(COMPUTER_TEAM_A, nSlot, VITAL_SIGNING_BONUS, 0);
    }
    Set_Player_Vital_Stat(COMPUTER_TEAM_B, 3, VITAL_SIGNING_BONUS, 0);
    Set_Player_Vital_Stat(COMPUTER_TEAM_A, 3, VITAL_SALARY, 900);
    Set_Player_Vital_Stat(COMPUTER_TEAM_B, 3, VITAL_SALARY, 2000);
    int nPayrollB = Get_Team_Financial_Stat(COMPUTER_TEAM_B, FIN_PAYROLL);
    Set_Universe_Stat(UNIVERSE_SALARY_CAP, (nPayrollB - 500) * 1000);
    ASSERT_LT(Get_Team_Financial_Stat(COMPUTER_TEAM_A, FIN_PAYROLL) + 1100, nPayrollB - 500);
    TRADE_OFFER cap = offer;
    Append_Trade_Offer_Item(&cap, 0, 3);
    Append_Trade_Offer_Item(&cap, 1, 3);
    EXPECT_TRUE(Check_Trade_Legality(&cap, NULL));
    Set_Player_Vital_Stat(COMPUTER_TEAM_A, 3, VITAL_SALARY, 4000);
    EXPECT_FALSE(Check_Trade_Legality(&cap, szReason));
    EXPECT_STREQ(szReason, "Rangers would exceed league salary cap.");
}

TEST_F(TradeTest, AddingItemsToASide) {
    struct {
        const char* szCase;
        int nFilled;  // items 0..nFilled-1 already on side 0
        int nItem;
        int bCanAdd;
        int nStoredAt;  // where Add_Trade_Item writes it
    } kCases[] = {
        {"an empty side", 0, 7, 1, 0},
        {"after three items", 3, 7, 1, 3},
        {"an item already there", 3, 2, 0, 3},
        {"no item", 3, -1, 0, -1},
        {"the empty marker", 3, EMPTY_TRADE_ITEM, 0, -1},
        {"the fifteenth item", 14, 20, 1, 14},
        {"a sixteenth item replaces the fifteenth", 15, 20, 0, 14},
    };
    for (const auto& c : kCases) {
        TRADE_OFFER offer = Make_Offer(COMPUTER_TEAM_A, COMPUTER_TEAM_B);
        for (int n = 0; n < c.nFilled; n++)
            Add_Trade_Item(&offer, 0, n);
        EXPECT_EQ(Can_Add_Trade_Item(&offer, 0, c.nItem), c.bCanAdd) << c.szCase;
        Add_Trade_Item(&offer, 0, c.nItem);
        if (c.nStoredAt >= 0) {
            EXPECT_EQ(offer.aabItems[0][c.nStoredAt], c.nItem) << c.szCase;
        }
        EXPECT_EQ(Count_Trade_Offer_Items(&offer, 1), 0) << c.szCase;
    }

    TRADE_OFFER offer = Make_Offer(COMPUTER_TEAM_A, COMPUTER_TEAM_B);
    for (int n = 0; n < 4; n++)
        Add_Trade_Item(&offer, 1, 10 + n);
    Remove_Trade_Item(&offer, 1, 1);
    EXPECT_EQ(Count_Trade_Offer_Items(&offer, 1), 3);
    EXPECT_EQ(offer.aabItems[1][1], 12);
    EXPECT_EQ(offer.aabItems[1][2], 13);
}

TEST_F(TradeTest, RosterFloorDuringTheDraftAndTradesInDebt) {
    // Four rounds of the draft made: three picks of the first team still to come, floor 48.
    Set_Universe_Stat(UNIVERSE_SALARY_CAP, 0);
    Set_Roster_Size(COMPUTER_TEAM_A, 50);
    struct {
        const char* szCase;
        int bDraftOn;
        int nGiven, nReceived;
        int bLegal;
        const char* szReason;
    } kCases[] = {
        {"outside the draft, 50 to 49", 0, 2, 1, 0, "Foxes would have less than 51 players."},
        {"during the draft, 50 to 48", 1, 3, 1, 1, ""},
        {"during the draft, 50 to 47", 1, 4, 1, 0, "Foxes would have less than 48 players."},
        {"a thin roster may still grow", 0, 1, 2, 1, ""},
    };
    for (const auto& c : kCases) {
        gDraftRound = c.bDraftOn ? 4 : NO_DRAFT_ROUND;
        gDraftPick = 0;
        TRADE_OFFER offer = Make_Offer(COMPUTER_TEAM_A, COMPUTER_TEAM_B);
        for (int n = 0; n < c.nGiven; n++)
            Add_Trade_Item(&offer, 0, n);
        for (int n = 0; n < c.nReceived; n++)
            Add_Trade_Item(&offer, 1, n);
        char szReason[TRADE_REASON_SIZE] = "";
        EXPECT_EQ(Check_Trade_Legality(&offer, szReason), c.bLegal) << c.szCase;
        EXPECT_STREQ(szReason, c.szReason) << c.szCase;
    }
    gDraftRound = NO_DRAFT_ROUND;

    // In debt, the first team may not take on more salary than it sends; cash counts in Owner
    // Mode.
    gOwnerMode = 1;
    Set_Player_Vital_Stat(COMPUTER_TEAM_A, 3, VITAL_SALARY, 900);
    Set_Player_Vital_Stat(COMPUTER_TEAM_B, 3, VITAL_SALARY, 900);
    TRADE_OFFER offer = Make_Offer(COMPUTER_TEAM_A, COMPUTER_TEAM_B);
    Add_Trade_Item(&offer, 0, 3);
    Add_Trade_Item(&offer, 1, 3);
    Set_Team_Financial_Stat(COMPUTER_TEAM_A, FIN_CASH, -1);
    EXPECT_FALSE(Is_Trade_Refused_For_Debt(&offer)) << "equal salaries";
    Set_Player_Vital_Stat(COMPUTER_TEAM_B, 3, VITAL_SALARY, 1500);
    EXPECT_TRUE(Is_Trade_Refused_For_Debt(&offer)) << "more salary in";
    Set_Team_Financial_Stat(COMPUTER_TEAM_A, FIN_CASH, 0);
    EXPECT_FALSE(Is_Trade_Refused_For_Debt(&offer)) << "not in debt";
}

// ---- the computer's trade search ---------------------------------------------------------------

TEST_F(TradeTest, WeightedPickFollowsTheWeights) {
    int anWeights[PLAYERS_PER_TEAM] = {};
    EXPECT_EQ(Pick_Weighted_Random_Index(anWeights), NO_WEIGHTED_INDEX);
    anWeights[17] = 5;
    for (int n = 0; n < 20; n++)
        EXPECT_EQ(Pick_Weighted_Random_Index(anWeights), 17);
}

TEST_F(TradeTest, SideRatingOfAnEmptySideIsThirty) {
    TRADE_OFFER offer = Make_Offer(COMPUTER_TEAM_A, COMPUTER_TEAM_B);
    EXPECT_EQ(Rate_Trade_Side_Players(&offer, 0), 30);
    int nSlot = Find_Valued_Player(COMPUTER_TEAM_A, 1);
    ASSERT_NE(nSlot, NO_PLAYER);
    Append_Trade_Offer_Item(&offer, 0, nSlot);
    int nOne = Rate_Trade_Side_Players(&offer, 0);
    EXPECT_GE(nOne, 60);
    EXPECT_LE(nOne, 99);
}

TEST_F(TradeTest, NoSurplusMeansNoComputerTrade) {
    TEAM_NEEDS needs;
    Fill_Needs(needs, 1000);
    TRADE_OFFER offer = Make_Offer(COMPUTER_TEAM_A, COMPUTER_TEAM_B);
    Build_Computer_Trade_Offer(&offer, needs, needs);
    EXPECT_EQ(Count_Trade_Offer_Items(&offer, 0), 0);
    EXPECT_EQ(Count_Trade_Offer_Items(&offer, 1), 0);
    EXPECT_LT(Evaluate_Trade_Offer_Frozen(&offer, needs), 1000);
}

// Each team is short where the other has plenty, in a few patterns of needs: the search builds
// offers that are always valid and legal and list a position once per side, and a trade both
// sides like moves its players and keeps the rosters within their limits and the cap.
TEST_F(TradeTest, ComputerTradeSearchMakesOnlyLegalTrades) {
    Set_Universe_Stat(UNIVERSE_SALARY_CAP, FIXTURE_SALARY_CAP);
    struct {
        int nSpareNeed, nShortNeed, nPattern;
    } kNeedPatterns[] = {{400, 1100, 2}, {400, 1300, 2}, {400, 1900, 2},
                         {400, 1100, 3}, {400, 1300, 3}, {400, 1900, 3}};
    int nBuilt = 0, nMade = 0;
    for (const auto& pattern : kNeedPatterns) {
        TEAM_NEEDS needs0, needs1;
        for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++) {
            int bFirstSpares = nPosition % pattern.nPattern == 0;
            for (int nKind = 0; nKind < NEED_KIND_COUNT; nKind++) {
                needs0[nKind][nPosition] = bFirstSpares ? pattern.nSpareNeed : pattern.nShortNeed;
                needs1[nKind][nPosition] = bFirstSpares ? pattern.nShortNeed : pattern.nSpareNeed;
            }
        }
        for (int nPair = 0; nPair < 12; nPair++) {
            int nTeam0 = 1 + nPair * 2, nTeam1 = 2 + nPair * 2;
            TRADE_OFFER offer = Make_Offer(nTeam0, nTeam1);
            Build_Computer_Trade_Offer(&offer, needs0, needs1);
            ASSERT_TRUE(Validate_Trade_Offer(&offer));
            ASSERT_TRUE(Check_Trade_Legality(&offer, NULL));
            std::vector<int> aIds[TRADE_SIDES];
            for (int nSide = 0; nSide < TRADE_SIDES; nSide++) {
                int nTeam = offer.acTeam[nSide];
                int nCount = Count_Trade_Offer_Items(&offer, nSide);
                nBuilt += nCount;
                for (int i = 0; i < nCount; i++) {
                    aIds[nSide].push_back(Get_Player_ID(nTeam, offer.aabItems[nSide][i]));
                    for (int j = 0; j < i; j++)
                        EXPECT_NE(
                            Get_Player_Vital_Stat(nTeam, offer.aabItems[nSide][i], VITAL_POSITION),
                            Get_Player_Vital_Stat(nTeam, offer.aabItems[nSide][j], VITAL_POSITION));
                }
            }
            int nA = Evaluate_Trade_Offer_Frozen(&offer, needs1);
            Reverse_Trade_Offer(&offer);
            int nB = Evaluate_Trade_Offer_Frozen(&offer, needs0);
            Reverse_Trade_Offer(&offer);
            if (!Do_Computer_Trade_Verdicts_Agree(nB, nA))
                continue;
            ASSERT_EQ(Implement_Trade(&offer), 1);
            nMade++;
            for (int nSide = 0; nSide < TRADE_SIDES; nSide++) {
                for (int nId : aIds[nSide]) {
                    int nTeam, nSlot;
                    ASSERT_TRUE(Get_Player_By_ID(&nTeam, &nSlot, nId));
                    EXPECT_EQ(nTeam, offer.acTeam[1 - nSide]);
                }
            }
            for (int nTeam : {nTeam0, nTeam1}) {
                EXPECT_GE(Find_Free_Player_Slot(nTeam), ROSTER_FLOOR);
                EXPECT_LE(Find_Free_Player_Slot(nTeam), PLAYERS_PER_TEAM);
                EXPECT_LE(Get_Team_Financial_Stat(nTeam, FIN_PAYROLL), FIXTURE_SALARY_CAP / 1000);
            }
        }
    }
    EXPECT_GT(nBuilt, 0) << "the search found players to offer";
    RecordProperty("trades made", nMade);  // one with the fixed seed
}

// Two computer teams trade only when both verdicts are above 1200.
TEST_F(TradeTest, ComputerTradesNeedBothVerdictsAbove1200) {
    const struct {
        int nVerdict0, nVerdict1, bAgree;
    } kCases[] = {{1201, 1201, 1}, {1200, 1201, 0}, {1201, 1200, 0}, {5000, 999, 0}};
    for (const auto& c : kCases)
        EXPECT_EQ(Do_Computer_Trade_Verdicts_Agree(c.nVerdict0, c.nVerdict1), c.bAgree)
            << c.nVerdict0 << " and " << c.nVerdict1;
}

TEST_F(TradeTest, BalancingKeepsThePartnerAboveAcceptance) {
    TEAM_NEEDS needs;
    Fill_Needs(needs, 1000);
    int nSlot = Find_Valued_Player(COMPUTER_TEAM_A, 200);
    ASSERT_NE(nSlot, NO_PLAYER);
    gTradeOffer = Make_Offer(COMPUTER_TEAM_A, COMPUTER_TEAM_B);
    Append_Trade_Offer_Item(&gTradeOffer, 0, nSlot);
    int nEntry = Evaluate_Trade_Offer_Frozen(&gTradeOffer, needs);
    ASSERT_GT(nEntry, 1000);

    for (auto balance : {Balance_Trade_Offer_With_Picks, Balance_Trade_Offer_With_Cash}) {
        TRADE_OFFER entry = gTradeOffer;
        int bChanged = balance(needs);
        int nAfter = Evaluate_Trade_Offer_Frozen(&gTradeOffer, needs);
        if (bChanged) {
            EXPECT_GT(nAfter, 1000);
            EXPECT_LT(nAfter, nEntry);
        } else {
            EXPECT_EQ(memcmp(&entry, &gTradeOffer, sizeof entry), 0);
        }
        gTradeOffer = entry;
    }

    // A partner that dislikes the offer is never balanced.
    Reverse_Trade_Offer(&gTradeOffer);
    TRADE_OFFER disliked = gTradeOffer;
    EXPECT_EQ(Balance_Trade_Offer_With_Picks(needs), 0);
    EXPECT_EQ(Balance_Trade_Offer_With_Cash(needs), 0);
    EXPECT_EQ(memcmp(&disliked, &gTradeOffer, sizeof disliked), 0);
}
