#pragma once

#include "mezzanine_costs/mezzanine_run.h"
#include "quote_run/quotation_run.h"

namespace zuvo::mezzanine {

// Mordisk's quotation builder: the mezzanine cost sheet.
class MordiskBuilder : public quote::QuotationBuilder {
public:
    using QuotationBuilder::QuotationBuilder;

    void build(const quote::QuoteRequest& request, db::Database& database) override;

    // The accessory groups of the last quotation built.
    const GroupFlags& groups() const { return groups_; }

private:
    GroupFlags groups_;
};

} // namespace zuvo::mezzanine
