// Stepping through the game record: back, forward, to the start, to the end.
#include "control/CtrlPanel.h"

#include "core/GameEnd.h"

namespace varnix {

namespace {

// Clears a flag when the scope ends, however it ends.
class BusyScope {
public:
    explicit BusyScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~BusyScope() { flag_ = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& flag_;
};

} // namespace

void CtrlPanel::ReplayTo(std::int16_t ply) {
    GameState& game = p_.record.State();
    // The status line reads the turn from PlyCount, so it moves first.
    game.PlyCount = ply;
    game.CurrentPosition = p_.record.GoToPly(ply, false);
    p_.selection.mfx = p_.selection.mfy = p_.selection.mfx2 = p_.selection.mfy2 = 0;
    p_.view.LastMoveFile = 0;
    p_.view.RefreshBoard();
}

void CtrlPanel::MoveTAB(int bindex, bool silent) {
    // A move being played would go on in the stepped-to position.
    if (stepBusy_ || moveInProgress_) return;
    const BusyScope busy(stepBusy_);
    GameState& game = p_.record.State();
    if (game.MaxPly == 0) return;
    const bool startsWithBlack = p_.record.GetMove(1) == "-";
    switch (bindex) {
    case StepToStart:
        ReplayTo(startsWithBlack ? 1 : 0);
        break;
    case StepBack:
        if (game.PlyCount >= 1) {
            const std::int16_t ply = std::int16_t(game.PlyCount - 1);
            ReplayTo(ply == 0 && startsWithBlack ? 1 : ply);
        }
        break;
    case StepForward: {
        if (game.MaxPly <= game.PlyCount) break;
        const std::int16_t ply = std::int16_t(game.PlyCount + 1);
        if (ply == game.MaxPly && !silent && IsResultText(p_.record.GetMove(ply))) break;
        game.PreviousPosition = game.CurrentPosition;
        game.PlyCount = ply;
        game.CurrentPosition = p_.record.GoToPly(ply, true);
        p_.platform.ProcessPendingEvents();
        Move last = game.LastMove;
        p_.view.AnimateMove(game.PreviousPosition, last, true);
        p_.view.RefreshBoard();
        break;
    }
    case StepToEnd: {
        const std::int16_t ply = game.MaxPly;
        ReplayTo(IsResultText(p_.record.GetMove(ply)) ? std::int16_t(ply - 1) : ply);
        break;
    }
    default:
        break;
    }
}

} // namespace varnix
