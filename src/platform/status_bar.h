// A status bar divided into panels of designed widths, addressed by index.
#pragma once

#include <QStatusBar>
#include <QVector>

class QLabel;

namespace vn::ui {

class StatusBar : public QStatusBar {
    Q_OBJECT
public:
    // One panel per width; the last one takes the room that is left.
    StatusBar(QWidget* parent, const char* name, const QVector<int>& panelWidths);

    void SetPanelText(int panel, const QString& text);
    QString PanelText(int panel) const;

private:
    QVector<QLabel*> panels_;
};

}  // namespace vn::ui
