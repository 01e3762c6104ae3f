#include "cli/program_fault.h"

#include <exception>
#include <new>

#include "cli/command_options.h"
#include "platform/shown_text.h"

namespace tintara {

int RunCatchingFaults(std::string_view doing, const std::function<int()>& run,
                      std::ostream& errors) {
  const auto fault = [&](std::string_view what) {
    errors << "tintara: a fault of this program stopped it while " << doing << what
           << "; please report it\n";
    return kProgramFault;
  };
  try {
    return run();
  } catch (const std::bad_alloc&) {
    errors << "tintara: ran out of memory while " << doing << '\n';
    return kProgramFault;
  } catch (const std::exception& error) {
    return fault(": " + ShownText(error.what()));
  } catch (...) {
    return fault("");
  }
}

}  // namespace tintara
