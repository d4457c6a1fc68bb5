#include "main_window/files/FileDialog.h"
#include "main_window/files/GameFileStorage.h"
#include "main_window/files/GameFileTab.h"
#include "platform/headless/HeadlessPlatform.h"
#include "tests/main_window/GameFilesFixture.h"
#include "tests/main_window/TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace varnix {
namespace {

using Rows = std::vector<std::string>;

// What the game looks like, to compare before and after.
struct Shown {
    Rows rows;
    int plyCount;
    int maxPly;
    std::string fen;
    bool white;
    bool operator==(const Shown&) const = default;
};

Shown Look(GameFilesFixture& game) {
    return {game.Rows(), game.State().PlyCount, game.State().MaxPly, game.ShownFen(), game.white};
}

struct RoundTripCase {
    const char* name;
    const char* fileName;
    bool pgn;
    bool userPlaysWhite;
    int stepBack; // half-moves stepped back before saving, out of the seven played
};

class GameFilesRoundTripTest : public testing::TestWithParam<RoundTripCase> {};

TEST_P(GameFilesRoundTripTest, LoadingWhatWasSavedRestoresTheGameAtThePositionShown) {
    const RoundTripCase& c = GetParam();
    TempFolder folder;
    const std::string path = folder.File(c.fileName);

    GameFilesFixture saved;
    saved.white = c.userPlaysWhite;
    saved.Play({"e4", "e5", "Nf3", "Nc6", "Bb5", "a6", "Ba4"});
    saved.StepBack(c.stepBack);
    const int ply = saved.State().PlyCount;
    const std::string fen = saved.ShownFen();
    saved.Save(path);
    ASSERT_TRUE(saved.messages.empty()) << saved.messages.front();

    GameFilesFixture loaded;
    loaded.white = !c.userPlaysWhite;
    loaded.Play({"d4"});
    loaded.Load(path);
    ASSERT_TRUE(loaded.messages.empty()) << loaded.messages.front();
    // A PGN file leaves the user's colour as it is.
    EXPECT_EQ(loaded.white, c.pgn ? !c.userPlaysWhite : c.userPlaysWhite);
    EXPECT_EQ(loaded.flips, c.pgn ? 0 : 1);
    EXPECT_EQ(loaded.State().MaxPly, ply);
    EXPECT_EQ(loaded.State().PlyCount, ply);
    EXPECT_EQ(loaded.ShownFen(), fen);
    const Rows all = {"1.|e4|e5", "2.|Nf3|Nc6", "3.|Bb5|a6", "4.|Ba4|"};
    Rows expected(all.begin(), all.begin() + (ply + 1) / 2);
    if (ply % 2 == 1) expected.back() = expected.back().substr(0, expected.back().rfind('|') + 1);
    EXPECT_EQ(loaded.Rows(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    GameFiles, GameFilesRoundTripTest,
    testing::Values(RoundTripCase{"TabOddWhite", "game.txt", false, true, 0},
                    RoundTripCase{"TabEvenBlack", "game", false, false, 1},
                    RoundTripCase{"PgnOddWhite", "game.pgn", true, true, 0},
                    RoundTripCase{"PgnEvenBlackUpperCaseName", "game.PGN", true, false, 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GameFilesTest, SavesTheTabFileToTheByteUpToThePositionShown) {
    TempFolder folder;
    GameFilesFixture game;
    game.white = false;
    game.Play({"e4", "e5", "Nf3", "Nc6", "Bb5"});
    game.StepBack(2);
    game.Save(folder.File("g.txt"));
    EXPECT_EQ(ReadGameFile(folder.File("g.txt")), "\tWhite\tBlack(You)\r\n1.\te4\te5\r\n2.\tNf3\t\r\n");
}

TEST(GameFilesTest, SavesPgnWithTheSevenTagRosterAndTheMateResult) {
    TempFolder folder;
    GameFilesFixture game;
    game.white = false;
    game.Play({"f3", "e5", "g4", "Qh4"});
    game.Save(folder.File("mate.pgn"));
    EXPECT_EQ(ReadGameFile(folder.File("mate.pgn")),
              "[Event \"Varnix Chess game\"]\n[Site \"?\"]\n[Date \"2026.12.06\"]\n[Round \"-\"]\n"
              "[White \"Varnix Chess\"]\n[Black \"Player\"]\n[Result \"0-1\"]\n\n1. f3 e5 2. g4 Qh4# 0-1\n");
}

TEST(GameFilesTest, PgnKeepsRecordTextsThatCannotBePlayedInAComment) {
    TempFolder folder;
    ASSERT_TRUE(WriteGameFile(folder.File("edited.txt"), "\tWhite(You)\tBlack\r\n1.\te4\te5\r\n2.\tXyz\td5\r\n"));
    GameFilesFixture game;
    game.Load(folder.File("edited.txt"));
    game.Save(folder.File("edited.pgn"));
    const auto text = ReadGameFile(folder.File("edited.pgn"));
    ASSERT_TRUE(text.has_value());
    EXPECT_TRUE(text->ends_with("[Result \"*\"]\n\n1. e4 e5 {Not replayed: Xyz d5} *\n")) << *text;
}

TEST(GameFilesTest, NothingToSaveShowsNoDialog) {
    GameFilesFixture game;
    game.files.SaveGame();
    game.Play({"e4"});
    game.StepBack(1);
    game.files.SaveGame();
    EXPECT_EQ(game.messages, Rows(2, "There are no moves. Nothing to save."));
    EXPECT_TRUE(game.platform.FileDialogTitles().empty());
}

TEST(GameFilesTest, CancelledDialogsAndUnwritablePlacesShowErrorAndChangeNothing) {
    GameFilesFixture game;
    game.Play({"e4", "c5"});
    const Shown before = Look(game);
    game.Save("");
    game.Load("  ");
    EXPECT_EQ(game.messages, Rows(2, "Error!"));
    EXPECT_EQ(Look(game), before);
    EXPECT_EQ(game.newGames, 1);
    EXPECT_EQ(game.platform.FileDialogTitles(),
              (Rows{"Enter a file name of your game to save.", "Enter a file name of your game to load."}));

    TempFolder folder;
    game.Save(folder.File("missing/g.txt"));
    game.Save(folder.File("."));
    EXPECT_EQ(game.messages, Rows(4, "Error!"));
    EXPECT_EQ(folder.Names(), Rows{});
}

struct BadFileCase {
    const char* name;
    const char* fileName;
    std::string text; // "": no file at all
    const char* message;
};

class GameFilesBadLoadTest : public testing::TestWithParam<BadFileCase> {};

TEST_P(GameFilesBadLoadTest, KeepsTheGameBeingPlayed) {
    const BadFileCase& c = GetParam();
    TempFolder folder;
    if (!c.text.empty()) {
        ASSERT_TRUE(WriteGameFile(folder.File(c.fileName), c.text));
    }
    GameFilesFixture game;
    game.Play({"d4", "d5", "c4"});
    game.StepBack(1);
    const Shown before = Look(game);
    game.Load(folder.File(c.fileName));
    EXPECT_EQ(game.messages, Rows{c.message});
    EXPECT_EQ(Look(game), before);
    EXPECT_EQ(game.flips, 0);
    EXPECT_EQ(game.newGames, 1);
}

INSTANTIATE_TEST_SUITE_P(
    GameFiles, GameFilesBadLoadTest,
    testing::Values(
        BadFileCase{"MissingFile", "none.txt", "", "Error!"},
        BadFileCase{"Numbered124", "g.txt", "\tWhite\tBlack(You)\r\n1.\te4\te5\r\n2.\tNf3\tNc6\r\n4.\tBb5\ta6\r\n",
                    "File corrupted. Illegal move"},
        BadFileCase{"PgnIllegalMove", "g.pgn", "[Event \"x\"]\n\n1. e4 e5 2. Ke3 *\n", "File corrupted. Illegal move"},
        BadFileCase{"PgnAmbiguousPromotion", "g.pgn",
                    "[SetUp \"1\"]\n[FEN \"8/P6k/8/8/8/8/8/K7 w - - 0 1\"]\n\n1. a8 *\n", "File corrupted. Illegal move"},
        BadFileCase{"PgnFenWithoutKings", "g.pgn", "[FEN \"8/8/8/8/8/8/8/8 w - - 0 1\"]\n\n1. e4 *\n", "Error!"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GameFilesTest, LoadsLfOnlyFilesAndFlipsOnlyForAnotherColour) {
    TempFolder folder;
    ASSERT_TRUE(WriteGameFile(folder.File("lf.txt"), "\tWhite\tBlack(You)\n1.\te4\te5\n2.\tNf3\t\n"));
    GameFilesFixture game;
    game.Load(folder.File("lf.txt"));
    game.Load(folder.File("lf.txt"));
    EXPECT_TRUE(game.messages.empty());
    EXPECT_FALSE(game.white);
    EXPECT_EQ(game.flips, 1);
    EXPECT_EQ(game.State().MaxPly, 3);
    EXPECT_EQ(game.Rows(), (Rows{"1.|e4|e5", "2.|Nf3|"}));
    EXPECT_EQ(game.ShownFen(), "rnbqkbnr/pppp1ppp/8/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R b KQkq - 0 1");
}

TEST(GameFilesTest, ReadsPgnFromOtherProgramsAsTheProgramRecordsMoves) {
    TempFolder folder;
    // Named like a tab file, it is still read as PGN by its content.
    ASSERT_TRUE(WriteGameFile(folder.File("other.txt"),
                              "[Event \"Club night\"]\r\n[White \"A\"]\r\n[Black \"B\"]\r\n\r\n"
                              "1.e4 {King's pawn} e5 2.Ng1f3 (2.f4 exf4 {gambit (old)} (2...d5)) 2...Nc6 $1 "
                              "3.Bb5 a6!? 4.Bxc6 dxc6 5.O-O f6 6.d4 Bg4 7.c3 Qd7 8.Be3 O-O-O 9.Nbd2 Kb8 10.Qb3 "
                              "Bxf3 11.Nxf3 Qg4 ; a line comment\r\n12.Qxb7 Kxb7 1/2-1/2\r\n"));
    GameFilesFixture game;
    game.white = false;
    game.Load(folder.File("other.txt"));
    EXPECT_TRUE(game.messages.empty());
    EXPECT_FALSE(game.white);
    EXPECT_EQ(game.flips, 0);
    EXPECT_EQ(game.State().MaxPly, 24);
    const Rows rows = game.Rows();
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_EQ(rows[1], "2.|Nf3|Nc6");
    EXPECT_EQ(rows[7], "8.|Be3|O-O-O");
    EXPECT_EQ(rows[11], "12.|Qxb7+|Kxb7") << "the check mark is the program's own";
    EXPECT_EQ(game.ShownFen(), "3r1bnr/1kp3pp/p1p2p2/4p3/3PP1q1/2P1BN2/PP3PPP/R4RK1 w - - 0 1");
}

TEST(GameFilesTest, PgnFromASetUpPositionWithBlackToMoveRoundTrips) {
    TempFolder folder;
    ASSERT_TRUE(WriteGameFile(folder.File("end.pgn"), "[SetUp \"1\"]\n[FEN \"4k3/8/8/8/8/8/4P3/4K3 b - - 3 40\"]\n\n"
                                                      "40... Kd7 41. e4 Ke6 *\n"));
    GameFilesFixture game;
    game.Load(folder.File("end.pgn"));
    ASSERT_TRUE(game.messages.empty()) << game.messages.front();
    EXPECT_EQ(game.Rows(), (Rows{"1.|-|Kd7", "2.|e4|Ke6"}));
    EXPECT_EQ(game.State().MaxPly, 4);
    EXPECT_EQ(game.ShownFen(), "8/8/4k3/8/4P3/8/8/4K3 w - - 0 1");

    game.Save(folder.File("again.pgn"));
    const auto text = ReadGameFile(folder.File("again.pgn"));
    ASSERT_TRUE(text.has_value());
    EXPECT_NE(text->find("[SetUp \"1\"]\n[FEN \"4k3/8/8/8/8/8/4P3/4K3 b - - 3 40\"]\n\n40... Kd7 41. e4 Ke6 *\n"),
              std::string::npos)
        << *text;

    // The tab format cannot say where the game began, so the set-up position goes out as PGN under any name.
    game.Save(folder.File("again.txt"));
    for (const char* name : {"again.pgn", "again.txt"}) {
        GameFilesFixture again;
        again.Load(folder.File(name));
        EXPECT_EQ(again.Rows(), game.Rows()) << name;
        EXPECT_EQ(again.ShownFen(), game.ShownFen()) << name;
    }
}

// What the writer puts out is pinned to the byte through the game files' save tests.
struct ReadCase {
    const char* name;
    std::string text;
    GameFileFault fault;
    bool userPlaysWhite = false;
    int lines = 0;
    int maxPly = 0;
};

class ReadTabGameTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadTabGameTest, ChecksTheWholeFile) {
    const ReadCase& c = GetParam();
    const GameFileReading reading = ReadTabGame(c.text);
    ASSERT_EQ(reading.Fault, c.fault);
    if (c.fault != GameFileFault::None) return;
    EXPECT_EQ(reading.Game.UserPlaysWhite, c.userPlaysWhite);
    EXPECT_EQ(int(reading.Game.Lines.size()), c.lines);
    EXPECT_EQ(reading.Game.MaxPly, c.maxPly);
    EXPECT_TRUE(reading.Game.StartFen.empty());
}

const std::string WhiteHeader = "\tWhite(You)\tBlack\r\n";

INSTANTIATE_TEST_SUITE_P(
    GameFiles, ReadTabGameTest,
    testing::Values(
        ReadCase{"EmptyMiddleFieldStillCounts", WhiteHeader + "1.\te4\t\r\n2.\tNf3\tNc6\r\n", GameFileFault::None, true, 2, 4},
        ReadCase{"EmptyHeaderFieldIsNoMinusOne", "\tWhite(You)\tBlack\t\r\n", GameFileFault::None, true, 0, 0},
        ReadCase{"LowerCaseHeaderIsBlack", "\twhite(you)\tBlack\r\n1.\te4\te5\r\n", GameFileFault::None, false, 1, 2},
        ReadCase{"CrOnlyAndNoFinalEnd", "\tWhite(You)\tBlack\r1.\te4\te5\r2.\td4\t", GameFileFault::None, true, 2, 3},
        ReadCase{"BlanksBeforeNumbersAndTrailingBlankLines",
                 "\xEF\xBB\xBF  \tWhite(You)\tBlack\r\n  1.\te4\te5\r\n\t2.\td4\td5\r\n\r\n  \r\n", GameFileFault::None,
                 true, 2, 4},
        ReadCase{"NumberWithZeroFraction", WhiteHeader + "1.0\te4\te5\r\n", GameFileFault::None, true, 1, 2},
        ReadCase{"FirstNumbered1Point5", WhiteHeader + "1.5\te4\te5\r\n", GameFileFault::Corrupted},
        ReadCase{"HugeNumber", WhiteHeader + "99999999999999999999.\te4\te5\r\n", GameFileFault::Corrupted},
        ReadCase{"TwoFields", WhiteHeader + "1.\te4\r\n", GameFileFault::Unreadable},
        ReadCase{"EmptyFile", "", GameFileFault::Unreadable}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadTabGameTest, KeepsTheTextsAndDropsTheFileLabels) {
    const GameFileReading reading = ReadTabGame(WhiteHeader + "1.\te4\te5\textra\r\n2.\tO-O+\t1-0\r\n");
    ASSERT_EQ(reading.Fault, GameFileFault::None);
    ASSERT_EQ(reading.Game.Lines.size(), 2u);
    EXPECT_EQ(reading.Game.Lines[0].White, "e4");
    EXPECT_EQ(reading.Game.Lines[0].Black, "e5");
    EXPECT_EQ(reading.Game.Lines[1].White, "O-O+");
    EXPECT_EQ(reading.Game.Lines[1].Black, "1-0");
}

TEST(ReadTabGameTest, RefusesMoreLinesThanTheCountersHold) {
    std::string text = WhiteHeader;
    for (int i = 1; i <= MaxFileMoveLines + 1; ++i) text += std::to_string(i) + ".\te4\te5\r\n";
    EXPECT_EQ(ReadTabGame(text).Fault, GameFileFault::Unreadable);
}

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
    EXPECT_FALSE(WriteGameFile(folder.File("sub"), "x"));
    EXPECT_TRUE(fs::is_directory(folder.File("sub")));
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"sub"});

    EXPECT_FALSE(ReadGameFile("").has_value());
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
    for (const auto& [answer, name] : {std::pair<std::string, std::string>{"  /tmp/my game.txt  ", "/tmp/my game.txt"},
                                       {std::string("/tmp/b.txt\0junk", 15), "/tmp/b.txt"}, {"   ", ""}, {"", ""}}) {
        platform.QueueFileAnswer(answer);
        EXPECT_EQ(ShowFileDialog(platform, SaveFileDialog, "s"), name) << answer;
    }
}

} // namespace
} // namespace varnix
