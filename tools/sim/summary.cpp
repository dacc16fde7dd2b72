#include "summary.h"

#include <cinttypes>
#include <cmath>

void CSummary::Add(const GameOutcome& outcome)
{
    m_nGames += 1;
    m_nPlayers = outcome.players;
    m_nTurns += outcome.turns;
    m_nSignature = HashOutcome(m_nSignature, outcome);
    if (!outcome.violation.empty())
        m_nViolations += 1;
    if (outcome.winnerSeat >= 0 && outcome.winnerSeat < kMaxPlayers)
        m_nWins[outcome.winnerSeat] += 1;
    if (!outcome.finished)
        return;
    const int turns = outcome.turns;
    m_nShortest = m_nFinished == 0 || turns < m_nShortest ? turns : m_nShortest;
    m_nLongest = turns > m_nLongest ? turns : m_nLongest;
    m_nFinished += 1;
    m_fLengthSum += turns;
    m_fLengthSquares += double(turns) * turns;
}

void CSummary::PrintSeats(std::FILE* out) const
{
    for (int seat = 0; seat < m_nPlayers; ++seat)
        std::fprintf(out, "seat=%d wins=%d share=%.3f\n", seat, m_nWins[seat],
                     m_nGames > 0 ? double(m_nWins[seat]) / m_nGames : 0.0);
}

void CSummary::PrintLengths(std::FILE* out) const
{
    const double mean = m_nFinished > 0 ? m_fLengthSum / m_nFinished : 0.0;
    const double variance = m_nFinished > 0 ? m_fLengthSquares / m_nFinished - mean * mean : 0.0;
    std::fprintf(out, "length_mean=%.1f length_sd=%.1f length_min=%d length_max=%d unfinished_share=%.3f\n",
                 mean, std::sqrt(variance > 0 ? variance : 0.0), m_nShortest, m_nLongest,
                 m_nGames > 0 ? double(m_nGames - m_nFinished) / m_nGames : 0.0);
}

void CSummary::Print(std::FILE* out, double seconds, const LandingCounts* landings) const
{
    PrintSeats(out);
    PrintLengths(out);
    if (landings != nullptr)
        for (int square = 0; square < kSquareCount; ++square)
            std::fprintf(out, "square=%d share=%.4f\n", square,
                         landings->throws > 0 ? double(landings->squares[square]) / landings->throws
                                              : 0.0);
    std::fprintf(out, "games=%d finished=%d turns_mean=%.1f violations=%d games_per_s=%.1f signature=%016" PRIx64 "\n",
                 m_nGames, m_nFinished, m_nGames > 0 ? double(m_nTurns) / m_nGames : 0.0,
                 m_nViolations, seconds > 0 ? m_nGames / seconds : 0.0, m_nSignature);
}
