#include "mezzanine_costs/mordisk_builder.h"
#include "programs/desktop_office.h"
#include "quote_sheet/hand_over.h"
#include "window/run_program.h"

int main(int argc, char** argv)
{
    zuvo::programs::DesktopOffice office;
    zuvo::quote::DesktopHandOver handOver;
    auto builder = std::make_unique<zuvo::mezzanine::MordiskBuilder>(office.source(), handOver);
    return zuvo::window::runQuoteProgram(argc, argv, zuvo::window::Program::Mordisk,
                                         std::move(builder));
}
