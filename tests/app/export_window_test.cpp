// Taking the open recording out through the real windows: the seek bar's
// pop-up marks, the export dialog with its save dialog, the progress window
// and its Cancel, failures through the message dialog, and saving the frame
// on screen.
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "app/engine_test_support.h"
#include "recording/recording.h"
#include "samplewriter/default_movies.h"

namespace vn::app {
namespace {

using test::Control;
using test::Plan;

std::vector<uint8_t> FileBytes(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ExportWindowTest : public test::EngineTest {
protected:
    // The recording REC0001.AVI open and paused at its first frame.
    TfrmVNMain& PausedOn(int frames) {
        TfrmVNMain& window = Player();
        source_ = Write("REC0001.AVI", Plan().Frames(frames));
        Drop({source_});
        Click("sbPause");
        return window;
    }

    void SeekTo(int frame) {
        auto* seekBar = Control<ui::TrackBar>(&program_->frmVNMain, "tbWhere");
        seekBar->setFocus();
        seekBar->SetPosition(frame);
        ASSERT_EQ(Frame(), frame);
    }

    // Runs act on the modal window of that class or name once it shows; the
    // waits still open end with the test.
    void WhenShows(const char* which, std::function<void(QWidget*)> act) {
        auto* poll = new QTimer(&waits_);
        QObject::connect(poll, &QTimer::timeout, [poll, which, act] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || (!modal->inherits(which) && modal->objectName() != which)) return;
            poll->stop();
            poll->deleteLater();
            act(modal);
        });
        poll->start(5);
    }

    // The save dialog, when it shows, is sent to `path`, or cancelled when
    // path is empty. `proposed` receives the name it proposed.
    void AnswerSaveDialog(const QString& path, QString* proposed = nullptr) {
        WhenShows("SaveDialog1", [path, proposed](QWidget* modal) {
            auto* dialog = static_cast<QFileDialog*>(modal);
            if (proposed != nullptr) *proposed = dialog->findChild<QLineEdit*>("fileNameEdit")->text();
            if (path.isEmpty()) return static_cast<QDialog*>(dialog)->reject();
            // Typed, as a user does: selectFile keeps the proposed name for
            // a file that is no regular file (a device).
            dialog->setDirectory(QFileInfo(path).absolutePath());
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(QFileInfo(path).fileName());
            static_cast<QDialog*>(dialog)->accept();
        });
    }

    void WhenExportDialogShows(std::function<void(QDialog&)> act) {
        WhenShows("TfrmExtract", [act](QWidget* modal) { act(*static_cast<QDialog*>(modal)); });
    }

    static QString Field(QDialog& dialog, const char* name) { return Control<QLineEdit>(&dialog, name)->text(); }

    // The exported AVI holds count frames, every step-th of the source's
    // from first, byte for byte.
    void ExpectFramesOf(const QString& exported, int first, int step, int count) {
        jpeg::JpegDecoder decoder;
        avi::Recording copy(decoder);
        ASSERT_EQ(copy.OpenRecording(exported.toStdString()), avi::OpenResult::kOpened);
        ASSERT_EQ(copy.header.frames, count);
        for (int k = 0; k < count; ++k) {
            ASSERT_EQ(copy.ReadFrame(k), avi::FrameRead::kOk);
            const auto bytes = copy.LastFrameBytes();
            EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.end()), SourceFrame(first + k * step)) << k;
        }
    }

    std::vector<uint8_t> SourceFrame(int frame) const {
        jpeg::JpegDecoder decoder;
        avi::Recording source(decoder);
        if (source.OpenRecording(source_) != avi::OpenResult::kOpened) return {};
        if (source.ReadFrame(frame) != avi::FrameRead::kOk) return {};
        const auto bytes = source.LastFrameBytes();
        return {bytes.begin(), bytes.end()};
    }

    QString Out(const QString& name) const { return QDir(folder_.path()).filePath(name); }

    std::string source_;
    QObject waits_;
};

TEST_F(ExportWindowTest, MarksFromTheSeekBarsPopUpNameAndBoundTheExportedSegment) {
    TfrmVNMain& window = PausedOn(50);
    // A right click on the seek box pops its menu up.
    auto* popup = Control<QMenu>(&window, "PopupMenu2");
    QWidget* seekBox = Control(&window, "gbSeek");
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(10, 10), seekBox->mapToGlobal(QPoint(10, 10)));
    QCoreApplication::sendEvent(seekBox, &rightClick);
    EXPECT_TRUE(popup->isVisible());
    popup->hide();

    SeekTo(10);
    Control<QAction>(&window, "SaveStart")->trigger();
    SeekTo(39);
    Control<QAction>(&window, "SaveEnd")->trigger();

    QString proposed;
    const QString chosen = Out("segment.avi");
    WhenExportDialogShows([&](QDialog& dialog) {
        EXPECT_EQ(Field(dialog, "edtExtractFirst"), "11");
        EXPECT_EQ(Field(dialog, "edtExtractLast"), "40");
        // No folder in the settings yet: the program's own.
        EXPECT_EQ(Field(dialog, "edtExtractFile"), QCoreApplication::applicationDirPath() + "/REC0001_00011_00040.avi");
        AnswerSaveDialog(chosen, &proposed);
        QTest::mouseClick(Control(&dialog, "bbOK"), Qt::LeftButton);
    });
    Control<QAction>(&window, "SaveSegment1")->trigger();

    EXPECT_EQ(proposed, "REC0001_00011_00040.avi");
    ExpectFramesOf(chosen, 10, 1, 30);
    EXPECT_TRUE(Messages().empty());
    EXPECT_FALSE(Control(&window, "TfrmExtProgress")->isVisible());
    // The export stopped play (back to the first frame); the controls are
    // the engine's again.
    EXPECT_EQ(Frame(), 0);
    test::ExpectWindowShows(window, engine().controls());
    EXPECT_TRUE(SettingsFileText().contains(("dir=" + folder_.path() + "/").toUtf8()));
}

TEST_F(ExportWindowTest, TheModeSwitchesNameFilterAndExtensionAndIsKeptForTheNextStart) {
    TfrmVNMain& window = PausedOn(30);
    const QString pattern = Out("REC0001_.jpg");
    WhenExportDialogShows([&](QDialog& dialog) {
        Control<QLineEdit>(&dialog, "edtExtractSkip")->setText("9");
        const auto buttons = Control(&dialog, "rgExportAs")->findChildren<QRadioButton*>();
        ASSERT_EQ(buttons.size(), 2);
        QTest::mouseClick(buttons[1], Qt::LeftButton);
        EXPECT_TRUE(Field(dialog, "edtExtractFile").endsWith("/REC0001_.jpg"));
        auto* save = Control<QFileDialog>(&dialog, "SaveDialog1");
        EXPECT_EQ(save->defaultSuffix(), "jpg");
        EXPECT_EQ(save->nameFilters(), QStringList({"JPEG Pictures (*.jpg)"}));
        AnswerSaveDialog(pattern);
        QTest::mouseClick(Control(&dialog, "bbOK"), Qt::LeftButton);
    });
    Control<QAction>(&window, "Export1")->trigger();

    // Frames 1, 11 and 21 (1-based), each its picture's bytes.
    for (int frame : {0, 10, 20}) {
        EXPECT_EQ(FileBytes(Out(QString::asprintf("REC0001_%05d.jpg", frame + 1))), SourceFrame(frame));
    }
    EXPECT_EQ(QDir(folder_.path()).entryList({"*.jpg"}).size(), 3);

    window.close();
    EXPECT_TRUE(SettingsFileText().contains("g_nExportMode=1"));
    TfrmVNMain& again = OpenWindow();
    EXPECT_EQ(again.prefs.g_nExportMode, 1);
}

TEST_F(ExportWindowTest, CancelInTheSaveDialogKeepsTheDialogAndCancelExportsNothing) {
    WriteSettingsFile(("[extraction]\ndir=" + folder_.path() + "/kept/\n").toUtf8());
    TfrmVNMain& window = PausedOn(10);
    WhenExportDialogShows([&](QDialog& dialog) {
        EXPECT_TRUE(Field(dialog, "edtExtractFile").startsWith(folder_.path() + "/kept/"));
        AnswerSaveDialog({});
        QTest::mouseClick(Control(&dialog, "bbOK"), Qt::LeftButton);
        EXPECT_TRUE(dialog.isVisible()) << "a cancelled save dialog leaves the export dialog open";
        QTest::mouseClick(Control(&dialog, "BitBtn1"), Qt::LeftButton);
    });
    Control<QAction>(&window, "Export1")->trigger();
    EXPECT_FALSE(Control(&window, "TfrmExtProgress")->isVisible());
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files).filter(".avi", Qt::CaseInsensitive).size(), 1);
    EXPECT_TRUE(SettingsFileText().contains(("dir=" + folder_.path() + "/kept/").toUtf8()));
}

// An end before the start is refused with its note and writes nothing.
TEST_F(ExportWindowTest, AnEndBeforeTheStartIsRefusedWithItsNote) {
    TfrmVNMain& window = PausedOn(10);
    WhenExportDialogShows([&](QDialog& dialog) {
        Control<QLineEdit>(&dialog, "edtExtractFirst")->setText("8");
        Control<QLineEdit>(&dialog, "edtExtractLast")->setText("3");
        AnswerSaveDialog(Out("refused.avi"));
        WhenShows("QMessageBox", [](QWidget* note) {
            auto* box = static_cast<QMessageBox*>(note);
            EXPECT_EQ(box->windowTitle(), "Note");
            EXPECT_EQ(box->text(), "End frame cannot come before start frame");
            box->accept();
        });
        QTest::mouseClick(Control(&dialog, "bbOK"), Qt::LeftButton);
    });
    Control<QAction>(&window, "Export1")->trigger();
    EXPECT_FALSE(QFile::exists(Out("refused.avi")));
}

// While the export runs nothing may change the recording it reads; Cancel
// stops it and nothing of the file stays.
TEST_F(ExportWindowTest, CancelStopsTheExportThatHoldsThePlayerMeanwhile) {
    TfrmVNMain& window = PausedOn(200);
    const std::string other = Write("other.avi", Plan().Frames(3));
    bool heldWhileRunning = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* progress = Control<QDialog>(&window, "TfrmExtProgress");
        if (!progress->isVisible() || heldWhileRunning) return;
        heldWhileRunning = !Control(&window, "sbForward")->isEnabled() &&
                           !Control<QAction>(&window, "Open1")->isEnabled() &&
                           !Control(&window, "lbPlayList")->isEnabled();
        Drop({other});
        QTest::mouseClick(Control(progress, "bbCancel"), Qt::LeftButton);
    });
    watch.start(0);
    WhenExportDialogShows([&](QDialog& dialog) {
        Control<QLineEdit>(&dialog, "edtExtractLast")->setText("200");
        AnswerSaveDialog(Out("cancelled.avi"));
        QTest::mouseClick(Control(&dialog, "bbOK"), Qt::LeftButton);
    });
    Control<QAction>(&window, "Export1")->trigger();
    watch.stop();

    EXPECT_TRUE(heldWhileRunning);
    EXPECT_EQ(engine().playList.g_nPlayListCount(), 1) << "the drop waited for nothing: it was refused";
    EXPECT_FALSE(QFile::exists(Out("cancelled.avi")));
    EXPECT_TRUE(QDir(folder_.path()).entryList({"*cancelled*"}, QDir::Files | QDir::Hidden).isEmpty());
    EXPECT_TRUE(Messages().empty()) << "a cancel is the user's own doing";
    test::ExpectWindowShows(window, engine().controls());
    EXPECT_TRUE(Control(&window, "sbForward")->isEnabled());
}

TEST_F(ExportWindowTest, TheFrameOnScreenSavesAsItsStoredBytes) {
    TfrmVNMain& window = PausedOn(20);
    SeekTo(11);
    QString proposed;
    AnswerSaveDialog(Out("frame.jpg"), &proposed);
    Control<QAction>(&window, "SaveCurrent1")->trigger();
    EXPECT_EQ(proposed, "mvfrm00012.jpg");
    EXPECT_EQ(FileBytes(Out("frame.jpg")), SourceFrame(11));

    // The picture's pop-up command; cancelled, it writes nothing.
    AnswerSaveDialog({});
    Control<QAction>(&window, "SaveCurrent2")->trigger();
    EXPECT_EQ(QDir(folder_.path()).entryList({"*.jpg"}).size(), 1);
}

// A movie's picture is no JPEG: it saves as a 24-bit bitmap of the picture
// shown, named by the frame in the status bar.
TEST_F(ExportWindowTest, AMoviePictureSavesAsABitmap) {
    qputenv("VNPLAY_AUDIO", "null");
    samples::SampleMovie movie = samples::StreamMovieSample();
    movie.pictureCount = 5;
    ASSERT_TRUE(samples::WriteMovie(movie, folder_.path().toStdString()));
    TfrmVNMain& window = Player();
    Drop({folder_.filePath(QString::fromStdString(movie.fileName)).toStdString()});
    Tick(3);
    Click("sbPause");
    ASSERT_EQ(Panel(3), "Frame 3");
    EXPECT_FALSE(Control<QAction>(&window, "Export1")->isEnabled());

    QString proposed;
    AnswerSaveDialog(Out("picture.bmp"), &proposed);
    Control<QAction>(&window, "SaveCurrent1")->trigger();
    EXPECT_EQ(proposed, "mvfrm00003.bmp");
    const std::vector<uint8_t> bitmap = FileBytes(Out("picture.bmp"));
    ASSERT_GE(bitmap.size(), 54u);
    EXPECT_EQ(bitmap[0], 'B');
    EXPECT_EQ(bitmap[1], 'M');
    EXPECT_EQ(bitmap[28], 24) << "bits per pixel";
    EXPECT_EQ(bitmap.size(), 54u + 320 * 3 * 240);
    EXPECT_TRUE(Messages().empty());
}

}  // namespace
}  // namespace vn::app
