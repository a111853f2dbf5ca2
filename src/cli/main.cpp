#include <iostream>

#ifdef _WIN32
#include <io.h>
#define XI_STDERR_IS_TERMINAL (_isatty(_fileno(stderr)) != 0)
#else
#include <unistd.h>
#define XI_STDERR_IS_TERMINAL (isatty(STDERR_FILENO) == 1)
#endif

#include "cli/CommandLine.h"
#include "jobs/StandardHandlers.h"

int main(int argc, char** argv) {
  return xi::RunCommandLine(argc, argv, std::cout, std::cerr, xi::StandardHandlers(), XI_STDERR_IS_TERMINAL);
}
