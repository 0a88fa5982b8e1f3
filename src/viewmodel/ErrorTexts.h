#pragma once

#include <QCoreApplication>
#include <QString>

#include <string_view>

// The engine's failure descriptions in the user's language. The engine writes them in
// English (tidyra-cli speaks English); each is recognised by its template and written
// again from the translated one with the same arguments. A text of no known template
// is shown as it is, made fit for one line.
class ErrorTexts
{
    Q_DECLARE_TR_FUNCTIONS(ErrorTexts)

public:
    static QString translate(std::string_view description);
};
