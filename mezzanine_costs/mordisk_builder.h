#pragma once

#include "mezzanine_costs/mezzanine_run.h"
#include "quote_sheet/hand_over.h"
#include "quote_sheet/office_source.h"
#include "quote_sheet/quote_request.h"

namespace zuvo::mezzanine {

// Mordisk's quotation builder: the mezzanine cost sheet.
class MordiskBuilder : public quote::QuoteBuilder {
public:
    MordiskBuilder(quote::OfficeSource office, quote::HandOver& handOver);

    void build(const quote::QuoteRequest& request, db::Database& database) override;

    // The accessory groups of the last quotation built.
    const GroupFlags& groups() const { return groups_; }

private:
    quote::OfficeSource office_;
    quote::HandOver& handOver_;
    GroupFlags groups_;
};

} // namespace zuvo::mezzanine
