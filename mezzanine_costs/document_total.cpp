#include "mezzanine_costs/document_total.h"

#include "quote_sheet/document_total_box.h"

namespace zuvo::mezzanine {

void writeDocumentTotal(MezzanineRun& run)
{
    CostSheetBody& body = run.body;
    const int feeRow = body.rigaProve - 1;
    quote::writeDocumentTotalBox(run.sheet, body.rigaGruppo,
                                 QStringLiteral("=SUM(R%1C,R%2C)").arg(body.rigaTotComplessivo).arg(feeRow));
    body.rigaGruppo += 3;
}

} // namespace zuvo::mezzanine
