#include "main_window/files/GameFilePgn.h"

#include "core/Fen.h"
#include "core/GameEnd.h"
#include "core/GameState.h"
#include "core/NotationText.h"
#include "core/Pgn.h"
#include "main_window/files/GameFileMoves.h"

#include <algorithm>
#include <cctype>

namespace varnix {

namespace {

constexpr std::string_view MissingWhiteMove = "-";
constexpr std::string_view UserName = "Player";
constexpr std::string_view EngineName = "Varnix Chess";

bool HasOneKingEach(const Position& p) {
    int white = 0, black = 0;
    for (int row = 1; row <= 8; ++row)
        for (int file = 1; file <= 8; ++file) {
            white += PieceAt(p, file, row) == WhiteKing;
            black += PieceAt(p, file, row) == BlackKing;
        }
    return white == 1 && black == 1;
}

// The FEN with its side-to-move field set, so that a PGN reader starts the
// moves with the side the record starts with.
std::string FenWithSide(std::string_view fen, bool blackToMove) {
    std::vector<std::string> fields;
    for (std::size_t at = 0; at < fen.size();) {
        const std::size_t end = std::min(fen.find(' ', at), fen.size());
        if (end > at) fields.emplace_back(fen.substr(at, end - at));
        at = end + 1;
    }
    if (fields.empty()) return std::string(fen);
    if (fields.size() < 2) fields.emplace_back();
    fields[1] = blackToMove ? "b" : "w";
    std::string out = fields[0];
    for (std::size_t i = 1; i < fields.size(); ++i) out += " " + fields[i];
    return out;
}

// The PGN result a result text of the record stands for.
std::string PgnResult(std::string_view text) {
    if (text == "1-0" || text == "0-1") return std::string(text);
    if (text == "1/2-1/2" || text == "1/2" || text == DrawSign) return "1/2-1/2";
    return "*";
}

std::vector<std::string> HalfMovesUpTo(const RecordSnapshot& record) {
    std::vector<std::string> texts;
    for (int i = 1; i <= record.PlyCount; ++i) {
        const std::size_t row = std::size_t(i + 1) / 2;
        if (row > record.Rows.size()) break;
        texts.push_back(i % 2 == 1 ? record.Rows[row - 1].White : record.Rows[row - 1].Black);
    }
    return texts;
}

// The seven-tag roster, with the user and the engine on their sides.
std::vector<PgnTag> RosterTags(bool userPlaysWhite, const std::string& date, const std::string& result) {
    const std::string user(UserName), engine(EngineName);
    return {{"Event", "Varnix Chess game"},
            {"Site", "?"},
            {"Date", date},
            {"Round", "-"},
            {"White", userPlaysWhite ? user : engine},
            {"Black", userPlaysWhite ? engine : user},
            {"Result", result}};
}

} // namespace

GameFileReading ReadPgnGame(const RecordCalls& calls, std::string_view text) {
    GameFileReading reading;
    const std::optional<PgnGame> game = ReadPgn(text);
    const std::string fen = game ? game->Tag("FEN") : std::string();
    Position start{};
    FenToPosition(fen.empty() ? StandardStartFen : fen, start);
    if (!game || !HasOneKingEach(start) || game->Moves.size() >= std::size_t(2 * MaxFileMoveLines)) {
        reading.Fault = GameFileFault::Unreadable;
        return reading;
    }
    const CheckedMoves checked = CheckMoveTexts(calls, start, game->Moves);
    if (!checked.AllGood) {
        reading.Fault = GameFileFault::Corrupted;
        return reading;
    }
    // Only a replayed move shows the record's own start; without one the board would stay at the standard start.
    if (!fen.empty() && fen != StandardStartFen && checked.Texts.empty()) {
        reading.Fault = GameFileFault::Unreadable;
        return reading;
    }
    std::vector<std::string> halfMoves;
    if (start.BlackToMove != 0) halfMoves.emplace_back(MissingWhiteMove);
    halfMoves.insert(halfMoves.end(), checked.Texts.begin(), checked.Texts.end());

    LoadedGame& loaded = reading.Game;
    loaded.StartFen = fen == StandardStartFen ? std::string() : fen;
    for (std::size_t i = 0; i < halfMoves.size(); i += 2)
        loaded.Lines.push_back({halfMoves[i], i + 1 < halfMoves.size() ? halfMoves[i + 1] : std::string()});
    loaded.MaxPly = std::int16_t(halfMoves.size());
    return reading;
}

std::string PgnGameText(const RecordCalls& calls, const RecordSnapshot& record, const std::string& date) {
    const std::string fen = record.StartFen.empty() ? StandardStartFen : record.StartFen;
    std::vector<std::string> texts = HalfMovesUpTo(record);
    // Replay starts with White to move; a missing first White move hands the start to Black.
    const bool blackFirst = !texts.empty() && texts.front() == MissingWhiteMove;
    if (blackFirst) texts.erase(texts.begin());
    const auto resultAt = std::find_if(texts.begin(), texts.end(), [](const std::string& t) { return IsResultText(t); });
    const bool recordedResult = resultAt != texts.end();

    Position start{};
    FenToPosition(fen, start);
    start.BlackToMove = blackFirst ? FlagTrue : FlagFalse;
    const CheckedMoves checked = CheckMoveTexts(calls, start, std::vector<std::string>(texts.begin(), resultAt));
    std::string result = checked.AllGood && recordedResult ? PgnResult(*resultAt) : "*";
    const bool mated = !checked.Texts.empty() && checked.Texts.back().ends_with('#');
    if (checked.AllGood && mated && !recordedResult) {
        const bool blackMovedLast = blackFirst == (checked.Texts.size() % 2 == 1);
        result = blackMovedLast ? "0-1" : "1-0";
    }
    // Texts that cannot be played (a hand-edited file) are kept, in a comment.
    const std::size_t played = checked.Texts.size() + (checked.AllGood && recordedResult ? 1 : 0);
    std::string unplayed;
    for (std::size_t i = played; i < texts.size(); ++i) unplayed += (unplayed.empty() ? "" : " ") + texts[i];

    PgnGame game;
    game.Tags = RosterTags(record.UserPlaysWhite, date, result);
    if (blackFirst || fen != StandardStartFen) {
        game.Tags.push_back({"SetUp", "1"});
        game.Tags.push_back({"FEN", FenWithSide(fen, blackFirst)});
    }
    game.Moves = checked.Texts;
    game.Result = result;
    if (!unplayed.empty()) game.FinalComment = "Not replayed: " + unplayed;
    return WritePgn(game);
}

bool IsPgnFileName(std::string_view name) {
    if (name.size() < 4) return false;
    std::string ending(name.substr(name.size() - 4));
    std::transform(ending.begin(), ending.end(), ending.begin(), [](unsigned char c) { return std::tolower(c); });
    return ending == ".pgn";
}

bool LooksLikePgn(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return false;
    const char c = text[first];
    // A tab file has TABs in every move line; PGN movetext needs none.
    const bool movetext = std::isdigit(static_cast<unsigned char>(c)) && text.find('\t') == std::string_view::npos;
    return c == '[' || c == '{' || c == ';' || movetext;
}

} // namespace varnix
