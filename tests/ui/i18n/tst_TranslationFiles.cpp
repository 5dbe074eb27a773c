// Every catalogue in translations/ is complete: each text has its
// translation, no translation is empty, none drops a placeholder.
#include <QBuffer>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Message
{
    QString context;
    QString source;
    bool isNumerus = false;
    bool isUnfinished = false;
    QStringList forms;
};

QList<Message> readCatalogue(QIODevice& device, QString* language, QString* error)
{
    QList<Message> messages;
    QXmlStreamReader xml(&device);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == u"TS") {
            *language = xml.attributes().value(QStringLiteral("language")).toString();
        } else if (name == u"name") {
            context = xml.readElementText();
        } else if (name == u"message") {
            if (!message.source.isNull())
                messages.append(message);
            message = Message();
            message.context = context;
            message.isNumerus = xml.attributes().value(QStringLiteral("numerus")) == u"yes";
        } else if (name == u"source") {
            message.source = xml.readElementText();
        } else if (name == u"translation") {
            const QString type = xml.attributes().value(QStringLiteral("type")).toString();
            message.isUnfinished = !type.isEmpty(); // unfinished, vanished, obsolete
            if (!message.isNumerus)
                message.forms.append(xml.readElementText());
        } else if (name == u"numerusform") {
            message.forms.append(xml.readElementText());
        }
    }
    if (!message.source.isNull())
        messages.append(message);
    if (xml.hasError())
        *error = xml.errorString();
    return messages;
}

QSet<QString> placeholders(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%L?(\\d+|n)"));
    QSet<QString> found;
    for (auto match = placeholder.globalMatch(text); match.hasNext();)
        found.insert(u'%' + match.next().captured(1)); // %Ln is %n in the locale's digits
    return found;
}

// What is wrong with one message's translation, or nothing.
QString fault(const Message& message)
{
    if (message.isUnfinished)
        return QStringLiteral("unfinished");
    if (message.forms.isEmpty())
        return QStringLiteral("no translation");
    const QSet<QString> wanted = placeholders(message.source);
    for (const QString& form : message.forms) {
        if (form.trimmed().isEmpty())
            return QStringLiteral("an empty translation");
        for (const QString& placeholder : wanted)
            if (!placeholders(form).contains(placeholder))
                return QStringLiteral("\"%1\" drops %2").arg(form, placeholder);
    }
    return {};
}

QList<Message> readCatalogue(const QByteArray& catalogue, QString* language, QString* error)
{
    QBuffer buffer;
    buffer.setData(catalogue);
    buffer.open(QIODevice::ReadOnly);
    return readCatalogue(buffer, language, error);
}

QSet<QString> sources(const QList<Message>& messages)
{
    QSet<QString> texts;
    for (const Message& message : messages)
        texts.insert(message.context + u'|' + message.source);
    return texts;
}

QStringList faults(const QByteArray& catalogue)
{
    QString language;
    QString error;
    QStringList found;
    for (const Message& message : readCatalogue(catalogue, &language, &error))
        if (const QString what = fault(message); !what.isEmpty())
            found.append(message.context + QStringLiteral(" \"") + message.source + QStringLiteral("\": ") + what);
    if (!error.isEmpty())
        found.append(error);
    return found;
}

QByteArray oneMessage(const QByteArray& source, const QByteArray& translation, bool isNumerus = false)
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?><!DOCTYPE TS><TS version=\"2.1\" language=\"de_DE\">"
           "<context><name>Panel</name><message"
        + QByteArray(isNumerus ? " numerus=\"yes\"" : "") + "><source>" + source + "</source>" + translation
        + "</message></context></TS>";
}

} // namespace

class tst_TranslationFiles : public QObject
{
    Q_OBJECT

private slots:

    // The check itself, on catalogues made for it.
    void faultsAreFound_data()
    {
        QTest::addColumn<QByteArray>("catalogue");
        QTest::addColumn<int>("faultCount");
        QTest::newRow("translated") << oneMessage("Quit", "<translation>Beenden</translation>") << 0;
        QTest::newRow("unfinished") << oneMessage("Quit", "<translation type=\"unfinished\"></translation>") << 1;
        QTest::newRow("empty") << oneMessage("Quit", "<translation> </translation>") << 1;
        QTest::newRow("a placeholder kept") << oneMessage("Error: %1", "<translation>Fehler: %1</translation>") << 0;
        QTest::newRow("a placeholder dropped") << oneMessage("Error: %1", "<translation>Fehler</translation>") << 1;
        QTest::newRow("the second of two dropped")
            << oneMessage("Recording of %1, %2", "<translation>Aufnahme vom %1</translation>") << 1;
        QTest::newRow("plural forms") << oneMessage("%n segments",
            "<translation><numerusform>%n Abschnitt</numerusform><numerusform>%n Abschnitte</numerusform>"
            "</translation>",
            true) << 0;
        QTest::newRow("a plural form without the count") << oneMessage("%n segments",
            "<translation><numerusform>ein Abschnitt</numerusform><numerusform>%n Abschnitte</numerusform>"
            "</translation>",
            true) << 1;
        QTest::newRow("the count in the locale's digits") << oneMessage("%Ln segments",
            "<translation><numerusform>%Ln Abschnitt</numerusform><numerusform>%Ln Abschnitte</numerusform>"
            "</translation>",
            true) << 0;
        QTest::newRow("an empty plural form") << oneMessage("%n segments",
            "<translation><numerusform></numerusform><numerusform>%n Abschnitte</numerusform></translation>", true)
                                              << 1;
    }

    void faultsAreFound()
    {
        QFETCH(QByteArray, catalogue);
        QFETCH(int, faultCount);
        QCOMPARE(faults(catalogue).size(), faultCount);
    }

    // One row per interface language the build knows.
    void everyCatalogueIsComplete_data()
    {
        QTest::addColumn<QString>("language");
        const QStringList languages = QStringLiteral(TOLVARAN_INTERFACE_LANGUAGES).split(u' ');
        QVERIFY(languages.size() >= 5);
        for (const QString& language : languages)
            QTest::newRow(qPrintable(language)) << language;
    }

    void everyCatalogueIsComplete()
    {
        QFETCH(QString, language);
        QFile file(QStringLiteral(TOLVARAN_TRANSLATIONS_DIR "/tolvaran_%1.ts").arg(language));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        const QByteArray catalogue = file.readAll();
        QString declared;
        QString error;
        const QList<Message> messages = readCatalogue(catalogue, &declared, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(declared.section(u'_', 0, 0), language);
        // All catalogues are gathered from the same sources at once
        // (update_translations): each holds the texts the German one holds.
        QFile german(QStringLiteral(TOLVARAN_TRANSLATIONS_DIR "/tolvaran_de.ts"));
        QVERIFY(german.open(QIODevice::ReadOnly));
        QString germanLanguage;
        const QSet<QString> germanSources = sources(readCatalogue(german.readAll(), &germanLanguage, &error));
        QVERIFY(germanSources.size() > 200);
        QCOMPARE(sources(messages), germanSources);
        const QStringList found = faults(catalogue);
        if (!found.isEmpty())
            qWarning("%s:\n  %s", qPrintable(file.fileName()), qUtf8Printable(found.join(QStringLiteral("\n  "))));
        QVERIFY(found.isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_TranslationFiles)

#include "tst_TranslationFiles.moc"
