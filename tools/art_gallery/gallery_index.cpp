// The gallery's index page: every sheet by skin, as a link and a small picture.
#include <stdio.h>

#include "art_gallery.h"

namespace {

std::string Gallery_Html_Escape(const std::string& sText) {
    std::string sOut;
    for (char ch : sText) {
        switch (ch) {
        case '&': sOut += "&amp;"; break;
        case '<': sOut += "&lt;"; break;
        case '>': sOut += "&gt;"; break;
        case '"': sOut += "&quot;"; break;
        default: sOut += ch;
        }
    }
    return sOut;
}

}  // namespace

bool Gallery_Write_Index(const GALLERY_RUN& run) {
    std::string sPath = run.sOutput + "/index.html";
    FILE* pFile = fopen(sPath.c_str(), "w");
    if (!pFile)
        return false;
    fprintf(pFile,
            "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">"
            "<title>Art sheets</title></head><body>\n<h1>Art sheets</h1>\n");
    std::string sSkin;
    for (const GALLERY_SHEET& sheet : run.aSheets) {
        if (sheet.sSkin != sSkin) {
            sSkin = sheet.sSkin;
            fprintf(pFile, "<h2>%s</h2>\n", Gallery_Html_Escape(sSkin).c_str());
        }
        std::string sFile = Gallery_Html_Escape(sheet.sFile);
        fprintf(pFile,
                "<p><a href=\"%s\"><img src=\"%s\" width=\"512\" alt=\"%s\"></a><br>%s: %s</p>\n",
                sFile.c_str(), sFile.c_str(), sFile.c_str(), sFile.c_str(),
                Gallery_Html_Escape(sheet.sTitle).c_str());
    }
    if (!run.aFailures.empty()) {
        fprintf(pFile, "<h2>Failures</h2>\n<ul>\n");
        for (const std::string& sFailure : run.aFailures)
            fprintf(pFile, "<li>%s</li>\n", Gallery_Html_Escape(sFailure).c_str());
        fprintf(pFile, "</ul>\n");
    }
    fprintf(pFile, "</body></html>\n");
    return fclose(pFile) == 0;
}
