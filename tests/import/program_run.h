#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

// The real program run from the command line, as a shell runs it: what it said
// on both streams, and its exit status (-1 when it did not exit).
struct Outcome {
    int status = -1;
    std::string said;
};

inline Outcome runCommand(const std::string& command)
{
    Outcome outcome;
    std::FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe)
        return outcome;
    char buffer[512];
    while (const std::size_t got = std::fread(buffer, 1, sizeof buffer, pipe))
        outcome.said.append(buffer, got);
    const int status = pclose(pipe);
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
}

#ifdef LERNWERK_BINARY
// Runs the built program with `arguments` in `folder`.
inline Outcome runIn(const std::filesystem::path& folder, const std::string& arguments)
{
    return runCommand("cd '" + folder.string() + "' && '" LERNWERK_BINARY "' " + arguments);
}
#endif
