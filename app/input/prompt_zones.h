// Where a press answers the "OUI   NON" question, in window pixels.
#pragma once

enum class PromptClick {
    kElsewhere,  // not on the words' row: the game goes on as usual
    kYes,
    kNo,
    kBetween,  // on the row but on neither word: the press is ignored
};

PromptClick PromptClickAt(int x, int y);
