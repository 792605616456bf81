#pragma once

#include "quote_sheet/hand_over.h"
#include "quote_sheet/office_source.h"
#include "window/quote_builder.h"

namespace zuvo::mezzanine {

// Mordisk's quotation builder: the mezzanine cost sheet.
class MordiskBuilder : public window::QuoteBuilder {
public:
    MordiskBuilder(quote::OfficeSource office, quote::HandOver& handOver);

    void GeneraPreventivo(const window::QuoteRequest& request, db::Database& conn,
                          window::GroupFlags& flags) override;

private:
    quote::OfficeSource office_;
    quote::HandOver& handOver_;
};

} // namespace zuvo::mezzanine
