#pragma once

#include "spreadsheet/office.h"

namespace zuvo::test {

// The isolated office shared by all tests of one test binary. Register the environment in
// main (or link tests/support's gtest main) and call office() from any test.
zuvo::sheet::Office& office();

} // namespace zuvo::test
