// Every text the program shows goes through Qt's translation: a scan of the
// views and of the C++ that hands texts to them finds any that does not.
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

const QString sourceDir = QStringLiteral(TOLVARAN_SOURCE_DIR);

// A literal reads as words to a user: a capital followed by small letters
// ("Quit", "Start Room") or two words of letters ("no such file").
bool readsAsWords(const QString& literal)
{
    static const QRegularExpression capitalised(QStringLiteral("\\b[A-Z][a-z]{2,}"));
    static const QRegularExpression twoWords(QStringLiteral("[A-Za-z]{2,}[,:]? [A-Za-z]{2,}"));
    return capitalised.match(literal).hasMatch() || twoWords.match(literal).hasMatch();
}

QStringList readLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(u'\n');
}

// "file: text" pairs that are meant as they stand, with the reason beside
// them in the file.
QSet<QString> allowList()
{
    QSet<QString> allowed;
    for (const QString& line : readLines(QStringLiteral(TOLVARAN_ALLOW_LIST))) {
        const QString entry = line.section(u'#', 0, 0).trimmed();
        if (!entry.isEmpty())
            allowed.insert(entry);
    }
    return allowed;
}

// The pieces of code a finding is judged by: QML line by line, C++ statement
// by statement (a log call spans lines), without comments.
QStringList pieces(const QString& path)
{
    static const QRegularExpression comment(QStringLiteral("(^|\\s)//.*$"), QRegularExpression::MultilineOption);
    static const QRegularExpression blockComment(
        QStringLiteral("/\\*.*?\\*/"), QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression preprocessor(QStringLiteral("^\\s*#.*$"), QRegularExpression::MultilineOption);
    QString text = readLines(path).join(u'\n');
    text.remove(blockComment).remove(comment);
    if (path.endsWith(QStringLiteral(".qml")))
        return text.split(u'\n');
    return text.remove(preprocessor).split(QRegularExpression(QStringLiteral("[;{}]")));
}

// Literals outside the translation calls in pieces that are not ignored, in
// the files under folder (or the file folder) whose names end in one of
// suffixes. Each finding reads "src/ui/panel/PanelFooter.qml: Quit".
QStringList untranslated(const QString& folder, const QStringList& suffixes, const QRegularExpression& translated,
    const QRegularExpression& ignored)
{
    static const QRegularExpression literal(QStringLiteral("\"((?:[^\"\\\\]|\\\\.)*)\""));
    // Resource paths and file names: no spaces, a slash.
    static const QRegularExpression path(QStringLiteral("^[\\w.:%/-]*/[\\w.:%/-]*$"));
    QStringList files;
    if (QFileInfo(sourceDir + u'/' + folder).isFile())
        files.append(sourceDir + u'/' + folder);
    for (QDirIterator it(sourceDir + u'/' + folder, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        files.append(it.next());
    QStringList found;
    for (const QString& file : files) {
        if (!std::any_of(suffixes.begin(), suffixes.end(), [&](const QString& s) { return file.endsWith(s); }))
            continue;
        const QString relative = file.mid(sourceDir.size() + 1);
        for (QString piece : pieces(file)) {
            if (ignored.match(piece.trimmed()).hasMatch())
                continue;
            piece.remove(translated);
            for (auto match = literal.globalMatch(piece); match.hasNext();) {
                const QString text = match.next().captured(1);
                if (readsAsWords(text) && !path.match(text).hasMatch())
                    found.append(relative + QStringLiteral(": ") + text);
            }
        }
    }
    return found;
}

} // namespace

class tst_TranslatableTexts : public QObject
{
    Q_OBJECT

private slots:

    void literalsReadAsWords_data()
    {
        QTest::addColumn<QString>("literal");
        QTest::addColumn<bool>("isWords");
        QTest::newRow("a word") << "Quit" << true;
        QTest::newRow("words") << "no such file" << true;
        QTest::newRow("a key") << "selectedLanguage" << false;
        QTest::newRow("a symbol name") << "xmark.circle.fill" << false;
        QTest::newRow("a code") << "en" << false;
        QTest::newRow("a format") << "HH:mm:ss" << false;
        QTest::newRow("a colour") << "#FF453A" << false;
    }

    void literalsReadAsWords()
    {
        QFETCH(QString, literal);
        QFETCH(bool, isWords);
        QCOMPARE(readsAsWords(literal), isWords);
    }

    // Every text of the views and of the C++ behind them: a finding is a
    // text a user would meet in English whatever their language.
    void everyShownTextIsTranslatable_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("suffixes");
        QTest::addColumn<QRegularExpression>("translated");
        QTest::addColumn<QRegularExpression>("ignored");
        // qsTr("..."), qsTranslate("Context", "..."), tr("..."), QCoreApplication::translate("Context", "..."),
        // QT_TRANSLATE_NOOP("Context", "..."), with a literal's continuation
        const QRegularExpression translated(QStringLiteral(
            "\\b(qsTr|qsTranslate|tr|translate|QT_TRANSLATE_NOOP|QT_TR_NOOP)\\((\\s*\"(?:[^\"\\\\]|\\\\.)*\"\\s*,?)+"));
        const QRegularExpression qmlIgnored(QStringLiteral("^(import |objectName:|font\\.family:|sequence:)"));
        // Log lines stay English, and so do the D-Bus names of the portal's
        // interfaces, methods and signals.
        const QRegularExpression cppIgnored(QStringLiteral(
            "\\bq(C?(Debug|Info|Warning|Critical)|Fatal)\\b|Q_LOGGING_CATEGORY|QML_UNCREATABLE|static_assert"
            "|\"org\\.freedesktop\\.|m_bus\\.(dis)?connect\\(|createMethodCall\\(|\\brequest\\(QStringLiteral"));
        const QStringList cpp{".cpp", ".h"};
        QTest::newRow("views") << "src/ui" << QStringList{".qml"} << translated << qmlIgnored;
        QTest::newRow("views' C++") << "src/ui" << cpp << translated << cppIgnored;
        QTest::newRow("program") << "src/app" << cpp << translated << cppIgnored;
        // The core's texts that reach the screen: states, errors, notices,
        // labels, the export's command line.
        for (const char* folder : {"src/core/model", "src/core/live", "src/core/translation", "src/core/settings",
                 "src/core/desktop/UpdaterService.cpp", "src/core/recordings/RecordingController.cpp",
                 "src/core/recordings/TranscriptExport.cpp", "src/core/recordings/RecordingTimes.cpp",
                 "src/core/recordings/RecordingListModel.cpp", "src/core/audio/AudioCaptureError.cpp",
                 "src/core/audio/AudioCaptureService.cpp", "src/core/audio/capture/CaptureSession.cpp",
                 "src/core/audio/PulseEngine.cpp", "src/core/audio/PulseRecordStream.cpp",
                 "src/core/protocol/ServerMessages.cpp"})
            QTest::newRow(folder) << folder << cpp << translated << cppIgnored;
    }

    void everyShownTextIsTranslatable()
    {
        QFETCH(QString, folder);
        QFETCH(QStringList, suffixes);
        QFETCH(QRegularExpression, translated);
        QFETCH(QRegularExpression, ignored);
        const QSet<QString> allowed = allowList();
        QVERIFY(!allowed.isEmpty());
        QStringList unmarked;
        for (const QString& finding : untranslated(folder, suffixes, translated, ignored))
            if (!allowed.contains(finding.trimmed()))
                unmarked.append(finding);
        if (!unmarked.isEmpty())
            qWarning("Not marked for translation:\n  %s", qUtf8Printable(unmarked.join(QStringLiteral("\n  "))));
        QVERIFY(unmarked.isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_TranslatableTexts)

#include "tst_TranslatableTexts.moc"
