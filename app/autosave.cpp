#include "autosave.h"

#include "atomic_file.h"
#include "save_file.h"
#include "terminal_text.h"

std::string DefaultSavePath(const char* stateHome, const char* home)
{
    const char kFile[] = "/bourgade3d/partie.sav";
    if (stateHome != nullptr && stateHome[0] == '/')
        return stateHome + std::string(kFile);
    if (home != nullptr && home[0] != '\0')
        return home + std::string("/.local/state") + kFile;
    return "";
}

CAutosave::~CAutosave()
{
    if (!m_Writer.joinable())
        return;
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_bStop = true;
    }
    m_Changed.notify_all();
    m_Writer.join();
}

void CAutosave::SetPath(const std::string& path)
{
    m_sPath = path;
    m_bOn = true;
}

void CAutosave::Write(const CGame& game, const GameHistory& history)
{
    if (!m_bOn)
        return;
    std::string text = WriteSave(game, history);
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_sPending = std::move(text);
        m_sPendingPath = m_sPath;
        m_bPending = true;
    }
    if (!m_Writer.joinable())
        m_Writer = std::thread(&CAutosave::Run, this);
    m_Changed.notify_all();
}

void CAutosave::Finish()
{
    std::unique_lock<std::mutex> lock(m_Mutex);
    m_Changed.wait(lock, [this] { return !m_bPending && !m_bWriting; });
}

// The writer: the newest pending save, one at a time, until told to stop
// with nothing left to write.
void CAutosave::Run()
{
    std::unique_lock<std::mutex> lock(m_Mutex);
    for (;;) {
        m_Changed.wait(lock, [this] { return m_bPending || m_bStop; });
        if (!m_bPending)
            return;
        const std::string text = std::move(m_sPending);
        const std::string path = m_sPendingPath;
        m_bPending = false;
        m_bWriting = true;
        lock.unlock();
        WriteOne(path, text);
        lock.lock();
        m_bWriting = false;
        m_Changed.notify_all();
    }
}

void CAutosave::WriteOne(const std::string& path, const std::string& text)
{
    std::string reason = "ni XDG_STATE_HOME ni HOME ne donnent de dossier";
    const bool saved = !path.empty() && WriteFileAtomically(path, text, reason);
    if (!saved && !m_bFailing) {
        std::fprintf(m_pConsole, "Sauvegarde impossible dans %s (%s) ; la partie continue.\n",
                     path.empty() ? "partie.sav" : Printable(path).c_str(), Printable(reason).c_str());
        std::fflush(m_pConsole);
    }
    m_bFailing = !saved;
}
