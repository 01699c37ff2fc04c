// The program's command line where there is no display at all (no DISPLAY, WAYLAND_DISPLAY or
// QT_QPA_PLATFORM): --help and --version answer, a plain start ends with one clear line.
#include <QProcess>
#include <gtest/gtest.h>
#include <tuple>

namespace {

// Exit code, standard output, standard error.
std::tuple<int, QString, QString> RunWithoutDisplay(const QStringList& Arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(name);
    }
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(TINTRIX_PROGRAM, Arguments);
    EXPECT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit); // no abort, no core dump
    return {program.exitCode(), program.readAllStandardOutput(), program.readAllStandardError()};
}

TEST(CommandLine, AnswersHelpAndVersionAndFailsPlainlyWithoutADisplay) {
    EXPECT_EQ(RunWithoutDisplay({"--version"}), std::make_tuple(0, QString("tintrix 0.1.0\n"), QString()));
    const auto [code, help, errors] = RunWithoutDisplay({"--help"});
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(help.startsWith("Usage: tintrix [--help | --version] [Qt options]\n"
                                "Choose a color and read off its values.\n\n"
                                "Your own colors are read from /") &&
                help.contains("Qt's own options, such as -style NAME, -platform NAME and -display NAME"));
    EXPECT_EQ(errors, "");
    EXPECT_EQ(
        RunWithoutDisplay({}),
        std::make_tuple(1, QString(),
                        QString("tintrix: cannot open a display: start Tintrix in a desktop session, or "
                                "name one with DISPLAY, WAYLAND_DISPLAY or -platform\n")));
}

} // namespace
