#include "engine/bitboard.h"

#include <cassert>
#include <cstddef>
#include <vector>

namespace varnix::engine {
namespace detail {
namespace {

// Squares whose occupancy matters for a slider on s: its empty-board rays without the edge squares.
Bitboard RelevantMask(Square s, const int (*dirs)[2]) {
    const Bitboard edges = ((kRank1 | kRank8) & ~RankBB(RankOf(s))) | ((kFileA | kFileH) & ~FileBB(FileOf(s)));
    return RayAttacks(s, 0, dirs) & ~edges;
}

// Multipliers that map every relevant occupancy of a square to a slot without a harmful collision.
// We found them once by trying sparse random numbers; searching at start-up took a fifth of a second.
constexpr Bitboard kRookMagics[kSquareCount] = {
    0x1080004008801020ULL, 0x0840092002C03000ULL, 0x1900200010400900ULL, 0x0880100008000480ULL,
    0x4200100420080200ULL, 0x8100020100080400ULL, 0x0200040110886200ULL, 0x0200008040220411ULL,
    0x0404800084400220ULL, 0x0000401000402000ULL, 0x0086001081220440ULL, 0x0408800800100280ULL,
    0x000A001201040820ULL, 0x8848800200840080ULL, 0x4001000100040200ULL, 0x0442000102105084ULL,
    0x9080010020804100ULL, 0x0040404000201009ULL, 0x0000808010002009ULL, 0x2200090021D00100ULL,
    0x0008008008040080ULL, 0x0004004002010040ULL, 0x0011040008015042ULL, 0x00000A0001768104ULL,
    0x0000800080204009ULL, 0x2010004140002001ULL, 0x9800200280100080ULL, 0x1000100080080080ULL,
    0x0442000A00049020ULL, 0x2100040080020080ULL, 0x0800120400900148ULL, 0x0010040A00128541ULL,
    0x2800804000800030ULL, 0x1010002000400041ULL, 0x4000200011004100ULL, 0x0610008410800800ULL,
    0x0400802402800800ULL, 0xC100020080800400ULL, 0x0002000802000401ULL, 0x0182085882000401ULL,
    0x0220204000808000ULL, 0x2860100040024022ULL, 0x0001002004110040ULL, 0x99101042000A0020ULL,
    0x0004080004008080ULL, 0x0010040002008080ULL, 0x2012004881020004ULL, 0x8300842444820011ULL,
    0x0088403882010200ULL, 0x0820400080210100ULL, 0x0110910040A00300ULL, 0x0801100280080480ULL,
    0x0242009008200600ULL, 0x1002000489500200ULL, 0x0040800200010080ULL, 0x0091800041000080ULL,
    0x0000209300488001ULL, 0x04C1002414824001ULL, 0x020020000B001041ULL, 0x7000100004200901ULL,
    0x8002002004100802ULL, 0x30010002084C0007ULL, 0x0888221800813004ULL, 0x4000002840840112ULL,
};
constexpr Bitboard kBishopMagics[kSquareCount] = {
    0x2048017020910100ULL, 0x0044410424008008ULL, 0x040828A400900000ULL, 0x8002209200022000ULL,
    0x0002021000540002ULL, 0x0021018840000000ULL, 0x00009E8420204002ULL, 0x00A0920110084480ULL,
    0x4003062018010110ULL, 0x0221046812004E09ULL, 0x01E11002958912A0ULL, 0x0000044410804000ULL,
    0x0000821210000080ULL, 0x080201102210A800ULL, 0x0080040411045004ULL, 0x00704A1842021000ULL,
    0x1005061070322800ULL, 0x0018001010410444ULL, 0x0010000800401420ULL, 0x2204002844000800ULL,
    0x2052020412022280ULL, 0x000A020101008208ULL, 0x0040400201042000ULL, 0x03E1082040480410ULL,
    0x1004200004208414ULL, 0x08700400984808C8ULL, 0x0088080004004410ULL, 0x008C0240140100A2ULL,
    0x0008840001822000ULL, 0x0050088001080100ULL, 0x98140840040A2200ULL, 0x3002020900210110ULL,
    0x1004040640206000ULL, 0x1090909000840400ULL, 0x9002444810100020ULL, 0x4000020080080080ULL,
    0x0028020400011010ULL, 0x0290808300020100ULL, 0x8010020882004410ULL, 0x0604010040082C20ULL,
    0x20040104C0801008ULL, 0x6004208424001050ULL, 0x1002840041000800ULL, 0x0200042018000102ULL,
    0xA8002000A0821C00ULL, 0x0040080802201910ULL, 0x0222620444000100ULL, 0x0002080041020088ULL,
    0x1500820110401050ULL, 0x0000492090100080ULL, 0x0900410041100000ULL, 0x0302000420880000ULL,
    0x0010501202020020ULL, 0x0008200490049040ULL, 0x0462080214A40120ULL, 0x2421310102008100ULL,
    0x2400420080884060ULL, 0x0800804406184208ULL, 0x0B0080124A084400ULL, 0x082E082300840412ULL,
    0x6051049040082200ULL, 0xC610211002102101ULL, 0x0000048808010433ULL, 0x0010200804405440ULL,
};

// Fills the attack table of every square; a collision between different attack sets is a fault.
void BuildMagics(std::array<Magic, kSquareCount>& magics, std::vector<Bitboard>& storage, const int (*dirs)[2],
                 const Bitboard* multipliers) {
    std::size_t total = 0;
    for (int s = 0; s < kSquareCount; ++s) total += std::size_t(1) << PopCount(RelevantMask(Square(s), dirs));
    storage.assign(total, 0);

    std::size_t offset = 0;
    for (int s = 0; s < kSquareCount; ++s) {
        Magic& m = magics[s];
        m.mask = RelevantMask(Square(s), dirs);
        m.magic = multipliers[s];
        m.shift = unsigned(64 - PopCount(m.mask));
        m.attacks = storage.data() + offset;
        offset += std::size_t(1) << PopCount(m.mask);
        // Every subset of the mask, by carry-rippler enumeration.
        Bitboard subset = 0;
        do {
            Bitboard& slot = storage[std::size_t(m.attacks - storage.data()) + m.Index(subset)];
            const Bitboard attacks = RayAttacks(Square(s), subset, dirs);
            assert(slot == 0 || slot == attacks);
            slot = attacks;
            subset = (subset - m.mask) & m.mask;
        } while (subset);
    }
}

struct OwnedSliderTables : SliderTables {
    std::vector<Bitboard> rookStorage, bishopStorage;

    OwnedSliderTables() {
        BuildMagics(rook, rookStorage, kRookDirs, kRookMagics);
        BuildMagics(bishop, bishopStorage, kBishopDirs, kBishopMagics);
        for (int a = 0; a < kSquareCount; ++a) {
            for (int b = 0; b < kSquareCount; ++b) {
                between[a][b] = line[a][b] = 0;
                if (a == b) continue;
                const Bitboard bb = SquareBB(Square(b));
                for (const auto* dirs : {kRookDirs, kBishopDirs}) {
                    if (!(RayAttacks(Square(a), 0, dirs) & bb)) continue;
                    line[a][b] = (RayAttacks(Square(a), 0, dirs) & RayAttacks(Square(b), 0, dirs)) |
                                 SquareBB(Square(a)) | bb;
                    between[a][b] = RayAttacks(Square(a), bb, dirs) & RayAttacks(Square(b), SquareBB(Square(a)), dirs);
                }
            }
        }
    }
};

}  // namespace

const SliderTables& BuildSliders() {
    static const OwnedSliderTables tables;
    return tables;
}

}  // namespace detail

}  // namespace varnix::engine
