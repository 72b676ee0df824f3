#include "app/command_line.h"

#include <cstdio>

#include "version/version.h"

namespace vn::app {

CommandLine ReadCommandLine(const QStringList& arguments, bool qtOptionsTaken) {
    CommandLine result;
    bool optionsEnded = false;
    for (const QString& argument : arguments) {
        const bool option = !optionsEnded && argument.startsWith(QLatin1Char('-')) && argument != QStringLiteral("-");
        if (!option) {
            result.files.append(argument);
        } else if (argument == QStringLiteral("--")) {
            optionsEnded = true;
        } else if (argument == QStringLiteral("--help") || argument == QStringLiteral("-h")) {
            result.action = CommandLine::Action::Help;
            return result;
        } else if (argument == QStringLiteral("--version")) {
            result.action = CommandLine::Action::Version;
            return result;
        } else if (qtOptionsTaken || argument.startsWith(QStringLiteral("--"))) {
            result.action = CommandLine::Action::Refuse;
            result.refused = argument;
            return result;
        }
    }
    return result;
}

int Answer(const CommandLine& commandLine) {
    switch (commandLine.action) {
        case CommandLine::Action::Help:
            std::fputs(
                "usage: vnplay [FILE...]\n"
                "       vnplay --help | --version\n"
                "\n"
                "Velnor Video Player: plays the recordings of time-lapse cameras (.avi)\n"
                "and their movies (.m4v, .mvm). The files form the play list, sorted by\n"
                "their creation time, and the first one starts playing.\n"
                "\n"
                "  -h, --help   print this help\n"
                "  --version    print the version\n"
                "  --           every argument that follows is a file\n"
                "\n"
                "Qt's options, such as -platform NAME, are taken too. The preferences are\n"
                "kept in the user's configuration folder (~/.config/vnplay/vnplay.ini), or\n"
                "in vnplay.ini beside the program when that file is there.\n",
                stdout);
            return 0;
        case CommandLine::Action::Version:
            std::printf("vnplay %s\n", version::kText);
            return 0;
        case CommandLine::Action::Refuse:
            std::fprintf(stderr, "vnplay: unknown option \"%s\"\nTry \"vnplay --help\".\n",
                         commandLine.refused.toLocal8Bit().constData());
            return 2;
        case CommandLine::Action::Play:
            break;
    }
    return 0;
}

}  // namespace vn::app
