#pragma once

#include "common/failure.h"
#include "database/customer.h"

#include <QString>

namespace zuvo::db {
class Database;
}

namespace zuvo::quote {

// The customer a quotation is addressed to: a register record, or the fields as typed. An
// empty field of a customer picked from the register arrives as one blank.
using Customer = db::Customer;

// Everything a builder reads of the window, taken when the user asks for a quotation.
struct QuoteRequest {
    Customer customer;
    QString sconto;     // the discount box as typed
    QString trasporto;  // the transport box (mezzanine programs); "" for racking
    QString montaggio;  // the assembly box (mezzanine programs); "" for racking
};

// A failure after the quotation has reached the user: the run is over all the same, and the
// message says what the user must still see to.
class FailureAfterHandOver : public Failure {
public:
    using Failure::Failure;
};

// One program's quotation builder: the window hands it a request and knows nothing else of it.
class QuoteBuilder {
public:
    virtual ~QuoteBuilder() = default;

    // Builds and hands over one quotation. Throws zuvo::Failure with the user's message when
    // no quotation reached the user, FailureAfterHandOver when one did.
    virtual void build(const QuoteRequest& request, db::Database& database) = 0;
};

} // namespace zuvo::quote
