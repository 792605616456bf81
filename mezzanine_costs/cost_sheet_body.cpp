#include "mezzanine_costs/cost_sheet_body.h"

namespace zuvo::mezzanine {

BodyLine BodyLine::articleRow(const quote::QuoteRow& row)
{
    BodyLine line;
    line.kind = Kind::Article;
    line.article = row;
    return line;
}

BodyLine BodyLine::total(const QString& label, const AmountSum& sum)
{
    BodyLine line;
    line.kind = Kind::Total;
    line.label = label;
    line.sum = sum;
    return line;
}

BodyLine BodyLine::feeRow(const QString& label, double fee)
{
    BodyLine line;
    line.kind = Kind::Fee;
    line.label = label;
    line.fee = fee;
    return line;
}

BodyLine BodyLine::note(const QString& text)
{
    BodyLine line;
    line.kind = Kind::Note;
    line.label = text;
    return line;
}

int CostSheetBody::append(const BodyLine& line)
{
    lines.append(line);
    return endRow() - 1;
}

} // namespace zuvo::mezzanine
