// Text metrics, extents and output. Every position comes from the font's
// byte-advance table, so what is measured is what is drawn.
#include "platform/internal/GdiObjects.h"

#include <QPainter>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <vector>

namespace {

int LineHeight(const GdiObjectRecord* font)
{
    return font->metrics->ascent + font->metrics->descent;
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
    while (!line.bytes.empty()
           && TextWidth(font, line.bytes.data(), static_cast<int>(line.bytes.size())) + dots > width)
        line.bytes.pop_back();
    if (line.underline >= static_cast<int>(line.bytes.size()))
        line.underline = -1;
    line.bytes += "...";
}

// A line as it is drawn: bytes that stay the caller's or a layout's.
struct LineView {
    const char* bytes;
    int count;
    int underline;
};

// The labels' case: one line, no prefixes, tabs or ellipsis. Its bytes are
// drawn from the caller's buffer, without a copy.
bool ShownAsItIs(UINT format)
{
    return (format & DT_SINGLELINE) && (format & DT_NOPREFIX)
        && !(format & (DT_EXPANDTABS | DT_END_ELLIPSIS));
}

std::vector<TextLine> LayOutLines(const std::string& all, const GdiObjectRecord* font, int width, UINT format)
{
    std::vector<TextLine> lines;
    const std::vector<std::string> rawLines =
        (format & DT_SINGLELINE) ? std::vector<std::string>{all} : SplitLines(all);
    for (std::string raw : rawLines) {
        if (format & DT_EXPANDTABS)
            raw = ExpandTabs(raw, font);
        TextLine line;
        if (format & DT_NOPREFIX)
            line.bytes = raw;
        else
            line = StripPrefixes(raw);
        if ((format & DT_WORDBREAK) && !(format & DT_SINGLELINE)) {
            for (TextLine& piece : WrapLine(line, font, width))
                lines.push_back(std::move(piece));
        } else {
            lines.push_back(std::move(line));
        }
    }
    if ((format & DT_END_ELLIPSIS) && !lines.empty())
        AddEllipsis(lines.back(), font, width);
    return lines;
}

int DrawLines(DcRecord* dc, const GdiObjectRecord* font, std::span<const LineView> lines, RECT* rect,
              UINT format)
{
    const int lineHeight = LineHeight(font);
    const int rectWidth = rect->right - rect->left;
    const int height = static_cast<int>(lines.size()) * lineHeight;
    if (format & DT_CALCRECT) {
        int widest = 0;
        for (const LineView& line : lines)
            widest = std::max(widest, TextWidth(font, line.bytes, line.count));
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
        painter.setClipRect(QRect(rect->left, rect->top, rectWidth, rect->bottom - rect->top),
                            Qt::IntersectClip);
        dc->painterFontSet = false;
    }
    const QColor color = ToQColor(dc->state.textColor);
    for (const LineView& line : lines) {
        const int width = TextWidth(font, line.bytes, line.count);
        int x = rect->left;
        if (format & DT_CENTER)
            x = rect->left + (rectWidth - width) / 2;
        else if (format & DT_RIGHT)
            x = rect->right - width;
        if (dc->state.bkMode == OPAQUE)
            painter.fillRect(QRect(x, y, width, lineHeight), ToQColor(dc->state.bkColor));
        DrawBytes(dc, x, y, line.bytes, line.count, color);
        if (line.underline >= 0) {
            const int ux = static_cast<int>(std::min<std::int64_t>(
                std::int64_t{x} + TextWidth(font, line.bytes, line.underline), INT_MAX));
            const int uw = font->metrics->advance[static_cast<unsigned char>(line.bytes[line.underline])];
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

} // namespace

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

BOOL ExtTextOutA(HDC hdc, int x, int y, UINT options, const RECT* rect, const char* text, UINT count,
                 const int* dx)
{
    DcRecord* dc = LiveDc(hdc);
    if (!dc || (count > 0 && !text))
        return FALSE;
    if (!dc->painter)
        return TRUE;
    QPainter& painter = *dc->painter;
    const QColor background = ToQColor(dc->state.bkColor);
    if ((options & ETO_OPAQUE) && rect)
        painter.fillRect(QRect(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top),
                         background);
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
        std::int64_t sum = 0;
        for (int i = 0; i < n; ++i)
            sum += dx[i];
        width = static_cast<int>(std::clamp<std::int64_t>(sum, INT_MIN, INT_MAX));
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
    if (ShownAsItIs(format)) {
        const LineView line{text, count, -1};
        return DrawLines(dc, font, std::span(&line, 1), rect, format);
    }
    const std::vector<TextLine> lines =
        LayOutLines(std::string(text, static_cast<size_t>(count)), font, rect->right - rect->left, format);
    std::vector<LineView> views;
    views.reserve(lines.size());
    for (const TextLine& line : lines)
        views.push_back(LineView{line.bytes.data(), static_cast<int>(line.bytes.size()), line.underline});
    return DrawLines(dc, font, views, rect, format);
}
