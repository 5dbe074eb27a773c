#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

namespace tolvaran::server {

// Text translation between language codes ("en", "es"). Lives on the main
// thread; work happens elsewhere and comes back there.
class Translator : public QObject
{
    Q_OBJECT

public:
    using Done = std::function<void(std::optional<QString> translation)>;

    using QObject::QObject;

    virtual bool canTranslate(const QString& from, const QString& to) const = 0;

    // Gets ready for a pair that is about to be used, so the first sentence
    // does not pay for the start.
    virtual void prepare(const QString& from, const QString& to)
    {
        Q_UNUSED(from)
        Q_UNUSED(to)
    }

    // done runs later on this thread, exactly once, with nothing when the
    // translation failed. Requests of one pair complete in call order.
    virtual void translate(const QString& text, const QString& from, const QString& to, Done done) = 0;
};

} // namespace tolvaran::server
