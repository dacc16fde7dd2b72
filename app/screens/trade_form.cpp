#include "trade_form.h"

#include <algorithm>
#include <bitset>
#include <cstdint>

#include "game.h"
#include "input_event.h"
#include "message_layout.h"
#include "text_format.h"

namespace {

constexpr unsigned char kEnter = 13;
constexpr unsigned char kEscape = 27;
constexpr unsigned char kTab = 9;

// The box over the centre of the board seen from above, in layout pixels:
// the squares begin about 77 pixels in from each edge of the board view.
constexpr int kLeft = 86;
constexpr int kRight = 416;
constexpr int kTop = 88;
constexpr int kRowHeight = 15;
// The text is drawn at 0.6 of the font's size: a character takes 8.4 of
// its 640 units across the 500-pixel view. The longest name of a property
// then fits its column.
constexpr float kCharPixels = 8.4f * 500.0f / 640.0f;
constexpr int kLineChars = static_cast<int>((kRight - kLeft) / kCharPixels);
// Each side's column.
constexpr int kColumnWidth = (kRight - kLeft) / 2;
constexpr int kDetailIndent = 12;
// The lists of properties end here, leaving room under them for the cash,
// its steps, two lines of explanation and the buttons.
constexpr int kListBottom = 308;

// The cash steps each side's buttons offer, in two rows.
const int32_t kCashSteps[2][2] = {{-1000, 1000}, {-10000, 10000}};

int TextPixels(const std::string& text)
{
    return static_cast<int>(CountCharacters(text) * kCharPixels) + 1;
}

TradeItem Line(TradeItem::Kind kind, int x, int top, const std::string& text)
{
    TradeItem item;
    item.kind = kind;
    item.rect = {x, top, x + TextPixels(text), top + kRowHeight - 1};
    item.text = text;
    return item;
}

TradeItem Button(TradeItem::Kind kind, int x, int top, const std::string& text, TradeItem::Act act)
{
    TradeItem item = Line(kind, x, top, text);
    item.rect.left -= 3;
    item.rect.right += 3;
    item.act = act;
    return item;
}

std::string CashStepLabel(int32_t step)
{
    return (step > 0 ? "+" : "-") + Francs(step > 0 ? step : -step);
}

// Splits a note at spaces into lines of the box's width.
std::vector<std::string> NoteLines(const std::string& note)
{
    std::vector<std::string> lines;
    std::string line;
    size_t at = 0;
    while (at < note.size()) {
        size_t end = note.find(' ', at);
        if (end == std::string::npos)
            end = note.size();
        const std::string word = note.substr(at, end - at);
        at = end + 1;
        if (!line.empty() && CountCharacters(line + " " + word) > kLineChars) {
            lines.push_back(line);
            line.clear();
        }
        line = line.empty() ? word : line + " " + word;
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

bool IsPlayer(const CGame& game, int player)
{
    return player >= 0 && player < game.playerCount;
}

}  // namespace

const char* TradeClosedReason(const CGame& game)
{
    if (game.playerCount < 2)
        return "Aucune partie en cours";
    if (game.gameOver)
        return "La partie est finie";
    if (game.pendingDeal.asker >= 0)
        return "Un échange attend déjà sa réponse";
    if (game.players[game.current].computer)
        return "On ne propose un échange que pendant son tour";
    if (game.inputMode != kNoInput)
        return "Finissez d'abord l'action en cours";
    return nullptr;
}

void CTradeForm::Compose()
{
    m_Mode = Mode::kCompose;
    m_Deal = Deal();
    m_Deal.asker = m_Game.current;
    const std::vector<int> partners = Partners();
    m_Deal.partner = partners.empty() ? -1 : partners.front();
    m_Note.clear();
}

void CTradeForm::Answer()
{
    m_Mode = Mode::kAnswer;
    m_Deal = m_Game.pendingDeal;
    m_Note.clear();
}

std::vector<int> CTradeForm::Partners() const
{
    std::vector<int> partners;
    for (int player = 0; player < m_Game.playerCount; ++player)
        if (player != m_Deal.asker)
            partners.push_back(player);
    return partners;
}

void CTradeForm::ChoosePartner(int player)
{
    const std::vector<int> partners = Partners();
    if (m_Mode != Mode::kCompose || player == m_Deal.partner ||
        std::find(partners.begin(), partners.end(), player) == partners.end())
        return;
    m_Deal.partner = player;
    m_Deal.partnerGives = 0;
    m_Deal.partnerCash = 0;
    m_Note.clear();
}

void CTradeForm::NextPartner(int step)
{
    const std::vector<int> partners = Partners();
    if (partners.empty())
        return;
    const auto at = std::find(partners.begin(), partners.end(), m_Deal.partner);
    const int index = static_cast<int>(at - partners.begin());
    const int count = static_cast<int>(partners.size());
    ChoosePartner(partners[((index + step) % count + count) % count]);
}

// 0 when the asker owns it, 1 the partner, -1 anyone else.
int CTradeForm::Side(int property) const
{
    const int owner = m_Game.properties[property].owner;
    if (owner >= 0 && owner == m_Deal.asker)
        return 0;
    return owner >= 0 && owner == m_Deal.partner ? 1 : -1;
}

void CTradeForm::Toggle(int property)
{
    if (m_Mode != Mode::kCompose || property < 0 || property >= kPropertyCount)
        return;
    const Property& deed = m_Game.properties[property];
    const int side = Side(property);
    if (side < 0 && deed.owner < 0) {
        m_Note = TextFormat("%s n'appartient à personne", deed.name);
        return;
    }
    if (side < 0) {
        m_Note = TextFormat("%s est à %s", deed.name, Name(deed.owner));
        return;
    }
    if (m_Game.GroupHasBuildings(property)) {
        m_Note = TextFormat("Le groupe de %s a des maisons ou un hôtel", deed.name);
        return;
    }
    uint32_t& gives = side == 0 ? m_Deal.askerGives : m_Deal.partnerGives;
    gives ^= PropertyBit(property);
    m_Note.clear();
}

void CTradeForm::AddCash(int side, int amount)
{
    if (m_Mode != Mode::kCompose)
        return;
    const int player = side == 0 ? m_Deal.asker : m_Deal.partner;
    const int64_t has = IsPlayer(m_Game, player) ? m_Game.players[player].money : 0;
    const int64_t most = std::clamp<int64_t>(has, 0, INT32_MAX);
    int32_t& cash = side == 0 ? m_Deal.askerCash : m_Deal.partnerCash;
    cash = static_cast<int32_t>(std::clamp<int64_t>(int64_t{cash} + amount, 0, most));
    m_Note.clear();
}

std::string CTradeForm::Refusal() const
{
    return DealRefusal(m_Game, m_Deal);
}

CTradeForm::Outcome CTradeForm::Key(unsigned char key)
{
    const bool answering = m_Mode == Mode::kAnswer;
    if (key == kEscape)
        return answering ? Outcome::kRefuse : Outcome::kLeave;
    if (key == kTradeKey && !answering)
        return Outcome::kLeave;
    if (key == kTab)
        NextPartner(1);
    if (key != kEnter)
        return Outcome::kNone;
    return answering ? Outcome::kAccept : Propose();
}

CTradeForm::Outcome CTradeForm::Propose()
{
    const std::string refusal = Refusal();
    if (refusal.empty())
        return Outcome::kPropose;
    m_Note = refusal;
    return Outcome::kNone;
}

void CTradeForm::Special(int key)
{
    if (key == kKeyLeft || key == kKeyUp)
        NextPartner(-1);
    else if (key == kKeyRight || key == kKeyDown)
        NextPartner(1);
}

CTradeForm::Outcome CTradeForm::Click(int x, int y, int property)
{
    for (const TradeItem& item : Items())
        if (item.act != TradeItem::Act::kNone && item.rect.Holds(x, y))
            return Act(item);
    Toggle(property);
    return Outcome::kNone;
}

CTradeForm::Outcome CTradeForm::Act(const TradeItem& item)
{
    switch (item.act) {
    case TradeItem::Act::kPartner:
        ChoosePartner(item.value);
        return Outcome::kNone;
    case TradeItem::Act::kCash:
        AddCash(item.side, item.value);
        return Outcome::kNone;
    case TradeItem::Act::kPropose:
        return Propose();
    case TradeItem::Act::kCancel:
        return Outcome::kLeave;
    case TradeItem::Act::kAccept:
        return Outcome::kAccept;
    case TradeItem::Act::kRefuse:
        return Outcome::kRefuse;
    default:
        return Outcome::kNone;
    }
}

const char* CTradeForm::Name(int player) const
{
    return IsPlayer(m_Game, player) ? m_Game.players[player].name : "?";
}

// --- Layout ---

int CTradeForm::AddPartners(std::vector<TradeItem>& items, int top) const
{
    int x = kLeft;
    for (int player : Partners()) {
        const bool chosen = player == m_Deal.partner;
        TradeItem item = Button(chosen ? TradeItem::Kind::kChosenPartner : TradeItem::Kind::kPartner, x + 3,
                                top, Name(player), TradeItem::Act::kPartner);
        if (item.rect.right > kRight && x > kLeft) {
            top += kRowHeight + 2;
            item = Button(item.kind, kLeft + 3, top, item.text, item.act);
        }
        item.value = player;
        x = item.rect.right + 6;
        items.push_back(item);
    }
    return top + kRowHeight + 2;
}

// A side's column: its head, its properties (a chip in the group's colour
// and the name, then the price and the mortgage), its cash and, while
// composing, the cash steps. Returns the column's bottom.
int CTradeForm::AddColumn(std::vector<TradeItem>& items, int side, int left, int top) const
{
    const int player = side == 0 ? m_Deal.asker : m_Deal.partner;
    const std::string head = std::string(Name(player)) + " donne :";
    items.push_back(Line(TradeItem::Kind::kText, left, top, TextPixels(head) < kColumnWidth ? head : Name(player)));
    top += kRowHeight + 2;
    const uint32_t gives = side == 0 ? m_Deal.askerGives : m_Deal.partnerGives;
    const int given = static_cast<int>(std::bitset<kPropertyCount>(gives).count());
    const int room = std::max(1, (kListBottom - top) / (2 * kRowHeight));
    const int shown = given > room ? room - 1 : given;
    int listed = 0;
    for (int p = 0; p < kPropertyCount && listed < shown; ++p) {
        if (!(gives & PropertyBit(p)))
            continue;
        const Property& deed = m_Game.properties[p];
        TradeItem chip = Line(TradeItem::Kind::kChip, left, top, " ");
        chip.value = p;
        chip.mortgaged = deed.mortgaged != 0;
        items.push_back(chip);
        items.push_back(Line(TradeItem::Kind::kText, left + kDetailIndent, top, deed.name));
        const std::string detail = Francs(deed.price) + (deed.mortgaged ? " (hyp.)" : "");
        items.push_back(Line(TradeItem::Kind::kDim, left + kDetailIndent, top + kRowHeight, detail));
        top += 2 * kRowHeight;
        listed += 1;
    }
    if (given > shown) {
        items.push_back(Line(TradeItem::Kind::kDim, left + kDetailIndent, top,
                             TextFormat("et %d autres", given - shown)));
        top += kRowHeight;
    }
    const int32_t cash = side == 0 ? m_Deal.askerCash : m_Deal.partnerCash;
    items.push_back(Line(TradeItem::Kind::kText, left, top + 2, "Argent : " + Francs(cash)));
    top += kRowHeight + 4;
    if (m_Mode == Mode::kAnswer)
        return top;
    for (const auto& row : kCashSteps) {
        int x = left + 3;
        for (int32_t step : row) {
            TradeItem button = Button(TradeItem::Kind::kButton, x, top, CashStepLabel(step), TradeItem::Act::kCash);
            button.value = step;
            button.side = side;
            x = button.rect.right + 8;
            items.push_back(button);
        }
        top += kRowHeight + 3;
    }
    return top;
}

void CTradeForm::AddSides(std::vector<TradeItem>& items, int top) const
{
    const int askerBottom = AddColumn(items, 0, kLeft, top);
    const int partnerBottom = AddColumn(items, 1, kLeft + kColumnWidth + 4, top);
    const int bottom = std::max(askerBottom, partnerBottom) + 6;
    if (m_Mode == Mode::kCompose)
        AddComposeEnd(items, bottom);
    else
        AddAnswerEnd(items, bottom);
}

void CTradeForm::AddComposeEnd(std::vector<TradeItem>& items, int top) const
{
    const std::string refusal = Refusal();
    const std::string note = !m_Note.empty() ? m_Note : refusal;
    for (const std::string& line : NoteLines(note)) {
        items.push_back(Line(TradeItem::Kind::kNote, kLeft, top, line));
        top += kRowHeight;
    }
    top += 4;
    const TradeItem::Kind propose = refusal.empty() ? TradeItem::Kind::kButton : TradeItem::Kind::kOffButton;
    items.push_back(Button(propose, kLeft + 3, top, "Proposer", TradeItem::Act::kPropose));
    items.push_back(Button(TradeItem::Kind::kButton, kLeft + kColumnWidth + 7, top, "Annuler",
                           TradeItem::Act::kCancel));
}

void CTradeForm::AddAnswerEnd(std::vector<TradeItem>& items, int top) const
{
    items.push_back(Line(TradeItem::Kind::kText, kLeft, top, std::string(Name(m_Deal.partner)) + ", acceptez-vous ?"));
    top += kRowHeight + 6;
    items.push_back(Button(TradeItem::Kind::kButton, kLeft + 3, top, "Accepter", TradeItem::Act::kAccept));
    items.push_back(Button(TradeItem::Kind::kButton, kLeft + kColumnWidth + 7, top, "Refuser",
                           TradeItem::Act::kRefuse));
}

std::vector<TradeItem> CTradeForm::Items() const
{
    std::vector<TradeItem> items;
    int top = kTop;
    if (m_Mode == Mode::kAnswer) {
        for (const std::string& line :
             NoteLines(TextFormat("%s propose un échange à %s", Name(m_Deal.asker), Name(m_Deal.partner)))) {
            items.push_back(Line(TradeItem::Kind::kText, kLeft, top, line));
            top += kRowHeight;
        }
        AddSides(items, top + 10);
        return items;
    }
    items.push_back(Line(TradeItem::Kind::kText, kLeft, top,
                         TextFormat("%s propose un échange à :", Name(m_Deal.asker))));
    top = AddPartners(items, top + kRowHeight + 2);
    items.push_back(Line(TradeItem::Kind::kDim, kLeft, top, "Cliquez les propriétés sur le plateau"));
    AddSides(items, top + kRowHeight + 8);
    return items;
}
