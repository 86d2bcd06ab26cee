// The headless backend's answers: scripted message-box answers, dialog scripts, strict mode, the
// user-wait guard and the transcript of everything shown. Debugger output and the clock keep
// their own test hooks beside their code (services/debug_output.cpp, services/clock.cpp).
#include "headless.h"

#include <deque>
#include <utility>

namespace {

enum ANSWER_MATCH { MATCH_ANY, MATCH_TEXT_PART, MATCH_CAPTION };

struct BOX_ANSWER {
    ANSWER_MATCH nMatch;
    std::string stMatch;
    int nAnswer;
};

struct DIALOG_SCRIPT {
    int nTemplateId;
    std::function<void(HWND)> action;
};

std::deque<BOX_ANSWER> gBoxAnswers;
std::deque<DIALOG_SCRIPT> gDialogScripts;
std::vector<TEST_SHOWN> gTranscript;
bool gStrict = false;
std::function<void(const TEST_SHOWN&)> gOnUnscripted;
std::function<void(const std::string&)> gOnUserWait;

bool Answer_Fits(const BOX_ANSWER& a, const std::string& stText, const std::string& stCaption) {
    switch (a.nMatch) {
    case MATCH_TEXT_PART: return stText.find(a.stMatch) != std::string::npos;
    case MATCH_CAPTION: return stCaption == a.stMatch;
    case MATCH_ANY: break;
    }
    return true;
}

}  // namespace

void Script_Reset(void) {
    Popup_Script_Reset();
    Test_Clear_Shell_Opens();
    gBoxAnswers.clear();
    gDialogScripts.clear();
    gTranscript.clear();
    gStrict = false;
    gOnUnscripted = nullptr;
}

// ---- message boxes ------------------------------------------------------------------------------

void Test_Answer_Message_Box(int nAnswer) { gBoxAnswers.push_back({MATCH_ANY, "", nAnswer}); }

void Test_Answer_Message_Box_With_Text(const std::string& stTextPart, int nAnswer) {
    gBoxAnswers.push_back({MATCH_TEXT_PART, stTextPart, nAnswer});
}

void Test_Answer_Message_Box_With_Caption(const std::string& stCaption, int nAnswer) {
    gBoxAnswers.push_back({MATCH_CAPTION, stCaption, nAnswer});
}

bool Script_Take_Message_Box_Answer(const std::string& stText, const std::string& stCaption,
                                    int* pAnswer) {
    for (auto it = gBoxAnswers.begin(); it != gBoxAnswers.end(); ++it) {
        if (!Answer_Fits(*it, stText, stCaption)) continue;
        *pAnswer = it->nAnswer;
        gBoxAnswers.erase(it);
        return true;
    }
    return false;
}

// ---- dialogs ------------------------------------------------------------------------------------

void Test_Script_Dialog(int nTemplateId, std::function<void(HWND hDlg)> action) {
    gDialogScripts.push_back({nTemplateId, std::move(action)});
}

bool Script_Take_Dialog_Action(int nTemplateId, std::function<void(HWND)>* pAction) {
    for (auto it = gDialogScripts.begin(); it != gDialogScripts.end(); ++it) {
        if (it->nTemplateId != nTemplateId) continue;
        *pAction = std::move(it->action);
        gDialogScripts.erase(it);
        return true;
    }
    return false;
}

// ---- strict mode and the transcript ---------------------------------------------------------------

void Test_Set_Strict(bool bStrict, std::function<void(const TEST_SHOWN&)> onUnscripted) {
    gStrict = bStrict;
    gOnUnscripted = std::move(onUnscripted);
}

void Script_Report_Unscripted(const TEST_SHOWN& shown) {
    if (gStrict && gOnUnscripted) gOnUnscripted(shown);
}

void Test_Set_User_Wait_Guard(std::function<void(const std::string&)> onWait) {
    gOnUserWait = std::move(onWait);
}

void Script_Guard_User_Wait(const std::string& stWhat) {
    if (gOnUserWait) gOnUserWait(stWhat);
}

size_t Script_Record_Shown(const TEST_SHOWN& shown) {
    gTranscript.push_back(shown);
    return gTranscript.size() - 1;
}

void Script_Set_Shown_Result(size_t nIndex, const TEST_SHOWN& shown) {
    // The transcript may have been cleared while the dialog was up.
    if (nIndex >= gTranscript.size() || gTranscript[nIndex].nKind != shown.nKind ||
        gTranscript[nIndex].nTemplateId != shown.nTemplateId)
        return;
    gTranscript[nIndex] = shown;
}

const std::vector<TEST_SHOWN>& Test_Get_Transcript() { return gTranscript; }

void Test_Clear_Transcript() { gTranscript.clear(); }
