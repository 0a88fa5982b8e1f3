#include "services/errors/EngineError.h"
#include "services/errors/ErrorDescriptions.h"
#include "services/errors/ErrorKinds.h"

#include <gtest/gtest.h>

#include <cerrno>

// The English texts tidyra-cli prints and its manual pages quote: the arguments in
// their places, then the nested message, then the reason, names fit for one line.
TEST(ErrorMessageTest, KindsFormatToTheirEnglishTexts)
{
    using namespace ErrorDescriptions;
    const std::pair<ErrorMessage, std::string> cases[] = {
        { moveFailed("a\nb", "a\nb", "Images/JPG", systemError(EACCES)),
            R"(cannot move "a\nb" to "Images/JPG": Permission denied)" },
        { moveFailed("a", "a (1)", "Images", systemError(EEXIST)),
            R"x(an item named "a (1)" already exists in "Images")x" },
        { blockedFolder("Images", ELOOP),
            R"("Images" is a symbolic link, which Tidyra does not follow)" },
        { movedOrRenamed(cannotOpenFolder("/x/%2", ENOENT)),
            R"(cannot open folder "/x/%2": No such file or directory; if the folder was moved )"
            "or renamed, undo it by its new path: tidyra-cli undo FOLDER" },
        { ErrorMessage(ErrorKind::journalFolderOfAnotherUser, { "/s/t" }),
            R"(the undo journal's folder "/s/t" belongs to another user, so Tidyra does not )"
            R"x(trust it; make it yours (chown -R "$(id -un)" "/s/t") or remove it)x" },
        { ErrorMessage(ErrorKind::cannotWatch, { "/x" }, EMFILE),
            R"(Cannot watch the folder "/x": Too many open files)" },
        { ErrorMessage(ErrorKind::reasonOnly, {}, EIO), "Input/output error" },
    };
    for (const auto &[message, english] : cases)
        EXPECT_EQ(EngineError(0, message).what(), english);
    // Each kind comes back from the key the details keep it by.
    for (int kind = 1; kind <= int(ErrorKind::rulesUnknownColor); ++kind)
        EXPECT_EQ(ErrorKinds::fromKey(ErrorKinds::key(ErrorKind(kind))), ErrorKind(kind));
}
