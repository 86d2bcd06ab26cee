// What every fuzz target shares: a scratch folder to run in, the fixture league as the state each
// input starts from, and a little use of the league after a reader has run.
#pragma once

#include <stddef.h>
#include <stdint.h>

// Every target starts the same way (LLVMFuzzerInitialize is here): it moves into a scratch
// folder of its own under $TMPDIR, so that the readers' fixed file names stay apart, and builds
// the fixture league, of which it keeps a copy.

// Puts the fixture league block back and forgets the messages, debug output and debug.txt of
// the last input.
void Fuzz_Reset_League(void);

// Writes the input to a file of the scratch folder, making its folders.
void Fuzz_Write_File(const char* szPath, const uint8_t* pData, size_t nSize);

// The same for a file named by the fixture's first season year (the format's one "%d").
void Fuzz_Write_Season_File(const char* szFormat, const uint8_t* pData, size_t nSize);

// Reads the league the way the game does after a load: cities, divisions, finances, player ages,
// values and potential.
void Fuzz_Use_League(void);
