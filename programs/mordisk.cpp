#include "mezzanine_costs/mordisk_builder.h"
#include "programs/desktop_office.h"

int main(int argc, char** argv)
{
    return zuvo::programs::runOnTheDesktop<zuvo::mezzanine::MordiskBuilder>(argc, argv, zuvo::window::Program::Mordisk);
}
