#include "game_random.h"

int CGameRandom::Next()
{
    return m_pSeeded ? m_pSeeded->Next() : m_Clock.Next();
}
