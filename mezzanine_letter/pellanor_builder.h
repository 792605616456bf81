#pragma once

#include "quote_run/quotation_run.h"

namespace zuvo::letter {

// Pellanor's quotation builder: the mezzanine quotation computed on a scratch quote sheet and
// delivered as the numbered covering letter.
class PellanorBuilder : public quote::QuotationBuilder {
public:
    using QuotationBuilder::QuotationBuilder;

    void build(const quote::QuoteRequest& request, db::Database& database) override;

};

} // namespace zuvo::letter
