// The link settings and shared command state, as one plain value.
#pragma once

#include <QString>

namespace qv::settings {

// Model codes kept in devSettings::DeviceModel.
enum DeviceModelCode : int { NoDevice = 0, ModelQV5 = 1, ModelQV3 = 2, ModelBRK2 = 3 };

// One record lives in the main window; the download worker gets a copy of it.
// The field names follow the modules' own documentation, so they stay as they are.
struct devSettings
{
    QString Port = QStringLiteral("COM1"); // port as the user sees it
    qint32 Baudrate = 1200;                // identification and read-out speed
    quint8 CheckSize = 0;                  // carried, not used
    char AckChar = 'O';                    // download acknowledgement
    qint32 SerialTimeout = 2000;           // carried, not used
    qint32 CheckValue = 0;                 // carried, not used
    char DownloadSeparator = '|';          // between the items of the download record
    char UploadSeparator = '|';            // between the fields of a read-out reply
    char UploadCommand = '{';              // carried, not used
    QString DownloadRecord;                // assembled before each download
    QString FileName;                      // open file without its folder
    QString FilePath;                      // open or chosen file
    QString FooterText;                    // rich text of the status-bar link label
    QString FooterText2;                   // second footer line of the defaults file
    QString PictureFile = QStringLiteral("i_default.dll");
    qint32 DeviceModel = NoDevice;            // see DeviceModelCode
    QString Version = QStringLiteral("1.31"); // software version
    QString DeviceId;                         // identification as received

    friend bool operator==(const devSettings &, const devSettings &) = default;
};

} // namespace qv::settings
