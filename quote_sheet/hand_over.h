#pragma once

#include "spreadsheet/workbook.h"

#include <QString>
#include <optional>

namespace zuvo::quote {

// How the finished quotation reaches the user: Calc's Save As dialog and its window.
class HandOver {
public:
    virtual ~HandOver() = default;
    // Offers the workbook for saving; true when it is now in the user's hands (so the
    // consumed input files may go).
    virtual bool handOver(sheet::Workbook& workbook) = 0;
};

// With a display: the quotation is shown in Calc's own window with its Save As dialog and
// stays open for the user, whatever the dialog's answer.
class DesktopHandOver : public HandOver {
public:
    bool handOver(sheet::Workbook& workbook) override;
};

// Without a display: the dialog's answer is given beforehand, a path or a cancel. A
// cancelled dialog leaves nothing with the user.
class AnsweredHandOver : public HandOver {
public:
    explicit AnsweredHandOver(std::optional<QString> answer) : answer_(std::move(answer)) {}
    bool handOver(sheet::Workbook& workbook) override;

private:
    std::optional<QString> answer_;
};

} // namespace zuvo::quote
