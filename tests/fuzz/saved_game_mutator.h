// A mutator for saved-game inputs: byte changes to a compressed file almost never survive
// decompression, so one chunk is inflated, its raw bytes are changed and it is compressed again.
#pragma once

#include <stddef.h>
#include <stdint.h>

// The LLVMFuzzerCustomMutator of the saved-game targets: the new input's size, at most nMaxSize.
// An input that is not a saved game, or whose mutated form would not fit, gets libFuzzer's own
// byte mutations.
size_t Mutate_Saved_Game(uint8_t* pData, size_t nSize, size_t nMaxSize, unsigned int uSeed);
