// The default universe looks like a professional league with a past: the figures of the built 2019
// file against the ranges a real league shows.
#include <gtest/gtest.h>
#include <math.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "database/database.h"
#include "database/saved_state.h"
#include "personnel/personnel.h"
#include "season/season.h"
#include "shell/shell.h"

namespace {

const int kYear = 2019;
const int kRookieContractYears = 4;
const int kDraftsOnRookieDeals = 3;
const int kBestQuarterbacks = 3;
const int kCapReleaseFloor = 52;  // below it the computer manager releases nobody for the cap

struct TARGET {
    const char* szName;
    double fValue;
    double fLow, fHigh;
};

// League seasons of every kept player, the Hall of Fame and the free agents included, that break
// a real season's bounds.
struct LINE_FAULTS {
    int nTooManyGames = 0, nReceiving = 0, nQuarterbackRushing = 0, nRunningBackAverage = 0;
    int nLines = 0;
};

LINE_FAULTS Count_Line_Faults(void) {
    LINE_FAULTS faults;
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; nTeam++) {
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (!Is_Player_Slot_Used(nTeam, nSlot))
                continue;
            int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
            for (int n = 0; n < Count_Player_Season_Links(nTeam, nSlot); n++) {
                int nLine = Get_Player_Season_Line(nTeam, nSlot, n);
                if (nLine == NO_SEASON_LINE || Get_Season_Line_Flag(nLine) < 0)
                    continue;  // college seasons
                faults.nLines++;
                auto stat = [nLine](int nStat) { return Get_Season_Line_Stat(nLine, nStat); };
                faults.nTooManyGames +=
                    stat(STAT_GAMES) > Get_Season_Games(Get_Season_Line_Year(nLine));
                if (nPosition >= POS_DE)
                    continue;  // the offence's stat ids
                faults.nReceiving += stat(OFF_RECEIVING_YARDS) > 2000;
                faults.nQuarterbackRushing += nPosition == POS_QB && stat(OFF_RUSHING_YARDS) > 1300;
                faults.nRunningBackAverage += nPosition == POS_RB && stat(OFF_RUSHES) >= 100 &&
                                              stat(OFF_RUSHING_YARDS) > 7 * stat(OFF_RUSHES);
            }
        }
    }
    return faults;
}

TEST(UniverseTargets, The2019LeagueHasARealLeaguesShape) {
    ASSERT_NE(Load_Universe((std::string(VANTO_GAME_DIR) + "/Databases/Universe-2019.dat").c_str()),
              0);
    ASSERT_EQ(Get_Season_Year(), kYear);
    int nCap = Get_Universe_Stat(UNIVERSE_SALARY_CAP);
    ASSERT_GT(nCap, 0);

    std::vector<int> anAges;
    double fAges = 0, fKickingAges = 0;
    int nKickers = 0, nOldEnough = 0, nOldest = 0;
    int nTooExperienced = 0, nBeyondDraft = 0, nVeterans = 0;
    int nWithoutCareer = 0, nWithoutLastSeason = 0;  // a veteran may have sat out last season
    int nRookiesOffDeal = 0, nRecentDraftees = 0, nExpired = 0, nLongest = 0;
    std::set<int> lengths;
    std::vector<std::pair<float, int>> quarterbacks;  // overall, cap impact
    For_Each_League_Player([&](int nTeam, int nSlot) {
        int nAge = Get_Player_Age(nTeam, nSlot);
        anAges.push_back(nAge);
        fAges += nAge;
        nOldEnough += nAge >= 30;
        nOldest = std::max(nOldest, nAge);
        int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
        if (nPosition == POS_K || nPosition == POS_P) {
            fKickingAges += nAge;
            nKickers++;
        }
        int nExperience = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE);
        nTooExperienced += nExperience > nAge - 20;
        int nDraftYear = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_RECORD) % 10000;
        if (nDraftYear > 0) {
            nBeyondDraft += nExperience > kYear - nDraftYear;
            if (nDraftYear > kYear - kDraftsOnRookieDeals) {
                nRecentDraftees++;
                nRookiesOffDeal += Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_LENGTH) !=
                                   kRookieContractYears;
            }
        }
        if (nExperience > 0) {
            nVeterans++;
            nWithoutCareer += !Has_Any_Season_Stat(nTeam, nSlot, SEASON_CAREER);
            nWithoutLastSeason += !Has_Any_Season_Stat(nTeam, nSlot, SEASON_PREVIOUS);
        }
        int nYears = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT);
        nExpired += nYears < 1;
        nLongest = std::max(nLongest, nYears);
        lengths.insert(nYears);
        if (nPosition == POS_QB)
            quarterbacks.push_back({Get_Checked_Overall_Rating(nTeam, nSlot),
                                    Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CAP_IMPACT)});
    });
    ASSERT_FALSE(anAges.empty());
    std::sort(anAges.begin(), anAges.end());
    double fPlayers = (double)anAges.size();
    std::sort(quarterbacks.rbegin(), quarterbacks.rend());
    quarterbacks.resize(std::min<size_t>(quarterbacks.size(), kBestQuarterbacks));
    double fQuarterbackShare = 0;  // mean per cent of the cap
    for (const auto& quarterback : quarterbacks)
        fQuarterbackShare += 100.0 * quarterback.second * 1000 / nCap / quarterbacks.size();
    int nOverCap = 0;
    for (int nTeam = 0; nTeam < Count_Active_Teams(); nTeam++)
        nOverCap += (int64_t)Get_Team_Financial_Stat(nTeam, FIN_PAYROLL) * 1000 > nCap &&
                    Count_Players(nTeam, ALL_ROSTERS) >= kCapReleaseFloor;
    int nLengthsOneToSix = 0;
    for (int nYears = 1; nYears <= 6; nYears++)
        nLengthsOneToSix += lengths.count(nYears) > 0;
    LINE_FAULTS faults = Count_Line_Faults();
    // The normalised ratings: the largest distance of a league mean from its target, and of a
    // spread from its target in per cent of it.
    double fMeanOff = 0, fSpreadOff = 0;
    for (int nRating = RATING_ACCURACY; nRating < RATING_COUNT; nRating++) {
        fMeanOff = std::max(
            fMeanOff, (double)fabsf(Get_Rating_Mean(nRating) - Get_Rating_Target_Mean(nRating)));
        fSpreadOff = std::max(
            fSpreadOff,
            100.0 * fabsf(Get_Rating_Spread(nRating) / Get_Rating_Target_Spread(nRating) - 1.0f));
    }
    int nPastRecords = 0;  // record-book rows set in the seasons played before the first
    for (const auto& table : gRecordBook)
        for (const auto& category : table)
            for (const RECORD_BOOK_ROW& row : category)
                nPastRecords += row.nYear > 0 && row.nYear < kYear && row.nValue > 0;

    const TARGET kTargets[] = {
        {"median age", (double)anAges[anAges.size() / 2], 25, 27},
        {"per cent aged 30 or more", 100.0 * nOldEnough / fPlayers, 12, 25},
        {"oldest", (double)nOldest, 35, 50},
        {"kickers' and punters' mean age over the league's",
         fKickingAges / std::max(1, nKickers) - fAges / fPlayers, 0.01, 15},
        {"players with more seasons than their age allows", (double)nTooExperienced, 0, 0},
        {"draftees with more seasons than since their draft", (double)nBeyondDraft, 0, 0},
        // A player the manager makes to fill a position comes with years but no past; a veteran
        // who was hurt or on the bench all last season has no line for it.
        {"per cent of veterans without a career line",
         100.0 * nWithoutCareer / std::max(1, nVeterans), 0, 0.5},
        {"per cent of veterans without last season's line",
         100.0 * nWithoutLastSeason / std::max(1, nVeterans), 0, 12},
        {"veterans", (double)nVeterans, fPlayers / 2, fPlayers},
        {"league seasons kept", (double)faults.nLines, 1000, 1e9},
        {"record-book rows of the past", (double)nPastRecords, 100, 1e9},
        {"seasons with more games than the season had", (double)faults.nTooManyGames, 0, 0},
        {"receiving seasons above 2,000 yards", (double)faults.nReceiving, 0, 0},
        {"quarterback rushing seasons above 1,300 yards", (double)faults.nQuarterbackRushing, 0, 0},
        {"running backs above 7 yards a carry on 100 or more", (double)faults.nRunningBackAverage,
         0, 0},
        {"players with no contract year left", (double)nExpired, 0, 0},
        {"longest contract years left", (double)nLongest, 6, 7},
        {"lengths of one to six years present", (double)nLengthsOneToSix, 6, 6},
        {"draftees of the last three drafts", (double)nRecentDraftees, 32 * 3 * 4, 32 * 3 * 8},
        {"of them not on a rookie contract", (double)nRookiesOffDeal, 0, 0},
        {"best quarterbacks' per cent of the cap", fQuarterbackShare, 10, 25},
        {"largest rating mean off its target", fMeanOff, 0, 1},
        {"largest rating spread off its target, per cent", fSpreadOff, 0, 10},
        {"teams over the cap that the manager could release for", (double)nOverCap, 0, 0},
    };
    for (const TARGET& target : kTargets) {
        EXPECT_GE(target.fValue, target.fLow) << target.szName;
        EXPECT_LE(target.fValue, target.fHigh) << target.szName;
    }
}

}  // namespace
