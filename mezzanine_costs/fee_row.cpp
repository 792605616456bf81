#include "mezzanine_costs/fee_row.h"

#include "mezzanine_rules/documentation_fee.h"

namespace zuvo::mezzanine {

void addDocumentationFee(MezzanineRun& run)
{
    CostSheetBody& body = run.body;
    body.append(BodyLine::feeRow(QStringLiteral("DOCUMENTAZIONE PER DEPOSITO"),
                                 documentationFee(run.areaTot)));
    body.rigaProve = body.append(BodyLine::note(QStringLiteral("(Prove sui materiali escluse)")));
    body.rigaGruppo = body.rigaProve;
}

} // namespace zuvo::mezzanine
