#include "spreadsheet/sheet.h"

#include "spreadsheet/impl.h"

#include <com/sun/star/beans/PropertyAttribute.hpp>
#include <com/sun/star/beans/XPropertySetInfo.hpp>
#include <com/sun/star/container/XNameContainer.hpp>
#include <com/sun/star/lang/XMultiServiceFactory.hpp>
#include <com/sun/star/style/XStyleFamiliesSupplier.hpp>

namespace zuvo::sheet {
namespace {

using css::beans::XPropertySet;
using css::container::XNameContainer;

Reference<XNameContainer> pageStylesOf(const Reference<css::lang::XComponent>& document)
{
    Reference<css::style::XStyleFamiliesSupplier> supplier(document, UNO_QUERY_THROW);
    return Reference<XNameContainer>(supplier->getStyleFamilies()->getByName("PageStyles"),
                                     UNO_QUERY_THROW);
}

Reference<XPropertySet> pageStyleOf(const Reference<css::lang::XComponent>& document,
                                    const Reference<css::sheet::XSpreadsheet>& sheet)
{
    return Reference<XPropertySet>(
        pageStylesOf(document)->getByName(property<OUString>(sheet, "PageStyle")), UNO_QUERY_THROW);
}

OUString unusedName(const Reference<XNameContainer>& styles, const OUString& wanted)
{
    OUString name = wanted;
    for (int i = 2; styles->hasByName(name); ++i)
        name = wanted + OUString::number(i);
    return name;
}

} // namespace

void copyPageStyle(const Reference<css::lang::XComponent>& sourceDocument,
                   const Reference<css::sheet::XSpreadsheet>& sourceSheet,
                   const Reference<css::lang::XComponent>& targetDocument,
                   const Reference<css::sheet::XSpreadsheet>& targetSheet, const QString& styleName)
{
    const Reference<XPropertySet> source = pageStyleOf(sourceDocument, sourceSheet);
    Reference<css::lang::XMultiServiceFactory> factory(targetDocument, UNO_QUERY_THROW);
    Reference<XPropertySet> style(factory->createInstance("com.sun.star.style.PageStyle"),
                                  UNO_QUERY_THROW);
    const auto targetStyles = pageStylesOf(targetDocument);
    const OUString name = unusedName(targetStyles, toOUString(styleName));
    targetStyles->insertByName(name, Any(style));
    for (const css::beans::Property& each : source->getPropertySetInfo()->getProperties()) {
        if (each.Attributes & css::beans::PropertyAttribute::READONLY)
            continue;
        style->setPropertyValue(each.Name, source->getPropertyValue(each.Name));
    }
    setProperty(targetSheet, "PageStyle", Any(name));
}

double Sheet::leftMargin() const
{
    return guarded(impl_->link(), QStringLiteral("leggere il margine sinistro della pagina"), [&] {
        // The style holds hundredths of a millimetre.
        const auto style = pageStyleOf(impl_->book->document, impl_->sheet);
        return property<sal_Int32>(style, "LeftMargin") / 1000.0;
    });
}

} // namespace zuvo::sheet
