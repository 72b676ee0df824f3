#include "platform/volumes.h"

#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>

namespace vn::ui {

namespace {

// The kernel's removable flag of the block device, found from a partition
// ("/dev/sdb1") or a whole disk ("/dev/mmcblk0"); false for anything else.
bool IsRemovableDevice(const QByteArray& device) {
    if (!device.startsWith("/dev/")) return false;
    const QString block =
        QFileInfo(QStringLiteral("/sys/class/block/") + QFileInfo(device).fileName()).canonicalFilePath();
    if (block.isEmpty()) return false;
    for (const QString& flag : {block + QStringLiteral("/removable"), block + QStringLiteral("/../removable")}) {
        QFile file(flag);
        if (file.open(QIODevice::ReadOnly)) return file.read(1) == "1";
    }
    return false;
}

// Desktops mount cards they recognise under these.
bool InMediaFolder(const QString& root) {
    return root.startsWith(QStringLiteral("/media/")) || root.startsWith(QStringLiteral("/run/media/"));
}

}  // namespace

QString Volume::DisplayText() const { return name.isEmpty() ? rootPath : name + QStringLiteral(" (") + rootPath + ')'; }

QList<Volume> MountedVolumes() {
    QList<Volume> volumes;
    for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
        if (!storage.isValid() || !storage.isReady()) continue;
        const QString root = storage.rootPath();
        volumes.append({storage.name(), root, InMediaFolder(root) || IsRemovableDevice(storage.device())});
    }
    std::stable_sort(volumes.begin(), volumes.end(),
                     [](const Volume& a, const Volume& b) { return a.removable && !b.removable; });
    return volumes;
}

}  // namespace vn::ui
