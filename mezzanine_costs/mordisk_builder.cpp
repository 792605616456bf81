#include "mezzanine_costs/mordisk_builder.h"

#include "common/data_folder.h"
#include "database/database.h"
#include "mezzanine_costs/accessory_groups.h"
#include "mezzanine_costs/article_reader.h"
#include "mezzanine_costs/conditions_block.h"
#include "mezzanine_costs/document_total.h"
#include "mezzanine_costs/documentation_fee.h"
#include "mezzanine_costs/mezzanine_totals.h"
#include "mezzanine_costs/page_layout.h"
#include "quote_sheet/customer_header.h"
#include "quote_sheet/preflight.h"
#include "quote_sheet/pricing.h"
#include "quote_sheet/numbered_quotation.h"
#include "quote_sheet/run_finish.h"

namespace zuvo::mezzanine {

namespace {

const QString kTemplate = QStringLiteral("SchedaScaff.xlsx");
const QString kOrderFile = QStringLiteral("codord.txt");
const QString kConditionsFile = QStringLiteral("Condizioni.xlsx");
const QStringList kConsumedFiles = {QStringLiteral("cod.txt"), kOrderFile};

quote::Customer customerOf(const window::QuoteRequest& request)
{
    return {request.cliNome, request.cliIndirizzo, request.cliCap, request.cliLocalita};
}

// Everything after the quote number: the cost sheet itself and its hand-over.
void buildCostSheet(MezzanineRun& run, const window::QuoteRequest& request,
                    const QList<quote::OrderLine>& orders, sheet::Office& office)
{
    quote::writeCustomerHeader(run.sheet, 3, customerOf(request));
    readArticles(run, orders);
    // The office sorts the list in its own order of codes; the priced rows are written with
    // the rest of the body once the layout is known.
    quote::writeArticleRows(run.sheet, run.list);
    quote::sortArticles(run.sheet, run.list, quote::kColCode);
    run.discount = quote::Discount::fromText(request.sconto);
    formAccessoryGroups(run);
    addMezzanineTotals(run);
    addDocumentationFee(run);
    layOutPages(run);
    writeDocumentTotal(run);
    writeConditions(run, office);
}

} // namespace

MordiskBuilder::MordiskBuilder(quote::OfficeSource office, quote::HandOver& handOver)
    : office_(std::move(office)), handOver_(handOver)
{
}

void MordiskBuilder::GeneraPreventivo(const window::QuoteRequest& request, db::Database& conn,
                                      window::GroupFlags& flags)
{
    quote::requireDataFiles({kTemplate, kConditionsFile, kOrderFile});
    const QList<quote::OrderLine> orders = quote::readOrderFile(dataFile(kOrderFile));
    db::PriceList priceList = conn.priceList(db::PriceTable::Listino);
    sheet::Office& office = office_();

    quote::buildNumberedQuotation(office, dataFile(kTemplate), [&](sheet::Workbook& quotation) {
        MezzanineRun run(quotation.activeSheet(), std::move(priceList));
        buildCostSheet(run, request, orders, office);
        flags = run.flags;
        quote::finishRun(quotation, handOver_, kConsumedFiles);
    });
}

} // namespace zuvo::mezzanine
