// Text metrics, extents and output. Every position comes from the font's
// byte-advance table, so what is measured is what is drawn.
#include "platform/GdiObjects.h"

#include "platform/Cp1252.h"

#include <QPainter>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

const GdiObjectRecord* SelectedFont(const DcRecord* dc)
{
    const GdiObjectRecord* font = LiveGdiObject(dc->state.font, GdiKind::Font);
    return font ? font : DefaultGuiFont();
}

int LineHeight(const GdiObjectRecord* font)
{
    return font->metrics->ascent + font->metrics->descent;
}

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
        painter.drawText(QPoint(x + i * kTestFontCharWidth, baseline), QString(CharFromByte(static_cast<unsigned char>(text[i]))));
    painter.restore();
    dc->painterFontSet = false;
    if (font->logFont.lfUnderline)
        painter.fillRect(QRect(x, baseline + 1, count * kTestFontCharWidth, 1), color);
}

// One line of DrawText after prefix handling: the bytes to show and the
// index of the byte to underline (-1 for none).
struct TextLine {
    std::string bytes;
    int underline = -1;
};

TextLine StripPrefixes(const std::string& line)
{
    TextLine out;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '&') {
            if (i + 1 < line.size() && line[i + 1] == '&') {
                out.bytes.push_back('&');
                ++i;
            } else if (i + 1 < line.size()) {
                out.underline = static_cast<int>(out.bytes.size());
            }
            continue;
        }
        out.bytes.push_back(line[i]);
    }
    return out;
}

std::string ExpandTabs(const std::string& line, const GdiObjectRecord* font)
{
    const int tabWidth = 8 * std::max(1, font->metrics->aveCharWidth);
    const int spaceWidth = std::max(1, font->metrics->advance[' ']);
    std::string out;
    int width = 0;
    for (char c : line) {
        if (c == '\t') {
            const int target = (width / tabWidth + 1) * tabWidth;
            while (width < target) {
                out.push_back(' ');
                width += spaceWidth;
            }
            continue;
        }
        out.push_back(c);
        width += font->metrics->advance[static_cast<unsigned char>(c)];
    }
    return out;
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines(1);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            lines.emplace_back();
            continue;
        }
        lines.back().push_back(text[i]);
    }
    return lines;
}

// Breaks a line at spaces so that each piece fits `width` (a word longer
// than the width stands alone).
std::vector<TextLine> WrapLine(const TextLine& line, const GdiObjectRecord* font, int width)
{
    std::vector<TextLine> out;
    const std::string& s = line.bytes;
    size_t start = 0;
    while (start <= s.size()) {
        size_t end = start;
        size_t lastBreak = std::string::npos;
        int w = 0;
        while (end < s.size()) {
            const int advance = font->metrics->advance[static_cast<unsigned char>(s[end])];
            if (s[end] == ' ')
                lastBreak = end;
            if (w + advance > width && end > start && s[end] != ' ')
                break;
            w += advance;
            ++end;
        }
        if (end < s.size() && lastBreak != std::string::npos && lastBreak > start)
            end = lastBreak;
        TextLine piece;
        piece.bytes = s.substr(start, end - start);
        while (!piece.bytes.empty() && piece.bytes.back() == ' ')
            piece.bytes.pop_back();
        if (line.underline >= static_cast<int>(start) && line.underline < static_cast<int>(end))
            piece.underline = line.underline - static_cast<int>(start);
        out.push_back(std::move(piece));
        start = end;
        while (start < s.size() && s[start] == ' ')
            ++start;
        if (start >= s.size())
            break;
    }
    return out;
}

void AddEllipsis(TextLine& line, const GdiObjectRecord* font, int width)
{
    if (TextWidth(font, line.bytes.data(), static_cast<int>(line.bytes.size())) <= width)
        return;
    const int dots = TextWidth(font, "...", 3);
    while (!line.bytes.empty() && TextWidth(font, line.bytes.data(), static_cast<int>(line.bytes.size())) + dots > width)
        line.bytes.pop_back();
    if (line.underline >= static_cast<int>(line.bytes.size()))
        line.underline = -1;
    line.bytes += "...";
}

} // namespace

void DrawBytes(DcRecord* dc, int x, int y, const char* text, int count, const QColor& color)
{
    if (!dc->painter || count <= 0)
        return;
    const GdiObjectRecord* font = SelectedFont(dc);
    if (font->testFont) {
        DrawTestFontGlyphs(dc, font, x, y, text, count, color);
        return;
    }
    QPainter& painter = *dc->painter;
    if (!dc->painterFontSet || dc->painterFont != font->font) {
        painter.setFont(font->font);
        dc->painterFont = font->font;
        dc->painterFontSet = true;
    }
    painter.setPen(color);
    painter.drawText(QPoint(x, y + font->metrics->ascent), TextFromBytes(text, count));
}

BOOL GetTextMetricsA(HDC hdc, TEXTMETRICA* tm)
{
    const DcRecord* dc = LiveDc(hdc);
    if (!dc || !tm)
        return FALSE;
    const FontMetricsData& m = MetricsOf(SelectedFont(dc));
    tm->tmHeight = m.ascent + m.descent;
    tm->tmAscent = m.ascent;
    tm->tmDescent = m.descent;
    tm->tmInternalLeading = m.internalLeading;
    tm->tmExternalLeading = m.externalLeading;
    tm->tmAveCharWidth = m.aveCharWidth;
    tm->tmMaxCharWidth = m.maxCharWidth;
    return TRUE;
}

BOOL GetTextExtentPoint32A(HDC hdc, const char* text, int count, SIZE* size)
{
    const DcRecord* dc = LiveDc(hdc);
    if (!dc || !size || count < 0 || (count > 0 && !text))
        return FALSE;
    const GdiObjectRecord* font = SelectedFont(dc);
    size->cx = TextWidth(font, text, count);
    size->cy = LineHeight(font);
    return TRUE;
}

BOOL ExtTextOutA(HDC hdc, int x, int y, UINT options, const RECT* rect, const char* text, UINT count, const int* dx)
{
    DcRecord* dc = LiveDc(hdc);
    if (!dc || (count > 0 && !text))
        return FALSE;
    if (!dc->painter)
        return TRUE;
    QPainter& painter = *dc->painter;
    const QColor background = ToQColor(dc->state.bkColor);
    if ((options & ETO_OPAQUE) && rect)
        painter.fillRect(QRect(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top), background);
    if (count == 0)
        return TRUE;

    const GdiObjectRecord* font = SelectedFont(dc);
    const int n = static_cast<int>(count);
    const bool clipped = (options & ETO_CLIPPED) && rect;
    if (clipped) {
        painter.save();
        painter.setClipRect(QRect(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top),
                            Qt::IntersectClip);
        dc->painterFontSet = false;
    }
    int width = 0;
    if (dx) {
        for (int i = 0; i < n; ++i)
            width += dx[i];
    } else {
        width = TextWidth(font, text, n);
    }
    if (dc->state.bkMode == OPAQUE)
        painter.fillRect(QRect(x, y, width, LineHeight(font)), background);
    const QColor color = ToQColor(dc->state.textColor);
    if (dx) {
        int pos = x;
        for (int i = 0; i < n; ++i) {
            DrawBytes(dc, pos, y, text + i, 1, color);
            pos += dx[i];
        }
    } else {
        DrawBytes(dc, x, y, text, n, color);
    }
    if (clipped) {
        painter.restore();
        dc->painterFontSet = false;
    }
    return TRUE;
}

int DrawTextA(HDC hdc, const char* text, int count, RECT* rect, UINT format)
{
    DcRecord* dc = LiveDc(hdc);
    if (!dc || !rect || !text)
        return 0;
    if (count < 0)
        count = static_cast<int>(std::strlen(text));
    const GdiObjectRecord* font = SelectedFont(dc);
    const int lineHeight = LineHeight(font);
    const int rectWidth = rect->right - rect->left;
    const std::string all(text, static_cast<size_t>(count));

    std::vector<TextLine> lines;
    const std::vector<std::string> rawLines = (format & DT_SINGLELINE) ? std::vector<std::string>{all} : SplitLines(all);
    for (std::string raw : rawLines) {
        if (format & DT_EXPANDTABS)
            raw = ExpandTabs(raw, font);
        TextLine line;
        if (format & DT_NOPREFIX)
            line.bytes = raw;
        else
            line = StripPrefixes(raw);
        if ((format & DT_WORDBREAK) && !(format & DT_SINGLELINE)) {
            for (TextLine& piece : WrapLine(line, font, rectWidth))
                lines.push_back(std::move(piece));
        } else {
            lines.push_back(std::move(line));
        }
    }
    if ((format & DT_END_ELLIPSIS) && !lines.empty())
        AddEllipsis(lines.back(), font, rectWidth);

    const int height = static_cast<int>(lines.size()) * lineHeight;
    int widest = 0;
    for (const TextLine& line : lines)
        widest = std::max(widest, TextWidth(font, line.bytes.data(), static_cast<int>(line.bytes.size())));
    if (format & DT_CALCRECT) {
        rect->right = rect->left + widest;
        rect->bottom = rect->top + height;
        return height;
    }
    if (!dc->painter)
        return height;

    int y = rect->top;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER)
            y = rect->top + (rect->bottom - rect->top - lineHeight) / 2;
        else if (format & DT_BOTTOM)
            y = rect->bottom - lineHeight;
    }
    QPainter& painter = *dc->painter;
    const bool clip = !(format & DT_NOCLIP);
    if (clip) {
        painter.save();
        painter.setClipRect(QRect(rect->left, rect->top, rectWidth, rect->bottom - rect->top), Qt::IntersectClip);
        dc->painterFontSet = false;
    }
    const QColor color = ToQColor(dc->state.textColor);
    const QColor background = ToQColor(dc->state.bkColor);
    for (const TextLine& line : lines) {
        const int n = static_cast<int>(line.bytes.size());
        const int width = TextWidth(font, line.bytes.data(), n);
        int x = rect->left;
        if (format & DT_CENTER)
            x = rect->left + (rectWidth - width) / 2;
        else if (format & DT_RIGHT)
            x = rect->right - width;
        if (dc->state.bkMode == OPAQUE)
            painter.fillRect(QRect(x, y, width, lineHeight), background);
        DrawBytes(dc, x, y, line.bytes.data(), n, color);
        if (line.underline >= 0) {
            const int ux = x + TextWidth(font, line.bytes.data(), line.underline);
            const int uw = font->metrics->advance[static_cast<unsigned char>(line.bytes[static_cast<size_t>(line.underline)])];
            painter.fillRect(QRect(ux, y + font->metrics->ascent + 1, uw, 1), color);
        }
        y += lineHeight;
    }
    if (clip) {
        painter.restore();
        dc->painterFontSet = false;
    }
    return height;
}
