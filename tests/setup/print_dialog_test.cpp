// The Print dialog: the file name checked, the file written, then printed and opened.
#include <gtest/gtest.h>

#include <string>

#include "common/text_files.h"
#include "database/database.h"
#include "fixtures/fixture_league.h"
#include "platform/test_api.h"
#include "resources/resource.h"
#include "shell/shell.h"

namespace {

#define PRINT_FORMAT 1226
#define PRINT_FILE_NAME 1082
#define PRINT_TO_PRINTER 1022
#define PRINT_VIEW_FILE 1023

class PrintDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        Build_Fixture_League();
        gDialogTeam = 0;
    }

    // Prints with the name and format; returns the texts of the boxes shown.
    static std::string Print(const std::string& stName, int nFormat, bool bPrint, bool bView) {
        Test_Clear_Transcript();
        Test_Script_Dialog(IDD_PRINT, [&](HWND hDlg) {
            Test_Choose_Row(hDlg, PRINT_FORMAT, nFormat);
            Test_Type_Into(hDlg, PRINT_FILE_NAME, stName);
            if (bPrint)
                Test_Click_Control(hDlg, PRINT_TO_PRINTER);
            if (bView)
                Test_Click_Control(hDlg, PRINT_VIEW_FILE);
            Test_Click_Control(hDlg, IDOK);
            Test_Click_Control(hDlg, IDCANCEL);
        });
        Do_Dialog(NULL, IDD_PRINT, 0);
        std::string stShown;
        for (const TEST_SHOWN& s : Test_Get_Transcript())
            if (s.nKind == TEST_SHOWN_MESSAGE_BOX)
                stShown += s.stText + "\n";
        return stShown;
    }
};

TEST_F(PrintDialogTest, WritesTheFileThenPrintsAndOpensIt) {
    std::string stShown = Print("passing", 1, true, true);
    EXPECT_EQ(stShown, "Player statistics successfully written to Output\\passing.csv\n");
    EXPECT_EQ(Read_Text_File("Output\\passing.csv").rfind("Last,First,Team", 0), 0u);
    const std::vector<TEST_SHELL_OPEN>& opens = Test_Get_Shell_Opens();
    ASSERT_EQ(opens.size(), 1u);  // the layer has no printer: "print" is refused, quietly
    EXPECT_EQ(opens[0].stVerb, "open");
    EXPECT_NE(opens[0].stFile.find("Output/passing.csv"), std::string::npos);
    EXPECT_EQ(Get_User_Preference(76), 1);  // the format is remembered
}

TEST_F(PrintDialogTest, RefusesAnEmptyNameOrAPathAndOpensNoFailedFile) {
    EXPECT_NE(Print("", 0, false, true).find("You need to enter a filename"), std::string::npos);
    EXPECT_NE(Print("../elsewhere", 0, false, true).find("is not a file name"), std::string::npos);
    Platform_Make_Directory("Output");
    Platform_Make_Directory("Output/taken.txt");  // a folder where the file would go
    EXPECT_NE(Print("taken", 2, true, true).find("Unable to write to file Output\\taken.txt"),
              std::string::npos);
    EXPECT_TRUE(Test_Get_Shell_Opens().empty());
}

}  // namespace
