// Popup menus headless: nobody can choose, so a test's script chooses, and without one the menu
// is dismissed. Every popup menu goes into the transcript with its items' texts.
#include "headless.h"

#include <utility>

namespace {

std::function<int(HMENU)> gChoosePopup;

// The items' texts one a line, as the transcript shows them.
std::string Item_Texts(HMENU hMenu) {
    std::string stTexts;
    if (const std::vector<MENU_ITEM>* pItems = Menu_Get_Items(hMenu))
        for (const MENU_ITEM& item : *pItems)
            stTexts += (item.uFlags & MF_SEPARATOR ? std::string("-") : item.stText) + "\n";
    return stTexts;
}

}  // namespace

int Headless_Track_Popup_Menu(HMENU hMenu, UINT uFlags, HWND /*hWnd*/, POINT /*ptScreen*/) {
    TEST_SHOWN shown = {TEST_SHOWN_POPUP_MENU, 0, "", Item_Texts(hMenu), uFlags, 0, 0, false};
    int nChosen = 0;
    if (gChoosePopup) {
        std::function<int(HMENU)> choose = std::move(gChoosePopup);
        gChoosePopup = nullptr;
        shown.bScripted = true;
        nChosen = choose(hMenu);
    } else {
        Script_Report_Unscripted(shown);
    }
    shown.nResult = nChosen;
    Script_Record_Shown(shown);
    return nChosen;
}

void Test_Script_Popup_Menu(std::function<int(HMENU)> choose) { gChoosePopup = std::move(choose); }

void Popup_Script_Reset(void) { gChoosePopup = nullptr; }
