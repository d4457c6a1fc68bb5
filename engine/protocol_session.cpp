#include "engine/protocol_session.h"

#include <algorithm>

#include "engine/movegen.h"
#include "engine/protocol_texts.h"
#include "engine/san.h"

namespace varnix::engine {
namespace {

constexpr int64_t kMostTenthsMs = 864'000'000;  // one day
constexpr int64_t kMostPlies = 1'000'000;

Move FirstLegal(const Board& board) {
    MoveList legal;
    GenerateLegal(board, legal);
    return legal.Empty() ? Move::none() : legal[0];
}

}  // namespace

ProtocolSession::ProtocolSession(Searcher& searcher, Emit emit, std::function<void()> wake)
    : searcher_(searcher), emit_(std::move(emit)), wake_(std::move(wake)) {}

ProtocolSession::~ProtocolSession() { Abandon(); }

bool ProtocolSession::HandleLine(std::string_view text) {
    const Command command = ParseCommand(text);
    switch (command.kind) {
        case CommandKind::Empty: break;
        case CommandKind::Quit: Abandon(); return false;
        case CommandKind::New:
            Abandon();
            game_ = GameLine();
            searcher_.NewGame();
            break;
        case CommandKind::Force: MoveNow(); break;
        case CommandKind::Go:
            if (task_ != Task::Thinking) Think();
            break;
        case CommandKind::SetBoard: SetPosition(command); break;
        case CommandKind::White: SetSide(command, White); break;
        case CommandKind::Black: SetSide(command, Black); break;
        case CommandKind::MoveNumber:
        case CommandKind::Skill:
        case CommandKind::Ponder:
        case CommandKind::WhiteTime:
        case CommandKind::BlackTime: ApplySetting(command); break;
        case CommandKind::Move: PlayUserMove(command); break;
        case CommandKind::Unknown: ReportError("unknown command", command.line); break;
    }
    return true;
}

void ProtocolSession::DeliverSearchReports() {
    std::deque<Report> reports;
    {
        std::lock_guard lock(reportsMutex_);
        reports.swap(reports_);
    }
    for (const Report& report : reports) {
        if (report.search != search_) continue;  // also skips what a newer search made stale
        if (!report.done) {
            if (task_ == Task::Thinking) ShowThinking(report.info);
        } else if (task_ == Task::Thinking) {
            task_ = Task::Idle;
            Finish(report.best, report.ponder);
        } else if (task_ == Task::Pondering) {
            ponderFinished_ = {report.best, report.ponder};
        }
    }
}

void ProtocolSession::ApplySetting(const Command& command) {
    switch (command.kind) {
        case CommandKind::MoveNumber: game_.SetPliesPlayed(int(std::min(command.number, kMostPlies))); return;
        case CommandKind::Skill: skill_ = int(std::clamp<int64_t>(command.number, 1, 100)); break;
        case CommandKind::WhiteTime: budgetTenthsMs_[White] = std::min(command.number, kMostTenthsMs); break;
        case CommandKind::BlackTime: budgetTenthsMs_[Black] = std::min(command.number, kMostTenthsMs); break;
        case CommandKind::Ponder:
            ponderOn_ = command.on;
            if (!ponderOn_ && task_ == Task::Pondering) Abandon();
            return;
        default: return;
    }
    RestartPonderIfLimitsChanged();
}

// The program sends the clocks before every user move: when they are what the
// ponder search already uses, it goes on; a changed level restarts it.
void ProtocolSession::RestartPonderIfLimitsChanged() {
    if (task_ != Task::Pondering) return;
    const SearchLimits now = LimitsFor(~game_.Current().SideToMove(), true);
    if (now.moveTimeMs == ponderLimits_.moveTimeMs && now.skill == ponderLimits_.skill) return;
    const Move expected = expected_;
    Abandon();
    Ponder(expected);
}

void ProtocolSession::PlayUserMove(const Command& command) {
    const std::optional<Move> move = ReadMove(game_.Current(), command.line);
    if (task_ == Task::Pondering && move && *move == expected_) {
        PonderHit(*move);
        return;
    }
    Abandon();
    if (!move) {
        ReportError("illegal move", command.line);
        return;
    }
    game_.Play(*move);
    Think();
}

void ProtocolSession::SetPosition(const Command& command) {
    std::optional<GameLine> line = GameLine::FromFen(command.argument);
    if (!line) {
        ReportError("illegal position", command.line);
        return;
    }
    Abandon();
    game_ = std::move(*line);
}

void ProtocolSession::SetSide(const Command& command, Color side) {
    const Board& board = game_.Current();
    if (board.SideToMove() == side) return;
    const std::optional<Board> flipped = WithSideToMove(board, side);
    if (!flipped) {
        ReportError("illegal position", command.line);
        return;
    }
    Abandon();
    game_ = GameLine(*flipped, game_.PliesPlayed());
}

void ProtocolSession::Think() {
    Abandon();
    const NoMoveResult result = ResultWithoutMoves(game_.Current());
    if (result != NoMoveResult::None) {
        AnnounceNoMoves(result);
        return;
    }
    StartSearch(game_.Current(), game_.Earlier(), LimitsFor(game_.Current().SideToMove(), false));
    task_ = Task::Thinking;
}

// Searches the position after the expected reply while the user thinks.
void ProtocolSession::Ponder(Move expected) {
    const Board& board = game_.Current();
    if (!expected || !IsLegalMove(board, expected)) return;
    Board after = board;
    after.MakeMove(expected);
    if (ResultWithoutMoves(after) != NoMoveResult::None) return;
    ponderLimits_ = LimitsFor(after.SideToMove(), true);
    StartSearch(after, game_.WithCurrent(), ponderLimits_);
    task_ = Task::Pondering;
    expected_ = expected;
}

void ProtocolSession::PonderHit(Move reply) {
    game_.Play(reply);
    task_ = Task::Thinking;
    if (ponderFinished_) {
        const auto [best, ponder] = *ponderFinished_;
        ponderFinished_.reset();
        task_ = Task::Idle;
        Finish(best, ponder);
        return;
    }
    searcher_.PonderHit();
}

void ProtocolSession::MoveNow() {
    if (task_ != Task::Thinking) {
        Abandon();
        emit_(kAnalyzeComplete);
        return;
    }
    searcher_.Stop();
    searcher_.Wait();
    DeliverSearchReports();  // the search's last report is queued by now: it announces the move
    if (task_ == Task::Thinking) {
        task_ = Task::Idle;
        emit_(kAnalyzeComplete);
    }
}

// Ends any search without announcing it.
void ProtocolSession::Abandon() {
    if (task_ == Task::Idle) return;
    ++search_;
    searcher_.Stop();
    searcher_.Wait();
    task_ = Task::Idle;
    ponderFinished_.reset();
}

// The engine's own move: announced, played, then mate, stalemate or a draw
// claim, and pondering on the expected reply.
void ProtocolSession::Finish(Move best, Move ponder) {
    const Board& board = game_.Current();
    if (!IsLegalMove(board, best)) best = FirstLegal(board);
    if (!best) {
        AnnounceNoMoves(ResultWithoutMoves(board));
        return;
    }
    emit_(kBell);
    emit_(MoveLine(game_.MoveNumber(), MoveToSan(board, best)));
    game_.Play(best);
    const NoMoveResult result = ResultWithoutMoves(game_.Current());
    if (result != NoMoveResult::None) {
        AnnounceNoMoves(result);
        return;
    }
    const DrawClaim claim = ClaimableDraw(game_.Current(), game_.Earlier());
    if (claim != DrawClaim::None) emit_(ClaimText(claim));
    if (ponderOn_) Ponder(ponder);
}

void ProtocolSession::AnnounceNoMoves(NoMoveResult result) {
    emit_(ResultText(result));
    emit_(kAnalyzeComplete);
}

// "analyze complete" frees a program that waits for a move; a running search
// will still answer with its own move.
void ProtocolSession::ReportError(std::string_view kind, std::string_view line) {
    emit_(ErrorText(kind, line));
    if (task_ != Task::Thinking) emit_(kAnalyzeComplete);
}

void ProtocolSession::ShowThinking(const SearchInfo& info) { emit_(ThinkingLine(game_.Current(), info)); }

SearchLimits ProtocolSession::LimitsFor(Color side, bool ponder) const {
    SearchLimits limits;
    limits.moveTimeMs = std::max<int64_t>(1, budgetTenthsMs_[side] / 10);
    limits.skill = skill_;
    limits.varietyAtStart = skill_ == 100;
    limits.ponder = ponder;
    return limits;
}

void ProtocolSession::StartSearch(const Board& root, std::vector<uint64_t> history, const SearchLimits& limits) {
    const uint64_t search = ++search_;
    ponderFinished_.reset();
    searcher_.Wait();  // the last search has reported its end; its worker may still be finishing
    searcher_.Start(
        root, std::move(history), limits,
        [this, search](const SearchInfo& info) { Post({search, false, info, Move::none(), Move::none()}); },
        [this, search](Move best, Move ponder) { Post({search, true, {}, best, ponder}); });
}

void ProtocolSession::Post(Report report) {
    {
        std::lock_guard lock(reportsMutex_);
        reports_.push_back(std::move(report));
    }
    wake_();
}

}  // namespace varnix::engine
