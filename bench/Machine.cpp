#include "Machine.h"

#include <fstream>
#include <thread>

namespace Machine {

std::string cpuModel()
{
    std::ifstream cpuInfo("/proc/cpuinfo");
    std::string line;
    while (std::getline(cpuInfo, line)) {
        if (line.rfind("model name", 0) == 0) {
            const auto colon = line.find(':');
            return colon == std::string::npos ? line : line.substr(colon + 2);
        }
    }
    return "unknown";
}

unsigned cpuCount()
{
    return std::thread::hardware_concurrency();
}

std::string fileSystemType(const std::filesystem::path &path)
{
    // The mount whose point is the longest prefix of the path names the type.
    std::ifstream mounts("/proc/self/mounts");
    const std::string target = std::filesystem::weakly_canonical(path).string();
    std::string device, point, type, rest, best = "unknown";
    std::size_t bestLength = 0;
    while (mounts >> device >> point >> type && std::getline(mounts, rest)) {
        const bool prefix = target.rfind(point, 0) == 0
            && (point == "/" || target.size() == point.size() || target[point.size()] == '/');
        if (prefix && point.size() >= bestLength) {
            best = type;
            bestLength = point.size();
        }
    }
    return best;
}

} // namespace Machine
