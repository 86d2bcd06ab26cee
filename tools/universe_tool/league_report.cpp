// The universe tool's report of the league in memory: ages, experience, ratings by depth, the
// league's rating means against their targets, payrolls, contract lengths and the best season
// lines the players keep.
#include "tools/universe_tool/league_report.h"

#include <stdarg.h>
#include <stdio.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"
#include "season/season.h"

#define LONGEST_CONTRACT 6
#define VETERAN_AGE 30
#define TOP_LINES 3
#define DEPTH_BANDS 3  // starters, first backups, everyone deeper

namespace {

struct SEASON_CATEGORY {
    const char* szName;
    int nSide;  // SIDE_OFFENCE or SIDE_DEFENCE
    int nStat;
    int nDivisor;  // sacks are kept in halves
};

const SEASON_CATEGORY kCategories[] = {
    {"passing yards", SIDE_OFFENCE, OFF_PASSING_YARDS, 1},
    {"rushing yards", SIDE_OFFENCE, OFF_RUSHING_YARDS, 1},
    {"receiving yards", SIDE_OFFENCE, OFF_RECEIVING_YARDS, 1},
    {"sacks", SIDE_DEFENCE, DEF_SACKS, 2},
    {"interceptions", SIDE_DEFENCE, DEF_INTERCEPTIONS, 1},
};

struct TOP_LINE {
    int nValue;
    int nYear;
    std::string stName;
};

void Add_Text(std::string& stReport, const char* szFormat, ...) {
    char szLine[512];
    va_list args;
    va_start(args, szFormat);
    vsnprintf(szLine, sizeof(szLine), szFormat, args);
    va_end(args);
    stReport += szLine;
}

int Get_Position_Side(int nPosition) {
    if (nPosition == POS_K || nPosition == POS_P)
        return SIDE_KICKING;
    return nPosition < POS_DE ? SIDE_OFFENCE : SIDE_DEFENCE;
}

double Get_Median(std::vector<int> anValues) {
    if (anValues.empty())
        return 0;
    std::sort(anValues.begin(), anValues.end());
    size_t n = anValues.size();
    return n % 2 ? anValues[n / 2] : (anValues[n / 2 - 1] + anValues[n / 2]) / 2.0;
}

void Report_Ages(std::string& stReport) {
    std::vector<int> anAges;
    int nVeterans = 0, nOldest = 0, nKickingAges = 0, nKickers = 0, nExperience = 0;
    For_Each_League_Player([&](int nTeam, int nSlot) {
        int nAge = Get_Player_Age(nTeam, nSlot);
        anAges.push_back(nAge);
        nVeterans += nAge >= VETERAN_AGE;
        nOldest = Max_Int(nOldest, nAge);
        nExperience += Get_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE);
        if (Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION) >= POS_K) {
            nKickingAges += nAge;
            nKickers++;
        }
    });
    int nPlayers = Max_Int(1, (int)anAges.size());
    int nAgeSum = 0;
    for (int nAge : anAges)
        nAgeSum += nAge;
    Add_Text(stReport, "Players: %d on the rosters\n", (int)anAges.size());
    Add_Text(stReport,
             "Ages: median %.1f, mean %.1f, %d%% aged %d or more, oldest %d; kickers and punters "
             "%.1f\n",
             Get_Median(anAges), (double)nAgeSum / nPlayers, 100 * nVeterans / nPlayers,
             VETERAN_AGE, nOldest, (double)nKickingAges / Max_Int(1, nKickers));
    Add_Text(stReport, "Experience: mean %.1f seasons\n", (double)nExperience / nPlayers);
    Add_Text(stReport, "Hall of Fame: %d members\n", Count_Players(HALL_OF_FAME_TEAM, ALL_ROSTERS));
}

void Report_Depth_Ratings(std::string& stReport) {
    double afSums[DEPTH_BANDS] = {0, 0, 0};
    int anCounts[DEPTH_BANDS] = {0, 0, 0};
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam))
            continue;
        for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++) {
            int nPlayers = Count_Team_Position_Players(nTeam, nPosition);
            for (int n = 0; n < nPlayers; n++) {
                uint8_t nSlot = Get_Team_Position_Player(nTeam, nPosition, n);
                if (nSlot == NO_SLOT_BYTE)
                    continue;
                int nStarters = POSITION_STARTERS[nPosition];
                int nBand = n < nStarters ? 0 : (n == nStarters ? 1 : 2);
                afSums[nBand] += Compute_Position_Rating(nTeam, nSlot, nPosition);
                anCounts[nBand]++;
            }
        }
    }
    Add_Text(stReport, "Overall by depth: starters %.1f, first backups %.1f, deeper %.1f\n",
             afSums[0] / Max_Int(1, anCounts[0]), afSums[1] / Max_Int(1, anCounts[1]),
             afSums[2] / Max_Int(1, anCounts[2]));
}

// Each rating the normalisation moves: the mean and spread of the players it counts, beside the
// targets it moves them to.
void Report_Rating_Means(std::string& stReport) {
    Add_Text(stReport, "Rating means and spreads (targets):\n");
    for (int nRating = RATING_ACCURACY; nRating < RATING_COUNT; nRating++) {
        char szName[64];
        Get_Rating_Name(nRating, szName, sizeof(szName));
        Add_Text(stReport, "  %-16s mean %5.1f (%4.1f), spread %5.2f (%5.2f)\n", szName,
                 Get_Rating_Mean(nRating), Get_Rating_Target_Mean(nRating),
                 Get_Rating_Spread(nRating), Get_Rating_Target_Spread(nRating));
    }
}

void Report_Payrolls(std::string& stReport) {
    std::vector<int> anPayrolls, anRosters;
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam))
            continue;
        anPayrolls.push_back(Get_Team_Financial_Stat(nTeam, FIN_PAYROLL));
        anRosters.push_back(Count_Players(nTeam, ALL_ROSTERS));
    }
    if (anPayrolls.empty())
        return;
    double fCap = Get_Universe_Stat(UNIVERSE_SALARY_CAP) / 1e6;
    auto payrolls = std::minmax_element(anPayrolls.begin(), anPayrolls.end());
    auto rosters = std::minmax_element(anRosters.begin(), anRosters.end());
    Add_Text(stReport,
             "Payrolls: lowest %.1fM, median %.1fM, highest %.1fM against a cap of %.1fM (least "
             "room %.1fM)\n",
             *payrolls.first / 1e3, Get_Median(anPayrolls) / 1e3, *payrolls.second / 1e3, fCap,
             fCap - *payrolls.second / 1e3);
    Add_Text(stReport, "Rosters: %d to %d players\n", *rosters.first, *rosters.second);
}

// The cap share of the best quarterbacks by overall rating.
void Report_Quarterback_Pay(std::string& stReport) {
    std::vector<std::pair<float, int>> quarterbacks;  // overall, cap impact
    For_Each_League_Player([&](int nTeam, int nSlot) {
        if (Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION) == POS_QB)
            quarterbacks.push_back({Get_Checked_Overall_Rating(nTeam, nSlot),
                                    Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CAP_IMPACT)});
    });
    int nCap = Get_Universe_Stat(UNIVERSE_SALARY_CAP);
    if (nCap <= 0)
        return;
    std::sort(quarterbacks.rbegin(), quarterbacks.rend());
    Add_Text(stReport, "Best quarterbacks' cap shares:");
    for (size_t n = 0; n < quarterbacks.size() && n < TOP_LINES; n++)
        Add_Text(stReport, " %.1f%%", 100.0 * quarterbacks[n].second * 1000 / nCap);
    Add_Text(stReport, "\n");
}

void Report_Contracts(std::string& stReport) {
    int anLengths[LONGEST_CONTRACT + 2] = {0};
    For_Each_League_Player([&](int nTeam, int nSlot) {
        int nYears = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT);
        anLengths[Clamp(nYears, 0, LONGEST_CONTRACT + 1)]++;
    });
    Add_Text(stReport, "Contract years left:");
    for (int nYears = 0; nYears <= LONGEST_CONTRACT + 1; nYears++)
        Add_Text(stReport, " %d%s: %d", nYears, nYears > LONGEST_CONTRACT ? "+" : "",
                 anLengths[nYears]);
    Add_Text(stReport, "\n");
}

// The best league seasons of the category among the lines of every kept player.
std::vector<TOP_LINE> Find_Top_Lines(const SEASON_CATEGORY& category) {
    std::vector<TOP_LINE> lines;
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; nTeam++) {
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (!Is_Player_Slot_Used(nTeam, nSlot) ||
                Get_Position_Side(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION)) !=
                    category.nSide)
                continue;
            for (int n = 0; n < Count_Player_Season_Links(nTeam, nSlot); n++) {
                int nLine = Get_Player_Season_Line(nTeam, nSlot, n);
                if (nLine == NO_SEASON_LINE || Get_Season_Line_Flag(nLine) < 0)
                    continue;
                char szName[64];
                Get_Player_Full_Name_Plain(nTeam, nSlot, szName, sizeof(szName));
                lines.push_back({Get_Season_Line_Stat(nLine, category.nStat),
                                 Get_Season_Line_Year(nLine), szName});
            }
        }
    }
    size_t nKept = Min_Int(TOP_LINES, (int)lines.size());
    std::partial_sort(lines.begin(), lines.begin() + nKept, lines.end(),
                      [](const TOP_LINE& a, const TOP_LINE& b) { return a.nValue > b.nValue; });
    lines.resize(nKept);
    return lines;
}

void Report_Top_Lines(std::string& stReport) {
    for (const SEASON_CATEGORY& category : kCategories) {
        Add_Text(stReport, "Most %s in a season:", category.szName);
        for (const TOP_LINE& line : Find_Top_Lines(category))
            Add_Text(stReport, " %s %d (%g),", line.stName.c_str(), line.nYear,
                     (double)line.nValue / category.nDivisor);
        stReport.back() = '\n';
    }
}

}  // namespace

int Write_League_Report(const char* szPath) {
    std::string stReport;
    Add_Text(stReport, "The league of %d\n", Get_Season_Year());
    Report_Ages(stReport);
    Report_Depth_Ratings(stReport);
    Report_Rating_Means(stReport);
    Report_Payrolls(stReport);
    Report_Quarterback_Pay(stReport);
    Report_Contracts(stReport);
    Report_Top_Lines(stReport);
    fputs(stReport.c_str(), stdout);
    FILE* pFile = Platform_Open_File(szPath, "wt");
    if (pFile == NULL) {
        fprintf(stderr, "universe_tool: could not write %s\n", szPath);
        return 0;
    }
    int bWritten = fputs(stReport.c_str(), pFile) >= 0;
    bWritten = fclose(pFile) == 0 && bWritten;
    if (!bWritten)
        fprintf(stderr, "universe_tool: could not write %s\n", szPath);
    return bWritten;
}
