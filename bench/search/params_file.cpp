#include "params_file.h"

#include <array>
#include <fstream>
#include <type_traits>
#include <sstream>

namespace varnix::bench {

std::optional<engine::EvalParams> ReadParams(const std::string& path) {
    std::ifstream in(path);
    engine::EvalParams params = engine::DefaultEvalParams();
    for (int& n : params.Numbers()) {
        if (!(in >> n)) return std::nullopt;
    }
    return params;
}

bool WriteParams(const std::string& path, engine::EvalParams params) {
    std::ofstream out(path);
    for (const int n : params.Numbers()) out << n << '\n';
    return bool(out);
}

namespace {

std::string Text(engine::Score s) { return "S(" + std::to_string(s.mg) + ", " + std::to_string(s.eg) + ")"; }

template <typename Array>
std::string List(const Array& values) {
    std::string out = "{";
    for (size_t i = 0; i < values.size(); ++i) {
        if constexpr (std::is_same_v<typename Array::value_type, engine::Score>)
            out += Text(values[i]);
        else
            out += std::to_string(values[i]);
        if (i + 1 < values.size()) out += ", ";
    }
    return out + "}";
}

// A square table as a diagram, one rank a line.
std::string Diagram(const std::array<engine::Score, 64>& cells) {
    std::string out = "{\n";
    for (size_t i = 0; i < cells.size(); ++i) {
        out += i % 8 == 0 ? "        " : " ";
        out += Text(cells[i]);
        out += i + 1 == cells.size() ? "}" : i % 8 == 7 ? ",\n" : ",";
    }
    return out;
}

}  // namespace

std::string ParamsAsCode(const engine::EvalParams& p) {
    std::ostringstream c;
    c << "    p.pieceValue = " << List(p.pieceValue) << ";\n";
    static const char* const kNames[] = {"", "Pawn", "Knight", "Bishop", "Rook", "Queen", "King"};
    for (int t = engine::Pawn; t <= engine::King; ++t)
        c << "    p.square[" << kNames[t] << "] = " << Diagram(p.square[t]) << ";\n";
    c << "    p.knightMobility = " << List(p.knightMobility) << ";\n";
    c << "    p.bishopMobility = " << List(p.bishopMobility) << ";\n";
    c << "    p.rookMobility = " << List(p.rookMobility) << ";\n";
    c << "    p.queenMobility = " << List(p.queenMobility) << ";\n";
    c << "    p.doubled = " << Text(p.doubled) << ";\n";
    c << "    p.isolated = " << Text(p.isolated) << ";\n";
    c << "    p.backward = " << Text(p.backward) << ";\n";
    c << "    p.passed = " << List(p.passed) << ";\n";
    c << "    p.connected = " << List(p.connected) << ";\n";
    c << "    p.passedEnemyKingDistance = " << Text(p.passedEnemyKingDistance) << ";\n";
    c << "    p.passedOwnKingDistance = " << Text(p.passedOwnKingDistance) << ";\n";
    c << "    p.passedBlocked = " << Text(p.passedBlocked) << ";\n";
    c << "    p.passedSafeStop = " << Text(p.passedSafeStop) << ";\n";
    c << "    p.passedFreePath = " << Text(p.passedFreePath) << ";\n";
    c << "    p.bishopPair = " << Text(p.bishopPair) << ";\n";
    c << "    p.rookOpenFile = " << Text(p.rookOpenFile) << ";\n";
    c << "    p.rookHalfOpenFile = " << Text(p.rookHalfOpenFile) << ";\n";
    c << "    p.minorBehindPawn = " << Text(p.minorBehindPawn) << ";\n";
    c << "    p.bishopPawns = " << Text(p.bishopPawns) << ";\n";
    c << "    p.kingProtector = " << Text(p.kingProtector) << ";\n";
    c << "    p.rookTrapped = " << Text(p.rookTrapped) << ";\n";
    c << "    p.knightOutpost = " << Text(p.knightOutpost) << ";\n";
    c << "    p.bishopOutpost = " << Text(p.bishopOutpost) << ";\n";
    c << "    p.rookOnSeventh = " << Text(p.rookOnSeventh) << ";\n";
    c << "    p.pawnThreat = " << Text(p.pawnThreat) << ";\n";
    c << "    p.minorThreat = " << List(p.minorThreat) << ";\n";
    c << "    p.rookThreat = " << List(p.rookThreat) << ";\n";
    c << "    p.kingThreat = " << Text(p.kingThreat) << ";\n";
    c << "    p.hanging = " << Text(p.hanging) << ";\n";
    c << "    p.pushThreat = " << Text(p.pushThreat) << ";\n";
    c << "    p.pinned = " << Text(p.pinned) << ";\n";
    c << "    p.tempo = " << Text(p.tempo) << ";\n";
    c << "    p.shelter = " << List(p.shelter) << ";\n";
    c << "    p.storm = " << List(p.storm) << ";\n";
    c << "    p.kingPawnDistance = " << Text(p.kingPawnDistance) << ";\n";
    c << "    p.pawnlessFlank = " << Text(p.pawnlessFlank) << ";\n";
    c << "    p.kingAttackUnits = " << List(p.kingAttackUnits) << ";\n";
    c << "    p.safeCheck = " << List(p.safeCheck) << ";\n";
    c << "    p.kingZoneWeak = " << p.kingZoneWeak << ";\n";
    c << "    p.kingDefender = " << p.kingDefender << ";\n";
    c << "    p.kingNoQueen = " << p.kingNoQueen << ";\n";
    c << "    p.kingDangerDivisor = " << p.kingDangerDivisor << ";\n";
    c << "    p.kingDangerCap = " << p.kingDangerCap << ";\n";
    return c.str();
}

}  // namespace varnix::bench
