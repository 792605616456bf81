#pragma once

#include "quote_sheet/hand_over.h"
#include "quote_sheet/office_source.h"
#include "quote_sheet/quote_request.h"

namespace zuvo::racking {

// Tavrelo's quotation builder: the racking quote over the families whose files are present.
class TavreloBuilder : public quote::QuoteBuilder {
public:
    TavreloBuilder(quote::OfficeSource office, quote::HandOver& handOver);

    void build(const quote::QuoteRequest& request, db::Database& database) override;

private:
    quote::OfficeSource office_;
    quote::HandOver& handOver_;
};

} // namespace zuvo::racking
