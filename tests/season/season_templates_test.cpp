// The season templates: their shape and balance, the lookup's bounds and the year's template.
#include "season_test_fixture.h"

#define SLOTS 32

// Every slot plays its games once a week at most with an even home count, meets each division
// rival twice, one division of its own league and one of the other in full, and has one bye;
// bye weeks hold 13 to 15 games and the empty positions come last.
TEST(SeasonTemplates, EveryTemplateIsABalancedSeason) {
    for (int nTemplate = 0; nTemplate < TEMPLATE_COUNT; nTemplate++) {
        SCOPED_TRACE(testing::Message() << "template " << nTemplate);
        int nWeeks = nTemplate == LONG_TEMPLATE ? LONG_TEMPLATE_WEEKS : TEMPLATE_WEEKS;
        int nGames = nWeeks - 1;
        int aanMet[SLOTS][SLOTS] = {};
        int anHome[SLOTS] = {}, anPlayed[SLOTS] = {}, anByes[SLOTS] = {};
        for (int nWeek = 0; nWeek < nWeeks; nWeek++) {
            int anWeek[SLOTS] = {};
            int nWeekGames = 0;
            for (int nPos = 0; nPos < TEMPLATE_POSITIONS; nPos++) {
                int nAway = Get_Schedule_Opponent(nTemplate, nWeek, nPos, TEMPLATE_AWAY);
                int nHome = Get_Schedule_Opponent(nTemplate, nWeek, nPos, TEMPLATE_HOME);
                if (nHome == NO_TEMPLATE_ENTRY) {
                    EXPECT_EQ(nAway, NO_TEMPLATE_ENTRY);
                    continue;
                }
                ASSERT_EQ(nPos, nWeekGames) << "an empty position before a game";
                nWeekGames++;
                ASSERT_TRUE(nAway >= 0 && nAway < SLOTS && nHome >= 0 && nHome < SLOTS);
                ASSERT_NE(nAway, nHome);
                anWeek[nAway]++;
                anWeek[nHome]++;
                anHome[nHome]++;
                aanMet[nAway][nHome]++;
                aanMet[nHome][nAway]++;
            }
            EXPECT_GE(nWeekGames, 13) << "week " << nWeek;
            for (int nSlot = 0; nSlot < SLOTS; nSlot++) {
                ASSERT_LE(anWeek[nSlot], 1) << "slot " << nSlot << " week " << nWeek;
                anPlayed[nSlot] += anWeek[nSlot];
                anByes[nSlot] += 1 - anWeek[nSlot];
            }
        }
        for (int nSlot = 0; nSlot < SLOTS; nSlot++) {
            EXPECT_EQ(anPlayed[nSlot], nGames) << "slot " << nSlot;
            EXPECT_EQ(anByes[nSlot], 1) << "slot " << nSlot;
            EXPECT_TRUE(anHome[nSlot] == 8 || (nGames == 17 && anHome[nSlot] == 9));
            int nDivision = nSlot / 4;
            int anByDivision[8] = {};
            for (int nOther = 0; nOther < SLOTS; nOther++) {
                if (nOther / 4 == nDivision && nOther != nSlot)
                    EXPECT_EQ(aanMet[nSlot][nOther], 2) << nSlot << " v " << nOther;
                else if (nOther / 4 != nDivision)
                    anByDivision[nOther / 4] += aanMet[nSlot][nOther];
            }
            int nFullOwn = 0, nFullOther = 0;
            for (int nOther = 0; nOther < 8; nOther++) {
                if (anByDivision[nOther] == 4)
                    (nOther / 4 == nDivision / 4 ? nFullOwn : nFullOther)++;
            }
            EXPECT_EQ(nFullOwn, 1) << "slot " << nSlot;
            EXPECT_EQ(nFullOther, 1) << "slot " << nSlot;
        }
    }
}

TEST(SeasonTemplates, LookupBoundsAndTheYearsTemplate) {
    for (int nField = 0; nField < TEMPLATE_FIELDS; nField++)
        EXPECT_EQ(Get_Schedule_Opponent(DAY_TIME_TEMPLATE, 17, 0, nField), NO_TEMPLATE_ENTRY);
    EXPECT_NE(Get_Schedule_Opponent(LONG_TEMPLATE, 17, 0, TEMPLATE_HOME), NO_TEMPLATE_ENTRY);
    EXPECT_EQ(Get_Schedule_Opponent(LONG_TEMPLATE, 18, 0, TEMPLATE_HOME), NO_TEMPLATE_ENTRY);
    EXPECT_EQ(Get_Schedule_Opponent(0, 0, 16, TEMPLATE_HOME), NO_TEMPLATE_ENTRY);
    EXPECT_EQ(Get_Schedule_Opponent(0, 0, 0, 5), NO_TEMPLATE_ENTRY);

    EXPECT_EQ(Get_Year_Template(2019), Get_Year_Template(2031));
    EXPECT_EQ(Get_Year_Template(2019), TEMPLATE_BY_YEAR_MOD_12 + 3);
    EXPECT_EQ(Get_Year_Template(2005), 3);
    EXPECT_EQ(Get_Year_Template(2017), DAY_TIME_TEMPLATE);

    // The day-and-time template's first games and the end of its week 4.
    const int kRows[][7] = {
        {0, 0, 12, 0, 7, 2030, 4},   {0, 1, 3, 2, 10, 1300, 2},    {0, 2, 20, 27, 10, 1300, 1},
        {4, 12, 12, 4, 38, 2030, 4}, {4, 13, 26, 27, 39, 2030, 0}, {4, 14, -128, -128, 0, 0, 0},
    };
    for (const auto& r : kRows) {
        for (int nField = 0; nField < TEMPLATE_FIELDS; nField++)
            EXPECT_EQ(Get_Schedule_Opponent(DAY_TIME_TEMPLATE, r[0], r[1], nField), r[2 + nField])
                << "week " << r[0] << " position " << r[1] << " field " << nField;
    }
}
