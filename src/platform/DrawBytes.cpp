// Drawing a run of bytes in the selected font. Only the bytes whose glyphs
// can ink the drawable box go to Qt, so a label 30,000 px wide in a pane of
// 1,200 costs what its visible part costs. Qt places every glyph where the
// advance table says (no kerning, no shaping), so a part of a run drawn
// from its table position gives the pixels of the whole run there.
#include "platform/internal/GdiObjects.h"

#include "platform/internal/Cp1252.h"

#include <QGlyphRun>
#include <QPainter>

#include <cstring>

namespace {

// The bytes of a run that are drawn and where the first of them starts.
struct InkingBytes {
    int first = 0;
    int count = 0;
    int x = 0;
};

InkingBytes BytesReachingBox(const FontMetricsData& m, const QRect& box, int x, int y, const char* text,
                             int count)
{
    const int lineHeight = m.ascent + m.descent;
    if (box.isEmpty() || y + 2 * lineHeight <= box.top() || y - lineHeight > box.bottom())
        return {};
    // A tab advances to a stop counted from the start of the run, not by
    // its table entry: such a run is drawn whole, as it always was.
    if (std::memchr(text, '\t', static_cast<size_t>(count)))
        return {0, count, x};
    const int left = box.left() - m.inkMargin;
    const int right = box.right() + 1 + m.inkMargin;
    int i = 0;
    int pos = x;
    while (i < count && pos + m.advance[static_cast<unsigned char>(text[i])] <= left)
        pos += m.advance[static_cast<unsigned char>(text[i++])];
    InkingBytes inking{i, 0, pos};
    while (i < count && pos < right)
        pos += m.advance[static_cast<unsigned char>(text[i++])];
    inking.count = i - inking.first;
    return inking;
}

// The test font draws each byte in its own 7-pixel cell, whatever the
// glyph's own advance.
void DrawTestFontGlyphs(DcRecord* dc, const GdiObjectRecord* font, int x, int y, const char* text, int count,
                        const QColor& color)
{
    QPainter& painter = *dc->painter;
    painter.save();
    painter.setClipRect(QRect(x, y, count * kTestFontCharWidth, kTestFontHeight), Qt::IntersectClip);
    painter.setFont(font->font);
    painter.setPen(color);
    const int baseline = y + font->metrics->ascent;
    for (int i = 0; i < count; ++i)
        painter.drawText(QPoint(x + i * kTestFontCharWidth, baseline),
                         QString(CharFromByte(static_cast<unsigned char>(text[i]))));
    painter.restore();
    dc->painterFontSet = false;
    if (font->logFont.lfUnderline)
        painter.fillRect(QRect(x, baseline + 1, count * kTestFontCharWidth, 1), color);
}

// Text is drawn in the pen's colour. A new pen costs an allocation, so the
// pen is only replaced when the colour changes.
void UseTextColor(QPainter& painter, const QColor& color)
{
    const QPen& pen = painter.pen();
    if (pen.style() != Qt::SolidLine || pen.brush().style() != Qt::SolidPattern || pen.color() != color)
        painter.setPen(color);
}

// The common case without Qt's text layout, which would find what the
// table already says (the glyphs and where they go) at a cost per byte
// close to that of drawing it. False, having drawn nothing, when a byte
// needs the layout.
bool DrawGlyphs(QPainter& painter, const FontMetricsData& m, int x, int baseline, const char* bytes,
                int count)
{
    // Kept between calls: once the run has given them back, they are
    // refilled in place. The run is never destroyed, as it holds a font
    // engine (see the metrics cache).
    static QList<quint32> indexes;
    static QList<QPointF> positions;
    static QGlyphRun& run = *new QGlyphRun;
    indexes.resize(count);
    positions.resize(count);
    quint32* index = indexes.data();
    QPointF* position = positions.data();
    int pos = 0;
    for (int i = 0; i < count; ++i) {
        const unsigned char b = static_cast<unsigned char>(bytes[i]);
        if (!m.glyph[b])
            return false;
        index[i] = m.glyph[b];
        position[i] = QPointF(pos, 0);
        pos += m.advance[b];
    }
    run.setRawFont(m.face);
    run.setGlyphIndexes(indexes);
    run.setPositions(positions);
    painter.drawGlyphRun(QPointF(x, baseline), run);
    run.setGlyphIndexes({});
    run.setPositions({});
    return true;
}

} // namespace

void DrawBytes(DcRecord* dc, int x, int y, const char* text, int count, const QColor& color)
{
    if (!dc->painter || count <= 0)
        return;
    const GdiObjectRecord* font = SelectedFont(dc);
    const InkingBytes inking = BytesReachingBox(*font->metrics, DrawableBox(dc), x, y, text, count);
    if (inking.count == 0)
        return;
    const char* bytes = text + inking.first;
    if (font->testFont) {
        DrawTestFontGlyphs(dc, font, inking.x, y, bytes, inking.count, color);
        return;
    }
    QPainter& painter = *dc->painter;
    if (!dc->painterFontSet || dc->painterFont != font->font) {
        painter.setFont(font->font);
        dc->painterFont = font->font;
        dc->painterFontSet = true;
    }
    UseTextColor(painter, color);
    const int baseline = y + font->metrics->ascent;
    // A glyph run leaves out the font's underline and strike-out; only
    // the layout draws them.
    const bool decorated = font->logFont.lfUnderline || font->logFont.lfStrikeOut;
    if (!decorated && DrawGlyphs(painter, *font->metrics, inking.x, baseline, bytes, inking.count))
        return;
    // One buffer for every call (painting is on the GUI thread only): after
    // the first long label, no call allocates for its characters.
    static QString characters;
    AssignTextFromBytes(characters, bytes, inking.count);
    painter.drawText(QPoint(inking.x, baseline), characters);
}
