// ShellExecuteA headless: what is asked for is kept and nothing is started; paths that do not
// exist and verbs the desktop does not know are errors.
#include <gtest/gtest.h>

#include <stdio.h>
#include <string.h>

#include "platform/test_api.h"

namespace {

int Shell_Result(HINSTANCE hResult) {
    return (int)(INT_PTR)hResult;
}

class MainwinShellExecuteTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Clear_Shell_Opens();
    }
    void TearDown() override {
        Test_Clear_Shell_Opens();
    }
};

TEST_F(MainwinShellExecuteTest, AddressesAndExistingFilesAreOpened) {
    FILE* pFile = fopen("Debug.txt", "w");
    ASSERT_NE(pFile, (FILE*)NULL);
    fclose(pFile);
    EXPECT_GT(Shell_Result(ShellExecuteA(NULL, "open", "https://footballvanto.example/update", NULL,
                                         NULL, SW_SHOWNORMAL)),
              32);
    // The name matched without regard to case, relative to the folder given.
    char szFolder[4096];
    ASSERT_NE(GetCurrentDirectoryA(sizeof(szFolder), szFolder), 0u);
    EXPECT_GT(Shell_Result(ShellExecuteA(NULL, NULL, "debug.txt", "", szFolder, SW_SHOW)), 32);

    const std::vector<TEST_SHELL_OPEN>& aOpens = Test_Get_Shell_Opens();
    ASSERT_EQ(aOpens.size(), 2u);
    EXPECT_EQ(aOpens[0].stFile, "https://footballvanto.example/update");
    EXPECT_EQ(aOpens[0].stVerb, "open");
    EXPECT_EQ(aOpens[1].stFile, std::string(szFolder) + "/Debug.txt");
    EXPECT_EQ(aOpens[1].nShowCmd, SW_SHOW);
}

TEST_F(MainwinShellExecuteTest, BadRequestsAreErrorsAndNothingIsOpened) {
    EXPECT_EQ(Shell_Result(ShellExecuteA(NULL, "open", "no-such-file.txt", NULL, NULL, 1)),
              SE_ERR_FNF);
    EXPECT_EQ(Shell_Result(ShellExecuteA(NULL, "open", "", NULL, NULL, 1)), SE_ERR_FNF);
    EXPECT_EQ(Shell_Result(ShellExecuteA(NULL, "open", NULL, NULL, NULL, 1)), SE_ERR_FNF);
    EXPECT_EQ(
        Shell_Result(ShellExecuteA(NULL, "print", "https://footballvanto.example/", NULL, NULL, 1)),
        SE_ERR_NOASSOC);
    EXPECT_TRUE(Test_Get_Shell_Opens().empty());
}

TEST_F(MainwinShellExecuteTest, WorkingFolderInABufferTooSmallGivesTheSizeNeeded) {
    char szFolder[4096];
    DWORD nLength = GetCurrentDirectoryA(sizeof(szFolder), szFolder);
    ASSERT_GT(nLength, 0u);
    EXPECT_EQ(strlen(szFolder), nLength);
    char szSmall[2] = {'x', 0};
    EXPECT_EQ(GetCurrentDirectoryA(sizeof(szSmall), szSmall), nLength + 1);
    EXPECT_EQ(szSmall[0], 'x');
}

}  // namespace
