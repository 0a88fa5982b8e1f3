#include "CliRunner.h"

#include "TempDir.h"

#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

CliResult runCli(const std::vector<std::string> &arguments, const std::filesystem::path &stateHome,
    const std::filesystem::path &workingFolder)
{
    const TempDir capture;
    const std::filesystem::path outFile = capture / "out";
    const std::filesystem::path errFile = capture / "err";

    std::vector<std::string> words { TIDYRA_CLI_PATH };
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char *> argv;
    for (std::string &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    std::vector<std::string> environment {
        "XDG_STATE_HOME=" + stateHome.string(),
        "HOME=" + stateHome.string(),
        "PATH=/usr/bin:/bin",
        "LC_ALL=C.UTF-8",
    };
    std::vector<char *> envp;
    for (std::string &entry : environment)
        envp.push_back(entry.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(
        &actions, STDOUT_FILENO, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(
        &actions, STDERR_FILENO, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (!workingFolder.empty())
        posix_spawn_file_actions_addchdir_np(&actions, workingFolder.c_str());
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        throw std::runtime_error("cannot start tidyra-cli");

    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) { }
    CliResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = readFile(outFile);
    result.err = readFile(errFile);
    return result;
}
