// What the saved-game dialogs' files share inside the setup folder.
#pragma once

// Why a typed name cannot name a saved game, or NULL when it can: a file of the game folder,
// never a path.
const char* Check_Save_Name(const char* szName);
void Format_Save_Path(const char* szName, char* szPath, int nSize);  // "<name>.vnt"
// The notice of a save that failed: the given one when the file could not be made, the low-disk
// one when it could not be written. Nothing for a save that worked.
void Tell_Save_Failure(int nResult, const char* szOpenFailure, const char* szOpenCaption);
