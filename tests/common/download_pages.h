// Pages in the statistics site's markup, as the downloader's tests serve them.
#pragma once

#include <string>
#include <vector>

struct DOWNLOAD_PLAYER {
    std::string stId, stLast, stFirst, stPosition;
    int nGames = 16;
    int nUniform = 12, nWeight = 220, nHeight = 74;
    int nBirthYear = 1995, nBirthMonth = 4, nBirthDay = 12;
};

// One player's row of a team's roster table.
std::string Roster_Page_Line(const DOWNLOAD_PLAYER& player);
// A team's roster page: the starters' block (may be empty), then the roster table, a row a line.
std::string Roster_Page(const std::vector<DOWNLOAD_PLAYER>& players, const std::string& stStarters);
