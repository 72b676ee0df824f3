// The main window as the tests meet it: with a settings file of their own in
// a private folder, its controls found by their design names, and pictures
// of known pixels to present.
#pragma once

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#include "app/player_program.h"
#include "common/picture.h"
#include "platform/controls.h"
#include "platform/image.h"
#include "platform/ini_file.h"
#include "platform/language.h"
#include "platform/status_bar.h"
#include "support/find_control.h"

namespace vn::test {

// Blue, green and red bytes that differ from pixel to pixel.
inline vn::Picture PatternPicture(int width, int height) {
    vn::Picture picture(width, height);
    for (int y = 0; y < height; ++y) {
        uint8_t* row = picture.Row(y);
        for (int x = 0; x < width; ++x) {
            row[3 * x] = static_cast<uint8_t>(x);
            row[3 * x + 1] = static_cast<uint8_t>(y);
            row[3 * x + 2] = static_cast<uint8_t>(x + y);
        }
    }
    return picture;
}

// A label's caption and a control's enabled state, by design name.
inline QString Caption(const QObject& window, const char* label) { return Control<QLabel>(&window, label)->text(); }
inline bool Enabled(const QObject& window, const char* control) { return Control(&window, control)->isEnabled(); }

class MainWindowTest : public ::testing::Test {
protected:
    void TearDown() override {
        program_.reset();
        ui::SetActiveLanguage(ui::kEnglish);
    }

    QString SettingsPath() const { return folder_.filePath(QStringLiteral("vnplay.ini")); }

    void WriteSettingsFile(const QByteArray& text) const {
        QFile file(SettingsPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }

    QByteArray SettingsFileText() const {
        QFile file(SettingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The program's windows, reading the settings file as it is now; the
    // previous program ends first.
    app::TfrmVNMain& OpenWindow(const QStringList& commandLine = {}) {
        program_.reset();
        settings_ = std::make_unique<ui::IniFile>(SettingsPath());
        program_ = std::make_unique<app::PlayerProgram>(*settings_, commandLine);
        return program_->frmVNMain;
    }

    app::TfrmVNMain& ShownWindow() {
        app::TfrmVNMain& window = OpenWindow();
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        return window;
    }

    QTemporaryDir folder_;
    std::unique_ptr<ui::IniFile> settings_;
    std::unique_ptr<app::PlayerProgram> program_;
};

}  // namespace vn::test
