#include "main_window/files/FileDialog.h"

#include "platform/headless/HeadlessPlatform.h"

#include <gtest/gtest.h>

namespace varnix {
namespace {

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
