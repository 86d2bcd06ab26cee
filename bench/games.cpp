// Whole games between the default universe's teams on one core: games per second and the league's
// averages per team and game. Usage: bench_games [games] [season] (default 2,000). Every game is
// seeded by its number, so a run is repeatable; the players heal one week after every round of
// games. With "season" the games are played as the week loop plays seasons of 17 weeks, half the
// teams' number of games a week: before each week the league rates and the computer's run/pass
// balances are set, each result is recorded (games played, wins and losses, the report files in
// the scratch folder), the players heal after each week and a new season clears the season's
// statistics, totals and results. The play models calibrate against those league rates from the
// third week on, so only this mode shows the league a season would. Without "season" no report
// file is written, so those games keep no texts. Last, the time of a game with its box score and
// recap written.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "database/database.h"
#include "engine/engine.h"
#include "personnel/personnel.h"
#include "reports/reports.h"
#include "season/season.h"
#include "shell/shell.h"

namespace {

const int kDefaultGames = 2000;
const int kReportGames = 200;
const int kBenchWeek = 1;
const int kSeasonWeeks = 17;
const int kFirstPostseasonWeek = 18;  // a regular season of 17 weeks
const int kScrimmagePlays = 0;        // game team stats
const int kPunts = 6;
const int kFumblesLost = 8;

struct LEAGUE_SUMS {
    double points = 0, plays = 0, firstDowns = 0, rushes = 0, rushingYards = 0;
    double passes = 0, completions = 0, passingYards = 0, sacks = 0, interceptions = 0;
    double fumblesLost = 0, penalties = 0, penaltyYards = 0, punts = 0;
    double fieldGoals = 0, fieldGoalTries = 0, extraPoints = 0, extraPointTries = 0;
    double homeWins = 0, ties = 0;
};

void Add_Side(LEAGUE_SUMS& s, const GAME* pGame, int bSide) {
    s.points += pGame->anScores[bSide];
    s.plays += pGame->aabTeamStats[bSide][kScrimmagePlays];
    s.punts += pGame->aabTeamStats[bSide][kPunts];
    s.fumblesLost += pGame->aabTeamStats[bSide][kFumblesLost];
    const int16_t* pTotals = pGame->aanTeamTotals[bSide];
    s.firstDowns += pTotals[GAME_TOTAL_FIRST_DOWNS];
    s.rushes += pTotals[GAME_TOTAL_RUSHES];
    s.rushingYards += pTotals[GAME_TOTAL_RUSHING_YARDS];
    s.passes += pTotals[GAME_TOTAL_PASS_ATTEMPTS];
    s.completions += pTotals[GAME_TOTAL_COMPLETIONS];
    s.passingYards += pTotals[GAME_TOTAL_PASSING_YARDS];
    s.sacks += pGame->aanTeamTotals[1 - bSide][GAME_TOTAL_SACKS];
    s.penalties += pTotals[GAME_TOTAL_PENALTIES];
    s.penaltyYards += pTotals[GAME_TOTAL_PENALTY_YARDS];
}

void Add_Logged_Plays(LEAGUE_SUMS& s, const GAME* pGame) {
    for (int i = 0; i < pGame->nPlayCount && i < PLAY_LOG_SIZE; i++) {
        switch (Get_Play_Result(&pGame->aPlayLog[i])) {
        case RESULT_INTERCEPTED:
        case RESULT_INTERCEPTION_TOUCHDOWN: s.interceptions++; break;
        case RESULT_FIELD_GOAL_GOOD:
            s.fieldGoals++;
            s.fieldGoalTries++;
            break;
        case RESULT_FIELD_GOAL_MISSED: s.fieldGoalTries++; break;
        case RESULT_EXTRA_POINT_GOOD:
            s.extraPoints++;
            s.extraPointTries++;
            break;
        case RESULT_EXTRA_POINT_MISSED: s.extraPointTries++; break;
        default: break;
        }
    }
}

void Add_Game(LEAGUE_SUMS& s, const GAME* pGame) {
    Add_Side(s, pGame, VISITOR_SIDE);
    Add_Side(s, pGame, HOME_SIDE);
    Add_Logged_Plays(s, pGame);
    if (pGame->anScores[HOME_SIDE] > pGame->anScores[VISITOR_SIDE])
        s.homeWins++;
    else if (pGame->anScores[HOME_SIDE] == pGame->anScores[VISITOR_SIDE])
        s.ties++;
}

double Share(double a, double b) {
    return b > 0 ? a / b : 0.0;
}

void Print_Averages(const LEAGUE_SUMS& s, int nGames) {
    double nTeamGames = 2.0 * nGames;
    printf("per team per game:\n");
    printf("  points               %7.2f\n", s.points / nTeamGames);
    printf("  offensive plays      %7.2f\n", s.plays / nTeamGames);
    printf("  first downs          %7.2f\n", s.firstDowns / nTeamGames);
    printf("  rushing attempts     %7.2f\n", s.rushes / nTeamGames);
    printf("  rushing yards        %7.2f\n", s.rushingYards / nTeamGames);
    printf("  pass attempts        %7.2f\n", s.passes / nTeamGames);
    printf("  completion rate      %7.3f\n", Share(s.completions, s.passes));
    printf("  passing yards (net)  %7.2f\n", s.passingYards / nTeamGames);
    printf("  sacks taken          %7.2f\n", s.sacks / nTeamGames);
    printf("  interceptions        %7.2f\n", s.interceptions / nTeamGames);
    printf("  fumbles lost         %7.2f\n", s.fumblesLost / nTeamGames);
    printf("  penalties            %7.2f\n", s.penalties / nTeamGames);
    printf("  penalty yards        %7.2f\n", s.penaltyYards / nTeamGames);
    printf("  field goals tried    %7.2f  made %.3f\n", s.fieldGoalTries / nTeamGames,
           Share(s.fieldGoals, s.fieldGoalTries));
    printf("  extra points tried   %7.2f  made %.3f\n", s.extraPointTries / nTeamGames,
           Share(s.extraPoints, s.extraPointTries));
    printf("  punts                %7.2f\n", s.punts / nTeamGames);
    printf("home win share %.3f, tie share %.3f\n", Share(s.homeWins, nGames),
           Share(s.ties, nGames));
}

// Round r pairs every team with the one r + 1 places on, home and away by turns.
void Choose_Teams(int nGame, int nTeams, int* pHome, int* pVisitor) {
    int nRound = nGame / nTeams;
    int nIndex = nGame % nTeams;
    int nOther = (nIndex + 1 + nRound % (nTeams - 1)) % nTeams;
    *pHome = nRound % 2 == 0 ? nIndex : nOther;
    *pVisitor = nRound % 2 == 0 ? nOther : nIndex;
}

// Games whose box score and recap files are written, as after every game of a season.
void Time_Games_With_Reports(int nTeams) {
    GAME* pGame = &gGames[0];
    double fReportSeconds = 0;
    auto start = std::chrono::steady_clock::now();
    for (int nGame = 0; nGame < kReportGames; nGame++) {
        int nHome, nVisitor;
        Choose_Teams(nGame, nTeams, &nHome, &nVisitor);
        Seed_Random((uint32_t)nGame + 1);
        gGameNumber = nGame + 1;
        Play_Game(nHome, nVisitor, kBenchWeek, pGame);
        auto reportStart = std::chrono::steady_clock::now();
        Record_Game_Result(pGame, kBenchWeek);
        fReportSeconds +=
            std::chrono::duration<double>(std::chrono::steady_clock::now() - reportStart).count();
    }
    double fSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    printf("with both report files: %d games, %.3f ms a game, of which %.3f ms the files\n",
           kReportGames, 1000 * fSeconds / kReportGames, 1000 * fReportSeconds / kReportGames);
}

// Before a week's games in the season mode; a new season starts every kSeasonWeeks weeks.
void Start_Bench_Week(int nWeekIndex, int nTeams) {
    int nWeek = nWeekIndex % kSeasonWeeks;
    if (nWeek == 0) {
        Clear_All_Current_Season_Stats();
        for (int nTeam = 0; nTeam < nTeams; nTeam++) {
            Clear_Team_Current_Totals(nTeam);
            for (int nStat : {YEARLY_WINS, YEARLY_LOSSES, YEARLY_TIES, YEARLY_HOME_WINS,
                              YEARLY_HOME_LOSSES, YEARLY_HOME_TIES})
                Set_Team_Record_Char(nTeam, nStat, 0);
        }
    }
    gCurrentWeek = kBenchWeek + nWeek;
    gRunTargetWeek = gCurrentWeek + 1;
    Update_League_Averages();
    Set_Computer_Run_Pass_Balance();
}

}  // namespace

int main(int argc, char** argv) {
    int nGames = argc > 1 ? atoi(argv[1]) : kDefaultGames;
    int bSeason = argc > 2 && strcmp(argv[2], "season") == 0;
    if (nGames <= 0 || (argc > 2 && !bSeason)) {
        fprintf(stderr, "usage: %s [games] [season]\n", argv[0]);
        return 2;
    }
    std::string stUniverse = std::string(VANTO_GAME_DIR) + "/Databases/Universe-2019.dat";
    char szScratch[] = "/tmp/vanto_games_XXXXXX";
    Install_Report_Writers();
    if (!mkdtemp(szScratch) || chdir(szScratch) != 0 || !Load_Universe(stUniverse.c_str())) {
        fprintf(stderr, "cannot load %s\n", stUniverse.c_str());
        return 1;
    }
    gSimulationRunning = 1;
    gAllTeamsComputer = 1;
    gCurrentWeek = kBenchWeek;
    for (int n = 0; n < POSTSEASON_WEEK_COUNT; n++)
        Set_Postseason_Week(n, kFirstPostseasonWeek + n);
    gRunTargetWeek = kBenchWeek + 1;
    Set_Computer_Run_Pass_Balance();  // as before every week's games
    int nTeams = Count_Active_Teams();
    int nWeekGames = nTeams > 1 ? nTeams / 2 : 1;
    LEAGUE_SUMS sums;
    GAME* pGame = &gGames[0];
    Set_Game_Texts_Kept(bSeason);  // only the season mode writes the report files
    auto start = std::chrono::steady_clock::now();
    for (int nGame = 0; nGame < nGames; nGame++) {
        if (bSeason && nGame % nWeekGames == 0)
            Start_Bench_Week(nGame / nWeekGames, nTeams);
        int nHome, nVisitor;
        Choose_Teams(nGame, nTeams, &nHome, &nVisitor);
        Seed_Random((uint32_t)nGame + 1);
        Play_Game(nHome, nVisitor, gCurrentWeek, pGame);
        Add_Game(sums, pGame);
        if (bSeason)
            Record_Game_Result(pGame, gCurrentWeek);
        if ((nGame + 1) % (bSeason ? nWeekGames : nTeams) == 0)
            Advance_All_Players_One_Week();
    }
    double fSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    printf("games: %d in %.2f s, %.0f games per second%s\n", nGames, fSeconds, nGames / fSeconds,
           bSeason ? " (seasons of 17 weeks)" : "");
    Print_Averages(sums, nGames);
    Set_Game_Texts_Kept(1);
    Time_Games_With_Reports(nTeams);
    std::error_code error;
    std::filesystem::remove_all(szScratch, error);
    return 0;
}
