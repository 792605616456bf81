#include "mezzanine_letter/pellanor_builder.h"
#include "programs/desktop_office.h"

int main(int argc, char** argv)
{
    return zuvo::programs::runOnTheDesktop<zuvo::letter::PellanorBuilder>(argc, argv, zuvo::window::Program::Pellanor);
}
