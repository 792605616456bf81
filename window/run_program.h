#pragma once

#include "quote_run/quote_request.h"
#include "window/program.h"

#include <memory>

namespace zuvo::window {

// Runs one program: its window over the customer register, handing over to its builder.
// Returns the exit code; 1 when the database cannot be used at start (the user is told why).
int runQuoteProgram(int argc, char** argv, Program program, std::unique_ptr<quote::QuoteBuilder> builder);

} // namespace zuvo::window
