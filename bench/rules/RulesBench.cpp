// The time to classify 100,000 file names (or the count given) by a rules file of 50
// categories and 500 extensions, against the built-in table, both through the one
// route planning takes (SortingRules::categoryForName); also the built-in table
// against the lookup planning made before the rules (categoryForExtension). Prints
// the fastest of 21 interleaved rounds of each and their ratios.
//   tidyra-rules-bench [NAME_COUNT]

#include "model/FileCategory.h"
#include "model/FileName.h"
#include "model/SortingRules.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

// 50 categories of 10 made-up extensions each; every tenth takes a built-in one over.
RulesDocument fiftyCategories()
{
    RulesDocument document;
    const auto builtIn = SortingRules::builtIn();
    std::vector<std::string> taken;
    for (const auto &category : builtIn->categories())
        taken.insert(taken.end(), category.extensions.begin(), category.extensions.end());
    for (int category = 0; category < 50; ++category) {
        RulesDocument::Category entry;
        entry.name = "Kind " + std::to_string(category);
        for (int k = 0; k < 10; ++k) {
            const int number = category * 10 + k;
            entry.add.push_back(k == 0 && std::size_t(category) < taken.size()
                    ? taken[std::size_t(category)]
                    : "x" + std::to_string(number));
        }
        document.categories.push_back(std::move(entry));
    }
    return document;
}

// Names as a Downloads folder has them: mostly known extensions in any case, some
// of the rules' own, some unknown, some without one.
std::vector<std::string> names(std::size_t count)
{
    const std::vector<std::string> extensions { "jpg", "PDF", "png", "docx", "mp4", "zip", "Jpeg",
        "txt", "x17", "x250", "X499", "qqq", "dmg", "mp3", "" };
    std::mt19937 random(20261207);
    std::vector<std::string> result;
    result.reserve(count);
    for (std::size_t k = 0; k < count; ++k) {
        const std::string &extension = extensions[random() % extensions.size()];
        std::string name = "file number " + std::to_string(random() % 100000);
        result.push_back(extension.empty() ? name : name + "." + extension);
    }
    return result;
}

double millisecondsOf(const std::function<std::size_t()> &work, std::size_t &sink)
{
    const auto start = std::chrono::steady_clock::now();
    sink += work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

// The fastest round: on a shared machine the others are slowed by whatever else runs,
// while the fastest is the closest to the work itself.
double fastest(const std::vector<double> &values)
{
    return *std::min_element(values.begin(), values.end());
}

} // namespace

int main(int argc, char **argv)
{
    const std::size_t count = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 100000;
    const std::vector<std::string> all = names(count);
    const auto builtIn = SortingRules::builtIn();
    const auto rules = SortingRules::fromDocument(fiftyCategories(), "bench");
    std::size_t extensionCount = 0;
    for (const auto &category : rules->categories())
        extensionCount += category.extensions.size();
    const auto classify = [&](const SortingRules &by) {
        std::size_t sum = 0;
        for (const std::string &name : all)
            sum += by.categoryForName(name);
        return sum;
    };
    const auto before = [&] {
        std::size_t sum = 0;
        for (const std::string &name : all)
            sum += std::size_t(categoryForExtension(FileName::extension(name)));
        return sum;
    };
    std::size_t sink = 0;
    std::vector<double> withRules, withBuiltIn, withOldTable;
    // Each goes first in a third of the rounds: the first of a round pays for warming up.
    const std::vector<std::function<void()>> steps {
        [&] { withBuiltIn.push_back(millisecondsOf([&] { return classify(*builtIn); }, sink)); },
        [&] { withRules.push_back(millisecondsOf([&] { return classify(*rules); }, sink)); },
        [&] { withOldTable.push_back(millisecondsOf(before, sink)); },
    };
    for (std::size_t round = 0; round < 21; ++round) {
        for (std::size_t step = 0; step < steps.size(); ++step)
            steps[(round + step) % steps.size()]();
    }
    std::printf("%zu names; rules of %zu categories, %zu extensions (checksum %zu)\n", count,
        rules->categories().size(), extensionCount, sink % 1000);
    std::printf("built-in table (SortingRules)   %8.2f ms\n", fastest(withBuiltIn));
    std::printf("rules file (SortingRules)       %8.2f ms  ratio %.2f (target <= 1.10)\n",
        fastest(withRules), fastest(withRules) / fastest(withBuiltIn));
    std::printf("lookup before the rules         %8.2f ms  built-in ratio %.2f\n",
        fastest(withOldTable), fastest(withBuiltIn) / fastest(withOldTable));
    return fastest(withRules) / fastest(withBuiltIn) <= 1.1 ? 0 : 1;
}
