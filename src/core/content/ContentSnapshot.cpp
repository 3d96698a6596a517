#include "content/ContentSnapshot.h"

namespace tundle {

QString ContentSnapshot::directory(const ContentModule& module) const {
    return root + u'/' + module.id;
}

}  // namespace tundle
