// The camera settings dialog through the real windows, with a folder of the
// test as the memory card, and the About box's version.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "app/engine_test_support.h"
#include "version/version.h"

namespace vn::app {
namespace {

using test::Control;

class CameraSettingsWindowTest : public test::EngineTest {
protected:
    // The dialog, when it shows, is handed to act.
    static void WhenDialogShows(std::function<void(QDialog&)> act) {
        test::WhenModalShows([act](QWidget* modal) {
            ASSERT_EQ(modal->objectName(), "TfrmSetCamReg");
            act(*static_cast<QDialog*>(modal));
        });
    }

    static void ClickItem(QDialog& dialog, const char* group, int index) {
        const auto buttons = Control(&dialog, group)->findChildren<QRadioButton*>();
        ASSERT_GT(buttons.size(), index);
        // A short caption ("&3") leaves the button's middle outside the
        // part that takes a click.
        buttons[index]->click();
    }

    static std::vector<uint8_t> FileBytes(const QString& path) {
        std::ifstream in(path.toStdString(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    static int U16At(const std::vector<uint8_t>& bytes, size_t at) { return bytes[at] | bytes[at + 1] << 8; }
};

TEST_F(CameraSettingsWindowTest, OkWritesTheSettingsFileOntoTheChosenCard) {
    const QString card = QDir(folder_.path()).filePath("card");
    ASSERT_TRUE(QDir().mkpath(card));
    WriteSettingsFile(
        ("[settings]\nnInt1=10\nnInt2=20\nnInt3=86400\nnFlicker=833\nwCamMode=1\ncDrive=" + card + "\n").toUtf8());
    TfrmVNMain& window = Player();
    WhenDialogShows([&](QDialog& dialog) {
        auto* drives = Control<QComboBox>(&dialog, "cbDrive");
        // The mounted volumes, and the card folder chosen before.
        EXPECT_GE(drives->findData(QStringLiteral("/")), 0);
        EXPECT_EQ(drives->currentData().toString(), card);
        EXPECT_EQ(Control<QLineEdit>(&dialog, "edtSeconds")->text(), "10");
        EXPECT_TRUE(Control<QCheckBox>(&dialog, "cbLoop")->isChecked());
        ClickItem(dialog, "rgSwitch", 2);
        EXPECT_EQ(Control<QLineEdit>(&dialog, "edtHours")->text(), "24");
        QTest::mouseClick(Control(&dialog, "cbExpoLock"), Qt::LeftButton);
        QTest::mouseClick(Control(&dialog, "bOK"), Qt::LeftButton);
    });
    Control<QAction>(&window, "CameraSettings1")->trigger();

    const std::vector<uint8_t> file = FileBytes(card + "/DCIM/100morva/REGISTRY.LDR");
    ASSERT_EQ(file.size(), 30u);
    EXPECT_EQ(U16At(file, 5), 10);
    EXPECT_EQ(U16At(file, 7), 20);
    EXPECT_EQ(U16At(file, 9), 0xFFFF) << "one day";
    EXPECT_EQ(U16At(file, 13), 833);
    EXPECT_EQ(U16At(file, 19), 3) << "looping and exposure lock";
    EXPECT_TRUE(Messages().empty());

    window.close();
    const QByteArray kept = SettingsFileText();
    EXPECT_TRUE(kept.contains("wCamMode=3"));
    EXPECT_TRUE(kept.contains(("cDrive=" + card).toUtf8()));
}

// A card on which the folders cannot be made: the message says so, the
// dialog stays for another choice, and Cancel gives back the filter.
TEST_F(CameraSettingsWindowTest, ACardThatTakesNoFolderIsReportedAndCancelRestoresTheFilter) {
    const QString notAFolder = QDir(folder_.path()).filePath("card");
    QFile plain(notAFolder);
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    WriteSettingsFile(("[settings]\nnFlicker=0\ncDrive=" + notAFolder + "\n").toUtf8());
    TfrmVNMain& window = Player();
    WhenDialogShows([&](QDialog& dialog) {
        // A file is no card: it is not offered, and nothing is written.
        EXPECT_EQ(Control<QComboBox>(&dialog, "cbDrive")->currentIndex(), -1);
        ClickItem(dialog, "rgFlicker", 2);
        QTest::mouseClick(Control(&dialog, "bOK"), Qt::LeftButton);
        EXPECT_TRUE(dialog.isVisible());
        QTest::mouseClick(Control(&dialog, "bCancel"), Qt::LeftButton);
    });
    Control<QAction>(&window, "CameraSettings1")->trigger();
    EXPECT_EQ(Messages(), std::vector<int>({diag::NoDir}));
    EXPECT_EQ(window.prefs.nFlicker, 0);
}

TEST_F(CameraSettingsWindowTest, TheAboutBoxShowsTheBuildsVersion) {
    TfrmVNMain& window = Player();
    Control<QAction>(&window, "About1")->trigger();
    auto* about = Control<QDialog>(&window, "TAboutBox");
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(
        Control<QLabel>(about, "Version")->text(),
        QString::asprintf("Version %d.%d.%d.%d", version::kMajor, version::kMinor, version::kPatch, version::kTweak));
}

}  // namespace
}  // namespace vn::app
