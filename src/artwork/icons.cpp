#include "artwork/icons.h"

// Resources of a static library are registered explicitly, and only from
// the global namespace.
static void registerArtwork()
{
    Q_INIT_RESOURCE(artwork);
}

namespace parlora::icons {

QString artworkPath(const QString &name)
{
    static const bool registered = (registerArtwork(), true);
    Q_UNUSED(registered);
    return QStringLiteral(":/artwork/%1.svg").arg(name);
}

QIcon artwork(const QString &name)
{
    return QIcon(artworkPath(name));
}

QIcon themed(const QString &themeName, const QString &artworkName)
{
    return QIcon::fromTheme(themeName, artwork(artworkName));
}

} // namespace parlora::icons
