// Each folder of the code is a layer (layers.txt, lowest first): a file
// includes files of its own folder and of the layers below it, never of one
// above, and reaches another deliverable only through its interface folders.
// Each include is resolved as the compiler resolves it: beside the including
// file first, then in the include folders of the target that compiles it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kSource = fs::weakly_canonical(QUELVO_SOURCE_DIR);
const fs::path kBuild = fs::weakly_canonical(QUELVO_BUILD_DIR);

// The deliverables whose code is read.
const char* const kDeliverables[] = {"app", "dataserver", "zentalib", "runtime"};

struct Layer {
    std::string folder;
    bool interface = false;
};

std::vector<Layer> ReadLayers() {
    std::vector<Layer> layers;
    std::ifstream in(kSource / "tests/layering/layers.txt");
    for (std::string line; std::getline(in, line);) {
        line = line.substr(0, line.find('#'));
        std::istringstream words(line);
        Layer layer;
        if (!(words >> layer.folder)) continue;
        for (std::string word; words >> word;) layer.interface = layer.interface || word == "interface";
        layers.push_back(layer);
    }
    return layers;
}

// Folder of the code -> include folders of the target that compiles it, as
// the build wrote them.
std::map<std::string, std::vector<fs::path>> ReadIncludeFolders() {
    std::map<std::string, std::vector<fs::path>> folders;
    std::ifstream in(QUELVO_INCLUDE_FOLDERS);
    for (std::string line; std::getline(in, line);) {
        std::istringstream parts(line);
        std::string code;
        if (!std::getline(parts, code, '|')) continue;
        auto& list = folders[code];
        for (std::string folder; std::getline(parts, folder, '|');)
            if (!folder.empty()) list.push_back(fs::path(folder));
    }
    return folders;
}

bool Within(const fs::path& path, const fs::path& folder) {
    const auto rel = path.lexically_relative(folder);
    return !rel.empty() && *rel.begin() != "..";
}

// The longest key that is the relative path or a folder of it.
template <typename Map>
auto LongestPrefix(const Map& map, const std::string& relative) -> decltype(&*map.begin()) {
    decltype(&*map.begin()) best = nullptr;
    for (const auto& entry : map) {
        const std::string& key = entry.first;
        const bool prefix = relative == key || relative.rfind(key + "/", 0) == 0;
        if (prefix && (!best || key.size() > best->first.size())) best = &entry;
    }
    return best;
}

std::string Deliverable(const std::string& relative) { return relative.substr(0, relative.find('/')); }

bool IsCode(const fs::path& path) {
    const std::string name = path.filename().string();
    for (const char* end : {".h", ".hpp", ".cpp", ".cc", ".h.in"})
        if (name.size() > std::string(end).size() && name.ends_with(end)) return true;
    return false;
}

class Layers {
public:
    Layers() {
        const auto layers = ReadLayers();
        for (size_t i = 0; i < layers.size(); ++i) index_[layers[i].folder] = {i, layers[i].interface};
    }
    bool Empty() const { return index_.empty(); }

    // The layer's folder, its place in the order and whether it is an
    // interface; none for a path outside every layer.
    struct Place {
        std::string folder;
        size_t order;
        bool interface;
    };
    std::optional<Place> Of(const std::string& relative) const {
        const auto* found = LongestPrefix(index_, relative);
        if (!found) return std::nullopt;
        return Place{found->first, found->second.first, found->second.second};
    }

private:
    std::map<std::string, std::pair<size_t, bool>> index_;
};

std::vector<fs::path> CodeFiles() {
    std::vector<fs::path> files;
    for (const char* deliverable : kDeliverables)
        for (const auto& entry : fs::recursive_directory_iterator(kSource / deliverable))
            if (entry.is_regular_file() && IsCode(entry.path())) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

TEST(Layering, NoFileIncludesALayerAboveIt) {
    const Layers layers;
    ASSERT_FALSE(layers.Empty());
    const auto includeFolders = ReadIncludeFolders();
    ASSERT_FALSE(includeFolders.empty()) << "no include folders at " << QUELVO_INCLUDE_FOLDERS;
    const std::regex include(R"(^\s*#\s*include\s*"([^"]+)\")");
    int checked = 0;
    for (const fs::path& file : CodeFiles()) {
        const std::string relative = file.lexically_relative(kSource).generic_string();
        const auto* target = LongestPrefix(includeFolders, relative);
        // A deliverable this build does not compile (the program without Qt).
        if (!target) continue;
        const auto own = layers.Of(relative);
        if (!own) {
            ADD_FAILURE() << relative << ": a file in no layer of tests/layering/layers.txt";
            continue;
        }
        std::ifstream in(file);
        int number = 0;
        for (std::string line; std::getline(in, line);) {
            ++number;
            std::smatch match;
            if (!std::regex_search(line, match, include)) continue;
            ++checked;
            const std::string where = relative + ":" + std::to_string(number) + ": \"" + match[1].str() + "\"";
            std::vector<fs::path> candidates{file.parent_path() / match[1].str()};
            for (const fs::path& folder : target->second) candidates.push_back(folder / match[1].str());
            std::optional<fs::path> found;
            for (const fs::path& candidate : candidates)
                if (fs::is_regular_file(candidate)) {
                    found = fs::weakly_canonical(candidate);
                    break;
                }
            if (!found) {
                ADD_FAILURE() << where << " is found in none of its target's include folders";
                continue;
            }
            // A header the build generates belongs to the target that includes it.
            if (Within(*found, kBuild)) continue;
            const std::string included = found->lexically_relative(kSource).generic_string();
            const auto place = Within(*found, kSource) ? layers.Of(included) : std::nullopt;
            if (!place) {
                ADD_FAILURE() << where << " is " << found->string() << ", in no layer";
                continue;
            }
            if (place->order > own->order)
                ADD_FAILURE() << where << " reaches up from " << own->folder << " to " << place->folder;
            else if (Deliverable(included) != Deliverable(relative) && !place->interface)
                ADD_FAILURE() << where << " reaches into " << place->folder << ", which is no interface of "
                              << Deliverable(included);
        }
    }
    EXPECT_GT(checked, 1000);
}

TEST(Layering, TheReadmeListsTheLayersInOrder) {
    std::vector<std::string> expected;
    for (const Layer& layer : ReadLayers()) expected.push_back(layer.folder);
    // The first cell of each row of the layout table, without its final "/".
    std::vector<std::string> listed;
    std::ifstream in(kSource / "README.md");
    bool layout = false;
    const std::regex row(R"(^\|\s*`([^`]+)`)");
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("## ", 0) == 0) layout = line == "## Layout";
        std::smatch match;
        if (!layout || !std::regex_search(line, match, row)) continue;
        std::string folder = match[1].str();
        if (folder.ends_with('/')) folder.pop_back();
        if (std::find(expected.begin(), expected.end(), folder) != expected.end()) listed.push_back(folder);
    }
    EXPECT_EQ(listed, expected);
}

}  // namespace
