// What a run of simulated games adds up to, printed as key=value lines.
#pragma once

#include <cstdint>
#include <cstdio>

#include "simulation.h"

class CSummary {
public:
    void Add(const GameOutcome& outcome);
    int Violations() const { return m_nViolations; }
    // The wins by seat, the length of the finished games, then the landing
    // shares when given, and last the one-line summary.
    void Print(std::FILE* out, double seconds, const LandingCounts* landings) const;

private:
    void PrintSeats(std::FILE* out) const;
    void PrintLengths(std::FILE* out) const;

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
};
