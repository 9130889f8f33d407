#pragma once

#include <QString>

namespace parlora {

// The folder that holds the executable and the data folders beside it. It is
// always passed in explicitly so that tests and the terminal tool can point
// the program at any folder.
class ApplicationFolder {
public:
    explicit ApplicationFolder(QString path) : m_path(std::move(path)) {}

    const QString &path() const { return m_path; }
    // A file of the dic folder, for example "portital.diz".
    QString dataFile(const QString &name) const { return m_path + QStringLiteral("/dic/") + name; }
    QString languageFile(const QString &languageName) const
    {
        return m_path + QStringLiteral("/lang/") + languageName + QStringLiteral(".lng");
    }
    QString file(const QString &relativePath) const { return m_path + QLatin1Char('/') + relativePath; }

private:
    QString m_path;
};

} // namespace parlora
