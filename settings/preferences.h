// The few choices the program remembers between runs, in the user's settings.
#pragma once

namespace qv::preferences {

// Whether the download dialog reads the configuration back and compares it with what was
// sent ("Ellenőrzés letöltés után"); off until the user asks for it.
bool verifyAfterDownload();
void setVerifyAfterDownload(bool verify);

// Whether a download first reads the module's configuration out into the register
// ("Kiolvasás letöltés előtt"); off until the user asks for it.
bool backupBeforeDownload();
void setBackupBeforeDownload(bool backup);

} // namespace qv::preferences
