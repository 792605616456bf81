#include "quote_run/hand_over.h"

namespace zuvo::quote {

void DesktopHandOver::handOver(sheet::Workbook& workbook)
{
    workbook.showWithSaveAsDialog();
}

void AnsweredHandOver::handOver(sheet::Workbook& workbook)
{
    if (answer_)
        workbook.saveAs(*answer_);
    workbook.close();
}

} // namespace zuvo::quote
