#include "overlay/TypewriterText.h"

#include <QClipboard>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>

using namespace tolvaran;

// The typewriter item on a real window (software renderer, offscreen), driven
// by a clock the test sets.
class TestTypewriterText : public QObject
{
    Q_OBJECT

    double m_now = 0;
    std::unique_ptr<QQuickWindow> m_window;
    TypewriterText* m_text = nullptr;

private slots:

    void initTestCase() { QQuickWindow::setGraphicsApi(QSGRendererInterface::Software); }

    void init()
    {
        m_now = 1000;
        TypewriterText::setDefaultClock([this] { return m_now; });
        m_window = std::make_unique<QQuickWindow>();
        m_window->resize(400, 200);
        m_text = new TypewriterText(m_window->contentItem());
        m_text->setWidth(400);
        QFont font;
        font.setPixelSize(20);
        m_text->setFont(font);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanup() { m_window.reset(); }

    void typesAtTheClocksPace()
    {
        m_text->setSegments({{"Hi", Qt::white}});
        QCOMPARE(m_text->visibleText(), "");
        QVERIFY(m_text->isRevealing());
        m_now += 0.03;
        m_text->advance();
        QCOMPARE(m_text->visibleText(), "H");
        m_now += 0.02;
        m_text->advance();
        QCOMPARE(m_text->visibleText(), "Hi");
        QVERIFY(m_text->isRevealing());
        m_now += 0.24; // the last character's fade ends 0.29 s after the change
        m_text->advance();
        QVERIFY(!m_text->isRevealing());
    }

    void drawsNoFrameOnceRevealed()
    {
        QSignalSpy frames(m_window.get(), &QQuickWindow::frameSwapped);
        m_text->setSegments({{"Hello there", Qt::white}});
        m_now += 0.1;
        // The shared ticker moves the text and the window draws.
        QTRY_VERIFY(m_text->visibleText().size() >= 4);
        QTRY_VERIFY(frames.size() > 0);

        m_now += 1;
        QTRY_VERIFY(!m_text->isRevealing());
        QCOMPARE(m_text->visibleText(), "Hello there");
        QTest::qWait(50); // the last frame, at full opacity
        const auto requests = m_text->frameRequests();
        frames.clear();
        QTest::qWait(200);
        QCOMPARE(m_text->frameRequests(), requests);
        QCOMPARE(frames.size(), 0);

        // A change starts the frames again.
        m_text->setSegments({{"Hello there!", Qt::white}});
        QVERIFY(m_text->isRevealing());
        m_now += 0.03;
        QTRY_COMPARE(m_text->visibleText(), "Hello there!");
    }

    void showsMarkupAsText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("bold") << "<b>x</b>";
        QTest::newRow("entity") << "&amp;";
        QTest::newRow("image") << "<img src=x>";
        QTest::newRow("link") << "<a href=\"http://x\">y</a>";
    }

    void showsMarkupAsText()
    {
        QFETCH(QString, text);
        m_text->setSegments({{text, Qt::white}});
        m_now += 10;
        m_text->advance();
        QCOMPARE(m_text->visibleText(), text);
        // Every character, brackets and ampersands included, has its glyph.
        qsizetype glyphs = 0;
        for (const QGlyphRun& run : m_text->textLayout().glyphRuns())
            glyphs += run.glyphIndexes().size();
        QCOMPARE(glyphs, text.size());
        QCOMPARE(m_text->implicitWidth(), std::ceil(QFontMetricsF(m_text->font()).horizontalAdvance(text)));
    }

    void colourChangeRepaintsWithoutRetyping()
    {
        m_text->setSegments({{"Hello ", Qt::white}, {"how", QColor(255, 255, 255, 89)}});
        m_now += 10;
        m_text->advance();
        QVERIFY(!m_text->isRevealing());
        m_text->setSegments({{"Hello ", Qt::red}, {"how", QColor(255, 0, 0, 89)}});
        QVERIFY(!m_text->isRevealing());
        QCOMPARE(m_text->visibleText(), "Hello how");
        const QImage image = m_window->grabWindow();
        bool red = false;
        for (int y = 0; y < 30 && !red; ++y)
            for (int x = 0; x < 60 && !red; ++x)
                red = qRed(image.pixel(x, y)) > 150 && qGreen(image.pixel(x, y)) < 80;
        QVERIFY(red);
    }

    // Frames draw only the lines that changed; after any sequence of changes
    // the text must look exactly as one drawn whole.
    void drawsInPartsWhatItWouldDrawWhole_data()
    {
        using Segments = QList<TypewriterSegment>;
        QTest::addColumn<Segments>("first");
        QTest::addColumn<Segments>("second");
        const QColor ink(Qt::black);
        const QColor faint(0, 0, 0, 89);
        QTest::newRow("grows onto a new line")
            << Segments{{"Hello there", ink}} << Segments{{"Hello there, general Kenobi, and all of you here", ink}};
        const QString threeLines = "Hello there, general Kenobi. We meet again at last, my old friend, and all of "
                                   "you are welcome to stay";
        QTest::newRow("grows onto a fourth line")
            << Segments{{threeLines, ink}} << Segments{{threeLines + " here with us for as long as you like", ink}};
        // The first line turns red while the third is still typing.
        QTest::newRow("recoloured while typing")
            << Segments{{threeLines, ink}} << Segments{{threeLines.left(12), Qt::red}, {threeLines.mid(12) + "!", ink}};
        QTest::newRow("cut in the middle while typing")
            << Segments{{"Hello there, general Kenobi, and all of you here", ink}}
            << Segments{{"Help us all now", ink}};
        QTest::newRow("tidied in place") << Segments{{"the quarterly numbers are up, and so", ink}}
                                         << Segments{{"The quarterly numbers are up. And so.", ink}};
        QTest::newRow("shortened to one line")
            << Segments{{"Hello there, general Kenobi, and all of you here", ink}} << Segments{{"Hello there", ink}};
    }

    void drawsInPartsWhatItWouldDrawWhole()
    {
        QFETCH(QList<TypewriterSegment>, first);
        QFETCH(QList<TypewriterSegment>, second);
        m_window->resize(400, 300);
        auto* whole = new TypewriterText(m_window->contentItem());
        whole->setY(150);
        whole->setWidth(400);
        whole->setFont(m_text->font());

        m_text->setSegments(first);
        m_now += 10;
        m_text->advance();
        m_window->grabWindow();
        m_text->setSegments(second);
        for (int frame = 0; frame < 40 && m_text->isRevealing(); ++frame) {
            m_now += 0.05;
            m_text->advance();
            m_window->grabWindow();
        }
        QVERIFY(!m_text->isRevealing());
        whole->setSegments(second);
        m_now += 10;
        whole->advance();

        const QImage image = m_window->grabWindow();
        QCOMPARE(image.copy(0, 0, 400, 150), image.copy(0, 150, 400, 150));
    }

    // A word being typed at the end of a line stands where it ends from its
    // first letter on: no ink is ever drawn where the finished text has none,
    // and the item is as tall as the lines typed so far.
    void typesEveryCharacterWhereItStays_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("latin") << "Hello there, general Kenobi. We meet again at last, my extraordinarily old friend";
        QTest::newRow("arabic") << QString::fromUtf8(
            "مرحبا بالجميع، هل يمكنكم سماعي بوضوح؟ سنبدأ الاجتماع بمراجعة النتائج");
    }

    void typesEveryCharacterWhereItStays()
    {
        QFETCH(QString, text);
        m_window->resize(400, 300);
        m_text->setSegments({{text, Qt::black}});
        QList<QImage> frames;
        QList<qreal> heights;
        for (int frame = 0; frame < 200 && m_text->isRevealing(); ++frame) {
            m_now += 0.03;
            m_text->advance();
            frames.append(m_window->grabWindow());
            heights.append(m_text->implicitHeight());
        }
        QVERIFY(!m_text->isRevealing());
        const QImage finished = m_window->grabWindow();
        const QRgb paper = finished.pixel(finished.width() - 1, finished.height() - 1);
        const QTextLayout& layout = m_text->textLayout();
        QVERIFY(layout.lineCount() >= 2);
        for (qsizetype f = 0; f < frames.size(); ++f) {
            for (int y = 0; y < finished.height(); ++y)
                for (int x = 0; x < finished.width(); ++x)
                    if (frames[f].pixel(x, y) != paper && finished.pixel(x, y) == paper)
                        QFAIL(qPrintable(QString("frame %1 has ink at %2, %3").arg(f).arg(x).arg(y)));
        }
        // Heights are those of whole lines, growing to the finished height.
        const QTextLine last = layout.lineAt(layout.lineCount() - 1);
        QCOMPARE(heights.last(), std::ceil(last.y() + last.height()));
        QVERIFY(std::is_sorted(heights.cbegin(), heights.cend()));
        QVERIFY(heights.first() < heights.last());
    }

    void copiesTheSelectionOrTheWholeText()
    {
        m_text->setSegments({{"Hello ", Qt::black}, {"there", Qt::gray}});
        // Not all of it is on screen yet; the whole text is copied.
        m_now += 0.05;
        m_text->advance();
        m_text->copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), "Hello there");
        m_now += 10;
        m_text->advance();
        const QTextLine line = m_text->textLayout().lineAt(0);
        QTest::mousePress(m_window.get(), Qt::LeftButton, {}, QPointF(line.cursorToX(6), 10).toPoint());
        QTest::mouseMove(m_window.get(), QPointF(line.cursorToX(11), 10).toPoint());
        QTest::mouseRelease(m_window.get(), Qt::LeftButton, {}, QPointF(line.cursorToX(11), 10).toPoint());
        QCOMPARE(m_text->selectedText(), "there");
        m_text->copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), "there");
    }

    // Live words that turn into the finished line, tidied by the recogniser,
    // stay on screen; only what is really new is typed.
    void finishedLineKeepsWhatIsShown_data()
    {
        using Segments = QList<TypewriterSegment>;
        QTest::addColumn<Segments>("before");
        QTest::addColumn<Segments>("after");
        QTest::addColumn<QString>("shown");
        const QColor ink(Qt::white);
        const QColor faint(255, 255, 255, 89);
        QTest::newRow("live words alone")
            << Segments{{"", ink}, {"the quarterly numbers", faint}}
            << Segments{{"The quarterly numbers.", ink}, {"", faint}} << "The quarterly numbers";
        QTest::newRow("live words behind a line")
            << Segments{{"Good morning. ", ink}, {"the quarterly numbers", faint}}
            << Segments{{"Good morning. The quarterly numbers.", ink}, {"", faint}}
            << "Good morning. The quarterly numbers";
        QTest::newRow("comma put in") << Segments{{"yes we can", ink}} << Segments{{"Yes, we can", ink}}
                                      << "Yes, we can";
        QTest::newRow("another word is typed again")
            << Segments{{"the quarterly numbers", ink}} << Segments{{"the quarterly members", ink}} << "the quarterly ";
    }

    void finishedLineKeepsWhatIsShown()
    {
        QFETCH(QList<TypewriterSegment>, before);
        QFETCH(QList<TypewriterSegment>, after);
        QFETCH(QString, shown);
        m_text->setSegments(before);
        m_now += 10;
        m_text->advance();
        m_text->setSegments(after);
        QCOMPARE(m_text->visibleText(), shown);
        QString whole;
        for (const TypewriterSegment& segment : after)
            whole += segment.text;
        QCOMPARE(m_text->isRevealing(), shown != whole);
        m_now += 10;
        m_text->advance();
        QCOMPARE(m_text->visibleText(), whole);
    }

    void emptiedTextDrawsNothing()
    {
        m_text->setSegments({{"Hello", Qt::white}});
        m_now += 10;
        m_text->advance();
        m_text->setSegments({});
        QCOMPARE(m_text->visibleText(), "");
        QCOMPARE(m_text->implicitHeight(), 0.0);
        QVERIFY(!m_text->isRevealing());
    }
};

QTEST_MAIN(TestTypewriterText)
#include "tst_TypewriterText.moc"
