// Opens the preview dialog for a plan of many files, offscreen, and prints how long it
// took until the dialog was drawn and the peak memory of the process.
//   tidyra-sheet-bench [FILE_COUNT]     (default 100000)

#include "FixedClock.h"
#include "FolderChooser.h"
#include "FolderOrganizerViewModel.h"
#include "MemorySettingsStore.h"
#include "PreviewView.h"
#include "model/FileCategory.h"
#include "model/FileName.h"
#include "model/Text.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <sys/resource.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <string>

namespace {

class NoFolderChooser final : public FolderChooser
{
public:
    std::optional<FolderPath> chooseFolder() override { return std::nullopt; }
};

// A Downloads-like mix: several kinds per category, so the tree has sub-folders.
std::shared_ptr<const OrganizationPlan> makePlan(std::size_t fileCount)
{
    static constexpr std::array<const char *, 16> extensions { "jpg", "png", "heic", "pdf", "docx",
        "txt", "mp3", "m4a", "mov", "mp4", "zip", "gz", "py", "html", "dmg", "xyz" };
    auto plan = std::make_shared<OrganizationPlan>();
    plan->folderURL = "/home/user/Downloads";
    plan->moves.reserve(fileCount);

    std::map<FileCategory, std::set<std::string>> kinds;
    for (const char *extension : extensions)
        kinds[categoryForExtension(extension)].insert(extension);
    std::map<std::string, std::uint32_t> targets;
    for (const char *extension : extensions) {
        const FileCategory category = categoryForExtension(extension);
        OrganizationPlan::Target target { category, std::nullopt,
            { std::string(rawValue(category)) } };
        if (kinds[category].size() > 1) {
            target.subGroup = Text::toUpperCase(extension);
            target.parts.push_back(*target.subGroup);
        }
        targets[extension] = std::uint32_t(plan->targets.size());
        plan->targets.push_back(std::move(target));
    }
    for (std::size_t i = 0; i < fileCount; ++i) {
        const std::string extension = extensions[i % extensions.size()];
        plan->moves.push_back({ "file " + std::to_string(i * 7919 % fileCount) + "." + extension,
            {}, targets[extension], std::uint32_t(i) });
    }
    return plan;
}

long peakMemoryKiB()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss; // KiB on Linux
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const std::size_t fileCount = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 100000;

    FolderOrganizerViewModel viewModel(std::make_unique<NoFolderChooser>(),
        std::make_unique<MemorySettingsStore>(), std::make_unique<FixedClock>(QString()));
    QElapsedTimer timer;
    timer.start();
    const std::shared_ptr<const OrganizationPlan> plan = makePlan(fileCount);
    const qint64 planMs = timer.restart();
    const long memoryBeforeKiB = peakMemoryKiB();

    timer.restart();
    PreviewView preview(plan, &viewModel);
    preview.show();
    if (!QTest::qWaitForWindowExposed(&preview))
        return 1;
    // Until the first frame is drawn: the lists lay out and paint their visible rows.
    preview.grab();
    const qint64 openMs = timer.elapsed();

    std::printf("files:               %zu\n", fileCount);
    std::printf("plan built in:       %lld ms (not part of opening)\n", planMs);
    std::printf("sheet opened in:     %lld ms\n", openMs);
    std::printf("peak memory:         %.1f MiB (%.1f MiB before opening)\n",
        peakMemoryKiB() / 1024.0, memoryBeforeKiB / 1024.0);
    return 0;
}
