#include "main_window/files/GameFileStorage.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

namespace varnix {

namespace fs = std::filesystem;

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// A symbolic link stays a link: the file it points to is the one replaced.
fs::path ResolvedTarget(const fs::path& path) {
    std::error_code ec;
    if (fs::is_symlink(path, ec)) {
        const fs::path target = fs::weakly_canonical(path, ec);
        if (!ec) return target;
    }
    return path;
}

// A file the user may not write to stays as it is, although the folder would let us replace it.
bool MayReplace(const fs::path& target) {
    std::error_code ec;
    if (!fs::exists(target, ec)) return true;
    return FileHandle(std::fopen(target.string().c_str(), "ab")) != nullptr;
}

// Creates a new file beside target whose name no other file has.
std::pair<FileHandle, fs::path> CreateTemporaryBeside(const fs::path& target) {
    std::random_device entropy;
    for (int attempt = 0; attempt < 16; ++attempt) {
        fs::path temp = target;
        temp += ".tmp" + std::to_string(entropy() % 1000000u);
        FileHandle file(std::fopen(temp.string().c_str(), "wbx"));
        if (file) return {std::move(file), temp};
    }
    return {};
}

bool WriteAndClose(FileHandle file, std::string_view text) {
    bool ok = std::fwrite(text.data(), 1, text.size(), file.get()) == text.size();
    ok = std::fflush(file.get()) == 0 && ok;
#if defined(__unix__) || defined(__APPLE__)
    ok = ok && fsync(fileno(file.get())) == 0;
#endif
    return std::fclose(file.release()) == 0 && ok;
}

} // namespace

std::optional<std::string> ReadGameFile(const std::string& path) {
    std::error_code ec;
    if (path.empty() || !fs::is_regular_file(path, ec)) return std::nullopt;
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec || size > MaxGameFileBytes) return std::nullopt;
    FileHandle file(std::fopen(path.c_str(), "rb"));
    if (!file) return std::nullopt;
    std::string text;
    char buffer[65536];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0;) {
        text.append(buffer, got);
        if (text.size() > MaxGameFileBytes) return std::nullopt;
    }
    if (std::ferror(file.get())) return std::nullopt;
    return text;
}

bool WriteGameFile(const std::string& path, std::string_view text) {
    if (path.empty()) return false;
    const fs::path target = ResolvedTarget(path);
    if (!MayReplace(target)) return false;
    auto [file, temp] = CreateTemporaryBeside(target);
    if (!file) return false;
    std::error_code ec;
    const bool written = WriteAndClose(std::move(file), text);
    if (written && fs::exists(target, ec)) fs::permissions(temp, fs::status(target, ec).permissions(), ec);
    if (written) fs::rename(temp, target, ec);
    if (!written || ec) {
        fs::remove(temp, ec);
        return false;
    }
    return true;
}

} // namespace varnix
