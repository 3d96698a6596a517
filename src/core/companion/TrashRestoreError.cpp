#include "companion/TrashRestoreError.h"

namespace tundle {

TrashRestoreError::TrashRestoreError(Reason reason)
    : UserFacingError(description(reason)), reason_(reason) {}

QString TrashRestoreError::description(Reason reason) {
    switch (reason) {
        case Reason::unknownReceipt:
            return QStringLiteral("只能恢复本次运行中由糯墩移入废纸篓的项目。");
        case Reason::destinationExists:
            return QStringLiteral("原位置已有同名项目，未覆盖。请先在文件管理器中处理同名项目。");
        case Reason::trashedFileMissing:
            return QStringLiteral("项目已被移出或清空，无法从废纸篓恢复。");
        case Reason::trashedFileChanged:
            return QStringLiteral("废纸篓中的同名项目已被替换。为避免移动其他文件，未执行恢复。");
    }
    return {};
}

}  // namespace tundle
