// Any bytes as a game file, loaded with the Game menu's "Load Game" as the
// program does it: the file is written to a temporary path that the file
// dialog answers, then read, checked and replayed into the record. The first
// byte picks the file name's ending, so both the tab and the PGN readers run.
#include "tests/main_window/GameFilesFixture.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

std::string TempPath(const char* ending) {
    return (std::filesystem::temp_directory_path() / ("varnix-load-fuzz-" + std::to_string(getpid()) + ending)).string();
}

bool WriteFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool written = std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && written;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    static const std::string tabPath = TempPath(".txt");
    static const std::string pgnPath = TempPath(".pgn");
    const std::string& path = data[0] % 2 ? pgnPath : tabPath;
    if (!WriteFile(path, data + 1, size - 1)) std::abort();

    // One game for the whole run, set back to a new game before each load, as a user's program would be.
    static varnix::GameFilesFixture game;
    game.NewGame();
    game.messages.clear();
    game.white = data[0] & 2;
    game.Load(path);
    const varnix::GameState& state = game.State();
    // A load either replaces the game or says why not; it never leaves the shown position past the record.
    if (state.PlyCount < 0 || state.PlyCount > state.MaxPly || game.messages.size() > 1) std::abort();
    return 0;
}
