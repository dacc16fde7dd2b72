#include "setup_form.h"

#include "computer_level.h"
#include "input_event.h"

namespace {

constexpr unsigned char kEnter = 13;
constexpr unsigned char kEscape = 27;
constexpr unsigned char kTab = 9;
constexpr unsigned char kBackspace = 8;
constexpr unsigned char kDelete = 127;
// A name holds at most this many bytes, as the player's record does.
constexpr size_t kLongestName = kNameSize - 1;

// The limits offered, none first.
const int32_t kLimits[] = {0, 50, 100, 200, 500};
constexpr int kLimitCount = sizeof kLimits / sizeof kLimits[0];

constexpr int kSpeedCount = 4;

// Human, then the computer at each level.
constexpr int kKindCount = 1 + kLevelCount;

int Wrap(int value, int count)
{
    return (value % count + count) % count;
}

int LimitIndex(int32_t limit)
{
    for (int k = 0; k < kLimitCount; ++k)
        if (kLimits[k] == limit)
            return k;
    return 0;
}

std::string KindLabel(int32_t computer, int32_t level)
{
    if (!computer)
        return "humain";
    return std::string("ordinateur ") + LevelLabel(level);
}

// The window hands accented letters over as Latin-1 bytes.
std::string Utf8(unsigned char key)
{
    if (key < 0x80)
        return std::string(1, static_cast<char>(key));
    return {static_cast<char>(0xC0 | (key >> 6)), static_cast<char>(0x80 | (key & 0x3F))};
}

}  // namespace

CSetupForm::Field CSetupForm::FieldOf(int row) const
{
    if (row == 0)
        return Field::kCount;
    if (row <= 2 * m_Setup.count)
        return row % 2 == 1 ? Field::kName : Field::kKind;
    const Field after[] = {Field::kSpeed, Field::kLimit, Field::kScreen, Field::kStart};
    return after[row - 1 - 2 * m_Setup.count];
}

void CSetupForm::Move(int rows)
{
    m_nFocus = Wrap(m_nFocus + rows, RowCount());
}

void CSetupForm::Change(int row, int step)
{
    const int player = (row - 1) / 2;
    switch (FieldOf(row)) {
    case Field::kCount:
        m_Setup.count = kMinPlayers + Wrap(m_Setup.count - kMinPlayers + step, kMaxPlayers - kMinPlayers + 1);
        break;
    case Field::kKind: {
        const int kind = m_Setup.computer[player] ? 1 + m_Setup.level[player] : 0;
        const int next = Wrap(kind + step, kKindCount);
        m_Setup.computer[player] = next > 0;
        m_Setup.level[player] = next > 0 ? next - 1 : kLevelNormal;
        break;
    }
    case Field::kSpeed:
        m_Setup.speed = static_cast<Speed>(Wrap(static_cast<int>(m_Setup.speed) + step, kSpeedCount));
        break;
    case Field::kLimit:
        m_Setup.turnLimit = kLimits[Wrap(LimitIndex(m_Setup.turnLimit) + step, kLimitCount)];
        break;
    case Field::kScreen:
        m_Setup.fullScreen = !m_Setup.fullScreen;
        break;
    default:
        break;
    }
}

// The first letter typed over a name left as it was offered replaces it.
void CSetupForm::Type(unsigned char key)
{
    std::string& name = FocusedName();
    if (name == GameSetup().names[(m_nFocus - 1) / 2])
        name.clear();
    const std::string typed = Utf8(key);
    if (name.size() + typed.size() <= kLongestName)
        name += typed;
}

// Takes away the last character, all its bytes.
void CSetupForm::Erase()
{
    std::string& name = FocusedName();
    while (!name.empty() && (static_cast<unsigned char>(name.back()) & 0xC0) == 0x80)
        name.pop_back();
    if (!name.empty())
        name.pop_back();
}

CSetupForm::Outcome CSetupForm::Key(unsigned char key)
{
    if (key == kEnter)
        return Outcome::kStart;
    if (key == kEscape)
        return Outcome::kBack;
    if (key == kTab) {
        Move(1);
        return Outcome::kNone;
    }
    const bool onName = FieldOf(m_nFocus) == Field::kName;
    if (onName && (key == kBackspace || key == kDelete))
        Erase();
    else if (onName && key >= ' ' && key != kDelete)
        Type(key);
    else if (key == ' ')
        Change(m_nFocus, 1);
    return Outcome::kNone;
}

void CSetupForm::Special(int key)
{
    if (key == kKeyUp)
        Move(-1);
    else if (key == kKeyDown)
        Move(1);
    else if (key == kKeyLeft)
        Change(m_nFocus, -1);
    else if (key == kKeyRight)
        Change(m_nFocus, 1);
}

CSetupForm::Outcome CSetupForm::Click(int row)
{
    if (row < 0 || row >= RowCount())
        return Outcome::kNone;
    m_nFocus = row;
    if (FieldOf(row) == Field::kStart)
        return Outcome::kStart;
    Change(row, 1);
    return Outcome::kNone;
}

std::vector<std::string> CSetupForm::Rows() const
{
    std::vector<std::string> rows = {"Joueurs : " + std::to_string(m_Setup.count)};
    for (int i = 0; i < m_Setup.count; ++i) {
        rows.push_back("Nom " + std::to_string(i + 1) + " : " + m_Setup.names[i]);
        rows.push_back("  " + KindLabel(m_Setup.computer[i], m_Setup.level[i]));
    }
    rows.push_back(std::string("Vitesse : ") + SpeedInfo(m_Setup.speed).label);
    rows.push_back(m_Setup.turnLimit > 0 ? "Limite : " + std::to_string(m_Setup.turnLimit) + " tours"
                                         : std::string("Limite de tours : aucune"));
    rows.push_back(m_Setup.fullScreen ? "Écran : plein écran" : "Écran : fenêtre");
    rows.push_back("Commencer la partie (Entrée)");
    return rows;
}
