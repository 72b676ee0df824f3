// Putting pictures on the screen: the image in its scroll box, zoom, the
// window's layout and the Movie Info panel.
#include <QApplication>
#include <QLayout>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

#include "app/vnmain.h"
#include "platform/controls.h"
#include "platform/image.h"
#include "platform/status_bar.h"
#include "player/zoom.h"
#include "recording/movie_info.h"

namespace vn::app {
namespace {

Rect RectOf(const QWidget* control) {
    const QRect r = control->geometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

void Place(QWidget* control, const Rect& r) {
    control->setGeometry(r.left, r.top, std::max(0, r.width), std::max(0, r.height));
}

}  // namespace

void TfrmVNMain::PresentPicture(const vn::Picture& picture) {
    Image1->ShowPicture(picture);
    if (Image1->isHidden()) Image1->show();
}

void TfrmVNMain::HidePicture() {
    Image1->ForgetPicture();
    Image1->hide();
}

void TfrmVNMain::SetPictureSize(int width, int height) { pictureSize_ = {width, height}; }

// Every recording is shown at the zoom for its own size; the first one
// also chooses the zoom.
void TfrmVNMain::SizePicture(int width, int height) {
    SetPictureSize(width, height);
    if (initialZoomPending_) {
        ApplyInitialZoom();
    } else {
        ApplyZoom();
    }
}

void TfrmVNMain::ApplyInitialZoom() {
    if (!initialZoomPending_) return;
    initialZoomPending_ = false;
    prefs.nZoom = player::InitialZoom(pictureSize_.width);
    ApplyZoom();
    LayoutMainWindow();
}

void TfrmVNMain::ApplyZoom() {
    StatusBar1->SetPanelText(4, QString::fromStdString(player::ZoomStatusText(prefs.nZoom)));
    PlaceImage();
}

void TfrmVNMain::PlaceImage() {
    // The scroll box's client area: its inside less the scroll bars that a
    // larger image brings.
    const QSize inside = ScrollBox1->maximumViewportSize();
    Size box{inside.width(), inside.height()};
    Size image = box;
    if (prefs.nZoom > 0) {
        image = player::ZoomedImageSize(prefs.nZoom, pictureSize_);
        const int barWidth = QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        if (image.height > box.height) box.width -= barWidth;
        if (image.width > box.width) box.height -= barWidth;
    }
    const Rect placed = vn::player::PlaceImage(prefs.nZoom, box, image);
    imageCanvas_->resize(std::max(box.width, placed.right()), std::max(box.height, placed.bottom()));
    Place(Image1, placed);
}

Size TfrmVNMain::ClientSize() const {
    // The area below the menu bar, the status bar included.
    layout()->activate();
    return {client_->width(), client_->height() + StatusBar1->height()};
}

std::vector<TfrmVNMain::LayoutControl> TfrmVNMain::LayoutControls() const {
    return {{ScrollBox1, &player::MainWindowLayout::ScrollBox1},
            {pnlPlayCtrl, &player::MainWindowLayout::pnlPlayCtrl},
            {gbSeek, &player::MainWindowLayout::gbSeek},
            {pnlWhere, &player::MainWindowLayout::pnlWhere},
            {gbPlayRate, &player::MainWindowLayout::gbPlayRate},
            {lblRate, &player::MainWindowLayout::lblRate},
            {gbStats, &player::MainWindowLayout::gbStats},
            {gbMotion, &player::MainWindowLayout::gbMotion},
            {gbPlayList, &player::MainWindowLayout::gbPlayList},
            {gbMovieInfo, &player::MainWindowLayout::gbMovieInfo},
            {lbPlayList, &player::MainWindowLayout::lbPlayList},
            {lblFilePath, &player::MainWindowLayout::lblFilePath},
            {pnlPLControls, &player::MainWindowLayout::pnlPLControls}};
}

void TfrmVNMain::LayoutMainWindow() {
    const Size client = ClientSize();
    player::MainWindowLayout layout;
    for (const auto& [control, rect] : LayoutControls()) layout.*rect = RectOf(control);
    layout.StatusBar1Height = StatusBar1->height();
    // The window cannot be made so small that its controls overlap; the
    // smallest size follows the captions' widths. A window smaller than
    // that grows, and is laid out again.
    const Size smallest = player::MinimumClientSize(layout);
    const QSize minimum(smallest.width, smallest.height + menuBar()->sizeHint().height());
    if (minimum != minimumSize()) setMinimumSize(minimum);
    vn::player::LayoutMainWindow(layout, client, FileKind());
    for (const auto& [control, rect] : LayoutControls()) Place(control, layout.*rect);
    PlaceImage();
}

void TfrmVNMain::ApplyMovieInfo(const avi::MovieInfoPanel& panel) {
    // A value the recording does not give is blank, not another's.
    for (ui::Label* value : movieInfoValues_) {
        if (!panel.text.contains(value->objectName().toStdString())) value->clear();
    }
    for (const auto& [name, text] : panel.text) {
        if (auto* label = findChild<QLabel*>(QString::fromStdString(name))) {
            label->setText(QString::fromStdString(text));
        }
    }
    for (const auto& [name, colour] : panel.colour) {
        if (auto* label = findChild<ui::Label*>(QString::fromStdString(name))) {
            label->SetFontColour(colour == "red" ? Qt::red : Qt::black);
        }
    }
    for (const auto& [name, shown] : panel.visible) {
        if (auto* control = findChild<QWidget*>(QString::fromStdString(name))) {
            control->setVisible(shown);
        }
    }
}

}  // namespace vn::app
