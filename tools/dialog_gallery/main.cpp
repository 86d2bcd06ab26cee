// dialog_gallery: opens every dialog template of the resource tables headless with a least dialog
// procedure, saves each as <folder>/<id>.png and writes <folder>/index.html listing the id, the
// caption and the picture of each.
//   dialog_gallery [--outline] FOLDER
// With --outline each control's rectangle and text are drawn over it, to check a layout whose
// controls draw little of their own. Exit status 1 when a template does not load or its picture cannot be saved.
#include "platform/rc/rc_tables.h"
#include "platform/test_api.h"
#include "platform/windows.h"

#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

namespace {

struct GALLERY_ENTRY {
    int nId;
    std::string stCaption;
    bool bShown;
};

INT_PTR Gallery_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM /*lParam*/) {
    if (uMsg == WM_INITDIALOG)
        return TRUE;
    if (uMsg == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(hDlg, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

BOOL Outline_Control(HWND hCtl, LPARAM lParam) {
    HWND hDlg = reinterpret_cast<HWND>(lParam);
    RECT rc;
    GetWindowRect(hCtl, &rc);
    MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&rc), 2);
    HDC hdc = GetDC(hDlg);
    FrameRect(hdc, &rc, reinterpret_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    char szText[256];
    GetWindowTextA(hCtl, szText, sizeof(szText));
    SelectObject(hdc, reinterpret_cast<HGDIOBJ>(SendMessageA(hDlg, WM_GETFONT, 0, 0)));
    SetBkMode(hdc, TRANSPARENT);
    DrawTextA(hdc, szText, -1, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    ReleaseDC(hDlg, hdc);
    return TRUE;
}

std::string Html_Escape(const std::string& stText) {
    std::string stOut;
    for (char ch : stText) {
        switch (ch) {
        case '&': stOut += "&amp;"; break;
        case '<': stOut += "&lt;"; break;
        case '>': stOut += "&gt;"; break;
        case '"': stOut += "&quot;"; break;
        default: stOut += ch;
        }
    }
    return stOut;
}

// Opens the template, saves its picture while it is up, and ends it with IDOK.
GALLERY_ENTRY Show_Template(int nId, const std::string& stFolder, bool bOutline) {
    GALLERY_ENTRY entry = {nId, "", false};
    Test_Script_Dialog(nId, [&](HWND hDlg) {
        if (bOutline) {
            UpdateWindow(hDlg);
            EnumChildWindows(hDlg, Outline_Control, reinterpret_cast<LPARAM>(hDlg));
        }
        char szCaption[256];
        GetWindowTextA(hDlg, szCaption, sizeof(szCaption));
        entry.stCaption = szCaption;
        entry.bShown = Test_Snapshot_Dialog(hDlg, stFolder + "/" + std::to_string(nId) + ".png");
        EndDialog(hDlg, IDOK);
    });
    INT_PTR nResult = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nId), nullptr,
                                      Gallery_Dialog_Proc, 0);
    if (nResult != IDOK)
        entry.bShown = false;
    return entry;
}

bool Write_Index(const std::string& stFolder, const std::vector<GALLERY_ENTRY>& aEntries) {
    std::string stPath = stFolder + "/index.html";
    FILE* pFile = fopen(stPath.c_str(), "w");
    if (!pFile)
        return false;
    fprintf(pFile,
            "<!DOCTYPE html>\n<html><head><meta charset=\"windows-1252\">"
            "<title>Dialog templates</title></head><body>\n<table border=\"1\">\n"
            "<tr><th>Id</th><th>Caption</th><th>Picture</th></tr>\n");
    for (const GALLERY_ENTRY& e : aEntries) {
        std::string stPicture =
            e.bShown ? "<img src=\"" + std::to_string(e.nId) + ".png\">" : "(did not load)";
        fprintf(pFile, "<tr><td>%d</td><td>%s</td><td>%s</td></tr>\n", e.nId,
                Html_Escape(e.stCaption).c_str(), stPicture.c_str());
    }
    fprintf(pFile, "</table>\n</body></html>\n");
    return fclose(pFile) == 0;
}

}  // namespace

int main(int nArgs, char** aszArgs) {
    bool bOutline = nArgs == 3 && strcmp(aszArgs[1], "--outline") == 0;
    if (nArgs != 2 && !bOutline) {
        fprintf(stderr, "usage: dialog_gallery [--outline] FOLDER\n");
        return 2;
    }
    std::string stFolder = aszArgs[nArgs - 1];
    if (!Platform_Make_Directory(stFolder.c_str())) {
        fprintf(stderr, "dialog_gallery: cannot make the folder %s\n", stFolder.c_str());
        return 1;
    }
    Test_Reset_Platform();
    std::vector<GALLERY_ENTRY> aEntries;
    int nFailed = 0;
    for (int i = 0; i < gResourceTables.nDialogs; i++) {
        GALLERY_ENTRY entry = Show_Template(gResourceTables.pDialogs[i].nId, stFolder, bOutline);
        if (!entry.bShown) {
            fprintf(stderr, "dialog_gallery: template %d did not load\n", entry.nId);
            nFailed++;
        }
        aEntries.push_back(entry);
        Test_Reset_Platform();
    }
    if (!Write_Index(stFolder, aEntries)) {
        fprintf(stderr, "dialog_gallery: cannot write %s/index.html\n", stFolder.c_str());
        return 1;
    }
    printf("dialog_gallery: %d templates into %s\n", static_cast<int>(aEntries.size()),
           stFolder.c_str());
    return nFailed ? 1 : 0;
}
