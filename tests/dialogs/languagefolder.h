#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// An application folder with language files whose every caption and message
// names its language, its line and its index ("English 25", "English
// message 12"), so a test can tell which file a text came from.
class LanguageFolder {
public:
    LanguageFolder() { QDir(m_dir.path()).mkpath(QStringLiteral("lang")); }

    QString path() const { return m_dir.path(); }

    void addLanguage(const QString &name, const QString &fileName = {})
    {
        QStringList lines{QStringLiteral("# captions")};
        for (int line = 1; line <= 57; ++line)
            lines << QStringLiteral("%1 %2").arg(name).arg(line);
        lines << QStringLiteral("# messages");
        for (int index = 0; index <= 22; ++index)
            lines << QStringLiteral("%1 message %2").arg(name).arg(index);
        addFile(fileName.isEmpty() ? name + QStringLiteral(".lng") : fileName,
                lines.join(QStringLiteral("\r\n")).toLatin1());
    }

    void addFile(const QString &fileName, const QByteArray &bytes)
    {
        QFile file(m_dir.filePath(QStringLiteral("lang/") + fileName));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

    void addFolder(const QString &name) { QDir(m_dir.path()).mkpath(QStringLiteral("lang/") + name); }

private:
    QTemporaryDir m_dir;
};
