// Puzzles brought in as text: every refusal names its cause, and what export writes comes back.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <memory>
#include <string>

#include "manage/puzzle_import.h"
#include "support/generated_puzzles.h"

namespace xs {
namespace {

// A 4 x 4 puzzle with one solution: 1 3 / 2 4 ... its clue row and column included.
constexpr const char* kGood =
    "###   4\\   6\\\n"
    "\\3    .     .\n"
    "\\7    .     .\n";

std::string Repeat(const std::string& part, int n) {
    std::string out;
    for (int k = 0; k < n; ++k) out += part;
    return out;
}

struct TBadCase {
    const char* Name;
    std::string Text;
    const char* Reason;
};

TEST(PuzzleImport, RefusesEachBadInputWithItsReason) {
    const std::string longRow = "###" + Repeat(" ###", 26) + "\n";
    std::string tooManyRows;
    for (int r = 0; r < 27; ++r) tooManyRows += "### ###\n";
    const std::string tallAndWide = Repeat("###" + Repeat(" ###", 16) + "\n", 17);
    const TBadCase cases[] = {
        {"empty", "", "the text holds no puzzle"},
        {"blank lines only", "\n  \r\n\n", "the text holds no puzzle"},
        {"binary junk",
         std::string("\x7f"
                     "ELF\x02\x01",
                     6),
         "line 1: not a text puzzle (it holds the byte 0x7F)"},
        {"nul on line 2", std::string("###\n#\0#", 7),
         "line 2: not a text puzzle (it holds the byte 0x00)"},
        {"ragged", "### 4\\ 6\\\n\\3 . .\n\\7 .\n", "line 3 has 2 squares where line 1 has 3"},
        {"unknown token", "### 4\\ 6\\\n\\3 . x\n\\7 . .\n",
         "line 2, column 3: unknown square \"x\"; a square is ###, down\\across, . or a digit"},
        {"zero digit", "### 4\\ 6\\\n\\3 . 0\n\\7 . .\n",
         "line 2, column 3: unknown square \"0\"; a square is ###, down\\across, . or a digit"},
        {"gap inside", "### 4\\ 6\\\n\n\\3 . .\n\\7 . .\n",
         "line 2 is empty: the rows of a puzzle follow one another"},
        {"total 46", "### 46\\ 6\\\n\\3 . .\n\\7 . .\n",
         "line 1, column 2: the down total 46: no 2 different digits add up to it (they make 3 to "
         "17)"},
        {"total 2 in two", "### 4\\ 6\\\n\\2 . .\n\\7 . .\n",
         "line 2, column 1: the across total 2: no 2 different digits add up to it (they make 3 to "
         "17)"},
        {"run of one", "### 3\\ ###\n\\3 . ###\n### . ###\n",
         "line 2, column 1: the across total 3 has a run of 1 square; a run has 2 to 9"},
        {"run of ten", "### 45\\\n" + Repeat("### .\n", 10),
         "line 1, column 2: the down total 45 has a run of 10 squares; a run has 2 to 9"},
        {"White square in no run", "### 4\\ ###\n\\3 . .\n### . ###\n",
         "line 2, column 3: a White square in no down run of two or more squares"},
        {"run without total", "### 4\\ 6\\\n### . .\n\\7 . .\n",
         "line 2, column 1: the across run of 2 White squares after it has no total"},
        {"total with no run", "### 4\\ 6\\ \\5\n\\3 . . ###\n\\7 . . ###\n",
         "line 1, column 4: the across total 5 has no White square to its right"},
        {"White in clue row", "### . 6\\\n\\3 . .\n\\7 . .\n",
         "line 1, column 2: a White square in the first row or column, which hold only clue "
         "squares and ###"},
        {"no solution", "### 4\\ 5\\\n\\3 . .\n\\7 . .\n",
         "the puzzle has no solution: no digits give every run its total"},
        {"two solutions", "### 7\\ 3\\\n\\3 . .\n\\7 . .\n",
         "line 2, column 2: the puzzle has more than one solution; this square can be 1 or 2"},
        // 1 2 3 / 2 7 8 and 1 3 2 / 2 6 9: the first square is 1 in both.
        {"two solutions alike at first", "### 3\\ 9\\ 11\\\n\\6 . . .\n\\17 . . .\n",
         "line 2, column 3: the puzzle has more than one solution; this square can be 2 or 3"},
        // 2 8 7 / 9 5 9 fits only with a repeat.
        {"repeats only", "### 11\\ 13\\ 16\\\n\\17 . . .\n\\23 . . .\n",
         "the puzzle has no solution: no digits without a repeat in a run give every run its "
         "total"},
        {"csv unknown", "###,4\\,6\\\n\\3,,x\n\\7,,\n",
         "line 2, column 3: unknown square \"x\"; a square is ###, down\\across, . or a digit, and "
         "an empty field is a White square"},
        {"wrong answer given", "### 4\\ 6\\\n\\3 2 .\n\\7 . .\n",
         "line 2, column 2: the digit 2 given here is not the answer, 1"},
        {"too wide", longRow,
         "the puzzle is 1 x 27 squares; the largest size holds 16 x 26 (rows x columns, with the "
         "clue row and column), or 26 x 16 turned on its side"},
        {"too tall", tooManyRows,
         "the puzzle is 27 x 2 squares; the largest size holds 16 x 26 (rows x columns, with the "
         "clue row and column), or 26 x 16 turned on its side"},
        {"too tall to turn", tallAndWide,
         "the puzzle is 17 x 17 squares; the largest size holds 16 x 26 (rows x columns, with the "
         "clue row and column), or 26 x 16 turned on its side"},
        {"no White square", "### ###\n### ###\n", "the puzzle has no White square"},
    };
    auto puzzle = std::make_unique<TImportedPuzzle>();
    for (const TBadCase& c : cases) {
        std::string reason;
        EXPECT_FALSE(PreparePuzzleImport(c.Text, *puzzle, reason)) << c.Name;
        EXPECT_EQ(reason, c.Reason) << c.Name;
    }
}

TEST(PuzzleImport, ReadsBothNotationsWithByteOrderMarkAndCrlf) {
    const char* texts[] = {
        kGood,
        "\xEF\xBB\xBF###  4\\  6\\\r\n\\3  .  .\r\n\\7  .  .\r\n\r\n",
        "###,4\\,6\\\r\n\\3,,\n\"\\7\",3,4\n",
        "\n\n### 4\\ 6\\\n\\3 1 2\n\\7 3 4\n\n",
        "###\t4\\\t6\\\n\\3\t.\t.\n\\7 \t.\t.\n",
        "###,4\\,6\\\n\\3,\"\",\"\"\n\\7,\"\",\"\"\n",
    };
    auto puzzle = std::make_unique<TImportedPuzzle>();
    for (const char* text : texts) {
        std::string reason;
        ASSERT_TRUE(PreparePuzzleImport(text, *puzzle, reason)) << text << reason;
        EXPECT_EQ(puzzle->Size, TPuzzleSize::Mini);
        EXPECT_EQ(puzzle->Rows, 3);
        EXPECT_EQ(puzzle->Cols, 3);
        const TPuzzleGrid& g = puzzle->Grid;
        EXPECT_EQ(g.Sq[1][1].Answer() * 1000 + g.Sq[1][2].Answer() * 100 +
                      g.Sq[2][1].Answer() * 10 + g.Sq[2][2].Answer(),
                  1234);
        // The rest of the Mini region is Black without totals; beyond it, Outside.
        EXPECT_EQ(g.Sq[8][12].Kind, Black);
        EXPECT_EQ(g.Sq[3][1].AcrossSquares + g.Sq[3][1].DownSquares, 0);
        EXPECT_EQ(g.Sq[9][0].Kind, Outside);
        EXPECT_EQ(g.Sq[0][1].DownSquares, 2);
        EXPECT_EQ(g.Sq[0][1].DownTotal, 4);
    }
}

TEST(PuzzleImport, ReadsANineSquareRunAndTurnsATallPuzzle) {
    auto puzzle = std::make_unique<TImportedPuzzle>();
    std::string reason;
    ASSERT_TRUE(
        PreparePuzzleImport("### 15\\ 11\\ ### 8\\ 7\\ 10\\ ### ### ###\n"
                            "\\17 . . 9\\7 . . . 12\\ 15\\ 14\\\n"
                            "\\45 . . . . . . . . .\n"
                            "### \\6 . . ### \\26 . . . .\n",
                            *puzzle, reason))
        << reason;
    EXPECT_EQ(puzzle->Grid.Sq[2][0].AcrossSquares, 9);
    EXPECT_FALSE(puzzle->Turned);

    // 20 rows x 3 columns: stored as 3 x 20, the text's down 4 now an across 4.
    const std::string tall = "### 4\\ 6\\\n\\3 . .\n\\7 . .\n" + Repeat("### ### ###\n", 17);
    ASSERT_TRUE(PreparePuzzleImport(tall, *puzzle, reason)) << reason;
    EXPECT_TRUE(puzzle->Turned);
    EXPECT_EQ(puzzle->Size, TPuzzleSize::Medium);
    EXPECT_EQ(puzzle->Rows * 100 + puzzle->Cols, 320);
    EXPECT_EQ(puzzle->Grid.Sq[1][0].AcrossTotal * 10 + puzzle->Grid.Sq[1][0].AcrossSquares, 42);
    EXPECT_EQ(puzzle->Grid.Sq[1][2].Answer(), 3);
    // A square is still named by the text's line and column.
    std::string wrong = tall;
    wrong[wrong.find("\\7 . .") + 5] = '9';
    EXPECT_FALSE(PreparePuzzleImport(wrong, *puzzle, reason));
    EXPECT_EQ(reason, "line 3, column 3: the digit 9 given here is not the answer, 4");
}

// An 8 x 8 open block whose row totals (44 .. 37) and column totals (44 .. 38, 36) do not agree:
// no quick search can tell, so the check gives up when its time is over or the player stops it.
TEST(PuzzleImport, ASearchThatRunsOutOfTimeOrIsStoppedRefusesThePuzzle) {
    std::string block = "###";
    for (const int total : {44, 43, 42, 41, 40, 39, 38, 36})
        block.append(" ").append(std::to_string(total)).append("\\");
    for (int r = 1; r <= 8; ++r)
        block.append("\n\\").append(std::to_string(45 - r)).append(Repeat(" .", 8));
    std::atomic<bool> stop = false;
    struct TCase {
        std::string Text;
        bool Stop;
        const char* Reason;
    } const cases[] = {
        {block, false, "the puzzle could not be checked: its search for a solution ran too long"},
        {block, true,
         "the check was stopped before it could tell whether the puzzle has one "
         "solution"},
        {kGood, true, ""},  // over before anyone could stop it
    };
    auto puzzle = std::make_unique<TImportedPuzzle>();
    for (const TCase& c : cases) {
        stop = c.Stop;
        std::string reason;
        const bool taken = PreparePuzzleImport(
            c.Text, *puzzle, reason, {std::chrono::milliseconds(c.Stop ? 60000 : 0), &stop});
        EXPECT_EQ(taken, reason.empty());
        EXPECT_EQ(reason, c.Reason);
    }
}

TEST(PuzzleImport, TakesTheSmallestSizeThatHoldsIt) {
    struct TCase {
        int Rows, Cols;
        TPuzzleSize Size;
    } const cases[] = {
        {9, 13, TPuzzleSize::Mini},   {10, 13, TPuzzleSize::Small},  {9, 14, TPuzzleSize::Small},
        {10, 16, TPuzzleSize::Small}, {10, 17, TPuzzleSize::Medium}, {12, 20, TPuzzleSize::Medium},
        {13, 3, TPuzzleSize::Large},  {16, 26, TPuzzleSize::Large},
    };
    auto puzzle = std::make_unique<TImportedPuzzle>();
    for (const TCase& c : cases) {
        // kGood's block in the corner, padded with ### to rows x cols.
        std::string text;
        const char* corner[3][3] = {{"###", "4\\", "6\\"}, {"\\3", ".", "."}, {"\\7", ".", "."}};
        for (int r = 0; r < c.Rows; ++r) {
            for (int col = 0; col < c.Cols; ++col)
                text +=
                    std::string(col > 0 ? " " : "") + (r < 3 && col < 3 ? corner[r][col] : "###");
            text += "\n";
        }
        std::string reason;
        ASSERT_TRUE(PreparePuzzleImport(text, *puzzle, reason)) << reason;
        EXPECT_EQ(puzzle->Size, c.Size) << c.Rows << " x " << c.Cols;
    }
}

// Every size and level: export, import, and the same grid, totals and answers come back.
TEST(PuzzleImport, ExportThenImportGivesTheSamePuzzle) {
    auto lib = std::make_unique<TPuzzleLibrary>();
    std::int32_t lastId = 0;
    ASSERT_TRUE(test::AddEveryKindOfPuzzle(*lib, lastId, 31));
    auto puzzle = std::make_unique<TImportedPuzzle>();
    auto copy = std::make_unique<TPuzzleLibrary>();
    for (int slot = 1; slot <= lib->Counts.Total; ++slot) {
        SCOPED_TRACE(slot);
        for (const TTextFormat format : {TTextFormat::Grid, TTextFormat::Csv}) {
            std::string text;
            std::string reason;
            ASSERT_TRUE(
                ExportPuzzleText(*lib, slot, format == TTextFormat::Csv, format, text, reason));
            ASSERT_TRUE(PreparePuzzleImport(text, *puzzle, reason)) << reason << "\n" << text;
            EXPECT_EQ(static_cast<int>(puzzle->Size), lib->Info(slot).Size);
            EXPECT_EQ(FindStoredCopy(*lib, *puzzle), slot);
            const TSizeDims dims = SizeDims(lib->Info(slot).Size);
            for (int r = 0; r < dims.Rows; ++r)
                for (int c = 0; c < dims.Cols; ++c) {
                    const TSquare& a = lib->Grid(slot).Sq[r][c];
                    const TSquare& b = puzzle->Grid.Sq[r][c];
                    ASSERT_EQ(std::memcmp(&a, &b, sizeof a), 0) << r << "," << c;
                }
        }
    }
    // Stored again, it is a new puzzle with the next Id at the end of the library.
    std::string reason;
    const int slot = AppendImportedPuzzle(*lib, lastId, *puzzle, reason);
    EXPECT_EQ(slot, 21);
    EXPECT_EQ(lib->Info(slot).Id, 21);
    ASSERT_TRUE(PreparePuzzleImport(kGood, *puzzle, reason));
    EXPECT_EQ(FindStoredCopy(*lib, *puzzle), 0);
}

TEST(PuzzleImport, AppendRefusesAFullLibraryAndLeavesItAsItWas) {
    auto lib = std::make_unique<TPuzzleLibrary>();
    auto puzzle = std::make_unique<TImportedPuzzle>();
    std::string reason;
    ASSERT_TRUE(PreparePuzzleImport(kGood, *puzzle, reason));
    std::int32_t lastId = 0;
    for (int k = 1; k <= 100; ++k)
        ASSERT_EQ(AppendImportedPuzzle(*lib, lastId, *puzzle, reason), k);
    auto before = std::make_unique<TPuzzleLibrary>(*lib);
    EXPECT_EQ(AppendImportedPuzzle(*lib, lastId, *puzzle, reason), 0);
    EXPECT_EQ(reason, "the library holds 100 puzzles: delete some to make room");
    EXPECT_EQ(std::memcmp(lib.get(), before.get(), sizeof *lib), 0);
    EXPECT_EQ(lastId, 100);
}

}  // namespace
}  // namespace xs
