#pragma once
// Program start: the main window first (keyboard layout, date format, aliases,
// show), then the data module with its two connections. A database that cannot be
// connected is shown with the engine's message and ends the program.
#include <memory>

#include "edition/edition.h"

class TDm;
class TMain;

namespace platform {
class AliasRegistry;
}

namespace shell {

class Startup
{
public:
    Startup();
    ~Startup();
    // Runs the start-up; false when the program must end.
    bool start();
    TMain *mainWindow() const { return m_main.get(); }
    TDm *dataModule() const { return m_dm.get(); }

private:
    std::unique_ptr<platform::AliasRegistry> m_aliases;
    std::unique_ptr<TMain> m_main;
    std::unique_ptr<TDm> m_dm;
};

// Gives each menu entry whose window exists its command.
void registerCommands(TMain &main);

// The whole program of one edition: start-up, then the message loop.
int runProgram(int argc, char **argv, edition::Edition which);

} // namespace shell
