// Which window each menu entry opens, and what the entry prepares around it.
#include "startup.h"

#include "tdiskf.h"
#include "tmain.h"

namespace shell {

void registerCommands(TMain &main)
{
    main.setCommand(QStringLiteral("Disk1"), {[](QWidget *parent) { return new TDiskF(parent); }, {}, {}, false});
}

} // namespace shell
