#include "mezzanine_letter/pellanor_builder.h"

#include "common/data_files.h"
#include "common/data_folder.h"
#include "database/database.h"
#include "mezzanine_letter/letter_fill.h"
#include "mezzanine_letter/letter_number.h"
#include "mezzanine_letter/scratch_quote_sheet.h"
#include "mezzanine_letter/technical_data.h"
#include "order_reading/article_lookup.h"
#include "quote_run/quotation_run.h"
#include "spreadsheet/untitled_copy.h"

namespace zuvo::letter {

namespace {

// The scratch quote sheet lives only in the office: an untitled copy of the quote template,
// never saved and always closed, so its values are all that survive of it.
LetterValues computeOnScratchSheet(sheet::Office& office, const db::PriceList& priceList,
                                   const QList<quote::OrderLine>& orders,
                                   const quote::QuoteRequest& request)
{
    const QString quoteTemplate = dataFile(files::kQuoteTemplate);
    return sheet::withUntitledCopy(office, quoteTemplate, [&](sheet::Workbook& scratch) {
        return fillScratchQuoteSheet(scratch.activeSheet(), priceList, orders, request);
    });
}

} // namespace

void PellanorBuilder::build(const quote::QuoteRequest& request, db::Database& database)
{
    QList<quote::OrderLine> orders;
    db::PriceList priceList;
    TechnicalData datiTecnici{};
    LetterValues values;
    quote::QuotationSteps steps;
    steps.templateFile = files::kLetterTemplate;
    steps.numberCells = kLetterNumberCells;
    steps.inputs = {files::kQuoteTemplate, files::kMezzanineOrders, files::kTechnicalData};
    steps.readInputs = [&] {
        quote::ConsumedFiles& consumed = steps.consumedFiles;
        consumed.addUnread(files::kMezzanineCodes);
        orders = consumed.addRead(quote::readOrderFile(dataFile(files::kMezzanineOrders)));
        datiTecnici = consumed.addRead(readTechnicalData(dataFile(files::kTechnicalData)));
        priceList = database.priceList(db::PriceTable::Listino);
        quote::requireUsableRecords(priceList, orders);
    };
    steps.beforeNumber = [&](sheet::Office& office) {
        values = computeOnScratchSheet(office, priceList, orders, request);
    };
    steps.fill = [&](sheet::Workbook& letter, sheet::Office&) {
        sheet::Sheet page = letter.activeSheet();
        fillLetter(page, request.customer, datiTecnici, values);
    };
    run(steps);
}

} // namespace zuvo::letter
