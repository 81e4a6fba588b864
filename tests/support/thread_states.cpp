#include "support/thread_states.h"

#include <dirent.h>

#include <fstream>
#include <iterator>

namespace tovrin::test {

std::string ThreadStates(pid_t pid) {
    std::string states;
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* dir = opendir(tasks.c_str());
    if (!dir) return states;
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.') continue;
        std::ifstream stat(tasks + "/" + entry->d_name + "/stat");
        const std::string line((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
        const size_t close = line.rfind(')');
        if (close != std::string::npos && close + 2 < line.size()) states += line[close + 2];
    }
    closedir(dir);
    return states;
}

}  // namespace tovrin::test
