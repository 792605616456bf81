#pragma once

#include "quote_sheet/hand_over.h"
#include "quote_sheet/office_source.h"
#include "window/quote_builder.h"

namespace zuvo::racking {

// Tavrelo's quotation builder: the racking quote over the families whose files are present.
class TavreloBuilder : public window::QuoteBuilder {
public:
    TavreloBuilder(quote::OfficeSource office, quote::HandOver& handOver);

    void GeneraPreventivo(const window::QuoteRequest& request, db::Database& conn,
                          window::GroupFlags& flags) override;

private:
    quote::OfficeSource office_;
    quote::HandOver& handOver_;
};

} // namespace zuvo::racking
