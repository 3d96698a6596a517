#include "pets/PetFileNames.h"

#include <QRegularExpression>

namespace tundle {

// Anchored with \A and \z: "$" would also accept a name ending in a line break.
bool isSheetName(const QString& name) {
    static const QRegularExpression pattern(
        QStringLiteral("\\A[A-Za-z0-9][A-Za-z0-9_.-]*\\.png\\z"));
    return pattern.match(name).hasMatch();
}

bool isSoundName(const QString& name) {
    static const QRegularExpression pattern(
        QStringLiteral("\\A[A-Za-z0-9][A-Za-z0-9_.-]*\\.(m4a|wav|caf|aiff)\\z"),
        QRegularExpression::CaseInsensitiveOption);
    return pattern.match(name).hasMatch();
}

}  // namespace tundle
