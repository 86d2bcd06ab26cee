// Playbook files: the Save and Load dialogs driven headless, the reader's scratch image, the
// analyzer and the defensive-scheme check.
#include <gtest/gtest.h>
#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

#include "database/database.h"
#include "engine/engine.h"
#include "fixtures/fixture_league.h"
#include "platform/test_api.h"
#include "resources/resource.h"
#include "setup/setup.h"
#include "shell/shell.h"

namespace {

#define PLAYBOOK_NAME_EDIT 1082
#define PLAYBOOK_FILE_LIST 1444
#define ANALYZER_FORMATION_TEXT 1466
#define ANALYZER_FIRST_POSITION 1471
#define ANALYZER_PLAY_COUNTS 1476
#define PLAYBOOK_TEAM 3

std::vector<uint8_t> Read_Whole_File(const char* szPath) {
    std::vector<uint8_t> abData;
    FILE* pFile = fopen(szPath, "rb");
    if (pFile == NULL)
        return abData;
    int c;
    while ((c = fgetc(pFile)) != EOF)
        abData.push_back((uint8_t)c);
    fclose(pFile);
    return abData;
}

void Write_Whole_File(const char* szPath, const uint8_t* pData, size_t nSize) {
    FILE* pFile = fopen(szPath, "wb");
    ASSERT_TRUE(pFile != NULL);
    fwrite(pData, 1, nSize, pFile);
    fclose(pFile);
}

// Every byte of the image set, the uninterpreted stretches too.
void Fill_Pattern(uint8_t* pImage, int nSize, int nSeed) {
    for (int n = 0; n < nSize; n++)
        pImage[n] = (uint8_t)(n * 7 + nSeed);
}

class PlaybookFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        Build_Fixture_League();
        gAllTeamsComputer = 0;
        gCommissionerMode = 0;
        gDialogTeam = PLAYBOOK_TEAM;
        Set_Team_Stat(PLAYBOOK_TEAM, TEAM_CONTROL, CONTROL_HUMAN);
        system("rm -rf playbooks");
        Platform_Make_Directory("playbooks");
    }
    void TearDown() override {
        system("rm -rf playbooks");
    }
};

// Saved through the dialog and loaded back through the other: the file is the image byte for byte,
// and loading it restores every byte of the team's image.
TEST_F(PlaybookFilesTest, SaveAndLoadRoundTripByteExact) {
    for (int bDefence = 0; bDefence <= 1; bDefence++) {
        SCOPED_TRACE(bDefence ? "defence" : "offence");
        gPlaybookSide = bDefence;
        int nSize = Get_Playbook_Image_Size(bDefence);
        uint8_t* pImage = Get_Team_Playbook_Image(PLAYBOOK_TEAM, bDefence);
        Fill_Pattern(pImage, nSize, 11 + bDefence);
        std::vector<uint8_t> abSaved(pImage, pImage + nSize);
        Test_Script_Dialog(IDD_SAVE_PLAYBOOK, [&](HWND hDlg) {
            SetDlgItemTextA(hDlg, PLAYBOOK_NAME_EDIT, "Trip");
            Test_Click_Control(hDlg, IDOK);
        });
        EXPECT_EQ(Open_Dialog(NULL, IDD_SAVE_PLAYBOOK), 1);
        // The name typed is stored in the image before it is written.
        const char* szNameField = reinterpret_cast<const char*>(
            pImage + (bDefence ? offsetof(DEFENSIVE_PLAYBOOK, szName)
                               : offsetof(OFFENSIVE_PLAYBOOK, szName)));
        EXPECT_STREQ(szNameField, "Trip");
        abSaved.assign(pImage, pImage + nSize);
        EXPECT_EQ(Read_Whole_File(bDefence ? "playbooks/Trip.dpb" : "playbooks/Trip.opb"), abSaved);

        memset(pImage, 0, nSize);
        Test_Script_Dialog(IDD_LOAD_PLAYBOOK, [&](HWND hDlg) {
            char szRow[64] = "";
            SendDlgItemMessageA(hDlg, PLAYBOOK_FILE_LIST, LB_GETTEXT, 0, (LPARAM)szRow);
            EXPECT_STREQ(szRow, "Trip");
            Test_Click_Control(hDlg, IDOK);
        });
        EXPECT_EQ(Open_Dialog(NULL, IDD_LOAD_PLAYBOOK), 1);
        EXPECT_EQ(std::vector<uint8_t>(pImage, pImage + nSize), abSaved);
    }
}

// A file one byte short is refused and the team keeps its playbook; one byte long is accepted.
TEST_F(PlaybookFilesTest, ShortFileIsRefusedWithTheTeamUnchanged) {
    gPlaybookSide = 1;
    uint8_t* pImage = Get_Team_Playbook_Image(PLAYBOOK_TEAM, 1);
    std::vector<uint8_t> abBefore(pImage, pImage + DEFENSIVE_PLAYBOOK_BYTES);
    std::vector<uint8_t> abFile(DEFENSIVE_PLAYBOOK_BYTES + 1, 0x5A);
    Write_Whole_File("playbooks/Short.dpb", abFile.data(), DEFENSIVE_PLAYBOOK_BYTES - 1);
    Test_Answer_Message_Box_With_Caption("Read Error", IDOK);
    bool bStayedOpen = false;
    Test_Script_Dialog(IDD_LOAD_PLAYBOOK, [&](HWND hDlg) {
        Test_Click_Control(hDlg, IDOK);
        bStayedOpen = IsWindow(hDlg);
        Test_Click_Control(hDlg, IDCANCEL);
    });
    EXPECT_EQ(Open_Dialog(NULL, IDD_LOAD_PLAYBOOK), 2);
    EXPECT_TRUE(bStayedOpen);
    EXPECT_EQ(std::vector<uint8_t>(pImage, pImage + DEFENSIVE_PLAYBOOK_BYTES), abBefore);
    // The message says why: the file is a byte short of a defensive playbook.
    std::string stWhy;
    for (const TEST_SHOWN& shown : Test_Get_Transcript())
        if (shown.stCaption == "Read Error")
            stWhy = shown.stText;
    EXPECT_EQ(stWhy,
              "Unable to load playbook file.\n\nThe file playbooks/Short.dpb holds 9515 "
              "bytes, but a defensive playbook takes 9516: it is damaged or cut short.");

    Write_Whole_File("playbooks/Long.dpb", abFile.data(), abFile.size());
    EXPECT_EQ(Read_Playbook_File(PLAYBOOK_TEAM, PLAYBOOK_FILE_DEFENCE, "Long"), 1);
    EXPECT_EQ(pImage[0], 0x5A);
}

// Team -1 and a league slot not in use read into the scratch image; 36..40 are teams.
TEST_F(PlaybookFilesTest, ReaderFillsTheScratchImageForNoTeam) {
    std::vector<uint8_t> abFile(OFFENSIVE_PLAYBOOK_BYTES, 0x21);
    Write_Whole_File("playbooks/Scratch.opb", abFile.data(), abFile.size());
    std::vector<uint8_t> abTeam(Get_Team_Playbook_Image(0, 0),
                                Get_Team_Playbook_Image(0, 0) + OFFENSIVE_PLAYBOOK_BYTES);
    for (int nTeam : {-1, FIXTURE_TEAM_COUNT + 1}) {
        memset(Get_Scratch_Playbook_Image(0), 0, OFFENSIVE_PLAYBOOK_BYTES);
        EXPECT_EQ(Read_Playbook_File(nTeam, PLAYBOOK_FILE_OFFENCE, "Scratch"), 1);
        EXPECT_EQ(Get_Scratch_Playbook_Image(0)[100], 0x21);
    }
    EXPECT_EQ(std::vector<uint8_t>(Get_Team_Playbook_Image(0, 0),
                                   Get_Team_Playbook_Image(0, 0) + OFFENSIVE_PLAYBOOK_BYTES),
              abTeam);
    memset(Get_Scratch_Playbook_Image(0), 0, OFFENSIVE_PLAYBOOK_BYTES);
    EXPECT_EQ(Read_Playbook_File(FREE_AGENT_TEAM, PLAYBOOK_FILE_OFFENCE, "Scratch"), 1);
    EXPECT_EQ(Get_Team_Playbook_Image(FREE_AGENT_TEAM, 0)[100], 0x21);
    EXPECT_EQ(Get_Scratch_Playbook_Image(0)[100], 0);
}

// A typed name is a file name: a path is refused with a message and nothing is written outside.
TEST_F(PlaybookFilesTest, SaveRefusesPathsAndAsksBeforeOverwriting) {
    gPlaybookSide = 0;
    for (const char* szName : {"../Escape", "sub/Book", "", ".."}) {
        SCOPED_TRACE(szName);
        Test_Clear_Transcript();
        Test_Answer_Message_Box_With_Caption("Invalid Playbook Name", IDOK);
        Test_Script_Dialog(IDD_SAVE_PLAYBOOK, [&](HWND hDlg) {
            SetDlgItemTextA(hDlg, PLAYBOOK_NAME_EDIT, szName);
            Test_Click_Control(hDlg, IDOK);
            EXPECT_TRUE(IsWindow(hDlg));
            Test_Click_Control(hDlg, IDCANCEL);
        });
        EXPECT_EQ(Open_Dialog(NULL, IDD_SAVE_PLAYBOOK), 0);
    }
    EXPECT_TRUE(Read_Whole_File("Escape.opb").empty());

    // An existing name asks; Cancel keeps the dialog open and the file as it was.
    std::vector<uint8_t> abOld(10, 1);
    Write_Whole_File("playbooks/Taken.opb", abOld.data(), abOld.size());
    Test_Answer_Message_Box_With_Caption("Filename in use", IDCANCEL);
    Test_Script_Dialog(IDD_SAVE_PLAYBOOK, [&](HWND hDlg) {
        SetDlgItemTextA(hDlg, PLAYBOOK_NAME_EDIT, "Taken");
        Test_Click_Control(hDlg, IDOK);
        EXPECT_TRUE(IsWindow(hDlg));
        Test_Click_Control(hDlg, IDCANCEL);
    });
    EXPECT_EQ(Open_Dialog(NULL, IDD_SAVE_PLAYBOOK), 0);
    EXPECT_EQ(Read_Whole_File("playbooks/Taken.opb"), abOld);
    EXPECT_STREQ(Get_Team_Offensive_Playbook(PLAYBOOK_TEAM)->szName, "Taken");
}

// An empty stored name proposes the nickname and the season; an empty folder closes the Load
// dialog with the side's notice.
TEST_F(PlaybookFilesTest, DefaultNameAndEmptyFolder) {
    gPlaybookSide = 1;
    Get_Team_Defensive_Playbook(PLAYBOOK_TEAM)->szName[0] = 0;
    char szNickname[64];
    Get_Team_String(szNickname, sizeof szNickname, PLAYBOOK_TEAM, TEAM_NICKNAME);
    std::string stProposed;
    Test_Script_Dialog(IDD_SAVE_PLAYBOOK, [&](HWND hDlg) {
        stProposed = Test_Control_Text(hDlg, PLAYBOOK_NAME_EDIT);
    });
    Open_Dialog(NULL, IDD_SAVE_PLAYBOOK);
    EXPECT_EQ(stProposed, std::string(szNickname) + "-" + std::to_string(Get_Season_Year()));

    Test_Answer_Message_Box_With_Caption("No Defensive Playbooks Files", IDOK);
    EXPECT_EQ(Open_Dialog(NULL, IDD_LOAD_PLAYBOOK), 2);
}

// Plays all in one formation: one row, and the averages are that formation's own counts.
TEST_F(PlaybookFilesTest, AnalyzerListsTheOneFormation) {
    gPlaybookSide = 1;
    DEFENSIVE_PLAYBOOK book;
    Build_Scheme_Defensive_Playbook(0, &book);
    for (DEFENSIVE_PLAY& play : book.aPlays)
        play.nFormation = FORMATION_3_4;
    Write_Whole_File("playbooks/One.dpb", reinterpret_cast<uint8_t*>(&book), sizeof book);
    std::string stFormations, stPlays, stLinebackers;
    Test_Script_Dialog(IDD_LOAD_PLAYBOOK, [&](HWND hDlg) {
        stFormations = Test_Control_Text(hDlg, ANALYZER_FORMATION_TEXT);
        stPlays = Test_Control_Text(hDlg, ANALYZER_PLAY_COUNTS);
        stLinebackers = Test_Control_Text(hDlg, ANALYZER_FIRST_POSITION + 2);
    });
    Open_Dialog(NULL, IDD_LOAD_PLAYBOOK);
    EXPECT_EQ(stFormations, "MOST USED FORMATIONS\n3-4\n\nAVERAGE");
    EXPECT_EQ(stPlays, "PLAYS\n30\n");
    EXPECT_EQ(stLinebackers, "LB\n4\n\n4.0");
}

// The built-in playbook has 8 plays for the 3-4: a human team is asked, a computer team gets the
// 3-4 playbook at once; the 4-3 has enough; a missing file says so and changes nothing.
TEST_F(PlaybookFilesTest, SchemeCheckOffersTheMatchingPlaybook) {
    ASSERT_EQ(Write_Scheme_Playbook_Files(), 1);
    struct CASE {
        int nScheme, bHuman, nAnswer;
        const char* szName;  // the playbook afterwards
        bool bAsked;
    };
    const CASE aCases[] = {
        {1, 1, IDNO, "", true},
        {1, 1, IDYES, "3-4", true},
        {1, 0, 0, "3-4", false},
        {0, 1, 0, "", false},
    };
    for (const CASE& c : aCases) {
        SCOPED_TRACE(testing::Message() << "scheme " << c.nScheme << " human " << c.bHuman);
        Set_Team_Default_Playbook(PLAYBOOK_TEAM);
        Get_Team_Defensive_Playbook(PLAYBOOK_TEAM)->szName[0] = 0;
        Set_Team_Stat(PLAYBOOK_TEAM, TEAM_CONTROL, c.bHuman ? CONTROL_HUMAN : CONTROL_COMPUTER);
        Set_Team_Stat(PLAYBOOK_TEAM, TEAM_DEFENSIVE_SCHEME, c.nScheme);
        Test_Clear_Transcript();
        if (c.bAsked)
            Test_Answer_Message_Box_With_Caption("Load matching playbook?", c.nAnswer);
        Check_Defensive_Playbook_Scheme(PLAYBOOK_TEAM);
        EXPECT_STREQ(Get_Team_Defensive_Playbook(PLAYBOOK_TEAM)->szName, c.szName);
        EXPECT_EQ(Test_Get_Transcript().size(), c.bAsked ? 1u : 0u);
        if (c.bAsked) {
            EXPECT_NE(Test_Get_Transcript()[0].stText.find("currently has 8 plays (out of 30)"),
                      std::string::npos)
                << Test_Get_Transcript()[0].stText;
        }
    }
    // Commissioner Mode still asks before a human team's playbook is replaced.
    gCommissionerMode = 1;
    Set_Team_Default_Playbook(PLAYBOOK_TEAM);
    Get_Team_Defensive_Playbook(PLAYBOOK_TEAM)->szName[0] = 0;
    Set_Team_Stat(PLAYBOOK_TEAM, TEAM_CONTROL, CONTROL_HUMAN);
    Set_Team_Stat(PLAYBOOK_TEAM, TEAM_DEFENSIVE_SCHEME, 1);
    Test_Clear_Transcript();
    Test_Answer_Message_Box_With_Caption("Load matching playbook?", IDNO);
    Check_Defensive_Playbook_Scheme(PLAYBOOK_TEAM);
    EXPECT_EQ(Test_Get_Transcript().size(), 1u);
    EXPECT_STREQ(Get_Team_Defensive_Playbook(PLAYBOOK_TEAM)->szName, "");

    // Without the file: "Load Error", the playbook as it was.
    remove("playbooks/3-4.dpb");
    Set_Team_Stat(PLAYBOOK_TEAM, TEAM_CONTROL, CONTROL_COMPUTER);
    Test_Clear_Transcript();
    Test_Answer_Message_Box_With_Caption("Load Error", IDOK);
    Check_Defensive_Playbook_Scheme(PLAYBOOK_TEAM);
    ASSERT_EQ(Test_Get_Transcript().size(), 1u);
    EXPECT_NE(Test_Get_Transcript()[0].stText.find("Unable to find 3-4 playbook."),
              std::string::npos);
    EXPECT_STREQ(Get_Team_Defensive_Playbook(PLAYBOOK_TEAM)->szName, "");
}

// Delete asks with the file's full name; No keeps it, Yes removes it and the list follows.
TEST_F(PlaybookFilesTest, DeleteAsksThenRemovesTheFile) {
    gPlaybookSide = 1;
    ASSERT_EQ(Write_Scheme_Playbook_Files(), 1);
    int nRowsAfter = -1;
    Test_Answer_Message_Box_With_Text("Are you sure you want to delete '3-4.dpb'?", IDNO);
    Test_Answer_Message_Box_With_Text("Are you sure you want to delete '3-4.dpb'?", IDYES);
    Test_Script_Dialog(IDD_LOAD_PLAYBOOK, [&](HWND hDlg) {
        Test_Click_Control(hDlg, 3);
        EXPECT_FALSE(Read_Whole_File("playbooks/3-4.dpb").empty());
        Test_Click_Control(hDlg, 3);
        nRowsAfter = (int)SendDlgItemMessageA(hDlg, PLAYBOOK_FILE_LIST, LB_GETCOUNT, 0, 0);
    });
    Open_Dialog(NULL, IDD_LOAD_PLAYBOOK);
    EXPECT_TRUE(Read_Whole_File("playbooks/3-4.dpb").empty());
    EXPECT_FALSE(Read_Whole_File("playbooks/4-3.dpb").empty());
    EXPECT_EQ(nRowsAfter, 1);
}

// The card plays as rows (each field followed by a comma) and the summaries over them.
TEST_F(PlaybookFilesTest, PlaysCsvListsTheCardPlays) {
    OFFENSIVE_PLAYBOOK* pBook = Get_Team_Offensive_Playbook(PLAYBOOK_TEAM);
    memset(pBook->abCardData, 0, TEAM_OFFENSIVE_PLAY_COUNT);
    const uint8_t kCards[2][9] = {{1, 2, 4, 0, 9, 5, 15, 3, 3},  // touchdown, long pass
                                  {0, 7, 0, 1, 2, 1, 4, 0, 0}};  // field goal, no bonus
    for (int nPlay : {0, 5}) {
        pBook->abCardData[nPlay] = 1;
        snprintf(pBook->aPlays[nPlay].szName, 54, "Card %d", nPlay);
        memcpy(reinterpret_cast<uint8_t*>(&pBook->aPlays[nPlay]) + 54, kCards[nPlay ? 1 : 0], 9);
    }
    ASSERT_EQ(Export_Playbook_Plays_CSV("plays.csv"), 1);
    std::vector<uint8_t> abText = Read_Whole_File("plays.csv");
    std::string stText(abText.begin(), abText.end());
    remove("plays.csv");
    EXPECT_EQ(stText.find("Number,Play Name,Score Type,Offense1,Offense2,Defense1,Defense2,"
                          "Bonus Rating,Bonus Position,Bonus Value\n"),
              0u);
    EXPECT_NE(stText.find("0,Card 0,Touchdown,Rushing,Receiving,Run Defense,None,Passing,"
                          "Any Position,3,Long Pass,\n"),
              std::string::npos)
        << stText;
    EXPECT_NE(stText.find("5,Card 5,Field Goal,None,Pass Blocking,Pass Rush,Coverage,,,0,"
                          "Inside Run,\n"),
              std::string::npos)
        << stText;
    EXPECT_NE(stText.find("Field Goal,1,50%,\"[40%]\""), std::string::npos);
    EXPECT_NE(stText.find(",3,,[3-4]"), std::string::npos) << stText;
    EXPECT_NE(stText.find("Long Pass,1,50%,[24%]"), std::string::npos);
}

}  // namespace
