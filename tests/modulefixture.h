// Starting the emulated module for a test, and a configuration that differs from the
// factory one in every kind of field.
#pragma once

#include "emulator.h"
#include "transfer/modulerecord.h"

#include <QString>
#include <QStringList>

#include <memory>

inline std::unique_ptr<qvsim::Emulator> startModule(qint32 moduleBaud = 1200)
{
    auto module = std::make_unique<qvsim::Emulator>(qvsim::Model::QV5);
    module->setModuleBaud(moduleBaud);
    QString error;
    if (!module->start(&error))
        qWarning("emulator: %s", qPrintable(error));
    return module;
}

inline QStringList sampleFields()
{
    QStringList fields = qvsim::factoryFields();
    fields[3] = QStringLiteral("PINCE");
    fields[16] = QStringLiteral("FESZ ALACSONY");
    fields[48] = qv::record::encodeTelephone(0x43, true, 3, QStringLiteral("36201234567"));
    fields[49] = qv::record::encodeTelephone(0x7F, false, 4, QStringLiteral("36309999999"));
    return fields;
}
