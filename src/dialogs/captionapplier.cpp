#include "dialogs/captionapplier.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTextDocument>
#include <QWidget>

#include <array>

namespace parlora {

namespace {

constexpr std::size_t WindowKindCount = 3;

// Asks the provider for each window once per application of a language.
class WindowCache {
public:
    explicit WindowCache(const CaptionWindowProvider &provider) : m_provider(provider) {}

    QWidget *window(CaptionWindow kind)
    {
        const auto index = static_cast<std::size_t>(kind);
        if (!m_asked[index]) {
            m_asked[index] = true;
            m_windows[index] = m_provider ? m_provider(kind) : nullptr;
        }
        return m_windows[index];
    }

private:
    const CaptionWindowProvider &m_provider;
    std::array<QWidget *, WindowKindCount> m_windows{};
    std::array<bool, WindowKindCount> m_asked{};
};

QObject *findTarget(QWidget *window, const char *objectName)
{
    return window->findChild<QObject *>(QLatin1String(objectName));
}

void setCaption(QObject *target, const QString &text)
{
    if (auto *action = qobject_cast<QAction *>(target))
        action->setText(text);
    else if (auto *menu = qobject_cast<QMenu *>(target))
        menu->setTitle(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(target))
        button->setText(text);
    else if (auto *label = qobject_cast<QLabel *>(target))
        label->setText(text);
    else if (auto *frame = qobject_cast<QGroupBox *>(target))
        frame->setTitle(text);
}

QString caption(const QObject *target)
{
    if (auto *action = qobject_cast<const QAction *>(target))
        return action->text();
    if (auto *menu = qobject_cast<const QMenu *>(target))
        return menu->title();
    if (auto *button = qobject_cast<const QAbstractButton *>(target))
        return button->text();
    if (auto *label = qobject_cast<const QLabel *>(target))
        return label->text();
    if (auto *frame = qobject_cast<const QGroupBox *>(target))
        return frame->title();
    return {};
}

// Tool tips show rich text when the text looks like markup, and markup can
// load files (<img src=...>): a language file's text is always shown as the
// characters it holds.
QString plainToolTip(const QString &text)
{
    return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal) : text;
}

void setToolTip(QObject *target, const QString &text)
{
    if (auto *action = qobject_cast<QAction *>(target)) {
        // A toolbar button shows only its picture; its tooltip is also the
        // name a screen reader announces for it.
        action->setText(text);
        action->setToolTip(plainToolTip(text));
    } else if (auto *widget = qobject_cast<QWidget *>(target)) {
        widget->setToolTip(plainToolTip(text));
    }
}

void applyLine(QWidget *window, const CaptionLine &entry, const QString &text)
{
    if (entry.kind == CaptionKind::WindowTitle) {
        window->setWindowTitle(text);
        return;
    }
    QObject *target = findTarget(window, entry.target);
    if (!target)
        return;
    if (entry.kind == CaptionKind::Text)
        setCaption(target, text);
    else
        setToolTip(target, text);
}

} // namespace

void applyCaptions(const QStringList &fixedLines, const CaptionWindowProvider &windows)
{
    WindowCache cache(windows);
    const auto table = captionTable();
    const qsizetype count = std::min<qsizetype>(fixedLines.size(), qsizetype(table.size()));
    for (qsizetype index = 0; index < count; ++index) {
        const CaptionLine &entry = table[std::size_t(index)];
        if (QWidget *window = cache.window(entry.window))
            applyLine(window, entry, captionText(entry, fixedLines.at(index)));
    }

    // The copied controls all live in the main window's pop-up menus.
    QWidget *mainWindow = cache.window(CaptionWindow::Main);
    if (!mainWindow)
        return;
    for (const CaptionCopy &copy : captionCopies()) {
        QObject *source = findTarget(mainWindow, copy.from);
        QObject *target = findTarget(mainWindow, copy.to);
        if (source && target)
            setCaption(target, caption(source));
    }
}

InterfaceLanguage::CaptionApplier captionApplierFor(CaptionWindowProvider windows)
{
    return [windows = std::move(windows)](const QStringList &fixedLines) { applyCaptions(fixedLines, windows); };
}

} // namespace parlora
