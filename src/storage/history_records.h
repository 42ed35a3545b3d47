// What the history of the player's games holds: a puzzle in play and a solved puzzle, as plain
// records that the screens and the companion read without Qt.
#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace xs {

// Where a puzzle came from, as the history names it.
inline constexpr const char* kOriginMade = "made";
inline constexpr const char* kOriginImported = "imported";
inline constexpr const char* kOriginPractice = "practice";

// Hints asked for, by the technique's name ("Last square", ...).
using THintCounts = std::map<std::string, int>;

int HintTotal(const THintCounts& hints);
// "Crossing:2;Last square:1": how the counts are stored. Reading skips what it cannot parse.
std::string EncodeHints(const THintCounts& hints);
THintCounts DecodeHints(const std::string& text);

// A puzzle the player has begun and not solved yet, by its Id.
struct TPlayRecord {
    std::int64_t Millis = 0;  // time counted so far
    THintCounts Hints{};
    int Checks = 0;   // Check pressed
    int Assists = 0;  // C, R, D and Fill All used
    bool operator==(const TPlayRecord&) const = default;
};

struct TSolvedRecord {
    std::int64_t SolvedAt = 0;  // seconds since 1970-01-01 UTC
    int PuzzleId = 0;
    int Size = 0;   // TPuzzleSize
    int Stars = 0;  // 1..5
    std::string Origin = kOriginMade;
    std::string Hardest{};  // the technique the puzzle needs at most; empty when unknown
    std::int64_t Millis = 0;
    THintCounts Hints{};
    int HintCount = 0;  // the total; older histories know only this
    int Checks = 0;
    int Assists = 0;
    bool Unaided = false;  // no hint, check or assist
};

}  // namespace xs
