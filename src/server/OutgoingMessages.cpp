#include "OutgoingMessages.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tolvaran::server::outgoing {

namespace {

QString compact(const QJsonObject& object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

} // namespace

QString recognition(const Recognition& recognition, const QString& language, const QString& speaker)
{
    QJsonArray tokens;
    for (const RecognizedWord& word : recognition.words) {
        tokens.append(QJsonObject{
            {QStringLiteral("text"), word.text},
            {QStringLiteral("start_ms"), word.startMs},
            {QStringLiteral("end_ms"), word.endMs},
            {QStringLiteral("is_final"), recognition.isFinal},
            {QStringLiteral("language"), language},
            {QStringLiteral("translation_status"), QStringLiteral("original")},
            {QStringLiteral("speaker"), speaker},
        });
    }
    return compact({
        {QStringLiteral("type"), QStringLiteral("result")},
        {QStringLiteral("tokens"), tokens},
        {QStringLiteral("original"), recognition.text()},
        {QStringLiteral("translation"), QString()},
    });
}

QString translation(const QString& original, const QString& translation, const QString& sourceLanguage,
    const QString& targetLanguage, const QString& speaker)
{
    QJsonArray tokens;
    for (const QString& word : translation.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        tokens.append(QJsonObject{
            {QStringLiteral("text"), word},
            {QStringLiteral("is_final"), true},
            {QStringLiteral("language"), targetLanguage},
            {QStringLiteral("source_language"), sourceLanguage},
            {QStringLiteral("translation_status"), QStringLiteral("translation")},
            {QStringLiteral("speaker"), speaker},
        });
    }
    return compact({
        {QStringLiteral("type"), QStringLiteral("result")},
        {QStringLiteral("tokens"), tokens},
        {QStringLiteral("original"), original},
        {QStringLiteral("translation"), translation},
    });
}

QString finished()
{
    return compact({{QStringLiteral("type"), QStringLiteral("finished")}});
}

QString error(const QString& message)
{
    return compact({{QStringLiteral("type"), QStringLiteral("error")}, {QStringLiteral("message"), message}});
}

QString notice(const QString& message)
{
    return compact({{QStringLiteral("type"), QStringLiteral("notice")}, {QStringLiteral("message"), message}});
}

QString roomCreated(const QString& roomId)
{
    return compact({{QStringLiteral("type"), QStringLiteral("room_created")}, {QStringLiteral("roomId"), roomId}});
}

QString roomUpdate(const QList<QPair<QString, int>>& languages)
{
    QJsonArray counts;
    int total = 0;
    for (const auto& [lang, count] : languages) {
        counts.append(QJsonObject{{QStringLiteral("lang"), lang}, {QStringLiteral("count"), count}});
        total += count;
    }
    return compact({
        {QStringLiteral("type"), QStringLiteral("room_update")},
        {QStringLiteral("subscriberCount"), total},
        {QStringLiteral("languages"), counts},
    });
}

QString caption(qint64 utterance, bool isFinal, const QString& original, const QString& text)
{
    return compact({
        {QStringLiteral("type"), QStringLiteral("caption")},
        {QStringLiteral("utterance"), utterance},
        {QStringLiteral("is_final"), isFinal},
        {QStringLiteral("original"), original},
        {QStringLiteral("text"), text},
    });
}

QString roomClosed()
{
    return compact({{QStringLiteral("type"), QStringLiteral("room_closed")}});
}

} // namespace tolvaran::server::outgoing
