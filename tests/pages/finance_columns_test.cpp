// The Finances page's column texts for the fixture league: stored money in its forms, the dash
// of a fantasy league and of the average row, and the unit grades of a league of equal teams.
#include <vector>

#include "fixtures/fixture_league.h"
#include "pages_test_fixture.h"
#include "personnel/personnel.h"

namespace {

#define SHOWN_TEAM 4

class FinanceColumnsTest : public PagesTest {
protected:
    void SetUp() override {
        PagesTest::SetUp();
        Build_Fixture_League();
        Clear_Team_Unit_Scores();
    }

    static std::string Text(int nColumn, int nTeam) {
        char szText[64];
        Get_Team_Info_Cell_Text(nColumn, nTeam, szText, sizeof szText);
        return szText;
    }
};

struct FINANCE_TEXT_CASE {
    int nColumn;
    int nStat;
    int nValue;
    const char* szText;
};

TEST_F(FinanceColumnsTest, StoredMoneyInEachForm) {
    static const FINANCE_TEXT_CASE kCases[] = {
        {FINANCE_TICKET_PRICE, FIN_TICKET_PRICE, 4550, "$45.50"},
        {20, FIN_REVENUE_INDEX, -15, "-1.5"},               // Bonus
        {20, FIN_REVENUE_INDEX, 1032, "103.2"},
        {39, FIN_GATE_REVENUE, 1234567, "$1.2M"},  // Tickets
    };
    for (const FINANCE_TEXT_CASE& c : kCases) {
        SCOPED_TRACE(c.szText);
        Set_Team_Financial_Stat(SHOWN_TEAM, c.nStat, c.nValue);
        EXPECT_EQ(Text(c.nColumn, SHOWN_TEAM), c.szText);
    }
    EXPECT_NE(Text(9, SHOWN_TEAM), "\x96");  // Avg. Age
    Set_Universe_Stat(UNIVERSE_FANTASY_DRAFT, 1);
    EXPECT_EQ(Text(9, SHOWN_TEAM), "\x96");
    EXPECT_EQ(Text(FINANCE_COLUMN_COUNT, SHOWN_TEAM), "");
}

TEST_F(FinanceColumnsTest, AnAverageUnitIndexesAt1100) {
    // Every team a copy of one, so each unit scores the league's mean.
    std::vector<TEAM> aTeam(1);
    ASSERT_TRUE(Backup_Team_Structure(aTeam.data(), SHOWN_TEAM));
    for (int nTeam = 0; nTeam < FIXTURE_TEAM_COUNT; nTeam++)
        Restore_Team_Structure(nTeam, aTeam.data());
    for (int nUnit = 0; nUnit < TEAM_UNIT_COUNT; nUnit++) {
        SCOPED_TRACE(nUnit);
        EXPECT_GT(Get_Team_Unit_Score(SHOWN_TEAM, nUnit), 700);
        EXPECT_EQ(Get_Team_Unit_Index(SHOWN_TEAM, nUnit), 1100);
        char szGrade[4];
        Get_Letter_Grade(Max_Int(3, Get_Rating_Grade(1050)), szGrade, sizeof szGrade);
        EXPECT_EQ(Text(FINANCE_UNIT_GRADES + nUnit, SHOWN_TEAM), szGrade);
        EXPECT_EQ(Text(FINANCE_UNIT_GRADES + nUnit, LEAGUE_AVERAGE_TEAM), "\x96");
    }
}

}  // namespace
