// Numbers read from the text fields of a file. A field is a number only when nothing but blanks
// surrounds it; anything else is told to the caller, so a reader can say which field was bad.
#include "core/core.h"

#include <charconv>
#include <limits.h>
#include <stdlib.h>
#include <string.h>

static const char* Skip_Blanks(const char* p) {
    while (*p == ' ' || *p == '\t')
        p++;
    return p;
}

// The start of the number: blanks and a plus sign (which the converter does not take) skipped.
static const char* Find_Number_Start(const char* szField) {
    const char* p = Skip_Blanks(szField);
    if (p[0] == '+' && p[1] != '-' && p[1] != '+')
        p++;
    return p;
}

// The value of a number out of range: the nearest the type holds.
static int Get_Out_Of_Range_Value(const char* p, int) {
    return *p == '-' ? INT_MIN : INT_MAX;
}

static double Get_Out_Of_Range_Value(const char* p, double) {
    return strtod(p, NULL);  // infinite, or zero for a number too small
}

template <typename NUMBER>
static int Parse_Number_Field(const char* szField, NUMBER* pValue) {
    *pValue = 0;
    const char* p = Find_Number_Start(szField);
    if (*p == 0)
        return FIELD_EMPTY;
    NUMBER value = 0;
    auto [pStop, error] = std::from_chars(p, p + strlen(p), value);
    if (error == std::errc::invalid_argument)
        return FIELD_NOT_NUMBER;
    if (error == std::errc::result_out_of_range) {
        *pValue = Get_Out_Of_Range_Value(p, value);
        return FIELD_NOT_NUMBER;
    }
    *pValue = value;
    return *Skip_Blanks(pStop) == 0 ? FIELD_NUMBER : FIELD_NOT_NUMBER;
}

int Parse_Int_Field(const char* szField, int* pValue) {
    return Parse_Number_Field(szField, pValue);
}

int Parse_Decimal_Field(const char* szField, double* pValue) {
    return Parse_Number_Field(szField, pValue);
}

static void Report_Bad_Field(const char* szFileName, const char* szField) {
    Report_Error("Not a number in %s: \"%s\"", szFileName, szField);
}

int Read_Int_Field(const char* szFileName, const char* szField) {
    int nValue;
    if (Parse_Int_Field(szField, &nValue) == FIELD_NOT_NUMBER)
        Report_Bad_Field(szFileName, szField);
    return nValue;
}

double Read_Decimal_Field(const char* szFileName, const char* szField) {
    double fValue;
    if (Parse_Decimal_Field(szField, &fValue) == FIELD_NOT_NUMBER)
        Report_Bad_Field(szFileName, szField);
    return fValue;
}

// The field is cut in the log: a damaged file may hold lines of any bytes.
#define LOGGED_FIELD_LENGTH 40

void Log_Skipped_Field(const char* szWhere, const char* szField, int nMin, int nMax) {
    Log_Debug_Line("%s: \"%.*s\" is not a number from %d to %d; skipped.", szWhere,
                   LOGGED_FIELD_LENGTH, szField, nMin, nMax);
}

int Read_Int_Field_In_Range(const char* szWhere, const char* szField, int nMin, int nMax,
                            int* pValue) {
    int nValue;
    if (Parse_Int_Field(szField, &nValue) != FIELD_NUMBER || nValue < nMin || nValue > nMax) {
        Log_Skipped_Field(szWhere, szField, nMin, nMax);
        return 0;
    }
    *pValue = nValue;
    return 1;
}
