// The resource compiler run on small scripts (what it generates, and its errors with file and
// line), and the program's own compiled tables: its dialog templates and LoadStringA.
#include "platform/test_api.h"
#include "resource_compiler_fixture.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>

namespace {

TEST_F(ResourceCompilerTest, CompilesTheSupportedSyntax) {
    Write("ids.h",
          "#pragma once\n"
          "#define IDD_SAMPLE 300 // a dialog\n"
          "#define IDC_NAME 1001\n"
          "#define IDS_FIRST 40\n");
    const char* szScript =
        "#include \"ids.h\"\n"
        "/* a block\n   comment */\n"
        "IDD_SAMPLE DIALOGEX 10, 20, 200, 0x64\n"
        "STYLE DS_MODALFRAME | WS_POPUP | WS_SYSMENU | NOT WS_SYSMENU\n"
        "EXSTYLE WS_EX_TOOLWINDOW\n"
        "CAPTION \"Say \"\"hi\"\"\\t\\x41\xE9\"\n"
        "FONT 8, \"MS Sans Serif\", 400, 0, 0x1\n"
        "{\n"
        "    EDITTEXT IDC_NAME, 5, 6, 70, 12, ES_AUTOHSCROLL | NOT WS_BORDER\n"
        "    CONTROL \"\", 1002, \"msctls_progress32\", PBS_SMOOTH, 1, 2, 3, 4, WS_EX_STATICEDGE\n"
        "    CONTROL \"Go\", 1003, BUTTON, BS_AUTOCHECKBOX | WS_TABSTOP, 1, 2, 3, 4\n"
        "    LTEXT \"Name:\", -1, 5, 20, 40, 8\n"
        "    DEFPUSHBUTTON \"OK\", 1, 50, 60, 40, 14\n"
        "}\n"
        "1 MENU BEGIN POPUP \"&File\" BEGIN MENUITEM \"E&xit\", 100 END END\n"
        "2 ACCELERATORS { \"O\", 200, VIRTKEY, CONTROL }\n"
        "STRINGTABLE\n"
        "BEGIN\n"
        "    IDS_FIRST + 1, \"second\"\n"
        "    IDS_FIRST \"first\\nline\"\n"
        "END\n";
    ASSERT_EQ(Compile(szScript), 0) << stErrors;
    EXPECT_EQ(stErrors, "");

    // The dialog: popup | modal frame | caption (from CAPTION) | set-font (from FONT), no sysmenu.
    EXPECT_NE(
        stOutput.find("{300, \"Say \\042hi\\042\\011A\\351\", 0x80C000C0u, 0x00000080u, 10, 20, "
                      "200, 100, \"MS Sans Serif\", 8, kControls300, 5}"),
        std::string::npos)
        << stOutput;
    // EDITTEXT: child, visible, tab stop and auto-scroll; its border taken away.
    EXPECT_NE(stOutput.find("{\"EDIT\", \"\", 1001, 0x50010080u, 0x00000000u, 5, 6, 70, 12}"),
              std::string::npos);
    EXPECT_NE(
        stOutput.find("{\"msctls_progress32\", \"\", 1002, 0x50000001u, 0x00020000u, 1, 2, 3, 4}"),
        std::string::npos);
    EXPECT_NE(stOutput.find("{\"BUTTON\", \"Go\", 1003, 0x50010003u"), std::string::npos);
    EXPECT_NE(stOutput.find("{\"STATIC\", \"Name:\", -1, 0x50020000u"), std::string::npos);
    EXPECT_NE(stOutput.find("{\"BUTTON\", \"OK\", 1, 0x50010001u"), std::string::npos);
    // Strings sorted by id for the look-up.
    size_t nFirst = stOutput.find("{40, \"first\\012line\"}");
    size_t nSecond = stOutput.find("{41, \"second\"}");
    EXPECT_NE(nFirst, std::string::npos);
    EXPECT_LT(nFirst, nSecond);
    EXPECT_NE(
        stOutput.find("gResourceTables = {kDialogs, 1, kStrings, 2, kMenus, 1, kAccelTables, 1}"),
        std::string::npos);
}

TEST_F(ResourceCompilerTest, ErrorsNameTheFileAndLineAndFailTheBuild) {
    struct ERROR_CASE {
        const char* szScript;
        const char* szExpected;  // a part of the message
    };
    const ERROR_CASE kCases[] = {
        {"STRINGTABLE\nBEGIN\n  1 \"a\"\n  2 \"b\n  END\n",
         "test.rc:4: error: unterminated string"},
        {"STRINGTABLE BEGIN\n 1 \"a\"\n 1 \"b\"\nEND\n",
         "test.rc:3: error: string 1 is defined twice"},
        {"\n\n1 BITMAP \"logo.bmp\"\n",
         "test.rc:3: error: unknown or unsupported statement 'BITMAP'"},
        {"5 DIALOGEX 0, 0, 10, 10\nBEGIN\n  PUSHBUTTON \"x\", IDC_NOPE, 1, 2, 3, 4\nEND\n",
         "test.rc:3: error: unknown name 'IDC_NOPE'"},
        {"5 DIALOGEX 0, 0, 10, 10\nBEGIN\n  SLIDER \"x\", 1, 1, 2, 3, 4\nEND\n",
         "test.rc:3: error: expected a control statement or END, found 'SLIDER'"},
        {"5 DIALOGEX 0, 0, 10\nBEGIN\nEND\n", "test.rc:2: error: expected ',', found 'BEGIN'"},
        {"5 DIALOGEX 0, 0, 10, 10\nBEGIN\n",
         "error: expected a control statement or END, found the end of the file"},
        {"STRINGTABLE BEGIN 1 \"bad \\q escape\" END\n", "test.rc:1: error: unknown escape '\\q'"},
        {"#include \"missing.h\"\n", "test.rc:1: error: cannot open include file"},
        {"#include \"ids.h\"\n", "ids.h:2: error: unsupported directive #ifdef"},
        {"#define F(x) x\n",
         "test.rc:1: error: #define F: macros with arguments are not supported"},
        {"1 DIALOGEX 0, 0, 10, 100000\nBEGIN\nEND\n",
         "test.rc:1: error: height 100000 is out of range"},
    };
    Write("ids.h", "#define A 1\n#ifdef A\n#endif\n");
    for (const ERROR_CASE& c : kCases) {
        EXPECT_EQ(Compile(c.szScript), 1) << c.szScript;
        EXPECT_NE(stErrors.find(c.szExpected), std::string::npos)
            << "script:\n"
            << c.szScript << "\nmessage: " << stErrors;
        EXPECT_EQ(stOutput, "") << "no output is left behind";
    }
}

// ---- the program's own tables --------------------------------------------------------------------

class ProgramResourcesTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
    }
    void TearDown() override {
        Test_Reset_Platform();
    }
};

INT_PTR Quiet_Proc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

TEST_F(ProgramResourcesTest, EveryDialogIdHasATemplate) {
    const int kTemplates[] = {103, 104, 105, 110, 111, 114, 116, 118, 119, 120, 127, 128,  131, 132,
                              133, 135, 137, 138, 139, 140, 143, 144, 145, 146, 147, 149,  150, 152,
                              155, 156, 158, 159, 160, 161, 162, 163, 164, 165, 169, 172,  173, 174,
                              175, 179, 181, 182, 183, 185, 189, 195, 196, 199, 200, 41008};
    for (int nId : kTemplates)
        EXPECT_EQ(DialogBoxParamA(nullptr, MAKEINTRESOURCEA(nId), nullptr, Quiet_Proc, 0), IDCANCEL)
            << nId;
    // 130 and 170 are launcher ids that open template 114; they have no template of their own.
    EXPECT_EQ(DialogBoxParamA(nullptr, MAKEINTRESOURCEA(130), nullptr, Quiet_Proc, 0), -1);

    struct CAPTION_CASE {
        int nId;
        const char* szCaption;
    };
    const CAPTION_CASE kCaptions[] = {{110, "Welcome to..."},
                                      {156, "Did You Know?"},
                                      {160, "Simulation Settings"},
                                      {139, "Hall Of Fame"},
                                      {181, ""},
                                      {189, ""}};
    for (const CAPTION_CASE& c : kCaptions) {
        for (const TEST_SHOWN& shown : Test_Get_Transcript()) {
            if (shown.nTemplateId == c.nId) {
                EXPECT_EQ(shown.stCaption, c.szCaption) << c.nId;
            }
        }
    }
}

TEST_F(ProgramResourcesTest, MessageDialogHasItsTextAndThreeButtons) {
    Test_Script_Dialog(41008, [](HWND hDlg) {
        for (int nId : {41009, 41010, 41011, 41012})
            EXPECT_NE(GetDlgItem(hDlg, nId), nullptr) << nId;
        EndDialog(hDlg, IDYES);
    });
    EXPECT_EQ(DialogBoxParamA(nullptr, MAKEINTRESOURCEA(41008), nullptr, Quiet_Proc, 0), IDYES);
}

TEST_F(ProgramResourcesTest, LoadStringReadsTheWords) {
    struct STRING_CASE {
        UINT nId;
        const char* szText;
    };
    const STRING_CASE kCases[] = {
        {13, "Apathetic"}, {20, "Fanatic"}, {27, "Sunday"},    {28, "Quarterback"}, {42, "Punter"},
        {54, "December"},  {59, "QB"},      {73, "P"},         {92, "nineteenth"},  {93, "twent"},
        {100, "ninet"},    {101, "zero"},   {120, "nineteen"}, {128, "ninety"},     {130, "st"},
        {133, "th"},       {55, ""},        {134, ""}};
    char szBuffer[64];
    for (const STRING_CASE& c : kCases) {
        EXPECT_EQ(LoadStringA(GetModuleHandleA(nullptr), c.nId, szBuffer, sizeof(szBuffer)),
                  static_cast<int>(strlen(c.szText)))
            << c.nId;
        EXPECT_STREQ(szBuffer, c.szText) << c.nId;
    }
    // At most max - 1 characters, always terminated.
    EXPECT_EQ(LoadStringA(nullptr, 32, szBuffer, 5), 4);
    EXPECT_STREQ(szBuffer, "Wide");
    EXPECT_EQ(LoadStringA(nullptr, 32, szBuffer, 0), 0);
}

}  // namespace
