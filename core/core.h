// Core services: error reporting and the debug log, message boxes, random numbers and integer
// arithmetic, bounded strings and text formats, line and CSV-field readers, small file helpers.
// What every other subsystem may call.
#pragma once

#include <stdint.h>
#include <stdio.h>

#include "platform/windows_base.h"
#include "core/host_services.h"

// ---- command-line flags and the error reporter -------------------------------------------------
#define IS_NOT_RANDOM 0x1
#define SHOW_SYSTEM_ERRORS 0x4
#define DTXT_PBPDIAGRAM 0x10000
#define DTXT_PBPSELECTOR 0x20000
#define DTXT_AGG 0x40000

#define TEXT_BUFFER_SIZE 2048
#define RECENT_ERRORS_SIZE 2048

extern int gCommandLineFlags;
extern char gRecentErrors[RECENT_ERRORS_SIZE];
extern int gAskEnterDebugger;

int Report_Error(const char* szFormat, ...) __attribute__((format(printf, 1, 2)));
void Log_Debug_Line(const char* szFormat, ...) __attribute__((format(printf, 1, 2)));
int Print_Debug_Message(int nMask, const char* szFormat, ...) __attribute__((format(printf, 2, 3)));
const char* Get_Recent_Errors(void);

// ---- message boxes and debugger output ---------------------------------------------------------
extern int gMessageBoxOpen;

// What the skinned message dialog receives in WM_INITDIALOG. No text is ever null; an empty
// button caption means that button is not shown.
typedef struct USER_MESSAGE {
    const char* szCaption;
    const char* szText;
    const char* szEmpty;
    const char* szButton[3];
} USER_MESSAGE;

int Show_Message_Box(const char* szCaption, const char* szFormat, ...)
    __attribute__((format(printf, 2, 3)));
int Do_Message_Box(const char* szText, const char* szCaption, UINT uType);
// The caller's text followed by the system's text for the error code; logged too.
void Show_System_Error(int nErrorCode, const char* szCaption, const char* szFormat, ...)
    __attribute__((format(printf, 3, 4)));
void Debug_Print(const char* szFormat, ...) __attribute__((format(printf, 1, 2)));
int User_Message_Dialog(const char* szCaption, const char* szText, const char* szUnused,
                        const char* szButton1, const char* szButton2, const char* szButton3);
// The system message box's type with as many buttons as the message has captions.
UINT Get_User_Message_Box_Type(const USER_MESSAGE* pMessage);

HINSTANCE Get_App_Instance(void);

// ---- random numbers and integer arithmetic -----------------------------------------------------
#define DEFAULT_RANDOM_SEED 4357
#define FIXED_RANDOM_SEED 12345
#define MT_STATE_WORDS 624

extern uint32_t gMtState[MT_STATE_WORDS];
extern int gMtIndex;  // next word to hand out; 625 = never seeded, 624 = regenerate first

void Seed_Random(uint32_t uSeed);
void Reset_Random(void);  // never seeded, as at start-up
void Set_Random_State(const uint32_t* pWords);
uint32_t Random_Number(void);
// Outputs taken from the generator since the program started (a caller can tell whether a
// computation drew any).
uint64_t Count_Random_Draws(void);
double Random_Unit(void);
int Random_Below(int n);
int Random_Range(int a, int b);
float Random_Float(float x);
int Random_Spread(int nValue, int nSpread);
float Random_Spread_Float(float x, float d);

// The draw of player generation, d(n): the integer part of n x u / 4294967295 for the next
// generator output u, so 0..n-1 (n only for the largest u). The order of draws decides what a
// seed produces.
int Draw_Random(int n);
// nBase + d(n) - d(n), the added draw first.
int Draw_Random_Around(int nBase, int n);

int64_t Mul_Div_Wide(int64_t a, int64_t b, int64_t c);  // rounded as Mul_Div, not cut to 32 bits

// a x b / c rounded half away from zero and cut to 32 bits, 0 when c is 0. Inline, so a constant
// divisor needs no division; a product that does not fit in 32 bits takes the wide path.
inline int Mul_Div(int a, int b, int c) {
    int64_t nProduct = (int64_t)a * b;
    if (c == 0 || nProduct <= INT32_MIN || nProduct > INT32_MAX)
        return (int)(uint32_t)Mul_Div_Wide(a, b, c);
    int nNarrow = (int)nProduct;
    int nQuotient = nNarrow / c;
    int nRemainder = nNarrow % c;
    int64_t nTwiceRemainder = 2 * (int64_t)(nRemainder < 0 ? -nRemainder : nRemainder);
    if (nTwiceRemainder >= (c < 0 ? -(int64_t)c : (int64_t)c))
        nQuotient += ((nNarrow < 0) != (c < 0)) ? -1 : 1;
    return nQuotient;
}
int Signed_Root(int v);
float Signed_Root_Float(float x);
int Percent_Of(int a, int b);
// ---- rounding (rounding.cpp) ----
int Round_To_Multiple(int a, int b);
int Round_Down_To_Multiple(int a, int b);
// a x k / b rounded to the nearest, halves up; one lower when the exact quotient is negative and
// not whole. 0 when b is 0. The product is taken in 64 bits.
int Round_Ratio(int64_t a, int64_t b, int64_t k);
// a / b rounded to the nearest whole number, halves away from zero; 0 when b is 0.
int64_t Round_Div(int64_t a, int64_t b);
int Count_Divisions(int a, int b);
int Get_Rating_Grade(int nValue);
int Grade_To_Rating(int nGrade);
int Get_Rating_Grade5(int nValue);
int Grade5_To_Rating(int nGrade);
int Clamp(int nValue, int nLow, int nHigh);
int Saturate_To_Int(int64_t nValue);  // the nearest int
int Min_Int(int a, int b);
int Max_Int(int a, int b);
float Min_Float(float a, float b);
double Min_Double(double a, double b);
void Swap_Ints(int* a, int* b);
void Toggle_Flag(int* pFlag);
int Is_Rect_Inside(const RECT* pA, const RECT* pB);
int Do_Rects_Overlap(const RECT* pA, const RECT* pB);

// ---- bounded strings and text formats ----------------------------------------------------------
int safe_strncpy(char* dst, const char* src, int nSize);
int safe_strncat(char* dst, const char* src, int nSize);
int Format_String(char* szBuffer, int nSize, const char* szFormat, ...)
    __attribute__((format(printf, 3, 4)));
int Append_Format_String(char* szBuffer, int nSize, const char* szFormat, ...)
    __attribute__((format(printf, 3, 4)));
char* Find_Text_No_Case(const char* szText, const char* szPattern);
int Remove_Char(char* szText, char ch);
int Pad_Left(char* szText, int nSize, int nWidth);
void Pad_Left_Double(char* szText, int nSize, int nWidth);
void Make_Upper_Case(char* szText);
void Make_Lower_Case(char* szText);
// Letters, digits, "_" and "-" kept, every other character made "_": a text from outside
// that names a file.
void Keep_Safe_File_Characters(char* szText);
int Load_String(UINT nId, char* szOut, int nSize);
// Copies szText with & < > " ' as entities; stops at a whole character. The length written.
int Escape_Html(char* szOut, int nSize, const char* szText);
// A buffer's length kept by its writer in *pLength, measured again when it no longer matches.
int Get_Tracked_Length(const char* szBuffer, int nSize, int* pLength);
// Appends the whole piece when the text stays within nLimit characters (and the buffer); else
// nothing. 1 when appended.
int Append_Tracked_Text(char* szBuffer, int nSize, int* pLength, const char* szPiece, int nLimit);

void Format_With_Commas(int nValue, char* szOut, int nSize);
void Format_Dollars(int nValue, char* szOut, int nSize);
void Format_Money(int nThousands, char* szOut, int nSize);
void Format_Money_Dollars(int nDollars, char* szOut, int nSize);
int Parse_Money(char* szText);
void Format_Thousandths(int nValue, char* szOut, int nSize);
void Format_Ordinal_Number(char* szOut, int nSize, int n);
void Get_Cardinal_Words(char* szOut, int nSize, int n);
void Get_Ordinal_Words(char* szOut, int nSize, int n);

void Get_Date_Text(int nDay, char* szOut, int nSize);
void Format_Date_With_Year(int nDay, int nYear, char* szOut, int nSize);
void Get_Month_Name(int nMonth, char* szOut, int nSize);
void Get_Weekday_Name(int nWeekday, char* szOut, int nSize);

void Get_Position_Name(int nPosition, char* szOut, int nSize);
void Get_Position_Name_Lowercase(int nPosition, char* szOut, int nSize);
void Get_Position_Abbreviation(int nPosition, char* szOut, int nSize);
void Get_Depth_Role_Name(int nRole, char* szOut, int nSize);
void Get_Depth_Role_Abbreviation(int nRole, char* szOut, int nSize);
void Get_Rating_Name(int nRating, char* szOut, int nSize);

// ---- text files and CSV fields -----------------------------------------------------------------
extern int gLineTooLongShown;

int Read_Line_Limit(const char* szFileName, char* szOut, FILE* pFile, int nLimit);
int Read_Line(char* szOut, int nSize, FILE* pFile);
int Skip_Line(FILE* pFile);
// A field longer than nSize - 1 characters is cut to fit.
int Pop_Field(char* szField, int nSize, char* szText, char chDelimiter);
int Append_Line_To_File(const char* szFileName, const char* szText);
int Append_Format_To_File(const char* szFileName, const char* szFormat, ...)
    __attribute__((format(printf, 2, 3)));
int Append_Format_Line(const char* szFileName, const char* szFormat, ...)
    __attribute__((format(printf, 2, 3)));
int Count_File_Lines(const char* szPath);
int Get_File_Length(FILE* pFile);
const char* Get_Errno_Text(void);
int File_Exists(const char* szPath);
// 1 when a name meant for one file of a folder could reach another folder: it holds "/", "\\"
// or "..".
int Has_Path_Parts(const char* szName);
// Copies the file unless szTo exists already (file_copy.cpp); 1 when copied.
int Copy_File_If_Absent(const char* szFrom, const char* szTo);

// ---- numbers in the fields of a file ------------------------------------------------------------
// What a field held: a number (blanks around it allowed), nothing but blanks, or anything else
// (junk, junk after the number, a number out of range).
#define FIELD_NUMBER 0
#define FIELD_EMPTY 1
#define FIELD_NOT_NUMBER 2

// An empty field reads 0; a field that is not a number reads its leading number (kept within
// the type) or 0 when it has none.
int Parse_Int_Field(const char* szField, int* pValue);
int Parse_Decimal_Field(const char* szField, double* pValue);
// The same, reporting a field of szFileName that is not a number.
int Read_Int_Field(const char* szFileName, const char* szField);
double Read_Decimal_Field(const char* szFileName, const char* szField);
// A field that a reader skips gets one debug-log line: where it stands (the file and its line
// or record), the field and the range it missed.
void Log_Skipped_Field(const char* szWhere, const char* szField, int nMin, int nMax);
// A field that is a whole number from nMin to nMax: 1 and the number in *pValue. Anything else
// (empty, not a number, out of range) is skipped: 0, *pValue untouched, and the log line above.
int Read_Int_Field_In_Range(const char* szWhere, const char* szField, int nMin, int nMax,
                            int* pValue);
