// quadrilo-calc as an engineer's batch runs it: exit status, message, results file and the peak
// memory of the process on hostile files.
#include "ScratchFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

namespace quadrilo::engine {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

struct ToolRun {
    int exitStatus = -1;
    std::string stderrText;
    long peakKilobytes = 0;
};

// Runs quadrilo-calc in a child process with its standard error in a file; the peak resident
// memory is the child's own, as wait4 reports it.
ToolRun RunTool(const fs::path& input, const fs::path& output, const fs::path& errors) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    std::string tool = QUADRILO_CALC, in = input.string(), out = output.string();
    char* argv[] = {tool.data(), in.data(), out.data(), nullptr};
    pid_t pid = 0;
    ToolRun run;
    const int spawned = posix_spawn(&pid, tool.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return run;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) == pid && WIFEXITED(status))
        run.exitStatus = WEXITSTATUS(status);
    run.peakKilobytes = usage.ru_maxrss;
    run.stderrText = fixtures::ReadBytes(errors);
    return run;
}

using CalcToolTest = fixtures::ScratchFolderTest;

// 5e7 nodes declared, then 900 MB of NUL bytes (a sparse file: it takes no disk). Sizing the
// model by the declared counts took 5.6 GB before the refusal; read as a stream it takes what
// the file holds.
TEST_F(CalcToolTest, AHugeDeclaredModelWithoutDataIsRefusedInLittleMemory) {
    const auto input = dir / "sparse.txt";
    fixtures::WriteBytes(input, "0\n50000000 0\n");
    fs::resize_file(input, 900'000'000);
    const auto output = dir / "gOutput.txt";

    const auto run = RunTool(input, output, dir / "stderr.txt");
    std::printf("quadrilo-calc peak memory on a 900 MB file declaring 5e7 nodes: %.1f MB\n",
                run.peakKilobytes / 1024.0);
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_THAT(run.stderrText,
                HasSubstr("Erro: " + input.string() +
                          ":3: o arquivo termina onde se esperava a coordenada X do nó 1"));
    EXPECT_FALSE(fs::exists(output));
    EXPECT_LT(run.peakKilobytes, 100 * 1024);
}

TEST_F(CalcToolTest, LoadsBeyondTheResultsFieldsFailTheRunAndWriteNothing) {
    const auto input = dir / "loads.txt";
    fixtures::WriteBytes(input,
                         "1\n1 1 1 1\n2 1\n0 0\n1 0\n1 2 1\n0 0 0\n0 0 1e308\n0 0 0 0\n1 1 1\n");
    const auto output = dir / "gOutput.txt";

    const auto run = RunTool(input, output, dir / "stderr.txt");
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_THAT(run.stderrText, HasSubstr("Erro: Resultado grande demais: a rotação ry do nó 2"));
    EXPECT_FALSE(fs::exists(output));
}

} // namespace
} // namespace quadrilo::engine
