#include "cli/program_fault.h"

#include <exception>
#include <new>

#include "cli/command_options.h"
#include "platform/filled_text.h"
#include "platform/shown_text.h"
#include "platform/translation.h"

namespace tintara {

int RunCatchingFaults(std::string_view doing, const std::function<int()>& run,
                      std::ostream& errors) {
  const auto fault = [&](std::string_view what) {
    errors << "tintara: "
           << Filled(Tr("a fault of this program stopped it while %s%s; please report it"),
                     {doing, what})
           << '\n';
    return kProgramFault;
  };
  try {
    return run();
  } catch (const std::bad_alloc&) {
    errors << "tintara: " << Filled(Tr("ran out of memory while %s"), {doing}) << '\n';
    return kProgramFault;
  } catch (const std::exception& error) {
    return fault(": " + ShownText(error.what()));
  } catch (...) {
    return fault("");
  }
}

}  // namespace tintara
