#include "racking/tavrelo_builder.h"
#include "programs/desktop_office.h"

int main(int argc, char** argv)
{
    return zuvo::programs::runOnTheDesktop<zuvo::racking::TavreloBuilder>(argc, argv, zuvo::window::Program::Tavrelo);
}
