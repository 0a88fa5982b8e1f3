#pragma once

#include <QLocale>

// The program's translations, built into it, and Qt's own from the system.
namespace Translations {

// English plural forms ("1 file", "2 files") for the texts that count with %n. Installed
// once, first, so that every translation installed later takes precedence.
void installPluralForms();

// Qt's own translation (qtbase) and the program's for `locale`, over the plural forms;
// Qt's only where the program has one too, so the window speaks one language. True
// when the program has a translation for that locale (English always counts).
bool install(const QLocale &locale);

} // namespace Translations
