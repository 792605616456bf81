#include "quote_sheet/numbered_quotation.h"

#include "quote_sheet/quote_number.h"

namespace zuvo::quote {

void buildNumberedQuotation(sheet::Office& office, const QString& templatePath,
                            const std::function<void(sheet::Workbook&)>& build)
{
    raiseRunningNumber(office, templatePath, {QStringLiteral("B2")});
    sheet::Workbook quotation = office.openCopyOf(templatePath);
    try {
        build(quotation);
    } catch (...) {
        try {
            quotation.close();
        } catch (...) {
            // The office may be gone; the first failure is the one to report.
        }
        throw;
    }
}

} // namespace zuvo::quote
