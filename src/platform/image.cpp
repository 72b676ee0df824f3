#include "platform/image.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/controls.h"

namespace vn::ui {

QImage WrapPicture(const vn::Picture& picture) {
    if (picture.empty()) return {};
    return QImage(picture.data(), picture.width(), picture.height(), picture.stride(), QImage::Format_BGR888);
}

Image::Image(QWidget* parent, const char* name, int left, int top, int width, int height) : QWidget(parent) {
    Design(this, name, left, top, width, height);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Image::ShowPicture(const vn::Picture& picture) {
    shown_ = &picture;
    copy_ = QImage();
    update();
}

void Image::ShowPictureCopy(const vn::Picture& picture) {
    shown_ = nullptr;
    copy_ = WrapPicture(picture).copy();
    update();
}

void Image::ForgetPicture() {
    shown_ = nullptr;
    copy_ = QImage();
    update();
}

QImage Image::ShownImage() const { return shown_ != nullptr ? WrapPicture(*shown_) : copy_; }

void Image::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QImage image = ShownImage();
    if (image.isNull()) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    painter.drawImage(rect(), image);
}

void Image::mousePressEvent(QMouseEvent* event) {
    emit MouseDown(event->button());
    QWidget::mousePressEvent(event);
}

}  // namespace vn::ui
