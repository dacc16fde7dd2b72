#include "pending_question.h"

HeldLine LineToHold(const char* text, bool askedNow, bool pending, const char* question)
{
    if (askedNow)
        return {text, true};
    if (pending)
        return {question, true};
    return {text, false};
}
