// vnplay: reads its command line, finds its settings file, sets the
// application's title and creates its seven windows once, in their order.
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <exception>

#include "app/command_line.h"
#include "app/player_program.h"
#include "platform/captions.h"
#include "platform/ini_file.h"
#include "version/version.h"

namespace {

// VNPLAY_PRINT_CAPTIONS, for tests: once the window is up, print its
// captions and close it as the user would.
void PrintCaptionsAndCloseWhenAsked(QWidget& window) {
    if (qEnvironmentVariableIsEmpty("VNPLAY_PRINT_CAPTIONS")) return;
    QTimer::singleShot(0, &window, [&window] {
        for (const QString& line : vn::ui::Captions(window)) std::printf("%s\n", line.toUtf8().constData());
        std::fflush(stdout);
        window.close();
    });
}

int RunPlayer(const QStringList& files) {
    vn::ui::IniFile settings(vn::ui::SettingsPathFor(QApplication::applicationFilePath()));
    vn::app::PlayerProgram program(settings, files);
    program.frmVNMain.show();
    PrintCaptionsAndCloseWhenAsked(program.frmVNMain);
    return QApplication::exec();
}

QStringList ArgumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

}  // namespace

int main(int argc, char** argv) {
    // Help and version need no display, so they are answered before Qt starts.
    const vn::app::CommandLine early = vn::app::ReadCommandLine(ArgumentsOf(argc, argv), false);
    if (early.action != vn::app::CommandLine::Action::Play) return vn::app::Answer(early);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vnplay"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velnor Video Player"));
    QApplication::setApplicationVersion(QString::fromLatin1(vn::version::kText));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(vn::version::kDesktopId));
    const vn::app::CommandLine commandLine = vn::app::ReadCommandLine(app.arguments().mid(1), true);
    if (commandLine.action != vn::app::CommandLine::Action::Play) return vn::app::Answer(commandLine);
    try {
        return RunPlayer(commandLine.files);
    } catch (const std::exception& error) {
        // Whatever escaped is reported, and the program ends normally.
        QMessageBox::critical(nullptr, QApplication::applicationDisplayName(), QString::fromLocal8Bit(error.what()));
        return 0;
    }
}
