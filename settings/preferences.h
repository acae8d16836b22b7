// The few choices the program remembers between runs, in the user's settings.
#pragma once

#include <QString>

namespace qv::settings::preferences {

// Whether the download dialog reads the configuration back and compares it with what was
// sent ("Ellenőrzés betöltés után"); off until the user asks for it.
bool verifyAfterDownload();
void setVerifyAfterDownload(bool verify);

// Whether a download first reads the module's configuration out into the register
// ("Kiolvasás betöltés előtt"); off until the user asks for it.
bool backupBeforeDownload();
void setBackupBeforeDownload(bool backup);

// The team's register: a libpq connection string or a service name; empty when the
// register is kept on this computer only. A connection with a password is not kept (false):
// qv::reg::Store::connectionProblem() says why, in the program's words.
QString teamRegister();
bool setTeamRegister(const QString &connection);

// The technician's name the register's entries carry; empty until given.
QString technician();
void setTechnician(const QString &name);
// Whether a name was ever given, an empty one too: the window asks for it only once.
bool technicianAsked();

// The language chosen in the menu ("hu" or "en"); empty until chosen: the system's then.
QString language();
void setLanguage(const QString &code);

} // namespace qv::settings::preferences
