// The record book of career, season and game records.
#include "season/season.h"

// The stored records stay as they are.
// STAND-IN(season): updates the record book's career, season and game records from the leaders.
void Update_Record_Book(int nKind) {
    (void)nKind;
}
