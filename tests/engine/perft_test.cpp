#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/api/varnix_engine.h"
#include "engine/board.h"
#include "engine/perft.h"
#include "engine/record_bridge.h"

using namespace varnix::engine;

namespace {

struct PerftCase {
    std::string name, fen;
    std::vector<std::pair<int, uint64_t>> counts;  // depth, nodes
};

std::string Trim(const std::string& s) {
    const size_t a = s.find_first_not_of(' '), b = s.find_last_not_of(' ');
    return a == std::string::npos ? "" : s.substr(a, b - a + 1);
}

std::vector<PerftCase> LoadCases() {
    std::ifstream in(VARNIX_TEST_DATA "/perft.txt");
    std::vector<PerftCase> cases;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::stringstream fields(line);
        PerftCase c;
        std::string counts;
        std::getline(fields, c.name, ';');
        std::getline(fields, c.fen, ';');
        std::getline(fields, counts);
        c.fen = Trim(c.fen);
        std::stringstream pairs(counts);
        for (std::string pair; pairs >> pair;) {
            const size_t colon = pair.find(':');
            c.counts.emplace_back(std::stoi(pair.substr(0, colon)), std::stoull(pair.substr(colon + 1)));
        }
        cases.push_back(c);
    }
    return cases;
}

// Runs every position to each depth whose node count stays under the cap.
template <typename Count>
void CheckAll(uint64_t nodeCap, Count count) {
    const auto cases = LoadCases();
    ASSERT_GE(cases.size(), 6u);
    for (const PerftCase& c : cases) {
        const auto board = Board::FromFen(c.fen);
        ASSERT_TRUE(board) << c.name;
        for (const auto& [depth, nodes] : c.counts) {
            if (nodes > nodeCap) break;
            EXPECT_EQ(count(*board, depth), nodes) << c.name << " depth " << depth;
        }
    }
}

}  // namespace

TEST(Perft, InternalGenerator) {
    CheckAll(5'000'000, [](Board b, int depth) {
        const uint64_t hash = b.Hash();
        const uint64_t nodes = Perft(b, depth);
        EXPECT_EQ(b.Hash(), hash);
        return nodes;
    });
}

// The program's own view: the exported list call, the exported make call, then BlackToMove inverted.
TEST(Perft, ThroughExportedCalls) {
    CheckAll(250'000, [](const Board& b, int depth) {
        return RecordPerft(RecordFromBoard(b), depth, {varnix_GetMove, varnix_MakeMove});
    });
}
