#pragma once

#include "quote_sheet/office_source.h"

#include <memory>

namespace zuvo::programs {

// The user's office, started when a run first needs it and left running for the user.
class DesktopOffice {
public:
    sheet::Office& get()
    {
        if (!office_ || !office_->isAlive())
            office_ = sheet::Office::start(sheet::Office::Kind::Desktop);
        return *office_;
    }

    quote::OfficeSource source()
    {
        return [this]() -> sheet::Office& { return get(); };
    }

private:
    std::unique_ptr<sheet::Office> office_;
};

} // namespace zuvo::programs
