// The player's command line: the files to play, "--help" and "--version".
// Qt's own options (-platform, -style, ...) are Qt's; any other option is
// refused. "--" ends the options: every argument after it is a file.
#pragma once

#include <QString>
#include <QStringList>

namespace vn::app {

struct CommandLine {
    enum class Action { Play, Help, Version, Refuse };
    Action action = Action::Play;
    QString refused;  // the option refused
    QStringList files;
};

// Reads the arguments after the program's name. Before the application
// exists (qtOptionsTaken false), Qt's options are still among them, so only
// the "--" options are judged; once Qt has taken its own, any "-" option
// left is refused.
CommandLine ReadCommandLine(const QStringList& arguments, bool qtOptionsTaken);

// Prints the help or the version on standard output, or says on standard
// error what was refused; returns the exit status.
int Answer(const CommandLine& commandLine);

}  // namespace vn::app
