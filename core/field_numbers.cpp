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

static int Get_Field_Result(const char* pStop) {
    return *Skip_Blanks(pStop) == 0 ? FIELD_NUMBER : FIELD_NOT_NUMBER;
}

int Parse_Int_Field(const char* szField, int* pValue) {
    *pValue = 0;
    const char* p = Find_Number_Start(szField);
    if (*p == 0)
        return FIELD_EMPTY;
    int nValue = 0;
    auto [pStop, error] = std::from_chars(p, p + strlen(p), nValue);
    if (error == std::errc::invalid_argument)
        return FIELD_NOT_NUMBER;
    if (error == std::errc::result_out_of_range) {
        *pValue = *p == '-' ? INT_MIN : INT_MAX;
        return FIELD_NOT_NUMBER;
    }
    *pValue = nValue;
    return Get_Field_Result(pStop);
}

int Parse_Decimal_Field(const char* szField, double* pValue) {
    *pValue = 0;
    const char* p = Find_Number_Start(szField);
    if (*p == 0)
        return FIELD_EMPTY;
    double fValue = 0;
    auto [pStop, error] = std::from_chars(p, p + strlen(p), fValue);
    if (error == std::errc::invalid_argument)
        return FIELD_NOT_NUMBER;
    if (error == std::errc::result_out_of_range) {
        *pValue = strtod(p, NULL);  // the nearest the type holds: infinite or zero
        return FIELD_NOT_NUMBER;
    }
    *pValue = fValue;
    return Get_Field_Result(pStop);
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
