#pragma once

#include <QString>

namespace data {

// The network settings file of a site's home ("SetupRede.ini", name matched without
// regard to case). Its presence marks a network installation.
struct NetworkSettings
{
    QString serverAddress; // line 1, blanks removed
    QString role;          // line 2: "1" server computer, "0" terminal
};

// The file's path in the home, whatever the case of its name; empty when there is none.
QString findNetworkSettingsFile(const QString &home);
// Reads the file; an absent or unreadable file reads as empty settings, and `error`
// (when given) receives the reason a file that exists could not be read.
NetworkSettings readNetworkSettings(const QString &home, QString *error = nullptr);
// Writes both lines anew, each ended by a line break, creating the folder when
// missing and replacing a file of any case. Returns the error text, empty on success.
QString writeNetworkSettings(const QString &home, const NetworkSettings &settings);

// The start-up check of an address: blanks removed; shorter than 8 characters or
// not starting with a digit gives an empty address.
QString checkedServerAddress(const QString &address);

} // namespace data
