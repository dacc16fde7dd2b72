#include "end_signals.h"

#include <csignal>

namespace {

const int kEndSignals[] = {SIGTERM, SIGINT, SIGHUP};

bool Ignored(int signal)
{
    struct sigaction current = {};
    return sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_IGN;
}

}  // namespace

void IgnoreBrokenPipes()
{
    std::signal(SIGPIPE, SIG_IGN);
}

void CatchEndSignals(void (*handler)(int))
{
    for (int signal : kEndSignals)
        if (!Ignored(signal))
            std::signal(signal, handler);
}
