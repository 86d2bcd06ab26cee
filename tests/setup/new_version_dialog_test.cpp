// The New Version Available dialog: Learn More opens the installation's page about updates and
// leaves the dialog open; Cancel ends it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "common/text_files.h"
#include "platform/test_api.h"
#include "resources/resource.h"
#include "shell/shell.h"

namespace {

#define LEARN_MORE_BUTTON 1117

TEST(NewVersionDialogTest, LearnMoreOpensTheUpdatePageAndCancelEnds) {
    Test_Reset_Platform();
    mkdir("Help", 0755);
    Write_Text_File("Help/update.htm", "<p>");
    bool bStillOpen = false;
    Test_Script_Dialog(IDD_NEW_VERSION, [&](HWND hDlg) {
        EXPECT_TRUE(Test_Click_Control(hDlg, LEARN_MORE_BUTTON));
        bStillOpen = IsWindow(hDlg) && IsWindowVisible(hDlg);
        EXPECT_TRUE(Test_Click_Control(hDlg, IDCANCEL));
    });
    EXPECT_EQ(Open_Dialog(NULL, IDD_NEW_VERSION), 0);
    EXPECT_TRUE(bStillOpen);
    ASSERT_EQ(Test_Get_Shell_Opens().size(), 1u);
    EXPECT_NE(Test_Get_Shell_Opens()[0].stFile.find("update.htm"), std::string::npos);
}

}  // namespace
