// `tintara`: runs the command-line commands itself, without loading a window library, and hands
// the window to the window program beside it.
#include <malloc.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstring>
#include <iostream>
#include <string>
#include <variant>
#include <vector>

#include "cli/command_line.h"
#include "cli/command_options.h"
#include "cli/program_fault.h"
#include "platform/filled_text.h"
#include "platform/interrupt_cleanup.h"
#include "platform/this_program.h"
#include "platform/translation.h"

namespace {

// Replaces this process by the window program, which is told this program's path as its name,
// so that its settings are named after it as a user knows it.
int StartWindow(const tintara::WindowStart& start) {
  const std::string self = tintara::ThisProgram();
  const std::string window =
      self.empty() ? std::string() : tintara::FolderOf(self) + "tintara-window";
  std::vector<char*> argv{const_cast<char*>(self.c_str())};
  for (const std::string& argument : start.arguments) {
    argv.push_back(const_cast<char*>(argument.c_str()));
  }
  argv.push_back(nullptr);
  if (!window.empty()) execv(window.c_str(), argv.data());
  const std::string why =
      window.empty() ? tintara::Tr("this program's folder is unknown") : std::strerror(errno);
  std::cerr << "tintara: "
            << tintara::Filled(tintara::Tr("cannot start the window program %s: %s"), {window, why})
            << '\n';
  return tintara::kSomethingBad;
}

}  // namespace

int main(int argc, char* argv[]) {
  tintara::StartTranslations(tintara::FolderOf(tintara::ThisProgram()));
  // A batch makes and drops pictures and files of the same sizes over and over: memory kept for
  // the next painting is not handed back to the system and faulted in again each time.
  constexpr int kKeptBytes = 256 << 20;
  mallopt(M_TRIM_THRESHOLD, kKeptBytes);
  mallopt(M_MMAP_THRESHOLD, kKeptBytes);
  mallopt(M_TOP_PAD, 16 << 20);
  // A named temporary file is not left behind by Ctrl+C or a kill.
  tintara::RemoveTemporaryFilesOnInterrupt();
  // The pages' time stamps are worded as the user's locale words dates and times.
  std::setlocale(LC_TIME, "");
  const std::vector<std::string> arguments(argv, argv + argc);
  return tintara::RunCatchingFaults(
      tintara::CommandLineActivity(arguments),
      [&] {
        const std::variant<int, tintara::WindowStart> ran =
            tintara::RunCommandLine(arguments, std::cout, std::cerr);
        if (const int* status = std::get_if<int>(&ran)) return *status;
        return StartWindow(std::get<tintara::WindowStart>(ran));
      },
      std::cerr);
}
