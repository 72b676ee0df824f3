#include "platform/hints.h"

#include <QApplication>
#include <QHelpEvent>
#include <QProxyStyle>
#include <QToolTip>
#include <QWidget>

namespace vn::ui {
namespace {

// The style decides how long the mouse rests before a hint wakes up; how
// long it stays is given when each hint is shown.
class HintTiming final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ToolTip_WakeUpDelay && showMs >= 0) return showMs;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ToolTip || hideMs < 0) return false;
        auto* control = qobject_cast<QWidget*>(watched);
        if (control == nullptr || control->toolTip().isEmpty()) return false;
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), control->toolTip(), control, {}, hideMs);
        return true;
    }

    int showMs = -1;
    int hideMs = -1;
};

HintTiming* timing = nullptr;  // owned by the application once installed

HintTiming& Timing() {
    if (timing == nullptr) {
        timing = new HintTiming;
        QApplication::setStyle(timing);
        qApp->installEventFilter(timing);
    }
    return *timing;
}

}  // namespace

void SetHintDelays(int showMs, int hideMs) {
    Timing().showMs = showMs;
    Timing().hideMs = hideMs;
}

int HintShowDelay() { return timing != nullptr ? timing->showMs : -1; }
int HintHideDelay() { return timing != nullptr ? timing->hideMs : -1; }

void Beep() { QApplication::beep(); }

}  // namespace vn::ui
