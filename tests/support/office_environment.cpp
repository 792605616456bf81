#include "tests/support/office_environment.h"

#include <gtest/gtest.h>

namespace zuvo::test {
namespace {

std::unique_ptr<zuvo::sheet::Office> sharedOffice;

// Ends the shared office after the last test, so that no office outlives the test binary.
class OfficeEnvironment : public ::testing::Environment {
public:
    void TearDown() override { sharedOffice.reset(); }
};

[[maybe_unused]] const auto* const registered = ::testing::AddGlobalTestEnvironment(new OfficeEnvironment);

} // namespace

zuvo::sheet::Office& office()
{
    if (!sharedOffice)
        sharedOffice = zuvo::sheet::Office::start(zuvo::sheet::Office::Kind::Isolated);
    return *sharedOffice;
}

} // namespace zuvo::test
