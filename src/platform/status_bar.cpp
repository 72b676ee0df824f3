#include "platform/status_bar.h"

#include <QLabel>

namespace vn::ui {

StatusBar::StatusBar(QWidget* parent, const char* name, const QVector<int>& panelWidths) : QStatusBar(parent) {
    setObjectName(QString::fromLatin1(name));
    setSizeGripEnabled(true);
    for (int i = 0; i < panelWidths.size(); ++i) {
        auto* panel = new QLabel(this);
        panel->setObjectName(QStringLiteral("%1Panel%2").arg(objectName()).arg(i));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        const bool last = i + 1 == panelWidths.size();
        if (last) {
            panel->setMinimumWidth(panelWidths[i]);
        } else {
            panel->setFixedWidth(panelWidths[i]);
        }
        addWidget(panel, last ? 1 : 0);
        panels_.append(panel);
    }
}

void StatusBar::SetPanelText(int panel, const QString& text) {
    if (panel >= 0 && panel < panels_.size()) panels_[panel]->setText(text);
}

QString StatusBar::PanelText(int panel) const {
    return panel >= 0 && panel < panels_.size() ? panels_[panel]->text() : QString();
}

}  // namespace vn::ui
