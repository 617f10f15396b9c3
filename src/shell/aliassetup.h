#pragma once
namespace platform {
class AliasRegistry;
}

namespace shell {

// Creates each of the aliases QALPRB, QALMOTOR (Firebird, from "Server Name" and
// "DbPath1"/"DbPath2" of myinifile.ini) and TRANSFER (the local transfer folder)
// that does not exist yet. An existing alias is never touched. Errors propagate.
void setUpAliases(platform::AliasRegistry &aliases);

} // namespace shell
