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

void MordiskRun::run(const quote::QuoteRequest& request, bool cancelSaveAs)
{
    const auto answer = handOver(cancelSaveAs);
    mezzanine::MordiskBuilder builder(runOffice, *answer);
    generate(builder, request);
    flags = builder.groups();
}

QString MordiskRun::runExpectingFailure(const quote::QuoteRequest& request)
{
    return failureOf([&] { run(request); });
}

quote::QuoteRequest MordiskRun::request(const QString& sconto)
{
    quote::QuoteRequest request;
    request.customer = {QStringLiteral("ROSSI SCAFFALATURE S.R.L."), QStringLiteral("VIA ROMA 12"),
                        QStringLiteral("20100"), QStringLiteral("MILANO"), QStringLiteral("MI")};
    request.sconto = sconto;
    request.trasporto = QStringLiteral(" ");
    return request;
}

} // namespace zuvo::test
