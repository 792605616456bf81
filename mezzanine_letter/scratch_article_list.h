#pragma once

#include "mezzanine_letter/scratch_run.h"

namespace zuvo::letter {

// The customer in G3 to G5 (the template's running number is left alone), then the article
// list read from the order lines with the code rules of the letter: "AREATOT" is an ordinary
// article and stairs cost the same in seismic mode. The list is sorted by code on the sheet.
void buildScratchArticleList(ScratchRun& run, const QList<quote::OrderLine>& orders);

} // namespace zuvo::letter
