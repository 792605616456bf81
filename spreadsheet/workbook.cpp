#include "spreadsheet/workbook.h"

#include "spreadsheet/impl.h"

#include <QDir>
#include <QFileInfo>
#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/lang/XMultiServiceFactory.hpp>
#include <com/sun/star/sheet/AddressConvention.hpp>
#include <com/sun/star/sheet/FormulaLanguage.hpp>
#include <com/sun/star/sheet/FormulaMapGroup.hpp>
#include <com/sun/star/sheet/XFormulaOpCodeMapper.hpp>
#include <com/sun/star/sheet/XSpreadsheetDocument.hpp>
#include <com/sun/star/sheet/XSpreadsheetView.hpp>
#include <com/sun/star/sheet/XSpreadsheets2.hpp>
#include <com/sun/star/util/XCloseable.hpp>

namespace zuvo::sheet {
namespace {

using css::uno::Sequence;

Reference<css::sheet::XSpreadsheets2> sheetsOf(const Reference<css::lang::XComponent>& document)
{
    Reference<css::sheet::XSpreadsheetDocument> spreadsheet(document, UNO_QUERY_THROW);
    return Reference<css::sheet::XSpreadsheets2>(spreadsheet->getSheets(), UNO_QUERY_THROW);
}

Reference<css::sheet::XSpreadsheetView> viewOf(const Reference<css::lang::XComponent>& document)
{
    Reference<css::frame::XModel> model(document, UNO_QUERY_THROW);
    return Reference<css::sheet::XSpreadsheetView>(model->getCurrentController(), UNO_QUERY_THROW);
}

Reference<css::frame::XStorable> storableOf(const Reference<css::lang::XComponent>& document)
{
    return Reference<css::frame::XStorable>(document, UNO_QUERY_THROW);
}

Sequence<css::beans::PropertyValue> xlsxStoreArguments()
{
    Sequence<css::beans::PropertyValue> arguments(2);
    auto* argument = arguments.getArray();
    argument[0].Name = "FilterName";
    argument[0].Value <<= OUString("Calc MS Excel 2007 XML");
    argument[1].Name = "Overwrite";
    argument[1].Value <<= true;
    return arguments;
}

} // namespace

// Left to itself the parser reads the user's locale: in Italian "," is the decimal point and
// "=ROUND(RC1/3,2)" would divide by 3.2. Excel's English symbols make it read formulas as
// Excel does, whatever the locale.
Reference<css::sheet::XFormulaParser> Workbook::Impl::parser()
{
    if (!r1c1Parser.is()) {
        Reference<css::lang::XMultiServiceFactory> factory(document, UNO_QUERY_THROW);
        r1c1Parser.set(factory->createInstance("com.sun.star.sheet.FormulaParser"), UNO_QUERY_THROW);
        Reference<css::sheet::XFormulaOpCodeMapper> mapper(
            factory->createInstance("com.sun.star.sheet.FormulaOpCodeMapper"), UNO_QUERY_THROW);
        setProperty(r1c1Parser, "FormulaConvention", Any(css::sheet::AddressConvention::XL_R1C1));
        setProperty(r1c1Parser, "CompileEnglish", Any(true));
        setProperty(r1c1Parser, "OpCodeMap",
                    Any(mapper->getAvailableMappings(css::sheet::FormulaLanguage::XL_ENGLISH,
                                                     css::sheet::FormulaMapGroup::ALL_EXCEPT_SPECIAL)));
    }
    return r1c1Parser;
}

Workbook::Workbook(std::shared_ptr<Impl> impl) : impl_(std::move(impl)) {}

Sheet Workbook::activeSheet() const
{
    return guarded(*impl_->link, QStringLiteral("trovare il foglio attivo"), [&] {
        const auto active = viewOf(impl_->document)->getActiveSheet();
        return Sheet(std::make_shared<Sheet::Impl>(Sheet::Impl{impl_, active}));
    });
}

Sheet Workbook::sheet(const QString& name) const
{
    return guarded(*impl_->link, QStringLiteral("trovare il foglio \"%1\"").arg(name), [&] {
        auto sheets = sheetsOf(impl_->document);
        if (!sheets->hasByName(toOUString(name)))
            throw Failure(QStringLiteral("Il foglio \"%1\" non esiste nella cartella di lavoro.").arg(name));
        Reference<css::sheet::XSpreadsheet> found(sheets->getByName(toOUString(name)), UNO_QUERY_THROW);
        return Sheet(std::make_shared<Sheet::Impl>(Sheet::Impl{impl_, found}));
    });
}

QStringList Workbook::sheetNames() const
{
    return guarded(*impl_->link, QStringLiteral("elencare i fogli"), [&] {
        QStringList names;
        for (const OUString& name : sheetsOf(impl_->document)->getElementNames())
            names.append(toQString(name));
        return names;
    });
}

Sheet Workbook::importSheet(const Workbook& source, const QString& sourceSheet,
                            const QString& afterSheet, const QString& newName)
{
    return guarded(*impl_->link, QStringLiteral("copiare il foglio \"%1\"").arg(sourceSheet), [&] {
        if (!sheetsOf(source.impl_->document)->hasByName(toOUString(sourceSheet)))
            throw Failure(QStringLiteral("Il foglio \"%1\" non esiste nella cartella di origine.").arg(sourceSheet));
        const short afterIndex = sheet(afterSheet).impl_->index();
        Reference<css::sheet::XSpreadsheetDocument> sourceDocument(source.impl_->document, UNO_QUERY_THROW);
        auto sheets = sheetsOf(impl_->document);
        const sal_Int32 index = sheets->importSheet(sourceDocument, toOUString(sourceSheet),
                                                    afterIndex + 1);
        Reference<css::container::XIndexAccess> byIndex(sheets, UNO_QUERY_THROW);
        Reference<css::sheet::XSpreadsheet> imported(byIndex->getByIndex(index), UNO_QUERY_THROW);
        // The import leaves the copy on the default page style: it takes the source's page.
        Reference<css::sheet::XSpreadsheet> original(
            sheetsOf(source.impl_->document)->getByName(toOUString(sourceSheet)), UNO_QUERY_THROW);
        copyPageStyle(source.impl_->document, original, impl_->document, imported, newName);
        Sheet copy(std::make_shared<Sheet::Impl>(Sheet::Impl{impl_, imported}));
        copy.rename(newName);
        return copy;
    });
}

void Workbook::activate(const Sheet& sheet)
{
    guarded(*impl_->link, QStringLiteral("attivare il foglio"), [&] {
        viewOf(impl_->document)->setActiveSheet(sheet.impl_->sheet);
    });
}

void Workbook::save()
{
    guarded(*impl_->link, QStringLiteral("salvare la cartella di lavoro"), [&] {
        auto storable = storableOf(impl_->document);
        if (!storable->hasLocation())
            throw Failure(QStringLiteral("La cartella di lavoro non è ancora stata salvata in un file: usare Salva con nome."));
        storable->store();
    });
}

void Workbook::saveAs(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    guarded(*impl_->link, QStringLiteral("salvare il file \"%1\"").arg(path), [&] {
        if (!QFileInfo(absolute).absoluteDir().exists())
            throw Failure(QStringLiteral("La cartella di \"%1\" non esiste.").arg(path));
        storableOf(impl_->document)->storeAsURL(fileUrl(absolute), xlsxStoreArguments());
    });
}

QString Workbook::location() const
{
    const QString doing = QStringLiteral("leggere il percorso della cartella di lavoro");
    return guarded(*impl_->link, doing, [&] {
        auto storable = storableOf(impl_->document);
        return storable->hasLocation() ? localPath(storable->getLocation()) : QString();
    });
}

void Workbook::close()
{
    guarded(*impl_->link, QStringLiteral("chiudere la cartella di lavoro"), [&] {
        Reference<css::util::XCloseable>(impl_->document, UNO_QUERY_THROW)->close(true);
    });
    impl_->link->documents().gone(impl_->id);
    impl_->document.clear();
    impl_->r1c1Parser.clear();
}

void Workbook::closeAfterFailure() noexcept
{
    try {
        close();
    } catch (...) {
        impl_->document.clear();
        impl_->r1c1Parser.clear();
    }
}

} // namespace zuvo::sheet
