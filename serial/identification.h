// Evaluating the module's answer to the identification request "~|".
#pragma once

#include "settings/devsettings.h"

#include <QString>

namespace qv::serial {

struct Identification
{
    QString text;                   // upper-cased, carriage returns removed (line feeds stay)
    bool isModule = false;          // the text begins with "Q_"
    int model = settings::NoDevice; // from the last character of the second "_" field
};

// Upper-cases the reply and removes every carriage return.
QString normaliseIdentification(const QString &reply);

// The model digit: the last character of the second "_"-separated field (5, 3, 2).
int modelFromIdentification(const QString &normalised);

Identification evaluateIdentification(const QString &reply);

// The port search's test: the raw reply, not upper-cased, begins with "Q_".
bool answersAsModule(const QString &rawReply);

} // namespace qv::serial
