#include "summary.h"

#include <algorithm>
#include <cinttypes>
#include <cmath>

namespace {

// The 95% interval of a share (Wilson's), in percent.
void Interval(int64_t wins, int64_t trials, double& low, double& high)
{
    constexpr double z = 1.96;
    const double n = trials > 0 ? double(trials) : 1.0;
    const double p = double(wins) / n;
    const double centre = (p + z * z / (2 * n)) / (1 + z * z / n);
    const double half = z * std::sqrt(p * (1 - p) / n + z * z / (4 * n * n)) / (1 + z * z / n);
    low = 100 * (centre - half);
    high = 100 * (centre + half);
}

// The value below which `share` of the sorted values lie.
template <class T>
T Percentile(const std::vector<T>& sorted, double share)
{
    if (sorted.empty())
        return T{};
    const size_t k = static_cast<size_t>(share * (sorted.size() - 1) + 0.5);
    return sorted[k];
}

}  // namespace

void CSummary::Add(const GameOutcome& outcome)
{
    m_nGames += 1;
    m_nPlayers = outcome.players;
    m_nTurns += outcome.turns;
    m_nSignature = HashOutcome(m_nSignature, outcome);
    m_Lengths.push_back(outcome.turns);
    m_Unfinished.push_back(!outcome.finished);
    m_nLimitEnds += outcome.endedOnLimit;
    for (int seat = 0; seat < outcome.players && seat < kMaxPlayers; ++seat)
        m_nLevelSeats[outcome.levelBySeat[seat]] += 1;
    if (!outcome.violation.empty())
        m_nViolations += 1;
    if (outcome.winnerSeat >= 0 && outcome.winnerSeat < kMaxPlayers) {
        m_nWins[outcome.winnerSeat] += 1;
        m_nLevelWins[outcome.levelBySeat[outcome.winnerSeat]] += 1;
    }
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

// Per level: the share of its seats that won (an unfinished game is lost by
// every seat), its foolish acts, the buildings it put up and sold back, and
// for the strong level how long its steps took.
void CSummary::PrintLevels(std::FILE* out, const ActCounts& acts) const
{
    for (int level = 0; level < kLevelCount; ++level) {
        const int64_t seats = m_nLevelSeats[level];
        if (seats == 0)
            continue;
        double low = 0;
        double high = 0;
        Interval(m_nLevelWins[level], seats, low, high);
        std::fprintf(out, "level=%s seats=%" PRId64 " wins=%" PRId64 " share=%.1f lo=%.1f hi=%.1f\n",
                     LevelName(level), seats, m_nLevelWins[level], 100.0 * m_nLevelWins[level] / seats,
                     low, high);
        std::fprintf(out, "acts level=%s", LevelName(level));
        for (int act = 0; act < kFoolishActCount; ++act)
            std::fprintf(out, " %s=%" PRId64, kFoolishActNames[act], acts.foolish[level][act]);
        const int64_t built = acts.built[level];
        std::fprintf(out, " houses_built=%" PRId64 " houses_sold_back=%" PRId64 " sold_back_share=%.1f\n",
                     built, acts.soldBack[level], built > 0 ? 100.0 * acts.soldBack[level] / built : 0.0);
    }
    if (acts.strongStepMs.empty())
        return;
    std::vector<double> sorted = acts.strongStepMs;
    std::sort(sorted.begin(), sorted.end());
    std::fprintf(out, "decision level=fort steps=%zu median_ms=%.3f p99_ms=%.3f max_ms=%.3f\n",
                 sorted.size(), Percentile(sorted, 0.5), Percentile(sorted, 0.99), sorted.back());
}

// Lengths of all games, an unfinished one counted where it was cut; a game
// is still running at T when it lasted more than T turns or was cut.
void CSummary::PrintPercentiles(std::FILE* out, const std::vector<int>& reportAt) const
{
    std::vector<int> sorted = m_Lengths;
    std::sort(sorted.begin(), sorted.end());
    std::fprintf(out, "length p50=%d p90=%d p99=%d limit_ends=%d\n", Percentile(sorted, 0.5),
                 Percentile(sorted, 0.9), Percentile(sorted, 0.99), m_nLimitEnds);
    for (int turn : reportAt) {
        int running = 0;
        for (size_t g = 0; g < m_Lengths.size(); ++g)
            running += m_Lengths[g] > turn || m_Unfinished[g];
        std::fprintf(out, "running turn=%d share=%.4f\n", turn,
                     m_nGames > 0 ? double(running) / m_nGames : 0.0);
    }
}

void CSummary::Print(std::FILE* out, double seconds, const LandingCounts* landings,
                     const ActCounts& acts, const std::vector<int>& reportAt) const
{
    PrintSeats(out);
    PrintLengths(out);
    if (landings != nullptr)
        for (int square = 0; square < kSquareCount; ++square)
            std::fprintf(out, "square=%d share=%.4f\n", square,
                         landings->throws > 0 ? double(landings->squares[square]) / landings->throws
                                              : 0.0);
    PrintLevels(out, acts);
    PrintPercentiles(out, reportAt);
    std::fprintf(out, "games=%d finished=%d turns_mean=%.1f violations=%d games_per_s=%.1f signature=%016" PRIx64 "\n",
                 m_nGames, m_nFinished, m_nGames > 0 ? double(m_nTurns) / m_nGames : 0.0,
                 m_nViolations, seconds > 0 ? m_nGames / seconds : 0.0, m_nSignature);
}
