// vnplay-screenshot OUT.png MILLISECONDS FILE...: starts the player on the
// files as vnplay does, lets it play for the given time and saves a picture
// of the main window. Runs on Qt's offscreen platform unless told otherwise;
// its preferences live in a temporary folder, so the user's stay untouched.
#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

#include "app/player_program.h"
#include "platform/ini_file.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Velnor Video Player"));
    const QStringList args = QApplication::arguments();
    bool validTime = false;
    const int playMs = args.size() >= 4 ? args[2].toInt(&validTime) : 0;
    if (!validTime || playMs < 0) {
        std::fprintf(stderr, "usage: vnplay-screenshot OUT.png MILLISECONDS FILE...\n");
        return 2;
    }
    QTemporaryDir preferences;
    vn::ui::IniFile settings(preferences.filePath(QStringLiteral("vnplay.ini")));
    vn::app::PlayerProgram program(settings, args.mid(3));
    vn::app::TfrmVNMain& window = program.frmVNMain;
    window.show();
    // The designed size, whatever the screen the first show fitted it to.
    window.resize(1141, 787);

    int status = 0;
    QTimer::singleShot(playMs, [&] {
        if (!window.grab().save(args[1])) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(args[1]));
            status = 1;
        }
        QApplication::quit();
    });
    QApplication::exec();
    return status;
}
