#pragma once

#include "spreadsheet/workbook.h"

#include <QString>
#include <optional>

namespace zuvo::quote {

// How the finished quotation reaches the user: Calc's Save As dialog and its window. Once
// handOver returns the quotation is the user's, saved or not, and the run consumes its files.
class HandOver {
public:
    virtual ~HandOver() = default;
    virtual void handOver(sheet::Workbook& workbook) = 0;
};

// With a display: the quotation is shown in Calc's own window with its Save As dialog and
// stays open for the user, whatever the dialog's answer.
class DesktopHandOver : public HandOver {
public:
    void handOver(sheet::Workbook& workbook) override;
};

// Without a display: the dialog's answer is given beforehand, a path or a cancel. No one
// would ever see the quotation in the office, so it is closed then, saved or not.
class AnsweredHandOver : public HandOver {
public:
    explicit AnsweredHandOver(std::optional<QString> answer) : answer_(std::move(answer)) {}
    void handOver(sheet::Workbook& workbook) override;

private:
    std::optional<QString> answer_;
};

} // namespace zuvo::quote
