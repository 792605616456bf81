#pragma once

// Private to spreadsheet/: what an Office holds.

#include "spreadsheet/leftover_cleaner.h"
#include "spreadsheet/office.h"
#include "spreadsheet/office_link.h"
#include "spreadsheet/office_pipes.h"
#include "spreadsheet/office_process.h"
#include "spreadsheet/uno_bridge.h"

#include <QTemporaryDir>
#include <com/sun/star/frame/XDesktop2.hpp>
#include <memory>

namespace zuvo::sheet {

struct Office::Impl {
    Kind kind = Kind::Isolated;
    QString pipe;
    std::unique_ptr<QTemporaryDir> profile;
    // Declared before the process: removed only once the process has ended.
    std::unique_ptr<OfficePipes> pipes;
    std::unique_ptr<OfficeProcess> process;
    // Shared with the link's give-up call, which may come on the watchdog's thread.
    std::shared_ptr<LeftoverCleaner> cleaner;
    // The only holder of the office's objects: an office we give up on must leave us none,
    // or a later connection to it would reach them through the bridge given up.
    std::shared_ptr<OfficeLink> link;

    ~Impl();
    // Connects, reaches the desktop and switches off the office's questions.
    void connect();
    Workbook load(const OUString& url, bool asTemplate, const QString& doing);
    // The office's desktop, its documents' owner; inside guarded work.
    Reference<css::frame::XDesktop2> desktop() const;
};

} // namespace zuvo::sheet
