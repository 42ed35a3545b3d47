// Puzzles as plain text: the grid and CSV notations, written and read with every check a
// hand-typed puzzle needs before it can be solved.
#include "model/puzzle_text.h"

#include <array>
#include <cstdio>
#include <cstring>

namespace xs {

namespace {

// Far more than any puzzle needs (a Large grid is about 2.5 KB); a longer file is not one.
constexpr std::size_t kMaxTextSize = 64 * 1024;
constexpr int kMaxRunSquares = 9;

std::string Number(int value) {
    return std::to_string(value);
}

std::string At(int line, int column) {
    return "line " + Number(line) + ", column " + Number(column) + ": ";
}

// The token as it can be shown in a one-line message: at most 12 characters, anything but
// printable ASCII as '?'.
std::string Shown(std::string_view token) {
    std::string out;
    for (const char ch : token.substr(0, 12)) out += (ch >= 0x20 && ch < 0x7F) ? ch : '?';
    if (token.size() > 12) out += "...";
    return out;
}

std::string ClueText(const TSquare& s) {
    std::string out;
    if (s.DownSquares != 0) out += Number(s.DownTotal);
    out += '\\';
    if (s.AcrossSquares != 0) out += Number(s.AcrossTotal);
    return out;
}

std::string SquareText(const TSquare& s, bool answers, TTextFormat format) {
    if (s.Kind != White) {
        if (s.AcrossSquares == 0 && s.DownSquares == 0) return "###";
        return ClueText(s);
    }
    const int digit = answers ? s.Answer() : 0;
    if (digit >= 1 && digit <= 9) return std::string(1, static_cast<char>('0' + digit));
    return format == TTextFormat::Csv ? std::string() : std::string(".");
}

// One square as read, before the runs are known.
struct TToken {
    bool White = false;
    int Digit = 0;  // White: 1..9 given, 0 for "."
    int Down = 0;   // Black: the totals, 0 where the side is empty
    int Across = 0;
};

// A total side: empty, or 1 to 3 decimal digits (a value outside 1..45 is refused with the runs,
// where the message can say what the run's squares can make).
bool ParseSide(std::string_view text, int& value) {
    value = 0;
    if (text.size() > 3) return false;
    for (const char ch : text) {
        if (ch < '0' || ch > '9') return false;
        value = value * 10 + (ch - '0');
    }
    return text.empty() || value > 0;
}

bool ParseToken(std::string_view text, bool csv, TToken& token) {
    token = {};
    if (text == "." || (csv && text.empty())) {
        token.White = true;
        return true;
    }
    if (text.size() == 1 && text[0] >= '1' && text[0] <= '9') {
        token.White = true;
        token.Digit = text[0] - '0';
        return true;
    }
    if (text == "###") return true;
    const std::size_t slash = text.find('\\');
    if (slash == std::string_view::npos) return false;
    return ParseSide(text.substr(0, slash), token.Down) &&
           ParseSide(text.substr(slash + 1), token.Across);
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// The fields of one line: CSV fields (blanks and one pair of double quotes around a field
// removed), or the blank-separated tokens of the grid notation.
int SplitLine(std::string_view line, bool csv, std::array<std::string_view, kGridCols + 1>& out) {
    int n = 0;
    auto add = [&](std::string_view field) {
        if (n <= kGridCols) out[n] = field;
        ++n;
    };
    if (csv) {
        for (;;) {
            const std::size_t comma = line.find(',');
            std::string_view field = TrimBlanks(line.substr(0, comma));
            if (field.size() >= 2 && field.front() == '"' && field.back() == '"')
                field = TrimBlanks(field.substr(1, field.size() - 2));
            add(field);
            if (comma == std::string_view::npos) break;
            line.remove_prefix(comma + 1);
        }
        return n;
    }
    std::size_t at = 0;
    while (at < line.size()) {
        while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) ++at;
        const std::size_t start = at;
        while (at < line.size() && line[at] != ' ' && line[at] != '\t') ++at;
        if (at > start) add(line.substr(start, at - start));
    }
    return n;
}

// The squares as the text gives them, before a puzzle taller than the grid is turned on its side.
struct TTextSquares {
    TSquare Sq[kGridCols][kGridCols];
};

// Smallest and largest totals of n distinct digits.
int MinTotal(int n) {
    return n * (n + 1) / 2;
}
int MaxTotal(int n) {
    return n * (19 - n) / 2;
}

// Checks one run of a clue square and gives its length; the first problem found goes to reason.
bool CheckRun(const TTextSquares& grid, int rows, int cols, int r, int c, bool across, int total,
              const int* lines, int& length, std::string& reason) {
    const int dr = across ? 0 : 1;
    const int dc = across ? 1 : 0;
    length = 0;
    for (int rr = r + dr, cc = c + dc; rr < rows && cc < cols && grid.Sq[rr][cc].Kind == White;
         rr += dr, cc += dc)
        ++length;
    const char* way = across ? "across" : "down";
    const std::string here = At(lines[r], c + 1);
    if (total == 0) {
        if (length == 0) return true;
        if (length == 1) {
            reason = At(lines[r + dr], c + dc + 1) + "a White square in no " + way +
                     " run of two or more squares";
        } else {
            reason = here + "the " + way + " run of " + Number(length) +
                     " White squares after it has no total";
        }
        return false;
    }
    const std::string run = "the " + std::string(way) + " total " + Number(total);
    if (length == 0) {
        reason = here + run + " has no White square " + (across ? "to its right" : "below it");
        return false;
    }
    if (length < 2 || length > kMaxRunSquares) {
        reason = here + run + " has a run of " + Number(length) + " square" +
                 (length == 1 ? "" : "s") + "; a run has 2 to 9";
        return false;
    }
    if (total < MinTotal(length) || total > MaxTotal(length)) {
        reason = here + run + ": no " + Number(length) +
                 " different digits add up to it (they make " + Number(MinTotal(length)) + " to " +
                 Number(MaxTotal(length)) + ")";
        return false;
    }
    return true;
}

}  // namespace

std::string TTextPuzzle::Where(int row, int col) const {
    const int textRow = Turned ? col : row;
    const int textCol = Turned ? row : col;
    return At(Line[textRow], textCol + 1);
}

std::string FormatPuzzleText(const TPuzzleGrid& grid, int rows, int cols, bool answers,
                             TTextFormat format) {
    std::string out;
    const bool csv = format == TTextFormat::Csv;
    for (int r = 0; r < rows && r < kGridRows; ++r) {
        for (int c = 0; c < cols && c < kGridCols; ++c) {
            if (c > 0) out += csv ? "," : " ";
            // The grid notation lines its tokens up in columns of five, as `show` does.
            std::string token = SquareText(grid.Sq[r][c], answers, format);
            if (!csv && token.size() < 5 && c + 1 < cols) token.resize(5, ' ');
            out += token;
        }
        out += '\n';
    }
    return out;
}

bool ParsePuzzleText(std::string_view text, TTextPuzzle& puzzle, std::string& reason) {
    std::memset(&puzzle.Grid, 0, sizeof puzzle.Grid);
    puzzle.Rows = 0;
    puzzle.Cols = 0;
    puzzle.Turned = false;
    reason.clear();
    if (text.size() > kMaxTextSize) {
        reason = "the text is " + Number(static_cast<int>(text.size() / 1024)) +
                 " KB, far longer than any puzzle";
        return false;
    }
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);

    // Control bytes other than tabs and line ends mean this is not text.
    int line = 1;
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte == '\n') ++line;
        if ((byte < 0x20 && byte != '\n' && byte != '\r' && byte != '\t') || byte == 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "0x%02X", byte);
            reason = "line " + Number(line) + ": not a text puzzle (it holds the byte " + hex + ")";
            return false;
        }
    }
    const bool csv = text.find(',') != std::string_view::npos;

    // The grid's lines, by their numbers in the text; blank lines may come before and after.
    std::array<std::string_view, kGridCols + 1> rowText{};
    int lineOf[kGridCols + 1] = {};
    int rows = 0;
    int blankAfter = 0;  // the first blank line after a row, while no row has followed it
    line = 0;
    while (!text.empty()) {
        ++line;
        const std::size_t end = text.find('\n');
        std::string_view current = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!current.empty() && current.back() == '\r') current.remove_suffix(1);
        if (TrimBlanks(current).empty() ||
            (csv && current.find_first_not_of(", \t") == std::string_view::npos)) {
            if (rows > 0 && blankAfter == 0) blankAfter = line;
            continue;
        }
        if (blankAfter != 0) {
            reason =
                "line " + Number(blankAfter) + " is empty: the rows of a puzzle follow one another";
            return false;
        }
        if (rows < kGridCols + 1) {
            rowText[rows] = current;
            lineOf[rows] = line;
        }
        ++rows;
    }
    if (rows == 0) {
        reason = "the text holds no puzzle";
        return false;
    }

    std::array<std::string_view, kGridCols + 1> fields{};
    const int firstCols = SplitLine(rowText[0], csv, fields);
    const int cols = firstCols;
    // A puzzle taller than the grid but narrow enough is turned on its side to fit.
    const bool fits = rows <= kGridRows && cols <= kGridCols;
    if (!fits && (rows > kGridCols || cols > kGridRows)) {
        reason = "the puzzle is " + Number(rows) + " x " + Number(cols) +
                 " squares; the largest size holds 16 x 26 (rows x columns, with the clue row "
                 "and column), or 26 x 16 turned on its side";
        return false;
    }
    static TTextSquares grid;
    std::memset(&grid, 0, sizeof grid);
    for (int r = 0; r < rows; ++r) {
        const int n = SplitLine(rowText[r], csv, fields);
        if (n != cols) {
            reason = "line " + Number(lineOf[r]) + " has " + Number(n) + " squares where line " +
                     Number(lineOf[0]) + " has " + Number(cols);
            return false;
        }
        for (int c = 0; c < cols; ++c) {
            TToken token;
            if (!ParseToken(fields[c], csv, token)) {
                reason = At(lineOf[r], c + 1) + "unknown square \"" + Shown(fields[c]) +
                         "\"; a square is ###, down\\across, . or a digit" +
                         (csv ? ", and an empty field is a White square" : "");
                return false;
            }
            TSquare& s = grid.Sq[r][c];
            if (token.White) {
                if (r == 0 || c == 0) {
                    reason = At(lineOf[r], c + 1) +
                             "a White square in the first row or column, which hold only clue "
                             "squares and ###";
                    return false;
                }
                s.Kind = White;
                s.SetAnswer(token.Digit);
            } else {
                s.Kind = Black;
                s.AcrossTotal = token.Across;
                s.DownTotal = token.Down;
            }
        }
    }
    if (rows < 2 || cols < 2) {
        reason = "the puzzle is " + Number(rows) + " x " + Number(cols) +
                 " squares: it has no White square";
        return false;
    }

    bool anyWhite = false;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            TSquare& s = grid.Sq[r][c];
            if (s.Kind == White) {
                anyWhite = true;
                continue;
            }
            int across = 0;
            int down = 0;
            if (!CheckRun(grid, rows, cols, r, c, true, s.AcrossTotal, lineOf, across, reason) ||
                !CheckRun(grid, rows, cols, r, c, false, s.DownTotal, lineOf, down, reason))
                return false;
            s.AcrossSquares = static_cast<std::uint8_t>(s.AcrossTotal != 0 ? across : 0);
            s.DownSquares = static_cast<std::uint8_t>(s.DownTotal != 0 ? down : 0);
        }
    }
    if (!anyWhite) {
        reason = "the puzzle has no White square";
        return false;
    }
    // Turned: the text's row r is the grid's column r, and an across run becomes a down run.
    puzzle.Turned = !fits;
    puzzle.Rows = fits ? rows : cols;
    puzzle.Cols = fits ? cols : rows;
    for (int r = 0; r < rows; ++r) {
        puzzle.Line[r] = lineOf[r];
        for (int c = 0; c < cols; ++c) {
            const TSquare& s = grid.Sq[r][c];
            if (fits) {
                puzzle.Grid.Sq[r][c] = s;
                continue;
            }
            TSquare& t = puzzle.Grid.Sq[c][r];
            t = s;
            if (s.Kind == Black) {
                t.AcrossTotal = s.DownTotal;
                t.DownTotal = s.AcrossTotal;
                t.AcrossSquares = s.DownSquares;
                t.DownSquares = s.AcrossSquares;
            }
        }
    }
    return true;
}

}  // namespace xs
