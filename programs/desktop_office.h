#pragma once

#include "quote_run/hand_over.h"
#include "quote_run/office_source.h"
#include "window/run_program.h"

#include <memory>
#include <vector>

namespace zuvo::programs {

// The user's office, started when a run first needs it and left running for the user.
class DesktopOffice {
public:
    sheet::Office& get()
    {
        if (office_ && !office_->isAlive())
            givenUp_.push_back(std::move(office_));
        if (!office_)
            office_ = sheet::Office::start(sheet::Office::Kind::Desktop);
        return *office_;
    }

    quote::OfficeSource source()
    {
        return [this]() -> sheet::Office& { return get(); };
    }

private:
    std::unique_ptr<sheet::Office> office_;
    // Offices that died or stopped answering: kept while the program runs, so that what a
    // run left in one is closed once it answers again.
    std::vector<std::unique_ptr<sheet::Office>> givenUp_;
};

// Runs one program: its window, handing over to `Builder` in the user's office, which shows
// the quotation with its Save As dialog.
template <typename Builder>
int runOnTheDesktop(int argc, char** argv, window::Program program)
{
    DesktopOffice office;
    quote::DesktopHandOver handOver;
    return window::runQuoteProgram(argc, argv, program,
                                   std::make_unique<Builder>(office.source(), handOver));
}

} // namespace zuvo::programs
