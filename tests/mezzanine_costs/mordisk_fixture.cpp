#include "tests/mezzanine_costs/mordisk_fixture.h"

#include "mezzanine_costs/mordisk_builder.h"
#include "tests/support/office_environment.h"

namespace zuvo::test {

void MordiskRun::writeOrders(const QStringList& lines)
{
    writeOrderFile(QStringLiteral("codord.txt"), lines);
}

void MordiskRun::setTemplateNumber(std::optional<double> number)
{
    sheet::Workbook workbook = office().open(folder.file(QStringLiteral("SchedaScaff.xlsx")));
    workbook.activeSheet().write(QStringLiteral("B2"), number ? sheet::CellInput::of(*number)
                                                              : sheet::CellInput::nothing());
    workbook.save();
    workbook.close();
}

void MordiskRun::run(const window::QuoteRequest& request, bool cancelSaveAs)
{
    const auto answer = handOver(cancelSaveAs);
    mezzanine::MordiskBuilder builder(testOffice(), *answer);
    generate(builder, request);
}

QString MordiskRun::runExpectingFailure(const window::QuoteRequest& request)
{
    return failureOf([&] { run(request); });
}

window::QuoteRequest MordiskRun::request(const QString& sconto)
{
    window::QuoteRequest request;
    request.cliNome = QStringLiteral("ROSSI SCAFFALATURE S.R.L.");
    request.cliIndirizzo = QStringLiteral("VIA ROMA 12");
    request.cliCap = QStringLiteral("20100");
    request.cliLocalita = QStringLiteral("MILANO");
    request.cliProv = QStringLiteral("MI");
    request.sconto = sconto;
    request.trasporto = QStringLiteral(" ");
    return request;
}

} // namespace zuvo::test
