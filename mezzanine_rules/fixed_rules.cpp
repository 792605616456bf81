#include "mezzanine_rules/fixed_rules.h"

#include "mezzanine_rules/accessory_rows.h"

#include <cmath>

namespace zuvo::mezzanine {

namespace {

// How an area article adds its second accessory.
enum class SecondAccessory { None, Merge, Append };

struct AreaArticle {
    const char* code;
    SecondAccessory second;
};

constexpr AreaArticle kAreaArticles[] = {
    {"F0284054", SecondAccessory::Merge},  {"F0290045", SecondAccessory::Merge},
    {"F0284060", SecondAccessory::None},   {"F0290121", SecondAccessory::None},
    {"F0290125", SecondAccessory::None},   {"GR9012B", SecondAccessory::Append},
    {"GR9015B", SecondAccessory::Append},  {"GR9020B", SecondAccessory::Append},
};

const AreaArticle* areaArticleOf(const QString& code)
{
    for (const AreaArticle& article : kAreaArticles) {
        if (code == QLatin1String(article.code))
            return &article;
    }
    return nullptr;
}

// The railing is counted five times over, each piece a third of the ordered length.
void applyRailing(LineState& state)
{
    quote::QuoteRow& own = state.list.last();
    own.quantity = state.line.quantita * 5;
    own.measure = state.line.misura / 3;
    own.numericMeasure = true;
    if (state.article.found) {
        mergeAccessory(state.list, state.priceList, state.article.cacc[1],
                       state.line.quantita * state.article.nAcc[1] * 5);
    }
}

// The accessories follow the area alone, whole pieces only, whatever the quantity.
void applyAreaArticle(LineState& state, SecondAccessory second)
{
    const double area = state.line.misura;
    state.areaTot = area;
    const quote::Article& article = state.article;
    if (!article.found)
        return;
    mergeAccessory(state.list, state.priceList, article.cacc[1], std::floor(article.nAcc[1] * area));
    const double secondQuantity = std::floor(article.nAcc[2] * area);
    if (second == SecondAccessory::Merge)
        mergeAccessory(state.list, state.priceList, article.cacc[2], secondQuantity);
    else if (second == SecondAccessory::Append)
        appendAccessory(state.list, state.priceList, article.cacc[2], secondQuantity);
}

} // namespace

bool applyFixedRule(LineState& state)
{
    if (state.line.codice == QLatin1String("F0281714")) {
        applyRailing(state);
        return true;
    }
    if (const AreaArticle* article = areaArticleOf(state.line.codice)) {
        applyAreaArticle(state, article->second);
        return true;
    }
    return false;
}

} // namespace zuvo::mezzanine
