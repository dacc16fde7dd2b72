// What a held message shows while a yes/no question waits for its answer.
//
// The rules announce the situation again at every step (a prisoner is told
// "En Prison" before being asked again); shown alone, that line would
// replace the question and its answer words for the whole hold, so the
// question would flicker away between its reminders.
#pragma once

struct HeldLine {
    const char* text;
    bool withAnswerWords;
};

// `askedNow`: the rules put this text as the question; `pending`: a
// question is still waiting, its text in `question`.
HeldLine LineToHold(const char* text, bool askedNow, bool pending, const char* question);
