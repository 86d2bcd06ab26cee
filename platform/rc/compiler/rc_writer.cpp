// Writes the parsed script as C++ source: one array of controls per dialog, of items per menu and
// of entries per accelerator table; the dialogs, strings, menus and accelerator tables each sorted
// by id (the look-ups search them), and gResourceTables.
#include "rc_compiler.h"

#include <stdio.h>

#include <algorithm>
#include <string>

namespace {

// A C++ string literal holding exactly the given bytes: anything outside printable ASCII, and
// the characters that would end or bend the literal, as three-digit octal escapes.
std::string Quote(const std::string& stText) {
    std::string stOut = "\"";
    for (unsigned char ch : stText) {
        if (ch >= ' ' && ch <= '~' && ch != '"' && ch != '\\' && ch != '?') {
            stOut += static_cast<char>(ch);
        } else {
            char szEscape[8];
            snprintf(szEscape, sizeof(szEscape), "\\%03o", ch);
            stOut += szEscape;
        }
    }
    return stOut + "\"";
}

void Write_Controls(FILE* pOut, const RC_DIALOG_DEF& dlg) {
    if (dlg.aControls.empty()) return;
    fprintf(pOut, "static const RC_CONTROL kControls%d[] = {\n", dlg.nId);
    for (const RC_CONTROL_DEF& c : dlg.aControls)
        fprintf(pOut, "    {%s, %s, %d, 0x%08Xu, 0x%08Xu, %d, %d, %d, %d},\n",
                Quote(c.stClass).c_str(), Quote(c.stText).c_str(), c.nId, c.uStyle, c.uExStyle, c.x,
                c.y, c.cx, c.cy);
    fprintf(pOut, "};\n\n");
}

void Write_Dialogs(FILE* pOut, const std::vector<RC_DIALOG_DEF>& aDialogs) {
    for (const RC_DIALOG_DEF& d : aDialogs) Write_Controls(pOut, d);
    if (aDialogs.empty()) return;
    fprintf(pOut, "static const RC_DIALOG kDialogs[] = {\n");
    for (const RC_DIALOG_DEF& d : aDialogs) {
        char szControls[32] = "nullptr";
        if (!d.aControls.empty()) snprintf(szControls, sizeof(szControls), "kControls%d", d.nId);
        // The class is written only when the template names one (null otherwise).
        std::string stClass = d.stClass.empty() ? "" : ", " + Quote(d.stClass);
        fprintf(pOut, "    {%d, %s, 0x%08Xu, 0x%08Xu, %d, %d, %d, %d, %s, %d, %s, %d%s},\n", d.nId,
                Quote(d.stCaption).c_str(), d.uStyle, d.uExStyle, d.x, d.y, d.cx, d.cy,
                Quote(d.stFontFace).c_str(), d.nFontPoints, szControls,
                static_cast<int>(d.aControls.size()), stClass.c_str());
    }
    fprintf(pOut, "};\n\n");
}

void Write_Strings(FILE* pOut, const std::vector<RC_STRING_DEF>& aStrings) {
    if (aStrings.empty()) return;
    fprintf(pOut, "static const RC_STRING kStrings[] = {\n");
    for (const RC_STRING_DEF& s : aStrings)
        fprintf(pOut, "    {%d, %s},\n", s.nId, Quote(s.stText).c_str());
    fprintf(pOut, "};\n\n");
}

void Write_Menus(FILE* pOut, const std::vector<RC_MENU_DEF>& aMenus) {
    if (aMenus.empty()) return;
    for (const RC_MENU_DEF& m : aMenus) {
        if (m.aItems.empty()) continue;
        fprintf(pOut, "static const RC_MENU_ITEM kMenuItems%d[] = {\n", m.nId);
        for (const RC_MENU_ITEM_DEF& item : m.aItems)
            fprintf(pOut, "    {%s, %d, 0x%04Xu, %d},\n", Quote(item.stText).c_str(), item.nId,
                    item.uFlags, item.nDepth);
        fprintf(pOut, "};\n\n");
    }
    fprintf(pOut, "static const RC_MENU kMenus[] = {\n");
    for (const RC_MENU_DEF& m : aMenus) {
        char szItems[32] = "nullptr";
        if (!m.aItems.empty()) snprintf(szItems, sizeof(szItems), "kMenuItems%d", m.nId);
        fprintf(pOut, "    {%d, %s, %d},\n", m.nId, szItems, static_cast<int>(m.aItems.size()));
    }
    fprintf(pOut, "};\n\n");
}

void Write_Accelerators(FILE* pOut, const std::vector<RC_ACCEL_TABLE_DEF>& aTables) {
    if (aTables.empty()) return;
    for (const RC_ACCEL_TABLE_DEF& t : aTables) {
        if (t.aEntries.empty()) continue;
        fprintf(pOut, "static const RC_ACCEL kAccel%d[] = {\n", t.nId);
        for (const RC_ACCEL_DEF& a : t.aEntries)
            fprintf(pOut, "    {0x%02X, 0x%04X, %d},\n", a.fVirt, a.key, a.cmd);
        fprintf(pOut, "};\n\n");
    }
    fprintf(pOut, "static const RC_ACCEL_TABLE kAccelTables[] = {\n");
    for (const RC_ACCEL_TABLE_DEF& t : aTables) {
        char szEntries[32] = "nullptr";
        if (!t.aEntries.empty()) snprintf(szEntries, sizeof(szEntries), "kAccel%d", t.nId);
        fprintf(pOut, "    {%d, %s, %d},\n", t.nId, szEntries, static_cast<int>(t.aEntries.size()));
    }
    fprintf(pOut, "};\n\n");
}

template <typename DEF>
void Sort_By_Id(std::vector<DEF>* pDefs) {
    std::sort(pDefs->begin(), pDefs->end(),
              [](const DEF& a, const DEF& b) { return a.nId < b.nId; });
}

// "kName, count" for the table line, or "nullptr, 0" for an empty table.
template <typename DEF>
std::string Table_Ref(const char* szName, const std::vector<DEF>& aDefs) {
    return (aDefs.empty() ? std::string("nullptr") : std::string(szName)) + ", " +
           std::to_string(aDefs.size());
}

}  // namespace

bool Rc_Write_Source(const RC_SCRIPT& script, const std::string& stInput,
                     const std::string& stOutput) {
    RC_SCRIPT sorted = script;
    Sort_By_Id(&sorted.aDialogs);
    Sort_By_Id(&sorted.aStrings);
    Sort_By_Id(&sorted.aMenus);
    Sort_By_Id(&sorted.aAccelTables);

    FILE* pOut = fopen(stOutput.c_str(), "wb");
    if (!pOut) return false;
    fprintf(pOut, "// Generated by vanto_rc from %s. Do not edit.\n#include \"rc_tables.h\"\n\n",
            stInput.c_str());
    Write_Dialogs(pOut, sorted.aDialogs);
    Write_Strings(pOut, sorted.aStrings);
    Write_Menus(pOut, sorted.aMenus);
    Write_Accelerators(pOut, sorted.aAccelTables);
    fprintf(pOut, "extern const RC_TABLES gResourceTables = {%s, %s, %s, %s};\n",
            Table_Ref("kDialogs", sorted.aDialogs).c_str(),
            Table_Ref("kStrings", sorted.aStrings).c_str(),
            Table_Ref("kMenus", sorted.aMenus).c_str(),
            Table_Ref("kAccelTables", sorted.aAccelTables).c_str());
    bool bOk = !ferror(pOut);
    if (fclose(pOut) != 0) bOk = false;
    if (!bOk) remove(stOutput.c_str());
    return bOk;
}
