#include "router.h"

#include "game.h"
#include "press_reader.h"
#include "prompt_zones.h"

namespace {

constexpr unsigned char kEscape = 27;
constexpr unsigned char kSkipKey = ' ';
constexpr unsigned char kFasterKey = '+';
constexpr unsigned char kSlowerKey = '-';

// The words "OUI" and "NON" count even before the question is pending: a
// question is first shown, and held, as a plain message.
bool OnAnswer(int x, int y, int32_t inputMode)
{
    const PromptClick click = PromptClickAt(x, y);
    if (click == PromptClick::kYes || click == PromptClick::kNo)
        return true;
    const MouseEvent press{x, y, true};
    return inputMode == kPricedOffer && (kAcceptSquare.Holds(press) || kRefuseSquare.Holds(press));
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
    case kMuteKey:
        return WaitingInput::kMute;
    default:
        return WaitingInput::kKeep;
    }
}

bool IsPick(int32_t inputMode)
{
    return inputMode >= kInspectPick && inputMode <= kLiftPick;
}

WaitingInput PressWhileWaiting(const InputEvent& press, int32_t inputMode)
{
    if (IsWheelButton(press.button))
        return WaitingInput::kDrop;
    if (IsPick(inputMode) || OnAnswer(press.x, press.y, inputMode))
        return WaitingInput::kAnswer;
    return WaitingInput::kSkip;
}

}  // namespace

WaitingInput WhileWaiting(const InputEvent& event, int32_t inputMode)
{
    switch (event.kind) {
    case InputKind::kPress:
        return PressWhileWaiting(event, inputMode);
    case InputKind::kKey:
        return KeyWhileWaiting(event.key);
    case InputKind::kDrag:
        return WaitingInput::kDrop;
    default:
        return WaitingInput::kKeep;
    }
}

int SpeedKeyStep(unsigned char key)
{
    if (key == kFasterKey)
        return 1;
    return key == kSlowerKey ? -1 : 0;
}

MouseEvent PressForRules(const InputEvent& press, int32_t inputMode)
{
    if (press.button == kRightButton && IsPick(inputMode))
        return {kNowhere.x, kNowhere.y, true};
    return {press.x, press.y, true};
}

bool StillItsTurn(const InputEvent& event, int64_t turnNow)
{
    return event.turn == turnNow;
}
