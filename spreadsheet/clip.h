#pragma once

#include <memory>

namespace zuvo::sheet {

// Cells copied from a sheet, independent of the workbook they came from.
class Clip {
public:
    struct Impl;
    explicit Clip(std::shared_ptr<Impl> impl);
    int rowCount() const;
    int columnCount() const;

private:
    friend class Sheet;
    std::shared_ptr<Impl> impl_;
};

} // namespace zuvo::sheet
