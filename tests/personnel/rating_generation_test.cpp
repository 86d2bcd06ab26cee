// Rating generation: the seeded golden players (which catch any change of draw order), the
// talent rows that draw nothing, the base roll that a position does not overwrite, the default
// rows, the acceptance test of prospects and the retry loop that gives up.
#include <string>

#include "new_player_test_support.h"

#define GOLDEN_SEED 4242
#define DRAWS_BEFORE_TALENTS 29  // health 2, durability 2, ratings 2..26 one each

class RatingGenerationTest : public NewPlayerTest {
protected:
    // A pool slot made a player of the position, then rolled, given a body, a birthday and a
    // career curve, in the order new players are made.
    static std::string Roll_Golden_Player(int nSlot, int nPosition) {
        Clear_Player(TEST_POOL_TEAM, nSlot);
        Set_Player_ID(TEST_POOL_TEAM, nSlot, 1000 + nSlot);
        Set_Player_Vital_Stat(TEST_POOL_TEAM, nSlot, VITAL_POSITION, nPosition);
        Generate_Player_Ratings(TEST_POOL_TEAM, nSlot);
        Regenerate_Player_Body(TEST_POOL_TEAM, nSlot);
        Set_Player_Birthday(TEST_POOL_TEAM, nSlot, 22);
        Init_Career_Curve(TEST_POOL_TEAM, nSlot);
        std::string st;
        for (int nVital : {VITAL_HEIGHT, VITAL_WEIGHT, VITAL_BIRTH_DATE, VITAL_PRIME_START,
                           VITAL_PRIME_END, VITAL_GROWTH_RATE, VITAL_DECLINE_RATE})
            st += std::to_string(Get_Player_Vital_Stat(TEST_POOL_TEAM, nSlot, nVital)) + " ";
        st += "|";
        for (int nRating = 0; nRating < RATING_COUNT; nRating++)
            st += " " + std::to_string((int)Stored_Rating(TEST_POOL_TEAM, nSlot, nRating));
        return st;
    }

    // The four talents the next rating roll will draw, replayed from the same generator state.
    static void Replay_Talents(uint32_t uSeed, int nCentre, int nSpread, int* pTalents) {
        Seed_Random(uSeed);
        for (int n = 0; n < DRAWS_BEFORE_TALENTS; n++)
            Draw_Random(11);
        for (int n = 0; n < 4; n++)
            pTalents[n] = nCentre / 2 - (nSpread / 2) / 2 + Draw_Random(nSpread / 2 + 100);
        Seed_Random(uSeed);
    }

    static void Roll(int nSlot, int nPosition) {
        Make_Player(TEST_POOL_TEAM, nSlot, nPosition, 22, 50.0f);
        Generate_Player_Ratings(TEST_POOL_TEAM, nSlot);
    }
};

TEST_F(RatingGenerationTest, SeededPlayersComeOutTheSame) {
    // Height, weight, birth date, prime start, peak, growth and decline rates | ratings 0..26.
    static const char* const kGolden[POSITION_COUNT] = {
        "74 232 20000808 26 34 142 76 | 67 75 71 82 73 82 80 84 76 66 69 53 61 50 50 33 42 21 21 "
        "28 29 20 30 29 28 27 30",
        "76 246 20001219 23 27 100 100 | 79 83 26 29 23 71 25 89 55 76 64 63 73 60 66 53 46 24 30 "
        "29 25 23 23 25 25 23 28",
        "68 214 20000417 24 31 90 142 | 66 66 25 21 22 60 24 64 66 58 49 64 66 47 52 61 69 26 24 "
        "26 27 21 23 20 27 21 20",
        "82 306 20001007 23 26 200 111 | 79 81 27 25 24 67 23 78 61 66 65 58 59 69 65 50 60 26 26 "
        "30 28 27 27 20 23 30 22",
        "72 190 20001008 23 32 200 100 | 73 77 22 29 28 75 30 88 60 73 72 64 64 84 83 48 41 24 29 "
        "26 25 21 29 26 29 25 29",
        "78 309 20000501 23 30 76 76 | 72 76 30 21 22 23 23 47 61 41 56 31 33 34 35 65 66 57 25 25 "
        "22 23 22 28 26 26 27",
        "75 314 20001206 26 31 76 83 | 65 73 24 28 26 24 23 54 59 35 66 40 31 35 32 74 79 77 20 26 "
        "25 23 30 29 22 21 20",
        "77 317 20000616 24 26 125 125 | 77 71 28 27 25 26 27 56 64 40 69 47 43 44 39 61 65 65 20 "
        "29 24 21 26 22 20 22 23",
        "77 278 20000104 25 29 90 100 | 85 74 21 27 23 22 26 44 40 30 24 20 31 28 27 24 28 24 82 "
        "89 65 67 93 21 28 29 24",
        "76 296 20000416 27 31 83 125 | 76 80 23 25 26 27 25 49 69 41 44 53 44 40 39 29 26 23 69 "
        "66 53 70 63 23 26 23 20",
        "76 241 20000310 28 28 90 142 | 84 81 28 23 23 22 25 54 51 44 23 34 47 30 32 26 23 22 58 "
        "52 52 59 65 30 29 30 29",
        "68 174 20000328 24 31 166 90 | 63 65 28 29 27 30 22 75 38 53 36 43 54 60 57 20 22 26 69 "
        "61 74 62 63 21 30 24 21",
        "70 188 20000212 24 29 125 200 | 71 71 27 22 20 26 24 81 65 81 63 77 68 73 80 25 23 21 64 "
        "65 58 61 59 30 24 20 21",
        "75 208 20000227 25 33 142 76 | 60 69 26 21 27 23 28 28 25 21 29 26 23 20 20 22 22 25 32 "
        "36 35 35 39 76 86 54 59",
        "73 201 20000310 28 34 125 90 | 86 85 24 28 20 27 26 29 21 20 30 23 24 28 25 27 25 23 34 "
        "19 29 46 39 61 58 75 76",
    };
    Set_Draft_Talent(20, 40, 0);
    Seed_Random(GOLDEN_SEED);
    for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++)
        EXPECT_EQ(Roll_Golden_Player(nPosition, nPosition), kGolden[nPosition])
            << "position " << nPosition;
}

TEST_F(RatingGenerationTest, TalentRowsWithoutRollFollowTheTalentExactly) {
    struct CASE {
        int nPosition;
        int nRating;
        int nTalent;
        int nDivisor;
        int nBase;
    };
    const CASE kCases[] = {
        {POS_RB, RATING_SPEED, 0, 4, 71},
        {POS_WR, RATING_RECEIVING, 1, 4, 58},
        {POS_DE, RATING_PASS_RUSH, 0, 4, 62},
        {POS_DT, RATING_RUN_DEFENSE, 0, 3, 58},
    };
    Set_Draft_Talent(-30, 60, 0);
    for (const CASE& c : kCases) {
        int anTalents[4];
        for (uint32_t uSeed = 1; uSeed <= 5; uSeed++) {
            Replay_Talents(uSeed, -30, 60, anTalents);
            Roll(0, c.nPosition);
            EXPECT_EQ(Stored_Rating(TEST_POOL_TEAM, 0, c.nRating),
                      (float)(anTalents[c.nTalent] / c.nDivisor + c.nBase))
                << "position " << c.nPosition << " seed " << uSeed;
        }
    }
}

TEST_F(RatingGenerationTest, RatingsAPositionDoesNotSetKeepTheBaseRoll) {
    struct CASE {
        int nPosition;
        std::initializer_list<int> ratings;
    };
    const CASE kCases[] = {
        {POS_QB,
         {RATING_DISCIPLINE, RATING_RUN_DEFENSE, RATING_TACKLING, RATING_FG_ACCURACY,
          RATING_PUNT_DISTANCE}},
        {POS_K, {RATING_ACCURACY, RATING_SPEED, RATING_POWER, RATING_HANDS, RATING_PASS_BLOCKING}},
        {15, {RATING_ACCURACY, RATING_SPEED, RATING_PASS_RUSH, RATING_PUNT_DISTANCE}},
    };
    for (const CASE& c : kCases) {
        for (int nTry = 0; nTry < 20; nTry++) {
            Roll(0, c.nPosition);
            for (int nRating : c.ratings) {
                float fValue = Stored_Rating(TEST_POOL_TEAM, 0, nRating);
                EXPECT_GE(fValue, 20.0f) << "position " << c.nPosition << " rating " << nRating;
                EXPECT_LE(fValue, 30.0f) << "position " << c.nPosition << " rating " << nRating;
            }
        }
    }
    // Health and durability are rolled for every position.
    float fHealth = Stored_Rating(TEST_POOL_TEAM, 0, RATING_HEALTH);
    EXPECT_GE(fHealth, 56.0f);
    EXPECT_LE(fHealth, 94.0f);
}

TEST_F(RatingGenerationTest, DefaultRowsAreCopiedByPosition) {
    Make_Player(0, 60, POS_K, 25, 50.0f);
    Set_Default_Position_Ratings(0, 60);
    const int kKicker[RATING_COUNT] = {70, 70, 20, 20, 20, 20, 20, 35, 30, 35, 35, 20, 20, 20,
                                       20, 30, 30, 30, 15, 15, 15, 15, 15, 65, 65, 45, 45};
    for (int nRating = 0; nRating < RATING_COUNT; nRating++)
        EXPECT_EQ(Stored_Rating(0, 60, nRating), (float)kKicker[nRating]) << nRating;

    Make_Player(0, 61, 15, 25, 50.0f);
    Set_Default_Position_Ratings(0, 61);
    EXPECT_EQ(Stored_Rating(0, 61, RATING_SPEED), 50.0f);
}

TEST_F(RatingGenerationTest, ProspectsAboveTheCeilingAreRejected) {
    // A 25-year-old at the start of his prime: his potential is his overall.
    Make_Player(TEST_POOL_TEAM, 0, POS_G, 25, 70.0f);
    EXPECT_FALSE(Is_Prospect_Rejected(TEST_POOL_TEAM, 0));
    Make_Player(TEST_POOL_TEAM, 0, POS_G, 25, 99.0f);
    EXPECT_TRUE(Is_Prospect_Rejected(TEST_POOL_TEAM, 0));
    // The league's draft-talent setting moves the ceiling: -400 puts it at 65.
    Set_Universe_Stat(UNIVERSE_DRAFT_TALENT, -400);
    Make_Player(TEST_POOL_TEAM, 0, POS_G, 25, 70.0f);
    EXPECT_TRUE(Is_Prospect_Rejected(TEST_POOL_TEAM, 0));
    EXPECT_FALSE(Is_Prospect_Rejected(TEST_POOL_TEAM, 1));  // an empty slot
}

TEST_F(RatingGenerationTest, FabricationGivesUpAfterTenThousandRefusals) {
    Set_Universe_Stat(UNIVERSE_DRAFT_TALENT, -3000);
    Test_Clear_Debug_Output();
    EXPECT_EQ(Fabricate_Position_Player(TEST_POOL_TEAM, 0, POS_K, 0), 0);
    EXPECT_NE(Test_Get_Debug_Output().find(
                  "Fabricate_Position_Player() unable to create Kicker after 10000 attempts."),
              std::string::npos);
}

TEST_F(RatingGenerationTest, AcceptedProspectIsACompleteNewPlayer) {
    Set_Draft_Talent(0, 0, 0);
    Fabricate_Position_Player(TEST_POOL_TEAM, 0, POS_QB, 0);
    EXPECT_TRUE(Is_Player_Slot_Used(TEST_POOL_TEAM, 0));
    EXPECT_EQ(Get_Player_Vital_Stat(TEST_POOL_TEAM, 0, VITAL_POSITION), POS_QB);
    EXPECT_EQ(Get_Player_Vital_Stat(TEST_POOL_TEAM, 0, VITAL_INJURY), -1);
    EXPECT_EQ(Get_Player_Vital_Stat(TEST_POOL_TEAM, 0, VITAL_WEEKLY_COUNTER), 22);
    EXPECT_EQ(Get_Player_Vital_Stat(TEST_POOL_TEAM, 0, VITAL_RANDOM_PROSPECT), 1);
    EXPECT_LE(Get_Player_Vital_Stat(TEST_POOL_TEAM, 0, VITAL_EXPERIENCE), -1);
    EXPECT_STREQ(Get_Player_Last_Name_Ptr(TEST_POOL_TEAM, 0), "Last0");
    int nAge = Get_Player_Age(TEST_POOL_TEAM, 0);
    EXPECT_GE(nAge, 19);
    EXPECT_LE(nAge, 24);
    EXPECT_FALSE(Is_Prospect_Rejected(TEST_POOL_TEAM, 0));
}
