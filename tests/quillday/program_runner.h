// Starts the quillday program with an input and collects what it writes.
#ifndef TESTS_QUILLDAY_PROGRAM_RUNNER_H
#define TESTS_QUILLDAY_PROGRAM_RUNNER_H

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace quillday::testing {

struct ProgramRun {
    int status;
    std::string out;
    std::string err;
};

inline std::string FileText(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// Runs "program arguments < input"; "{input}" in the arguments stands for
// the input file's path.
inline ProgramRun RunProgram(std::string arguments, const std::string& input = {},
                             const std::string& program = QUILLDAY_PROGRAM) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("quillday_test_" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::filesystem::path in = folder / "in", out = folder / "out", err = folder / "err";
    std::ofstream(in, std::ios::binary) << input;
    for (std::size_t at; (at = arguments.find("{input}")) != std::string::npos;) {
        arguments.replace(at, 7, in.string());
    }
    const std::string command = "'" + program + "' " + arguments + " < '" + in.string() + "' > '" +
                                out.string() + "' 2> '" + err.string() + "'";
    const int status = std::system(command.c_str());
    ProgramRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, FileText(out), FileText(err)};
    std::filesystem::remove_all(folder);
    return run;
}

}  // namespace quillday::testing

#endif
