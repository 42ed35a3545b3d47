// The phrases the teaching solver's sentences share: digit lists, run and square names, what a run
// still needs, and what a step does to its square. Every one comes from a whole template.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "logic/logic_solver.h"

namespace xs::logic_words {

// The template in the "Logic" context, its %n filled with n (when n >= 0), then %1.. with args.
std::string Say(const char* source, std::initializer_list<std::string_view> args = {}, int n = -1);
std::string Num(int n);

// "8 and 9", "1, 2 and 4", "1 to 7 and 9" (or "... or 9" when `orList`): three or more digits
// in a row read as a span unless spans is false.
std::string DigitList(TCandidates mask, bool orList = false, bool spans = true);
// Sentences one after another, a space between; Add puts one more after `out`.
std::string Sentences(std::initializer_list<std::string_view> parts);
void Add(std::string& out, std::string_view sentence);

// "1,5,8"; "1,9 / 2,8 / 3,7" for several sets.
std::string SetText(TCandidates set);
std::string SetsText(const TCandidates* sets, int n);
// "1 + 8 + 9"
std::string SumText(TCandidates set);
// "across 16" (templates say "the %1"), "row 2, column 3"
std::string RunName(const TLogicRun& run);
std::string SquareName(int row, int col);
// Several names joined: "a", "a and b", "a, b and c".
std::string JoinNames(const std::string* names, int n);

// "The across 16 needs 16 in 2 squares." / "The across 23 holds 9 already, so it needs 14 more in
// its 2 open squares."
std::string Needs(const TLogicRun& run, const TLogicBoard::TRunState& st);

// What the step does to its square, as the last sentence: "So this square cannot hold 7."; "Of 7
// and 8, still open here, only 8 is left, so this square holds 8." Without `so` the removal reads
// "This square cannot hold 7.".
std::string Outcome(const TLogicStep& step, TCandidates before, bool so = true);

std::string BlockText(const TLogicBoard& before, const TLogicStep& step);
std::string ContradictionText(const TLogicBoard& before, const TLogicStep& step);

}  // namespace xs::logic_words
