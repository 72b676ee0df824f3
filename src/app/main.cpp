// vnplay: the settings file beside the program, the application's title and
// its seven windows, created once in their order.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

#include <exception>

#include "app/player_program.h"
#include "platform/ini_file.h"

namespace {

// The program's path with the extension "ini".
QString SettingsPathFor(const QString& programPath) {
    const QFileInfo program(programPath);
    return program.dir().filePath(program.completeBaseName() + QStringLiteral(".ini"));
}

int RunPlayer(QApplication& app) {
    vn::ui::IniFile settings(SettingsPathFor(QApplication::applicationFilePath()));
    vn::app::PlayerProgram program(settings, app.arguments().mid(1));
    program.frmVNMain.show();
    return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vnplay"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velnor Video Player"));
    try {
        return RunPlayer(app);
    } catch (const std::exception& error) {
        // Whatever escaped is reported, and the program ends normally.
        QMessageBox::critical(nullptr, QApplication::applicationDisplayName(), QString::fromLocal8Bit(error.what()));
        return 0;
    }
}
