#include "platform/core/HeapPages.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

namespace HeapPages {

bool restartHelps(const char* tunables, std::string_view thpSetting) {
    return tunables == nullptr && thpSetting.find("[madvise]") != std::string_view::npos;
}

void restartOnHugePages(char** argv) {
    const std::string name(kTunables);
    const std::string value(kHugePages);
    const char* tunables = std::getenv(name.c_str());
    if (tunables != nullptr) {
        if (tunables == value)
            unsetenv(name.c_str());
        return;
    }
    std::ifstream sysfs("/sys/kernel/mm/transparent_hugepage/enabled");
    const std::string setting{std::istreambuf_iterator<char>(sysfs), std::istreambuf_iterator<char>()};
    if (!restartHelps(tunables, setting) || setenv(name.c_str(), value.c_str(), 1) != 0)
        return;
    execv("/proc/self/exe", argv);
    unsetenv(name.c_str());
}

} // namespace HeapPages
