// The record book of career, season and game records.
#include "season/season.h"

// Stand-in until the record book is built: the stored records stay as they are.
void Update_Record_Book(int nKind) {
    (void)nKind;
}
