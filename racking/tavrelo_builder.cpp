#include "racking/tavrelo_builder.h"

#include "common/data_folder.h"
#include "database/database.h"
#include "quote_sheet/customer_header.h"
#include "quote_sheet/numbered_quotation.h"
#include "quote_sheet/preflight.h"
#include "quote_sheet/run_finish.h"
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

const QString kTemplate = QStringLiteral("SchedaScaff.xlsx");
const QString kGeneralConditions = QStringLiteral("Condizioni.xlsx");

quote::Customer customerOf(const window::QuoteRequest& request)
{
    return {request.cliNome, request.cliIndirizzo, request.cliCap, request.cliLocalita};
}

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
void buildQuotation(RackingRun& run, sheet::Office& office, const window::QuoteRequest& request,
                    const FamilyOrders& orders)
{
    quote::writeCustomerHeader(run.sheet, 3, customerOf(request));
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

TavreloBuilder::TavreloBuilder(quote::OfficeSource office, quote::HandOver& handOver)
    : office_(std::move(office)), handOver_(handOver)
{
}

void TavreloBuilder::GeneraPreventivo(const window::QuoteRequest& request, db::Database& conn,
                                      window::GroupFlags&)
{
    quote::requireDataFiles({kTemplate, kGeneralConditions});
    const FamilyOrders orders = readFamilyFiles();
    const std::optional<SeismicData> seismic = readSeismicData();
    db::PriceList priceList = conn.priceList(db::PriceTable::ListinoScaff);
    sheet::Office& office = office_();

    quote::buildNumberedQuotation(office, dataFile(kTemplate), [&](sheet::Workbook& quotation) {
        RackingRun run(quotation.activeSheet(), std::move(priceList), request.sconto);
        buildQuotation(run, office, request, orders);
        QStringList consumed = consumedFiles();
        if (seismic) {
            addSeismicSheet(office, quotation, run.sheet, *seismic);
            consumed << kSeismicDataFile;
        }
        quote::finishRun(quotation, handOver_, consumed);
    });
}

} // namespace zuvo::racking
