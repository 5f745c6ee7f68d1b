// Restarts itself as the programs do, then prints what the restarted process sees: the variable in the
// environment it was started with, the variable as it runs, and its arguments.
#include "platform/core/HeapPages.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

int main(int argc, char** argv) {
    HeapPages::restartOnHugePages(argv);
    std::ifstream environ("/proc/self/environ");
    const std::string start{std::istreambuf_iterator<char>(environ), std::istreambuf_iterator<char>()};
    const std::string prefix = std::string(HeapPages::kTunables) + "=";
    std::string atStart = "none";
    for (size_t at = 0; at < start.size(); at = start.find('\0', at) + 1) {
        if (start.compare(at, prefix.size(), prefix) == 0)
            atStart = start.substr(at + prefix.size(), start.find('\0', at) - at - prefix.size());
        if (start.find('\0', at) == std::string::npos)
            break;
    }
    const char* now = std::getenv(prefix.substr(0, prefix.size() - 1).c_str());
    std::printf("start=%s now=%s args=", atStart.c_str(), now ? now : "none");
    for (int i = 1; i < argc; ++i)
        std::printf("%s%s", i > 1 ? "|" : "", argv[i]);
    std::printf("\n");
    return 0;
}
