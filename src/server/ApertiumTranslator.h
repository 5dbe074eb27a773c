#pragma once

#include "Translator.h"

#include <QHash>
#include <QString>

#include <map>
#include <memory>

namespace tolvaran::server {

// Apertium's language pairs as installed, one resident pipeline per pair in
// null-flush mode, so a sentence costs milliseconds and not a process start.
// A language without a direct pair is reached through one other language
// (Spanish first), when the two pairs exist.
class ApertiumTranslator : public Translator
{
    Q_OBJECT

public:
    static QString defaultModesFolder();

    // A request waits at most this long before its pipeline is restarted.
    static constexpr int requestTimeoutMs = 10'000;
    // Requests waiting for one pipeline; more fail at once.
    static constexpr int maxQueuedRequests = 200;

    explicit ApertiumTranslator(const QString& modesFolder = defaultModesFolder(), QObject* parent = nullptr);
    ~ApertiumTranslator() override;

    bool canTranslate(const QString& from, const QString& to) const override;
    void prepare(const QString& from, const QString& to) override;
    void translate(const QString& text, const QString& from, const QString& to, Done done) override;

    // The pair names ("eng-spa") used from one language to another, in order;
    // empty when there is no way.
    QStringList route(const QString& from, const QString& to) const;

    // Text into Apertium's stream format and back.
    static QByteArray escapeForStream(const QString& text);
    static QString unescapeFromStream(const QByteArray& output);

private:
    class Pipe;

    Pipe& pipe(const QString& pair);
    void translateStep(std::shared_ptr<const QStringList> route, qsizetype step, const QString& text, Done done);

    QString m_modesFolder;
    // from -> to -> pair name
    QHash<QString, QHash<QString, QString>> m_pairs;
    std::map<QString, std::unique_ptr<Pipe>> m_pipes;
};

} // namespace tolvaran::server
