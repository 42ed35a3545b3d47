// The teaching solver's board of runs and candidates, the ladder's order, and grading.
#include "logic/logic_solver.h"

#include "logic/logic_parts.h"

namespace xs {

using namespace logic_detail;

int TechniqueStars(TTechnique technique) {
    switch (technique) {
        case TTechnique::LastSquare:
        case TTechnique::Crossing:
            return 1;
        case TTechnique::OneCombination:
        case TTechnique::PossibleDigits:
        case TTechnique::NeededDigit:
        case TTechnique::LockedDigits:
            return 2;
        case TTechnique::SumRange:
            return 3;
        case TTechnique::FittingCombinations:
        case TTechnique::BlockSums:
            return 4;
        default:
            return 5;
    }
}

const char* TechniqueName(TTechnique technique) {
    switch (technique) {
        case TTechnique::LastSquare:
            return "Last square";
        case TTechnique::Crossing:
            return "Crossing runs";
        case TTechnique::OneCombination:
            return "One combination";
        case TTechnique::PossibleDigits:
            return "Possible digits";
        case TTechnique::NeededDigit:
            return "Needed digit";
        case TTechnique::LockedDigits:
            return "Locked digits";
        case TTechnique::SumRange:
            return "Smallest and largest sums";
        case TTechnique::FittingCombinations:
            return "Combinations that fit";
        case TTechnique::BlockSums:
            return "Block sums";
        case TTechnique::Contradiction:
            return "Contradiction";
    }
    return "?";
}

bool TLogicBoard::Load(const TPuzzleGrid& grid, const TPuzzleDims& dims) {
    RunCount = 0;
    Size = dims;
    for (auto& plane : RunOf)
        for (auto& line : plane)
            for (auto& v : line) v = -1;
    for (auto& line : Digits)
        for (auto& v : line) v = 0;
    for (auto& line : Cand)
        for (auto& v : line) v = 0;
    if (dims.LastRow < 1 || dims.LastRow >= kGridRows || dims.LastCol < 1 ||
        dims.LastCol >= kGridCols)
        return false;
    for (int r = 1; r <= dims.LastRow; ++r)
        for (int c = 1; c <= dims.LastCol; ++c)
            if (grid.Sq[r][c].Kind == White) Cand[r][c] = kAllCandidates;
    for (int r = 0; r <= dims.LastRow; ++r) {
        for (int c = 0; c <= dims.LastCol; ++c) {
            const TSquare& sq = grid.Sq[r][c];
            if (sq.Kind != Black) continue;
            for (int dir = 0; dir < 2; ++dir) {
                const bool down = dir == 1;
                const int length = down ? sq.DownSquares : sq.AcrossSquares;
                const std::int32_t total = down ? sq.DownTotal : sq.AcrossTotal;
                if (length == 0) continue;
                if (length > 9 || total < 1 || total > 45) return false;
                TLogicRun& run = Runs[RunCount];
                run = TLogicRun{};
                run.ClueRow = static_cast<std::int8_t>(r);
                run.ClueCol = static_cast<std::int8_t>(c);
                run.Down = down;
                run.Total = total;
                for (int k = 1; k <= length; ++k) {
                    const int sr = down ? r + k : r;
                    const int sc = down ? c : c + k;
                    if (sr > dims.LastRow || sc > dims.LastCol || grid.Sq[sr][sc].Kind != White)
                        break;
                    run.Rows[run.Length] = static_cast<std::int8_t>(sr);
                    run.Cols[run.Length] = static_cast<std::int8_t>(sc);
                    RunOf[dir][sr][sc] = static_cast<std::int16_t>(RunCount);
                    ++run.Length;
                }
                if (run.Length > 0) ++RunCount;
            }
        }
    }
    return true;
}

void TLogicBoard::PlaceDigit(int row, int col, int digit) {
    Digits[row][col] = static_cast<std::uint8_t>(digit);
    Cand[row][col] = Bit(digit);
}

void TLogicBoard::SetCandidates(int row, int col, TCandidates candidates) {
    Digits[row][col] = 0;
    // An open square keeps at least one candidate: none stands for all nine.
    candidates = static_cast<TCandidates>(candidates & kAllCandidates);
    Cand[row][col] = candidates != 0 ? candidates : kAllCandidates;
}

void TLogicBoard::Apply(const TLogicStep& step) {
    if (step.Place != 0) {
        PlaceDigit(step.Row, step.Col, step.Place);
    } else {
        Cand[step.Row][step.Col] =
            static_cast<TCandidates>(Cand[step.Row][step.Col] & ~step.Remove);
    }
}

bool TLogicBoard::Solved() const {
    for (int r = 1; r <= Size.LastRow; ++r)
        for (int c = 1; c <= Size.LastCol; ++c)
            if (Cand[r][c] != 0 && Digits[r][c] == 0) return false;
    return true;
}

const TLogicRun& TLogicBoard::Run(const TStepRun& ref) const {
    const int index = RunOf[ref.Down ? 1 : 0][ref.Down ? ref.ClueRow + 1 : ref.ClueRow]
                           [ref.Down ? ref.ClueCol : ref.ClueCol + 1];
    return Runs[index];
}

TLogicBoard::TRunState TLogicBoard::StateOf(const TLogicRun& run) const {
    TRunState st;
    int sum = 0;
    for (int k = 0; k < run.Length; ++k) {
        const int r = run.Rows[k];
        const int c = run.Cols[k];
        if (Digits[r][c] != 0) {
            st.Placed = static_cast<TCandidates>(st.Placed | Bit(Digits[r][c]));
            sum += Digits[r][c];
        } else {
            st.OpenRows[st.Open] = r;
            st.OpenCols[st.Open] = c;
            st.OpenCand[st.Open] = Cand[r][c];
            ++st.Open;
        }
    }
    st.Remainder = run.Total - sum;
    return st;
}

bool TLogicBoard::NextStep(TLogicStep& step) const {
    for (int t = 0; t < kTechniqueCount; ++t)
        if (FindStep(static_cast<TTechnique>(t), step)) return true;
    return false;
}

bool TLogicBoard::FindStep(TTechnique technique, TLogicStep& step) const {
    switch (technique) {
        case TTechnique::LockedDigits:
            return FindLockedDigits(step);
        case TTechnique::BlockSums:
            return FindBlockSums(step);
        case TTechnique::Contradiction:
            return FindContradiction(step);
        default:
            return FindSimple(technique, step);
    }
}

TGrade GradePuzzle(const TPuzzleGrid& grid, const TPuzzleDims& dims) {
    TGrade grade;
    static thread_local TLogicBoard board;
    if (!board.Load(grid, dims)) return grade;
    TLogicStep step;
    while (board.NextStep(step)) {
        const int answer = grid.Sq[step.Row][step.Col].Answer();
        if ((step.Place != 0 && step.Place != answer) ||
            (answer >= 1 && answer <= 9 && (step.Remove & Bit(answer))))
            return grade;
        board.Apply(step);
        ++grade.Steps;
        if (step.Technique > grade.Hardest) grade.Hardest = step.Technique;
    }
    grade.Solved = board.Solved();
    return grade;
}

}  // namespace xs
