#include "cli/lookupoutput.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace parlora::cli {

namespace {
const QString SimilarHeading = QStringLiteral("Similar words:");
const QString PhrasesHeading = QStringLiteral("Phrases:");
const QString Indent = QStringLiteral("  ");
const QString ItalianToPortuguese = QStringLiteral("Italian \u2192 Portuguese:");
const QString PortugueseToItalian = QStringLiteral("Portuguese \u2192 Italian:");
const QString BlockEnd = QStringLiteral("\r\n\r\n");
const QString LineEnd = QStringLiteral("\r\n");
} // namespace

QList<std::pair<QString, QString>> resultBlocks(const QString &resultText)
{
    QList<std::pair<QString, QString>> blocks;
    for (const QString &block : resultText.split(BlockEnd, Qt::SkipEmptyParts)) {
        const qsizetype end = block.indexOf(LineEnd);
        blocks.append(end < 0 ? std::pair(block, QString()) : std::pair(block.left(end), block.mid(end + 2)));
    }
    return blocks;
}

QByteArray textAnswer(const Answer &answer, bool withHeading)
{
    QString text;
    if (withHeading)
        text += (answer.italianSearched ? ItalianToPortuguese : PortugueseToItalian) + QLatin1Char('\n');
    const TranslationResult &result = answer.result;
    for (const QString &line : result.translations)
        text += line + QLatin1Char('\n');
    if (!result.similarWords.isEmpty()) {
        text += QLatin1Char('\n') + SimilarHeading + QLatin1Char('\n');
        for (const QString &word : result.similarWords)
            text += Indent + word + QLatin1Char('\n');
    }
    if (!result.resultText.isEmpty()) {
        QString phrases = result.resultText;
        phrases.replace(LineEnd, QStringLiteral("\n"));
        while (phrases.endsWith(QLatin1Char('\n')))
            phrases.chop(1);
        text += QLatin1Char('\n') + PhrasesHeading + QLatin1Char('\n') + phrases + QLatin1Char('\n');
    }
    return text.toUtf8();
}

QByteArray jsonAnswer(const Answer &answer)
{
    const TranslationResult &result = answer.result;
    QJsonArray translations;
    for (const MatchedPair &pair : result.matches) {
        QJsonObject match{{QStringLiteral("source"), pair.source}, {QStringLiteral("target"), pair.target}};
        if (!pair.baseForm.isEmpty())
            match.insert(QStringLiteral("baseForm"), pair.baseForm);
        translations.append(match);
    }
    QJsonArray phrases;
    for (const auto &[shown, target] : resultBlocks(result.resultText))
        phrases.append(QJsonObject{{QStringLiteral("source"), shown}, {QStringLiteral("target"), target}});
    const QJsonObject object{
        {QStringLiteral("query"), answer.query},
        {QStringLiteral("direction"), answer.italianSearched ? QStringLiteral("it-pt") : QStringLiteral("pt-it")},
        {QStringLiteral("found"), !result.matches.isEmpty()},
        {QStringLiteral("translations"), translations},
        {QStringLiteral("similar"), QJsonArray::fromStringList(result.similarWords)},
        {QStringLiteral("phrases"), phrases},
    };
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

} // namespace parlora::cli
