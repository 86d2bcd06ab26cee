// The record book of career, season and game records.
#include "season/season.h"

// The stored records stay as they are.
// STAND-IN(season): updates the record book's career, season and game records from the leaders.
void Update_Record_Book(int nKind) {
    (void)nKind;
}

// STAND-IN(season): copies every player's career statistics before the week, for the record
// book's weekly step to compare against.
void Take_Career_Snapshot(void) {}

// STAND-IN(season): enters the week's new single-game and career marks into the record book.
void Update_Weekly_Record_Book(void) {}
