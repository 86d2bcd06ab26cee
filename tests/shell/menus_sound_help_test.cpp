// Sound effects through PlaySound, and the help pages opened with the shell.
#include "database/database.h"
#include "menus_window_fixture.h"

#include <stdlib.h>
#include <sys/stat.h>

namespace menus_sound_help_test {

using menus_test::MenusWindowTest;

TEST(MenusSoundTest, SoundsPlayOnlyWhileSoundEffectsAreOn) {
    Test_Reset_Platform();
    gSoundEffects = 0;
    EXPECT_EQ(Play_Sound("button.wav"), 0);
    EXPECT_EQ(Test_Get_Last_Sound().nCount, 0);

    gSoundEffects = 1;
    Play_Sound("button.wav");
    TEST_SOUND sound = Test_Get_Last_Sound();
    EXPECT_EQ(sound.stFile, "sound/button.wav");
    EXPECT_EQ(sound.fdwSound, 0x20001u);  // SND_FILENAME | SND_ASYNC
    EXPECT_EQ(sound.nCount, 1);

    Stop_Sound();
    EXPECT_EQ(Test_Get_Last_Sound().stFile, "");
    EXPECT_EQ(Test_Get_Last_Sound().nCount, 1);
    gSoundEffects = 0;
    Test_Reset_Platform();
}

TEST(MenusSoundTest, PlaySoundAnswersWhetherTheFileCanPlay) {
    Test_Reset_Platform();
    EXPECT_FALSE(PlaySoundA("no-such-sound.wav", NULL, SND_FILENAME | SND_ASYNC));
    FILE* pFile = fopen("menus-test.wav", "wb");
    ASSERT_NE(pFile, nullptr);
    fclose(pFile);
    EXPECT_TRUE(PlaySoundA("menus-test.wav", NULL, SND_FILENAME | SND_ASYNC));
    EXPECT_FALSE(PlaySoundA("menus-test.wav", NULL, SND_MEMORY)) << "only files play";
    EXPECT_EQ(Test_Get_Last_Sound().nCount, 3);
    Test_Reset_Platform();
}

TEST(MenusHelpTest, TopicsByDialogPageAndListKind) {
    const struct {
        int nId;
        int nListKind;
        const char* szTopic;
    } kCases[] = {
        {0, 0, "contents"},
        {IDD_SORTABLE_STATS, 0, "roster"},
        {IDD_SORTABLE_STATS, 1, "freeagents"},
        {IDD_SORTABLE_STATS, 2, "collegedraft"},
        {IDD_SORTABLE_STATS, 3, "roster"},
        {IDD_FREE_AGENTS, 0, "freeagents"},
        {IDD_START_FANTASY_DRAFT, 0, "fantasyDraft"},
        {1010, 0, "gamemode"},
        {ID_NEWS_HALL_OF_FAME, 0, "object"},
        {ID_NEWS_HALL_OF_FAME_TABS, 0, "object"},
        {ID_NEWS_GAMES, 0, "games"},
        {IDD_ABOUT, 0, "playing"},  // any other id
        {-1, 0, "playing"},
    };
    for (const auto& c : kCases) {
        gListKind = c.nListKind;
        EXPECT_STREQ(Get_Help_Topic(c.nId), c.szTopic) << c.nId << " kind " << c.nListKind;
    }
    gListKind = 0;
}

TEST_F(MenusWindowTest, HelpOpensThePageUnderTheWorkingFolder) {
    char szFolder[1024];
    ASSERT_NE(GetCurrentDirectoryA(sizeof(szFolder), szFolder), 0u);
    mkdir("Help", 0755);
    for (const char* szPage : {"Help/freeagents.htm", "Help/playing.htm"}) {
        FILE* pFile = fopen(szPage, "w");
        ASSERT_NE(pFile, nullptr);
        fclose(pFile);
    }
    gListKind = 1;
    Show_Help_Topic(IDD_SORTABLE_STATS);
    gListKind = 0;
    const std::vector<TEST_SHELL_OPEN>& calls = Test_Get_Shell_Opens();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].stVerb, "open");
    EXPECT_EQ(calls[0].stFile, std::string(szFolder) + "/Help/freeagents.htm");  // resolved
    EXPECT_EQ(calls[0].nShowCmd, SW_SHOWNORMAL);

    Show_Help_Topic(IDD_ABOUT);
    ASSERT_EQ(Test_Get_Shell_Opens().size(), 2u);
    EXPECT_NE(Test_Get_Shell_Opens()[1].stFile.find("playing.htm"), std::string::npos);
}

// Every topic the program can open has its page in the installation's Help folder.
TEST(MenusHelpTest, EveryTopicHasItsPage) {
    const char* szSource = getenv("VANTO_SOURCE_DIR");
    ASSERT_NE(szSource, nullptr);
    std::vector<int> aIds = {0, 1010, IDD_FREE_AGENTS, IDD_COLLEGE_DRAFT, IDD_BROADCAST};
    for (int nId = IDD_ABOUT; nId <= IDD_EDIT_RATINGS; nId++)
        aIds.push_back(nId);
    for (int nId = ID_NEWS_STANDINGS; nId <= ID_NEWS_GAMES; nId++)
        aIds.push_back(nId);
    for (int nKind = 0; nKind < 3; nKind++) {
        gListKind = nKind;
        for (int nId : aIds) {
            std::string stPath =
                std::string(szSource) + "/data/Help/" + Get_Help_Topic(nId) + ".htm";
            struct stat st;
            EXPECT_EQ(stat(stPath.c_str(), &st), 0) << stPath;
        }
    }
    gListKind = 0;
}

}  // namespace menus_sound_help_test
