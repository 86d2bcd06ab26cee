// The resource compiler's pieces: the tokenizer with its small preprocessor, the parser that
// builds the script's tables, and the writer that turns them into C++ source.
#pragma once

#include <stdint.h>

#include <string>
#include <vector>

enum RC_TOKEN_TYPE { TOKEN_NAME, TOKEN_NUMBER, TOKEN_STRING, TOKEN_PUNCT, TOKEN_END };

struct RC_TOKEN {
    RC_TOKEN_TYPE nType;
    std::string stText;  // a name, a string's bytes after escapes, or one punctuation character
    int64_t nValue;      // numbers
    std::string stFile;
    int nLine;
};

struct RC_CONTROL_DEF {
    std::string stClass;
    std::string stText;
    int nId;
    uint32_t uStyle;
    uint32_t uExStyle;
    int x, y, cx, cy;
};

struct RC_DIALOG_DEF {
    int nId;
    std::string stCaption;
    uint32_t uStyle;
    uint32_t uExStyle;
    int x, y, cx, cy;
    std::string stFontFace;
    int nFontPoints;
    std::vector<RC_CONTROL_DEF> aControls;
    int nLine;
    std::string stClass;  // CLASS "...": the dialog window's own class; empty for the usual one
};

struct RC_STRING_DEF {
    int nId;
    std::string stText;
};

struct RC_MENU_ITEM_DEF {
    std::string stText;
    int nId;
    uint32_t uFlags;  // MF_ values
    int nDepth;
};

struct RC_MENU_DEF {
    int nId;
    std::vector<RC_MENU_ITEM_DEF> aItems;
    int nLine;
};

struct RC_ACCEL_DEF {
    uint8_t fVirt;
    uint16_t key;
    uint16_t cmd;
};

struct RC_ACCEL_TABLE_DEF {
    int nId;
    std::vector<RC_ACCEL_DEF> aEntries;
    int nLine;
};

struct RC_SCRIPT {
    std::vector<RC_DIALOG_DEF> aDialogs;
    std::vector<RC_STRING_DEF> aStrings;
    std::vector<RC_MENU_DEF> aMenus;
    std::vector<RC_ACCEL_TABLE_DEF> aAccelTables;
};

// Prints "file:line: error: message" to standard error and ends the compiler with exit code 1.
[[noreturn]] void Rc_Fail(const std::string& stFile, int nLine, const char* szFormat, ...)
    __attribute__((format(printf, 3, 4)));

// Reads a script (following #include, applying #define) into tokens ending with TOKEN_END.
void Rc_Tokenize_File(const std::string& stPath, std::vector<RC_TOKEN>* pTokens);

// Parses the tokens into tables; errors end the compiler.
void Rc_Parse(const std::vector<RC_TOKEN>& aTokens, RC_SCRIPT* pScript);

// Writes the C++ source that defines gResourceTables; false when the file cannot be written.
bool Rc_Write_Source(const RC_SCRIPT& script, const std::string& stInput,
                     const std::string& stOutput);
