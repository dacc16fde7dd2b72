#include "game_saver.h"

#include "game.h"
#include "save_file.h"

void CGameSaver::Save(const CGame& game, const GameHistory& history)
{
    m_Autosave.Write(game, history);
}

void CGameSaver::SaveNow(const CGame& game, const GameHistory& history)
{
    if (!m_bStepping)
        Save(game, history);
    m_Autosave.Finish();
}
