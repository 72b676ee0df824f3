// An image control: stretches the picture it holds over its whole area.
#pragma once

#include <QImage>
#include <QWidget>

#include "common/picture.h"

namespace vn::ui {

class Image : public QWidget {
    Q_OBJECT
public:
    Image(QWidget* parent, const char* name, int left, int top, int width, int height);

    // Shows the picture without copying it: the picture object is read at
    // every paint, so it must outlive its showing or be withdrawn with
    // ForgetPicture. Resizing or releasing the picture is harmless.
    void ShowPicture(const vn::Picture& picture);
    // Shows a copy of the picture, for pictures that do not stay.
    void ShowPictureCopy(const vn::Picture& picture);
    void ForgetPicture();

signals:
    void MouseDown(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // The picture as shown at this moment, unscaled; null when there is none.
    QImage ShownImage() const;

    const vn::Picture* shown_ = nullptr;
    QImage copy_;
};

// The picture's pixels as a QImage sharing its memory.
QImage WrapPicture(const vn::Picture& picture);

}  // namespace vn::ui
