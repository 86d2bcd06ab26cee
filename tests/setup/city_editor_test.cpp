// The city editor and Rename City driven through their controls.
#include <gtest/gtest.h>

#include <string>

#include "common/text_files.h"
#include "common/dialog_steps.h"
#include "database/database.h"
#include "fixtures/fixture_league.h"
#include "platform/test_api.h"
#include "resources/resource.h"
#include "setup/setup.h"
#include "shell/shell.h"

namespace {

#define CE_POPULATION 1289
#define CE_LATITUDE 1295
#define CE_EDIT_NAME 4
#define CE_PHOTO_LIST 1296
#define RC_NAME 1286

class CityEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        Build_Fixture_League();
        gCurrentCity = 1;
        gCommissionerMode = 1;
    }
};

TEST_F(CityEditorTest, DegreesShowWithThreeDecimalsAndReadBack) {
    struct {
        int nThousandths;
        const char* szText;
    } const kCases[] = {{40071, "40.071"}, {-74006, "-74.006"}, {-500, "-0.500"}, {0, "0.000"}};
    for (const auto& c : kCases) {
        char szText[32];
        Format_City_Degrees(c.nThousandths, szText, (int)sizeof szText);
        EXPECT_EQ(std::string(szText), c.szText);
        int nBack = 1;
        EXPECT_TRUE(Parse_City_Degrees(szText, &nBack));
        EXPECT_EQ(nBack, c.nThousandths);
    }
    int nValue = 0;
    EXPECT_FALSE(Parse_City_Degrees("north", &nValue));
}

TEST_F(CityEditorTest, DoneStoresEscapeAndViewingModeKeepEverything) {
    struct CASE {
        int bCommissioner, nButton;
        const char* szTyped;
        int nStored;
    } const kCases[] = {
        {1, IDOK, "2500", 2500},
        {1, IDCANCEL, "2500", 1000},
        {0, IDOK, "2500", 1000},
        {1, IDOK, "many", 1000},  // refused with a message; the editor stays open
    };
    for (const CASE& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.bCommissioner << " " << c.nButton << " " << c.szTyped);
        gCommissionerMode = c.bCommissioner;
        gCurrentCity = 1;
        Set_City_Stat(1, CITY_POPULATION, 1000);
        Set_City_Stat(1, CITY_LATITUDE, 40071);
        Test_Clear_Transcript();
        bool bEnabled = false, bOpen = false;
        Test_Script_Dialog(IDD_CITY_EDITOR, [&](HWND hDlg) {
            bEnabled = IsWindowEnabled(GetDlgItem(hDlg, CE_POPULATION));
            if (bEnabled)
                Replace_Box_Text(hDlg, CE_POPULATION, c.szTyped);
            Test_Click_Control(hDlg, c.nButton);
            bOpen = Count_Shown_With_Text("City Population must be a whole number.") == 1;
            if (bOpen)
                Test_Click_Control(hDlg, IDCANCEL);
        });
        Do_Dialog(NULL, IDD_CITY_EDITOR, 0);
        EXPECT_EQ(bEnabled, c.bCommissioner != 0);
        EXPECT_EQ(bOpen, std::string(c.szTyped) == "many");
        EXPECT_EQ(Get_City_Stat(1, CITY_POPULATION), c.nStored);
        EXPECT_EQ(Get_City_Stat(1, CITY_LATITUDE), 40071);
    }
}

TEST_F(CityEditorTest, RenameRefusesAnEmptyNameAndTheListFollowsTheNewName) {
    Test_Script_Dialog(IDD_CITY_EDITOR, [&](HWND hDlg) {
        Test_Click_Control(hDlg, CE_EDIT_NAME);
        Test_Click_Control(hDlg, IDOK);
    });
    Test_Script_Dialog(IDD_RENAME_CITY, [&](HWND hDlg) {
        Replace_Box_Text(hDlg, RC_NAME, "");
        Test_Click_Control(hDlg, IDOK);                               // refused, still open
        Replace_Box_Text(hDlg, RC_NAME, "Zzyzx Springs And Beyond");  // cut to 19
        Test_Click_Control(hDlg, IDOK);
    });
    Do_Dialog(NULL, IDD_CITY_EDITOR, 0);
    EXPECT_EQ(Count_Shown_With_Caption("Can't Erase Name"), 1);
    char szLast[CITY_NAME_SIZE];
    Get_City_Name(Count_Cities() - 1, szLast, (int)sizeof szLast);
    EXPECT_EQ(std::string(szLast), "Zzyzx Springs And B");
    EXPECT_EQ(gCurrentCity, Count_Cities() - 1);
}

TEST_F(CityEditorTest, WithoutPicturesTheNoticeShowsAndThePhotoEmpties) {
    Set_City_Photo(1, "Boston");
    Test_Script_Dialog(IDD_CITY_EDITOR, [&](HWND hDlg) {
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(hDlg, CE_PHOTO_LIST)));
        Test_Click_Control(hDlg, IDOK);
    });
    Do_Dialog(NULL, IDD_CITY_EDITOR, 0);
    EXPECT_EQ(Count_Shown_With_Caption("No art files"), 1);
    char szPhoto[CITY_PHOTO_SIZE];
    Get_City_Photo(1, szPhoto, (int)sizeof szPhoto);
    EXPECT_EQ(std::string(szPhoto), "");
}

}  // namespace
