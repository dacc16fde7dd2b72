#include "autosave.h"

#include "atomic_file.h"
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
    auto snapshot = std::make_unique<Snapshot>(Snapshot{game, history, m_sPath});
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_pPending = std::move(snapshot);
    }
    if (!m_Writer.joinable())
        m_Writer = std::thread(&CAutosave::Run, this);
    m_Changed.notify_all();
}

void CAutosave::Finish()
{
    std::unique_lock<std::mutex> lock(m_Mutex);
    m_Changed.wait(lock, [this] { return !m_pPending && !m_bWriting; });
}

// The writer: the newest pending save, one at a time, until told to stop
// with nothing left to write.
void CAutosave::Run()
{
    std::unique_lock<std::mutex> lock(m_Mutex);
    for (;;) {
        m_Changed.wait(lock, [this] { return m_pPending || m_bStop; });
        if (!m_pPending)
            return;
        const std::unique_ptr<Snapshot> snapshot = std::move(m_pPending);
        m_bWriting = true;
        lock.unlock();
        WriteOne(*snapshot);
        lock.lock();
        m_bWriting = false;
        m_Changed.notify_all();
    }
}

void CAutosave::WriteOne(const Snapshot& snapshot)
{
    const std::string& path = snapshot.path;
    std::string reason = "ni XDG_STATE_HOME ni HOME ne donnent de dossier";
    std::string refusal;
    const std::string text = path.empty() ? "" : WriteReadableSave(snapshot.state, snapshot.history, refusal);
    if (!refusal.empty())
        reason = "elle serait refusée à la lecture : " + refusal;
    const bool saved = !text.empty() && WriteFileAtomically(path, text, reason);
    if (!saved && !m_bFailing) {
        std::fprintf(m_pConsole, "Sauvegarde impossible dans %s (%s) ; la partie continue.\n",
                     path.empty() ? "partie.sav" : Printable(path).c_str(), Printable(reason).c_str());
        std::fflush(m_pConsole);
    }
    m_bFailing = !saved;
}
