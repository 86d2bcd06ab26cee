// A whole season of the default universe on one core: the schedule, the regular season and the
// playoffs, every team run by the computer and every box score and recap written, seeded.
// Prints seconds per season and games per second. Usage: bench_season [seasons] (default 3);
// each season starts again from the universe as built.
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "database/database.h"
#include "season/season.h"
#include "shell/shell.h"

namespace {

const int kDefaultSeasons = 3;
const int kThroughPlayoffs = 22;

}  // namespace

int main(int argc, char** argv) {
    int nSeasons = argc > 1 ? atoi(argv[1]) : kDefaultSeasons;
    if (nSeasons <= 0) {
        fprintf(stderr, "usage: %s [seasons]\n", argv[0]);
        return 2;
    }
    std::string stUniverse = std::string(VANTO_GAME_DIR) + "/Databases/Universe-2019.dat";
    char szScratch[] = "/tmp/vanto_season_XXXXXX";
    if (!mkdtemp(szScratch) || chdir(szScratch) != 0) {
        fprintf(stderr, "cannot make a scratch folder\n");
        return 1;
    }
    double fSeconds = 0;
    int nGames = 0;
    for (int nSeason = 0; nSeason < nSeasons; nSeason++) {
        if (!Load_Universe(stUniverse.c_str())) {
            fprintf(stderr, "cannot load %s\n", stUniverse.c_str());
            return 1;
        }
        Seed_Random((uint32_t)nSeason + 1);
        gAllTeamsComputer = 1;
        auto start = std::chrono::steady_clock::now();
        Start_Season(0);
        Advance_Weeks(kThroughPlayoffs);  // the regular season
        Advance_Weeks(kThroughPlayoffs);  // the playoffs
        fSeconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        nGames += Count_Stored_Games();
        if (!Is_Season_Complete())
            fprintf(stderr, "season %d ended without a champion\n", nSeason + 1);
    }
    printf("seasons: %d, %.3f s a season, %d games, %.0f games per second (report files written)\n",
           nSeasons, fSeconds / nSeasons, nGames, nGames / fSeconds);
    std::error_code error;
    std::filesystem::remove_all(szScratch, error);
    return 0;
}
