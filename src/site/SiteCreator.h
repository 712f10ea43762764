#pragma once

#include <QString>
#include <functional>
#include <stdexcept>

namespace site {

struct SiteOptions
{
    QString home;
    QString company = QStringLiteral("MINHA POUSADA");
    QString address;
    QString city;
    QString state;
    QString user = QStringLiteral("ADMIN");
    QString password = QStringLiteral("ADMIN");
    bool demo = false;
};

class SiteError : public std::runtime_error
{
public:
    explicit SiteError(const QString &message) : std::runtime_error(message.toStdString()), m_message(message) {}
    QString message() const { return m_message; }

private:
    QString m_message;
};

// Checks the options; throws SiteError with the reason when one is unusable.
void validate(const SiteOptions &options);

// Creates the home folder and its database from the schema, seeds GeraID, the
// company row and one full-access user, and with `demo` a small pousada.
// Refuses an existing database. On failure nothing it created is left behind.
void createSite(const SiteOptions &options, const std::function<void(const QString &)> &progress = {});

} // namespace site
