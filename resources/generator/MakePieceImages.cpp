// Build step: renders the piece sheet and mask from DejaVu Sans's chess
// glyphs and writes them as PNG bytes into a C++ source for the program.
// Usage: varnix-make-pieces OUT.cpp [PREVIEW_DIR]
#include "platform/PngImage.h"
#include "resources/generator/PieceArt.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

bool WriteArray(std::ofstream& out, const std::string& name, const std::string& pngPath) {
    std::ifstream in(pngPath, std::ios::binary);
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (bytes.empty()) return false;
    out << "extern const unsigned char " << name << "[] = {";
    for (std::size_t i = 0; i < bytes.size(); ++i) out << (i % 20 == 0 ? "\n    " : "") << int(bytes[i]) << ",";
    out << "\n};\nextern const std::size_t " << name << "Size = sizeof " << name << ";\n\n";
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s OUT.cpp [PREVIEW_DIR]\n", argv[0]);
        return 2;
    }
    const std::string source = argv[1];
    const std::string dir = argc == 3 ? std::string(argv[2]) + "/" : source + ".";
    auto images = varnix::DrawPieceImages("DejaVu Sans");
    if (!images) {
        std::fprintf(stderr, "%s: DejaVu Sans with chess glyphs not found (install fonts-dejavu-core)\n", argv[0]);
        return 1;
    }
    const std::string sheetPng = dir + "piece-sheet.png", maskPng = dir + "piece-mask.png";
    if (!varnix::SavePng(images->sheet, sheetPng) || !varnix::SavePng(images->mask, maskPng)) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], sheetPng.c_str());
        return 1;
    }
    std::ofstream out(source);
    out << "// Made by varnix-make-pieces at build time; not edited by hand.\n"
           "#include \"resources/EmbeddedPieces.h\"\n\nnamespace varnix::embedded {\n\n";
    const bool ok = WriteArray(out, "PieceSheetPng", sheetPng) && WriteArray(out, "PieceMaskPng", maskPng);
    out << "} // namespace varnix::embedded\n";
    out.close();
    if (!ok || !out) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], source.c_str());
        std::remove(source.c_str());
        return 1;
    }
    return 0;
}
