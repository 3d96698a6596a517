#pragma once

class QCoreApplication;

namespace tundle {

// Qt's own texts (file dialogs, the context menus of text fields, standard buttons) in
// Simplified Chinese, like the rest of the interface, whatever the system's language; the sizes
// and dates those dialogs write too.
class QtTranslations {
public:
    QtTranslations() = delete;

    // Loads Qt's Chinese catalogue from the system's Qt translations into `application`, which
    // keeps it; false when the catalogue is not installed (the texts then stay English).
    static bool install(QCoreApplication& application);
};

}  // namespace tundle
