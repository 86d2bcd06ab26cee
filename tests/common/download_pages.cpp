// Roster pages in the markup the downloader reads: each field after its marker at the distance
// the reader counts.
#include "common/download_pages.h"

#include <cstdio>

std::string Roster_Page_Line(const DOWNLOAD_PLAYER& player) {
    char szBirth[32];
    snprintf(szBirth, sizeof(szBirth), "%04d-%02d-%02d", player.nBirthYear, player.nBirthMonth,
             player.nBirthDay);
    std::string st = "<tr><th data-stat=\"uniform_number\" >" + std::to_string(player.nUniform) +
                     "</th>";
    st += "<td data-stat=\"player\" csk=\"" + player.stLast + "," + player.stFirst +
          "\" data-append-csv=\"" + player.stId + "\">" + player.stFirst + "</td>";
    st += "<td data-stat=\"pos\" data-x=\"1\">" + player.stPosition + "</td>";
    st += "<td data-stat=\"g\" >" + std::to_string(player.nGames) + "</td>";
    st += "<td data-stat=\"gs\" >16</td>";
    st += "<td data-stat=\"weight\" >" + std::to_string(player.nWeight) + "</td>";
    st += "<td data-stat=\"height\" csk=\"" + std::to_string(player.nHeight) + "\" >x</td>";
    st += std::string("<td data-stat=\"birth_date_mod\" dx=1>") + szBirth + "</td>";
    st += "<td data-stat=\"college_id\" >State, Other</td>";
    st += "<td data-stat=\"experience\" dx=1>4</td>";
    st += "<td data-stat=\"draft_info\" >Comets / 1st / 10th pick / <a "
          "href=\"/years/2017/\">2017</a></td>";
    return st + "</tr>";
}

std::string Roster_Page(const std::vector<DOWNLOAD_PLAYER>& players,
                        const std::string& stStarters) {
    std::string st = "<html>\n" + stStarters + "<table id=\"roster\" data-title=\"Roster\">\n";
    for (const DOWNLOAD_PLAYER& player : players)
        st += Roster_Page_Line(player) + "\n";
    return st + "</table></html>\n";
}
