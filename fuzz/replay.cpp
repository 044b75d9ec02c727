// Runs every kept regression input, and the shipped data, through the fuzz
// targets in an ordinary build: a fault the fuzzers once found stays found.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "FuzzSupport.h"

namespace {

using Target = int (*)(const uint8_t*, size_t);

int replay(Target target, const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::string input((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::fprintf(stderr, "replaying %s\n", file.string().c_str());
    return target(reinterpret_cast<const uint8_t*>(input.data()), input.size());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: fuzz_replay INPUT-FOLDER...\n");
        return 2;
    }
    const std::map<std::string, Target> targets = {{"tables", fuzzTables},
                                                   {"player", fuzzPlayer},
                                                   {"world", fuzzWorld},
                                                   {"emitters", fuzzEmitters},
                                                   {"shaders", fuzzShaders},
                                                   {"sounds", fuzzSounds},
                                                   {"campaign", fuzzCampaign},
                                                   {"upgrades", fuzzUpgrades},
                                                   {"recordings", fuzzRecordings}};
    // The loaders talk on standard output; only the replay's own lines matter here.
    std::freopen("/dev/null", "w", stdout);
    // The targets work in a scratch folder of their own.
    std::vector<std::filesystem::path> folders;
    for (int a = 1; a < argc; ++a) {
        folders.push_back(std::filesystem::absolute(argv[a]));
    }
    int replayed = 0;
    for (const std::filesystem::path& inputs : folders) {
        for (const auto& [name, target] : targets) {
            std::filesystem::path folder = inputs / name;
            if (!std::filesystem::is_directory(folder)) continue;
            for (const auto& entry : std::filesystem::directory_iterator(folder)) {
                replay(target, entry.path());
                ++replayed;
            }
        }
    }
    std::fprintf(stderr, "%d inputs replayed\n", replayed);
    return replayed > 0 ? 0 : 1;
}
