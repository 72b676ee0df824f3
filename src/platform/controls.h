// The control vocabulary the windows are written in: each control is a Qt
// widget that carries its name as objectName and offers the few operations
// the forms use by the names they use them (Caption, Position, ItemIndex...).
// Forms place controls with absolute geometry; none of these lay themselves
// out.
#pragma once

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStringList>
#include <QToolButton>
#include <QVector>

namespace vn::ui {

// Gives a widget its name and designed geometry.
void Design(QWidget* control, const char* name, int left, int top, int width, int height);

// A flat button that never takes the keyboard focus.
class SpeedButton : public QToolButton {
    Q_OBJECT
public:
    SpeedButton(QWidget* parent, const char* name, int left, int top, int width, int height);
};

class Button : public QPushButton {
    Q_OBJECT
public:
    Button(QWidget* parent, const char* name, int left, int top, int width, int height);
};

// A slider with tick marks that reports when it gains and loses the focus.
// A press of the mouse or a key on it counts as gaining the focus too: in a
// window that is not the active one, the press moves the slider but the
// focus event never comes.
class TrackBar : public QSlider {
    Q_OBJECT
public:
    TrackBar(QWidget* parent, const char* name, Qt::Orientation orientation, int left, int top, int width, int height);
    int Position() const { return value(); }
    void SetPosition(int position) { setValue(position); }
    void SetMax(int max) { setMaximum(max); }
    // Tick marks every `frequency` positions.
    void SetFrequency(int frequency) { setTickInterval(frequency); }

signals:
    void Entered();
    void Exited();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void EnterWithoutFocus();
};

class ProgressBar : public QProgressBar {
    Q_OBJECT
public:
    ProgressBar(QWidget* parent, const char* name, int left, int top, int width, int height);
    int Position() const { return value(); }
    void SetPosition(int position) { setValue(position); }
    void SetMax(int max) { setMaximum(max); }
};

// A list of texts with one selected row, reporting the mouse moving over it.
class ListBox : public QListWidget {
    Q_OBJECT
public:
    ListBox(QWidget* parent, const char* name, int left, int top, int width, int height);
    int ItemHeight() const;
    // Index of the first visible row.
    int TopIndex() const;
    int ItemIndex() const { return currentRow(); }
    void SetItemIndex(int index) { setCurrentRow(index); }

signals:
    void MouseMoved(QPoint position);
    void MouseLeft();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
};

class Label : public QLabel {
    Q_OBJECT
public:
    Label(QWidget* parent, const char* name, int left, int top, int width, int height);
    QString Caption() const { return text(); }
    void SetCaption(const QString& caption) { setText(caption); }
    void SetFontColour(const QColor& colour);
};

class Panel : public QFrame {
    Q_OBJECT
public:
    Panel(QWidget* parent, const char* name, int left, int top, int width, int height);
};

class GroupBox : public QGroupBox {
    Q_OBJECT
public:
    GroupBox(QWidget* parent, const char* name, int left, int top, int width, int height);
};

// The width a group box needs to show its whole title, with the style's
// margin on both sides.
int TitleWidth(const QGroupBox& group);

class Edit : public QLineEdit {
    Q_OBJECT
public:
    Edit(QWidget* parent, const char* name, int left, int top, int width, int height);
};

class CheckBox : public QCheckBox {
    Q_OBJECT
public:
    CheckBox(QWidget* parent, const char* name, int left, int top, int width, int height);
    void SetChecked(bool checked) { setChecked(checked); }
};

// A group of radio buttons, one per item, stacked in one column.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(QWidget* parent, const char* name, int left, int top, int width, int height);
    // Replaces the items' captions; the number of buttons follows the list.
    void SetItems(const QStringList& captions);
    int ItemIndex() const;  // -1 when none is checked
    void SetItemIndex(int index);

signals:
    void Clicked(int index);

private:
    QVector<QRadioButton*> buttons_;
};

}  // namespace vn::ui
