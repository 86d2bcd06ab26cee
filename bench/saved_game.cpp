// Saving and loading a whole league: a save at level 6, the auto-save at level 1, and a load with
// every step that follows it. The files go to a scratch folder; times and file sizes are printed.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "database/database.h"
#include "fixtures/fixture_league.h"
#include "shell/shell.h"

namespace {

const char* const kSaveName = "bench.vnt";

char gScratchFolder[] = "/tmp/vanto_bench_XXXXXX";

void Remove_Scratch_Folder() {
    std::error_code error;
    std::filesystem::remove_all(gScratchFolder, error);
}

// Works in a fresh scratch folder, removed at exit, with the fixture league built once.
void Prepare_League() {
    static bool bPrepared = false;
    if (bPrepared)
        return;
    if (!mkdtemp(gScratchFolder) || chdir(gScratchFolder) != 0)
        abort();
    atexit(Remove_Scratch_Folder);
    Build_Fixture_League();
    bPrepared = true;
}

double File_Size(const char* szPath) {
    std::ifstream file(szPath, std::ios::binary | std::ios::ate);
    return file ? (double)file.tellg() : 0.0;
}

void Save_Bench(benchmark::State& state, const char* szPath) {
    Prepare_League();
    for (auto _ : state) {
        if (Save_Game_File(szPath, NULL) != SAVE_OK)
            state.SkipWithError("the save failed");
    }
    state.counters["file_bytes"] = File_Size(szPath);
}

void BM_Save_Level_6(benchmark::State& state) {
    Save_Bench(state, kSaveName);
}

void BM_Auto_Save_Level_1(benchmark::State& state) {
    Save_Bench(state, AUTO_SAVE_FILE_NAME);
}

void BM_Load_Universe(benchmark::State& state) {
    Prepare_League();
    if (Save_Game_File(kSaveName, NULL) != SAVE_OK) {
        state.SkipWithError("the save failed");
        return;
    }
    for (auto _ : state) {
        if (!Load_Universe(kSaveName))
            state.SkipWithError("the load failed");
    }
    state.counters["file_bytes"] = File_Size(kSaveName);
}

}  // namespace

BENCHMARK(BM_Save_Level_6)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Auto_Save_Level_1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load_Universe)->Unit(benchmark::kMillisecond);
