#pragma once

#include "services/errors/ErrorMessage.h"

#include <QCoreApplication>
#include <QString>

#include <exception>

// The engine's failures in the user's language: the message's kind picks the
// translated template, its names and paths are shown as they are, made fit for one
// line, and its errno's reason is translated too (the C library's text otherwise).
class ErrorTexts
{
    Q_DECLARE_TR_FUNCTIONS(ErrorTexts)

public:
    static QString translate(const ErrorMessage &message);
    // An EngineError's message, or any other failure's text as it is.
    static QString translate(const std::exception &error);
    // "Permission denied" for EACCES, translated.
    static QString reason(int error);
};
