#pragma once

#include "spreadsheet/sheet.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace zuvo::sheet {

// An open workbook. A cheap handle: copies refer to the same document.
class Workbook {
public:
    struct Impl;
    explicit Workbook(std::shared_ptr<Impl> impl);

    Sheet activeSheet() const;
    // Throws zuvo::Failure when there is no sheet of that name.
    Sheet sheet(const QString& name) const;
    // The names of the sheets in their order.
    QStringList sheetNames() const;
    // Copies a sheet of another workbook, with its styles, after the sheet named
    // `afterSheet` of this one and names the copy `newName`.
    Sheet importSheet(const Workbook& source, const QString& sourceSheet,
                      const QString& afterSheet, const QString& newName);
    // Makes the sheet the one the workbook shows.
    void activate(const Sheet& sheet);

    // Saves to the file it was opened from (throws for an untitled workbook).
    void save();
    // Saves as an .xlsx file at `path`; the workbook then belongs to that file.
    void saveAs(const QString& path);
    // The file the workbook is stored in, empty while untitled.
    QString location() const;
    // Closes without saving. The handle must not be used afterwards.
    void close();
    // Closes while another failure is on its way to the user: a failing close (the office
    // may be gone) is not reported, so it never hides the first failure.
    void closeAfterFailure() noexcept;

    // The hand-over to the user, for an office started with a window: shows the workbook in
    // Calc's own window with its Save As dialog and leaves it open. Returns the path the
    // user saved to, or nothing when the dialog was cancelled. The wait is bounded until the
    // dialog is up (OfficeNotAnswering), then lasts as long as the user keeps it open.
    std::optional<QString> showWithSaveAsDialog();

private:
    std::shared_ptr<Impl> impl_;
};

} // namespace zuvo::sheet
