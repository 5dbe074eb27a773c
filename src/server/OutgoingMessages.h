#pragma once

#include "SpeechRecognizer.h"

#include <QList>
#include <QPair>
#include <QString>

// The JSON texts the server sends, written from the records the program reads
// them into (core/protocol), so that the two sides cannot drift apart.
namespace tolvaran::server::outgoing {

// Recognised speech: interim while the utterance goes on, final at its end.
QString recognition(const Recognition& recognition, const QString& language, const QString& speaker);
// The translation of the utterance finalised last.
QString translation(const QString& original, const QString& translation, const QString& sourceLanguage,
    const QString& targetLanguage, const QString& speaker);
QString finished();
QString error(const QString& message);
// Something the speaker should know; the stream goes on.
QString notice(const QString& message);
QString roomCreated(const QString& roomId);
// Listeners per language, in the order given.
QString roomUpdate(const QList<QPair<QString, int>>& languages);

// For the room's listener page.
QString caption(qint64 utterance, bool isFinal, const QString& original, const QString& text);
QString roomClosed();

} // namespace tolvaran::server::outgoing
