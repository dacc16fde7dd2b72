// What a run of simulated games adds up to, printed as key=value lines.
#pragma once

#include <cstdint>
#include <cstdio>
#include <vector>

#include "simulation.h"

class CSummary {
public:
    void Add(const GameOutcome& outcome);
    int Violations() const { return m_nViolations; }
    // The wins by seat, the length of the finished games, then the landing
    // shares when given, the wins and acts by level, the length percentiles
    // and the games still running at each of `reportAt`, and last the
    // one-line summary.
    void Print(std::FILE* out, double seconds, const LandingCounts* landings, const ActCounts& acts,
               const std::vector<int>& reportAt) const;

private:
    void PrintSeats(std::FILE* out) const;
    void PrintLengths(std::FILE* out) const;
    void PrintLevels(std::FILE* out, const ActCounts& acts) const;
    void PrintPercentiles(std::FILE* out, const std::vector<int>& reportAt) const;

    int m_nGames = 0;
    int m_nFinished = 0;
    int m_nViolations = 0;
    int m_nPlayers = 0;
    int64_t m_nTurns = 0;
    // Turns of the finished games: sum, sum of squares, least and most.
    double m_fLengthSum = 0;
    double m_fLengthSquares = 0;
    int m_nShortest = 0;
    int m_nLongest = 0;
    int m_nWins[kMaxPlayers] = {};
    uint64_t m_nSignature = 0xcbf29ce484222325ull;
    // Every game's turns, an unfinished one's where it was cut, flagged.
    std::vector<int> m_Lengths;
    std::vector<bool> m_Unfinished;
    int m_nLimitEnds = 0;
    // Seats played and games won, by level.
    int64_t m_nLevelSeats[kLevelCount] = {};
    int64_t m_nLevelWins[kLevelCount] = {};
};
