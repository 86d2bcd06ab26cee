// The shell's own dialogs as the layer draws them, compared pixel for pixel with the pictures in
// tests/platform/golden/ (dialog_<id>.png). When a deliberate change alters them, look at the
// new pictures (build/gallery after `make gallery`) and copy them over the old ones.
#include "platform/test_api.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <string>
#include <vector>

namespace {

INT_PTR Golden_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM /*lParam*/) {
    if (uMsg == WM_INITDIALOG)
        return TRUE;
    if (uMsg == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(hDlg, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

struct GOLDEN_PICTURE {
    int nWidth = 0;
    int nHeight = 0;
    std::vector<uint32_t> aPixels;
};

bool Read_Picture(const std::string& stPath, GOLDEN_PICTURE* pPicture) {
    return Test_Read_Png(stPath, &pPicture->nWidth, &pPicture->nHeight, &pPicture->aPixels);
}

TEST(DialogGoldenTest, ShellDialogsMatchTheirPictures) {
    const char* szSource = getenv("VANTO_SOURCE_DIR");
    ASSERT_NE(szSource, nullptr) << "VANTO_SOURCE_DIR is not set";
    const int kTemplates[] = {IDD_ABOUT, IDD_WELCOME, IDD_STAT_COLUMN_CHOOSER, IDD_PROGRESS,
                              IDD_USER_MESSAGE};
    for (int nId : kTemplates) {
        SCOPED_TRACE("template " + std::to_string(nId));
        Test_Reset_Platform();
        std::string stShot = "dialog_" + std::to_string(nId) + ".png";
        bool bShot = false;
        Test_Script_Dialog(nId, [&](HWND hDlg) {
            bShot = Test_Snapshot_Dialog(hDlg, stShot);
            EndDialog(hDlg, IDOK);
        });
        EXPECT_EQ(DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nId), nullptr,
                                  Golden_Dialog_Proc, 0),
                  IDOK);
        ASSERT_TRUE(bShot);
        GOLDEN_PICTURE shot, golden;
        ASSERT_TRUE(Read_Picture(stShot, &shot));
        ASSERT_TRUE(Read_Picture(
            std::string(szSource) + "/tests/platform/golden/dialog_" + std::to_string(nId) + ".png",
            &golden));
        ASSERT_EQ(shot.nWidth, golden.nWidth);
        ASSERT_EQ(shot.nHeight, golden.nHeight);
        size_t nDiffering = 0, nFirst = 0;
        for (size_t i = 0; i < shot.aPixels.size(); i++)
            if (shot.aPixels[i] != golden.aPixels[i] && nDiffering++ == 0)
                nFirst = i;
        EXPECT_EQ(nDiffering, 0u) << "first at (" << nFirst % static_cast<size_t>(shot.nWidth)
                                  << ", " << nFirst / static_cast<size_t>(shot.nWidth) << ")";
    }
    Test_Reset_Platform();
}

}  // namespace
