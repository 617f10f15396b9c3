// Which window each menu entry opens, and what the entry prepares around it.
#include "startup.h"

#include "data/dm.h"
#include "refdata/tagent.h"
#include "refdata/tbrand.h"
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

    // Reference data. The agent window's boxes are detached while it opens and
    // attached again once it has closed, also after an error.
    main.setCommand(QStringLiteral("AGENT1"), {[](QWidget *parent) { return new TAgent(parent); },
                                               [] { Dm->AgentTDs->setEnabled(false); },
                                               [] { Dm->AgentTDs->setEnabled(true); }, false});
    main.setCommand(QStringLiteral("N21"), {[](QWidget *parent) { return new TBrand(parent); }, {}, {}, false});
}

} // namespace shell
