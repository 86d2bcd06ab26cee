// The tokenizer and its preprocessor: comments, string literals with the resource-script escapes,
// numbers, names and punctuation; #include "file", #define NAME tokens (object-like only),
// #undef and #pragma (ignored). A defined name is replaced by its tokens where it is used.
#include "rc_compiler.h"

#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>

#include <fstream>
#include <map>
#include <sstream>

namespace {

struct LEXER {
    std::string stFile;
    std::string stText;
    size_t nPos;
    int nLine;
};

std::map<std::string, std::vector<RC_TOKEN>> gDefines;
int gIncludeDepth = 0;
const int kMaxIncludeDepth = 16;

bool Is_Name_Start(char ch) {
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || ch == '_';
}
bool Is_Name_Char(char ch) { return Is_Name_Start(ch) || (ch >= '0' && ch <= '9'); }
bool Is_Digit(char ch) { return ch >= '0' && ch <= '9'; }

int Hex_Digit(char ch) {
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
    return -1;
}

char Peek(const LEXER& lx, size_t nAhead = 0) {
    return lx.nPos + nAhead < lx.stText.size() ? lx.stText[lx.nPos + nAhead] : 0;
}

// Skips blanks and comments; inside a directive line the end of the line stops it.
void Skip_Space(LEXER& lx, bool bStopAtNewline) {
    while (lx.nPos < lx.stText.size()) {
        char ch = Peek(lx);
        if (ch == '\n') {
            if (bStopAtNewline) return;
            lx.nLine++;
            lx.nPos++;
        } else if (ch == ' ' || ch == '\t' || ch == '\r' || ch == '\f' || ch == '\v') {
            lx.nPos++;
        } else if (ch == '/' && Peek(lx, 1) == '/') {
            while (lx.nPos < lx.stText.size() && Peek(lx) != '\n') lx.nPos++;
        } else if (ch == '/' && Peek(lx, 1) == '*') {
            int nStartLine = lx.nLine;
            size_t nEnd = lx.stText.find("*/", lx.nPos + 2);
            if (nEnd == std::string::npos) Rc_Fail(lx.stFile, nStartLine, "unterminated comment");
            for (size_t i = lx.nPos; i < nEnd; i++)
                if (lx.stText[i] == '\n') lx.nLine++;
            lx.nPos = nEnd + 2;
        } else {
            return;
        }
    }
}

// A string literal; lx is on the opening quote.
std::string Lex_String(LEXER& lx) {
    std::string stOut;
    lx.nPos++;
    for (;;) {
        char ch = Peek(lx);
        if (lx.nPos >= lx.stText.size() || ch == '\n')
            Rc_Fail(lx.stFile, lx.nLine, "unterminated string");
        lx.nPos++;
        if (ch == '"') {
            if (Peek(lx) != '"') return stOut;
            stOut += '"';  // "" stands for one quote
            lx.nPos++;
        } else if (ch == '\\') {
            char chEscape = Peek(lx);
            lx.nPos++;
            switch (chEscape) {
            case 'n': stOut += '\n'; break;
            case 't': stOut += '\t'; break;
            case 'r': stOut += '\r'; break;
            case '\\': stOut += '\\'; break;
            case '"': stOut += '"'; break;
            case 'x': {
                int nValue = 0;
                int nDigits = 0;
                while (nDigits < 2 && Hex_Digit(Peek(lx)) >= 0) {
                    nValue = nValue * 16 + Hex_Digit(Peek(lx));
                    lx.nPos++;
                    nDigits++;
                }
                if (nDigits == 0) Rc_Fail(lx.stFile, lx.nLine, "\\x needs hex digits");
                if (nValue == 0) Rc_Fail(lx.stFile, lx.nLine, "\\x00 would end the string");
                stOut += static_cast<char>(nValue);
                break;
            }
            default:
                Rc_Fail(lx.stFile, lx.nLine, "unknown escape '\\%c' in string",
                        chEscape >= ' ' && chEscape < 127 ? chEscape : '?');
            }
        } else {
            stOut += ch;  // bytes above 127 pass unchanged
        }
    }
}

int64_t Lex_Number(LEXER& lx) {
    int64_t nValue = 0;
    if (Peek(lx) == '0' && (Peek(lx, 1) == 'x' || Peek(lx, 1) == 'X')) {
        lx.nPos += 2;
        if (Hex_Digit(Peek(lx)) < 0) Rc_Fail(lx.stFile, lx.nLine, "malformed hex number");
        while (Hex_Digit(Peek(lx)) >= 0) {
            nValue = nValue * 16 + Hex_Digit(Peek(lx));
            lx.nPos++;
            if (nValue > 0xFFFFFFFFLL) Rc_Fail(lx.stFile, lx.nLine, "number too large");
        }
    } else {
        while (Is_Digit(Peek(lx))) {
            nValue = nValue * 10 + (Peek(lx) - '0');
            lx.nPos++;
            if (nValue > 0xFFFFFFFFLL) Rc_Fail(lx.stFile, lx.nLine, "number too large");
        }
    }
    while (Peek(lx) == 'L' || Peek(lx) == 'l' || Peek(lx) == 'U' || Peek(lx) == 'u') lx.nPos++;
    if (Is_Name_Char(Peek(lx))) Rc_Fail(lx.stFile, lx.nLine, "malformed number");
    return nValue;
}

std::string Lex_Name(LEXER& lx) {
    size_t nStart = lx.nPos;
    while (Is_Name_Char(Peek(lx))) lx.nPos++;
    return lx.stText.substr(nStart, lx.nPos - nStart);
}

// Appends one token (a defined name expands to its tokens); false at the end of the text or,
// with bStopAtNewline, of the line.
bool Lex_Token(LEXER& lx, bool bStopAtNewline, std::vector<RC_TOKEN>* pOut) {
    Skip_Space(lx, bStopAtNewline);
    if (lx.nPos >= lx.stText.size() || Peek(lx) == '\n') return false;
    RC_TOKEN tok = {TOKEN_PUNCT, "", 0, lx.stFile, lx.nLine};
    char ch = Peek(lx);
    if (ch == '"') {
        tok.nType = TOKEN_STRING;
        tok.stText = Lex_String(lx);
    } else if (Is_Digit(ch)) {
        tok.nType = TOKEN_NUMBER;
        tok.nValue = Lex_Number(lx);
    } else if (Is_Name_Start(ch)) {
        tok.nType = TOKEN_NAME;
        tok.stText = Lex_Name(lx);
        auto it = gDefines.find(tok.stText);
        if (it != gDefines.end()) {
            for (RC_TOKEN t : it->second) {
                t.stFile = lx.stFile;
                t.nLine = lx.nLine;
                pOut->push_back(t);
            }
            return true;
        }
    } else if (std::string(",|{}()+-~").find(ch) != std::string::npos) {
        tok.stText = std::string(1, ch);
        lx.nPos++;
    } else if (ch == '#') {
        Rc_Fail(lx.stFile, lx.nLine, "'#' must begin a line");
    } else if (static_cast<unsigned char>(ch) < ' ' || static_cast<unsigned char>(ch) > '~') {
        Rc_Fail(lx.stFile, lx.nLine, "unexpected byte 0x%02X", static_cast<unsigned char>(ch));
    } else {
        Rc_Fail(lx.stFile, lx.nLine, "unexpected character '%c'", ch);
    }
    pOut->push_back(tok);
    return true;
}

void Tokenize_Text(const std::string& stFile, const std::string& stText,
                   std::vector<RC_TOKEN>* pTokens);

std::string Folder_Of(const std::string& stPath) {
    size_t nSlash = stPath.find_last_of('/');
    return nSlash == std::string::npos ? "" : stPath.substr(0, nSlash + 1);
}

void Include_File(const std::string& stPath, const std::string& stFrom, int nLine,
                  std::vector<RC_TOKEN>* pTokens) {
    std::ifstream in(stPath, std::ios::binary);
    if (!in) {
        if (stFrom.empty()) Rc_Fail(stPath, 0, "cannot open the file");
        Rc_Fail(stFrom, nLine, "cannot open include file \"%s\"", stPath.c_str());
    }
    if (++gIncludeDepth > kMaxIncludeDepth) Rc_Fail(stFrom, nLine, "#include nested too deeply");
    std::stringstream ss;
    ss << in.rdbuf();
    Tokenize_Text(stPath, ss.str(), pTokens);
    gIncludeDepth--;
}

// A directive line; lx is just after the '#'.
void Directive(LEXER& lx, std::vector<RC_TOKEN>* pTokens) {
    Skip_Space(lx, true);
    int nLine = lx.nLine;
    std::string stDirective = Lex_Name(lx);
    std::vector<RC_TOKEN> aLine;
    if (stDirective == "define") {
        Skip_Space(lx, true);
        if (!Is_Name_Start(Peek(lx))) Rc_Fail(lx.stFile, nLine, "#define needs a name");
        std::string stName = Lex_Name(lx);
        if (Peek(lx) == '(')
            Rc_Fail(lx.stFile, nLine, "#define %s: macros with arguments are not supported",
                    stName.c_str());
        while (Lex_Token(lx, true, &aLine)) {
        }
        gDefines[stName] = aLine;
    } else if (stDirective == "undef") {
        while (Lex_Token(lx, true, &aLine)) {
        }
        if (aLine.size() != 1 || aLine[0].nType != TOKEN_NAME)
            Rc_Fail(lx.stFile, nLine, "#undef needs one name");
        gDefines.erase(aLine[0].stText);
    } else if (stDirective == "include") {
        while (Lex_Token(lx, true, &aLine)) {
        }
        if (aLine.size() != 1 || aLine[0].nType != TOKEN_STRING)
            Rc_Fail(lx.stFile, nLine, "#include needs one \"file name\"");
        Include_File(Folder_Of(lx.stFile) + aLine[0].stText, lx.stFile, nLine, pTokens);
    } else if (stDirective == "pragma") {
        while (lx.nPos < lx.stText.size() && Peek(lx) != '\n') lx.nPos++;
    } else {
        Rc_Fail(lx.stFile, nLine, "unsupported directive #%s", stDirective.c_str());
    }
    Skip_Space(lx, true);
    if (lx.nPos < lx.stText.size() && Peek(lx) != '\n')
        Rc_Fail(lx.stFile, nLine, "unexpected text after #%s", stDirective.c_str());
}

void Tokenize_Text(const std::string& stFile, const std::string& stText,
                   std::vector<RC_TOKEN>* pTokens) {
    LEXER lx = {stFile, stText, 0, 1};
    bool bLineStart = true;
    for (;;) {
        int nLineBefore = lx.nLine;
        Skip_Space(lx, false);
        if (lx.nLine != nLineBefore) bLineStart = true;
        if (lx.nPos >= lx.stText.size()) return;
        if (Peek(lx) == '#' && bLineStart) {
            lx.nPos++;
            Directive(lx, pTokens);
            continue;
        }
        Lex_Token(lx, false, pTokens);
        bLineStart = false;
    }
}

}  // namespace

[[noreturn]] void Rc_Fail(const std::string& stFile, int nLine, const char* szFormat, ...) {
    va_list args;
    va_start(args, szFormat);
    if (nLine > 0)
        fprintf(stderr, "%s:%d: error: ", stFile.c_str(), nLine);
    else
        fprintf(stderr, "%s: error: ", stFile.c_str());
    vfprintf(stderr, szFormat, args);
    fputc('\n', stderr);
    va_end(args);
    exit(1);
}

void Rc_Tokenize_File(const std::string& stPath, std::vector<RC_TOKEN>* pTokens) {
    gDefines.clear();
    Include_File(stPath, "", 0, pTokens);
    // The end is reported where the last token was.
    RC_TOKEN end = {TOKEN_END, "", 0, stPath, 1};
    if (!pTokens->empty()) {
        end.stFile = pTokens->back().stFile;
        end.nLine = pTokens->back().nLine;
    }
    pTokens->push_back(end);
}
