// The mounted volumes a memory card may be: each with its name (label) and
// mount point, removable media first, then the others.
#pragma once

#include <QList>
#include <QString>

namespace vn::ui {

struct Volume {
    QString name;      // the volume's label; may be empty
    QString rootPath;  // its mount point
    bool removable = false;

    // "CARD (/media/user/CARD)", or the mount point alone without a label.
    QString DisplayText() const;
};

QList<Volume> MountedVolumes();

}  // namespace vn::ui
