// Which window each menu entry opens, and what the entry prepares around it.
#include "startup.h"

#include "stock/tdelpolno.h"
#include "stock/tgenpolno.h"
#include "stock/tmotordel2.h"
#include "stock/tmotordel3.h"
#include "tdiskf.h"
#include "tmain.h"

namespace shell {

void registerCommands(TMain &main)
{
    main.setCommand(QStringLiteral("Disk1"), {[](QWidget *parent) { return new TDiskF(parent); }, {}, {}, false});

    // Number stock.
    main.setCommand(QStringLiteral("N10"), {[](QWidget *parent) { return new TGenPolno(parent); }, {}, {}, false});
    main.setCommand(QStringLiteral("N11"), {[](QWidget *parent) { return new TDelPolno(parent); }, {}, {}, false});
    main.setCommand(QStringLiteral("lock1"), {[](QWidget *parent) { return new TMotorDel2(parent); }, {}, {}, false});
    main.setCommand(QStringLiteral("N22"), {[](QWidget *parent) { return new TMotorDel3(parent); }, {}, {}, false});
}

} // namespace shell
