// What the art needs to know of the default league, read from the data folder the build copies
// into the installation folder: the city table's names and the team files' stadiums and home
// names.
#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <filesystem>

#include "art_catalogue.h"

namespace {

// A name becomes a file name: nothing that would leave its folder.
bool Art_Is_File_Name(const std::string& sName) {
    return !sName.empty() && sName.find_first_of("/\\:") == std::string::npos && sName[0] != '.';
}

std::vector<std::string> Art_Split_Csv(const std::string& sLine) {
    std::vector<std::string> aFields;
    size_t nStart = 0;
    while (true) {
        size_t nComma = sLine.find(',', nStart);
        aFields.push_back(sLine.substr(
            nStart, nComma == std::string::npos ? std::string::npos : nComma - nStart));
        if (nComma == std::string::npos)
            break;
        nStart = nComma + 1;
    }
    for (std::string& sField : aFields)
        while (!sField.empty() && (sField.back() == '\r' || sField.back() == '\n'))
            sField.pop_back();
    return aFields;
}

void Art_Add_Home(const std::vector<std::string>& aFields, int nHome,
                  std::vector<std::string>* pHomes) {
    if (pHomes == nullptr || nHome < 0 || nHome >= static_cast<int>(aFields.size()) ||
        !Art_Is_File_Name(aFields[nHome]))
        return;
    if (std::find(pHomes->begin(), pHomes->end(), aFields[nHome]) == pHomes->end())
        pHomes->push_back(aFields[nHome]);
}

// The stadiums and the home names of one team file, found by the columns its heading names.
void Art_Read_Team_File(const std::filesystem::path& path, std::vector<ART_STADIUM>* pStadiums,
                        std::vector<std::string>* pHomes) {
    FILE* pFile = fopen(path.string().c_str(), "r");
    if (!pFile)
        return;
    char szLine[1024];
    int nName = -1, nStructure = -1, nHome = -1;
    bool bHeading = true;
    while (fgets(szLine, sizeof szLine, pFile)) {
        std::vector<std::string> aFields = Art_Split_Csv(szLine);
        if (bHeading) {
            for (size_t i = 0; i < aFields.size(); i++) {
                if (aFields[i] == "Stadium")
                    nName = static_cast<int>(i);
                if (aFields[i] == "Structure")
                    nStructure = static_cast<int>(i);
                if (aFields[i] == "Home")
                    nHome = static_cast<int>(i);
            }
            bHeading = false;
            continue;
        }
        Art_Add_Home(aFields, nHome, pHomes);
        if (nName < 0 || nName >= static_cast<int>(aFields.size()) ||
            !Art_Is_File_Name(aFields[nName]))
            continue;
        std::string sStructure = nStructure >= 0 && nStructure < static_cast<int>(aFields.size())
                                     ? aFields[nStructure]
                                     : "";
        ART_STRUCTURE eStructure = sStructure == "DOMED"         ? ART_DOMED
                                   : sStructure == "CONVERTIBLE" ? ART_CONVERTIBLE
                                                                 : ART_OPEN;
        const std::string& sName = aFields[nName];
        auto same = [&](const ART_STADIUM& stadium) { return stadium.sName == sName; };
        if (std::none_of(pStadiums->begin(), pStadiums->end(), same))
            pStadiums->push_back(ART_STADIUM{sName, eStructure});
    }
    fclose(pFile);
}

}  // namespace

bool Art_Read_Cities(const std::string& sDataFolder, std::vector<std::string>* pCities) {
    std::string sPath = sDataFolder + "/Cities.txt";
    FILE* pFile = fopen(sPath.c_str(), "r");
    if (!pFile) {
        fprintf(stderr, "art_tool: cannot read the city table %s\n", sPath.c_str());
        return false;
    }
    char szLine[512];
    while (fgets(szLine, sizeof szLine, pFile)) {
        std::string sCity = Art_Split_Csv(szLine)[0];
        if (Art_Is_File_Name(sCity))
            pCities->push_back(sCity);
    }
    fclose(pFile);
    if (pCities->empty())
        fprintf(stderr, "art_tool: the city table %s holds no city\n", sPath.c_str());
    return !pCities->empty();
}

void Art_Read_Stadiums(const std::string& sDataFolder, std::vector<ART_STADIUM>* pStadiums,
                       std::vector<std::string>* pHomes) {
    std::error_code error;
    std::vector<std::filesystem::path> aFiles;
    for (const auto& entry :
         std::filesystem::directory_iterator(sDataFolder + "/Input/Stats", error)) {
        std::string sName = entry.path().filename().string();
        if (sName.size() > 10 && sName.compare(sName.size() - 10, 10, "_teams.csv") == 0)
            aFiles.push_back(entry.path());
    }
    std::sort(aFiles.begin(), aFiles.end());  // the same order on every file system
    for (const std::filesystem::path& path : aFiles)
        Art_Read_Team_File(path, pStadiums, pHomes);
}

bool Art_Read_League(const std::string& sDataFolder, ART_LEAGUE* pLeague) {
    if (!Art_Read_Cities(sDataFolder, &pLeague->aCities))
        return false;
    // A team whose home is a region rather than a city of the table has its logo by that name.
    std::vector<std::string> aHomes;
    Art_Read_Stadiums(sDataFolder, &pLeague->aStadiums, &aHomes);
    for (const std::string& sHome : aHomes)
        if (std::find(pLeague->aCities.begin(), pLeague->aCities.end(), sHome) ==
            pLeague->aCities.end())
            pLeague->aCities.push_back(sHome);
    return true;
}
