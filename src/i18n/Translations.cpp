#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace Translations {
namespace {

constexpr QLatin1String resourceFolder(":/i18n");

// Installs a translator owned by the application when `load` finds its file.
template <typename Load> bool installTranslator(Load load)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (load(*translator) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

void installPluralForms()
{
    static bool installed = false;
    if (installed || !QCoreApplication::instance())
        return;
    installed = installTranslator([](QTranslator &translator) {
        return translator.load(QStringLiteral("tidyra_en"), resourceFolder);
    });
}

bool install(const QLocale &locale)
{
    installPluralForms();
    if (locale.language() == QLocale::English || locale.language() == QLocale::C)
        return true;
    // Qt's own texts in French beside Tidyra's in English would make a window of two
    // languages: Qt's follow the translation of ours that was found (for "fr:en", the
    // English one), and without one all of it stays English.
    auto *own = new QTranslator(QCoreApplication::instance());
    if (!own->load(locale, QStringLiteral("tidyra"), QStringLiteral("_"), resourceFolder)) {
        delete own;
        return false;
    }
    const QLocale found(own->language());
    if (found.language() != QLocale::English) {
        installTranslator([&found](QTranslator &translator) {
            return translator.load(found, QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        });
    }
    return QCoreApplication::installTranslator(own);
}

} // namespace Translations
