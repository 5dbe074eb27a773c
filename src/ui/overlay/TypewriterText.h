#pragma once

#include "FrameTicker.h"
#include "TypewriterSchedule.h"

#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QQuickPaintedItem>
#include <QTextLayout>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

#include <functional>
#include <optional>

namespace tolvaran {

// A growing text whose new characters fade in one after another. The text is
// always plain: nothing in it is read as markup or as a link. Frames are drawn
// 25 times a second and only while characters are still fading. The lines are
// laid out once per change of the text or the width, the characters still to
// come included, so a word being typed already stands on the line it ends
// on. The shown text can be selected with the mouse and copied.
class TypewriterText : public QQuickPaintedItem, public FrameTicker::Client
{
    Q_OBJECT
    QML_ELEMENT
    // A list of {text, color} runs.
    Q_PROPERTY(QVariantList segments READ segmentList WRITE setSegmentList NOTIFY segmentsChanged)
    Q_PROPERTY(QFont font READ font WRITE setFont NOTIFY fontChanged)
    Q_PROPERTY(double charInterval READ charInterval WRITE setCharInterval NOTIFY timingChanged)
    Q_PROPERTY(double fadeDuration READ fadeDuration WRITE setFadeDuration NOTIFY timingChanged)
    Q_PROPERTY(QColor selectionColor MEMBER m_selectionColor NOTIFY selectionChanged)
    Q_PROPERTY(QString selectedText READ selectedText NOTIFY selectionChanged)
    Q_PROPERTY(bool isRevealing READ isRevealing NOTIFY isRevealingChanged)

public:
    // Seconds on a monotonic clock.
    using Clock = std::function<double()>;

    explicit TypewriterText(QQuickItem* parent = nullptr);
    ~TypewriterText() override;

    // Replaces the clock of every text made afterwards and of this one.
    static void setDefaultClock(Clock clock);
    void setClock(Clock clock);

    QList<TypewriterSegment> segments() const { return m_segments; }

    void setSegments(const QList<TypewriterSegment>& segments);
    QVariantList segmentList() const;
    void setSegmentList(const QVariantList& list);

    QFont font() const { return m_font; }

    void setFont(const QFont& font);

    double charInterval() const { return m_schedule.charInterval; }

    void setCharInterval(double seconds);

    double fadeDuration() const { return m_schedule.fadeDuration; }

    void setFadeDuration(double seconds);

    // The characters on screen at the last frame.
    QString visibleText() const { return m_schedule.text(m_visibleCount); }

    QString selectedText() const;

    bool isRevealing() const { return m_isRevealing; }

    // Frames requested so far; a finished reveal adds none.
    quint64 frameRequests() const { return m_frameRequests; }

    const QTextLayout& textLayout() const { return m_layout; }

    // The selection, or without one the whole text, typed or still to come.
    Q_INVOKABLE void copy() const;
    Q_INVOKABLE void selectAll();

    void paint(QPainter* painter) override;

    // One animation step at the clock's time.
    void advance();

    void tick() override { advance(); }

signals:
    void segmentsChanged();
    void fontChanged();
    void timingChanged();
    void selectionChanged();
    void isRevealingChanged();

protected:
    void componentComplete() override;
    void geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry) override;
    void itemChange(ItemChange change, const ItemChangeData& value) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void synchronise();
    // Lays out the whole text. Gives where the lines start to differ from the
    // last layout; infinity when nothing changed.
    qreal relayout();
    // The line holding UTF-16 unit `offset` of the text; the last at the end.
    int lineIndex(qsizetype offset) const;
    qreal lineTop(qsizetype offset) const;
    void updateImplicitHeight();
    // UTF-16 units of the text on screen.
    int shownLength() const;
    void requestFrame();
    void setRevealing(bool revealing);
    // The glyphs of `length` UTF-16 units from `from`, within `line`.
    const QList<QGlyphRun>& glyphRuns(const QTextLine& line, int from, int length);
    int cursorAt(const QPointF& point) const;
    void setSelection(int anchor, int position);

    Clock m_clock;
    QList<TypewriterSegment> m_segments;
    QFont m_font;
    TypewriterSchedule m_schedule;
    // The schedule before the first change since the last frame or turn of
    // the event loop.
    std::optional<TypewriterSchedule> m_shownAtFrame;
    // The characters drawn: those whose fade has begun.
    qsizetype m_visibleCount = 0;
    double m_frameTime = 0;
    QTextLayout m_layout;
    QHash<quint64, QList<QGlyphRun>> m_glyphRuns;
    qreal m_layoutWidth = -1;
    // Where the next frame starts drawing, for changes made between frames.
    qreal m_dirtyFrom = qInf();
    bool m_isRevealing = false;
    quint64 m_frameRequests = 0;
    QColor m_selectionColor{100, 150, 255, 110};
    int m_selectionAnchor = 0;
    int m_selectionPosition = 0;
    QMetaObject::Connection m_windowVisibility;
};

} // namespace tolvaran
