#include "platform/controls.h"

#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionGroupBox>

namespace vn::ui {

void Design(QWidget* control, const char* name, int left, int top, int width, int height) {
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(left, top, width, height);
}

SpeedButton::SpeedButton(QWidget* parent, const char* name, int left, int top, int width, int height)
    : QToolButton(parent) {
    Design(this, name, left, top, width, height);
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    setIconSize(QSize(width - 8, height - 8));
}

Button::Button(QWidget* parent, const char* name, int left, int top, int width, int height) : QPushButton(parent) {
    Design(this, name, left, top, width, height);
    setAutoDefault(false);
}

TrackBar::TrackBar(QWidget* parent, const char* name, Qt::Orientation orientation, int left, int top, int width,
                   int height)
    : QSlider(orientation, parent) {
    Design(this, name, left, top, width, height);
    setTickPosition(orientation == Qt::Horizontal ? QSlider::TicksBelow : QSlider::TicksRight);
    setTickInterval(1);
    setPageStep(1);
}

void TrackBar::focusInEvent(QFocusEvent* event) {
    QSlider::focusInEvent(event);
    emit Entered();
}

void TrackBar::focusOutEvent(QFocusEvent* event) {
    QSlider::focusOutEvent(event);
    emit Exited();
}

void TrackBar::EnterWithoutFocus() {
    if (!hasFocus()) emit Entered();
}

void TrackBar::mousePressEvent(QMouseEvent* event) {
    EnterWithoutFocus();
    QSlider::mousePressEvent(event);
}

void TrackBar::keyPressEvent(QKeyEvent* event) {
    EnterWithoutFocus();
    QSlider::keyPressEvent(event);
}

ProgressBar::ProgressBar(QWidget* parent, const char* name, int left, int top, int width, int height)
    : QProgressBar(parent) {
    Design(this, name, left, top, width, height);
    setTextVisible(false);
    setRange(0, 100);
    setValue(0);
}

ListBox::ListBox(QWidget* parent, const char* name, int left, int top, int width, int height) : QListWidget(parent) {
    Design(this, name, left, top, width, height);
    setMouseTracking(true);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

int ListBox::ItemHeight() const {
    const int rowHeight = count() > 0 ? sizeHintForRow(0) : -1;
    return rowHeight > 0 ? rowHeight : fontMetrics().height();
}

int ListBox::TopIndex() const {
    const QModelIndex top = indexAt(QPoint(0, 0));
    return top.isValid() ? top.row() : 0;
}

void ListBox::mouseMoveEvent(QMouseEvent* event) {
    QListWidget::mouseMoveEvent(event);
    emit MouseMoved(event->position().toPoint());
}

void ListBox::leaveEvent(QEvent* event) {
    QListWidget::leaveEvent(event);
    emit MouseLeft();
}

Label::Label(QWidget* parent, const char* name, int left, int top, int width, int height) : QLabel(parent) {
    Design(this, name, left, top, width, height);
}

void Label::SetFontColour(const QColor& colour) {
    QPalette shades = palette();
    shades.setColor(QPalette::WindowText, colour);
    setPalette(shades);
}

Panel::Panel(QWidget* parent, const char* name, int left, int top, int width, int height) : QFrame(parent) {
    Design(this, name, left, top, width, height);
    setFrameShape(QFrame::NoFrame);
}

GroupBox::GroupBox(QWidget* parent, const char* name, int left, int top, int width, int height) : QGroupBox(parent) {
    Design(this, name, left, top, width, height);
}

int TitleWidth(const QGroupBox& group) {
    QStyleOptionGroupBox option;
    option.initFrom(&group);
    option.text = group.title();
    option.textAlignment = group.alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    if (group.isCheckable()) option.subControls |= QStyle::SC_GroupBoxCheckBox;
    option.lineWidth = 1;
    const QRect title = group.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &group);
    return title.right() + 1 + title.left();
}

Edit::Edit(QWidget* parent, const char* name, int left, int top, int width, int height) : QLineEdit(parent) {
    Design(this, name, left, top, width, height);
}

CheckBox::CheckBox(QWidget* parent, const char* name, int left, int top, int width, int height) : QCheckBox(parent) {
    Design(this, name, left, top, width, height);
}

RadioGroup::RadioGroup(QWidget* parent, const char* name, int left, int top, int width, int height)
    : QGroupBox(parent) {
    Design(this, name, left, top, width, height);
}

void RadioGroup::SetItems(const QStringList& captions) {
    const int rowHeight = 20;
    while (buttons_.size() > captions.size()) delete buttons_.takeLast();
    while (buttons_.size() < captions.size()) {
        const int index = static_cast<int>(buttons_.size());
        auto* button = new QRadioButton(this);
        button->setGeometry(8, 18 + index * rowHeight, width() - 16, rowHeight);
        button->show();
        connect(button, &QRadioButton::clicked, this, [this, index] { emit Clicked(index); });
        buttons_.append(button);
    }
    for (int i = 0; i < captions.size(); ++i) buttons_[i]->setText(captions[i]);
}

int RadioGroup::ItemIndex() const {
    for (int i = 0; i < buttons_.size(); ++i) {
        if (buttons_[i]->isChecked()) return i;
    }
    return -1;
}

void RadioGroup::SetItemIndex(int index) {
    if (index >= 0 && index < buttons_.size()) buttons_[index]->setChecked(true);
}

}  // namespace vn::ui
