#pragma once

#include <string_view>

// Large documents are built from many small heap blocks; on transparent huge pages the kernel maps that
// memory 512 pages at a time. glibc asks for them only when the process starts with its tunable set.
namespace HeapPages {

constexpr std::string_view kTunables = "GLIBC_TUNABLES";
constexpr std::string_view kHugePages = "glibc.malloc.hugetlb=1";

// Whether a restart gains anything: the environment sets no tunables of its own (`tunables` null) and
// the kernel grants huge pages on request only (`thpSetting` as read from sysfs, "[madvise]" chosen).
bool restartHelps(const char* tunables, std::string_view thpSetting);

// Restarts the process in place (same pid and arguments) with the heap on huge pages when that helps;
// returns when it does not, or when the restart fails. In the restarted process the variable is removed
// again, so that the programs it starts begin as usual.
void restartOnHugePages(char** argv);

} // namespace HeapPages
