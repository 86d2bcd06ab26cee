// The order of the record book's rows.
#include <strings.h>

#include "database/database.h"
#include "personnel/personnel.h"

// qsort order of two RECORD_BOOK_ROWs: the higher value first, then the later season, then the
// later week, then last and first name alphabetically without regard to case.
int Compare_Record_Book_Entries(const void* pRowA, const void* pRowB) {
    const RECORD_BOOK_ROW* a = (const RECORD_BOOK_ROW*)pRowA;
    const RECORD_BOOK_ROW* b = (const RECORD_BOOK_ROW*)pRowB;
    if (a->nValue != b->nValue)
        return a->nValue > b->nValue ? -1 : 1;
    if (a->nYear != b->nYear)
        return a->nYear > b->nYear ? -1 : 1;
    if (a->nWeek != b->nWeek)
        return a->nWeek > b->nWeek ? -1 : 1;
    int nOrder = strncasecmp(a->szLastName, b->szLastName, sizeof a->szLastName);
    if (nOrder != 0)
        return nOrder;
    return strncasecmp(a->szFirstName, b->szFirstName, sizeof a->szFirstName);
}
