#include "ApertiumTranslator.h"

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QProcess>
#include <QTimer>

#include <deque>

Q_LOGGING_CATEGORY(lcApertium, "com.tolvaran.server.Apertium")

namespace tolvaran::server {

namespace {

// Apertium names languages with three letters, the program with two.
QString twoLetterCode(const QString& code)
{
    static const QHash<QString, QString> codes{
        {QStringLiteral("eng"), QStringLiteral("en")},
        {QStringLiteral("spa"), QStringLiteral("es")},
        {QStringLiteral("fra"), QStringLiteral("fr")},
        {QStringLiteral("ita"), QStringLiteral("it")},
        {QStringLiteral("por"), QStringLiteral("pt")},
        {QStringLiteral("deu"), QStringLiteral("de")},
        {QStringLiteral("nld"), QStringLiteral("nl")},
        {QStringLiteral("rus"), QStringLiteral("ru")},
        {QStringLiteral("ukr"), QStringLiteral("uk")},
        {QStringLiteral("pol"), QStringLiteral("pl")},
        {QStringLiteral("tur"), QStringLiteral("tr")},
        {QStringLiteral("ara"), QStringLiteral("ar")},
        {QStringLiteral("hin"), QStringLiteral("hi")},
        {QStringLiteral("jpn"), QStringLiteral("ja")},
        {QStringLiteral("kor"), QStringLiteral("ko")},
        {QStringLiteral("zho"), QStringLiteral("zh")},
        {QStringLiteral("cat"), QStringLiteral("ca")},
        {QStringLiteral("glg"), QStringLiteral("gl")},
    };
    return codes.value(code, code);
}

// Ends the sentence and its last word, so that every stage of the pipeline
// can finish its work before the null that flushes it.
QByteArray withSentenceEnd(QByteArray text)
{
    if (!text.endsWith('.') && !text.endsWith('?') && !text.endsWith('!'))
        text += '.';
    return text + QByteArrayLiteral("[][\n]") + '\0';
}

} // namespace

// One resident pipeline of a pair, fed one null-terminated text at a time.
class ApertiumTranslator::Pipe : public QObject
{
public:
    explicit Pipe(QString modeFile)
        : m_modeFile(std::move(modeFile))
    {
        m_timeout.setSingleShot(true);
        m_timeout.setInterval(requestTimeoutMs);
        connect(&m_timeout, &QTimer::timeout, this, [this] {
            qCWarning(lcApertium, "%s did not answer in time; restarting it", qUtf8Printable(m_modeFile));
            stop();
        });
    }

    ~Pipe() override
    {
        m_requests.clear();
        stop();
    }

    void ensureStarted()
    {
        if (m_process || m_generator)
            return;
        // The mode file names the stages; apertium-wblank-mode adds null
        // flushing to each of them. Apertium's own wrapper cannot be used: it
        // holds text back until more follows.
        m_generator = new QProcess(this);
        connect(m_generator, &QProcess::finished, this, [this, generator = m_generator] {
            generator->deleteLater();
            m_generator = nullptr;
            const QByteArray script = generator->readAllStandardOutput();
            if (generator->exitStatus() != QProcess::NormalExit || generator->exitCode() != 0 || script.isEmpty()) {
                qCWarning(lcApertium, "Cannot read the pipeline of %s", qUtf8Printable(m_modeFile));
                failAll();
                return;
            }
            startPipeline(QString::fromUtf8(script));
        });
        connect(m_generator, &QProcess::errorOccurred, this, [this, generator = m_generator](QProcess::ProcessError e) {
            if (e != QProcess::FailedToStart)
                return;
            generator->deleteLater();
            m_generator = nullptr;
            qCWarning(lcApertium, "apertium-wblank-mode did not start");
            failAll();
        });
        m_generator->start(QStringLiteral("apertium-wblank-mode"), {QStringLiteral("-z"), m_modeFile});
    }

    void submit(const QString& text, Done done)
    {
        if (m_requests.size() >= maxQueuedRequests) {
            QTimer::singleShot(0, this, [done = std::move(done)] { done(std::nullopt); });
            return;
        }
        m_requests.push_back(Request{withSentenceEnd(escapeForStream(text)), std::move(done), false});
        ensureStarted();
        writePending();
    }

private:
    struct Request
    {
        QByteArray input;
        Done done;
        bool isWritten = false;
    };

    void startPipeline(const QString& script)
    {
        m_process = new QProcess(this);
        m_process->setProcessChannelMode(QProcess::SeparateChannels);
        m_process->setStandardErrorFile(QProcess::nullDevice());
        connect(m_process, &QProcess::started, this, &Pipe::writePending);
        connect(m_process, &QProcess::readyReadStandardOutput, this, &Pipe::readOutput);
        connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError e) {
            if (e == QProcess::FailedToStart || e == QProcess::Crashed)
                stop();
        });
        connect(m_process, &QProcess::finished, this, [this] { stop(); });
        // $1: no marks on unknown words; $2: no tagger option.
        m_process->start(QStringLiteral("bash"),
            {QStringLiteral("-c"), script, QStringLiteral("apertium"), QStringLiteral("-n"), QString()});
    }

    void writePending()
    {
        if (!m_process || m_process->state() != QProcess::Running)
            return;
        for (Request& request : m_requests) {
            if (request.isWritten)
                continue;
            if (m_process->write(request.input) != request.input.size()) {
                stop();
                return;
            }
            request.isWritten = true;
        }
        if (!m_requests.empty() && !m_timeout.isActive())
            m_timeout.start();
    }

    void readOutput()
    {
        m_output += m_process->readAllStandardOutput();
        qsizetype end;
        while ((end = m_output.indexOf('\0')) >= 0) {
            const QByteArray translated = m_output.left(end);
            m_output.remove(0, end + 1);
            if (m_requests.empty() || !m_requests.front().isWritten)
                continue; // the pipeline's stray nulls
            Done done = std::move(m_requests.front().done);
            m_requests.pop_front();
            m_timeout.stop();
            if (!m_requests.empty())
                m_timeout.start();
            done(unescapeFromStream(translated));
        }
        // Texts are a sentence long; more than this without a null is a fault.
        if (m_output.size() > 1024 * 1024)
            stop();
    }

    // Ends the pipeline; what waited fails, and the next request starts a new one.
    void stop()
    {
        m_timeout.stop();
        m_output.clear();
        if (QProcess* process = m_process) {
            m_process = nullptr;
            process->disconnect(this);
            process->closeWriteChannel();
            process->kill();
            process->waitForFinished(1000);
            process->deleteLater();
        }
        failAll();
    }

    void failAll()
    {
        std::deque<Request> failed;
        failed.swap(m_requests);
        for (Request& request : failed)
            QTimer::singleShot(0, this, [done = std::move(request.done)] { done(std::nullopt); });
    }

    QString m_modeFile;
    QProcess* m_generator = nullptr;
    QProcess* m_process = nullptr;
    QByteArray m_output;
    std::deque<Request> m_requests;
    QTimer m_timeout;
};

QString ApertiumTranslator::defaultModesFolder()
{
    return QStringLiteral("/usr/share/apertium/modes");
}

ApertiumTranslator::ApertiumTranslator(const QString& modesFolder, QObject* parent)
    : Translator(parent)
    , m_modesFolder(modesFolder)
{
    const QStringList modes = QDir(modesFolder).entryList({QStringLiteral("*.mode")}, QDir::Files, QDir::Name);
    for (const QString& file : modes) {
        const QString name = QFileInfo(file).completeBaseName();
        const QStringList languages = name.split(QLatin1Char('-'));
        // Regional variants ("es-pt_BR") and special modes are left out.
        if (languages.size() != 2 || name.contains(QLatin1Char('_')))
            continue;
        m_pairs[twoLetterCode(languages[0])].insert(twoLetterCode(languages[1]), name);
    }
}

ApertiumTranslator::~ApertiumTranslator() = default;

QStringList ApertiumTranslator::route(const QString& from, const QString& to) const
{
    if (from == to)
        return {};
    const QHash<QString, QString> direct = m_pairs.value(from);
    if (direct.contains(to))
        return {direct.value(to)};
    QStringList pivots = direct.keys();
    pivots.sort();
    pivots.removeOne(QStringLiteral("es"));
    if (direct.contains(QStringLiteral("es")))
        pivots.prepend(QStringLiteral("es"));
    for (const QString& pivot : pivots) {
        const QHash<QString, QString> onward = m_pairs.value(pivot);
        if (onward.contains(to))
            return {direct.value(pivot), onward.value(to)};
    }
    return {};
}

bool ApertiumTranslator::canTranslate(const QString& from, const QString& to) const
{
    return !route(from, to).isEmpty();
}

void ApertiumTranslator::prepare(const QString& from, const QString& to)
{
    for (const QString& pair : route(from, to))
        pipe(pair).ensureStarted();
}

ApertiumTranslator::Pipe& ApertiumTranslator::pipe(const QString& pair)
{
    auto it = m_pipes.find(pair);
    if (it == m_pipes.end())
        it = m_pipes.emplace(pair, std::make_unique<Pipe>(m_modesFolder + QLatin1Char('/') + pair + ".mode")).first;
    return *it->second;
}

void ApertiumTranslator::translate(const QString& text, const QString& from, const QString& to, Done done)
{
    auto steps = std::make_shared<const QStringList>(route(from, to));
    if (steps->isEmpty()) {
        QTimer::singleShot(0, this, [done = std::move(done)] { done(std::nullopt); });
        return;
    }
    translateStep(std::move(steps), 0, text, std::move(done));
}

void ApertiumTranslator::translateStep(
    std::shared_ptr<const QStringList> steps, qsizetype step, const QString& text, Done done)
{
    const QString pair = steps->at(step);
    pipe(pair).submit(text, [this, steps, step, done = std::move(done)](std::optional<QString> result) mutable {
        if (!result || step + 1 == steps->size()) {
            done(std::move(result));
            return;
        }
        translateStep(steps, step + 1, *result, std::move(done));
    });
}

QByteArray ApertiumTranslator::escapeForStream(const QString& text)
{
    QByteArray escaped;
    const QByteArray utf8 = text.simplified().toUtf8();
    escaped.reserve(utf8.size() + 8);
    for (const char c : utf8) {
        if (c == '\0')
            continue;
        if (QByteArrayView("[]{}^$/\\@<>*#~").contains(c))
            escaped += '\\';
        escaped += c;
    }
    return escaped;
}

QString ApertiumTranslator::unescapeFromStream(const QByteArray& output)
{
    QByteArray text;
    text.reserve(output.size());
    for (qsizetype i = 0; i < output.size(); ++i) {
        const char c = output[i];
        if (c == '\\' && i + 1 < output.size()) {
            text += output[++i];
        } else if (c == '[') {
            // A superblank: formatting carried through the pipeline.
            while (i < output.size() && output[i] != ']') {
                if (output[i] == '\\')
                    ++i;
                ++i;
            }
            text += ' ';
        } else {
            text += c;
        }
    }
    return QString::fromUtf8(text).simplified();
}

} // namespace tolvaran::server
