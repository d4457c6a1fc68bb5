#include "board_view/BoardView.h"

#include "board_view/CopyPicture.h"
#include "resources/Images.h"

#include <algorithm>
#include <string_view>

namespace varnix {

BoardView::BoardView(Platform& platform, const GameState& game, BoardSelection& selection)
    : platform_(platform), game_(game), selection_(selection), geometry_(ScaledGeometry(1.0)),
      picture1_(BoardPicture()), pieces_(PieceSheet(), PieceMask(), PieceCell), pquad_(MarkerFrame()),
      pquad2_(CheckSquare()) {}

BoardView::~BoardView() = default;

void BoardView::LoadBoard_S() {
    geometry_ = ScaledGeometry(1.0);
    // Without any font the board is still drawn, only without coordinates.
    font_ = TextRenderer::Open("Arial", true, geometry_.FontPoints);
}

void BoardView::DrawBoardBackground() {
    Surface& work = buf_[0];
    if (work.Width() != picture1_.Width() || work.Height() != picture1_.Height())
        work = Surface(picture1_.Width(), picture1_.Height());
    CopyPicture(work, picture1_);
    const std::string_view files = flipped_ ? "HGFEDCBA" : "ABCDEFGH";
    const std::string_view ranks = flipped_ ? "87654321" : "12345678";
    const double scale = geometry_.BoardScale;
    if (font_) {
        for (int i = 1; i <= 8; ++i) {
            const auto at = [](double v) { return int(std::lround(v)); };
            font_->DrawText(work, at(7 * scale), at((8 - i) * 41 * scale + 32 * scale), ranks.substr(std::size_t(i - 1), 1),
                            Rgb(255, 255, 255));
            font_->DrawText(work, at((i - 1) * 41 * scale + 35 * scale), at(3 * scale),
                            files.substr(std::size_t(i - 1), 1), Rgb(255, 255, 255));
        }
    }
    for (int i : {1, 2})
        if (buf_[std::size_t(i)].Width() != work.Width() || buf_[std::size_t(i)].Height() != work.Height())
            buf_[std::size_t(i)] = Surface(work.Width(), work.Height());
    CopyPicture(buf_[2], work);
}

void BoardView::Bitmaps_LoadPieces() { pieces_.Bitmaps_LoadPieces(); }

void BoardView::DrawBoard(const Position& position, bool hideSelected) {
    if (selection_.pieceMov != 0) hideSelected = true;
    Surface& work = buf_[0];
    CopyPicture(work, buf_[2]);
    DrawCheckMarker();
    if (LastMoveFile != 0 && ShowLastMove != 0) DrawMarker(pquad_, LastMoveFile, LastMoveRow, RasterOp::MergePaint);
    for (int c = 1; c <= 8; ++c) {
        for (int r = 1; r <= 8; ++r) {
            const int file = flipped_ ? 9 - c : c, row = flipped_ ? 9 - r : r;
            const std::uint8_t code = PieceAt(position, file, row);
            const bool selected = hideSelected && file == selection_.mfx && row == selection_.mfy;
            if (code != 0 && !selected) pieces_.Draw(work, geometry_.PieceX(c - 1), geometry_.PieceY(r - 1), code);
        }
    }
    if (selection_.mfx != 0) DrawMarker(pquad_, selection_.mfx, selection_.mfy, RasterOp::And);
    ShowRect(work, 0, 0, geometry_.BoardWidth, geometry_.BoardHeight);
}

void BoardView::RefreshBoard() { DrawBoard(game_.CurrentPosition, false); }

void BoardView::FlipBoard() {
    flipped_ = !flipped_;
    DrawBoardBackground();
    RefreshBoard();
}

void BoardView::DrawCheckMarker() {
    // The caption ends with the last move's text, and so with its check mark.
    const std::string caption = platform_.Caption();
    if (caption.empty() || caption.back() != '+') return;
    const std::uint8_t king = IsEven(game_.PlyCount) ? WhiteKing : BlackKing;
    for (int x = 1; x <= 8; ++x) {
        for (int y = 1; y <= 8; ++y) {
            if (PieceAt(game_.CurrentPosition, 9 - x, 9 - y) == king) {
                DrawMarker(pquad2_, 9 - x, 9 - y, RasterOp::Copy);
                return;
            }
        }
    }
}

void BoardView::DrawMarker(const Surface& marker, int file, int row, RasterOp rop) {
    if (IsOffBoard(file, row)) return;
    Blit(buf_[0], geometry_.MarkX(ScreenIndex(file)), geometry_.MarkY(ScreenIndex(row)), geometry_.MarkSize,
         geometry_.MarkSize, marker, 0, 0, rop);
}

void BoardView::ShowRect(const Surface& source, int x, int y, int w, int h) {
    // Clip to the buffer so that the window is asked only for pixels that exist.
    const int x0 = std::max(0, x), y0 = std::max(0, y);
    const int x1 = std::min(source.Width(), x + w), y1 = std::min(source.Height(), y + h);
    if (x1 > x0 && y1 > y0) platform_.ShowPicture(source, x0, y0, x1 - x0, y1 - y0, x0, y0);
    platform_.Repaint();
    platform_.ProcessPendingEvents();
}

} // namespace varnix
