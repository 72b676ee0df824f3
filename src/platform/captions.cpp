#include "platform/captions.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QWidget>

namespace vn::ui {
namespace {

QString CaptionOf(const QObject* object) {
    if (const auto* menu = qobject_cast<const QMenu*>(object)) return menu->title();
    if (const auto* action = qobject_cast<const QAction*>(object)) return action->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(object)) return group->title();
    if (const auto* button = qobject_cast<const QAbstractButton*>(object)) return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(object)) return label->text();
    return {};
}

void Collect(const QObject* object, QStringList& captions) {
    for (const QObject* child : object->children()) {
        const QString caption = CaptionOf(child);
        if (!child->objectName().isEmpty() && !caption.isEmpty()) {
            captions.append(child->objectName() + QLatin1Char('=') + caption);
        }
        Collect(child, captions);
    }
}

}  // namespace

QStringList Captions(const QWidget& window) {
    QStringList captions;
    Collect(&window, captions);
    return captions;
}

}  // namespace vn::ui
