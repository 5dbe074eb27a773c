#include "TypewriterText.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QQuickWindow>
#include <QSet>
#include <QTextBoundaryFinder>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace tolvaran {

namespace {

double monotonicSeconds()
{
    static const QElapsedTimer started = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return double(started.nsecsElapsed()) / 1e9;
}

TypewriterText::Clock& defaultClock()
{
    static TypewriterText::Clock clock = monotonicSeconds;
    return clock;
}

QColor faded(QColor color, double opacity)
{
    color.setAlphaF(float(color.alphaF() * opacity));
    return color;
}

} // namespace

TypewriterText::TypewriterText(QQuickItem* parent)
    : QQuickPaintedItem(parent)
    , m_clock(defaultClock())
{
    setAcceptedMouseButtons(Qt::LeftButton);
    // The text is drawn at whole pixels already; while the list scrolls to
    // fractions of one, filtering would only blur it, at a cost per pixel.
    setSmooth(false);
    setCursor(Qt::IBeamCursor);
}

TypewriterText::~TypewriterText()
{
    FrameTicker::instance().remove(this);
}

void TypewriterText::setDefaultClock(Clock clock)
{
    defaultClock() = std::move(clock);
}

void TypewriterText::setClock(Clock clock)
{
    m_clock = std::move(clock);
}

void TypewriterText::setSegments(const QList<TypewriterSegment>& segments)
{
    if (segments == m_segments)
        return;
    m_segments = segments;
    if (isComponentComplete())
        synchronise();
    emit segmentsChanged();
}

QVariantList TypewriterText::segmentList() const
{
    QVariantList list;
    for (const TypewriterSegment& segment : m_segments)
        list.append(QVariantMap{{QStringLiteral("text"), segment.text}, {QStringLiteral("color"), segment.color}});
    return list;
}

void TypewriterText::setSegmentList(const QVariantList& list)
{
    QList<TypewriterSegment> segments;
    segments.reserve(list.size());
    for (const QVariant& item : list) {
        const QVariantMap map = item.toMap();
        segments.append(
            {map.value(QStringLiteral("text")).toString(), map.value(QStringLiteral("color")).value<QColor>()});
    }
    setSegments(segments);
}

void TypewriterText::setFont(const QFont& font)
{
    if (font == m_font)
        return;
    m_font = font;
    m_layoutWidth = -1; // forces a new layout
    relayout();
    updateImplicitHeight();
    requestFrame();
    emit fontChanged();
}

void TypewriterText::setCharInterval(double seconds)
{
    if (qFuzzyCompare(seconds, m_schedule.charInterval))
        return;
    m_schedule.charInterval = seconds;
    emit timingChanged();
}

void TypewriterText::setFadeDuration(double seconds)
{
    if (qFuzzyCompare(seconds, m_schedule.fadeDuration) || seconds <= 0)
        return;
    m_schedule.fadeDuration = seconds;
    emit timingChanged();
}

void TypewriterText::componentComplete()
{
    QQuickPaintedItem::componentComplete();
    synchronise();
}

void TypewriterText::synchronise()
{
    const double now = m_clock();
    // Changes made before the next frame count as one, from what the last
    // frame showed: a paragraph's texts arrive one property at a time, and a
    // column emptied on the way must not lose what it had shown.
    if (m_shownAtFrame) {
        const double interval = m_schedule.charInterval;
        const double fade = m_schedule.fadeDuration;
        m_schedule = *m_shownAtFrame;
        m_schedule.charInterval = interval;
        m_schedule.fadeDuration = fade;
    } else {
        m_shownAtFrame = m_schedule;
        QTimer::singleShot(0, this, [this] { m_shownAtFrame.reset(); });
    }
    const qsizetype changed = m_schedule.synchronise(m_segments, now);
    const int length = int(m_schedule.offset(m_schedule.chars().size()));
    if (std::max(m_selectionAnchor, m_selectionPosition) > length)
        setSelection(0, 0);
    // Laid out once per change, the characters still to come included.
    const qreal from = std::min(relayout(), lineTop(m_schedule.offset(changed)));
    m_visibleCount = m_schedule.visibleCount(now);
    const bool revealed = m_schedule.isFullyRevealed(now);
    setRevealing(!revealed);
    if (!revealed && FrameTicker::instance().contains(this)) {
        // The next tick draws what changed: a new size now would draw a
        // frame of its own between two ticks.
        m_dirtyFrom = std::min(m_dirtyFrom, from);
        return;
    }
    m_frameTime = now;
    updateImplicitHeight();
    requestFrame();
}

void TypewriterText::advance()
{
    m_shownAtFrame.reset();
    const double previous = m_frameTime;
    const double t = m_clock();
    m_frameTime = t;
    m_visibleCount = m_schedule.visibleCount(t);
    // What is drawn again: the lines from the first one whose text or colours
    // changed, and the lines of characters still fading. The rest of the
    // column keeps its pixels.
    qreal from = std::exchange(m_dirtyFrom, qInf());
    const auto& chars = m_schedule.chars();
    const auto settled = std::partition_point(chars.cbegin(), chars.cbegin() + m_visibleCount,
        [&](const TypewriterSchedule::Char& c) { return c.revealedAt + m_schedule.fadeDuration <= previous; });
    if (settled - chars.cbegin() < m_visibleCount)
        from = std::min(from, lineTop(m_schedule.offset(settled - chars.cbegin())));
    // A new line makes the item taller, which draws all of it anew.
    updateImplicitHeight();
    if (from < height()) {
        ++m_frameRequests;
        // A margin for glyphs that reach outside their line.
        update(QRectF(0, from - 2, width(), height() - from + 4).toAlignedRect());
    }
    if (m_schedule.isFullyRevealed(t))
        setRevealing(false);
}

int TypewriterText::lineIndex(qsizetype offset) const
{
    for (int i = 0; i < m_layout.lineCount(); ++i) {
        const QTextLine line = m_layout.lineAt(i);
        if (offset < line.textStart() + line.textLength())
            return i;
    }
    return m_layout.lineCount() - 1;
}

qreal TypewriterText::lineTop(qsizetype offset) const
{
    const int line = lineIndex(offset);
    return line >= 0 ? m_layout.lineAt(line).y() : 0;
}

void TypewriterText::updateImplicitHeight()
{
    // Down to the line of the last character shown: the item grows line by
    // line as the text types.
    qreal height = 0;
    if (const int last = m_visibleCount > 0 ? lineIndex(m_schedule.offset(m_visibleCount) - 1) : -1; last >= 0) {
        const QTextLine line = m_layout.lineAt(last);
        height = line.y() + line.height();
    }
    setImplicitHeight(std::ceil(height));
}

int TypewriterText::shownLength() const
{
    return int(m_schedule.offset(m_visibleCount));
}

void TypewriterText::setRevealing(bool revealing)
{
    // Hidden texts do not tick; they catch up when they are shown again.
    const bool ticking = revealing && isVisible() && window() && window()->isVisible();
    if (ticking)
        FrameTicker::instance().add(this);
    else
        FrameTicker::instance().remove(this);
    if (revealing == m_isRevealing)
        return;
    m_isRevealing = revealing;
    emit isRevealingChanged();
}

void TypewriterText::requestFrame()
{
    ++m_frameRequests;
    m_dirtyFrom = qInf();
    // The whole rectangle, not update(): that marks "all" with an empty
    // rectangle, which a later partial update in the same frame replaces.
    update(QRect(0, 0, int(std::ceil(width())), int(std::ceil(height()))));
}

void TypewriterText::itemChange(ItemChange change, const ItemChangeData& value)
{
    if (change == ItemSceneChange) {
        disconnect(m_windowVisibility);
        if (value.window)
            m_windowVisibility = connect(value.window, &QWindow::visibleChanged, this, [this] {
                if (m_isRevealing) {
                    advance();
                    setRevealing(m_isRevealing);
                }
            });
        // Back in a scene: the first frame shows the text as it is by now.
        if (value.window && m_isRevealing)
            advance();
        setRevealing(m_isRevealing);
    } else if (change == ItemVisibleHasChanged && m_isRevealing) {
        advance();
        setRevealing(m_isRevealing);
    }
    QQuickPaintedItem::itemChange(change, value);
}

void TypewriterText::geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry)
{
    QQuickPaintedItem::geometryChange(newGeometry, oldGeometry);
    if (newGeometry.width() != oldGeometry.width()) {
        relayout();
        updateImplicitHeight();
    }
    // A new size gets a new, empty canvas: all of it is drawn again.
    if (newGeometry.size() != oldGeometry.size())
        requestFrame();
}

qreal TypewriterText::relayout()
{
    const QString text = m_schedule.text(m_schedule.chars().size());
    const qreal lineWidth = width() > 0 ? width() : 1e6;
    if (m_layoutWidth == lineWidth && m_layout.text() == text)
        return qInf();
    qreal changedFrom = 0;
    if (m_layoutWidth == lineWidth) {
        // Lines end where the greedy wrap put them: all before the line
        // holding the first change stay, except that the line just before it
        // may take up a word the change shortened.
        const QString old = m_layout.text();
        const auto common = std::mismatch(old.cbegin(), old.cend(), text.cbegin(), text.cend()).first - old.cbegin();
        for (int i = 0; i < m_layout.lineCount(); ++i) {
            const QTextLine line = m_layout.lineAt(i);
            if (common < line.textStart() + line.textLength() || i == m_layout.lineCount() - 1) {
                changedFrom = m_layout.lineAt(std::max(0, i - 1)).y();
                break;
            }
        }
    }
    m_layoutWidth = lineWidth;

    // Lines are aligned here rather than by the layout, because glyph runs do
    // not carry the layout's alignment while hit testing does.
    const bool rightToLeft = text.isRightToLeft();
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTextDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    option.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
    option.setUseDesignMetrics(true);

    m_layout.clearLayout();
    m_glyphRuns.clear();
    m_layout.setText(text);
    m_layout.setFont(m_font);
    m_layout.setTextOption(option);
    // Only where lines break is kept: the shaped glyphs of every paragraph
    // would hold several times the text's size, and frames draw from the
    // glyph runs kept for the lines they show.
    m_layout.setCacheEnabled(false);
    qreal y = 0;
    qreal naturalWidth = 0;
    m_layout.beginLayout();
    for (QTextLine line = m_layout.createLine(); line.isValid(); line = m_layout.createLine()) {
        line.setLineWidth(lineWidth);
        const qreal x = rightToLeft && width() > 0 ? std::max<qreal>(0, lineWidth - line.naturalTextWidth()) : 0;
        line.setPosition(QPointF(x, y));
        y += line.height();
        naturalWidth = std::max(naturalWidth, line.naturalTextWidth());
    }
    m_layout.endLayout();
    setImplicitWidth(std::ceil(naturalWidth));
    return changedFrom;
}

void TypewriterText::paint(QPainter* painter)
{
    if (m_visibleCount == 0)
        return;
    const int selStart = std::min(m_selectionAnchor, m_selectionPosition);
    const int selEnd = std::min(std::max(m_selectionAnchor, m_selectionPosition), shownLength());
    if (selStart < selEnd) {
        for (int i = 0; i < m_layout.lineCount(); ++i) {
            const QTextLine line = m_layout.lineAt(i);
            const int from = std::max(selStart, line.textStart());
            const int to = std::min(selEnd, line.textStart() + line.textLength());
            if (from >= to)
                continue;
            const qreal x1 = line.cursorToX(from);
            const qreal x2 = line.cursorToX(to);
            painter->fillRect(QRectF(std::min(x1, x2), line.y(), std::abs(x2 - x1), line.height()), m_selectionColor);
        }
    }

    // Only the lines the painter's clip reaches: while typing, that is the
    // line or two still fading. Within a line, runs of equal colour and
    // opacity are drawn together, so settled text is a few runs.
    const QRectF clip = painter->hasClipping() ? painter->clipBoundingRect() : QRectF();
    const auto& chars = m_schedule.chars();
    for (int l = 0; l < m_layout.lineCount(); ++l) {
        const QTextLine line = m_layout.lineAt(l);
        if (!clip.isNull() && (line.y() + line.height() < clip.top() || line.y() > clip.bottom()))
            continue;
        const qsizetype end = std::min(m_visibleCount, m_schedule.indexAt(line.textStart() + line.textLength()));
        qsizetype i = m_schedule.indexAt(line.textStart());
        while (i < end) {
            const QColor color = faded(chars[i].color, m_schedule.opacity(i, m_frameTime));
            qsizetype j = i + 1;
            while (j < end && faded(chars[j].color, m_schedule.opacity(j, m_frameTime)) == color)
                ++j;
            if (color.alpha() > 0) {
                painter->setPen(color);
                const int from = int(m_schedule.offset(i));
                for (const QGlyphRun& run : glyphRuns(line, from, int(m_schedule.offset(j)) - from))
                    painter->drawGlyphRun(QPointF(0, 0), run);
            }
            i = j;
        }
    }
}

const QList<QGlyphRun>& TypewriterText::glyphRuns(const QTextLine& line, int from, int length)
{
    // A character fades over several frames and a settled line is drawn
    // again whenever the text moves: each range is shaped once per layout.
    if (m_glyphRuns.size() > 1024)
        m_glyphRuns.clear();
    const quint64 key = quint64(quint32(from)) << 32 | quint32(length);
    auto found = m_glyphRuns.find(key);
    if (found == m_glyphRuns.end())
        found = m_glyphRuns.insert(key, line.glyphRuns(from, length));
    return *found;
}

int TypewriterText::cursorAt(const QPointF& point) const
{
    if (m_layout.lineCount() == 0)
        return 0;
    for (int i = 0; i < m_layout.lineCount(); ++i) {
        const QTextLine line = m_layout.lineAt(i);
        if (point.y() < line.y() + line.height() || i == m_layout.lineCount() - 1)
            return std::min(line.xToCursor(point.x()), shownLength());
    }
    return 0;
}

void TypewriterText::setSelection(int anchor, int position)
{
    if (anchor == m_selectionAnchor && position == m_selectionPosition)
        return;
    m_selectionAnchor = anchor;
    m_selectionPosition = position;
    requestFrame();
    emit selectionChanged();
}

QString TypewriterText::selectedText() const
{
    // What is selected and already on screen.
    const int from = std::min(m_selectionAnchor, m_selectionPosition);
    const int to = std::min(std::max(m_selectionAnchor, m_selectionPosition), shownLength());
    return from < to ? m_layout.text().mid(from, to - from) : QString();
}

void TypewriterText::copy() const
{
    const QString selected = selectedText();
    const QString text = selected.isEmpty() ? m_schedule.text(m_schedule.chars().size()) : selected;
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

void TypewriterText::selectAll()
{
    setSelection(0, int(m_layout.text().size()));
}

void TypewriterText::mousePressEvent(QMouseEvent* event)
{
    const int at = cursorAt(event->position());
    setSelection(at, at);
    setKeepMouseGrab(true);
    event->accept();
}

void TypewriterText::mouseMoveEvent(QMouseEvent* event)
{
    setSelection(m_selectionAnchor, cursorAt(event->position()));
    event->accept();
}

void TypewriterText::mouseReleaseEvent(QMouseEvent* event)
{
    setKeepMouseGrab(false);
    // X11 lets a selection be pasted with the middle button at once.
    if (QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->supportsSelection() && !selectedText().isEmpty())
        clipboard->setText(selectedText(), QClipboard::Selection);
    event->accept();
}

void TypewriterText::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QString text = m_layout.text();
    const int at = cursorAt(event->position());
    QTextBoundaryFinder words(QTextBoundaryFinder::Word, text);
    words.setPosition(at);
    const int start = words.isAtBoundary() && words.boundaryReasons() & QTextBoundaryFinder::StartOfItem
        ? at
        : int(words.toPreviousBoundary());
    words.setPosition(at);
    const int end = std::min(int(words.toNextBoundary()), shownLength());
    if (start >= 0 && end > start)
        setSelection(start, end);
    event->accept();
}

void TypewriterText::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        copy();
        return;
    }
    if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
        return;
    }
    QQuickPaintedItem::keyPressEvent(event);
}

} // namespace tolvaran
