// Numbers as text: thousands separators, dollars and money amounts, thousandths, ordinal
// numbers and numbers in words (the words come from the string table).
#include "core/core.h"
#include "resources/resource.h"

#include <stdlib.h>
#include <string.h>

// The suffix ids run "th", "st", "nd", "rd" for last digits 0..3, then "th" for the rest.
#define IDS_SUFFIX_OTHER_TH (IDS_ORDINAL_SUFFIXES + 4)

#define WORD_SIZE 64
#define NUMBER_TEXT_SIZE 32

void Format_With_Commas(int nValue, char* szOut, int nSize) {
    char szDigits[NUMBER_TEXT_SIZE];
    int64_t nMagnitude = nValue < 0 ? -(int64_t)nValue : (int64_t)nValue;
    snprintf(szDigits, sizeof(szDigits), "%lld", (long long)nMagnitude);
    int nDigits = (int)strlen(szDigits);
    char szText[NUMBER_TEXT_SIZE];
    int nOut = 0;
    if (nValue < 0)
        szText[nOut++] = '-';
    for (int k = 0; k < nDigits; k++) {
        if (k > 0 && (nDigits - k) % 3 == 0)
            szText[nOut++] = ',';
        szText[nOut++] = szDigits[k];
    }
    szText[nOut] = 0;
    safe_strncpy(szOut, szText, nSize);
}

void Format_Dollars(int nValue, char* szOut, int nSize) {
    char szCommas[NUMBER_TEXT_SIZE];
    Format_With_Commas(nValue, szCommas, sizeof(szCommas));
    Format_String(szOut, nSize, "$%s", szCommas);
}

void Format_Money(int nThousands, char* szOut, int nSize) {
    int64_t nAmount = llabs((int64_t)nThousands);
    const char* szSign = nThousands < 0 ? "-" : "";
    if (nAmount < 1000) {
        Format_String(szOut, nSize, "%s$%lldK", szSign, (long long)nAmount);
    } else if (nAmount < 100000) {
        Format_String(szOut, nSize, "%s$%lld.%lldM", szSign, (long long)(nAmount / 1000),
                      (long long)(nAmount % 1000 / 100));
    } else if (nAmount < 1000000) {
        Format_String(szOut, nSize, "%s$%lldM", szSign, (long long)(nAmount / 1000));
    } else {
        Format_String(szOut, nSize, "%s$%lld.%02lldB", szSign, (long long)(nAmount / 1000000),
                      (long long)(nAmount % 1000000 / 10000));
    }
}

void Format_Money_Dollars(int nDollars, char* szOut, int nSize) {
    Format_Money(nDollars / 1000, szOut, nSize);
}

int Parse_Money(char* szText) {
    Remove_Char(szText, '$');
    Remove_Char(szText, ',');
    long long nValue = strtoll(szText, NULL, 10);
    if (nValue > INT32_MAX)
        return INT32_MAX;
    if (nValue < INT32_MIN)
        return INT32_MIN;
    return (int)nValue;
}

void Format_Thousandths(int nValue, char* szOut, int nSize) {
    if (nValue < 1000) {
        Format_String(szOut, nSize, ".%03d", nValue);
    } else {
        Format_String(szOut, nSize, "%d.%03d", nValue / 1000, nValue % 1000);
    }
}

void Format_Ordinal_Number(char* szOut, int nSize, int n) {
    int nLastTwo = abs(n % 100);
    int nLastDigit = nLastTwo % 10;
    // 11th, 12th and 13th also in 111th, 212th, ...
    UINT nSuffixId = IDS_SUFFIX_OTHER_TH;
    if (nLastTwo / 10 != 1 && nLastDigit <= 3) {
        nSuffixId = IDS_ORDINAL_SUFFIXES + (UINT)nLastDigit;
    }
    char szSuffix[WORD_SIZE];
    Load_String(nSuffixId, szSuffix, sizeof(szSuffix));
    Format_String(szOut, nSize, "%d%s", n, szSuffix);
}

// ---- numbers in words --------------------------------------------------------------------------

typedef void (*NUMBER_WORDS_FUNCTION)(char* szOut, int nSize, int n);

typedef struct {
    int nUnit;
    const char* szName;
    int bAndBeforeSmallRest;  // "and" before a rest below 100: "two thousand and five"
} NUMBER_SCALE;

static const NUMBER_SCALE gNumberScales[] = {
    {1000000000, "billion", 0},
    {1000000, "million", 0},
    {1000, "thousand", 1},
    {100, "hundred", 1},
};

// The words of n >= 20 that the largest scale at or below n composes: the cardinal words of the
// count of units, the scale's name, then the rest in words by pRestWords. A whole multiple
// ends in the name and szWholeSuffix ("th" for ordinals). Returns 0 when n is below every scale.
static int Compose_Scaled_Words(char* szOut, int nSize, int n, NUMBER_WORDS_FUNCTION pRestWords,
                                const char* szWholeSuffix) {
    for (const NUMBER_SCALE& scale : gNumberScales) {
        if (n < scale.nUnit)
            continue;
        char szCount[TEXT_BUFFER_SIZE];
        Get_Cardinal_Words(szCount, sizeof(szCount), n / scale.nUnit);
        char szWords[TEXT_BUFFER_SIZE];
        int nRest = n % scale.nUnit;
        if (nRest == 0) {
            Format_String(szWords, sizeof(szWords), "%s %s%s", szCount, scale.szName,
                          szWholeSuffix);
        } else {
            char szRest[TEXT_BUFFER_SIZE];
            pRestWords(szRest, sizeof(szRest), nRest);
            const char* szJoin = (scale.bAndBeforeSmallRest && nRest < 100) ? " and " : " ";
            Format_String(szWords, sizeof(szWords), "%s %s%s%s", szCount, scale.szName, szJoin,
                          szRest);
        }
        safe_strncpy(szOut, szWords, nSize);
        return 1;
    }
    return 0;
}

void Get_Cardinal_Words(char* szOut, int nSize, int n) {
    if (n < 0) {
        Format_String(szOut, nSize, "Cardinal error: %d", n);
        return;
    }
    if (n < 20) {
        Load_String(IDS_CARDINALS + (UINT)n, szOut, nSize);
        return;
    }
    if (Compose_Scaled_Words(szOut, nSize, n, Get_Cardinal_Words, ""))
        return;
    char szTens[WORD_SIZE];
    Load_String(IDS_TENS + (UINT)(n / 10 - 2), szTens, sizeof(szTens));
    if (n % 10 == 0) {
        safe_strncpy(szOut, szTens, nSize);
        return;
    }
    char szUnit[WORD_SIZE];
    Load_String(IDS_CARDINALS + (UINT)(n % 10), szUnit, sizeof(szUnit));
    Format_String(szOut, nSize, "%s-%s", szTens, szUnit);
}

void Get_Ordinal_Words(char* szOut, int nSize, int n) {
    if (n < 1 || n > 999999) {
        Format_String(szOut, nSize, "Ordinal error: %d", n);
        return;
    }
    if (Compose_Scaled_Words(szOut, nSize, n, Get_Ordinal_Words, "th"))
        return;
    if (n < 20) {
        Load_String(IDS_ORDINALS + (UINT)(n - 1), szOut, nSize);
        return;
    }
    char szStem[WORD_SIZE];
    Load_String(IDS_ORDINAL_TENS + (UINT)(n / 10 - 2), szStem, sizeof(szStem));
    if (n % 10 == 0) {
        Format_String(szOut, nSize, "%sieth", szStem);
        return;
    }
    char szUnit[WORD_SIZE];
    Load_String(IDS_ORDINALS + (UINT)(n % 10 - 1), szUnit, sizeof(szUnit));
    Format_String(szOut, nSize, "%sy-%s", szStem, szUnit);
}
