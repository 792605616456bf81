#include "racking/family_files.h"

#include "common/data_folder.h"
#include "common/failure.h"

#include <QFileInfo>

namespace zuvo::racking {

FamilyOrders readFamilyFiles(quote::ConsumedFiles& consumed)
{
    FamilyOrders orders;
    bool any = false;
    for (Family family : kFamilyOrder) {
        consumed.addUnread(descriptionFileOf(family));
        const QString path = dataFile(orderFileOf(family));
        if (!QFileInfo(path).isFile())
            continue;
        orders[indexOf(family)] = consumed.addRead(quote::readOrderFile(path));
        any = true;
    }
    if (!any) {
        throw failureBeforeAnythingUsed(
            QStringLiteral("Nella cartella dati %1 non c'è nessun file di famiglia da quotare "
                           "(fppord.txt, fleord.txt, fdrord.txt, fsdord.txt, fclord.txt).")
                .arg(dataFolder()));
    }
    return orders;
}

} // namespace zuvo::racking
