#include "quote_sheet/hand_over.h"

namespace zuvo::quote {

bool DesktopHandOver::handOver(sheet::Workbook& workbook)
{
    workbook.showWithSaveAsDialog();
    return true;
}

bool AnsweredHandOver::handOver(sheet::Workbook& workbook)
{
    if (!answer_)
        return false;
    workbook.saveAs(*answer_);
    return true;
}

} // namespace zuvo::quote
