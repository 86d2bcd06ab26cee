// Standings on the five-team short-season league: the ranking's tie rule, the head-to-head bonus,
// division places, magic numbers, past seasons' places and finalists.
#include <stdint.h>

#include "records_fixture.h"

namespace {

enum { ARCHERS, BEARS, COMETS, DUKES, EAGLES };

class StandingsTest : public ShortSeasonTest {
protected:
    static void Set_Record(int nTeam, int nWins, int nLosses) {
        Set_Team_Record_Char(nTeam, YEARLY_WINS, nWins);
        Set_Team_Record_Char(nTeam, YEARLY_LOSSES, nLosses);
    }

    static int League_Place(int nTeam) {
        return Get_Team_Yearly_Int(nTeam, gSeasonNumber, YEARLY_LEAGUE_PLACE);
    }
};

// Before any game every key is 0: the highest team number ranks first, and in a division the
// season's parity decides which of two level teams leads.
TEST_F(StandingsTest, LevelTeamsFallByNumberAndSeason) {
    const struct {
        int nSeason;
        int nDivisionLeader;
    } kCases[] = {{3, BEARS}, {4, ARCHERS}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.nSeason);
        gSeasonNumber = c.nSeason;
        Update_Standings();
        for (int nTeam = ARCHERS; nTeam <= EAGLES; nTeam++)
            EXPECT_EQ(League_Place(nTeam), EAGLES - nTeam);
        EXPECT_EQ(Get_Division_Standings_Team(0, 0), c.nDivisionLeader);
        EXPECT_EQ(Get_Division_Standings_Team(0, 1), c.nDivisionLeader == BEARS ? ARCHERS : BEARS);
        EXPECT_EQ(Get_Division_Standings_Team(0, 2), NO_TEAM);
        EXPECT_EQ(Get_Division_Standings_Team(1, 0), COMETS);
        EXPECT_EQ(Get_Division_Standings_Team(2, 0), NO_TEAM);
    }
}

// Archers and Bears are both 1-1; the Archers beat the Bears and lost only outside the league.
TEST_F(StandingsTest, HeadToHeadWinsAndLeagueRecordOrderLevelTeams) {
    Play(0, BEARS, ARCHERS, 14, 21);
    Play(1, DUKES, BEARS, 3, 17);
    Play(1, ARCHERS, EAGLES, 7, 28);
    Set_Record(ARCHERS, 1, 1);
    Set_Record(BEARS, 1, 1);
    Set_Record(DUKES, 0, 1);
    Set_Record(EAGLES, 1, 0);
    EXPECT_EQ(Get_Team_Standings_Key(ARCHERS), 4000 + 100);
    EXPECT_EQ(Get_Team_Standings_Key(BEARS), -100);
    EXPECT_EQ(Get_Team_Standings_Key(COMETS), 0);  // no game played
    EXPECT_EQ(Get_Team_Standings_Key(NO_TEAM), -2147483647);
    // Division: the head-to-head game, then division and league records.
    EXPECT_EQ(Get_Team_Division_Key(ARCHERS), 1000 + 100 + 1);
    EXPECT_EQ(Get_Team_Division_Key(BEARS), -1000 - 100 - 1);
    Update_Standings();
    EXPECT_EQ(Get_Division_Standings_Team(0, 0), ARCHERS);
    EXPECT_EQ(League_Place(EAGLES), 0);
    EXPECT_EQ(League_Place(ARCHERS), 1);
}

// Archers, Bears and Comets are all 2-1 (their other games are not stored). The Archers beat the
// Bears twice but lost to the Comets: one loss to a level team costs the bonus; the Comets beat
// their only level opponent.
TEST_F(StandingsTest, OneHeadToHeadLossCostsTheBonus) {
    Play(0, BEARS, ARCHERS, 14, 21);
    Play(1, ARCHERS, COMETS, 3, 17);
    Play(2, ARCHERS, BEARS, 24, 10);
    for (int nTeam : {ARCHERS, BEARS, COMETS})
        Set_Record(nTeam, 2, 1);
    EXPECT_EQ(Get_Team_Standings_Key(ARCHERS), 10000 + 100);
    EXPECT_EQ(Get_Team_Standings_Key(BEARS), 10000 - 200);
    EXPECT_EQ(Get_Team_Standings_Key(COMETS), 10000 + 4000 + 100);
}

// Three games a season; a league of two divisions has no wild-card line.
TEST_F(StandingsTest, MagicNumbers) {
    const struct {
        const char* szName;
        int nArchers[2], nBears[2];
        int nArchersMagic, nBearsMagic;
    } kCases[] = {
        {"a leader that cannot be caught has clinched", {2, 0}, {0, 2}, 0, INT32_MIN},
        {"one win or one chaser's loss to go", {1, 0}, {0, 1}, 2, -2},
        {"level after one game each", {1, 1}, {1, 1}, 2, -2},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.szName);
        Set_Record(ARCHERS, c.nArchers[0], c.nArchers[1]);
        Set_Record(BEARS, c.nBears[0], c.nBears[1]);
        Update_Standings();
        int nLeader = Get_Division_Standings_Team(0, 0);
        int nChaser = Get_Division_Standings_Team(0, 1);
        EXPECT_EQ(Get_League_Best_Runner_Up(0, 0), NO_TEAM);
        EXPECT_EQ(Get_Team_Magic_Number(nLeader), c.nArchersMagic);
        EXPECT_EQ(Get_Team_Magic_Number(nChaser), c.nBearsMagic);
        EXPECT_EQ(Has_Team_Clinched(nLeader), c.nArchersMagic == 0);
        EXPECT_FALSE(Has_Team_Clinched(nChaser));
    }
    EXPECT_EQ(Get_Team_Magic_Number(COMETS), 0);  // alone in its division
}

TEST_F(StandingsTest, PastSeasonPlacesByWinsThenTies) {
    Update_Standings();
    const int kPast = kSeason - 1;
    Set_Team_Yearly_Char(DUKES, kPast, YEARLY_WINS, 5);
    Set_Team_Yearly_Char(EAGLES, kPast, YEARLY_WINS, 5);
    Set_Team_Yearly_Char(EAGLES, kPast, YEARLY_TIES, 1);
    Set_Team_Yearly_Char(ARCHERS, kPast, YEARLY_WINS, 3);
    Set_Team_Yearly_Char(BEARS, kPast, YEARLY_WINS, 7);
    EXPECT_EQ(Get_Division_Team_At_Place(4, 0, kPast), EAGLES);
    EXPECT_EQ(Get_Division_Team_At_Place(4, 1, kPast), DUKES);
    EXPECT_EQ(Get_Division_Team_At_Place(0, 0, kPast), BEARS);
    EXPECT_EQ(Get_Division_Team_At_Place(0, 2, kPast), NO_TEAM);
    EXPECT_EQ(Get_Division_Team_At_Place(0, 0, kSeason), Get_Division_Standings_Team(0, 0));
}

TEST_F(StandingsTest, PastFinalistsByLeague) {
    const int kPast = kSeason - 1;
    Set_Team_Yearly_Int(DUKES, kPast, YEARLY_FINISH, 8);
    Set_Team_Yearly_Int(ARCHERS, kPast, YEARLY_FINISH, 7);
    Set_Team_Yearly_Int(BEARS, kPast, YEARLY_FINISH, 6);
    Set_Team_Yearly_Int(EAGLES, kPast, YEARLY_FINISH, 6);
    const struct {
        int nKind, bFlag, nTeam;
    } kCases[] = {
        {28, 1, DUKES}, {28, 0, ARCHERS}, {24, 1, ARCHERS}, {26, 1, DUKES},
        {24, 0, BEARS}, {26, 0, EAGLES},  {25, 1, NO_TEAM},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.nKind * 10 + c.bFlag);
        EXPECT_EQ(Get_Past_Finalist(c.nKind, c.bFlag, 1), c.nTeam);
    }
    EXPECT_EQ(Get_Past_Finalist(28, 1, 0), NO_TEAM);  // this season has no finish yet
}

}  // namespace
