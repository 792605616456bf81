#include "racking/tavrelo_builder.h"

#include "common/data_files.h"
#include "database/database.h"
#include "order_reading/article_lookup.h"
#include "quote_run/quotation_run.h"
#include "quote_sheet/customer_header.h"
#include "racking/family_closing.h"
#include "racking/family_files.h"
#include "racking/family_pricing.h"
#include "racking/family_reader.h"
#include "racking/racking_conditions.h"
#include "racking/roof_split.h"
#include "racking/seismic_sheet.h"
#include "racking/zinc_surcharge.h"

namespace zuvo::racking {

namespace {

void setFamilyFlags(RackingRun& run, const FamilyOrders& orders)
{
    for (Family family : kFamilyOrder) {
        run.present[indexOf(family)] = orders[indexOf(family)].has_value();
        run.numFamiglie += run.present[indexOf(family)] ? 1 : 0;
    }
    run.famiglieDaChiudere = run.numFamiglie;
}

// One family's section: its list, its pricing pass and sort, its closing.
void quoteFamily(RackingRun& run, Family family, const QList<quote::OrderLine>& orders)
{
    QList<quote::QuoteRow> rows = readFamilyList(run, family, orders);
    if (family == Family::Cantilever)
        addZincSurcharge(run.cantilever, rows);
    const QList<PricedRow> priced = priceFamilyList(family, rows, run.sconto, run.valoreF0801);
    if (family == Family::Cantilever && !run.hasOtherFamilies(family))
        closeCantileverAlone(run, priced);
    else
        writeAndCloseFamily(run, family, priced);
}

// Everything after the quote number, up to the hand-over.
void buildQuotation(RackingRun& run, sheet::Office& office, const quote::QuoteRequest& request,
                    const FamilyOrders& orders)
{
    quote::writeCustomerHeader(run.sheet, 3, request.customer);
    setFamilyFlags(run, orders);
    for (Family family : kFamilyOrder) {
        if (const auto& lines = orders[indexOf(family)])
            quoteFamily(run, family, *lines);
    }
    writeDocumentTotalOverFamilies(run);
    writeConditionsBlock(run);
    addGeneralConditionsPage(run, office);
}

} // namespace

void TavreloBuilder::build(const quote::QuoteRequest& request, db::Database& database)
{
    FamilyOrders orders;
    std::optional<SeismicData> seismic;
    db::PriceList priceList;
    quote::QuotationSteps steps;
    steps.templateFile = files::kQuoteTemplate;
    steps.numberCells = {QStringLiteral("B2")};
    steps.inputs = {files::kGeneralConditions};
    steps.readInputs = [&] {
        orders = readFamilyFiles(steps.consumedFiles);
        if (auto file = readSeismicData())
            seismic = steps.consumedFiles.addRead(std::move(*file));
        priceList = database.priceList(db::PriceTable::ListinoScaff);
        for (const auto& lines : orders) {
            if (lines)
                quote::requireUsableRecords(priceList, *lines);
        }
    };
    steps.beforeNumber = [&](sheet::Office& office) {
        if (seismic)
            checkSeismicTemplate(office, *seismic);
    };
    steps.fill = [&](sheet::Workbook& quotation, sheet::Office& office) {
        RackingRun run(quotation.activeSheet(), std::move(priceList), request.sconto);
        buildQuotation(run, office, request, orders);
        if (seismic)
            addSeismicSheet(office, quotation, run.sheet, *seismic);
    };
    run(steps);
}

} // namespace zuvo::racking
