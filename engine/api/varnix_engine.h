/* The boundary between the program and the engine library: the three records
 * in their exact byte layouts and the seven exports. This is the only header
 * the two sides share. */
#ifndef VARNIX_ENGINE_H
#define VARNIX_ENGINE_H

#include <stddef.h>
#include <stdint.h>

#if defined(_WIN32)
#define VARNIX_API __declspec(dllexport)
#else
#define VARNIX_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

#pragma pack(push, 1)

/* Squares are (file, row), files 1..8 = a..h, rows 1..8 = ranks 8..1.
 * Board[f + 9 * r]; entries with f == 0 or r == 0 are no squares. */
typedef struct VarnixPosition {
    uint8_t Board[81];
    uint8_t EpFile;      /* 1..8: file of a pawn that just made a double step; 0 none */
    uint8_t WhiteCastle; /* 0 none, 1 king side, 2 queen side, 3 both */
    uint8_t BlackCastle;
    int16_t BlackToMove; /* 0 White to move, -1 Black to move */
} VarnixPosition;

typedef struct VarnixMove {
    uint8_t FromFile;
    uint8_t FromRow;
    uint8_t ToFile;
    uint8_t ToRow;
    uint8_t Castle;  /* 0 none, 1 king side, 2 queen side */
    uint8_t Promote; /* piece code of the promotion piece; 250..253 mark result texts */
    uint8_t EpFile;  /* file of the target square of an en-passant capture, else 0 */
    uint8_t EpKind;  /* 4 en passant by White, 5 by Black, else 0 */
} VarnixMove;

typedef struct VarnixMoveList {
    VarnixMove Entries[256];
    uint8_t Count;
} VarnixMoveList;

#pragma pack(pop)

typedef void (*VarnixPumpCallback)(void);
typedef void (*VarnixOutputCallback)(int32_t length);

/* Runs the engine loop until "quit"; calls pump again and again and output(n)
 * whenever a text of n characters is ready for varnix_GetTxt. */
VARNIX_API void varnix_EngineStart(VarnixPumpCallback pump, VarnixOutputCallback output);
/* Copies the text just announced (n characters and a terminating zero). */
VARNIX_API void varnix_GetTxt(char* buffer);
/* Hands the engine one command line without its line feed. */
VARNIX_API void varnix_ReceiveTxt(const char* line);
/* Accepted and ignored. */
VARNIX_API void varnix_add_time(int32_t hundredths);
/* Fills list with every legal move of side (0 White, 1 Black). */
VARNIX_API void varnix_GetMove(const VarnixPosition* position, uint8_t side, VarnixMoveList* list);
/* Non-zero when the king of that side (0 White, -1 Black) is attacked. */
VARNIX_API int16_t varnix_KingAttacked(const VarnixPosition* position, int32_t blackKing);
/* Applies move to position in place; never changes BlackToMove. */
VARNIX_API void varnix_MakeMove(VarnixPosition* position, const VarnixMove* move);

#ifdef __cplusplus
}

static_assert(sizeof(VarnixPosition) == 86);
static_assert(offsetof(VarnixPosition, Board) == 0);
static_assert(offsetof(VarnixPosition, EpFile) == 81);
static_assert(offsetof(VarnixPosition, WhiteCastle) == 82);
static_assert(offsetof(VarnixPosition, BlackCastle) == 83);
static_assert(offsetof(VarnixPosition, BlackToMove) == 84);
static_assert(sizeof(VarnixMove) == 8);
static_assert(offsetof(VarnixMove, FromFile) == 0);
static_assert(offsetof(VarnixMove, FromRow) == 1);
static_assert(offsetof(VarnixMove, ToFile) == 2);
static_assert(offsetof(VarnixMove, ToRow) == 3);
static_assert(offsetof(VarnixMove, Castle) == 4);
static_assert(offsetof(VarnixMove, Promote) == 5);
static_assert(offsetof(VarnixMove, EpFile) == 6);
static_assert(offsetof(VarnixMove, EpKind) == 7);
static_assert(sizeof(VarnixMoveList) == 2049);
static_assert(offsetof(VarnixMoveList, Count) == 2048);
#endif

#endif
