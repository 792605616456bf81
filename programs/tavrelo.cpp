#include "programs/desktop_office.h"
#include "quote_sheet/hand_over.h"
#include "racking/tavrelo_builder.h"
#include "window/run_program.h"

int main(int argc, char** argv)
{
    zuvo::programs::DesktopOffice office;
    zuvo::quote::DesktopHandOver handOver;
    auto builder = std::make_unique<zuvo::racking::TavreloBuilder>(office.source(), handOver);
    return zuvo::window::runQuoteProgram(argc, argv, zuvo::window::Program::Tavrelo,
                                         std::move(builder));
}
