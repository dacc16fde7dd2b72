#include "skip_input.h"

#include "frame.h"
#include "game.h"
#include "prompt_zones.h"

namespace {

constexpr unsigned char kEscape = 27;
constexpr unsigned char kSkipKey = ' ';
constexpr unsigned char kFasterKey = '+';
constexpr unsigned char kSlowerKey = '-';

// The words "OUI" and "NON" count even before the question is pending: a
// question is first shown, and held, as a plain message.
bool OnAnswer(int x, int y, int inputMode)
{
    const PromptClick click = PromptClickAt(x, y);
    if (click == PromptClick::kYes || click == PromptClick::kNo)
        return true;
    const MouseEvent press{x, y, true};
    return inputMode == kPricedOffer && (kAcceptSquare.Holds(press) || kRefuseSquare.Holds(press));
}

}  // namespace

WaitingInput PressWhileWaiting(int x, int y, int inputMode)
{
    return OnAnswer(x, y, inputMode) ? WaitingInput::kKeep : WaitingInput::kSkip;
}

WaitingInput KeyWhileWaiting(unsigned char key)
{
    switch (key) {
    case kEscape:
        return WaitingInput::kQuit;
    case kSkipKey:
        return WaitingInput::kSkip;
    case kFasterKey:
        return WaitingInput::kFaster;
    case kSlowerKey:
        return WaitingInput::kSlower;
    default:
        return WaitingInput::kKeep;
    }
}

bool SpeedAfterKey(unsigned char key, Speed current, Speed& next)
{
    if (key != kFasterKey && key != kSlowerKey)
        return false;
    next = key == kFasterKey ? FasterSpeed(current) : SlowerSpeed(current);
    return true;
}

std::string SpeedNoticeText(Speed speed)
{
    return std::string("Vitesse : ") + SpeedInfo(speed).label;
}
