#include "mezzanine_costs/mordisk_builder.h"

#include "common/data_files.h"
#include "common/data_folder.h"
#include "database/database.h"
#include "mezzanine_costs/accessory_groups.h"
#include "mezzanine_costs/conditions_block.h"
#include "mezzanine_costs/document_total.h"
#include "mezzanine_costs/fee_row.h"
#include "mezzanine_costs/mezzanine_totals.h"
#include "mezzanine_costs/page_layout.h"
#include "mezzanine_rules/article_reader.h"
#include "quote_run/quotation_run.h"
#include "quote_sheet/customer_header.h"
#include "quote_sheet/pricing.h"

namespace zuvo::mezzanine {

namespace {

// Everything after the quote number: the cost sheet itself.
void buildCostSheet(MezzanineRun& run, const quote::QuoteRequest& request,
                    const QList<quote::OrderLine>& orders, sheet::Office& office)
{
    quote::writeCustomerHeader(run.sheet, 3, request.customer);
    readArticles(run, run.priceList, orders, kMordiskRules);
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

void MordiskBuilder::build(const quote::QuoteRequest& request, db::Database& database)
{
    QList<quote::OrderLine> orders;
    db::PriceList priceList;
    quote::QuotationSteps steps;
    steps.templateFile = files::kQuoteTemplate;
    steps.numberCells = {QStringLiteral("B2")};
    steps.inputs = {files::kGeneralConditions, files::kMezzanineOrders};
    steps.readInputs = [&] {
        quote::ConsumedFiles& consumed = steps.consumedFiles;
        consumed.addUnread(files::kMezzanineCodes);
        orders = consumed.addRead(quote::readOrderFile(dataFile(files::kMezzanineOrders)));
        priceList = database.priceList(db::PriceTable::Listino);
        quote::requireUsableRecords(priceList, orders);
    };
    steps.fill = [&](sheet::Workbook& quotation, sheet::Office& office) {
        MezzanineRun run(quotation.activeSheet(), std::move(priceList));
        buildCostSheet(run, request, orders, office);
        groups_ = run.flags;
    };
    run(steps);
}

} // namespace zuvo::mezzanine
