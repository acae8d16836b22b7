// Starting the emulated module for a test, and a configuration that differs from the
// factory one in every kind of field.
#pragma once

#include "emulator.h"
#include "transfer/modulerecord.h"

#include <QString>
#include <QStringList>

#include <memory>

// A Q_QV5 unless `module` says otherwise.
inline std::unique_ptr<qvsim::Emulator> startModule(const qvsim::LineSetup &line = {},
                                                    const qvsim::FaultSetup &faults = {},
                                                    const qvsim::ModuleSetup &module = {})
{
    auto emulator = std::make_unique<qvsim::Emulator>(qvsim::Setup{module, line, faults});
    QString error;
    if (!emulator->start(&error))
        qWarning("emulator: %s", qPrintable(error));
    return emulator;
}

inline QStringList sampleFields()
{
    QStringList fields = qvsim::factoryFields();
    fields[3] = QStringLiteral("PINCE");
    fields[16] = QStringLiteral("FESZ ALACSONY");
    fields[48] =
        qv::transfer::record::encodeTelephone(0x43, true, 3, QStringLiteral("36201234567"));
    fields[49] =
        qv::transfer::record::encodeTelephone(0x7F, false, 4, QStringLiteral("36309999999"));
    return fields;
}
