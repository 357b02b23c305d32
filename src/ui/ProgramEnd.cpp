#include "ui/ProgramEnd.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace {
std::function<void(bool)>& EndHandler()
{
    static std::function<void(bool)> handler;
    return handler;
}
}  // namespace

void SetProgramEndHandler(std::function<void(bool atOnce)> handler) { EndHandler() = std::move(handler); }

void EndProgram(bool atOnce)
{
    if (EndHandler()) return EndHandler()(atOnce);
    if (!atOnce) {
        QCoreApplication::quit();
        return;
    }
    std::fflush(nullptr);
    std::_Exit(0);
}
