#include "main_window/files/FileDialog.h"
#include "main_window/files/GameFileStorage.h"
#include "platform/headless/HeadlessPlatform.h"
#include "tests/main_window/TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace varnix {
namespace {

namespace fs = std::filesystem;

// Lowers the largest file size this process may write, as a full disk would,
// and restores it when it goes.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = saved_;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST(GameFileStorageTest, WritesAndReadsBackExactBytes) {
    TempFolder folder;
    const std::string path = folder.File("game.txt");
    const std::string text("line\r\nwith\0nul\r\n", 16);
    ASSERT_TRUE(WriteGameFile(path, text));
    EXPECT_EQ(ReadGameFile(path), text);
    ASSERT_TRUE(WriteGameFile(path, "short"));
    EXPECT_EQ(ReadGameFile(path), "short");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"game.txt"});
}

TEST(GameFileStorageTest, FailedWriteKeepsTheOldFileAndLeavesNothingBehind) {
    TempFolder folder;
    const std::string path = folder.File("game.txt");
    const std::string old = "an earlier save\r\n";
    ASSERT_TRUE(WriteGameFile(path, old));
    {
        FileSizeLimit limit(64);
        EXPECT_FALSE(WriteGameFile(path, std::string(4096, 'x')));
    }
    EXPECT_EQ(ReadGameFile(path), old);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"game.txt"});
}

TEST(GameFileStorageTest, ReplacesTheFileALinkPointsTo) {
    TempFolder folder;
    const std::string target = folder.File("real.txt");
    const std::string link = folder.File("link.txt");
    ASSERT_TRUE(WriteGameFile(target, "old"));
    fs::create_symlink(target, link);
    ASSERT_TRUE(WriteGameFile(link, "new"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadGameFile(target), "new");
}

TEST(GameFileStorageTest, KeepsTheReplacedFilePermissions) {
    TempFolder folder;
    const std::string path = folder.File("game.txt");
    ASSERT_TRUE(WriteGameFile(path, "old"));
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(WriteGameFile(path, "new"));
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(GameFileStorageTest, AReadOnlyFileIsNotReplaced) {
    if (geteuid() == 0) GTEST_SKIP() << "root may write to any file";
    TempFolder folder;
    const std::string path = folder.File("kept.txt");
    ASSERT_TRUE(WriteGameFile(path, "old"));
    fs::permissions(path, fs::perms::owner_read);
    EXPECT_FALSE(WriteGameFile(path, "new"));
    EXPECT_EQ(ReadGameFile(path), "old");
}

TEST(GameFileStorageTest, UnwritableAndUnreadableNamesFail) {
    TempFolder folder;
    fs::create_directory(folder.File("sub"));
    EXPECT_FALSE(WriteGameFile("", "x"));
    EXPECT_FALSE(WriteGameFile(folder.File("missing/game.txt"), "x"));
    EXPECT_FALSE(WriteGameFile(folder.File("sub"), "x"));
    EXPECT_TRUE(fs::is_directory(folder.File("sub")));
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"sub"});

    EXPECT_FALSE(ReadGameFile("").has_value());
    EXPECT_FALSE(ReadGameFile(folder.File("missing.txt")).has_value());
    EXPECT_FALSE(ReadGameFile(folder.File("sub")).has_value());
    const std::string big = folder.File("big.txt");
    ASSERT_TRUE(WriteGameFile(big, ""));
    fs::resize_file(big, MaxGameFileBytes + 1);
    EXPECT_FALSE(ReadGameFile(big).has_value());
}

// Remembers which kind of chooser was asked for.
class ModeRecordingPlatform : public HeadlessPlatform {
public:
    std::string ChooseFile(FileDialogMode mode, const std::string& title) override {
        modes.push_back(mode);
        return HeadlessPlatform::ChooseFile(mode, title);
    }
    std::vector<FileDialogMode> modes;
};

TEST(FileDialogTest, ModeZeroOpensOneSavesOthersShowNothing) {
    ModeRecordingPlatform platform;
    platform.QueueFileAnswer("/tmp/a.txt");
    platform.QueueFileAnswer("/tmp/b.txt");
    EXPECT_EQ(ShowFileDialog(platform, 2, "t"), "");
    EXPECT_EQ(ShowFileDialog(platform, -1, "t"), "");
    EXPECT_TRUE(platform.modes.empty());
    EXPECT_EQ(ShowFileDialog(platform, OpenFileDialog, "Open it"), "/tmp/a.txt");
    EXPECT_EQ(ShowFileDialog(platform, SaveFileDialog, "Save it"), "/tmp/b.txt");
    EXPECT_EQ(platform.modes, (std::vector<FileDialogMode>{FileDialogMode::Open, FileDialogMode::Save}));
    EXPECT_EQ(platform.FileDialogTitles(), (std::vector<std::string>{"Open it", "Save it"}));
}

TEST(FileDialogTest, TrimsSpacesAndStopsAtNul) {
    HeadlessPlatform platform;
    platform.QueueFileAnswer("  /tmp/my game.txt  ");
    platform.QueueFileAnswer(std::string("/tmp/b.txt\0junk", 15));
    platform.QueueFileAnswer("   ");
    platform.QueueFileAnswer("");
    EXPECT_EQ(ShowFileDialog(platform, SaveFileDialog, "s"), "/tmp/my game.txt");
    EXPECT_EQ(ShowFileDialog(platform, SaveFileDialog, "s"), "/tmp/b.txt");
    EXPECT_EQ(ShowFileDialog(platform, SaveFileDialog, "s"), "");
    EXPECT_EQ(ShowFileDialog(platform, SaveFileDialog, "s"), "");
}

} // namespace
} // namespace varnix
