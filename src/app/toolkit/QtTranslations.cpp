#include "toolkit/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace tundle {

bool QtTranslations::install(QCoreApplication& application) {
    const QLocale chinese(QLocale::Chinese, QLocale::China);
    // Sizes and dates that Qt's dialogs write follow the same language.
    QLocale::setDefault(chinese);
    auto translator = std::make_unique<QTranslator>();
    // "qt" gathers the catalogues of every Qt module the system has translated.
    if (!translator->load(chinese, QStringLiteral("qt"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator.get())) {
        return false;
    }
    translator.release()->setParent(&application);
    return true;
}

}  // namespace tundle
