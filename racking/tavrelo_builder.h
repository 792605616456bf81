#pragma once

#include "quote_run/quotation_run.h"

namespace zuvo::racking {

// Tavrelo's quotation builder: the racking quote over the families whose files are present.
class TavreloBuilder : public quote::QuotationBuilder {
public:
    using QuotationBuilder::QuotationBuilder;

    void build(const quote::QuoteRequest& request, db::Database& database) override;

};

} // namespace zuvo::racking
