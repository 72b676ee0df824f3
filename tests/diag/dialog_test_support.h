// What the dialogs' tests share: a settings file of their own, finding a
// window's controls by name (support/find_control.h), and answering a modal
// dialog the code opens.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

#include "platform/ini_file.h"
#include "support/find_control.h"

namespace vn::test {

// An INI file in a fresh folder, holding the given text.
class SettingsFile {
public:
    explicit SettingsFile(const QByteArray& text = {}) {
        QFile file(Path());
        if (file.open(QIODevice::WriteOnly)) file.write(text);
    }
    QString Path() const { return folder_.filePath("vnplay.ini"); }
    QString Folder() const { return folder_.path(); }

private:
    QTemporaryDir folder_;
};

// Runs answer on the modal dialog that the next statement opens.
inline void WhenModalOpens(std::function<void(QWidget*)> answer) {
    QTimer::singleShot(0, [answer] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        answer(modal);
    });
}

// The radio button of a group with the given caption.
inline QAbstractButton* Item(const QWidget* group, const QString& caption) {
    for (auto* button : group->findChildren<QAbstractButton*>()) {
        if (button->text() == caption) return button;
    }
    ADD_FAILURE() << "no item " << caption.toStdString();
    return nullptr;
}

// Clicks an item of a radio group where a user would: on its round button.
inline void ClickItem(const QWidget* group, const QString& caption) {
    if (QAbstractButton* item = Item(group, caption)) {
        QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(6, item->height() / 2));
    }
}

}  // namespace vn::test
