#include "cli/program_fault.h"

#include <gtest/gtest.h>

#include <new>
#include <sstream>
#include <stdexcept>

#include "cli/command_options.h"

namespace tintara {
namespace {

TEST(ProgramFault, AnExceptionIsToldAsTheProgramsFaultWithWhatItWasDoing) {
  std::ostringstream errors;
  EXPECT_EQ(RunCatchingFaults(
                "running 'tintara sheet'",
                []() -> int { throw std::out_of_range("vector::_M_range_check"); }, errors),
            kProgramFault);
  EXPECT_EQ(errors.str(),
            "tintara: a fault of this program stopped it while running 'tintara sheet': "
            "vector::_M_range_check; please report it\n");
  errors.str({});
  EXPECT_EQ(RunCatchingFaults(
                "running 'tintara paint'", []() -> int { throw std::bad_alloc(); }, errors),
            kProgramFault);
  EXPECT_EQ(errors.str(), "tintara: ran out of memory while running 'tintara paint'\n");
}

}  // namespace
}  // namespace tintara
